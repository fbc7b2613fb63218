#pragma once

#include <QString>
#include <QStringList>
#include <span>

namespace game {

// The software ladders.
enum class ProgramKind { System, Antivirus, Browser };

// What a program needs before it can be installed; zero means no need.
struct Needs {
    int cpu;
    int ram;
    int video;
    int os;
};

struct Software {
    const char* name;
    ProgramKind kind;
    int level;
    int price;
    int diskMb;
    const char* labelText;  // the browsers' label spelling differs from the list's
    Needs needs;
    const char* needsRefusal;
};

// Every program the software store sells, in the order it lists them.
std::span<const Software> softwareCatalogue();

// The names of a ladder's programs: level n at row n - 1.
QStringList programNames(ProgramKind kind);

// One programming language; its level is its row + 1.
struct Language {
    const char* name;  // as listed, and as LblPL shows it
    int minOs;
    const char* osRefusal;
};

// The programming languages in ladder order.
std::span<const Language> languageCatalogue();

// The language names in ladder order: level n is row n - 1.
const QStringList& languageNames();

// The name LblPL shows for a language level; empty for a level no language has.
QString languageName(int level);

// A language costs 100 rubles a level and takes 50 MB for the first, 100 MB a level above it
// for the others.
int languagePrice(int level);
int languageDiskMb(int level);

}  // namespace game

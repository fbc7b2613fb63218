#include "game/programs.h"

#include <array>

#include "game/names_by_level.h"

namespace game {

namespace {

constexpr std::array<Software, 10> Catalogue = {{
    {"Windows Vista",
     ProgramKind::System,
     4,
     200,
     3000,
     "Windows Vista",
     {4, 2, 4, 0},
     "Windows Vista можно поставить на процессор Intel Core 2 Duo, Ram DDR32, видео карту 512MB "
     "и выше!"},
    {"Windows XP",
     ProgramKind::System,
     3,
     100,
     1500,
     "Windows XP",
     {3, 2, 3, 0},
     "Windows XP можно поставить на процессор Intel Pentium 4, Ram DDR32, видео карту 256MB и "
     "выше!"},
    {"Windows 2000",
     ProgramKind::System,
     2,
     70,
     1000,
     "Windows 2000",
     {2, 1, 2, 0},
     "Windows 2000 можно поставить на процессор Intel Pentium 3, Ram DDR16, видео карту 128MB и "
     "выше!"},
    {"Windows 98",
     ProgramKind::System,
     1,
     40,
     500,
     "Windows 98",
     {1, 1, 1, 0},
     "Windows 98 можно поставить на процессор Intel Pentium 2, Ram DDR16, видео карту 64MB и "
     "выше!"},
    {"NOD32",
     ProgramKind::Antivirus,
     1,
     50,
     50,
     "NOD32",
     {0, 0, 0, 1},
     "NOD32 можно поставить на ОС Windows 98 и лучше!"},
    {"NOD64",
     ProgramKind::Antivirus,
     2,
     80,
     100,
     "NOD64",
     {0, 0, 0, 3},
     "NOD64 можно поставить на ОС Windows XP и лучше!"},
    {"Internet Explorer 3",
     ProgramKind::Browser,
     1,
     50,
     20,
     "Inernet Explorer 3",
     {0, 0, 0, 1},
     "Internet Explorer 3 можно поставить на ОС Windows 98 и лучше!"},
    {"Internet Explorer 5",
     ProgramKind::Browser,
     2,
     75,
     50,
     "Inernet Explorer 5",
     {0, 0, 0, 2},
     "Internet Explorer 5 можно поставить на ОС Windows 2000 и лучше!"},
    {"Internet Explorer 6",
     ProgramKind::Browser,
     3,
     100,
     100,
     "Inernet Explorer 6",
     {0, 0, 0, 3},
     "Internet Explorer 6 можно поставить на ОС Windows XP и лучше!"},
    {"Internet Explorer 7",
     ProgramKind::Browser,
     4,
     150,
     150,
     "Inernet Explorer 7",
     {0, 0, 0, 4},
     "Internet Explorer 7 можно поставить на ОС Windows Vista и лучше!"},
}};

constexpr std::array<Language, 9> Languages = {{
    {"Basic", 1, "Basic можно поставить на ОС Windows 98 и лучше!"},
    {"QBasic", 1, "QBasic можно поставить на ОС Windows 98 и лучше!"},
    {"Visual Basic", 1, "Visual Basic можно поставить на ОС Windows 98 и лучше!"},
    {"Visual Basic .NET", 2, "Visual Basic .NET можно поставить на ОС Windows 2000 и лучше!"},
    {"Visual C#", 2, "Visual C# можно поставить на ОС Windows 2000 и лучше!"},
    {"Visual J#", 3, "Visual j# можно поставить на ОС Windows XP и лучше!"},
    {"Visual C", 3, "Visual C можно поставить на ОС Windows XP и лучше!"},
    {"Visual C++", 4, "Visual C++ можно поставить на ОС Windows Vista и лучше!"},
    {"Visual C++ .NET", 4, "Visual C++ .NET можно поставить на ОС Windows Vista и лучше!"},
}};

}  // namespace

std::span<const Software> softwareCatalogue() {
    return Catalogue;
}

QStringList programNames(ProgramKind kind) {
    return namesByLevel(Catalogue, [kind](const Software& s) { return s.kind == kind; });
}

std::span<const Language> languageCatalogue() {
    return Languages;
}

const QStringList& languageNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const Language& language : Languages) {
            list.append(QString::fromUtf8(language.name));
        }
        return list;
    }();
    return names;
}

QString languageName(int level) {
    return level >= 1 && level <= languageNames().size() ? languageNames().at(level - 1)
                                                         : QString();
}

int languagePrice(int level) {
    return 100 * level;
}

int languageDiskMb(int level) {
    return level == 1 ? 50 : 100 * (level - 1);
}

}  // namespace game

#pragma once

#include <QString>
#include <QStringList>

namespace game {

// The programming languages in ladder order: level n is row n - 1. The language store lists
// these names and LblPL shows the installed one.
const QStringList& languageNames();

// The name LblPL shows for a language level; empty for a level no language has.
QString languageName(int level);

}  // namespace game

#pragma once

#include <QString>
#include <QStringList>

namespace ui::qt {

// Alt mnemonics for one menu level: each caption is marked ("&") at its first letter or digit
// that no caption before it has taken, so every item of the level has a key of its own where
// its letters allow. A literal "&" is doubled.
QStringList withMnemonics(const QStringList& captions);

// A menu text as the player reads it: the mnemonic mark taken out, "&&" back to "&".
QString withoutMnemonic(const QString& text);

}  // namespace ui::qt

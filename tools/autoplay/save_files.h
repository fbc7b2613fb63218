#pragma once

#include <QByteArray>
#include <QStringList>

#include "tools/autoplay/dice.h"

namespace autoplay {

// Save files as the load window reads them: twenty CR LF lines, digits of lines 1 to 19 written
// as four-character codes up to each line's highest encoded digit, line 20 the hour as " N ".
QByteArray encodeSave(const QStringList& values);

// A save of a game that play could have reached, with levels, money and needs drawn at random:
// the quick way into the states deep in the game (a computer, the in-game system, a career).
QByteArray randomSave(Dice& dice);

// A save of a computer that can go online and mostly has the in-game system too (modem,
// browser, connection; an antivirus or not, so that the hackers get their turn), with money and
// needs to spare: loaded, it lets random play reach the browser, downloads and the desktop.
QByteArray onlineSave(Dice& dice);

// The same file damaged the way files get damaged: cut short, lines lost, swapped or garbled,
// numbers out of range, other line ends, bytes that are no text.
QByteArray damagedSave(Dice& dice, const QByteArray& save);

}  // namespace autoplay

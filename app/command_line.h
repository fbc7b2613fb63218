#pragma once

#include <QStringList>
#include <optional>

namespace app {

// The game's command line is read twice. First, before anything needs a display, to answer
// --help and --version. Qt's own options (-platform, -style, ...) are unknown at that point and
// pass; QApplication takes them out of the arguments, and what it leaves is read again, when
// anything unknown stops the game with a message.

// The exit status once --help or --version has been answered; nothing when the game is to start.
std::optional<int> answerCommandLine(int argc, char** argv);

// An exit status (after a message on stderr) when QApplication has left an argument the game
// does not know.
std::optional<int> refuseUnknownArguments(const QStringList& arguments);

}  // namespace app

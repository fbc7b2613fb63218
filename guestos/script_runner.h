#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "ui/services.h"

namespace guestos {

// What a script can do to the world outside it. The desktop passes these on to the game; tests
// and the fuzzer record them.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;
    // A message box with an OK button that returns once it is closed; no title means the
    // game's own.
    virtual void message(const QString& text, ui::MessageKind kind,
                         const std::optional<QString>& title) = 0;
    virtual void beep() = 0;
    virtual QString currentTime() = 0;
    virtual QString currentDate() = 0;
    // The whole game ends. The runner reads nothing more, whether or not this returns.
    virtual void endProgram() = 0;
};

enum class ScriptEnd { EndOfFile, ProgramEnded };

// Runs a program file (Windows-1251 text, one command per line) from its first line to its
// last. `title` is the title of the program's message boxes; "frm " lines change it and it
// outlives the run.
ScriptEnd runScript(QByteArrayView file, QString& title, ScriptHost& host);

}  // namespace guestos

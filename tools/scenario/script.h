#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "ui/control.h"
#include "ui/services.h"

namespace scenario {

enum class Op {
    Type,
    Click,  // a control, or the window's surface when no control is named
    MouseDown,
    MouseUp,
    Select,
    Key,
    Menu,
    Close,
    Answer,
    Random,
    Now,
    Wait,
    Set,
    File,
    Shot,
    ExpectValue,
    ExpectMessage,
    ExpectMessageStart,
    ExpectBeep,
    ExpectQuiet,
    ExpectEnded,
    ExpectOpen,
    ExpectClosed,
    ExpectFile,
    ExpectNoFile,
};

// The window name that makes shot picture the next message box instead.
inline constexpr QStringView MessageShot = u"msg";

// What set and expect look at: Window.Control.Property, Window.Property or GameGlobals.Name.
struct Target {
    enum Kind { ControlProperty, WindowProperty, Global };
    Kind kind = ControlProperty;
    QString window;  // empty for a global
    QString control;
    QString property;  // the variable's name for a global

    QString text() const;
};

// One command of a scenario, checked for its shape but not yet against the game's names.
struct Step {
    int line = 0;
    Op op = Op::Wait;
    QString window;   // actions, shot ("msg": the next message box), expect open/closed
    QString control;  // empty for a window's own surface; a menu for shot
    Target target;    // set and expect on a value
    QString text;     // typed text, value, message text or prefix, file name, date
    QString title;    // message title, time
    bool hasTitle = false;
    QByteArray bytes;     // file content
    int number = 0;       // row, key code, milliseconds, beeps
    bool byText = false;  // select names the row by its text
    ui::MouseButton button = ui::MouseButton::Left;
    ui::MessageKind kind = ui::MessageKind::Information;
    std::vector<bool> answers;
    std::vector<double> randoms;

    bool isExpect() const { return op >= Op::ExpectValue; }
    bool isPlayerAction() const { return op <= Op::Close; }
};

// A line the driver cannot play, and why.
struct Fault {
    int line = 0;
    QString why;
};

struct Script {
    std::vector<Step> steps;  // the lines that could be read
    std::vector<Fault> faults;
};

Script parseScript(const QByteArray& content);

}  // namespace scenario

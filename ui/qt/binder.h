#pragma once

#include <QKeyEvent>
#include <QList>
#include <QMouseEvent>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "ui/control.h"

namespace ui {
class Application;
}

namespace ui::qt {

// The character a key press types for the game; none for a release, or for the keys that only
// move the focus or the cursor (Tab, the arrows, Shift and the like).
std::optional<int> typed(const QKeyEvent* key);

// What a window view does for the binders of its controls: it reaches the game, and it handles
// the window's share of the player's input.
class BinderHost {
public:
    virtual ui::Application& app() const = 0;
    // The model is going: nothing more is forwarded.
    virtual bool detached() const = 0;
    // Runs one forwarded event; a fault in a handler is reported, never let through Qt.
    virtual void guarded(const std::function<void()>& forward) = 0;
    // A mouse button pressed or let go on a control (null: on the window itself), and the click
    // of a left button let go over the control it was pressed on.
    virtual bool forwardMouse(ui::Control* control, QWidget* widget, QMouseEvent* event) = 0;
    // A typed character for a control (null: for the window); true when the widget must not
    // see the key any more.
    virtual bool forwardKey(ui::Control* control, int code) = 0;

    // Set while a view shows the model's changes: what its widgets signal then is not the
    // player's doing.
    bool syncing = false;

protected:
    ~BinderHost() = default;
};

// One control on screen: the binder makes the control's widget, gives the game what the player
// edits or chooses there, shows the control's properties and handles the player's input on it.
// There is a binder for each kind of control (see makeBinder).
class Binder : public QObject {
public:
    ui::Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

    // The objects whose input is the control's: the widget and the parts that take its input.
    virtual QList<QObject*> inputs() const;
    // Shows a property of the control.
    void sync(ui::Property property);
    // Shows all of them (a new widget).
    void syncAll();
    // What the screen shows for the control's caption or text; nullopt for controls without text.
    virtual std::optional<QString> shownText() const { return std::nullopt; }
    // Gives a screen reader what the model says of the control now (ui/spoken.h).
    virtual void showSpoken();

    // The player's mouse and keys on one of the inputs; true when the widget must not see them.
    // Unless a binder says otherwise the widget handles the mouse itself, and a typed
    // character goes to the control before the widget sees it.
    virtual bool mouse(QObject* watched, QMouseEvent* event);
    virtual bool key(QObject* watched, QKeyEvent* event);
    // The widget has lost the keyboard.
    virtual void focusLost() {}

protected:
    // Takes the widget made for the control, in the control's font.
    Binder(BinderHost& host, ui::Control& control, QWidget* widget);

    BinderHost& host() const { return host_; }
    // Shows one property; each kind adds what it shows to where, size, state and colours.
    virtual void show(ui::Property property);
    // The player typed into the control's box: the game has the new text.
    void edited(const QString& text);
    // The mouse of a control that takes clicks: the window's, as on any part of it.
    bool clickable(QObject* watched, QMouseEvent* event);

private:
    BinderHost& host_;
    ui::Control& control_;
    QWidget* widget_;
};

}  // namespace ui::qt

#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "ui/control.h"

namespace ui {

class Application;

enum class WindowProperty { Caption, Enabled, Visible };

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void windowChanged(class Window& window, WindowProperty property) = 0;
};

// A top-level window: its design-time controls are declared by the constructor of a subclass,
// so creating a window again gives its design-time state. The constructor must not touch the
// game: the scenario driver builds windows only to learn their controls.
class Window {
public:
    Window(Application& app, QString name, QString caption, int width, int height);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Application& app() const { return app_; }
    const QString& name() const { return name_; }

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // A short state shown in the title bar after the caption ("Пауза"); the caption itself,
    // which the rules read, stays as it is. Empty for none.
    const QString& titleNote() const { return titleNote_; }
    void setTitleNote(const QString& note);
    // What the title bar shows: the caption, and the note after a dash.
    QString title() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    int width() const { return width_; }
    int height() const { return height_; }
    Color backColor = colors::Black;
    Color foreColor = colors::BrightGreen;
    bool frameless = false;
    // The main window's state outlives its closing: its model is kept after the view goes.
    bool keepModelWhenClosed = false;

    // How a window stands to the others and to the keyboard. Set in a window's constructor.
    //
    // standsAlone: not tied to the window that opened it. Every other window is a dialog of its
    //   opener for the window system, which keeps it above that window. Set on the windows that
    //   outlive or replace their opener: `FrmLogin`, `Form1`, `FrmSaveEnd`.
    // escapeCloses: Esc closes the window exactly as its close box does. Off where the close
    //   box ends the program or asks the quit-time save: `FrmLogin`, `Form1`, `FrmSaveEnd`.
    //   A borderless window has no close box, so Esc never closes one.
    // defaultButton: the label button that Enter presses in a text box that has no key handler
    //   of its own (`FrmLogin`'s "Принять"; the save windows' "Сохранить"). Empty for none.
    bool standsAlone = false;
    bool escapeCloses = true;
    QString defaultButton;

    // The window whose event opened this one, kept up to date by the application: when an
    // opener closes first, its windows pass to the opener's own opener. Null for a window that
    // stands alone or was opened by no window.
    Window* opener() const { return opener_; }
    void setOpener(Window* opener) { opener_ = opener; }
    // Whether Esc closes it (see escapeCloses).
    bool closesOnEscape() const { return escapeCloses && !frameless; }

    Control& add(const QString& name, ControlKind kind, Rect geometry, Control* parent = nullptr);
    Control& addLabel(const QString& name, const QString& caption, Rect geometry,
                      Control* parent = nullptr);
    // A label that works as a button, with the pressed look.
    Control& addButton(const QString& name, const QString& caption, Rect geometry,
                       Control* parent = nullptr);
    Control& addFrame(const QString& name, const QString& caption, Rect geometry);
    Control& addList(const QString& name, const QStringList& items, Rect geometry,
                     Control* parent = nullptr);
    Control& addTimer(const QString& name, int interval, bool enabled);
    Control& addMenu(const QString& name, const QString& caption, Control* parent = nullptr);

    Control& control(const QString& name) const;  // throws std::out_of_range if unknown
    Control* find(const QString& name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    bool hasMenu() const;

    // Events of the window's own surface (About windows close on any press).
    std::function<void()> onClick;
    std::function<void(MouseButton)> onMouseDown;
    std::function<void(int)> onKeyPress;

    // Life cycle, run by the application: Load after creation, QueryUnload and Unload on close.
    virtual void load() {}
    virtual void queryUnload() {}
    virtual void unload() {}
    // After every event the application handles while the window is open: a window that shows
    // what follows from the game state (a warning, a hint) brings it up to date here. It must
    // not ask, tell or change the game.
    virtual void afterEvent() {}

    void setObserver(WindowObserver* observer) { observer_ = observer; }

    // Called by a timer control when its enabled state or interval changes.
    void timerChanged(Control& timer);
    bool live() const { return live_; }
    void setLive(bool live) { live_ = live; }

private:
    void changed(WindowProperty property);

    Application& app_;
    QString name_;
    QString caption_;
    QString titleNote_;
    Window* opener_ = nullptr;
    int width_;
    int height_;
    bool enabled_ = true;
    bool visible_ = false;
    bool live_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    WindowObserver* observer_ = nullptr;
};

}  // namespace ui

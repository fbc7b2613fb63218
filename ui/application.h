#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "ui/control.h"
#include "ui/scheduler.h"
#include "ui/services.h"
#include "ui/window.h"

namespace ui {

// Thrown by endProgram and caught at the event boundary: no handler code runs after it.
struct ProgramEnded {};

// What keeps a player from a window or a control. The checks run in this order, and the first
// that holds is the one told.
struct Obstacle {
    enum Kind {
        ProgramOver,     // the program has ended
        WindowClosed,    // the window is no longer open
        MessageBoxOpen,  // a message box waits for an answer
        WindowHidden,
        WindowDisabled,
        ControlHidden,    // the control, or a container it lies in (`control`), is hidden
        ControlDisabled,  // ... or disabled
    };
    Kind kind;
    const Control* control = nullptr;
};

class AppObserver {
public:
    virtual ~AppObserver() = default;
    virtual void windowOpened(Window& window) = 0;
    virtual void windowClosed(Window& window) = 0;
    virtual void modalStarted() {}
    virtual void modalEnded() {}
    virtual void programEnded() {}
};

// Creates, shows and closes windows, dispatches the player's events to their handlers and
// gives the rules their services. One application is one game: tests build as many as they like.
class Application {
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    explicit Application(Services& services);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Services& services() const { return services_; }
    Scheduler& scheduler() { return scheduler_; }
    void setObserver(AppObserver* observer) { observer_ = observer; }

    // Window catalogue: every window the game can show, by name.
    void registerWindow(const QString& name, Factory factory);
    bool knowsWindow(const QString& name) const;
    QStringList windowNames() const;
    // A fresh window with its design-time controls that is never shown (for inspection).
    std::unique_ptr<Window> blueprint(const QString& name) const;

    // Shows the window, creating it (and running its Load) if it does not exist yet.
    Window& show(const QString& name);
    template <class W>
    W& show(const QString& name) {
        return static_cast<W&>(show(name));
    }
    // The open window of that name, or null.
    Window* find(const QString& name) const;
    // A window's model even after it closed, if it keeps it (the main window).
    Window* model(const QString& name) const;
    std::vector<Window*> openWindows() const;

    // Runs QueryUnload and Unload, hides the window and destroys it once the current event has
    // been handled, so a handler may close its own window. Ends the program when no window is left.
    void close(Window& window);

    // Whether a player could act on a window or a control now, and if not, why. Every event
    // from the player below is refused exactly when this names an obstacle; the scenario driver
    // and the computer player ask it before they act.
    std::optional<Obstacle> obstacle(const Window& window) const;
    std::optional<Obstacle> obstacle(const Control& control) const;
    bool canReach(const Window& window) const { return !obstacle(window); }
    bool canReach(const Control& control) const { return !obstacle(control); }

    // Events from the player. Each is an event boundary; false when the target could not be
    // reached by a player (see obstacle).
    bool click(Control& control);
    bool mouseDown(Control& control, MouseButton button);
    bool mouseUp(Control& control, MouseButton button);
    bool keyPress(Control& control, int code);
    bool select(Control& control, int row);            // a click on a row of a list
    bool edit(Control& control, const QString& text);  // typing into a text or combo box
    // A label button pressed as a whole, mouse down, up and click in one event, as Space and
    // Enter press it (a screen reader's "Press").
    bool press(Control& button);
    bool clickWindow(Window& window);
    bool mouseDownWindow(Window& window, MouseButton button);
    bool keyPressWindow(Window& window, int code);
    bool requestClose(Window& window);  // the close box
    // Runs any code as one event (used for the start of the program). `source` is the window
    // the event belongs to; a nested event without one stays with the outer event's window.
    void dispatch(const std::function<void()>& handler, Window* source = nullptr);
    // The window whose event is being handled (it may be closing), or null outside events.
    // A window shown now is tied to it; a message box asked now belongs to it.
    Window* eventWindow() const { return source_; }

    // Message boxes; the clock stands still while one is open.
    Answer message(const QString& text, MessageKind kind,
                   const std::optional<QString>& title = std::nullopt);
    void info(const QString& text) { message(text, MessageKind::Information); }
    void exclamation(const QString& text) { message(text, MessageKind::Exclamation); }
    void critical(const QString& text) { message(text, MessageKind::Critical); }
    bool ask(const QString& text) { return message(text, MessageKind::Question) == Answer::Yes; }
    void beep(int times = 1);
    double random() { return services_.random(); }

    // Ends the program at once: no question, nothing saved, no handler code after it.
    [[noreturn]] void endProgram();
    bool ended() const { return ended_; }
    bool modal() const { return modalDepth_ > 0; }

protected:
    // Runs once after every event the application handles (a click, a key, a tick of a timer,
    // the start of the program), when the outermost handler is done and the program goes on,
    // so that whatever rule changed the state, what the screen tells of it is brought up to
    // date. This one lets each open window do so (Window::afterEvent).
    virtual void eventHandled();

private:
    // The keys a window answers itself after the control's own handler: Esc closes it, Enter in
    // a text box presses its default button, Space and Enter press a focused label button.
    void windowKeys(Window& window, Control* control, int code);
    // A left click on a label button, press and release included, inside the current event.
    void pressButton(Control& button);
    // Takes an open window off the screen and the clock and out of the open windows.
    void retire(Window& window);
    void tick(Control& timer);
    void finish();
    void collectGarbage();

    Services& services_;
    Scheduler scheduler_;
    AppObserver* observer_ = nullptr;
    std::map<QString, Factory> factories_;
    std::vector<std::unique_ptr<Window>> open_;
    std::vector<std::unique_ptr<Window>> kept_;
    std::vector<std::unique_ptr<Window>> closing_;
    Window* source_ = nullptr;
    int dispatchDepth_ = 0;
    int modalDepth_ = 0;
    bool ended_ = false;
};

}  // namespace ui

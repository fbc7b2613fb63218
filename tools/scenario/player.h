#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/scripted_services.h"
#include "ui/window.h"

namespace scenario {

// A step that did not go as the scenario says: "expected <expected>, got <got>".
struct Problem {
    QString expected;
    QString got;
};

using Outcome = std::optional<Problem>;  // nullopt: done

// Whether a window is still open after an event: a handler may close it, and once the event is
// over the window and its controls are gone, so they must not be touched again.
class WindowWatch {
public:
    WindowWatch(const ui::Application& app, const ui::Window& window)
        : app_(app), window_(&window), name_(window.name()) {}
    bool open() const { return app_.find(name_) == window_; }

private:
    const ui::Application& app_;
    const ui::Window* window_;
    QString name_;
};

// How the player's input reaches the game: straight to the window models, or through the real
// Qt widgets. The runner has already checked that a player could reach the target.
class Player {
public:
    virtual ~Player() = default;

    virtual void start() = 0;
    virtual Outcome click(ui::Control& control) = 0;
    virtual Outcome mouseDown(ui::Control& control, ui::MouseButton button) = 0;
    virtual Outcome mouseUp(ui::Control& control, ui::MouseButton button) = 0;
    virtual Outcome select(ui::Control& control, int row) = 0;
    virtual Outcome type(ui::Control& control, const QString& text) = 0;
    virtual Outcome key(ui::Control& control, int code) = 0;
    virtual Outcome menu(ui::Control& item) = 0;
    virtual Outcome close(ui::Window& window) = 0;
    virtual Outcome clickWindow(ui::Window& window) = 0;
    // Empty when the picture was saved; otherwise why not (or a note when pictures are not taken).
    virtual Outcome shot(ui::Window& window, const QString& file) = 0;
    // A picture of a window with one of its menus open.
    virtual Outcome shotMenu(ui::Control& menu, const QString& file) = 0;
    // A picture of the next message box not yet promised one, as it is shown; a problem with
    // it comes with the box.
    virtual void shotNextMessage(const QString& file) = 0;
    virtual bool takesPictures() const = 0;

    // What the screen shows for a control's caption or text, if there is a screen.
    virtual std::optional<QString> shownText(const ui::Control&) const { return std::nullopt; }
    // What the screen shows as a window's caption (its title bar), if there is a screen.
    virtual std::optional<QString> shownTitle(const ui::Window&) const { return std::nullopt; }
    // A message box is being shown with this answer; whatever the screen showed wrong.
    virtual std::vector<Problem> messageShown(const ui::ServiceEvent&) { return {}; }
    // Lets the screen catch up after a step.
    virtual void settle() {}
    // Faults the screen caught in the game's handlers since the last call (the headless player
    // has none: there a fault reaches the runner directly).
    virtual std::vector<Problem> takeFaults() { return {}; }
};

}  // namespace scenario

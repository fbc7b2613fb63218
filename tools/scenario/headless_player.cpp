#include "tools/scenario/headless_player.h"

#include "game/game.h"

namespace scenario {

namespace {

// The application turned the event away although the control looked reachable.
Outcome taken(bool delivered, const QString& what) {
    if (delivered) {
        return std::nullopt;
    }
    return Problem{what + QStringLiteral(" to take the event"),
                   QStringLiteral("the game refused it")};
}

QString nameOf(const ui::Control& c) {
    return c.window().name() + u'.' + c.name();
}

}  // namespace

void HeadlessPlayer::start() {
    game_.start();
}

Outcome HeadlessPlayer::click(ui::Control& control) {
    const WindowWatch watch(game_, control.window());
    if (!game_.mouseDown(control, ui::MouseButton::Left)) {
        return taken(false, nameOf(control));
    }
    // The press may already have closed the window (an About window does): then there is
    // nothing left to release or click, as on screen.
    if (watch.open()) {
        game_.mouseUp(control, ui::MouseButton::Left);
    }
    if (watch.open()) {
        game_.click(control);
    }
    return std::nullopt;
}

Outcome HeadlessPlayer::mouseDown(ui::Control& control, ui::MouseButton button) {
    return taken(game_.mouseDown(control, button), nameOf(control));
}

Outcome HeadlessPlayer::mouseUp(ui::Control& control, ui::MouseButton button) {
    return taken(game_.mouseUp(control, button), nameOf(control));
}

Outcome HeadlessPlayer::select(ui::Control& control, int row) {
    return taken(game_.select(control, row), nameOf(control));
}

Outcome HeadlessPlayer::type(ui::Control& control, const QString& text) {
    return taken(game_.edit(control, text), nameOf(control));
}

Outcome HeadlessPlayer::key(ui::Control& control, int code) {
    return taken(game_.keyPress(control, code), nameOf(control));
}

Outcome HeadlessPlayer::menu(ui::Control& item) {
    return taken(game_.click(item), nameOf(item));
}

Outcome HeadlessPlayer::close(ui::Window& window) {
    return taken(game_.requestClose(window), window.name());
}

Outcome HeadlessPlayer::clickWindow(ui::Window& window) {
    return taken(game_.clickWindow(window), window.name());
}

Outcome HeadlessPlayer::shot(ui::Window&, const QString&) {
    return std::nullopt;
}

}  // namespace scenario

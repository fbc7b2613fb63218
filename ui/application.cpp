#include "ui/application.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

namespace {

// Keeps the modal count right whichever way a message box call is left.
class ModalScope {
public:
    ModalScope(int& depth, AppObserver* observer) : depth_(depth), observer_(observer) {
        ++depth_;
        if (observer_ != nullptr) {
            observer_->modalStarted();
        }
    }
    ~ModalScope() {
        --depth_;
        if (observer_ != nullptr) {
            observer_->modalEnded();
        }
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    int& depth_;
    AppObserver* observer_;
};

constexpr int EnterKey = 13;
constexpr int EscapeKey = 27;
constexpr int SpaceKey = 32;

// The nearest window up the chain of openers that is still open.
Window* liveOpener(Window* window) {
    while (window != nullptr && !window->live()) {
        window = window->opener();
    }
    return window;
}

bool isList(const Control& c) {
    return c.kind() == ControlKind::ListBox || c.kind() == ControlKind::FileList ||
           c.kind() == ControlKind::ComboBox;
}

}  // namespace

Application::Application(Services& services) : services_(services) {
    scheduler_.setDeliver([this](Control& timer) { tick(timer); });
    scheduler_.setHeld([this] { return modalDepth_ > 0 || ended_; });
}

Application::~Application() = default;

void Application::registerWindow(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

bool Application::knowsWindow(const QString& name) const {
    return factories_.count(name) > 0;
}

QStringList Application::windowNames() const {
    QStringList names;
    for (const auto& [name, factory] : factories_) {
        names.append(name);
    }
    return names;
}

std::unique_ptr<Window> Application::blueprint(const QString& name) const {
    auto it = factories_.find(name);
    if (it == factories_.end()) {
        throw std::out_of_range("unknown window " + name.toStdString());
    }
    return it->second();
}

Window* Application::find(const QString& name) const {
    for (const auto& w : open_) {
        if (w->name() == name) {
            return w.get();
        }
    }
    return nullptr;
}

Window* Application::model(const QString& name) const {
    if (Window* w = find(name)) {
        return w;
    }
    for (const auto& w : kept_) {
        if (w->name() == name) {
            return w.get();
        }
    }
    return nullptr;
}

std::vector<Window*> Application::openWindows() const {
    std::vector<Window*> windows;
    for (const auto& w : open_) {
        windows.push_back(w.get());
    }
    return windows;
}

Window& Application::show(const QString& name) {
    if (ended_) {
        throw ProgramEnded{};
    }
    if (Window* w = find(name)) {
        w->setVisible(true);
        return *w;
    }
    open_.push_back(blueprint(name));
    Window& window = *open_.back();
    // A window closing as it opens another (the software store opening the language store)
    // hands it on to its own opener.
    window.setOpener(window.standsAlone ? nullptr : liveOpener(source_));
    window.setLive(true);
    for (const auto& c : window.controls()) {
        if (c->kind() == ControlKind::Timer) {
            scheduler_.update(*c);
        }
    }
    if (observer_ != nullptr) {
        observer_->windowOpened(window);
    }
    // Load runs before the window appears, so its messages come first.
    window.load();
    if (window.live()) {
        window.setVisible(true);
    }
    return window;
}

void Application::close(Window& window) {
    if (find(window.name()) != &window || !window.live()) {
        return;
    }
    // Not live from here on: a close requested again from its own handlers is ignored.
    window.setLive(false);
    window.queryUnload();
    window.unload();
    retire(window);
    if (dispatchDepth_ == 0) {
        collectGarbage();
    }
    if (open_.empty() && !ended_) {
        finish();  // the last window is gone
    }
}

void Application::retire(Window& window) {
    window.setLive(false);
    for (const auto& c : window.controls()) {
        if (c->kind() == ControlKind::Timer) {
            scheduler_.remove(*c);
        }
    }
    window.setVisible(false);
    // Its windows stay open (a download outlives the browser): they pass to its opener.
    for (const auto& w : open_) {
        if (w->opener() == &window) {
            w->setOpener(window.opener());
        }
    }
    auto it = std::find_if(open_.begin(), open_.end(),
                           [&window](const auto& w) { return w.get() == &window; });
    std::unique_ptr<Window> owned = std::move(*it);
    open_.erase(it);
    if (observer_ != nullptr) {
        observer_->windowClosed(window);
    }
    // Destroyed once the current event is over, unless its model outlives it.
    (window.keepModelWhenClosed ? kept_ : closing_).push_back(std::move(owned));
}

void Application::collectGarbage() {
    closing_.clear();
}

void Application::dispatch(const std::function<void()>& handler, Window* source) {
    if (ended_) {
        return;
    }
    Window* const outer = source_;
    if (source != nullptr) {
        source_ = source;
    }
    ++dispatchDepth_;
    try {
        handler();
    } catch (const ProgramEnded&) {
        // The program ended inside the handler; nothing after it runs.
    } catch (...) {
        --dispatchDepth_;
        source_ = outer;
        throw;
    }
    --dispatchDepth_;
    source_ = outer;
    if (dispatchDepth_ == 0) {
        if (!ended_) {
            eventHandled();
        }
        collectGarbage();
    }
}

void Application::eventHandled() {
    for (Window* window : openWindows()) {
        window->afterEvent();
    }
}

std::optional<Obstacle> Application::obstacle(const Window& window) const {
    if (ended_) {  // first: the window may be gone with the rest
        return Obstacle{Obstacle::ProgramOver};
    }
    if (!window.live()) {
        return Obstacle{Obstacle::WindowClosed};
    }
    if (modalDepth_ > 0) {
        return Obstacle{Obstacle::MessageBoxOpen};
    }
    if (!window.visible()) {
        return Obstacle{Obstacle::WindowHidden};
    }
    if (!window.enabled()) {
        return Obstacle{Obstacle::WindowDisabled};
    }
    return std::nullopt;
}

std::optional<Obstacle> Application::obstacle(const Control& control) const {
    // Once the program is over its windows are gone: nothing of the control may be read.
    if (ended_) {
        return Obstacle{Obstacle::ProgramOver};
    }
    if (auto inWindow = obstacle(control.window())) {
        return inWindow;
    }
    if (const Control* blocker = control.blocker()) {
        return Obstacle{blocker->visible() ? Obstacle::ControlDisabled : Obstacle::ControlHidden,
                        blocker};
    }
    return std::nullopt;
}

bool Application::click(Control& control) {
    if (!canReach(control)) {
        return false;
    }
    dispatch(
        [&control] {
            if (control.onClick) {
                control.onClick();
            }
        },
        &control.window());
    return true;
}

bool Application::mouseDown(Control& control, MouseButton button) {
    if (!canReach(control)) {
        return false;
    }
    dispatch(
        [&control, button] {
            if (control.onMouseDown) {
                control.onMouseDown(button);
            }
        },
        &control.window());
    return true;
}

bool Application::mouseUp(Control& control, MouseButton button) {
    if (!canReach(control)) {
        return false;
    }
    dispatch(
        [&control, button] {
            if (control.onMouseUp) {
                control.onMouseUp(button);
            }
        },
        &control.window());
    return true;
}

bool Application::keyPress(Control& control, int code) {
    if (!canReach(control)) {
        return false;
    }
    dispatch(
        [this, &control, code] {
            if (control.onKeyPress) {
                control.onKeyPress(code);
            }
            windowKeys(control.window(), &control, code);
        },
        &control.window());
    return true;
}

void Application::windowKeys(Window& window, Control* control, int code) {
    if (!window.live() || (control != nullptr && control->onKeyPress && code != EscapeKey)) {
        return;  // the control's own handler had the key
    }
    if (code == EscapeKey) {
        // As the close box: a disabled window ignores it.
        if (window.closesOnEscape() && window.enabled()) {
            close(window);
        }
        return;
    }
    if (control == nullptr) {
        return;
    }
    if (control->labelButton && (code == EnterKey || code == SpaceKey)) {
        pressButton(*control);
    } else if (code == EnterKey && control->kind() == ControlKind::TextBox && !control->multiLine &&
               !window.defaultButton.isEmpty()) {
        if (Control* button = window.find(window.defaultButton)) {
            pressButton(*button);
        }
    }
}

void Application::pressButton(Control& button) {
    Window& window = button.window();
    if (!button.reachable()) {
        return;
    }
    if (button.onMouseDown) {
        button.onMouseDown(MouseButton::Left);
    }
    if (window.live() && button.onMouseUp) {
        button.onMouseUp(MouseButton::Left);
    }
    if (window.live() && button.reachable() && button.onClick) {
        button.onClick();
    }
}

bool Application::press(Control& button) {
    if (!canReach(button) || !button.labelButton) {
        return false;
    }
    dispatch([this, &button] { pressButton(button); }, &button.window());
    return true;
}

bool Application::select(Control& control, int row) {
    if (!canReach(control) || !isList(control) || row < 0 || row >= control.items().size()) {
        return false;
    }
    dispatch(
        [&control, row] {
            control.setListIndex(row);
            if (control.kind() == ControlKind::ComboBox) {
                control.setText(control.item(row));
            }
            if (control.onClick) {
                control.onClick();
            }
        },
        &control.window());
    return true;
}

bool Application::edit(Control& control, const QString& text) {
    if (!canReach(control) ||
        (control.kind() != ControlKind::TextBox && control.kind() != ControlKind::ComboBox) ||
        control.readOnly) {
        return false;
    }
    control.setText(text);
    return true;
}

bool Application::clickWindow(Window& window) {
    if (!canReach(window)) {
        return false;
    }
    dispatch(
        [&window] {
            if (window.onMouseDown) {
                window.onMouseDown(MouseButton::Left);
            }
            if (window.live() && window.onClick) {
                window.onClick();
            }
        },
        &window);
    return true;
}

bool Application::mouseDownWindow(Window& window, MouseButton button) {
    if (!canReach(window)) {
        return false;
    }
    dispatch(
        [&window, button] {
            if (window.onMouseDown) {
                window.onMouseDown(button);
            }
        },
        &window);
    return true;
}

bool Application::keyPressWindow(Window& window, int code) {
    if (!canReach(window)) {
        return false;
    }
    dispatch(
        [this, &window, code] {
            if (window.onKeyPress) {
                window.onKeyPress(code);
            }
            windowKeys(window, nullptr, code);
        },
        &window);
    return true;
}

bool Application::requestClose(Window& window) {
    if (!canReach(window)) {
        return false;
    }
    dispatch([this, &window] { close(window); }, &window);
    return true;
}

void Application::tick(Control& timer) {
    if (ended_ || !timer.window().live() || !timer.enabled()) {
        return;
    }
    dispatch(
        [&timer] {
            if (timer.onTick) {
                timer.onTick();
            }
        },
        &timer.window());
}

Answer Application::message(const QString& text, MessageKind kind,
                            const std::optional<QString>& title) {
    if (ended_) {
        throw ProgramEnded{};
    }
    ModalScope scope(modalDepth_, observer_);
    return services_.messageBox(text, kind, title.value_or(defaultTitle()));
}

void Application::beep(int times) {
    for (int i = 0; i < times; ++i) {
        services_.beep();
    }
}

void Application::endProgram() {
    if (!ended_) {
        finish();
    }
    throw ProgramEnded{};
}

void Application::finish() {
    ended_ = true;
    while (!open_.empty()) {
        retire(*open_.back());
    }
    if (dispatchDepth_ == 0) {
        collectGarbage();
    }
    services_.programEnded();
    if (observer_ != nullptr) {
        observer_->programEnded();
    }
}

}  // namespace ui

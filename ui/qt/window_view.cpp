#include "ui/qt/window_view.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>
#include <cstdio>
#include <exception>
#include <utility>

#include "ui/application.h"
#include "ui/button_look.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/binders.h"
#include "ui/qt/colors.h"
#include "ui/qt/menu_binder.h"
#include "ui/qt/placement.h"
#include "ui/qt/title_fit.h"
#include "ui/qt/widgets.h"
#include "ui/spoken.h"

namespace ui::qt {

namespace {

std::optional<ui::MouseButton> fromQt(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        return ui::MouseButton::Left;
    }
    if (button == Qt::RightButton) {
        return ui::MouseButton::Right;
    }
    return std::nullopt;
}

bool isMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

}  // namespace

WindowView::WindowView(ui::Window& model, QWidget* owner)
    : QWidget(owner, flagsFor(model, owner)), model_(model) {
    installAccessibility();
    setAttribute(Qt::WA_DeleteOnClose, false);
    build();
    model_.setObserver(this);
}

Qt::WindowFlags WindowView::flagsFor(const ui::Window& model, QWidget* owner) {
    Qt::WindowFlags flags = owner != nullptr ? Qt::Dialog : Qt::Window;
    if (model.frameless) {
        flags |= Qt::FramelessWindowHint;
    }
    return flags;
}

void WindowView::tieTo(QWidget* owner) {
    if (owner == parentWidget()) {
        return;
    }
    const bool shown = isVisible();
    const QPoint at = pos();
    setParent(owner, flagsFor(model_, owner));
    move(at);
    if (shown) {
        show();
    }
}

WindowView* WindowView::frontDialog() const {
    WindowView* front = nullptr;
    for (const WindowView* v = this; v != nullptr;) {
        const WindowView* next = nullptr;
        for (WindowView* dialog : v->findChildren<WindowView*>(Qt::FindDirectChildrenOnly)) {
            if (dialog->isVisible() && !dialog->detached_) {
                next = front = dialog;
            }
        }
        v = next;
    }
    return front;
}

void WindowView::showFrontDialog() {
    if (WindowView* dialog = frontDialog()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void WindowView::syncTitle() {
    setWindowTitle(model_.title());
}

WindowView::~WindowView() {
    if (!detached_) {
        model_.setObserver(nullptr);
        for (const auto& c : model_.controls()) {
            c->setObserver(nullptr);
        }
    }
    // Hiding takes the keyboard focus away, and an editable combo box answers that with a
    // signal: it must come while this view still exists, and go nowhere.
    detached_ = true;
    hide();
}

void WindowView::build() {
    syncTitle();
    setFont(gameFont());
    applyColors(this, model_.foreColor, model_.backColor);
    // The keyboard goes to the controls; the window itself is no stop for Tab.
    setFocusPolicy(Qt::NoFocus);
    installEventFilter(this);

    int top = 0;
    if (model_.hasMenu()) {
        menu_ = std::make_unique<MenuBinder>(static_cast<BinderHost&>(*this), model_, this);
        top = menu_->bar()->sizeHint().height();
        menu_->bar()->installEventFilter(this);
    }
    surface_ = new QWidget(this);
    applyColors(surface_, model_.foreColor, model_.backColor);
    surface_->installEventFilter(this);
    layOut(top);

    for (const auto& c : model_.controls()) {
        QWidget* parent = surface_;
        if (auto it = binders_.find(c->parent()); it != binders_.end()) {
            parent = it->second->widget();
        }
        std::unique_ptr<Binder> binder = makeBinder(*this, *c, parent);
        if (!binder) {
            continue;
        }
        for (QObject* input : binder->inputs()) {
            inputs_[input] = binder.get();
            input->installEventFilter(this);
        }
        binder->syncAll();
        showPressable(*binder);
        binders_[c.get()] = std::move(binder);
        c->setObserver(this);
    }
}

void WindowView::layOut(int menuHeight) {
    // A narrow window is widened until the window manager can show its whole title; the
    // controls keep their places in the middle.
    const int width = model_.frameless
                          ? model_.width()
                          : std::max(model_.width(), widthForTitle(model_.title(), font()));
    if (auto* bar = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        bar->setGeometry(0, 0, width, menuHeight);
    }
    surface_->setGeometry((width - model_.width()) / 2, menuHeight, model_.width(),
                          model_.height());
    setFixedSize(width, model_.height() + menuHeight);
}

void WindowView::controlChanged(ui::Control& control, ui::Property property) {
    if (detached_) {
        return;
    }
    if (auto it = binders_.find(&control); it != binders_.end()) {
        it->second->sync(property);
        showPressable(*it->second);
    }
    // What a screen reader hears follows the text, and the texts beside it ("Деньги: 200").
    if (property == ui::Property::Caption || property == ui::Property::Warning ||
        property == ui::Property::Items) {
        for (const auto& [c, binder] : binders_) {
            if (c == &control || ui::speaksOf(*c, control)) {
                binder->showSpoken();
            }
        }
    }
}

void WindowView::showPressable(const Binder& binder) const {
    auto* label =
        binder.control().labelButton ? qobject_cast<LabelWidget*>(binder.widget()) : nullptr;
    if (label != nullptr) {
        label->setPressable(!model_.app().obstacle(binder.control()));
        label->setHeld(ui::showsPressed(binder.control()));
    }
}

void WindowView::windowChanged(ui::Window& window, ui::WindowProperty property) {
    if (detached_) {
        return;
    }
    switch (property) {
        case ui::WindowProperty::Caption:
            syncTitle();
            break;
        case ui::WindowProperty::Visible:
            if (!window.visible()) {
                hide();
                break;
            }
            // A window shown again comes to the front where it was; a new one opens over its
            // owner and is mapped in front anyway.
            if (std::exchange(shownBefore_, true)) {
                raise();
            } else {
                placeOverOwner(this);
            }
            show();
            activateWindow();
            break;
        case ui::WindowProperty::Enabled:
            // A disabled window ignores the player (see eventFilter) but keeps its look.
            break;
    }
    if (property != ui::WindowProperty::Caption) {
        for (const auto& entry : binders_) {
            showPressable(*entry.second);
        }
    }
}

Binder* WindowView::binderOf(const QString& controlName) const {
    for (const auto& [control, binder] : binders_) {
        if (control->name() == controlName) {
            return binder.get();
        }
    }
    return nullptr;
}

QWidget* WindowView::widget(const QString& controlName) const {
    const Binder* binder = binderOf(controlName);
    return binder != nullptr ? binder->widget() : nullptr;
}

QAction* WindowView::action(const QString& menuName) const {
    return menu_ ? menu_->action(menuName) : nullptr;
}

std::optional<QString> WindowView::shownText(const QString& controlName) const {
    if (const Binder* binder = binderOf(controlName)) {
        return binder->shownText();
    }
    return menu_ ? menu_->shownText(controlName) : std::nullopt;
}

void WindowView::closeEvent(QCloseEvent* event) {
    // The model decides: a close box runs the window's close handlers, and the model then
    // takes the view away. The close box of a window under a dialog shows the dialog.
    event->ignore();
    if (detached_) {
        return;
    }
    if (!model_.enabled()) {
        showFrontDialog();
        return;
    }
    guarded([this] { model_.app().requestClose(model_); });
}

void WindowView::guarded(const std::function<void()>& forward) {
    try {
        forward();
    } catch (const std::exception& e) {
        if (onFault) {
            onFault(QString::fromUtf8(e.what()));
        } else {
            std::fprintf(stderr, "tarnvik2: an event could not be handled: %s\n", e.what());
        }
    }
}

ui::Application& WindowView::app() const {
    return model_.app();
}

bool WindowView::forwardMouse(ui::Control* control, QWidget* widget, QMouseEvent* mouse) {
    const auto button = fromQt(mouse->button());
    if (!button) {
        return true;
    }
    ui::Application& app = model_.app();
    QPointer<WindowView> self(this);
    if (mouse->type() == QEvent::MouseButtonPress || mouse->type() == QEvent::MouseButtonDblClick) {
        pressedInside_ = true;
        guarded([&] {
            control != nullptr ? app.mouseDown(*control, *button)
                               : app.mouseDownWindow(model_, *button);
        });
        return true;
    }
    // Release: mouse up, then a click when the left button is let go over the control.
    const bool inside = widget->rect().contains(mouse->position().toPoint());
    if (control != nullptr) {
        guarded([&] { app.mouseUp(*control, *button); });
        if (self && !detached_ && pressedInside_ && inside && *button == ui::MouseButton::Left) {
            guarded([&] { app.click(*control); });
        }
    }
    if (self) {
        pressedInside_ = false;
    }
    return true;
}

bool WindowView::forwardKey(ui::Control* control, int code) {
    QPointer<WindowView> self(this);
    guarded([&] {
        control != nullptr ? model_.app().keyPress(*control, code)
                           : model_.app().keyPressWindow(model_, code);
    });
    // The key still edits the box unless its window went away.
    return !self || detached_;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease;
    const bool input = isMouse(type) || key || type == QEvent::Wheel;
    Binder* binder = nullptr;
    if (auto it = inputs_.find(watched); it != inputs_.end()) {
        binder = it->second;
    }
    if (type == QEvent::FocusOut && binder != nullptr) {
        binder->focusLost();
    }
    if (type == QEvent::Enter && binder != nullptr && !detached_) {
        showPressable(*binder);
    }
    if (!input) {
        return QWidget::eventFilter(watched, event);
    }
    // Input the player cannot give this window now (it is closed, a message box waits, the
    // program is over) goes nowhere; a window disabled under a dialog sends the player there.
    if (detached_) {
        return true;
    }
    if (const auto obstacle = model_.app().obstacle(model_)) {
        if (obstacle->kind == ui::Obstacle::WindowDisabled &&
            (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)) {
            showFrontDialog();
        }
        return true;
    }
    if (binder != nullptr && isMouse(type)) {
        return binder->mouse(watched, static_cast<QMouseEvent*>(event));
    }
    if (binder != nullptr && key) {
        return binder->key(watched, static_cast<QKeyEvent*>(event));
    }
    // The window's own: a click on its surface, and keys with no control focused.
    if (isMouse(type) && watched == surface_) {
        return forwardMouse(nullptr, surface_, static_cast<QMouseEvent*>(event));
    }
    if (key && (watched == this || watched == surface_)) {
        if (const auto code = typed(static_cast<QKeyEvent*>(event))) {
            forwardKey(nullptr, *code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui::qt

#include "ui/window.h"

#include <stdexcept>

#include "ui/application.h"
#include "ui/button_look.h"

namespace ui {

Window::Window(Application& app, QString name, QString caption, int width, int height)
    : app_(app),
      name_(std::move(name)),
      caption_(std::move(caption)),
      width_(width),
      height_(height) {}

Window::~Window() = default;

void Window::changed(WindowProperty property) {
    if (observer_ != nullptr) {
        observer_->windowChanged(*this, property);
    }
}

void Window::setCaption(const QString& caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = caption;
    changed(WindowProperty::Caption);
}

void Window::setTitleNote(const QString& note) {
    if (titleNote_ == note) {
        return;
    }
    titleNote_ = note;
    changed(WindowProperty::Caption);
}

QString Window::title() const {
    return titleNote_.isEmpty() ? caption_ : caption_ + QStringLiteral(" — ") + titleNote_;
}

void Window::setEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    changed(WindowProperty::Enabled);
}

void Window::setVisible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    visible_ = visible;
    changed(WindowProperty::Visible);
}

Control& Window::add(const QString& name, ControlKind kind, Rect geometry, Control* parent) {
    if (find(name) != nullptr) {
        throw std::logic_error("duplicate control " + name.toStdString());
    }
    controls_.push_back(std::make_unique<Control>(*this, name, kind, geometry, parent));
    return *controls_.back();
}

Control& Window::addLabel(const QString& name, const QString& caption, Rect geometry,
                          Control* parent) {
    Control& label = add(name, ControlKind::Label, geometry, parent);
    label.setCaption(caption);
    return label;
}

Control& Window::addButton(const QString& name, const QString& caption, Rect geometry,
                           Control* parent) {
    Control& button = addLabel(name, caption, geometry, parent);
    button.align = Align::Center;
    giveButtonLook(button);
    return button;
}

Control& Window::addFrame(const QString& name, const QString& caption, Rect geometry) {
    Control& frame = add(name, ControlKind::Frame, geometry);
    frame.setCaption(caption);
    return frame;
}

Control& Window::addList(const QString& name, const QStringList& items, Rect geometry,
                         Control* parent) {
    Control& list = add(name, ControlKind::ListBox, geometry, parent);
    list.setItems(items);
    return list;
}

Control& Window::addTimer(const QString& name, int interval, bool enabled) {
    Control& timer = add(name, ControlKind::Timer, {});
    timer.setInterval(interval);
    timer.setEnabled(enabled);
    return timer;
}

Control& Window::addMenu(const QString& name, const QString& caption, Control* parent) {
    Control& menu = add(name, ControlKind::MenuItem, {}, parent);
    menu.setCaption(caption);
    return menu;
}

Control& Window::control(const QString& name) const {
    Control* c = find(name);
    if (c == nullptr) {
        throw std::out_of_range("no control " + name.toStdString() + " on " + name_.toStdString());
    }
    return *c;
}

Control* Window::find(const QString& name) const {
    for (const auto& c : controls_) {
        if (c->name() == name) {
            return c.get();
        }
    }
    return nullptr;
}

bool Window::hasMenu() const {
    for (const auto& c : controls_) {
        if (c->kind() == ControlKind::MenuItem) {
            return true;
        }
    }
    return false;
}

void Window::timerChanged(Control& timer) {
    if (live_) {
        app_.scheduler().update(timer);
    }
}

}  // namespace ui

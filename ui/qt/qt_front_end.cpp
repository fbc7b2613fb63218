#include "ui/qt/qt_front_end.h"

#include <QApplication>
#include <QPointer>
#include <vector>

#include "ui/qt/colors.h"
#include "ui/qt/window_view.h"

namespace ui::qt {

QtFrontEnd::QtFrontEnd(ui::Application& app) : app_(app) {
    // Every widget, message boxes included, starts in the game's font: no second face is
    // looked up and loaded on the way to the first window.
    QApplication::setFont(gameFont());
    giveMenusTheGameLook();
}

QtFrontEnd::~QtFrontEnd() {
    // A dialog goes with its owner's view; the rest are deleted here.
    std::vector<QPointer<WindowView>> views;
    for (auto& [model, view] : views_) {
        model->setObserver(nullptr);
        for (const auto& c : model->controls()) {
            c->setObserver(nullptr);
        }
        view->detach();
        views.emplace_back(view);
    }
    for (const QPointer<WindowView>& view : views) {
        delete view.data();
    }
}

WindowView* QtFrontEnd::viewOf(const ui::Window* window) const {
    auto it = views_.find(const_cast<ui::Window*>(window));
    return it == views_.end() ? nullptr : it->second;
}

QWidget* QtFrontEnd::dialogOwner() const {
    for (const ui::Window* w = app_.eventWindow(); w != nullptr; w = w->opener()) {
        if (WindowView* v = viewOf(w); v != nullptr && v->isVisible()) {
            return v;
        }
    }
    return nullptr;
}

WindowView* QtFrontEnd::view(const QString& windowName) const {
    for (const auto& [model, view] : views_) {
        if (model->name() == windowName && model->live()) {
            return view;
        }
    }
    return nullptr;
}

void QtFrontEnd::windowOpened(ui::Window& window) {
    auto* view = new WindowView(window, viewOf(window.opener()));
    view->onFault = faultHandler_;
    views_[&window] = view;
}

void QtFrontEnd::windowClosed(ui::Window& window) {
    auto it = views_.find(&window);
    if (it == views_.end()) {
        return;
    }
    WindowView* view = it->second;
    views_.erase(it);
    // Its dialogs stay open, now tied to their new opener: a Qt widget would go with its parent.
    for (const auto& [model, other] : views_) {
        if (other->parentWidget() == view) {
            other->tieTo(viewOf(model->opener()));
        }
    }
    // The model may outlive the view (the main window's state) or go first; either way the
    // view stops listening now and goes once the current event is over.
    window.setObserver(nullptr);
    for (const auto& c : window.controls()) {
        c->setObserver(nullptr);
    }
    view->detach();
    view->hide();
    view->deleteLater();
}

void QtFrontEnd::modalStarted() {
    if (modalListener_ != nullptr) {
        modalListener_->modalStarted();
    }
}

void QtFrontEnd::modalEnded() {
    if (modalListener_ != nullptr) {
        modalListener_->modalEnded();
    }
}

void QtFrontEnd::programEnded() {
    if (modalListener_ != nullptr) {
        modalListener_->programEnded();
    }
}

}  // namespace ui::qt

#include "ui/qt/qt_front_end.h"

#include "ui/qt/window_view.h"

namespace ui::qt {

QtFrontEnd::QtFrontEnd(ui::Application& app) : app_(app) {}

QtFrontEnd::~QtFrontEnd() {
    for (auto& [model, view] : views_) {
        model->setObserver(nullptr);
        for (const auto& c : model->controls()) {
            c->setObserver(nullptr);
        }
        delete view;
    }
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
    auto* view = new WindowView(window);
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

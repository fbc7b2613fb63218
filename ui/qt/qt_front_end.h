#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "ui/application.h"

namespace ui::qt {

class WindowView;

// Shows every open window of an application as a real Qt window and keeps it in step with
// its model; forwards the player's mouse, keys and close box to the model.
class QtFrontEnd : public QObject, public ui::AppObserver {
    Q_OBJECT
public:
    explicit QtFrontEnd(ui::Application& app);
    ~QtFrontEnd() override;

    ui::Application& app() const { return app_; }
    // The view of an open window, or null.
    WindowView* view(const QString& windowName) const;
    // The window a message box asked now belongs to: the view of the window whose event is
    // being handled, or of the nearest opener still on screen; null when there is none.
    QWidget* dialogOwner() const;

    // Told of a fault in a handler run for the player's input (see WindowView::onFault).
    void setFaultHandler(std::function<void(const QString&)> handler) {
        faultHandler_ = std::move(handler);
    }

    // Told of message boxes opening and closing (the real-time clock stands still meanwhile).
    void setModalListener(ui::AppObserver* listener) { modalListener_ = listener; }

    void windowOpened(ui::Window& window) override;
    void windowClosed(ui::Window& window) override;
    void modalStarted() override;
    void modalEnded() override;
    void programEnded() override;

private:
    WindowView* viewOf(const ui::Window* window) const;

    ui::Application& app_;
    std::map<ui::Window*, WindowView*> views_;
    ui::AppObserver* modalListener_ = nullptr;
    std::function<void(const QString&)> faultHandler_;
};

}  // namespace ui::qt

#pragma once

#include <QAction>
#include <QMenuBar>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

#include "ui/control.h"
#include "ui/window.h"

namespace ui::qt {

// One top-level Qt window showing one window model: a fixed-size surface with a widget per
// control at its design position, the menu bar if the model has menu items.
class WindowView : public QWidget, public ui::WindowObserver, public ui::ControlObserver {
    Q_OBJECT
public:
    explicit WindowView(ui::Window& model);
    ~WindowView() override;

    ui::Window& model() const { return model_; }
    // The widget that shows a control (null for timers and menu items).
    QWidget* widget(const QString& controlName) const;
    // The menu action of a menu item (null for other controls).
    QAction* action(const QString& menuName) const;
    // What the screen shows for a control's caption or text; nullopt for controls without text.
    std::optional<QString> shownText(const QString& controlName) const;
    // The client area (below the menu bar), the surface a player's clicks on the window land on.
    QWidget* surface() const { return surface_; }
    // Told of a fault in a handler the view ran (a test tool fails its step); without it the
    // fault is printed and the game goes on.
    std::function<void(const QString&)> onFault;

    // The model is going: from now on the view forwards nothing.
    void detach() { detached_ = true; }

    void windowChanged(ui::Window& window, ui::WindowProperty property) override;
    void controlChanged(ui::Control& control, ui::Property property) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* createWidget(ui::Control& control, QWidget* parent);
    void buildMenu(QMenuBar* bar);
    void sync(ui::Control& control, ui::Property property);
    void syncAll(ui::Control& control);
    void connectEditing(ui::Control& control, QWidget* widget);
    bool forwardMouse(ui::Control* control, QWidget* widget, QEvent* event);
    bool forwardKey(ui::Control* control, QEvent* event);
    // Runs one forwarded event; a fault in a handler is reported, never let through Qt.
    void guarded(const std::function<void()>& forward);

    ui::Window& model_;
    QWidget* surface_ = nullptr;
    std::map<ui::Control*, QWidget*> widgets_;
    std::map<ui::Control*, QAction*> actions_;
    std::map<QObject*, ui::Control*> owners_;
    bool syncing_ = false;
    bool detached_ = false;
    bool pressedInside_ = false;
};

}  // namespace ui::qt

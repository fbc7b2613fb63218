#pragma once

#include <QAction>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "ui/control.h"
#include "ui/qt/binder.h"
#include "ui/qt/colors.h"
#include "ui/window.h"

namespace ui::qt {

class MenuBinder;

// One top-level Qt window showing one window model: a fixed-size surface with a widget per
// control at its design position, the menu bar if the model has menu items. With an owner it
// is a dialog of the owner's view, which the window manager keeps above it. Each control is
// shown by the binder of its kind; the view keeps the window's part.
class WindowView : public QWidget,
                   public ui::WindowObserver,
                   public ui::ControlObserver,
                   private BinderHost {
    Q_OBJECT
public:
    explicit WindowView(ui::Window& model, QWidget* owner = nullptr);
    ~WindowView() override;

    // Ties the view to another owner (or none), keeping it on screen where it was.
    void tieTo(QWidget* owner);
    // The dialog in front of this window (a dialog's dialog, if it has one), or null.
    WindowView* frontDialog() const;

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
    static Qt::WindowFlags flagsFor(const ui::Window& model, QWidget* owner);
    void build();
    void layOut(int menuHeight);
    Binder* binderOf(const QString& controlName) const;
    // A window that is disabled because a dialog is open over it sends the player there.
    void showFrontDialog();
    // A label button invites the mouse only while the player could press it, and never over
    // its pressed look.
    void showPressable(const Binder& binder) const;
    void syncTitle();

    ui::Application& app() const override;
    bool detached() const override { return detached_; }
    void guarded(const std::function<void()>& forward) override;
    bool forwardMouse(ui::Control* control, QWidget* widget, QMouseEvent* event) override;
    bool forwardKey(ui::Control* control, int code) override;

    ui::Window& model_;
    QWidget* surface_ = nullptr;
    std::unique_ptr<MenuBinder> menu_;
    std::map<ui::Control*, std::unique_ptr<Binder>> binders_;
    // The binder whose control an object's input is.
    std::map<QObject*, Binder*> inputs_;
    bool detached_ = false;
    bool pressedInside_ = false;
    bool shownBefore_ = false;
};

}  // namespace ui::qt

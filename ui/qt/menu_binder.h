#pragma once

#include <QAction>
#include <QChar>
#include <QMenuBar>
#include <QObject>
#include <map>
#include <optional>

#include "ui/qt/binder.h"
#include "ui/window.h"

namespace ui::qt {

// The menu bar of a window: the model's menu items as menus and actions, with Alt mnemonics,
// the keys of the items that have one, and check marks.
class MenuBinder : public QObject, public ui::ControlObserver {
public:
    // Puts the bar at the top of the window.
    MenuBinder(BinderHost& host, ui::Window& model, QWidget* window);

    QMenuBar* bar() const { return bar_; }
    // The action of a menu item, null for other controls.
    QAction* action(const QString& name) const;
    // The item's caption as the player reads it; nullopt for other controls.
    std::optional<QString> shownText(const QString& name) const;

    void controlChanged(ui::Control& item, ui::Property property) override;

private:
    void add(ui::Control* item, const QString& text, std::map<ui::Control*, QMenu*>& menus);

    BinderHost& host_;
    ui::Window& model_;
    QWidget* window_;
    QMenuBar* bar_;
    std::map<ui::Control*, QAction*> actions_;
    std::map<QAction*, QChar> mnemonics_;
};

}  // namespace ui::qt

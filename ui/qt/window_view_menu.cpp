// The menu bar of a window view: the model's menu items as menus and actions, with Alt
// mnemonics, the keys of the items that have one, and check marks.
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "ui/application.h"
#include "ui/qt/menu_text.h"
#include "ui/qt/window_view.h"

namespace ui::qt {

namespace {

bool hasChildren(const ui::Window& window, const ui::Control* item) {
    for (const auto& c : window.controls()) {
        if (c->parent() == item && c->kind() == ui::ControlKind::MenuItem) {
            return true;
        }
    }
    return false;
}

// The caption with the mark before the same key as before, if the caption still has it.
QString markedAgain(const QString& caption, QChar key) {
    QString text = caption;
    text.replace(QStringLiteral("&"), QStringLiteral("&&"));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].toLower() == key) {
            text.insert(i, u'&');
            break;
        }
    }
    return text;
}

}  // namespace

void WindowView::buildMenu(QMenuBar* bar) {
    // Mnemonics are chosen among the items of one level, so first each level's captions.
    std::map<ui::Control*, QList<ui::Control*>> levels;
    for (const auto& c : model_.controls()) {
        if (c->kind() == ui::ControlKind::MenuItem) {
            levels[c->parent()].append(c.get());
        }
    }
    std::map<ui::Control*, QString> texts;
    for (const auto& [parent, items] : levels) {
        QStringList captions;
        for (const ui::Control* item : items) {
            captions.append(item->caption());
        }
        const QStringList marked = withMnemonics(captions);
        for (qsizetype i = 0; i < items.size(); ++i) {
            texts[items[i]] = marked[i];
        }
    }

    std::map<ui::Control*, QMenu*> menus;
    for (const auto& c : model_.controls()) {
        if (c->kind() != ui::ControlKind::MenuItem) {
            continue;
        }
        ui::Control* item = c.get();
        const QString& text = texts[item];
        QAction* action = nullptr;
        if (hasChildren(model_, item)) {
            QMenu* menu = item->parent() == nullptr ? bar->addMenu(text)
                                                    : menus.at(item->parent())->addMenu(text);
            menus[item] = menu;
            action = menu->menuAction();
        } else {
            QWidget* owner =
                item->parent() == nullptr ? static_cast<QWidget*>(bar) : menus.at(item->parent());
            action = new QAction(text, owner);
            owner->addAction(action);
            action->setCheckable(item->checkable);
            action->setChecked(item->checked());
            if (!item->shortcut.isEmpty()) {
                action->setShortcut(QKeySequence(item->shortcut));
                // Its key works wherever the focus is in the window, menus closed.
                addAction(action);
            }
            connect(action, &QAction::triggered, this, [this, item, action] {
                if (detached_) {
                    return;
                }
                guarded([this, item] { model_.app().click(*item); });
                // The check mark is the model's, whatever Qt toggled.
                if (!detached_) {
                    action->setChecked(item->checked());
                }
            });
        }
        const qsizetype mark = text.indexOf(u'&');
        if (mark >= 0 && mark + 1 < text.size() && text[mark + 1] != u'&') {
            mnemonics_[action] = text[mark + 1].toLower();
        }
        actions_[item] = action;
        action->setEnabled(item->enabled());
        action->setVisible(item->visible());
        item->setObserver(this);
    }
}

void WindowView::syncAction(ui::Control& item, ui::Property property) {
    QAction* action = actions_.at(&item);
    switch (property) {
        case ui::Property::Caption: {
            auto it = mnemonics_.find(action);
            action->setText(it != mnemonics_.end() ? markedAgain(item.caption(), it->second)
                                                   : markedAgain(item.caption(), QChar()));
            break;
        }
        case ui::Property::Enabled:
            action->setEnabled(item.enabled());
            break;
        case ui::Property::Visible:
            action->setVisible(item.visible());
            break;
        case ui::Property::Checked:
            action->setChecked(item.checked());
            break;
        default:
            break;
    }
}

}  // namespace ui::qt

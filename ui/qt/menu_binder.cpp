#include "ui/qt/menu_binder.h"

#include <QKeySequence>
#include <QMenu>

#include "ui/application.h"
#include "ui/qt/menu_text.h"

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

MenuBinder::MenuBinder(BinderHost& host, ui::Window& model, QWidget* window)
    : host_(host), model_(model), window_(window), bar_(new QMenuBar(window)) {
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
        if (c->kind() == ui::ControlKind::MenuItem) {
            add(c.get(), texts[c.get()], menus);
        }
    }
}

void MenuBinder::add(ui::Control* item, const QString& text,
                     std::map<ui::Control*, QMenu*>& menus) {
    QAction* action = nullptr;
    if (hasChildren(model_, item)) {
        QMenu* menu = item->parent() == nullptr ? bar_->addMenu(text)
                                                : menus.at(item->parent())->addMenu(text);
        menus[item] = menu;
        action = menu->menuAction();
    } else {
        QWidget* owner =
            item->parent() == nullptr ? static_cast<QWidget*>(bar_) : menus.at(item->parent());
        action = new QAction(text, owner);
        owner->addAction(action);
        action->setCheckable(item->checkable);
        action->setChecked(item->checked());
        if (!item->shortcut.isEmpty()) {
            action->setShortcut(QKeySequence(item->shortcut));
            // Its key works wherever the focus is in the window, menus closed.
            window_->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, item, action] {
            if (host_.detached()) {
                return;
            }
            host_.guarded([this, item] { host_.app().click(*item); });
            // The check mark is the model's, whatever Qt toggled.
            if (!host_.detached()) {
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

QAction* MenuBinder::action(const QString& name) const {
    for (const auto& [item, action] : actions_) {
        if (item->name() == name) {
            return action;
        }
    }
    return nullptr;
}

std::optional<QString> MenuBinder::shownText(const QString& name) const {
    if (QAction* a = action(name)) {
        return withoutMnemonic(a->text());
    }
    return std::nullopt;
}

void MenuBinder::controlChanged(ui::Control& item, ui::Property property) {
    if (host_.detached()) {
        return;
    }
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

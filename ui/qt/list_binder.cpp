#include "ui/qt/list_binder.h"

#include <utility>

#include "ui/application.h"
#include "ui/spoken.h"

namespace ui::qt {

ListBinder::ListBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new ListWidget(parent)), list_(static_cast<ListWidget*>(widget())) {
    // A list of values beside another is only read: the keyboard passes it by.
    list_->setFocusPolicy(c.displayOnly ? Qt::NoFocus : Qt::StrongFocus);
    connect(list_, &QListWidget::currentRowChanged, this, &ListBinder::chooseRow);
    connect(list_, &QListWidget::itemClicked, this, &ListBinder::clickRow);
}

void ListBinder::chooseRow(int row) {
    if (host().syncing || host().detached() || row < 0) {
        return;
    }
    pressSelected_ = true;
    host().guarded([this, row] { host().app().select(control(), row); });
    if (!host().detached()) {
        sync(ui::Property::ListIndex);
        // A press goes on to select the row after telling of it: once it is done, the list
        // shows the game's choice again (a price list none).
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!host().detached()) {
                    sync(ui::Property::ListIndex);
                }
            },
            Qt::QueuedConnection);
    }
}

void ListBinder::clickRow(QListWidgetItem* item) {
    if (host().syncing || host().detached()) {
        return;
    }
    if (std::exchange(pressSelected_, false)) {
        return;
    }
    const int row = list_->row(item);
    host().guarded([this, row] { host().app().select(control(), row); });
    if (!host().detached()) {
        sync(ui::Property::ListIndex);
    }
}

bool ListBinder::mouse(QObject* /*watched*/, QMouseEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) {
        pressSelected_ = false;  // a new press chooses afresh
    }
    return false;  // the list handles its own
}

std::optional<QString> ListBinder::shownText() const {
    return list_->currentItem() != nullptr && list_->currentRow() >= 0
               ? list_->currentItem()->text()
               : QString();
}

void ListBinder::showSpoken() {
    Binder::showSpoken();
    if (control().valuesBeside.empty()) {
        return;
    }
    for (int row = 0; row < list_->count(); ++row) {
        list_->item(row)->setData(Qt::AccessibleDescriptionRole, ui::valuesBeside(control(), row));
    }
}

void ListBinder::show(ui::Property property) {
    switch (property) {
        case ui::Property::Items:
            list_->clear();
            list_->addItems(control().items());
            list_->setCurrentRow(control().listIndex());
            break;
        case ui::Property::ListIndex:
            if (control().listIndex() < 0) {
                list_->clearSelection();
                list_->setCurrentRow(-1);
            } else if (list_->currentRow() != control().listIndex()) {
                list_->setCurrentRow(control().listIndex());
            }
            break;
        default:
            Binder::show(property);
            break;
    }
}

}  // namespace ui::qt

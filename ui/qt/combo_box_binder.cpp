#include "ui/qt/combo_box_binder.h"

#include <QLineEdit>

#include "ui/application.h"
#include "ui/qt/colors.h"
#include "ui/spoken.h"

namespace ui::qt {

ComboBoxBinder::ComboBoxBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new QComboBox(parent)), combo_(static_cast<QComboBox*>(widget())) {
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    // No completion: it would quietly turn what was typed into one of the rows (in any letter
    // case), while the game judges exactly the text the player typed.
    combo_->setCompleter(nullptr);
    connect(combo_->lineEdit(), &QLineEdit::textEdited, this, &ComboBoxBinder::edited);
    connect(combo_, qOverload<int>(&QComboBox::activated), this, &ComboBoxBinder::chooseRow);
}

void ComboBoxBinder::chooseRow(int row) {
    if (!host().syncing && !host().detached()) {
        host().guarded([this, row] { host().app().select(control(), row); });
        if (!host().detached()) {
            syncAll();
        }
    }
}

QList<QObject*> ComboBoxBinder::inputs() const {
    return Binder::inputs() << combo_->lineEdit();
}

bool ComboBoxBinder::key(QObject* watched, QKeyEvent* event) {
    // The box passes on the keys its line edit left (Enter); the line edit has forwarded them
    // already.
    return watched != combo_ && Binder::key(watched, event);
}

void ComboBoxBinder::showSpoken() {
    Binder::showSpoken();
    combo_->lineEdit()->setAccessibleName(ui::spokenName(control()));
}

void ComboBoxBinder::show(ui::Property property) {
    switch (property) {
        case ui::Property::Caption:
            if (combo_->currentText() != control().text()) {
                combo_->setEditText(control().text());
            }
            break;
        case ui::Property::Items: {
            const QString text = control().text();
            combo_->clear();
            combo_->addItems(control().items());
            combo_->setCurrentIndex(-1);
            combo_->setEditText(text);
            break;
        }
        case ui::Property::ForeColor:
        case ui::Property::BackColor:
            Binder::show(property);
            showBoxEdges(combo_);
            break;
        default:
            Binder::show(property);
            break;
    }
}

}  // namespace ui::qt

#pragma once

#include <QComboBox>

#include "ui/qt/binder.h"

namespace ui::qt {

// A combo box the player types into or chooses a row of (the browser's address).
class ComboBoxBinder : public Binder {
public:
    ComboBoxBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    QList<QObject*> inputs() const override;
    std::optional<QString> shownText() const override { return combo_->currentText(); }
    bool key(QObject* watched, QKeyEvent* event) override;
    // On Linux Qt names a combo box by its text; the line edit inside, which has the keyboard,
    // takes the name.
    void showSpoken() override;

protected:
    void show(ui::Property property) override;

private:
    void chooseRow(int row);

    QComboBox* combo_;
};

}  // namespace ui::qt

#pragma once

#include "ui/qt/binder.h"
#include "ui/qt/widgets.h"

namespace ui::qt {

// A list box or a file list: whatever moves its current row chooses that row, as a click on it
// would, and a click on the row already chosen is a click too.
class ListBinder : public Binder {
public:
    ListBinder(BinderHost& host, ui::Control& control, QWidget* parent);

    std::optional<QString> shownText() const override;
    // The list's name, and each row described with the values beside it.
    void showSpoken() override;
    bool mouse(QObject* watched, QMouseEvent* event) override;

protected:
    void show(ui::Property property) override;

private:
    void chooseRow(int row);
    void clickRow(QListWidgetItem* item);

    ListWidget* list_;
    // The current mouse press has chosen its row already (its click must not choose again).
    bool pressSelected_ = false;
};

}  // namespace ui::qt

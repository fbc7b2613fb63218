#pragma once

#include <QProgressBar>

#include "ui/qt/binder.h"

namespace ui::qt {

// A progress bar (a download, the in-game system's boot), without a figure on it.
class ProgressBarBinder : public Binder {
public:
    ProgressBarBinder(BinderHost& host, ui::Control& control, QWidget* parent);

protected:
    void show(ui::Property property) override;

private:
    QProgressBar* bar_;
};

}  // namespace ui::qt

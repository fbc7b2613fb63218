#include "ui/qt/progress_bar_binder.h"

namespace ui::qt {

ProgressBarBinder::ProgressBarBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new QProgressBar(parent)), bar_(static_cast<QProgressBar*>(widget())) {
    bar_->setTextVisible(false);
}

void ProgressBarBinder::show(ui::Property property) {
    if (property == ui::Property::Value) {
        bar_->setRange(control().minimum(), control().maximum());
        bar_->setValue(control().value());
    } else {
        Binder::show(property);
    }
}

}  // namespace ui::qt

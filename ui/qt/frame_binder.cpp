#include "ui/qt/frame_binder.h"

namespace ui::qt {

FrameBinder::FrameBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new QGroupBox(parent)), box_(static_cast<QGroupBox*>(widget())) {
    // The edge a shade darker than the text.
    const ui::Color f = c.foreColor();
    box_->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid rgb(%1,%2,%3); "
                                       "margin-top: 8px; }"
                                       "QGroupBox::title { subcontrol-origin: margin; "
                                       "left: 8px; padding: 0 3px; }")
                            .arg(f.r / 3 * 2)
                            .arg(f.g / 3 * 2)
                            .arg(f.b / 3 * 2));
}

bool FrameBinder::mouse(QObject* watched, QMouseEvent* event) {
    return clickable(watched, event);
}

void FrameBinder::show(ui::Property property) {
    if (property == ui::Property::Caption) {
        box_->setTitle(control().caption());
    } else {
        Binder::show(property);
    }
}

}  // namespace ui::qt

#include "ui/qt/shape_binder.h"

namespace ui::qt {

ShapeBinder::ShapeBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new QFrame(parent)), frame_(static_cast<QFrame*>(widget())) {
    if (line()) {
        frame_->setFrameShape(c.geometry().width >= c.geometry().height ? QFrame::HLine
                                                                        : QFrame::VLine);
    }
}

bool ShapeBinder::mouse(QObject* watched, QMouseEvent* event) {
    return !line() && clickable(watched, event);
}

void ShapeBinder::show(ui::Property property) {
    if (property == ui::Property::BorderStyle && !line()) {
        frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    } else {
        Binder::show(property);
    }
}

}  // namespace ui::qt

#include "ui/qt/label_binder.h"

#include <QPointer>
#include <utility>

#include "ui/application.h"

namespace ui::qt {

LabelBinder::LabelBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new LabelWidget(parent)), label_(static_cast<LabelWidget*>(widget())) {
    label_->setButton(c.labelButton);
    label_->setWordWrap(c.multiLine);
    Qt::Alignment h = c.align == ui::Align::Center  ? Qt::AlignHCenter
                      : c.align == ui::Align::Right ? Qt::AlignRight
                                                    : Qt::AlignLeft;
    label_->setAlignment(h | (c.multiLine ? Qt::AlignTop : Qt::AlignVCenter));
}

void LabelBinder::show(ui::Property property) {
    switch (property) {
        case ui::Property::Caption:
            label_->setText(control().caption());
            break;
        case ui::Property::BorderStyle:
            label_->setFrameStyle(control().borderStyle() == 1 ? QFrame::Box | QFrame::Plain
                                                               : QFrame::NoFrame);
            break;
        default:
            Binder::show(property);
            break;
    }
}

bool LabelBinder::mouse(QObject* watched, QMouseEvent* event) {
    return clickable(watched, event);
}

bool LabelBinder::key(QObject* /*watched*/, QKeyEvent* event) {
    if (control().labelButton && pressByKey(event)) {
        return true;
    }
    // Other keys on a label button are the window's.
    if (const auto code = typed(event)) {
        host().forwardKey(nullptr, *code);
        return true;
    }
    return false;
}

bool LabelBinder::pressByKey(QKeyEvent* key) {
    const bool pressKey =
        key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!pressKey || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    if (key->isAutoRepeat()) {
        return true;  // held down, it stays pressed
    }
    ui::Application& app = host().app();
    ui::Control& button = control();
    if (key->type() == QEvent::KeyPress) {
        keyPressed_ = true;
        host().guarded([&] { app.mouseDown(button, ui::MouseButton::Left); });
        return true;
    }
    if (!std::exchange(keyPressed_, false)) {
        return true;  // pressed elsewhere (another window, before the focus came)
    }
    QPointer<LabelBinder> self(this);
    host().guarded([&] { app.mouseUp(button, ui::MouseButton::Left); });
    if (self && !host().detached()) {
        host().guarded([&] { app.click(button); });
    }
    return true;
}

void LabelBinder::focusLost() {
    // A label button that loses the focus while Space holds it down comes back up, unclicked.
    if (std::exchange(keyPressed_, false) && !host().detached()) {
        host().guarded([&] { host().app().mouseUp(control(), ui::MouseButton::Left); });
    }
}

}  // namespace ui::qt

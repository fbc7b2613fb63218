#include "ui/qt/label_binder.h"

#include <QPalette>
#include <QPointer>

#include "ui/application.h"

namespace ui::qt {

namespace {

// No desktop repeats a held key sooner than this after its press (X's own default is 660 ms).
constexpr quint64 RepeatDelayMs = 100;
// X sends a repeat's release and press together; its press follows in well under this.
constexpr int RepeatGapMs = 50;

// A label that warns shows in amber (low) or red (critical) instead of its own colour: both
// stand out from the game's green and read on black (amber 11.5:1, red 6.1:1; text needs 4.5:1).
QColor warningColor(ui::Warning warning) {
    return warning == ui::Warning::Critical ? QColor(255, 64, 64) : QColor(255, 176, 0);
}

}  // namespace

LabelBinder::LabelBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new LabelWidget(parent)), label_(static_cast<LabelWidget*>(widget())) {
    label_->setButton(c.labelButton);
    label_->setWordWrap(c.multiLine);
    Qt::Alignment h = c.align == ui::Align::Center  ? Qt::AlignHCenter
                      : c.align == ui::Align::Right ? Qt::AlignRight
                                                    : Qt::AlignLeft;
    label_->setAlignment(h | (c.multiLine ? Qt::AlignTop : Qt::AlignVCenter));
    letGo_.setSingleShot(true);
    letGo_.setInterval(RepeatGapMs);
    connect(&letGo_, &QTimer::timeout, this, [this] { letGo(true); });
    connect(label_, &LabelWidget::pressRequested, this, &LabelBinder::pressWhole);
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
        case ui::Property::ForeColor:
        case ui::Property::BackColor:
        case ui::Property::Warning:
            Binder::show(ui::Property::ForeColor);  // its own colours, then a warning over them
            showWarning();
            break;
        default:
            Binder::show(property);
            break;
    }
}

void LabelBinder::showWarning() {
    const ui::Warning warning = control().warning();
    if (warning != ui::Warning::None) {
        QPalette palette = label_->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, warningColor(warning));
        }
        label_->setPalette(palette);
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
    const int k = key->key();
    const bool pressKey = k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
    if (!pressKey || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    if (key->isAutoRepeat()) {
        return true;  // held down, it stays as it is
    }
    if (key->type() == QEvent::KeyPress) {
        if (heldBy_ == 0) {
            heldBy_ = k;
            heldSince_ = key->timestamp();
            host().guarded([&] { host().app().mouseDown(control(), ui::MouseButton::Left); });
        } else if (k == heldBy_ && letGo_.isActive() && key->timestamp() == letGoAt_) {
            letGo_.stop();  // that release was the key's repeat: it is still down
        }
        return true;  // any other press while the button is down changes nothing
    }
    if (k != heldBy_ || letGo_.isActive()) {
        return true;  // pressed elsewhere (another window, before the focus came), or let go
    }
    if (key->timestamp() - heldSince_ < RepeatDelayMs) {
        letGo(true);
    } else {
        letGoAt_ = key->timestamp();
        letGo_.start();
    }
    return true;
}

void LabelBinder::letGo(bool click) {
    heldBy_ = 0;
    if (host().detached()) {
        return;
    }
    QPointer<LabelBinder> self(this);
    ui::Application& app = host().app();
    ui::Control& button = control();
    host().guarded([&] { app.mouseUp(button, ui::MouseButton::Left); });
    if (click && self && !host().detached()) {
        host().guarded([&] { app.click(button); });
    }
}

void LabelBinder::pressWhole() {
    if (!host().detached()) {
        host().guarded([this] { host().app().press(control()); });
    }
}

void LabelBinder::focusLost() {
    // A label button that loses the focus while a key holds it down comes back up, unclicked;
    // one whose key was let go already clicks as it was going to.
    if (heldBy_ != 0 && !letGo_.isActive()) {
        letGo(false);
    }
}

}  // namespace ui::qt

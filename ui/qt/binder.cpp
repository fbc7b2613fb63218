#include "ui/qt/binder.h"

#include <QAbstractScrollArea>
#include <utility>

#include "ui/application.h"
#include "ui/qt/colors.h"
#include "ui/spoken.h"

namespace ui::qt {

Binder::Binder(BinderHost& host, ui::Control& control, QWidget* widget)
    : host_(host), control_(control), widget_(widget) {
    if (control.fontSize != 10 || control.bold) {
        QFont font = widget->font();
        font.setPointSize(control.fontSize);
        font.setBold(control.bold);
        widget->setFont(font);
    }
}

QList<QObject*> Binder::inputs() const {
    QList<QObject*> objects{widget_};
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget_)) {
        objects.append(area->viewport());
    }
    return objects;
}

void Binder::sync(ui::Property property) {
    const bool wasSyncing = std::exchange(host_.syncing, true);
    show(property);
    host_.syncing = wasSyncing;
}

void Binder::syncAll() {
    for (ui::Property p : {ui::Property::Geometry, ui::Property::Items, ui::Property::Caption,
                           ui::Property::ListIndex, ui::Property::ForeColor,
                           ui::Property::BorderStyle, ui::Property::Value, ui::Property::Picture,
                           ui::Property::Enabled, ui::Property::Visible}) {
        sync(p);
    }
    showSpoken();
}

void Binder::showSpoken() {
    widget_->setAccessibleName(ui::spokenName(control_));
    widget_->setAccessibleDescription(ui::spokenDescription(control_));
}

void Binder::show(ui::Property property) {
    switch (property) {
        case ui::Property::Geometry: {
            const ui::Rect r = control_.geometry();
            widget_->setGeometry(r.x, r.y, r.width, r.height);
            break;
        }
        case ui::Property::Enabled:
            widget_->setEnabled(control_.enabled());
            break;
        case ui::Property::Visible:
            widget_->setVisible(control_.visible());
            break;
        case ui::Property::ForeColor:
        case ui::Property::BackColor:
            applyColors(widget_, control_.foreColor(), control_.backColor());
            if (control_.transparent) {
                widget_->setAutoFillBackground(false);
            }
            break;
        default:
            break;
    }
}

bool Binder::mouse(QObject* /*watched*/, QMouseEvent* /*event*/) {
    return false;
}

bool Binder::key(QObject* /*watched*/, QKeyEvent* event) {
    const auto code = typed(event);
    return code && host_.forwardKey(&control_, *code);
}

void Binder::edited(const QString& text) {
    if (!host_.syncing && !host_.detached()) {
        host_.app().edit(control_, text);
    }
}

bool Binder::clickable(QObject* watched, QMouseEvent* event) {
    return host_.forwardMouse(&control_, qobject_cast<QWidget*>(watched), event);
}

std::optional<int> typed(const QKeyEvent* key) {
    if (key->type() != QEvent::KeyPress) {
        return std::nullopt;
    }
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::nullopt;
        default:
            break;
    }
    if (key->text().isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return std::nullopt;
    }
    return key->text().at(0).unicode();
}

}  // namespace ui::qt

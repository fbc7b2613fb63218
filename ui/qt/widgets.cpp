#include "ui/qt/widgets.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "ui/metrics.h"

namespace ui::qt {

namespace {

// Bright enough to tell a focused list from the others on black.
const QColor FocusFrame(170, 255, 170);
// How much of the text colour tints a button's face under the mouse: on black, a dark green
// that leaves the bright green text well readable.
constexpr double HoverFace = 0.2;

// Rows of a fixed height, so that a window can stand its buttons level with them.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ui::LineHeight};
    }
};

}  // namespace

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void LabelWidget::setButton(bool button) {
    setFocusPolicy(button ? Qt::StrongFocus : Qt::NoFocus);
    button_ = button;
    showInvitation();
}

void LabelWidget::setPressable(bool pressable) {
    if (pressable_ != pressable) {
        pressable_ = pressable;
        showInvitation();
        if (button_) {
            // A button the player cannot press now is unavailable to a screen reader too.
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent event(this, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void LabelWidget::pressLater() {
    QMetaObject::invokeMethod(this, &LabelWidget::pressRequested, Qt::QueuedConnection);
}

void LabelWidget::setHeld(bool held) {
    if (held_ != held) {
        held_ = held;
        update();
    }
}

bool LabelWidget::hoverShown() const {
    return hovered_ && invites() && !held_;
}

void LabelWidget::showInvitation() {
    if (invites()) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    update();
}

QRect LabelWidget::textRect() const {
    // Where QLabel puts its text: inside the frame, indented by half an "x" when framed.
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0) {
        indent = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    }
    if (indent > 0) {
        if (alignment() & Qt::AlignLeft) {
            r.setLeft(r.left() + indent);
        } else if (alignment() & Qt::AlignRight) {
            r.setRight(r.right() - indent);
        }
    }
    return r;
}

bool LabelWidget::elided() const {
    return !wordWrap() && !text().isEmpty() &&
           fontMetrics().horizontalAdvance(text()) > textRect().width();
}

bool LabelWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (elided()) {
            QToolTip::showText(help->globalPos(), text(), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        hovered_ = event->type() == QEvent::Enter;
        update();
    }
    return QLabel::event(event);
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    const bool cut = elided();
    const bool hover = hoverShown();
    if (!cut && !hasFocus() && !hover) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (hover) {
        QColor face = palette().color(foregroundRole());
        face.setAlphaF(HoverFace);
        painter.fillRect(rect(), face);
    }
    if (cut) {
        drawFrame(&painter);
        const QRect r = textRect();
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(r, static_cast<int>(alignment()),
                         fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
    } else {
        painter.end();
        QLabel::paintEvent(event);
        painter.begin(this);
    }
    if (hasFocus()) {
        QPen pen(palette().color(foregroundRole()), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

ListWidget::ListWidget(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new FixedRowDelegate(this));
    setUniformItemSizes(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ListWidget::focusInEvent(QFocusEvent* event) {
    // The item view would make the first row current here, a choice the player never made:
    // the list takes the focus and nothing else.
    QWidget::focusInEvent(event);
    showFocus(true);
    viewport()->update();
}

void ListWidget::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    showFocus(false);
}

void ListWidget::showFocus(bool focused) {
    // The plain frame is drawn in the window-text colour; the rows use the text colour.
    QPalette p = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText,
                   focused ? FocusFrame : p.color(group, QPalette::Text));
    }
    setPalette(p);
}

}  // namespace ui::qt

#include "ui/qt/text_box_binder.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include "ui/metrics.h"
#include "ui/qt/colors.h"

namespace ui::qt {

LineBoxBinder::LineBoxBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(widget())) {
    edit_->setReadOnly(c.readOnly);
    connect(edit_, &QLineEdit::textEdited, this, &LineBoxBinder::edited);
}

void LineBoxBinder::show(ui::Property property) {
    Binder::show(property);
    if (property == ui::Property::Caption && edit_->text() != control().text()) {
        edit_->setText(control().text());
    } else if (property == ui::Property::ForeColor || property == ui::Property::BackColor) {
        showBoxEdges(edit_);
    }
}

ManyLinesBoxBinder::ManyLinesBoxBinder(BinderHost& host, ui::Control& c, QWidget* parent)
    : Binder(host, c, new QTextEdit(parent)), edit_(static_cast<QTextEdit*>(widget())) {
    edit_->setAcceptRichText(false);
    edit_->setReadOnly(c.readOnly);
    edit_->document()->setDocumentMargin(ui::TextBoxInset - 1);
    edit_->setFrameStyle(QFrame::Box | QFrame::Plain);
    connect(edit_, &QTextEdit::textChanged, this, [this] { edited(edit_->toPlainText()); });
}

void ManyLinesBoxBinder::show(ui::Property property) {
    if (property != ui::Property::Caption) {
        Binder::show(property);
        return;
    }
    QString shown = control().text();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (edit_->toPlainText() != shown) {
        edit_->setPlainText(shown);
        // Every line as high as the game lays it out.
        QTextCursor cursor(edit_->document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setLineHeight(ui::LineHeight, QTextBlockFormat::FixedHeight);
        cursor.mergeBlockFormat(format);
    }
}

}  // namespace ui::qt

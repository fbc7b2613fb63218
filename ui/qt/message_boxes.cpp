#include "ui/qt/message_boxes.h"

#include <QAbstractButton>
#include <QPushButton>

namespace ui::qt {

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, ui::MessageKind kind,
                                            const QString& title) {
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(title);
    // Plain text: whatever a script or a file name holds is shown, never interpreted.
    box->setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setText(shown);
    switch (kind) {
        case ui::MessageKind::Information:
            box->setIcon(QMessageBox::Information);
            break;
        case ui::MessageKind::Exclamation:
            box->setIcon(QMessageBox::Warning);
            break;
        case ui::MessageKind::Critical:
            box->setIcon(QMessageBox::Critical);
            break;
        case ui::MessageKind::Plain:
            box->setIcon(QMessageBox::NoIcon);
            break;
        case ui::MessageKind::QuestionMark:
        case ui::MessageKind::Question:
            box->setIcon(QMessageBox::Question);
            break;
    }
    if (kind == ui::MessageKind::Question) {
        QPushButton* yes = box->addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box->addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box->setDefaultButton(yes);
        box->setEscapeButton(no);
    } else {
        QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box->setDefaultButton(ok);
        box->setEscapeButton(ok);
    }
    return box;
}

ui::Answer answerFor(const QMessageBox& box, const QAbstractButton* clicked) {
    if (clicked == nullptr) {
        return box.buttons().size() > 1 ? ui::Answer::No : ui::Answer::Ok;
    }
    switch (box.buttonRole(const_cast<QAbstractButton*>(clicked))) {
        case QMessageBox::YesRole:
            return ui::Answer::Yes;
        case QMessageBox::NoRole:
            return ui::Answer::No;
        default:
            return ui::Answer::Ok;
    }
}

QAbstractButton* buttonFor(const QMessageBox& box, ui::Answer answer) {
    const QMessageBox::ButtonRole wanted = answer == ui::Answer::Yes  ? QMessageBox::YesRole
                                           : answer == ui::Answer::No ? QMessageBox::NoRole
                                                                      : QMessageBox::AcceptRole;
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) == wanted) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace ui::qt

#include "ui/qt/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>

#include "ui/qt/colors.h"
#include "ui/qt/title_fit.h"

namespace ui::qt {

namespace {

// The buttons in the game's green: the default one (Enter) with a bright edge, the one with the
// keyboard with bright text on a lighter face, so that each shows whichever the other is.
const QString ButtonLook = QStringLiteral(
    "QPushButton { color: rgb(0, 192, 0); background: rgb(0, 40, 0); padding: 4px 14px;"
    " border: 1px solid rgb(0, 128, 0); min-width: 56px; }"
    "QPushButton:default { border: 2px solid rgb(0, 192, 0); }"
    "QPushButton:focus { color: rgb(170, 255, 170); background: rgb(0, 64, 0); }"
    "QPushButton:pressed { color: white; background: rgb(0, 96, 0); }");

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, ui::MessageKind kind,
                                            const QString& title, QWidget* owner) {
    auto box = std::make_unique<QMessageBox>(owner);
    box->setWindowTitle(title);
    box->setFont(gameFont());
    box->setPalette(gamePalette());
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
    // On the buttons alone: a sheet on the box would take the box's colours from its text.
    for (QAbstractButton* button : box->buttons()) {
        button->setStyleSheet(ButtonLook);
    }
    // A message box sizes itself to its text; a short text would leave the title cut. (Set
    // last: the box lays itself out anew when its icon or text changes.)
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(title, box->font()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

ui::Answer runMessageBox(QMessageBox& box) {
    QPointer<QWidget> focus = QApplication::focusWidget();
    box.exec();
    // The window manager gives the focus back to a window, not always to the one the player
    // was in, nor to the widget in it: the list that took the arrow keys takes them again.
    if (focus && focus->isVisible()) {
        focus->activateWindow();
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return answerFor(box, box.clickedButton());
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

// The message boxes answer the keys as a player expects: Enter gives OK or "Да", Esc gives OK or
// the safe "Нет"; and their titles have room in the title bar.
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "qt_fixture.h"
#include "ui/qt/title_fit.h"

namespace {

const ui::MessageKind EveryKind[] = {
    ui::MessageKind::Information, ui::MessageKind::Exclamation,  ui::MessageKind::Critical,
    ui::MessageKind::Plain,       ui::MessageKind::QuestionMark, ui::MessageKind::Question,
};

// Shows the box and answers it with one key, as the player would.
ui::Answer answerWithKey(QMessageBox& box, Qt::Key key) {
    QTimer::singleShot(0, &box, [&box, key] {
        QWidget* target =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &box;
        QTest::keyClick(target, key);
    });
    return ui::qt::runMessageBox(box);
}

TEST(MessageBoxes, EnterGivesTheDefaultAnswerAndEscapeTheSafeOne) {
    for (ui::MessageKind kind : EveryKind) {
        const bool question = kind == ui::MessageKind::Question;
        auto box = ui::qt::makeMessageBox(QStringLiteral("Хотите начать новую игру?"), kind,
                                          ui::defaultTitle());
        EXPECT_EQ(answerWithKey(*box, Qt::Key_Return), question ? ui::Answer::Yes : ui::Answer::Ok)
            << ui::kindName(kind);
        box = ui::qt::makeMessageBox(QStringLiteral("Хотите начать новую игру?"), kind,
                                     ui::defaultTitle());
        EXPECT_EQ(answerWithKey(*box, Qt::Key_Escape), question ? ui::Answer::No : ui::Answer::Ok)
            << ui::kindName(kind);
    }
}

TEST(MessageBoxes, TheButtonsBearTheGamesWords) {
    auto question =
        ui::qt::makeMessageBox(QStringLiteral("?"), ui::MessageKind::Question, ui::defaultTitle());
    EXPECT_EQ(question->defaultButton()->text(), "Да");
    EXPECT_EQ(question->escapeButton()->text(), "Нет");
    auto info = ui::qt::makeMessageBox(QStringLiteral("!"), ui::MessageKind::Information,
                                       ui::defaultTitle());
    EXPECT_EQ(info->defaultButton()->text(), "OK");
}

TEST(MessageBoxes, AShortMessageStillLeavesRoomForTheWholeTitle) {
    for (const QString& title : {ui::defaultTitle(), QStringLiteral("Программа Vexa 2")}) {
        auto box = ui::qt::makeMessageBox(QStringLiteral("Да"), ui::MessageKind::Plain, title);
        box->show();
        EXPECT_GE(box->width(), ui::qt::widthForTitle(title, box->font())) << title.toStdString();
        box->hide();
    }
}

}  // namespace

namespace {

// The colours at the middle of a button's left edge and of its face beside it.
QColor edgeOf(QAbstractButton* b) {
    return b->grab().toImage().pixelColor(0, b->height() / 2);
}
QColor faceOf(QAbstractButton* b) {
    return b->grab().toImage().pixelColor(4, b->height() / 2);
}

TEST(MessageBoxes, EveryKindShowsTheGamesGreenOnBlackInItsFont) {
    for (ui::MessageKind kind : EveryKind) {
        auto box =
            ui::qt::makeMessageBox(QStringLiteral("Нехватает денег!"), kind, ui::defaultTitle());
        box->show();
        EXPECT_EQ(box->font(), ui::qt::gameFont()) << ui::kindName(kind);
        EXPECT_EQ(box->palette().color(QPalette::Window), QColor(Qt::black));
        const auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(0, 192, 0));
        for (QAbstractButton* button : box->buttons()) {
            const QColor face = faceOf(button);
            EXPECT_TRUE(face.red() == 0 && face.blue() == 0 && face.green() < 96)
                << ui::kindName(kind) << ": a face of " << face.name().toStdString();
        }
    }
}

TEST(MessageBoxes, TheDefaultButtonAndTheOneWithTheKeyboardShow) {
    auto box = ui::qt::makeMessageBox(QStringLiteral("Хотите сохранить игру?"),
                                      ui::MessageKind::Question, ui::defaultTitle());
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
    QAbstractButton* no = box->escapeButton();
    EXPECT_GT(edgeOf(box->defaultButton()).green(), edgeOf(no).green())
        << "the default answer looks like the other";
    const QColor face = faceOf(no);
    no->setFocus(Qt::TabFocusReason);
    EXPECT_NE(faceOf(no), face) << "nothing shows where the keyboard is";
}

}  // namespace

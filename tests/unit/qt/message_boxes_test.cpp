// The message boxes answer the keys as a player expects: Enter gives OK or "Да", Esc gives OK or
// the safe "Нет"; and their titles have room in the title bar.
#include <QApplication>
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

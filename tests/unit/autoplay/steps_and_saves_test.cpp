// What the computer player writes must read back: its scenario lines through the driver's own
// parser, its save files as the save format lays them out.
#include <gtest/gtest.h>

#include "tools/autoplay/save_files.h"
#include "tools/autoplay/step_lines.h"
#include "tools/scenario/script.h"

namespace {

using namespace autoplay;

scenario::Step parsedBack(const scenario::Step& step) {
    const scenario::Script script = scenario::parseScript(lineOf(step).toUtf8());
    EXPECT_TRUE(script.faults.empty()) << lineOf(step).toStdString();
    EXPECT_EQ(script.steps.size(), 1u) << lineOf(step).toStdString();
    return script.steps.empty() ? scenario::Step{} : script.steps.front();
}

TEST(StepLines, TypedTextOfEveryShapeReadsBackUnchanged) {
    const QString long_(5000, u'ж');
    for (const QString& text :
         {QString(), QStringLiteral("Вася Пупкин"), QStringLiteral("a\"b\\c"),
          QStringLiteral("tab\there\r\nnext\x01\x7f"), QStringLiteral("\U0001F600 smile"), long_}) {
        const scenario::Step back =
            parsedBack(typeStep(QStringLiteral("Frmsave"), QStringLiteral("Text1"), text));
        EXPECT_EQ(back.op, scenario::Op::Type);
        EXPECT_EQ(back.window.toStdString(), "Frmsave");
        EXPECT_EQ(back.text, text);
    }
}

TEST(StepLines, ActionsAnswersAndFilesReadBack) {
    const scenario::Step press =
        parsedBack(mouseStep(scenario::Op::MouseDown, QStringLiteral("Form1"),
                             QStringLiteral("Command1"), ui::MouseButton::Right));
    EXPECT_EQ(press.op, scenario::Op::MouseDown);
    EXPECT_EQ(press.button, ui::MouseButton::Right);

    const scenario::Step answers = parsedBack(answerStep({true, false, true}));
    EXPECT_EQ(answers.answers, (std::vector<bool>{true, false, true}));

    const QByteArray bytes("\xcf\xf0\xe8\xe2\xe5\xf2\r\nmsg 2 \x00\xff", 14);
    const scenario::Step file = parsedBack(fileStep(QStringLiteral("PF/s1.RPF"), bytes));
    EXPECT_EQ(file.bytes, bytes);

    EXPECT_EQ(parsedBack(selectStep(QStringLiteral("Form2"), QStringLiteral("List1"), 12)).number,
              12);
    EXPECT_EQ(
        parsedBack(keyStep(QStringLiteral("FrmInternet"), QStringLiteral("ComboS"), 13)).number,
        13);
    EXPECT_EQ(parsedBack(waitStep(1200)).number, 1200);
    EXPECT_EQ(parsedBack(closeStep(QStringLiteral("Form4"))).op, scenario::Op::Close);
    EXPECT_EQ(parsedBack(clickStep(QStringLiteral("frmAuthor"))).control, QString());
}

TEST(StepLines, ExpectationsReadBack) {
    const scenario::Step value =
        parsedBack(expectStep(QStringLiteral("Form1"), QStringLiteral("Timer1"),
                              QStringLiteral("Enabled"), QStringLiteral("false")));
    EXPECT_EQ(value.target.text().toStdString(), "Form1.Timer1.Enabled");
    EXPECT_EQ(value.text.toStdString(), "false");
    EXPECT_EQ(
        parsedBack(expectGlobalStep(QStringLiteral("Salary"), QStringLiteral("10"))).target.kind,
        scenario::Target::Global);
    const scenario::Step message = parsedBack(
        expectMessageStep(ui::MessageKind::Critical, QStringLiteral("Ошибка загрузки игры!\r\nx")));
    EXPECT_EQ(message.kind, ui::MessageKind::Critical);
    EXPECT_EQ(parsedBack(expectBeepStep(5)).number, 5);
}

QStringList values(const QString& money, const QString& ram, const QString& hour) {
    QStringList v(20, QStringLiteral("0"));
    v[0] = money;
    v[9] = ram;
    v[19] = hour;
    return v;
}

TEST(SaveFiles, DigitsBecomeTheirCodesLineByLine) {
    const QList<QByteArray> lines =
        encodeSave(values(QStringLiteral("1300"), QStringLiteral("3"), QStringLiteral("7")))
            .split('\n');
    ASSERT_EQ(lines.size(), 21);  // twenty lines, each closed by CR LF
    EXPECT_EQ(lines[0], "ln:?np{}km;~km;~\r");
    EXPECT_EQ(lines[9], "3\r");  // memory encodes only 0 to 2
    EXPECT_EQ(lines[19], " 7 \r");
    EXPECT_EQ(encodeSave(values(QStringLiteral("-5"), QStringLiteral("0"), QStringLiteral("0")))
                  .split('\n')[0],
              "-pl?:\r");
}

TEST(SaveFiles, RandomSavesHoldTwentyLinesAndDamageChangesThem) {
    Dice dice(3);
    int changed = 0;
    for (int i = 0; i < 50; ++i) {
        const QByteArray save = randomSave(dice);
        EXPECT_EQ(save.count("\r\n"), 20);
        EXPECT_TRUE(save.endsWith("\r\n"));
        changed += damagedSave(dice, save) != save ? 1 : 0;
    }
    EXPECT_GE(changed, 45);  // a line swapped with itself may leave one as it was
}

}  // namespace

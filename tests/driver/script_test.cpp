#include <gtest/gtest.h>

#include "tools/scenario/quoting.h"
#include "tools/scenario/script.h"
#include "tools/scenario/tokens.h"

using scenario::Op;
using scenario::parseScript;
using scenario::Target;
using scenario::tokenize;

namespace {

QByteArray utf8(const char* text) {
    return QByteArray(text);
}

// The one step of a one-line scenario; fails the test if the line was refused.
scenario::Step only(const char* line) {
    const scenario::Script script = parseScript(utf8(line));
    EXPECT_TRUE(script.faults.empty()) << line << ": " << script.faults.front().why.toStdString();
    EXPECT_EQ(script.steps.size(), 1u) << line;
    return script.steps.empty() ? scenario::Step{} : script.steps.front();
}

// Why a one-line scenario was refused (empty if it was not).
std::string refusal(const char* line) {
    const scenario::Script script = parseScript(utf8(line));
    return script.faults.empty() ? std::string() : script.faults.front().why.toStdString();
}

}  // namespace

TEST(Tokens, QuotedStringsTurnTheirEscapesIntoBytes) {
    const auto t = tokenize(R"(expect "a\r\n\t\"\\b" "\xCF\xf0" bare)");
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    ASSERT_EQ(t.tokens.size(), 4u);
    EXPECT_FALSE(t.tokens[0].quoted);
    EXPECT_EQ(t.tokens[1].bytes, QByteArray("a\r\n\t\"\\b"));
    EXPECT_TRUE(t.tokens[1].quoted);
    EXPECT_EQ(t.tokens[2].bytes, QByteArray("\xCF\xF0"));
    EXPECT_EQ(t.tokens[3].bytes, QByteArray("bare"));
    // An empty string is an argument too.
    EXPECT_EQ(tokenize(R"(type W.C "")").tokens.size(), 3u);
}

TEST(Tokens, MalformedStringsAreRefused) {
    EXPECT_FALSE(tokenize(R"(a "open)").error.isEmpty());
    EXPECT_FALSE(tokenize(R"(a "ends in a backslash\)").error.isEmpty());
    EXPECT_FALSE(tokenize(R"(a "\q")").error.isEmpty());
    EXPECT_FALSE(tokenize(R"(a "\x4")").error.isEmpty());
    EXPECT_FALSE(tokenize(R"(a "\xZZ")").error.isEmpty());
    EXPECT_FALSE(tokenize(R"(a "glued"b)").error.isEmpty());
    EXPECT_FALSE(tokenize(R"(a b"c")").error.isEmpty());
}

TEST(Script, CommentsAndBlankLinesKeepTheLineNumbers) {
    const auto script = parseScript(utf8("# comment\n\n   # indented\r\nwait 5\r\n\t\nwait 7"));
    ASSERT_TRUE(script.faults.empty());
    ASSERT_EQ(script.steps.size(), 2u);
    EXPECT_EQ(script.steps[0].line, 4);
    EXPECT_EQ(script.steps[0].number, 5);
    EXPECT_EQ(script.steps[1].line, 6);
}

TEST(Script, EveryBadLineIsReportedAndTheGoodOnesKept) {
    const auto script = parseScript(utf8("wait 1\nfly away\nwait x\nwait 2"));
    ASSERT_EQ(script.faults.size(), 2u);
    EXPECT_EQ(script.faults[0].line, 2);
    EXPECT_EQ(script.faults[1].line, 3);
    EXPECT_EQ(script.steps.size(), 2u);
}

TEST(Script, ActionsNameTheirWindowAndControl) {
    auto s = only(R"(type FrmLogin.Text1 "Вася")");
    EXPECT_EQ(s.op, Op::Type);
    EXPECT_EQ(s.window, "FrmLogin");
    EXPECT_EQ(s.control, "Text1");
    EXPECT_EQ(s.text, QStringLiteral("Вася"));

    s = only("click frmAuthor");
    EXPECT_EQ(s.op, Op::Click);
    EXPECT_EQ(s.window, "frmAuthor");
    EXPECT_TRUE(s.control.isEmpty());

    EXPECT_EQ(only("mousedown Form1.Command1").button, ui::MouseButton::Left);
    EXPECT_EQ(only("mouseup Form1.Command1 right").button, ui::MouseButton::Right);
    EXPECT_EQ(only("key Form1.Combo1 13").number, 13);

    s = only("select Form4.List1 3");
    EXPECT_FALSE(s.byText);
    EXPECT_EQ(s.number, 3);
    s = only(R"(select Form4.List1 "3")");
    EXPECT_TRUE(s.byText);
    EXPECT_EQ(s.text, "3");

    EXPECT_FALSE(refusal("close Form1.Command1").empty());
    EXPECT_FALSE(refusal("type FrmLogin \"x\"").empty());
    EXPECT_FALSE(refusal("menu Form1.mnuGame.mnuNewGame").empty());
    EXPECT_FALSE(refusal("select Form4.List1 -1").empty());
    EXPECT_FALSE(refusal("select Form4.List1 Грузчик").empty());
    EXPECT_FALSE(refusal("key Form1.Combo1 0").empty());
    EXPECT_FALSE(refusal("click \"Form1.Command1\"").empty());
}

TEST(Script, TargetsOfSetAndExpect) {
    auto s = only("expect Form1.LblMoney.Caption 192");
    EXPECT_EQ(s.op, Op::ExpectValue);
    EXPECT_EQ(s.target.kind, Target::ControlProperty);
    EXPECT_EQ(s.target.text(), "Form1.LblMoney.Caption");
    EXPECT_EQ(s.text, "192");

    s = only("set GameGlobals.JobLevel 3");
    EXPECT_EQ(s.op, Op::Set);
    EXPECT_EQ(s.target.kind, Target::Global);
    EXPECT_EQ(s.target.property, "JobLevel");

    s = only(R"(expect Form1.Caption "Tarnvik 2")");
    EXPECT_EQ(s.target.kind, Target::WindowProperty);
    EXPECT_EQ(s.target.window, "Form1");

    EXPECT_EQ(only(R"(expect Form2.List1.Item[4] "x")").target.property, "Item[4]");
    EXPECT_FALSE(refusal("expect Form1 200").empty());
    EXPECT_FALSE(refusal("expect Form1.A.B.C 200").empty());
    EXPECT_FALSE(refusal("expect Form1..Caption 200").empty());
    EXPECT_FALSE(refusal("expect Form1.LblMoney.Caption").empty());
}

TEST(Script, EventExpectations) {
    auto s = only(R"(expect msg question "Хотите?" "Заголовок")");
    EXPECT_EQ(s.op, Op::ExpectMessage);
    EXPECT_EQ(s.kind, ui::MessageKind::Question);
    EXPECT_TRUE(s.hasTitle);
    EXPECT_EQ(s.title, QStringLiteral("Заголовок"));
    EXPECT_FALSE(only(R"(expect msg info "x")").hasTitle);
    EXPECT_EQ(only(R"(expect msgstart plain "x")").op, Op::ExpectMessageStart);
    EXPECT_EQ(only("expect msg questionmark x").kind, ui::MessageKind::QuestionMark);
    EXPECT_FALSE(refusal(R"(expect msgstart info "x" "title")").empty());
    EXPECT_FALSE(refusal(R"(expect msg warning "x")").empty());

    EXPECT_EQ(only("expect beep").number, 1);
    EXPECT_EQ(only("expect beep 5").number, 5);
    EXPECT_FALSE(refusal("expect beep 0").empty());
    EXPECT_EQ(only("expect quiet").op, Op::ExpectQuiet);
    EXPECT_EQ(only("expect ended").op, Op::ExpectEnded);
    EXPECT_FALSE(refusal("expect ended now").empty());
    EXPECT_EQ(only("expect open Form2").window, "Form2");
    EXPECT_EQ(only("expect closed Form2").op, Op::ExpectClosed);
}

TEST(Script, FilesKeepRawBytesAndStayInsideTheGameFolder) {
    auto s = only(R"(file "PF/A.RPF" "\xCF\xF0\r\n")");
    EXPECT_EQ(s.op, Op::File);
    EXPECT_EQ(s.text, "PF/A.RPF");
    EXPECT_EQ(s.bytes, QByteArray("\xCF\xF0\r\n"));
    EXPECT_EQ(only(R"(expect file "a.sav" "\x00\x01")").bytes, QByteArray("\x00\x01", 2));
    EXPECT_EQ(only(R"(expect nofile "a.sav")").op, Op::ExpectNoFile);
    EXPECT_FALSE(refusal(R"(file "/etc/passwd" "x")").empty());
    EXPECT_FALSE(refusal(R"(file "../up" "x")").empty());
    EXPECT_FALSE(refusal(R"(file "PF/../../up" "x")").empty());
    EXPECT_FALSE(refusal(R"(expect nofile "")").empty());
    // A name or a text the game shows must be UTF-8; only file contents may hold other bytes.
    EXPECT_FALSE(refusal(R"(file "\xCF.RPF" "x")").empty());
    EXPECT_FALSE(refusal(R"(expect Form1.Caption "\xCF")").empty());
}

TEST(Script, QueuedAnswersRandomsAndTime) {
    auto s = only("answer yes no yes");
    EXPECT_EQ(s.answers, (std::vector<bool>{true, false, true}));
    EXPECT_FALSE(refusal("answer").empty());
    EXPECT_FALSE(refusal("answer yes sure").empty());

    s = only("random 0 0.5 0.999999");
    EXPECT_EQ(s.randoms, (std::vector<double>{0.0, 0.5, 0.999999}));
    EXPECT_FALSE(refusal("random 1").empty());
    EXPECT_FALSE(refusal("random -0.1").empty());
    EXPECT_FALSE(refusal("random 0,5").empty());
    EXPECT_FALSE(refusal("random nan").empty());

    s = only(R"(now "31.12.2026" "23:59:59")");
    EXPECT_EQ(s.text, "31.12.2026");
    EXPECT_EQ(s.title, "23:59:59");
    EXPECT_EQ(only("wait 0").number, 0);
    EXPECT_FALSE(refusal("wait -1").empty());
    EXPECT_FALSE(refusal("wait 1.5").empty());
}

TEST(Quoting, PrintedTextsReadBackAsTheSameText) {
    for (const QString& text :
         {QStringLiteral("Вы приехали.\r\nДа"), QStringLiteral("tab\there \"q\" \\ end"),
          QStringLiteral("\x01\x1f\x7f"), QString(), QStringLiteral(" 00:00")}) {
        const QString line = QStringLiteral("expect Form1.Caption ") + scenario::quoted(text);
        const auto script = parseScript(line.toUtf8());
        ASSERT_TRUE(script.faults.empty()) << line.toStdString();
        EXPECT_EQ(script.steps.front().text, text) << line.toStdString();
    }
}

TEST(Quoting, FileBytesShowTextAndEscapeTheRest) {
    EXPECT_EQ(scenario::quotedBytes(QByteArray("\xCF\xF0\r\n")),
              QStringLiteral("\"\\xCF\\xF0\\r\\n\""));
    EXPECT_EQ(scenario::quotedBytes(QStringLiteral("Да").toUtf8()), QStringLiteral("\"Да\""));
    // A cut-off UTF-8 sequence at the end is bytes, not text.
    EXPECT_EQ(scenario::quotedBytes(QByteArray("a\xD0")), QStringLiteral("\"a\\xD0\""));
    const QByteArray bytes("\x00\xff\"\\x", 5);
    const auto script =
        parseScript((QStringLiteral("file \"a\" ") + scenario::quotedBytes(bytes)).toUtf8());
    ASSERT_TRUE(script.faults.empty());
    EXPECT_EQ(script.steps.front().bytes, bytes);
}

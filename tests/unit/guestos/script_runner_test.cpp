// The command language of the in-game system's programs, run on bytes with every effect
// written down.
#include <gtest/gtest.h>

#include <QByteArray>

#include "guestos/script_runner.h"
#include "guestos/windows_1251.h"
#include "recording_host.h"

namespace {

using guestos::ScriptEnd;
using guestos_tests::RecordingHost;

class ScriptRunner : public ::testing::Test {
protected:
    // Runs the lines joined with CR LF, as the game's programs are written.
    QStringList run(const QStringList& lines) {
        return runBytes(guestos::encodeWindows1251(lines.join(QStringLiteral("\r\n"))));
    }
    QStringList runBytes(const QByteArray& bytes) {
        RecordingHost host;
        last = guestos::runScript(bytes, title, host);
        return host.effects;
    }

    QString title;
    ScriptEnd last = ScriptEnd::EndOfFile;
};

TEST_F(ScriptRunner, WorkedExample) {
    const QStringList effects =
        run({"frm Demo", "beep", "msg 2 Hello world", "msg t1", "msg d", "MSG 0 Bye"});
    EXPECT_EQ(effects, QStringList({"beep", "info [Demo] Hello world", "critical [Demo] 12:34:56",
                                    "plain [] 09.12.2026", "questionmark [Demo] MSG Bye"}));
    EXPECT_EQ(title, "Demo");
    EXPECT_EQ(last, ScriptEnd::EndOfFile);
}

TEST_F(ScriptRunner, EveryMessageFormInTableOrder) {
    title = QStringLiteral("T");
    const QStringList effects =
        run({"msg 0 zero", "msg 1 one", "msg 2 two", "msg t", "msg t0", "msg t1", "msg t2", "msg d",
             "msg d0", "msg d1", "msg d2", "msg anything"});
    EXPECT_EQ(
        effects,
        QStringList({"questionmark [T] zero", "critical [T] one", "info [T] two",
                     "plain [] 12:34:56", "questionmark [T] 12:34:56", "critical [T] 12:34:56",
                     "info [T] 12:34:56", "plain [] 09.12.2026", "questionmark [T] 09.12.2026",
                     "critical [T] 09.12.2026", "info [T] 09.12.2026", "plain [T] anything"}));
}

TEST_F(ScriptRunner, TimeAndDateIgnoreTheRestOfTheLineButNeedALowerCaseLetter) {
    title = QStringLiteral("T");
    EXPECT_EQ(run({"msg t2 and more", "msg d0msg 0 "}),
              QStringList({"info [T] 12:34:56", "questionmark [T] 09.12.2026"}));
    // A capital letter, a letter with a blank or another digit is plain text.
    EXPECT_EQ(run({"msg T", "msg t ", "msg t3", "msg D1"}),
              QStringList({"plain [T] T", "plain [T] t ", "plain [T] t3", "plain [T] D1"}));
}

TEST_F(ScriptRunner, RemovalsAreGlobalAndCaseSensitive) {
    EXPECT_EQ(run({"msg 0 10 0 apples"}), QStringList({"questionmark [] 1apples"}));
    EXPECT_EQ(run({"msg 1 a 1 b msg c MSG d"}), QStringList({"critical [] a b c MSG d"}));
    // Only the form's own digit goes: "0 " stays in a critical message.
    EXPECT_EQ(run({"msg 1 0 1 2 "}), QStringList({"critical [] 0 2 "}));
    EXPECT_EQ(run({"msg plain msg text 0 "}), QStringList({"plain [] plain text 0 "}));
}

TEST_F(ScriptRunner, ShortMessageLines) {
    // The five-character "msg 0" has the argument "0" alone: plain text.
    EXPECT_EQ(run({"msg 0"}), QStringList({"plain [] 0"}));
    EXPECT_EQ(run({"msg "}), QStringList({"plain [] "}));
    EXPECT_EQ(run({"msg", "ms", ""}), QStringList());
}

TEST_F(ScriptRunner, TitleLines) {
    run({"frm A frm B"});
    EXPECT_EQ(title, "A B");
    run({"FRM x"});
    EXPECT_EQ(title, "FRM x");
    run({"frm "});
    EXPECT_EQ(title, "");
    // "frm" without its blank is no command.
    title = QStringLiteral("kept");
    run({"frm", "frmX"});
    EXPECT_EQ(title, "kept");
}

TEST_F(ScriptRunner, TheTitleOutlivesTheRun) {
    run({"frm First"});
    EXPECT_EQ(run({"msg 2 again"}), QStringList({"info [First] again"}));
}

TEST_F(ScriptRunner, BeepNeedsNoBlank) {
    EXPECT_EQ(run({"beepbeep", "BEEP", "Beep now", "bee", "bee p"}),
              QStringList({"beep", "beep", "beep"}));
}

TEST_F(ScriptRunner, EndNeedsItsBlankAndStopsEverything) {
    EXPECT_EQ(run({"end", "endless", "msg 2 still here"}), QStringList({"info [] still here"}));
    EXPECT_EQ(last, ScriptEnd::EndOfFile);

    EXPECT_EQ(run({"end ", "msg 2 never", "beep"}), QStringList({"end"}));
    EXPECT_EQ(last, ScriptEnd::ProgramEnded);

    EXPECT_EQ(run({"beep", "END now", "beep"}), QStringList({"beep", "end"}));
    EXPECT_EQ(last, ScriptEnd::ProgramEnded);
}

TEST_F(ScriptRunner, AnEmptyFileDoesNothing) {
    EXPECT_EQ(runBytes({}), QStringList());
    EXPECT_EQ(runBytes("\r\n\r\n"), QStringList());
    EXPECT_EQ(last, ScriptEnd::EndOfFile);
}

TEST_F(ScriptRunner, LinesEndWithCrLfLfOrCr) {
    EXPECT_EQ(runBytes("msg a\r\nmsg b\nmsg c\rmsg e"),
              QStringList({"plain [] a", "plain [] b", "plain [] c", "plain [] e"}));
    // A line end is never part of a line, so "end" at the end of a line is still "end ".
    EXPECT_EQ(runBytes("end\r\nbeep\r\n"), QStringList({"beep"}));
}

TEST_F(ScriptRunner, CyrillicTextInWindows1251) {
    // "frm Привет" and "msg 2 Ёлка №1" as a Windows-1251 editor saves them.
    const QByteArray file = "frm \xCF\xF0\xE8\xE2\xE5\xF2\r\nmsg 2 \xA8\xEB\xEA\xE0 \xB9\x31\r\n";
    EXPECT_EQ(runBytes(file), QStringList({QStringLiteral("info [Привет] Ёлка №1")}));
    // "мсг" looks like the command on a Russian keyboard layout, but is none.
    EXPECT_EQ(runBytes("\xEC\xF1\xE3 \xF2\xE5\xEA\xF1\xF2"), QStringList());
}

TEST_F(ScriptRunner, AnEmptyTitleGivesTheGamesOwn) {
    title.clear();
    EXPECT_EQ(run({"msg 0 q", "msg x"}), QStringList({"questionmark [] q", "plain [] x"}));
}

}  // namespace

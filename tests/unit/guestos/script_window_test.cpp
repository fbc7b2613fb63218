// The run-program window: programs listed from the game folder's PF subfolder, run from the
// desktop, with the title that outlives a run.
#include "guestos/script_folder.h"
#include "vexa_fixture.h"

namespace {

const QString CannotOpen = QStringLiteral("Не удалось открыть программу!");

class ScriptWindow : public guestos_tests::VexaFixture {
protected:
    void openWindow() { clickDesktop("Command11"); }
    void pick(const QString& name) {
        const int row = static_cast<int>(desktop("File1").items().indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString() << " not listed";
        choose("File1", row);
    }
    void runFile(const QString& name) {
        pick(name);
        clickDesktop("Command8");
    }
    void expectTitled(ui::MessageKind kind, const QString& text, const QString& title) {
        auto event = services.take();
        ASSERT_TRUE(event.has_value()) << "no message, expected " << text.toStdString();
        EXPECT_EQ(event->kind, kind);
        EXPECT_EQ(event->text, text);
        EXPECT_EQ(event->title, title);
    }
};

TEST_F(ScriptWindow, ListsTheProgramsOfThePfFolder) {
    writeScript("b.RPF", "beep");
    writeScript("a.RPF", "beep");
    writeScript("notes.txt", "beep");
    boot();
    openWindow();
    EXPECT_EQ(desktop("File1").items(), QStringList({"a.RPF", "b.RPF"}));
    // A program written while the desktop runs is there the next time the window is opened.
    writeScript("c.RPF", "beep");
    clickDesktop("Command9");
    openWindow();
    EXPECT_EQ(desktop("File1").items(), QStringList({"a.RPF", "b.RPF", "c.RPF"}));
}

TEST_F(ScriptWindow, RunsTheChosenProgramWithEveryEffect) {
    services.time = QStringLiteral("08:15:00");
    services.date = QStringLiteral("10.12.2026");
    writeScript("demo.RPF",
                "frm \xC4\xE5\xEC\xEE\r\nbeep\r\nmsg 2 \xCF\xF0\xE8\xE2\xE5\xF2\r\n"
                "msg t1\r\nmsg d\r\nMSG 0 Bye\r\n");
    boot();
    openWindow();
    runFile("demo.RPF");
    expectBeeps(1);
    expectTitled(ui::MessageKind::Information, "Привет", "Демо");
    expectTitled(ui::MessageKind::Critical, "08:15:00", "Демо");
    expectTitled(ui::MessageKind::Plain, "10.12.2026", "Tarnvik 2.1");
    expectTitled(ui::MessageKind::QuestionMark, "MSG Bye", "Демо");
    expectQuiet();
    EXPECT_EQ(desktop("File1").fileName(), "demo.RPF") << "the chosen file stays chosen";
}

TEST_F(ScriptWindow, NoChosenFileDoesNothing) {
    writeScript("demo.RPF", "msg 2 hi");
    boot();
    openWindow();
    clickDesktop("Command8");
    expectQuiet();
}

TEST_F(ScriptWindow, TheTitleIsKeptBetweenRunsAndEmptiedByTheShortcut) {
    writeScript("title.RPF", "frm Mine");
    writeScript("show.RPF", "msg 2 x");
    boot();
    openWindow();
    runFile("show.RPF");
    expectTitled(ui::MessageKind::Information, "x", "Tarnvik 2.1");
    runFile("title.RPF");
    runFile("show.RPF");
    expectTitled(ui::MessageKind::Information, "x", "Mine");
    // Minimised and brought back through the task bar, or closed and opened from the start
    // menu's neighbour: still the same title.
    clickDesktop("Command10");
    clickDesktop("Label7");
    runFile("show.RPF");
    expectTitled(ui::MessageKind::Information, "x", "Mine");
    // The shortcut empties it, even while the window is open.
    openWindow();
    runFile("show.RPF");
    expectTitled(ui::MessageKind::Information, "x", "Tarnvik 2.1");
}

TEST_F(ScriptWindow, EachBootStartsWithAnEmptyTitle) {
    writeScript("title.RPF", "frm Mine");
    writeScript("show.RPF", "msg 2 x");
    boot();
    openWindow();
    runFile("title.RPF");
    leaveVexa();
    game->requestClose(window("FrmGB"));
    boot();
    clickDesktop("Command11");
    runFile("show.RPF");
    expectTitled(ui::MessageKind::Information, "x", "Tarnvik 2.1");
}

TEST_F(ScriptWindow, EndAsTheFirstLineClosesTheGameShowingNothing) {
    writeScript("quit.RPF", "end \r\nmsg 2 never\r\n");
    boot();
    openWindow();
    runFile("quit.RPF");
    EXPECT_TRUE(game->ended());
    auto event = services.take();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->type, ui::ServiceEvent::Ended);
    expectQuiet();
    EXPECT_TRUE(game->openWindows().empty());
}

TEST_F(ScriptWindow, AnEmptyFileDoesNothing) {
    writeScript("empty.RPF", "");
    boot();
    openWindow();
    runFile("empty.RPF");
    expectQuiet();
    EXPECT_FALSE(game->ended());
}

TEST_F(ScriptWindow, AMissingOrUnlistableFolderGivesTheMessageAndNothingElse) {
    writeScript("demo.RPF", "beep");
    boot();
    openWindow();
    pick("demo.RPF");
    ASSERT_TRUE(QDir(scriptPath()).removeRecursively());
    clickDesktop("Command8");
    expectMessage(ui::MessageKind::Critical, CannotOpen);
    expectQuiet();
    // A file where the folder should be.
    QFile plain(scriptPath().chopped(1));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    clickDesktop("Command8");
    expectMessage(ui::MessageKind::Critical, CannotOpen);
    expectQuiet();
}

TEST_F(ScriptWindow, AFileOverOneMegabyteIsRefused) {
    QByteArray big(guestos::MaxScriptBytes, 'x');
    big.replace(0, 5, "beep\n");
    writeScript("limit.RPF", big);
    big.append('x');
    writeScript("big.RPF", big);
    boot();
    openWindow();
    runFile("big.RPF");
    expectMessage(ui::MessageKind::Critical, CannotOpen);
    expectQuiet();
    runFile("limit.RPF");
    expectBeeps(1);
}

TEST_F(ScriptWindow, AFileGoneSinceItWasChosenIsNoLongerChosen) {
    writeScript("gone.RPF", "beep");
    boot();
    openWindow();
    pick("gone.RPF");
    ASSERT_TRUE(QFile::remove(scriptPath("gone.RPF")));
    clickDesktop("Command8");
    expectQuiet();
    EXPECT_EQ(desktop("File1").listIndex(), -1);
}

}  // namespace

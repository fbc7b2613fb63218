// Saving from the menu and on the way out: names, questions, and saves that cannot be lost.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "saves_fixture.h"

namespace {

using ui::MessageKind;

// The file of a game just started: 200 rubles, satiety and mood 50, everything else 0.
QByteArray freshGameFile() {
    QByteArray bytes = "mo=/km;~km;~\r\npl?:km;~\r\npl?:km;~\r\n";
    for (int line = 4; line <= 19; ++line) {
        bytes += "km;~\r\n";
    }
    return bytes + " 0 \r\n";
}

class Saving : public saves_tests::SavesFixture {
protected:
    void quit() {
        services.queueAnswer(true);
        ASSERT_TRUE(game->requestClose(window("Form1")));
        expectMessage(MessageKind::Question, "Хотите сохранить игру?");
        ASSERT_NE(game->find("FrmSaveEnd"), nullptr);
    }
};

TEST_F(Saving, TheNameAsTypedGetsTheExtension) {
    ASSERT_TRUE(game->click(control("Form1", "mnusave")));
    EXPECT_EQ(control("Frmsave", "Text1").text(), "Sav");
    EXPECT_EQ(control("Frmsave", "Label1").caption(), "         Введите имя файла");
    EXPECT_FALSE(window("Form1").enabled());
    EXPECT_TRUE(game->clock().enabled());
    click("Frmsave", "Command1");
    expectMessage(MessageKind::Information, "Игра сохранена!");
    EXPECT_EQ(bytesOf("Sav.sav"), freshGameFile());
    EXPECT_EQ(game->find("Frmsave"), nullptr);
    EXPECT_TRUE(window("Form1").enabled());

    saveFromMenu("game.sav");
    expectMessage(MessageKind::Information, "Игра сохранена!");
    saveFromMenu(" x ");
    expectMessage(MessageKind::Information, "Игра сохранена!");
    EXPECT_EQ(files(), QStringList({" x .sav", "game.sav.sav", "Sav.sav"}));
}

TEST_F(Saving, AnExistingSaveIsReplacedOnlyOnYes) {
    writeFile("old.sav", "old");
    services.queueAnswer(false);
    saveFromMenu("old");
    expectMessage(MessageKind::Question, "Этот файл существует. Переписать файл?");
    expectQuiet();
    EXPECT_EQ(bytesOf("old.sav"), "old");
    EXPECT_EQ(control("Frmsave", "Text1").text(), "old");

    services.queueAnswer(true);
    click("Frmsave", "Command1");
    expectMessage(MessageKind::Question, "Этот файл существует. Переписать файл?");
    expectQuiet();  // replacing is not announced
    EXPECT_EQ(bytesOf("old.sav"), freshGameFile());
    EXPECT_EQ(game->find("Frmsave"), nullptr);
    EXPECT_TRUE(window("Form1").enabled());
}

TEST_F(Saving, NamesThatAreNoPlainFileNameAreRefused) {
    const QString outside = folder.path() + "/../outside";
    QFile::link(path("elsewhere"), path("link.sav"));
    ASSERT_TRUE(game->click(control("Form1", "mnusave")));
    for (const QString& name : {QString("a/b"), QString("../outside"), QString("..\\outside"),
                                QString("."), QString(".."), QString("tab\there"),
                                QString("line\nbreak"), QString(QChar(0x7f)), QString("link")}) {
        save("Frmsave", name);
        expectMessage(MessageKind::Exclamation, "Недопустимое имя файла!");
        expectQuiet();
        EXPECT_NE(game->find("Frmsave"), nullptr);
    }
    for (const QString& blank : {QString(""), QString("   "), QString(" \u00a0 ")}) {
        save("Frmsave", blank);
        expectMessage(MessageKind::Exclamation, "Имя файла неможет быть пустым!");
        EXPECT_NE(game->find("Frmsave"), nullptr);
    }
    EXPECT_EQ(files(), QStringList());
    EXPECT_FALSE(QFile::exists(outside + ".sav"));
    EXPECT_FALSE(QFile::exists(path("elsewhere")));
}

TEST_F(Saving, TheFileHoldsTheMomentOfTheClick) {
    ASSERT_TRUE(game->click(control("Form1", "mnusave")));
    game->scheduler().advance(3 * 1500);  // the clock runs while the window is open
    EXPECT_EQ(caption("LblClock"), "03:00");
    setCaption("LblMoney", "1234");
    click("Frmsave", "Command1");
    const QByteArray file = bytesOf("Sav.sav");
    EXPECT_TRUE(file.startsWith("ln:?mo=/np{}ok~;\r\n"));
    EXPECT_TRUE(file.endsWith("\r\n 3 \r\n"));
}

// Every value has a line of its own, in the file's order: a game whose twenty values all differ,
// written with the digit codes up to each line's highest digit, and read back the same way.
TEST_F(Saving, EveryValueGoesToItsOwnLine) {
    setCaption("LblMoney", "1234");
    setCaption("LblEda", "61");
    setCaption("LblRazvl", "42");
    setCaption("LblCoint", "17");
    game::GameGlobals& v = globals();
    v.JobLevel = 3;
    v.CpuLevel = 4;
    v.BrowserLevel = 2;
    v.DiskLevel = "7";
    v.FreeDiskMb = 905;
    v.RamLevel = 8;
    v.VideoLevel = "5";
    v.OsLevel = 6;
    v.LanguageLevel = "9";
    v.AntivirusLevel = 20;
    v.ModemLevel = 30;
    v.InternetConnected = 1;
    v.SchoolPoints = 10;
    v.EnglishPoints = 11;
    v.UniversityPoints = 12;
    v.Hour = 13;
    saveFromMenu("all");
    expectMessage(MessageKind::Information, "Игра сохранена!");
    const QByteArray file =
        "ln:?mo=/np{}ok~;\r\n"  // money 1234
        "kn/=ln:?\r\n"          // satiety 61
        "ok~;mo=/\r\n"          // mood 42
        "ln:?lo}{\r\n"          // points 17
        "np{}\r\n"              // job 3
        "ok~;\r\n"              // processor 4
        "mo=/\r\n"              // browser 2
        "7\r\n"                 // hard disk 7: codes up to 4 only
        "nk'~km;~pl?:\r\n"      // free space 905
        "8\r\n"                 // memory 8: codes up to 2
        "5\r\n"                 // video card 5: up to 4
        "6\r\n"                 // system 6: up to 5
        "nk'~\r\n"              // language 9
        "mo=/km;~\r\n"          // antivirus 20: up to 2
        "np{}km;~\r\n"          // modem 30: up to 3
        "ln:?\r\n"              // internet 1
        "ln:?km;~\r\n"          // secondary education 10
        "ln:?ln:?\r\n"          // English 11
        "ln:?mo=/\r\n"          // higher education 12
        " 13 \r\n";             // hour 13, plain
    EXPECT_EQ(bytesOf("all.sav"), file);

    for (const char* label : {"LblMoney", "LblEda", "LblRazvl", "LblCoint"}) {
        setCaption(label, "0");
    }
    v = game::GameGlobals{};
    loadFromMenu("all.sav");
    expectMessage(MessageKind::Information, "Игра загружена!");
    EXPECT_EQ(caption("LblMoney"), "1234");
    EXPECT_EQ(caption("LblEda"), "61");
    EXPECT_EQ(caption("LblRazvl"), "42");
    EXPECT_EQ(caption("LblCoint"), "17");
    EXPECT_EQ(v.JobLevel, 3);
    EXPECT_EQ(v.CpuLevel, 4);
    EXPECT_EQ(v.BrowserLevel, 2);
    EXPECT_EQ(v.DiskLevel, "7");
    EXPECT_EQ(v.FreeDiskMb, 905);
    EXPECT_EQ(v.RamLevel, 8);
    EXPECT_EQ(v.VideoLevel, "5");
    EXPECT_EQ(v.OsLevel, 6);
    EXPECT_EQ(v.LanguageLevel, "9");
    EXPECT_EQ(v.ModemLevel, 30);
    EXPECT_EQ(v.InternetConnected, 1);
    EXPECT_EQ(v.SchoolPoints, 10);
    EXPECT_EQ(caption("LblClock"), "13:00");
}

TEST_F(Saving, AFailedWriteIsReportedAndTheWindowStays) {
    ASSERT_TRUE(game->click(control("Form1", "mnusave")));
    services.folder = path("gone");
    click("Frmsave", "Command1");
    auto event = services.take();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->kind, MessageKind::Critical);
    EXPECT_TRUE(event->text.startsWith("Не удалось сохранить игру!\r\n"));
    EXPECT_GT(event->text.size(), QString("Не удалось сохранить игру!\r\n").size());
    expectQuiet();
    EXPECT_NE(game->find("Frmsave"), nullptr);

    services.folder = folder.path();
    save("Frmsave", QString(300, u'a'));  // longer than a file name may be
    event = services.take();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->text, "Не удалось сохранить игру!\r\nFile name too long");
    EXPECT_NE(game->find("Frmsave"), nullptr);
    EXPECT_EQ(files(), QStringList());
}

// On the way out nothing ends the program but a save or the close box.
TEST_F(Saving, QuittingStaysUntilTheGameIsSaved) {
    setCaption("LblMoney", "1234");
    setCaption("LblCoint", "77");
    globals().CpuLevel = 2;
    globals().RamLevel = 1;
    game->scheduler().advance(5 * 1500);
    quit();
    EXPECT_EQ(window("FrmSaveEnd").caption(), "Сохранение");
    writeFile("taken.sav", "taken");
    for (const QString& name : {QString(""), QString("  "), QString("../x"), QString("taken")}) {
        services.queueAnswer(false);
        save("FrmSaveEnd", name);
        services.clearPending();
        ASSERT_FALSE(game->ended()) << name.toStdString();
        ASSERT_NE(game->find("FrmSaveEnd"), nullptr);
    }
    const QString saved = services.folder;
    services.folder = path("gone");
    save("FrmSaveEnd", "mine");
    expectMessage(MessageKind::Critical, "Не удалось сохранить игру!\r\nNo such file or directory");
    ASSERT_FALSE(game->ended());
    services.folder = saved;
    save("FrmSaveEnd", "mine");
    expectMessage(MessageKind::Information, "Игра сохранена!");
    EXPECT_TRUE(game->ended());
    EXPECT_EQ(bytesOf("taken.sav"), "taken");
    const QByteArray file = bytesOf("mine.sav");
    EXPECT_TRUE(
        file.startsWith("ln:?mo=/np{}ok~;\r\npl?:km;~\r\npl?:km;~\r\nlo}{lo}{\r\nkm;~\r\n"
                        "mo=/\r\n"));
    EXPECT_TRUE(file.contains("\r\nln:?\r\n"));  // the memory
    EXPECT_TRUE(file.endsWith("\r\n 5 \r\n"));
}

TEST_F(Saving, TheCloseBoxOnTheWayOutEndsTheProgramUnsaved) {
    quit();
    ASSERT_TRUE(game->requestClose(window("FrmSaveEnd")));
    EXPECT_TRUE(game->ended());
    EXPECT_EQ(files(), QStringList());
}

// A save that is cut short, by a full disk or by the end of the process, leaves the old file.
class CutShort : public Saving {
protected:
    // Saves over old.sav in a child process that may write no file larger than 64 bytes, and
    // returns what the child saw: its messages and whether the window stayed, or how it died.
    QString saveInChild(bool killedByTheLimit) {
        writeFile("old.sav", freshGameFile());
        setCaption("LblMoney", "999");
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(out[0]);
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            signal(SIGXFSZ, killedByTheLimit ? SIG_DFL : SIG_IGN);
            const rlimit small{64, 64};
            setrlimit(RLIMIT_FSIZE, &small);
            services.queueAnswer(true);
            game->click(control("Form1", "mnusave"));
            save("Frmsave", "old");
            QString seen;
            for (const auto& event : services.pending()) {
                seen += QString(ui::kindName(event.kind)) + ": " + event.text + "\n";
            }
            seen += game->find("Frmsave") != nullptr ? "open" : "closed";
            const QByteArray report = seen.toUtf8();
            [[maybe_unused]] auto written = write(out[1], report.data(), report.size());
            _exit(0);
        }
        close(out[1]);
        QByteArray report;
        char buffer[512];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
            report.append(buffer, n);
        }
        close(out[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFSIGNALED(status)) {
            return QString("killed by signal %1").arg(WTERMSIG(status));
        }
        return QString::fromUtf8(report);
    }
};

TEST_F(CutShort, AFullDiskKeepsTheOldSave) {
    EXPECT_EQ(saveInChild(false),
              "question: Этот файл существует. Переписать файл?\n"
              "critical: Не удалось сохранить игру!\r\nFile too large\nopen");
    EXPECT_EQ(bytesOf("old.sav"), freshGameFile());
}

TEST_F(CutShort, AKillDuringTheSaveKeepsTheOldSave) {
    EXPECT_EQ(saveInChild(true), QString("killed by signal %1").arg(SIGXFSZ));
    EXPECT_EQ(bytesOf("old.sav"), freshGameFile());
    ASSERT_TRUE(game->click(control("Form1", "mnuload")));
    EXPECT_EQ(control("Frmload", "File1").items(), QStringList({"old.sav"}));
}

}  // namespace

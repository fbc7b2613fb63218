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
    save("Frmsave", "");
    expectMessage(MessageKind::Exclamation, "Имя файла неможет быть пустым!");
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
    for (const QString& name : {QString(""), QString("../x"), QString("taken")}) {
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

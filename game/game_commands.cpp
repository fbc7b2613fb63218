#include "game/game_commands.h"

#include "game/form1.h"
#include "game/game.h"
#include "game/hardware_parts.h"
#include "ui/numbers.h"

namespace game {

namespace {

const QString None = QStringLiteral("Нет");

}  // namespace

void startGame(Game& g) {
    g.info(
        QStringLiteral("Вы приехали в чужой город, далеко от родного.\r\n"
                       "Обустроившись на новом месте вы решаетесь изучать компьютерную науку.\r\n"
                       "На этом ваш компьютерный путь начинается."));
    g.services().randomize();
    GameGlobals& v = g.globals;
    v.InternetConnected = 0;
    g.form1().control("mnuVexa").setEnabled(false);
    v.DiskLevel = QStringLiteral("0");
    v.Salary = 0;
    v.JobLevel = 0;
    v.CpuLevel = 0;
    v.RamLevel = 0;
    v.VideoLevel = QStringLiteral("0");
    v.OsLevel = 0;
    v.AntivirusLevel = 0;
    v.ModemLevel = 0;
    v.ModemSpeed = 0;
    v.SchoolPoints = 0;
    v.EnglishPoints = 0;
    v.UniversityPoints = 0;
    v.BrowserLevel = 0;
    v.FreeDiskMb = 0;
    v.Hour = 0;
    v.LanguageLevel = QStringLiteral("0");
}

void newGame(Game& g) {
    if (!g.ask(QStringLiteral("Хотите начать новую игру?"))) {
        return;
    }
    GameGlobals& v = g.globals;
    g.setCaption("LblMoney", QStringLiteral("200"));
    for (const char* label : {"LblWork", "LblCPU", "LblModem", "LblRam", "LblOS", "LblAV"}) {
        g.setCaption(label, None);
    }
    g.setCaption("LblCoint", QStringLiteral("0"));
    g.setCaption("LblEda", QStringLiteral("50"));
    g.setCaption("LblRazvl", QStringLiteral("50"));
    g.setCaption("LblIB", None);
    g.setCaption("LblClock", QStringLiteral(" 00:00"));
    v.Salary = 0;
    v.JobLevel = 0;
    v.CpuLevel = 0;
    v.RamLevel = 0;
    v.OsLevel = 0;
    v.AntivirusLevel = 0;
    v.ModemLevel = 0;
    v.BrowserLevel = 0;
    v.ModemSpeed = 0;
    v.DiskLevel = QStringLiteral("0");
    g.setCaption("LblHD", None);
    g.setFreeDisk(0);
    v.Hour = 0;
    v.InternetConnected = 0;
    v.SchoolPoints = 0;
    v.EnglishPoints = 0;
    v.UniversityPoints = 0;
    for (const char* label : {"Lbl1", "Lbl2", "Lbl3"}) {
        g.setCaption(label, QStringLiteral("Незнаю"));
    }
    g.withdrawRemovedSystem();
    // The video card, the language, the name, the internet button's caption, the download and
    // the clock's speed and state stay as they were.
}

void offerSaveOnExit(Game& g) {
    const bool save = g.ask(QStringLiteral("Хотите сохранить игру?"));
    if (save && g.knowsWindow(QStringLiteral("FrmSaveEnd"))) {
        // The player has quit: a download left running must neither change the game that is
        // about to be saved nor keep the program alive once the save window closes.
        for (ui::Window* window : g.openWindows()) {
            if (window->name() != QStringLiteral("Form1")) {
                g.close(*window);
            }
        }
        g.show(QStringLiteral("FrmSaveEnd"));
        return;  // the save-on-exit window ends the program when it is done
    }
    g.endProgram();
}

void formatDisk(Game& g) {
    GameGlobals& v = g.globals;
    const int level = levelNumber(v.DiskLevel);
    if (level <= 0) {
        g.critical(QStringLiteral("У вас нет винчестера!"));
        return;
    }
    if (!g.ask(QStringLiteral("Хотите отформатировать винчестер?"))) {
        return;
    }
    v.OsLevel = 0;
    v.AntivirusLevel = 0;
    v.BrowserLevel = 0;
    g.setCaption("LblOS", None);
    g.setCaption("LblAV", None);
    g.setCaption("LblIB", None);
    // A disk level no store sells (only a damaged save could hold one) keeps its free space.
    if (const int capacity = diskCapacity(level); capacity > 0) {
        g.setFreeDisk(capacity);
    }
    g.withdrawRemovedSystem();
}

void switchSound(Game& g) {
    const bool on = !g.services().soundOn();
    g.services().setSoundOn(on);
    g.form1().control("mnuSound").setChecked(on);
}

}  // namespace game

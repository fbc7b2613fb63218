#include "saves/rebuild.h"

#include <QStringList>
#include <array>
#include <cstdint>

#include "game/form1.h"
#include "game/game.h"
#include "game/game_commands.h"
#include "game/language_names.h"
#include "ui/numbers.h"

namespace saves {

namespace {

const QString None = QStringLiteral("Нет");

// Level n is row n - 1. These are the names a loaded game shows: the browsers carry their full
// names here, as they are listed in the software store.
const QStringList Processors = {"Intel Pentium 2", "Intel Pentium 3", "Intel Pentium 4",
                                "Intel Core 2 Duo"};
const QStringList Memories = {"DDR16", "DDR32"};
const QStringList Modems = {"Modem 14 kb/s", "Modem 28 kb/s", "Modem 56 kb/s"};
const QStringList Disks = {"Винчестер 1000 MB", "Винчестер 3000 MB", "Винчестер 5500 MB",
                           "Винчестер 16000 MB"};
const QStringList VideoCards = {"Video 64MB", "Video 128MB", "Video 256MB", "Video 512MB"};
const QStringList Systems = {"Windows 98", "Windows 2000", "Windows XP", "Windows Vista", "Vexa 2"};
const QStringList Antiviruses = {"NOD32", "NOD64"};
const QStringList Browsers = {"Internet Explorer 3", "Internet Explorer 5", "Internet Explorer 6",
                              "Internet Explorer 7"};
const QStringList Jobs = {"Стажер",
                          "Помощник програмиста",
                          "Млачший програмист",
                          "Програмист",
                          "Старший програмист",
                          "Администратор",
                          "Старший администратор",
                          "Начальник отдела",
                          "Директор"};
constexpr std::array<std::int16_t, 9> Salaries = {10, 20, 30, 50, 70, 80, 95, 105, 120};
constexpr std::array<std::uint8_t, 3> ModemSteps = {5, 10, 20};

bool named(int level, const QStringList& names) {
    return level >= 1 && level <= names.size();
}

// The label shows the level's name, "Нет" for none, and keeps its text for a level no name has.
void show(game::Game& g, const QString& label, int level, const QStringList& names) {
    if (named(level, names)) {
        g.setCaption(label, names.at(level - 1));
    } else if (level == 0) {
        g.setCaption(label, None);
    }
}

void rebuildClock(game::Game& g) {
    // An hour past the day's end holds no time of day: the day starts again.
    if (g.globals.Hour > 23) {
        g.globals.Hour = 0;
    }
    g.setCaption(QStringLiteral("LblClock"),
                 QStringLiteral("%1:00").arg(g.globals.Hour, 2, 10, QChar(u'0')));
}

void rebuildJob(game::Game& g) {
    const int level = g.globals.JobLevel;
    g.globals.Salary = named(level, Jobs) ? Salaries.at(static_cast<std::size_t>(level - 1)) : 0;
    show(g, QStringLiteral("LblWork"), level, Jobs);
}

void rebuildInternet(game::Game& g, const QString& internet) {
    const double value = ui::toNumber(internet);
    if (value == 0) {
        g.globals.InternetConnected = 0;
        g.setCaption(QStringLiteral("Command4"), QStringLiteral("Подключиться к интернету"));
    } else if (value == 1) {
        g.globals.InternetConnected = 1;
        g.setCaption(QStringLiteral("Command4"), QStringLiteral("Войти в интернет"));
    }
}

void rebuildModem(game::Game& g) {
    const int level = g.globals.ModemLevel;
    g.globals.ModemSpeed =
        named(level, Modems) ? ModemSteps.at(static_cast<std::size_t>(level - 1)) : 0;
    show(g, QStringLiteral("LblModem"), level, Modems);
}

void rebuildEducation(game::Game& g, std::uint8_t& points, const QString& label) {
    if (points > 10) {
        points = 0;
    }
    g.setCaption(label, QString::number(points));
}

// The saved free space stands where the disk could hold it; a value no disk of that size
// could have left gives the whole disk, and no disk has no space.
void rebuildFreeDisk(game::Game& g) {
    const int level = game::levelNumber(g.globals.DiskLevel);
    const int saved = g.globals.FreeDiskMb;
    if (level == 0) {
        g.setFreeDisk(0);
    } else if (const int capacity = game::diskCapacity(level); capacity > 0) {
        g.setFreeDisk(saved >= 0 && saved <= capacity ? saved : capacity);
    } else {
        g.setFreeDisk(saved);
    }
}

}  // namespace

void rebuildFromLevels(game::Game& g, const QString& internet) {
    game::GameGlobals& v = g.globals;
    rebuildClock(g);
    show(g, QStringLiteral("LblPL"), game::levelNumber(v.LanguageLevel), game::languageNames());
    show(g, QStringLiteral("LblHD"), game::levelNumber(v.DiskLevel), Disks);
    if (!named(v.BrowserLevel, Browsers)) {
        v.BrowserLevel = 0;
    }
    show(g, QStringLiteral("LblIB"), v.BrowserLevel, Browsers);
    show(g, QStringLiteral("LblVideo"), game::levelNumber(v.VideoLevel), VideoCards);
    rebuildJob(g);
    show(g, QStringLiteral("LblCPU"), v.CpuLevel, Processors);
    show(g, QStringLiteral("LblRam"), v.RamLevel, Memories);
    show(g, QStringLiteral("LblOS"), v.OsLevel, Systems);
    // The in-game system can be started exactly while it is installed.
    g.form1().control(QStringLiteral("mnuVexa")).setEnabled(v.OsLevel == 5);
    if (!named(v.AntivirusLevel, Antiviruses)) {
        v.AntivirusLevel = 0;
    }
    show(g, QStringLiteral("LblAV"), v.AntivirusLevel, Antiviruses);
    rebuildInternet(g, internet);
    rebuildModem(g);
    rebuildEducation(g, v.SchoolPoints, QStringLiteral("Lbl1"));
    rebuildEducation(g, v.EnglishPoints, QStringLiteral("Lbl2"));
    rebuildEducation(g, v.UniversityPoints, QStringLiteral("Lbl3"));
    rebuildFreeDisk(g);
}

}  // namespace saves

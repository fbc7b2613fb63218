#include "saves/rebuild.h"

#include <QStringList>
#include <cstdint>

#include "game/form1.h"
#include "game/game.h"
#include "game/hardware_parts.h"
#include "game/job_ladder.h"
#include "game/programs.h"
#include "game/start_download.h"
#include "ui/numbers.h"

namespace saves {

namespace {

const QString None = QStringLiteral("Нет");

// The names a loaded game shows, level n at row n - 1: the catalogues' own, and the system the
// in-game web installs. A loaded browser is named as the store lists it, not with the spelling
// its label gets from a purchase ("Inernet").
QStringList systemNames() {
    QStringList names = game::programNames(game::ProgramKind::System);
    names.resize(game::InGameSystemLevel - 1);
    names.append(QString::fromUtf8(game::InGameSystemName));
    return names;
}

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
    const auto& ladder = game::jobLadder();
    QStringList names;
    for (const game::Job& job : ladder) {
        names.append(QString::fromUtf8(job.name));
    }
    g.globals.Salary =
        named(level, names) ? ladder.at(static_cast<std::size_t>(level - 1)).salary : 0;
    show(g, QStringLiteral("LblWork"), level, names);
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
    g.globals.ModemSpeed = game::modemSpeed(level);
    show(g, QStringLiteral("LblModem"), level, game::partNames(game::Component::Modem));
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
    using game::Component;
    using game::ProgramKind;
    game::GameGlobals& v = g.globals;
    rebuildClock(g);
    show(g, QStringLiteral("LblPL"), game::levelNumber(v.LanguageLevel), game::languageNames());
    show(g, QStringLiteral("LblHD"), game::levelNumber(v.DiskLevel),
         game::partNames(Component::Disk));
    const QStringList browsers = game::programNames(ProgramKind::Browser);
    if (!named(v.BrowserLevel, browsers)) {
        v.BrowserLevel = 0;
    }
    show(g, QStringLiteral("LblIB"), v.BrowserLevel, browsers);
    show(g, QStringLiteral("LblVideo"), game::levelNumber(v.VideoLevel),
         game::partNames(Component::Video));
    rebuildJob(g);
    show(g, QStringLiteral("LblCPU"), v.CpuLevel, game::partNames(Component::Processor));
    show(g, QStringLiteral("LblRam"), v.RamLevel, game::partNames(Component::Memory));
    show(g, QStringLiteral("LblOS"), v.OsLevel, systemNames());
    // The in-game system can be started exactly while it is installed.
    g.form1().control(QStringLiteral("mnuVexa")).setEnabled(v.OsLevel == game::InGameSystemLevel);
    const QStringList antiviruses = game::programNames(ProgramKind::Antivirus);
    if (!named(v.AntivirusLevel, antiviruses)) {
        v.AntivirusLevel = 0;
    }
    show(g, QStringLiteral("LblAV"), v.AntivirusLevel, antiviruses);
    rebuildInternet(g, internet);
    rebuildModem(g);
    rebuildEducation(g, v.SchoolPoints, QStringLiteral("Lbl1"));
    rebuildEducation(g, v.EnglishPoints, QStringLiteral("Lbl2"));
    rebuildEducation(g, v.UniversityPoints, QStringLiteral("Lbl3"));
    rebuildFreeDisk(g);
}

}  // namespace saves

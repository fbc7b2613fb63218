#include "stores/form3.h"

#include <array>
#include <cstdint>

#include "game/form1.h"
#include "game/game.h"
#include "stores/purchase.h"

namespace stores {

namespace {

// What a program needs before it can be installed; zero means no need.
struct Needs {
    int cpu;
    int ram;
    int video;
    int os;
};

struct Software {
    const char* name;
    ProgramKind kind;
    int level;
    int price;
    int diskMb;
    const char* labelText;  // the browsers' label spelling differs from the list's
    Needs needs;
    const char* needsRefusal;
};

constexpr std::array<Software, 10> Catalogue = {{
    {"Windows Vista",
     ProgramKind::System,
     4,
     200,
     3000,
     "Windows Vista",
     {4, 2, 4, 0},
     "Windows Vista можно поставить на процессор Intel Core 2 Duo, Ram DDR32, видео карту 512MB "
     "и выше!"},
    {"Windows XP",
     ProgramKind::System,
     3,
     100,
     1500,
     "Windows XP",
     {3, 2, 3, 0},
     "Windows XP можно поставить на процессор Intel Pentium 4, Ram DDR32, видео карту 256MB и "
     "выше!"},
    {"Windows 2000",
     ProgramKind::System,
     2,
     70,
     1000,
     "Windows 2000",
     {2, 1, 2, 0},
     "Windows 2000 можно поставить на процессор Intel Pentium 3, Ram DDR16, видео карту 128MB и "
     "выше!"},
    {"Windows 98",
     ProgramKind::System,
     1,
     40,
     500,
     "Windows 98",
     {1, 1, 1, 0},
     "Windows 98 можно поставить на процессор Intel Pentium 2, Ram DDR16, видео карту 64MB и "
     "выше!"},
    {"NOD32",
     ProgramKind::Antivirus,
     1,
     50,
     50,
     "NOD32",
     {0, 0, 0, 1},
     "NOD32 можно поставить на ОС Windows 98 и лучше!"},
    {"NOD64",
     ProgramKind::Antivirus,
     2,
     80,
     100,
     "NOD64",
     {0, 0, 0, 3},
     "NOD64 можно поставить на ОС Windows XP и лучше!"},
    {"Internet Explorer 3",
     ProgramKind::Browser,
     1,
     50,
     20,
     "Inernet Explorer 3",
     {0, 0, 0, 1},
     "Internet Explorer 3 можно поставить на ОС Windows 98 и лучше!"},
    {"Internet Explorer 5",
     ProgramKind::Browser,
     2,
     75,
     50,
     "Inernet Explorer 5",
     {0, 0, 0, 2},
     "Internet Explorer 5 можно поставить на ОС Windows 2000 и лучше!"},
    {"Internet Explorer 6",
     ProgramKind::Browser,
     3,
     100,
     100,
     "Inernet Explorer 6",
     {0, 0, 0, 3},
     "Internet Explorer 6 можно поставить на ОС Windows XP и лучше!"},
    {"Internet Explorer 7",
     ProgramKind::Browser,
     4,
     150,
     150,
     "Inernet Explorer 7",
     {0, 0, 0, 4},
     "Internet Explorer 7 можно поставить на ОС Windows Vista и лучше!"},
}};

// Windows Vista announces itself before it is installed.
constexpr int ThanksFirstRow = 0;

struct SoftwareKind {
    const char* label;
    const char* sameRefusal;
    const char* betterRefusal;
    const char* success;
};

const SoftwareKind& kindOf(ProgramKind kind) {
    static const std::array<SoftwareKind, 3> kinds = {{
        {"LblOS", "У вас эта OS установлена!", "У вас стоит OS лучшее этой!", "ОС купленно!"},
        {"LblAV", "У вас этот Антивирус установлен!", "У вас стоит Антивирус лучшее этого!",
         "Антивирус купленно!"},
        {"LblIB", "У вас этот интернет браузер установлен!",
         "У вас стоит интернет браузер лучшее этого!", "Интернет Браузер купленно!"},
    }};
    return kinds.at(static_cast<std::size_t>(kind));
}

std::uint8_t& levelOf(game::GameGlobals& v, ProgramKind kind) {
    switch (kind) {
        case ProgramKind::System:
            return v.OsLevel;
        case ProgramKind::Antivirus:
            return v.AntivirusLevel;
        case ProgramKind::Browser:
            return v.BrowserLevel;
    }
    return v.OsLevel;
}

bool needsMet(const game::GameGlobals& v, const Needs& needs) {
    return v.CpuLevel >= needs.cpu && v.RamLevel >= needs.ram &&
           game::levelNumber(v.VideoLevel) >= needs.video && v.OsLevel >= needs.os;
}

QStringList names() {
    QStringList list;
    for (const Software& s : Catalogue) {
        list.append(QString::fromUtf8(s.name));
    }
    return list;
}

// The price beside each program is the one charged for it.
QStringList prices() {
    QStringList list;
    for (const Software& s : Catalogue) {
        list.append(QString::number(s.price));
    }
    return list;
}

}  // namespace

QStringList programNames(ProgramKind kind) {
    return namesByLevel(Catalogue, [kind](const Software& s) { return s.kind == kind; });
}

Form3::Form3(game::Game& game) : StoreWindow(game, {"Form3", "ПО", 170, 60, 2}, names(), prices()) {
    control("Command1").onClick = [this] { buy(); };
    addButton("Command2", "Купить язык программирования", buttonPlace(1)).onClick = [this] {
        toLanguageStore();
    };
}

void Form3::queryUnload() {
    game_.endActivity();
}

void Form3::buy() {
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(Catalogue.size())) {
        game_.exclamation(QStringLiteral("Выберете ПО!"));
        return;
    }
    const Software& item = Catalogue.at(static_cast<std::size_t>(row));
    const SoftwareKind& kind = kindOf(item.kind);
    game::GameGlobals& v = game_.globals;
    const int installed = levelOf(v, item.kind);
    if (!needsMet(v, item.needs)) {
        game_.exclamation(QString::fromUtf8(item.needsRefusal));
        return;
    }
    if (money(game_) < item.price) {
        game_.exclamation(moneyShortRefusal());
        return;
    }
    if (installed > item.level) {
        game_.exclamation(QString::fromUtf8(kind.betterRefusal));
        return;
    }
    if (installed == item.level) {
        game_.exclamation(QString::fromUtf8(kind.sameRefusal));
        return;
    }
    if (v.FreeDiskMb < item.diskMb) {
        game_.exclamation(lowDiskRefusal(item.diskMb));
        return;
    }
    const QString success = QString::fromUtf8(kind.success);
    if (row == ThanksFirstRow) {
        game_.info(success);
    }
    awardClimb(game_, installed, item.level);
    // The replaced program's space is not given back.
    game_.setFreeDisk(v.FreeDiskMb - item.diskMb);
    levelOf(v, item.kind) = static_cast<std::uint8_t>(item.level);
    if (row != ThanksFirstRow) {
        game_.info(success);
    }
    game_.setCaption(QString::fromUtf8(kind.label), QString::fromUtf8(item.labelText));
    setMoney(game_, money(game_) - item.price);
}

void Form3::toLanguageStore() {
    game::Game& game = game_;
    // Closing gives the clock and the main window back; the language store takes them again.
    game.close(*this);
    game.form1().setEnabled(false);
    game.clock().setEnabled(false);
    game.show(QStringLiteral("FrmPL"));
}

}  // namespace stores

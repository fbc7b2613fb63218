#include "web/frm_dl.h"

#include <algorithm>

#include "game/game.h"
#include "game/points_and_money.h"
#include "game/start_download.h"

namespace web {

namespace {

constexpr int Width = 380;
constexpr int Height = 150;
constexpr int Margin = 12;
constexpr int IconSize = 48;
constexpr int TextLeft = Margin + IconSize + 10;
constexpr int TextWidth = Width - TextLeft - Margin;
constexpr int ButtonWidth = (Width - 2 * Margin - 12) / 2;

constexpr ui::Color BarBack{32, 32, 32};  // the part still to come, seen against the window

QString fileName(const game::GameGlobals& v) {
    return v.DownloadName + QStringLiteral(".rar");
}

}  // namespace

FrmDL::FrmDL(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Загрузка"), Width, Height), game_(game) {
    ui::Control& icon = add("Image1", ui::ControlKind::Image, {Margin, Margin, IconSize, IconSize});
    icon.setPicture(QStringLiteral("Images/web/Download.png"));
    icon.decorative = true;
    ui::Control& title = addLabel("Label1", "Загрузка 0 ", {TextLeft, Margin, TextWidth, 22});
    title.bold = true;
    addLabel("Label2", "0 MB из 0 MB", {TextLeft, Margin + 26, TextWidth, 20});
    ui::Control& bar =
        add("ProgressBar1", ui::ControlKind::ProgressBar, {Margin, 72, Width - 2 * Margin, 18});
    bar.setBackColor(BarBack);
    bar.labelledBy = &title;  // "Загрузка Vexa.rar"
    addButton("Command1", "Сохранить", {Margin, 106, ButtonWidth, 26}).onClick = [this] {
        start();
    };
    addButton("Command2", "Отмена", {Width - Margin - ButtonWidth, 106, ButtonWidth, 26}).onClick =
        [this] { cancel(); };
    addTimer("Timer1", 1000, false).onTick = [this] { step(); };
}

void FrmDL::load() {
    const game::GameGlobals& v = game_.globals;
    control("Label1").setCaption(QStringLiteral("Загрузка ") + fileName(v));
    control("ProgressBar1").setRange(0, v.DownloadSize);
    // A download left off shows at once how far it had come.
    showProgress();
}

void FrmDL::queryUnload() {
    if (ui::Window* browser = game_.find(QStringLiteral("FrmInternet"))) {
        browser->setEnabled(true);
    }
}

void FrmDL::start() {
    control("Timer1").setEnabled(true);
    control("Command1").setEnabled(false);
}

void FrmDL::cancel() {
    game::Game& game = game_;
    control("Timer1").setEnabled(false);
    game.info(QStringLiteral("Загрузка прервана"));
    game.close(*this);
    game.globals.DownloadDone = 0;
}

void FrmDL::step() {
    game::GameGlobals& v = game_.globals;
    if (v.DownloadDone == v.DownloadSize) {
        complete();
        return;
    }
    // Never past the end: a faster modem bought half-way must not step over the last MB.
    v.DownloadDone =
        static_cast<std::int16_t>(std::min(v.DownloadDone + v.ModemSpeed, int(v.DownloadSize)));
    showProgress();
}

void FrmDL::complete() {
    game::Game& game = game_;
    game::GameGlobals& v = game.globals;
    control("Timer1").setEnabled(false);
    // Space given up since the download began is checked again: a file that does not fit is
    // kept as received, and "Сохранить" tries once more when there is room.
    if (v.FreeDiskMb < v.DownloadSize) {
        game.exclamation(game::lowDiskRefusal(v.DownloadSize));
        control("Command1").setEnabled(true);
        return;
    }
    game.info(QStringLiteral("Файл ") + fileName(v) + QStringLiteral(" загружен!"));
    if (v.DownloadKind == game::OperatingSystemFile) {
        game.setCaption(QStringLiteral("LblOS"), QString::fromUtf8(game::InGameSystemName));
        game::awardClimb(game, v.OsLevel, game::InGameSystemLevel);
        v.OsLevel = game::InGameSystemLevel;
    }
    game::setMoney(game, game::money(game) - v.DownloadSize);
    game.setFreeDisk(v.FreeDiskMb - v.DownloadSize);
    v.DownloadDone = 0;
    game.close(*this);
}

void FrmDL::showProgress() {
    const game::GameGlobals& v = game_.globals;
    control("ProgressBar1").setValue(std::min(v.DownloadDone, v.DownloadSize));
    control("Label2").setCaption(QString::number(v.DownloadDone) + QStringLiteral(" MB из ") +
                                 QString::number(v.DownloadSize) + QStringLiteral(" MB"));
}

}  // namespace web

#include "web/frm_internet.h"

#include <algorithm>

#include "game/form1.h"
#include "game/game.h"
#include "game/points_and_money.h"
#include "game/start_download.h"
#include "ui/metrics.h"
#include "web/site_texts.h"

namespace web {

namespace {

constexpr int Width = 600;
constexpr int Margin = 8;
constexpr int BarTop = 8;
constexpr int BarHeight = 24;
constexpr int GoWidth = 64;
constexpr int PageTop = BarTop + BarHeight + 8;
constexpr int PageWidth = Width - 2 * Margin;
constexpr int PageHeight = 400;
constexpr int ProgressTop = PageTop + PageHeight + 6;
constexpr int ProgressHeight = 16;
constexpr int Height = ProgressTop + ProgressHeight + Margin;

// A page is in when the bar reaches the end; the tick after that answers it.
constexpr int PageLoaded = 100;
// Every page that is shown costs this much, and a go request needs at least as much.
constexpr double PagePrice = 5;
// The in-game system's archive on the home site.
constexpr std::int16_t VexaSizeMb = 2000;

// The home site's own colours, a shade apart from the browser around it.
constexpr ui::Color SiteBack{0, 24, 0};
constexpr ui::Color SiteText{160, 232, 160};
constexpr ui::Color PaperBack{24, 24, 24};
// The jokes site is somebody else's: amber on dark brown.
constexpr ui::Color JokesBack{20, 14, 0};
constexpr ui::Color JokesTitle{255, 192, 0};
constexpr ui::Color JokesText{240, 220, 160};
constexpr ui::Color JokesPaper{34, 26, 8};
// The address box and the bar stand out from the window around them.
constexpr ui::Color FieldBack{32, 32, 32};

// The feature list's eight lines and the empty one after its last line break.
constexpr int HomeTextLines = 9;

void paint(ui::Control& control, ui::Color fore, ui::Color back) {
    control.setForeColor(fore);
    control.setBackColor(back);
}

}  // namespace

FrmInternet::FrmInternet(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Интернет"), Width, Height), game_(game) {
    ui::Control& address = add("ComboS", ui::ControlKind::ComboBox,
                               {Margin, BarTop, Width - 2 * Margin - GoWidth - 6, BarHeight});
    address.setText(homeSiteAddress());
    address.setBackColor(FieldBack);
    address.spokenName = QStringLiteral("Адрес");
    address.onKeyPress = [this](int code) {
        if (code == 13) {
            goRequest();
        }
    };
    addButton("Command1", "Пуск", {Width - Margin - GoWidth, BarTop, GoWidth, BarHeight}).onClick =
        [this] { goRequest(); };

    ui::Control& area =
        add("Picture1", ui::ControlKind::PictureBox, {Margin, PageTop, PageWidth, PageHeight});
    area.setBackColor(SiteBack);
    area.spokenName = QStringLiteral("Страница");
    layOutHomePage(area);

    ui::Control& bar = add("ProgressBar1", ui::ControlKind::ProgressBar,
                           {Margin, ProgressTop, PageWidth, ProgressHeight});
    bar.setRange(0, PageLoaded);
    bar.setBackColor(FieldBack);
    bar.spokenName = QStringLiteral("Загрузка страницы");
    addTimer("Timer1", 500, false).onTick = [this] {
        // The draw is made on every tick, also when nothing is stolen.
        loadStep(20 + static_cast<int>(game_.random() * 11));
    };
}

void FrmInternet::layOutHomePage(ui::Control& area) {
    ui::Control& home =
        add("Picture2", ui::ControlKind::PictureBox, {0, 0, PageWidth, PageHeight}, &area);
    home.setBackColor(SiteBack);
    home.setVisible(false);

    ui::Control& banner = add("Image1", ui::ControlKind::Image, {0, 0, PageWidth, 120}, &home);
    banner.setPicture(QStringLiteral("Images/web/TarnvikSite.png"));
    banner.decorative = true;
    ui::Control& title =
        addLabel("Label1", "         Сайт про Tarnvik 1.0", {8, 128, 360, 26}, &home);
    title.fontSize = 14;
    title.bold = true;
    paint(title, SiteText, SiteBack);
    home.labelledBy = &title;

    ui::Control& text =
        add("Text1", ui::ControlKind::TextBox,
            {16, 162, 340, 2 * ui::TextBoxInset + ui::LineHeight * HomeTextLines + 6}, &home);
    text.multiLine = true;
    text.readOnly = true;
    paint(text, SiteText, PaperBack);
    text.setText(homePageText());
    text.labelledBy = &title;

    // The offer below says what the box shows.
    ui::Control& box = add("Image2", ui::ControlKind::Image, {392, 132, 160, 120}, &home);
    box.setPicture(QStringLiteral("Images/web/VexaBox.png"));
    box.decorative = true;
    ui::Control& offer =
        addLabel("Label3", "Vexa 2 — своя ОС!\nРазмер: 2000 MB\nТрафик: 1 рубль за MB",
                 {376, 256, 192, 52}, &home);
    offer.multiLine = true;
    offer.align = ui::Align::Center;
    paint(offer, SiteText, SiteBack);
    addButton("Command2", "Скачать Vexa", {392, 316, 160, 26}, &home).onClick = [this] {
        downloadVexa();
    };

    layOutErrorPage(home);
}

void FrmInternet::layOutErrorPage(ui::Control& home) {
    ui::Control& error =
        add("Picture3", ui::ControlKind::PictureBox, {0, 0, PageWidth, PageHeight}, &home);
    error.setVisible(false);
    ui::Control& sign =
        add("Picture4", ui::ControlKind::PictureBox, {(PageWidth - 96) / 2, 96, 96, 96}, &error);
    sign.setPicture(QStringLiteral("Images/web/NoPage.png"));
    sign.decorative = true;
    ui::Control& sorry =
        addLabel("Label2", "Такой страницы несуществует!", {0, 204, PageWidth, 28}, &error);
    sorry.fontSize = 14;
    sorry.bold = true;
    sorry.align = ui::Align::Center;
    error.labelledBy = &sorry;
    ui::Control& hint = addLabel("Label4", "Проверьте, правильно ли набран адрес.",
                                 {0, 236, PageWidth, 20}, &error);
    hint.align = ui::Align::Center;
    hint.setForeColor(ui::colors::Green);

    layOutJokesPage(error);
}

void FrmInternet::layOutJokesPage(ui::Control& error) {
    ui::Control& jokes =
        add("Picture5", ui::ControlKind::PictureBox, {0, 0, PageWidth, PageHeight}, &error);
    jokes.setVisible(false);
    jokes.setBackColor(JokesBack);
    ui::Control& title = addLabel("Label5", "Шутки.ру — анекдоты про компьютеры и не только",
                                  {8, 6, PageWidth - 16, 26}, &jokes);
    title.fontSize = 14;
    title.bold = true;
    paint(title, JokesTitle, JokesBack);
    jokes.labelledBy = &title;
    ui::Control& text =
        add("Text2", ui::ControlKind::TextBox, {8, 38, PageWidth - 16, PageHeight - 46}, &jokes);
    text.multiLine = true;
    text.readOnly = true;
    paint(text, JokesText, JokesPaper);
    text.setText(jokesPageText());
    text.labelledBy = &title;
}

void FrmInternet::load() {
    ui::Control& address = control("ComboS");
    address.addItem(homeSiteAddress());
    address.addItem(jokesSiteAddress());
    // The title bar names the installed browser.
    setCaption(game_.caption("LblIB"));
}

void FrmInternet::queryUnload() {
    game_.endActivity();
}

void FrmInternet::goRequest() {
    if (game::money(game_) < PagePrice) {
        game_.exclamation(game::moneyShortRefusal());
        return;
    }
    // Nothing is charged until the page is in; a new request starts the bar again.
    control("ProgressBar1").setValue(0);
    control("Timer1").setEnabled(true);
}

void FrmInternet::downloadVexa() {
    // The home page has just come in, so the bar is full and the next tick answers.
    control("ComboS").setText(downloadAddress());
    control("Timer1").setEnabled(true);
}

void FrmInternet::loadStep(int theft) {
    ui::Control& bar = control("ProgressBar1");
    if (bar.value() != PageLoaded) {
        bar.setValue(std::min(PageLoaded, bar.value() + game_.globals.ModemSpeed));
        return;
    }
    if (game_.globals.AntivirusLevel == 0) {
        hackingAttack(theft);
        return;
    }
    control("Timer1").setEnabled(false);
    answer(control("ComboS").text());
}

void FrmInternet::hackingAttack(int theft) {
    game_.info(QStringLiteral("Вас взломали, и удалили ОС и Антивирус!"));
    game_.globals.OsLevel = 0;
    // The main window shows what is left: no system, and nothing to boot.
    game_.setCaption(QStringLiteral("LblOS"), QStringLiteral("Нет"));
    game_.withdrawRemovedSystem();
    game::setMoney(game_, game::money(game_) - theft);
    game_.close(*this);
}

void FrmInternet::answer(const QString& address) {
    if (address == homeSiteAddress()) {
        showPage(Page::Home);
        game::setMoney(game_, game::money(game_) - PagePrice);
    } else if (address == downloadAddress()) {
        // What counts is the space still free, not the size of the disk.
        if (game_.globals.FreeDiskMb < VexaSizeMb) {
            game_.exclamation(game::lowDiskRefusal(VexaSizeMb));
        } else {
            game::StartDownload(game_, QStringLiteral("Vexa"), VexaSizeMb,
                                game::OperatingSystemFile);
        }
    } else if (address == jokesSiteAddress()) {
        showPage(Page::Jokes);
    } else {
        showPage(Page::NotFound);
        game::setMoney(game_, game::money(game_) - PagePrice);
    }
}

void FrmInternet::showPage(Page page) {
    // Each page lies inside the one before it, so a page shows when it and all around it do.
    control("Picture1").setVisible(true);
    control("Picture2").setVisible(page != Page::Blank);
    control("Picture3").setVisible(page == Page::NotFound || page == Page::Jokes);
    control("Picture5").setVisible(page == Page::Jokes);
}

}  // namespace web

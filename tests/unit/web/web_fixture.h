#pragma once

#include <QString>

#include "support/game_fixture.h"

namespace web_tests {

// A game past the name window with a computer that can go online, arranged directly, and
// helpers to browse the way a player does.
class WebFixture : public testing_support::GameFixture {
protected:
    static constexpr int BrowserTick = 500;
    static constexpr int DownloadTick = 1000;

    static QString home() { return QStringLiteral("http://www.tarnvik.ru/"); }
    static QString archive() { return QStringLiteral("http://www.tarnvik.ru/Vexa.rar"); }
    static QString jokes() { return QStringLiteral("http://www.shutki.ru/"); }

    // Windows XP with Internet Explorer 6 on a 3000 MB disk, a paid connection, 1000 rubles.
    void equip(int modemSpeed = 20, bool antivirus = true) {
        game::GameGlobals& v = globals();
        v.CpuLevel = 3;
        v.RamLevel = 2;
        v.ModemLevel = modemSpeed == 5 ? 1 : modemSpeed == 10 ? 2 : 3;
        v.ModemSpeed = static_cast<std::uint8_t>(modemSpeed);
        v.OsLevel = 3;
        v.AntivirusLevel = antivirus ? 1 : 0;
        v.BrowserLevel = 3;
        v.InternetConnected = 1;
        game->setFreeDisk(3000);
        setCaption("LblOS", "Windows XP");
        setCaption("LblAV", antivirus ? "NOD32" : "Нет");
        setCaption("LblIB", "Inernet Explorer 6");
        setCaption("LblMoney", "1000");
    }

    void openBrowser() {
        click("Form1", "Command4");
        ASSERT_NE(game->find("FrmInternet"), nullptr);
        services.clearPending();
    }

    // Types an address and presses "Пуск".
    void go(const QString& address) {
        ASSERT_TRUE(game->edit(control("FrmInternet", "ComboS"), address));
        click("FrmInternet", "Command1");
    }
    void browserTicks(int n) { game->scheduler().advance(n * BrowserTick); }
    void downloadTicks(int n) {
        game->scheduler().advance(static_cast<std::int64_t>(n) * DownloadTick);
    }

    // The page on show, told by the visibility of the three nested pages as a player sees it.
    QString page() {
        const bool home = control("FrmInternet", "Picture2").shown();
        const bool error = control("FrmInternet", "Picture3").shown();
        const bool jokes = control("FrmInternet", "Picture5").shown();
        if (jokes) {
            return "jokes";
        }
        if (error) {
            return "not found";
        }
        return home ? "home" : "blank";
    }
    int progress() { return control("FrmInternet", "ProgressBar1").value(); }
    double money() { return game->number("LblMoney"); }

    // Loads a page to the end: the go request, the ticks a 20 MB/s modem needs, the answer.
    void visit(const QString& address) {
        go(address);
        browserTicks(6);
    }
};

}  // namespace web_tests

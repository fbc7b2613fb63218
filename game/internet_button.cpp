#include "game/internet_button.h"

#include <array>
#include <cstdint>

#include "game/form1.h"
#include "game/game.h"
#include "game/ruble_word.h"

namespace game {

namespace {

struct Requirement {
    std::uint8_t GameGlobals::*level;
    ui::MessageKind kind;
    const char* refusal;
};

// What going online needs, checked in this order; only the first thing missing is named.
constexpr std::array<Requirement, 5> Equipment = {{
    {&GameGlobals::CpuLevel, ui::MessageKind::Critical, "У вас нет процессора!"},
    {&GameGlobals::RamLevel, ui::MessageKind::Critical, "У вас нет Ram!"},
    {&GameGlobals::ModemLevel, ui::MessageKind::Critical, "У вас нет модема!"},
    {&GameGlobals::OsLevel, ui::MessageKind::Critical, "У вас нет ОС"},
    {&GameGlobals::BrowserLevel, ui::MessageKind::Exclamation, "У вас нет интернет браузера!"},
}};

void goOnline(Game& g) {
    for (const Requirement& r : Equipment) {
        if (g.globals.*r.level == 0) {
            g.message(QString::fromUtf8(r.refusal), r.kind);
            return;
        }
    }
    g.openActivity(QStringLiteral("FrmInternet"));
}

void offerConnection(Game& g, const QString& word) {
    GameGlobals& v = g.globals;
    const QString price = QString::number(v.OfferPrice);
    // No game time passes while the player thinks it over.
    g.clock().setEnabled(false);
    if (g.ask(QStringLiteral("Хотите подключится к интернету за ") + price + word +
              QStringLiteral("?"))) {
        g.info(QStringLiteral("Вы подключены к интернету за ") + price + word);
        // Not checked first: a connection bought on the last rubles can bankrupt the player.
        g.setNumber("LblMoney", g.number("LblMoney") - v.OfferPrice);
        v.InternetConnected = 1;
        g.setNumber("LblCoint", g.number("LblCoint") + 5);
        g.form1().control("Command4").setCaption(QStringLiteral("Войти в интернет"));
    }
    g.clock().setEnabled(true);
}

}  // namespace

void pressInternetButton(Game& g) {
    GameGlobals& v = g.globals;
    // A fresh price on every press, 1 to 10 rubles, also when it is not offered.
    v.OfferPrice = static_cast<std::uint8_t>(static_cast<int>(g.random() * 10) + 1);
    const QString word = RubleWord(v.OfferPrice);
    if (v.InternetConnected != 0) {
        goOnline(g);
    } else {
        offerConnection(g, word);
    }
}

}  // namespace game

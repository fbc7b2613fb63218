#include "life/frm_razvl.h"

#include "game/game.h"
#include "life/job_scale.h"
#include "ui/display_list.h"
#include "ui/metrics.h"

namespace life {

namespace {

constexpr int Cafe = 5;
constexpr int Cinema = 10;

constexpr int CafeRow = 1;
constexpr int CinemaRow = 4;
constexpr int PriceRows = 5;

constexpr int MaxMood = 100;

constexpr int ListTop = 10;
constexpr int ButtonHeight = 20;

}  // namespace

FrmRazvl::FrmRazvl(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Развлечения"), 240, 170), game_(game) {
    addButton("Command1", "Пойти в кафе",
              {10, ui::levelWithRow(ListTop, CafeRow, ButtonHeight), 140, ButtonHeight})
        .onClick = [this] {
        goOut(Cafe, QStringLiteral("Сходив в кафе, у вас улучшилось настроение!"));
    };
    addButton("Command2", "Пойти в кино",
              {10, ui::levelWithRow(ListTop, CinemaRow, ButtonHeight), 140, ButtonHeight})
        .onClick = [this] {
        goOut(Cinema, QStringLiteral("Посмотрев фильм, у вас улучшилось настроение!"));
    };

    ui::Control& prices = addList("List1", {}, {160, ListTop, 70, ui::listHeight(PriceRows)});
    prices.setBackColor(ui::colors::DarkGrey);
    ui::makeDisplayOnly(prices);

    const int below = ListTop + ui::listHeight(PriceRows) + 8;
    addLabel("Label1", "Настроение:", {10, below, 90, 20});
    addLabel("Label2", "", {104, below, 80, 20});
    addButton("Command3", "Пойти домой", {10, below + 28, 220, 24}).onClick = [this] { goHome(); };
}

void FrmRazvl::load() {
    control("Label2").setCaption(game_.caption("LblRazvl"));
    const int m = jobScale(game_.globals.JobLevel);
    QStringList rows(PriceRows);
    rows[CafeRow] = QString::number(Cafe * m);
    rows[CinemaRow] = QString::number(Cinema * m);
    control("List1").setItems(rows);
}

void FrmRazvl::goOut(int factor, const QString& afterwards) {
    const double amount = factor * jobScale(game_.globals.JobLevel);
    const double money = game_.number("LblMoney");
    const double mood = game_.number("LblRazvl");
    if (money < amount) {
        game_.exclamation(QStringLiteral("Нехватает денег!"));
        return;
    }
    if (mood + amount > MaxMood) {
        game_.info(QStringLiteral("У вас максимальное настроение!"));
        return;
    }
    game_.setNumber("LblMoney", money - amount);
    game_.setNumber("LblRazvl", mood + amount);
    control("Label2").setCaption(game_.caption("LblRazvl"));
    game_.info(afterwards);
}

void FrmRazvl::goHome() {
    game_.close(*this);
    // Heard back at the main window, after the clock has started again.
    game_.beep(2);
}

void FrmRazvl::queryUnload() {
    game_.endActivity();
}

}  // namespace life

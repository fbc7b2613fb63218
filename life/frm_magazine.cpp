#include "life/frm_magazine.h"

#include "game/game.h"
#include "life/display_list.h"
#include "life/job_scale.h"
#include "ui/numbers.h"

namespace life {

namespace {

constexpr int Breakfast = 2;
constexpr int Lunch = 8;
constexpr int Supper = 5;

// The price column has nine rows; these hold the prices, the rest stay empty.
constexpr int BreakfastRow = 1;
constexpr int LunchRow = 4;
constexpr int SupperRow = 8;
constexpr int PriceRows = 9;

constexpr int MaxSatiety = 100;

constexpr int ListTop = 22;  // below the frame's caption
constexpr int ButtonHeight = 20;

}  // namespace

FrmMagazine::FrmMagazine(game::Game& game)
    : ui::Window(game, QStringLiteral("FrmMagazine"), QStringLiteral("Магазин"), 248, 236),
      game_(game) {
    ui::Control& frame = addFrame("Frame1", "Еда", {8, 6, 232, 222});
    auto button = [&](const char* name, const char* caption, int row, int factor) {
        addButton(name, caption, {10, levelWithRow(ListTop, row, ButtonHeight), 130, ButtonHeight},
                  &frame)
            .onClick = [this, factor] { buyMeal(factor); };
    };
    button("Command1", "Завтрак", BreakfastRow, Breakfast);
    button("Command2", "Обед", LunchRow, Lunch);
    button("Command3", "Ужин", SupperRow, Supper);

    ui::Control& prices = addList("List1", {}, {150, ListTop, 70, listHeight(PriceRows)}, &frame);
    prices.setBackColor(ui::colors::DarkGrey);
    makeDisplayOnly(prices);

    const int labelsTop = ListTop + listHeight(PriceRows) + 14;
    addLabel("Label1", "Сытость:", {10, labelsTop, 80, 20}, &frame);
    addLabel("Label2", "", {94, labelsTop, 80, 20}, &frame);
}

void FrmMagazine::load() {
    control("Label2").setCaption(game_.caption("LblEda"));
    const int m = jobScale(game_.globals.JobLevel);
    QStringList rows(PriceRows);
    rows[BreakfastRow] = QString::number(Breakfast * m);
    rows[LunchRow] = QString::number(Lunch * m);
    rows[SupperRow] = QString::number(Supper * m);
    control("List1").setItems(rows);
}

void FrmMagazine::buyMeal(int factor) {
    const double amount = factor * jobScale(game_.globals.JobLevel);
    const double money = game_.number("LblMoney");
    const double satiety = game_.number("LblEda");
    // Money is looked at first: a full and penniless player hears only about the money.
    if (money < amount) {
        game_.exclamation(QStringLiteral("Нехватает денег!"));
        return;
    }
    if (satiety + amount > MaxSatiety) {
        game_.info(QStringLiteral("В вас больше не влезет!"));
        return;
    }
    game_.setNumber("LblEda", satiety + amount);
    control("Label2").setCaption(game_.caption("LblEda"));
    game_.setNumber("LblMoney", money - amount);
    game_.beep(3);  // the meal's only confirmation
}

void FrmMagazine::unload() {
    game_.endActivity();
}

}  // namespace life

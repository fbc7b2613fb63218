#include "life/frm_magazine.h"

#include "game/game.h"
#include "life/job_scale.h"
#include "ui/display_list.h"
#include "ui/metrics.h"
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

constexpr int FrameLeft = 8;
constexpr int FrameTop = 6;
constexpr int ListTop = FrameTop + 22;  // below the frame's caption
constexpr int ButtonHeight = 20;

}  // namespace

FrmMagazine::FrmMagazine(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Магазин"), 248, 236), game_(game) {
    // The meals lie within the frame's border but belong to the window: a list placed in a
    // frame is drawn with shorter rows on screen, and the prices would drift off their buttons.
    constexpr int left = FrameLeft + 10;
    addFrame("Frame1", "Еда", {FrameLeft, FrameTop, 232, 222});
    auto button = [&](const char* name, const char* caption, int row, int factor) {
        addButton(name, caption,
                  {left, ui::levelWithRow(ListTop, row, ButtonHeight), 130, ButtonHeight})
            .onClick = [this, factor] { buyMeal(factor); };
    };
    button("Command1", "Завтрак", BreakfastRow, Breakfast);
    button("Command2", "Обед", LunchRow, Lunch);
    button("Command3", "Ужин", SupperRow, Supper);

    ui::Control& prices =
        addList("List1", {}, {left + 140, ListTop, 70, ui::listHeight(PriceRows)});
    prices.setBackColor(ui::colors::DarkGrey);
    ui::makeDisplayOnly(prices);

    const int labelsTop = ListTop + ui::listHeight(PriceRows) + 14;
    addLabel("Label1", "Сытость:", {left, labelsTop, 80, 20});
    addLabel("Label2", "", {left + 84, labelsTop, 80, 20});
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

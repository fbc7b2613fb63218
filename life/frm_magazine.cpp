#include "life/frm_magazine.h"

#include <array>
#include <cstdint>

#include "game/everyday_prices.h"
#include "game/game.h"
#include "ui/display_list.h"
#include "ui/metrics.h"
#include "ui/numbers.h"

namespace life {

namespace {

// The price column has nine rows; the meals' rows (breakfast, lunch, supper, as in the table of
// meals) hold the prices, the rest stay empty. The satiety column beside it has the same rows.
constexpr std::array<int, 3> MealRows = {1, 4, 8};
constexpr int PriceRows = 9;

constexpr int MaxSatiety = 100;

constexpr int FrameLeft = 8;
constexpr int FrameTop = 6;
constexpr int HeadingTop = FrameTop + 20;  // below the frame's caption
constexpr int HeadingHeight = 18;
constexpr int ListTop = HeadingTop + HeadingHeight;
constexpr int ButtonHeight = 20;
constexpr int Left = FrameLeft + 10;  // of the buttons, inside the frame's border
constexpr int PriceLeft = Left + 140;
constexpr int ColumnWidth = 76;
constexpr int GainLeft = PriceLeft + ColumnWidth + 4;
constexpr int FrameWidth = GainLeft + ColumnWidth + 10 - FrameLeft;

// A price or a gain in each meal's row, the others empty.
QStringList mealColumn(std::uint8_t jobLevel, const QString& before) {
    QStringList rows(PriceRows);
    for (std::size_t i = 0; i < game::Meals.size(); ++i) {
        rows[MealRows[i]] = before + QString::number(game::treatAmount(game::Meals[i], jobLevel));
    }
    return rows;
}

}  // namespace

FrmMagazine::FrmMagazine(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Магазин"), FrameWidth + 2 * FrameLeft, 254),
      game_(game) {
    // The meals lie within the frame's border but belong to the window: a list placed in a
    // frame is drawn with shorter rows on screen, and the prices would drift off their buttons.
    addFrame("Frame1", "Еда", {FrameLeft, FrameTop, FrameWidth, 240});
    for (std::size_t i = 0; i < game::Meals.size(); ++i) {
        const game::Treat& meal = game::Meals[i];
        addButton(QStringLiteral("Command%1").arg(i + 1), QString::fromUtf8(meal.name),
                  {Left, ui::levelWithRow(ListTop, MealRows[i], ButtonHeight), 130, ButtonHeight})
            .onClick = [this, &meal] { buyMeal(meal); };
    }

    // What each meal costs, and beside it what it adds to satiety: display only, both.
    auto column = [&](const char* list, const char* heading, const char* caption, int x) {
        ui::Control& title =
            addLabel(heading, caption, {x, HeadingTop, ColumnWidth, HeadingHeight});
        title.align = ui::Align::Center;
        ui::Control& rows = addList(list, {}, {x, ListTop, ColumnWidth, ui::listHeight(PriceRows)});
        rows.setBackColor(ui::colors::DarkGrey);
        ui::makeDisplayOnly(rows);
        rows.labelledBy = &title;
        return &rows;
    };
    ui::Control* prices = column("List1", "Label3", "Цена, руб.", PriceLeft);
    ui::Control* gains = column("List2", "Label4", "Сытость", GainLeft);
    for (std::size_t i = 0; i < game::Meals.size(); ++i) {
        ui::Control& button = control(QStringLiteral("Command%1").arg(i + 1));
        button.valuesBeside = {prices, gains};
        button.rowBeside = MealRows[i];
    }

    const int labelsTop = ListTop + ui::listHeight(PriceRows) + 14;
    ui::Control& satiety = addLabel("Label1", "Сытость:", {Left, labelsTop, 80, 20});
    addLabel("Label2", "", {Left + 84, labelsTop, 80, 20}).labelledBy = &satiety;
}

void FrmMagazine::load() {
    control("Label2").setCaption(game_.caption("LblEda"));
    control("List1").setItems(mealColumn(game_.globals.JobLevel, {}));
    control("List2").setItems(mealColumn(game_.globals.JobLevel, QStringLiteral("+")));
}

void FrmMagazine::buyMeal(const game::Treat& meal) {
    const double amount = game::treatAmount(meal, game_.globals.JobLevel);
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

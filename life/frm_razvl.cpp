#include "life/frm_razvl.h"

#include <array>
#include <cstdint>

#include "game/everyday_prices.h"
#include "game/game.h"
#include "ui/display_list.h"
#include "ui/metrics.h"

namespace life {

namespace {

// The price column has five rows; the outings' rows (cafe, cinema, as in the table of outings)
// hold the prices, the rest stay empty. The mood column beside it has the same rows.
constexpr std::array<int, 2> OutingRows = {1, 4};
constexpr int PriceRows = 5;

// What each outing tells the player once it is over.
constexpr std::array<const char*, 2> Afterwards = {
    "Сходив в кафе, у вас улучшилось настроение!",
    "Посмотрев фильм, у вас улучшилось настроение!",
};

constexpr int MaxMood = 100;

constexpr int HeadingTop = 10;
constexpr int HeadingHeight = 18;
constexpr int ListTop = HeadingTop + HeadingHeight;
constexpr int ButtonHeight = 20;
constexpr int PriceLeft = 160;
constexpr int PriceWidth = 76;
constexpr int GainLeft = PriceLeft + PriceWidth + 4;
constexpr int GainWidth = 84;  // "Настроение" is the longest heading
constexpr int Width = GainLeft + GainWidth + 10;

// A price or a gain in each outing's row, the others empty.
QStringList outingColumn(std::uint8_t jobLevel, const QString& before) {
    QStringList rows(PriceRows);
    for (std::size_t i = 0; i < game::Outings.size(); ++i) {
        rows[OutingRows[i]] =
            before + QString::number(game::treatAmount(game::Outings[i], jobLevel));
    }
    return rows;
}

}  // namespace

FrmRazvl::FrmRazvl(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Развлечения"), Width, 188), game_(game) {
    for (std::size_t i = 0; i < game::Outings.size(); ++i) {
        const game::Treat& outing = game::Outings[i];
        const QString afterwards = QString::fromUtf8(Afterwards[i]);
        addButton(QStringLiteral("Command%1").arg(i + 1), QString::fromUtf8(outing.name),
                  {10, ui::levelWithRow(ListTop, OutingRows[i], ButtonHeight), 140, ButtonHeight})
            .onClick = [this, &outing, afterwards] { goOut(outing, afterwards); };
    }

    // What each outing costs, and beside it what it adds to mood: display only, both.
    auto column = [&](const char* list, const char* heading, const char* caption, int x,
                      int width) {
        ui::Control& title = addLabel(heading, caption, {x, HeadingTop, width, HeadingHeight});
        title.align = ui::Align::Center;
        ui::Control& rows = addList(list, {}, {x, ListTop, width, ui::listHeight(PriceRows)});
        rows.setBackColor(ui::colors::DarkGrey);
        ui::makeDisplayOnly(rows);
        rows.labelledBy = &title;
        return &rows;
    };
    ui::Control* prices = column("List1", "Label3", "Цена, руб.", PriceLeft, PriceWidth);
    ui::Control* gains = column("List2", "Label4", "Настроение", GainLeft, GainWidth);
    for (std::size_t i = 0; i < game::Outings.size(); ++i) {
        ui::Control& button = control(QStringLiteral("Command%1").arg(i + 1));
        button.valuesBeside = {prices, gains};
        button.rowBeside = OutingRows[i];
    }

    const int below = ListTop + ui::listHeight(PriceRows) + 8;
    ui::Control& mood = addLabel("Label1", "Настроение:", {10, below, 90, 20});
    addLabel("Label2", "", {104, below, 80, 20}).labelledBy = &mood;
    addButton("Command3", "Пойти домой", {10, below + 28, Width - 20, 24}).onClick = [this] {
        goHome();
    };
}

void FrmRazvl::load() {
    control("Label2").setCaption(game_.caption("LblRazvl"));
    control("List1").setItems(outingColumn(game_.globals.JobLevel, {}));
    control("List2").setItems(outingColumn(game_.globals.JobLevel, QStringLiteral("+")));
}

void FrmRazvl::goOut(const game::Treat& outing, const QString& afterwards) {
    const double amount = game::treatAmount(outing, game_.globals.JobLevel);
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

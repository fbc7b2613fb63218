#include "game/value_warnings.h"

#include "game/everyday_prices.h"
#include "game/form1.h"
#include "game/game.h"

namespace game {

namespace {

constexpr double LowNeed = 15;
constexpr double CriticalNeed = 5;

}  // namespace

ui::Warning needWarning(double value) {
    if (value <= CriticalNeed) {
        return ui::Warning::Critical;
    }
    return value <= LowNeed ? ui::Warning::Low : ui::Warning::None;
}

ui::Warning moneyWarning(double rubles, std::uint8_t jobLevel) {
    if (rubles <= 0) {
        return ui::Warning::Critical;
    }
    return rubles < cheapestMeal(jobLevel) ? ui::Warning::Low : ui::Warning::None;
}

void showWarnings(Game& game) {
    Form1& main = game.form1();
    main.control(QStringLiteral("LblEda")).setWarning(needWarning(game.number("LblEda")));
    main.control(QStringLiteral("LblRazvl")).setWarning(needWarning(game.number("LblRazvl")));
    main.control(QStringLiteral("LblMoney"))
        .setWarning(moneyWarning(game.number("LblMoney"), game.globals.JobLevel));
}

}  // namespace game

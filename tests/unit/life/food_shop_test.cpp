#include "life_fixture.h"
#include "ui/numbers.h"

namespace life_tests {
namespace {

using ui::MessageKind;

class FoodShop : public LifeFixture {
protected:
    void buy(const char* meal) { click("FrmMagazine", meal); }
    QStringList prices() { return control("FrmMagazine", "List1").items(); }
};

struct MealPrices {
    int jobLevel;
    int breakfast, lunch, supper;
};

class FoodShopPrices : public FoodShop, public ::testing::WithParamInterface<MealPrices> {};

TEST_P(FoodShopPrices, EachMealCostsWhatItFillsAndThePriceStandsOnItsRow) {
    const MealPrices p = GetParam();
    globals().JobLevel = static_cast<std::uint8_t>(p.jobLevel);
    setCaption("LblMoney", "1000");
    setCaption("LblEda", "0");
    open("FrmMagazine");
    const QString b = QString::number(p.breakfast);
    const QString l = QString::number(p.lunch);
    const QString s = QString::number(p.supper);
    EXPECT_EQ(prices(), QStringList({"", b, "", "", l, "", "", "", s}));

    double money = 1000;
    for (auto [meal, amount] : {std::pair{"Command1", p.breakfast}, std::pair{"Command2", p.lunch},
                                std::pair{"Command3", p.supper}}) {
        setCaption("LblEda", "10");
        buy(meal);
        money -= amount;
        expectBeeps(3);
        EXPECT_EQ(ui::toNumber(caption("LblMoney")), money) << meal;
        EXPECT_EQ(ui::toNumber(caption("LblEda")), 10 + amount) << meal;
        EXPECT_EQ(control("FrmMagazine", "Label2").caption(), caption("LblEda"));
    }
    expectQuiet();
}

INSTANTIATE_TEST_SUITE_P(ByJob, FoodShopPrices,
                         ::testing::Values(MealPrices{0, 2, 8, 5}, MealPrices{1, 2, 8, 5},
                                           MealPrices{2, 4, 16, 10}, MealPrices{4, 8, 32, 20},
                                           MealPrices{9, 18, 72, 45}));

TEST_F(FoodShop, ShowsTheSatietyItOpensWith) {
    setCaption("LblEda", "37");
    open("FrmMagazine");
    EXPECT_EQ(control("FrmMagazine", "Label2").caption(), "37");
}

TEST_F(FoodShop, SatietyMayReachButNotPassOneHundred) {
    setCaption("LblEda", "98");
    open("FrmMagazine");
    buy("Command1");
    expectBeeps(3);
    EXPECT_EQ(caption("LblEda"), "100");
    EXPECT_EQ(caption("LblMoney"), "198");

    const auto before = snapshot();
    buy("Command1");
    expectMessage(MessageKind::Information, "В вас больше не влезет!");
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(control("FrmMagazine", "Label2").caption(), "100");
}

TEST_F(FoodShop, TheLastRublesBuyTheMeal) {
    setCaption("LblMoney", "8");
    open("FrmMagazine");
    buy("Command2");
    expectBeeps(3);
    EXPECT_EQ(caption("LblMoney"), "0");
    EXPECT_EQ(caption("LblEda"), "58");
}

TEST_F(FoodShop, MoneyIsCheckedBeforeSatiety) {
    setCaption("LblMoney", "7.5");
    setCaption("LblEda", "99");
    open("FrmMagazine");
    const auto before = snapshot();
    buy("Command2");
    expectMessage(MessageKind::Exclamation, "Нехватает денег!");
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(FoodShop, ClickingAPriceRowSelectsNothing) {
    open("FrmMagazine");
    for (int row : {0, 1, 4, 8}) {
        selectRow("FrmMagazine", "List1", row);
        EXPECT_EQ(control("FrmMagazine", "List1").listIndex(), -1) << row;
    }
    expectQuiet();
}

}  // namespace
}  // namespace life_tests

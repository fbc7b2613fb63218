#include "store_fixture.h"

namespace {

using ui::MessageKind;

class LanguageStore : public store_tests::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        open("FrmPL");
    }
    void system(int osLevel, int freeMb) {
        globals().OsLevel = static_cast<std::uint8_t>(osLevel);
        globals().FreeDiskMb = static_cast<std::int16_t>(freeMb);
    }
};

TEST_F(LanguageStore, RefusalsComeInTheirOrder) {
    setMoney(0);
    expectRefusal("FrmPL", -1, MessageKind::Information, "Выбирете язык программирования!");
    // No system outranks no money, on every row.
    expectRefusal("FrmPL", 0, MessageKind::Exclamation,
                  "Basic можно поставить на ОС Windows 98 и лучше!");
    expectRefusal("FrmPL", 5, MessageKind::Exclamation,
                  "Visual j# можно поставить на ОС Windows XP и лучше!");
    system(3, 0);
    expectRefusal("FrmPL", 7, MessageKind::Exclamation,
                  "Visual C++ можно поставить на ОС Windows Vista и лучше!");
    expectRefusal("FrmPL", 6, MessageKind::Exclamation, "Нехватает денег!");

    setMoney(699);
    globals().LanguageLevel = "7";
    expectRefusal("FrmPL", 6, MessageKind::Exclamation, "Нехватает денег!");
    setMoney(700);
    expectRefusal("FrmPL", 6, MessageKind::Exclamation,
                  "У вас этот язык программирования установлен!");
    expectRefusal("FrmPL", 2, MessageKind::Exclamation,
                  "У вас стоит язык программирования лучшее этого!");
    globals().LanguageLevel = "0";
    expectRefusal("FrmPL", 6, MessageKind::Exclamation,
                  "Нехватает места на жёстком диске, нужно 600 MB");
    expectRefusal("FrmPL", 0, MessageKind::Exclamation,
                  "Нехватает места на жёстком диске, нужно 50 MB");
}

TEST_F(LanguageStore, TheWholeLadderIsWorthFortyFivePoints) {
    system(5, 16000);
    setMoney(100000);
    const QStringList names = control("FrmPL", "List1").items();
    for (int row = 0; row < 9; ++row) {
        buy("FrmPL", row);
        expectMessage(MessageKind::Information, "Язык программирования куплен");
        EXPECT_EQ(caption("LblPL"), names[row]);
        EXPECT_EQ(globals().LanguageLevel, QString::number(row + 1));
    }
    EXPECT_EQ(caption("LblCoint"), "45");
    EXPECT_EQ(caption("LblMoney"), QString::number(100000 - 4500));
    EXPECT_EQ(caption("LblHDF"), QString::number(16000 - 3650) + " MB");
}

TEST_F(LanguageStore, ASkippingUpgradeEarnsTheDifference) {
    system(2, 1000);
    setMoney(1000);
    globals().LanguageLevel = "3";
    setCaption("LblCoint", "6");
    buy("FrmPL", 4);
    EXPECT_EQ(caption("LblCoint"), "15");
    EXPECT_EQ(caption("LblMoney"), "500");
    EXPECT_EQ(caption("LblHDF"), "600 MB");
    EXPECT_EQ(caption("LblPL"), "Visual C#");
}

TEST_F(LanguageStore, ExactMoneyAndSpaceBuyTheTopFromNothing) {
    system(4, 800);
    setMoney(900);
    buy("FrmPL", 8);
    expectMessage(MessageKind::Information, "Язык программирования куплен");
    expectQuiet();
    EXPECT_EQ(caption("LblMoney"), "0");
    EXPECT_EQ(caption("LblHDF"), "0 MB");
    EXPECT_EQ(caption("LblCoint"), "45");
    ASSERT_TRUE(game->select(control("FrmPL", "List2"), 8));
    EXPECT_EQ(control("FrmPL", "List2").listIndex(), -1);
}

}  // namespace

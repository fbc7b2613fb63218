// The hardware store warns, while a hard disk is chosen, of the software a new disk would erase.
#include "store_fixture.h"

namespace {

class DiskWarning : public store_tests::StoreFixture {
protected:
    QString noteFor(int row) {
        EXPECT_TRUE(game->select(control("Form2", "List1"), row));
        return control("Form2", "Label2").caption();
    }
};

TEST_F(DiskWarning, NamesEverythingInstalledOnlyWhileADiskIsChosen) {
    globals().OsLevel = 3;
    setCaption("LblOS", "Windows XP");
    globals().AntivirusLevel = 1;
    setCaption("LblAV", "NOD32");
    globals().BrowserLevel = 3;
    setCaption("LblIB", "Inernet Explorer 6");
    globals().LanguageLevel = "2";
    setCaption("LblPL", "QBasic");
    open("Form2");
    for (int disk = 9; disk <= 12; ++disk) {
        EXPECT_EQ(noteFor(disk),
                  "Новый винчестер сотрёт ОС Windows XP, антивирус NOD32, "
                  "браузер Inernet Explorer 6 и язык QBasic.");
    }
    for (int other : {0, 4, 6, 8, 13, 16}) {
        EXPECT_EQ(noteFor(other), "") << other;
    }
    expectQuiet();
}

TEST_F(DiskWarning, NothingWhenNothingIsInstalledOrOnceTheDiskHasErasedIt) {
    open("Form2");
    EXPECT_EQ(noteFor(9), "");
    globals().OsLevel = 1;
    setCaption("LblOS", "Windows 98");
    EXPECT_EQ(noteFor(9), "Новый винчестер сотрёт ОС Windows 98.");
    click("Form2", "Command1");
    expectMessage(ui::MessageKind::Information, "Апгрейд совершён!");
    EXPECT_EQ(control("Form2", "Label2").caption(), "");
}

}  // namespace

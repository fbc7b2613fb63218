// The desktop of "Vexa 2": start menu, programs, inner windows and their task-bar entries.
#include "vexa_fixture.h"

namespace {

class Desktop : public guestos_tests::VexaFixture {
protected:
    void SetUp() override {
        VexaFixture::SetUp();
        setCaption("LblAV", "NOD32");
        setCaption("LblIB", "Inernet Explorer 7");
        globals().AntivirusLevel = 1;
        globals().BrowserLevel = 4;
    }
    void runByName(const QString& name) {
        ASSERT_TRUE(game->edit(desktop("Combo1"), name));
        clickDesktop("Command7");
    }
    QString programPicture() { return desktop("Picture1").picture(); }
    QString programTitle() { return desktop("Label3").caption(); }
};

TEST_F(Desktop, StartsWithMenusAndWindowsHidden) {
    boot();
    EXPECT_EQ(desktop("List1").items(), QStringList({"Программы", "Выполнить", "Выйти из Vexa"}));
    EXPECT_EQ(desktop("List2").items(), QStringList({"NOD32", "Inernet Explorer 7"}));
    EXPECT_EQ(desktop("Combo1").items(), QStringList({"NOD32", "Inernet Explorer 7"}));
    EXPECT_EQ(desktop("Combo1").text(), "");
    for (const char* hidden :
         {"List1", "List2", "Picture1", "Picture2", "Picture3", "Label2", "Label5", "Label7"}) {
        EXPECT_FALSE(shown(hidden)) << hidden;
    }
    EXPECT_EQ(desktop("Command1").caption(), "Пуск");
    EXPECT_EQ(desktop("Command1").backColor(), ui::Color({128, 128, 128}));
    EXPECT_EQ(desktop("Shape1").backColor(), ui::Color({192, 192, 192}));
    EXPECT_EQ(desktop("Label1").caption(), "Vexa 2");
    EXPECT_EQ(desktop("Label2").caption(), "Internet Explorer 6");
}

TEST_F(Desktop, StartButtonTogglesTheMenuAndTheSubmenuKeepsItsOwnVisibility) {
    boot();
    clickDesktop("Command1");
    EXPECT_TRUE(shown("List1"));
    choose("List1", 0);
    EXPECT_TRUE(shown("List2"));
    clickDesktop("Command1");
    EXPECT_FALSE(shown("List1"));
    EXPECT_TRUE(shown("List2"));
    clickDesktop("Command1");
    choose("List1", 0);
    EXPECT_FALSE(shown("List2"));
    EXPECT_TRUE(shown("List1"));
}

TEST_F(Desktop, StartButtonColoursFollowTheLeftButtonOnly) {
    boot();
    ui::Control& start = desktop("Command1");
    game->mouseDown(start, ui::MouseButton::Right);
    EXPECT_EQ(start.backColor(), ui::Color({128, 128, 128}));
    game->mouseDown(start, ui::MouseButton::Left);
    EXPECT_EQ(start.backColor(), ui::Color({192, 192, 192}));
    game->mouseUp(start, ui::MouseButton::Left);
    EXPECT_EQ(start.backColor(), ui::Color({128, 128, 128}));
}

TEST_F(Desktop, RunShortcutPressedLookHasNoBorder) {
    boot();
    ui::Control& run = desktop("Command4");
    game->mouseDown(run, ui::MouseButton::Left);
    EXPECT_EQ(run.foreColor(), ui::Color({0, 128, 0}));
    EXPECT_EQ(run.backColor(), ui::Color({128, 128, 128}));
    EXPECT_EQ(run.borderStyle(), 0);
    game->mouseUp(run, ui::MouseButton::Left);
    EXPECT_EQ(run.foreColor(), ui::Color({0, 192, 0}));
    EXPECT_EQ(run.backColor(), ui::Color({0, 0, 0}));
    EXPECT_EQ(run.borderStyle(), 0);
    game->click(run);
    EXPECT_TRUE(shown("Picture2"));
    EXPECT_TRUE(shown("Label5"));
}

TEST_F(Desktop, ClicksOnTheDesktopAndTheWindowsCloseTheMenus) {
    boot();
    clickDesktop("Command4");
    clickDesktop("Command11");
    const std::vector<std::function<void()>> clicks = {
        [this] { game->clickWindow(window("FrmGUI")); },
        [this] { clickDesktop("Image3"); },  // the wallpaper
        [this] { clickDesktop("Picture2"); },
        [this] { clickDesktop("Picture3"); },
        [this] { clickDesktop("Label4"); },
        [this] { clickDesktop("Label6"); },
    };
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        clickDesktop("Command1");
        choose("List1", 0);
        clicks[i]();
        EXPECT_FALSE(shown("List1")) << "click " << i;
        EXPECT_FALSE(shown("List2")) << "click " << i;
    }
}

TEST_F(Desktop, MinimiseKeepsTheEntryAndCloseRemovesIt) {
    boot();
    clickDesktop("Command1");
    choose("List1", 1);
    ASSERT_TRUE(shown("Picture2"));
    clickDesktop("Command6");  // "_"
    EXPECT_FALSE(shown("Picture2"));
    ASSERT_TRUE(shown("Label5"));
    clickDesktop("Label5");
    EXPECT_TRUE(shown("Picture2"));
    clickDesktop("Label5");
    EXPECT_FALSE(shown("Picture2"));
    clickDesktop("Label5");
    clickDesktop("Command5");  // "X"
    EXPECT_FALSE(shown("Picture2"));
    EXPECT_FALSE(shown("Label5"));
}

TEST_F(Desktop, EachInnerWindowHasItsOwnButtonsAndEntry) {
    boot();
    struct Names {
        const char *opener, *frame, *minimise, *close, *entry;
    };
    for (const Names& n : {Names{"Command4", "Picture2", "Command6", "Command5", "Label5"},
                           Names{"Command11", "Picture3", "Command10", "Command9", "Label7"}}) {
        clickDesktop(n.opener);
        EXPECT_TRUE(shown(n.frame) && shown(n.entry)) << n.frame;
        clickDesktop(n.minimise);
        EXPECT_TRUE(!shown(n.frame) && shown(n.entry)) << n.frame;
        clickDesktop(n.entry);
        clickDesktop(n.close);
        EXPECT_TRUE(!shown(n.frame) && !shown(n.entry)) << n.frame;
    }
    clickDesktop("Command1");
    choose("List1", 0);
    choose("List2", 0);
    clickDesktop("Command3");
    EXPECT_TRUE(!shown("Picture1") && shown("Label2"));
    EXPECT_FALSE(shown("List1")) << "a window button closes the menus";
    clickDesktop("Label2");
    clickDesktop("Command2");
    EXPECT_TRUE(!shown("Picture1") && !shown("Label2"));
}

TEST_F(Desktop, ProgramsFromTheSubmenuShowTheirPictures) {
    boot();
    const QString blank = programPicture();
    EXPECT_FALSE(blank.isEmpty()) << "the program window has a picture of its own";
    clickDesktop("Command1");
    choose("List1", 0);
    choose("List2", 0);
    EXPECT_TRUE(shown("Picture1"));
    EXPECT_TRUE(shown("Label2"));
    EXPECT_EQ(programPicture(), "Images/NOD32.bmp");
    EXPECT_EQ(programTitle(), "NOD32");
    EXPECT_EQ(desktop("Label2").caption(), "NOD32");
    choose("List2", 1);
    EXPECT_EQ(programPicture(), "Images/IB7.bmp");
    EXPECT_EQ(programTitle(), "Inernet Explorer 7");
    EXPECT_EQ(desktop("Label2").caption(), "Inernet Explorer 7");
}

TEST_F(Desktop, EveryLevelHasItsPicture) {
    struct Case {
        int antivirus, browser;
        const char *antivirusPicture, *browserPicture;
    };
    boot();
    clickDesktop("Command4");
    for (const Case& c : {Case{2, 1, "Images/NOD64.bmp", "Images/IB3.bmp"},
                          Case{1, 2, "Images/NOD32.bmp", "Images/IB5.bmp"},
                          Case{2, 3, "Images/NOD64.bmp", "Images/IB6.bmp"}}) {
        globals().AntivirusLevel = static_cast<std::uint8_t>(c.antivirus);
        globals().BrowserLevel = static_cast<std::uint8_t>(c.browser);
        runByName("NOD32");
        EXPECT_EQ(programPicture(), c.antivirusPicture);
        runByName("Inernet Explorer 7");
        EXPECT_EQ(programPicture(), c.browserPicture);
    }
}

TEST_F(Desktop, RunByNameOpensTheSameProgramsExactlyAsNamed) {
    boot();
    clickDesktop("Command4");
    runByName("Inernet Explorer 7");
    EXPECT_EQ(programPicture(), "Images/IB7.bmp");
    EXPECT_TRUE(shown("Picture1"));
    runByName("NOD32");
    EXPECT_EQ(programTitle(), "NOD32");
    expectQuiet();
    for (const char* wrong : {"nod32", "NOD32 ", "Internet Explorer 7", ""}) {
        runByName(wrong);
        expectMessage(ui::MessageKind::Exclamation,
                      QStringLiteral("Введите правильное название программы!"));
        EXPECT_EQ(programTitle(), "NOD32") << wrong;
    }
}

TEST_F(Desktop, RunByNameTakesAPickedItemAndEnter) {
    boot();
    clickDesktop("Command4");
    ASSERT_TRUE(game->select(desktop("Combo1"), 1));
    clickDesktop("Command7");
    EXPECT_EQ(programTitle(), "Inernet Explorer 7");
    ASSERT_TRUE(game->edit(desktop("Combo1"), "NOD32"));
    ASSERT_TRUE(game->keyPress(desktop("Combo1"), 13));
    EXPECT_EQ(programTitle(), "NOD32");
}

class EmptyDesktop : public guestos_tests::VexaFixture {};

TEST_F(EmptyDesktop, WithNothingInstalledNoOpensTheAntivirusPathWithoutAPicture) {
    boot();
    EXPECT_EQ(desktop("List2").items(), QStringList({"Нет", "Нет"}));
    const QString blank = desktop("Picture1").picture();
    clickDesktop("Command1");
    choose("List1", 0);
    choose("List2", 0);
    EXPECT_TRUE(shown("Picture1"));
    EXPECT_EQ(desktop("Label3").caption(), "Нет");
    EXPECT_EQ(desktop("Picture1").picture(), blank);
    // Typed into the run window, "Нет" goes the same way.
    clickDesktop("Command2");
    clickDesktop("Command4");
    ASSERT_TRUE(game->edit(desktop("Combo1"), "Нет"));
    clickDesktop("Command7");
    EXPECT_TRUE(shown("Picture1"));
    EXPECT_EQ(desktop("Label3").caption(), "Нет");
    expectQuiet();
}

TEST_F(EmptyDesktop, TheProgramWindowKeepsTheLastPictureForALevelWithoutOne) {
    globals().BrowserLevel = 2;
    boot();
    clickDesktop("Command1");
    choose("List1", 0);
    choose("List2", 1);
    EXPECT_EQ(desktop("Picture1").picture(), "Images/IB5.bmp");
    choose("List2", 0);  // no antivirus: no picture of its own
    EXPECT_EQ(desktop("Picture1").picture(), "Images/IB5.bmp");
    EXPECT_EQ(desktop("Label3").caption(), "Нет");
}

TEST_F(EmptyDesktop, TheTrayShowsTheGamesHour) {
    boot();
    EXPECT_EQ(desktop("Label9").caption(), caption("LblClock"));
    game->scheduler().advance(Hour);
    EXPECT_EQ(desktop("Label9").caption(), caption("LblClock"));
}

}  // namespace

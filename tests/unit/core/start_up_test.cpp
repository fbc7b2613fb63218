#include <gtest/gtest.h>

#include "app/all_windows.h"
#include "game/form1.h"
#include "game/game.h"
#include "ui/scripted_services.h"

namespace {

const QString Introduction = QStringLiteral(
    "Вы приехали в чужой город, далеко от родного.\r\n"
    "Обустроившись на новом месте вы решаетесь изучать компьютерную науку.\r\n"
    "На этом ваш компьютерный путь начинается.");

// Records when the random numbers were seeded, among the other events.
class SeedingServices : public ui::ScriptedServices {
public:
    void randomize() override { seededAfter = static_cast<int>(history().size()); }
    int seededAfter = -1;
};

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        game = app::makeGame(services);
        game->start();
    }
    ui::Window& login() { return *game->find("FrmLogin"); }
    void accept() { ASSERT_TRUE(game->click(login().control("Command1"))); }

    SeedingServices services;
    std::unique_ptr<game::Game> game;
};

TEST_F(StartUp, TheProgramShowsOnlyTheNameWindow) {
    ASSERT_EQ(game->openWindows().size(), 1u);
    ui::Window& w = login();
    EXPECT_EQ(w.name(), "FrmLogin");
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.caption(), "Ввод имени");
    EXPECT_EQ(w.control("Label1").caption(), "Введите ваше имя");
    EXPECT_EQ(w.control("Text1").text(), "Игрок");
    EXPECT_EQ(w.control("Command1").caption(), "Принять");
    EXPECT_FALSE(game->hasForm1());
    EXPECT_TRUE(services.history().empty());
    // No clock runs before the main window exists.
    EXPECT_FALSE(game->scheduler().nextDue().has_value());
}

TEST_F(StartUp, AcceptingWithoutEditingGivesTheDefaultName) {
    accept();
    EXPECT_EQ(game->find("FrmLogin"), nullptr);
    ui::Window* form1 = game->find("Form1");
    ASSERT_NE(form1, nullptr);
    EXPECT_TRUE(form1->visible());
    EXPECT_TRUE(form1->enabled());
    EXPECT_EQ(game->caption("Lbllogin"), "Игрок");
    EXPECT_FALSE(game->ended());

    // The introduction, once, as an information box with the game's title, and nothing else.
    ASSERT_EQ(services.history().size(), 1u);
    const ui::ServiceEvent& intro = services.history().front();
    EXPECT_EQ(intro.type, ui::ServiceEvent::Message);
    EXPECT_EQ(intro.kind, ui::MessageKind::Information);
    EXPECT_EQ(intro.text, Introduction);
    EXPECT_EQ(intro.title, "Tarnvik 2.1");
}

TEST_F(StartUp, TheNameIsTakenExactlyAsTyped) {
    const QString typed = QStringLiteral("  Вася Пупкин ");
    ASSERT_TRUE(game->edit(login().control("Text1"), typed));
    accept();
    EXPECT_EQ(game->caption("Lbllogin"), typed);
}

TEST_F(StartUp, AnEmptyNameIsAcceptedUnchanged) {
    ASSERT_TRUE(game->edit(login().control("Text1"), QString()));
    accept();
    EXPECT_EQ(game->caption("Lbllogin"), "");
    EXPECT_NE(game->find("Form1"), nullptr);
    EXPECT_EQ(services.history().size(), 1u) << "an empty name must not be refused";
}

TEST_F(StartUp, TheIntroductionComesBeforeTheNameIsShown) {
    game::GameGlobals& v = game->globals;
    QString nameDuringIntroduction;
    bool loginOpenDuringIntroduction = false;
    services.onEvent = [&](const ui::ServiceEvent&) {
        nameDuringIntroduction = game->caption("Lbllogin");
        loginOpenDuringIntroduction = game->find("FrmLogin") != nullptr;
    };
    game->edit(login().control("Text1"), QStringLiteral("Вася"));
    accept();
    services.onEvent = nullptr;
    EXPECT_EQ(nameDuringIntroduction, "Игрок");
    EXPECT_TRUE(loginOpenDuringIntroduction);
    EXPECT_EQ(game->caption("Lbllogin"), "Вася");
    // The random numbers are seeded once, after the introduction has been answered.
    EXPECT_EQ(services.seededAfter, 1);
    EXPECT_EQ(v.Hour, 0);
}

TEST_F(StartUp, TheMainWindowSetsEveryVariableToItsStartingValue) {
    // Whatever the variables held, the game starts from nothing.
    game::GameGlobals& v = game->globals;
    v.Salary = 120;
    v.JobLevel = 9;
    v.CpuLevel = 3;
    v.RamLevel = 4;
    v.VideoLevel = "2";
    v.OsLevel = 5;
    v.AntivirusLevel = 2;
    v.ModemLevel = 3;
    v.ModemSpeed = 20;
    v.InternetConnected = 1;
    v.SchoolPoints = 10;
    v.EnglishPoints = 10;
    v.UniversityPoints = 10;
    v.BrowserLevel = 3;
    v.FreeDiskMb = 900;
    v.DiskLevel = "3";
    v.Hour = 17;
    v.LanguageLevel = "9";
    accept();

    EXPECT_EQ(v.Salary, 0);
    EXPECT_EQ(v.JobLevel, 0);
    EXPECT_EQ(v.CpuLevel, 0);
    EXPECT_EQ(v.RamLevel, 0);
    EXPECT_EQ(v.VideoLevel, "0");
    EXPECT_EQ(v.OsLevel, 0);
    EXPECT_EQ(v.AntivirusLevel, 0);
    EXPECT_EQ(v.ModemLevel, 0);
    EXPECT_EQ(v.ModemSpeed, 0);
    EXPECT_EQ(v.InternetConnected, 0);
    EXPECT_EQ(v.SchoolPoints, 0);
    EXPECT_EQ(v.EnglishPoints, 0);
    EXPECT_EQ(v.UniversityPoints, 0);
    EXPECT_EQ(v.BrowserLevel, 0);
    EXPECT_EQ(v.FreeDiskMb, 0);
    EXPECT_EQ(v.DiskLevel, "0");
    EXPECT_EQ(v.Hour, 0);
    EXPECT_EQ(v.LanguageLevel, "0");
    EXPECT_FALSE(game->form1().control("mnuVexa").enabled());
}

TEST_F(StartUp, TheFirstHourPassesOneIntervalAfterTheMainWindowOpens) {
    game->scheduler().advance(5000);  // time before the name is accepted does not count
    accept();
    game->scheduler().advance(1499);
    EXPECT_EQ(game->caption("LblClock"), "00:00");
    game->scheduler().advance(1);
    EXPECT_EQ(game->caption("LblClock"), "01:00");
}

TEST_F(StartUp, ClosingTheNameWindowEndsTheProgram) {
    ASSERT_TRUE(game->requestClose(login()));
    EXPECT_TRUE(game->ended());
    EXPECT_TRUE(game->openWindows().empty());
    EXPECT_FALSE(game->hasForm1());
    // Nothing asked, nothing shown: only the end.
    ASSERT_EQ(services.history().size(), 1u);
    EXPECT_EQ(services.history().front().type, ui::ServiceEvent::Ended);
}

}  // namespace

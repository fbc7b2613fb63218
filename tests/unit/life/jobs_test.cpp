#include "game/job_ladder.h"
#include "life_fixture.h"

namespace life_tests {
namespace {

using ui::MessageKind;

const QString Hired = "Вы устроены на работу!";

class Jobs : public LifeFixture {
protected:
    // Education and language enough for every job on the ladder.
    void qualifyForAll() {
        globals().SchoolPoints = 10;
        globals().EnglishPoints = 10;
        globals().UniversityPoints = 10;
        globals().LanguageLevel = "9";
    }
    void apply(int row) {
        selectRow("Form4", "List1", row);
        click("Form4", "Command1");
    }
};

TEST_F(Jobs, ListsTheLadderWithItsSalaries) {
    open("Form4");
    EXPECT_EQ(control("Form4", "List1").items(),
              QStringList({"Стажер", "Помощник програмиста", "Млачший програмист", "Програмист",
                           "Старший програмист", "Администратор", "Старший администратор",
                           "Начальник отдела", "Директор"}));
    EXPECT_EQ(control("Form4", "List2").items(),
              QStringList({"10", "20", "30", "50", "70", "80", "95", "105", "120"}));
}

TEST_F(Jobs, ApplyingWithNothingSelectedIsRefused) {
    qualifyForAll();
    open("Form4");
    const auto before = snapshot();
    click("Form4", "Command1");
    expectMessage(MessageKind::Exclamation, "Выберете Работу!");
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Jobs, OneEnglishPointMakesAnInternAndOnlyOnce) {
    globals().EnglishPoints = 1;
    open("Form4");
    apply(0);
    expectMessage(MessageKind::Information, Hired);
    EXPECT_EQ(caption("LblCoint"), "1");
    EXPECT_EQ(globals().JobLevel, 1);
    EXPECT_EQ(globals().Salary, 10);
    EXPECT_EQ(caption("LblWork"), "Стажер");

    const auto before = snapshot();
    apply(0);
    expectMessage(MessageKind::Exclamation, "Вы уже устроились на эту работу!");
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Jobs, NoStepDownTheLadder) {
    qualifyForAll();
    globals().JobLevel = 4;
    globals().Salary = 50;
    setCaption("LblWork", "Програмист");
    open("Form4");
    const auto before = snapshot();
    for (int row : {0, 2}) {
        apply(row);
        expectMessage(MessageKind::Exclamation, "Вы на более лучшую работу!");
    }
    apply(3);
    expectMessage(MessageKind::Exclamation, "Вы уже устроились на эту работу!");
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Jobs, RequirementsAreTestedBeforeTheJobHeld) {
    globals().JobLevel = 4;
    open("Form4");
    apply(0);  // no English at all
    expectMessage(MessageKind::Exclamation, "Вам нужно собрать 1 очко английского!!");
    expectQuiet();
}

TEST_F(Jobs, JumpingUpTheLadderEarnsTheDifference) {
    qualifyForAll();
    open("Form4");
    apply(3);
    expectMessage(MessageKind::Information, Hired);
    EXPECT_EQ(caption("LblCoint"), "10");
    EXPECT_EQ(globals().Salary, 50);
    apply(4);
    expectMessage(MessageKind::Information, Hired);
    EXPECT_EQ(caption("LblCoint"), "15");
    EXPECT_EQ(globals().JobLevel, 5);
    EXPECT_EQ(globals().Salary, 70);
    EXPECT_EQ(caption("LblWork"), "Старший програмист");
    apply(8);
    expectMessage(MessageKind::Information, Hired);
    EXPECT_EQ(caption("LblCoint"), "45");
    EXPECT_EQ(globals().Salary, 120);
    EXPECT_EQ(caption("LblWork"), "Директор");
}

TEST_F(Jobs, AssistantToProgrammerEarnsSix) {
    qualifyForAll();
    setCaption("LblCoint", "20");
    open("Form4");
    apply(1);
    EXPECT_EQ(caption("LblCoint"), "23");
    apply(3);
    EXPECT_EQ(caption("LblCoint"), "29");
    EXPECT_EQ(globals().JobLevel, 4);
}

TEST(JobPoints, FollowTheTriangleNumbersExceptAssistantToProgrammer) {
    auto total = [](int n) { return n * (n + 1) / 2; };
    for (int from = 0; from < 9; ++from) {
        for (int to = from + 1; to <= 9; ++to) {
            const int expected = (from == 2 && to == 4) ? 6 : total(to) - total(from);
            EXPECT_EQ(game::JobPoints(from, to), expected) << from << "->" << to;
        }
    }
}

TEST_F(Jobs, ALanguageOfLevelThreeOpensTheFirstThreeJobsOnly) {
    qualifyForAll();
    globals().LanguageLevel = "3";
    open("Form4");
    for (int row = 0; row < 3; ++row) {
        apply(row);
        expectMessage(MessageKind::Information, Hired);
    }
    for (int row = 3; row < 9; ++row) {
        apply(row);
        expectMessage(MessageKind::Exclamation,
                      QString::fromUtf8(game::jobLadder()[static_cast<std::size_t>(row)].missing));
    }
    expectQuiet();
    EXPECT_EQ(globals().JobLevel, 3);
}

// For every job, take away each requirement in turn (one short of it): the row's own message,
// and nothing changes.
TEST_F(Jobs, EachMissingRequirementGivesTheRowsMessage) {
    using Field = std::uint8_t game::GameGlobals::*;
    const std::array<Field, 3> courses = {&game::GameGlobals::SchoolPoints,
                                          &game::GameGlobals::EnglishPoints,
                                          &game::GameGlobals::UniversityPoints};
    open("Form4");
    for (int row = 0; row < game::JobCount; ++row) {
        const game::Job& job = game::jobLadder()[static_cast<std::size_t>(row)];
        const std::array<int, 4> needs = {job.school, job.english, job.university, job.language};
        for (std::size_t missing = 0; missing < needs.size(); ++missing) {
            if (needs[missing] == 0) {
                continue;
            }
            qualifyForAll();
            if (missing < courses.size()) {
                globals().*courses[missing] = static_cast<std::uint8_t>(needs[missing] - 1);
            } else {
                globals().LanguageLevel = QString::number(needs[missing] - 1);
            }
            const auto before = snapshot();
            apply(row);
            expectMessage(MessageKind::Exclamation, QString::fromUtf8(job.missing));
            EXPECT_EQ(snapshot(), before) << "row " << row << ", requirement " << missing;
        }
    }
    expectQuiet();
}

TEST_F(Jobs, TheDirectorWithNineSchoolPointsHearsTheDirectorsMessage) {
    qualifyForAll();
    globals().SchoolPoints = 9;
    globals().LanguageLevel = "8";
    open("Form4");
    apply(8);
    expectMessage(MessageKind::Exclamation,
                  "Вы должны собрать 10 очков среднего образования, 10 очков английского, 10 "
                  "очков высшего образования и купить Visual C++ .NET!");
}

TEST_F(Jobs, TheSalaryIsPaidAtTheEndOfEachDay) {
    globals().EnglishPoints = 1;
    open("Form4");
    apply(0);
    services.clearPending();
    closeBox("Form4");
    game->scheduler().advance(23 * Hour);
    EXPECT_EQ(caption("LblMoney"), "200");
    game->scheduler().advance(Hour);
    EXPECT_EQ(caption("LblClock"), "24:00");
    EXPECT_EQ(caption("LblMoney"), "210");
    game->scheduler().advance(24 * Hour);
    EXPECT_EQ(caption("LblMoney"), "220");
}

TEST_F(Jobs, ClickingASalarySelectsNothingButTheJobStaysSelected) {
    open("Form4");
    selectRow("Form4", "List1", 2);
    selectRow("Form4", "List2", 5);
    EXPECT_EQ(control("Form4", "List2").listIndex(), -1);
    EXPECT_EQ(control("Form4", "List1").listIndex(), 2);
}

}  // namespace
}  // namespace life_tests

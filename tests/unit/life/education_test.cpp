#include "life_fixture.h"

namespace life_tests {
namespace {

using ui::MessageKind;

struct CourseCase {
    const char* button;
    std::uint8_t game::GameGlobals::*points;
    const char* label;
    const char* question;
    const char* success;
};

const CourseCase School{"Command1", &game::GameGlobals::SchoolPoints, "Lbl1",
                        "Хотите получить среднее образование?",
                        "Теперь у вас среднее образование!"};
const CourseCase English{"Command2", &game::GameGlobals::EnglishPoints, "Lbl2",
                         "Хотите изучить английский язык?", "Вы изучили английский язык!"};
const CourseCase University{"Command3", &game::GameGlobals::UniversityPoints, "Lbl3",
                            "Хотите получить высшее образование?",
                            "Теперь у вас высшее образование!"};

class Education : public LifeFixture, public ::testing::WithParamInterface<CourseCase> {
protected:
    std::uint8_t& points() { return globals().*GetParam().points; }
    void study() { click("FrmTeach", GetParam().button); }
    bool buttonEnabled() { return control("FrmTeach", GetParam().button).enabled(); }
};

TEST_P(Education, TheLastHundredRublesBuyAPoint) {
    const CourseCase c = GetParam();
    setCaption("LblMoney", "100");
    open("FrmTeach");
    services.queueAnswer(true);
    study();
    expectMessage(MessageKind::Question, c.question);
    expectMessage(MessageKind::Information, c.success);
    expectQuiet();
    EXPECT_EQ(caption("LblMoney"), "0");
    EXPECT_EQ(points(), 1);
    EXPECT_EQ(caption(c.label), "1");

    // Now short of money: refused without a question.
    const auto before = snapshot();
    services.queueAnswer(true);
    study();
    expectMessage(MessageKind::Exclamation, "Нехватает денег!");
    expectQuiet();
    EXPECT_EQ(services.pendingAnswers(), 1u);
    EXPECT_EQ(snapshot(), before);
}

TEST_P(Education, AnsweringNoCostsNothing) {
    open("FrmTeach");
    const auto before = snapshot();
    services.queueAnswer(false);
    study();
    expectMessage(MessageKind::Question, GetParam().question);
    expectQuiet();
    EXPECT_EQ(snapshot(), before);
}

TEST_P(Education, TheTenthPointClosesTheCourseNowAndAtEveryOpening) {
    points() = 9;
    setCaption("LblMoney", "1000");
    open("FrmTeach");
    EXPECT_TRUE(buttonEnabled());
    services.queueAnswer(true);
    study();
    EXPECT_EQ(points(), 10);
    EXPECT_EQ(caption(GetParam().label), "10");
    EXPECT_EQ(caption("LblMoney"), "900");
    EXPECT_FALSE(buttonEnabled());

    closeBox("FrmTeach");
    open("FrmTeach");
    EXPECT_FALSE(buttonEnabled());
    int enabled = 0;
    for (const char* b : {"Command1", "Command2", "Command3"}) {
        enabled += control("FrmTeach", b).enabled() ? 1 : 0;
    }
    EXPECT_EQ(enabled, 2);  // the other courses stay open
}

TEST_P(Education, AfterANewGameTheCountersStartAgainFromOne) {
    points() = 4;
    services.queueAnswer(true);
    click("Form1", "mnuNewGame");
    services.clearPending();
    EXPECT_EQ(caption(GetParam().label), "Незнаю");

    open("FrmTeach");
    services.queueAnswer(true);
    study();
    EXPECT_EQ(points(), 1);
    EXPECT_EQ(caption(GetParam().label), "1");
}

INSTANTIATE_TEST_SUITE_P(Courses, Education, ::testing::Values(School, English, University),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(LifeFixture, ShowsTheHundredRublePriceLevelWithEachCourse) {
    open("FrmTeach");
    const ui::Control& text = control("FrmTeach", "Text1");
    EXPECT_EQ(text.text().split('\n').mid(0, 9),
              QStringList({"100", "", "", "", "100", "", "", "", "100"}));
    EXPECT_TRUE(text.readOnly);
    EXPECT_TRUE(text.multiLine);
}

}  // namespace
}  // namespace life_tests

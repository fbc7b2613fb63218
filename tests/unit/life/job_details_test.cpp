// The job window tells the chosen job's salary and requirements before the player applies.
// The expected texts are written from the job table of the rules by hand.
#include "life_fixture.h"

namespace life_tests {
namespace {

class JobDetails : public LifeFixture {};

TEST_F(JobDetails, AHintThenEachJobsSalaryAndRequirements) {
    const char* const expected[] = {
        "Оклад: 10 руб. в день\nСреднее образование: не нужно\nАнглийский: 1 очко\n"
        "Высшее образование: не нужно\nЯзык: не нужен",
        "Оклад: 20 руб. в день\nСреднее образование: 2 очка\nАнглийский: 2 очка\n"
        "Высшее образование: не нужно\nЯзык: QBasic или лучше",
        "Оклад: 30 руб. в день\nСреднее образование: 3 очка\nАнглийский: 4 очка\n"
        "Высшее образование: 1 очко\nЯзык: Visual Basic или лучше",
        "Оклад: 50 руб. в день\nСреднее образование: 5 очков\nАнглийский: 5 очков\n"
        "Высшее образование: 3 очка\nЯзык: Visual Basic .NET или лучше",
        "Оклад: 70 руб. в день\nСреднее образование: 6 очков\nАнглийский: 6 очков\n"
        "Высшее образование: 5 очков\nЯзык: Visual C# или лучше",
        "Оклад: 80 руб. в день\nСреднее образование: 7 очков\nАнглийский: 7 очков\n"
        "Высшее образование: 6 очков\nЯзык: Visual J# или лучше",
        "Оклад: 95 руб. в день\nСреднее образование: 8 очков\nАнглийский: 9 очков\n"
        "Высшее образование: 7 очков\nЯзык: Visual C или лучше",
        "Оклад: 105 руб. в день\nСреднее образование: 8 очков\nАнглийский: 10 очков\n"
        "Высшее образование: 8 очков\nЯзык: Visual C++ или лучше",
        "Оклад: 120 руб. в день\nСреднее образование: 10 очков\nАнглийский: 10 очков\n"
        "Высшее образование: 10 очков\nЯзык: Visual C++ .NET",
    };
    open("Form4");
    EXPECT_EQ(control("Form4", "Label3").caption(),
              "Выберите работу в списке, чтобы узнать её оклад и требования.");
    const QStringList before = state();
    for (int row = 0; row < 9; ++row) {
        selectRow("Form4", "List1", row);
        EXPECT_EQ(control("Form4", "Label3").caption(), QString::fromUtf8(expected[row])) << row;
    }
    // Looking asks nothing and changes nothing.
    expectQuiet();
    EXPECT_EQ(state(), before);
}

}  // namespace
}  // namespace life_tests

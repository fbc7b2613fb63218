#include "life/frm_teach.h"

#include <array>

#include "game/game.h"
#include "ui/display_list.h"
#include "ui/metrics.h"

namespace life {

namespace {

constexpr double Price = 100;
constexpr int MaxPoints = 10;

using Course = FrmTeach::Course;

const std::array<Course, 3> Courses = {{
    {"Command1", &game::GameGlobals::SchoolPoints, "Lbl1", "Хотите получить среднее образование?",
     "Теперь у вас среднее образование!"},
    {"Command2", &game::GameGlobals::EnglishPoints, "Lbl2", "Хотите изучить английский язык?",
     "Вы изучили английский язык!"},
    {"Command3", &game::GameGlobals::UniversityPoints, "Lbl3",
     "Хотите получить высшее образование?", "Теперь у вас высшее образование!"},
}};

constexpr int HeadingTop = 10;
constexpr int HeadingHeight = 18;
constexpr int TextTop = HeadingTop + HeadingHeight;
constexpr int ButtonHeight = 20;
constexpr int TextLeft = 190;
constexpr int TextWidth = 76;

// A course's price every fourth line, level with its button.
const char* const PriceText = "100\n\n\n\n100\n\n\n\n100\n";
constexpr int lineOf(std::size_t course) {
    return 4 * static_cast<int>(course);
}
constexpr int TextLines = 10;
// Without a few pixels to spare the last line's leading calls up a scroll bar.
constexpr int TextSlack = 6;

}  // namespace

FrmTeach::FrmTeach(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Обучение"), TextLeft + TextWidth + 10, 204),
      game_(game) {
    const char* const captions[] = {"Вечерняя школа", "Курсы Английского", "Высшее Образование"};
    for (std::size_t i = 0; i < Courses.size(); ++i) {
        const int y = ui::levelWithLine(TextTop, lineOf(i), ButtonHeight);
        const Course& course = Courses[i];
        addButton(course.button, captions[i], {10, y, 170, ButtonHeight}).onClick =
            [this, &course] { study(course); };
    }
    ui::Control& heading =
        addLabel("Label1", "Цена, руб.", {TextLeft, HeadingTop, TextWidth, HeadingHeight});
    heading.align = ui::Align::Center;
    ui::Control& prices = add("Text1", ui::ControlKind::TextBox,
                              {TextLeft, TextTop, TextWidth,
                               2 * ui::TextBoxInset + ui::LineHeight * TextLines + TextSlack});
    prices.multiLine = true;
    prices.readOnly = true;
    prices.setBackColor(ui::colors::DarkGrey);
    prices.setText(QString::fromUtf8(PriceText));
    prices.labelledBy = &heading;
    for (std::size_t i = 0; i < Courses.size(); ++i) {
        ui::Control& button = control(Courses[i].button);
        button.valuesBeside = {&prices};
        button.rowBeside = lineOf(i);
    }
}

void FrmTeach::load() {
    for (const Course& course : Courses) {
        if (game_.globals.*course.points >= MaxPoints) {
            control(course.button).setEnabled(false);
        }
    }
}

void FrmTeach::study(const Course& course) {
    std::uint8_t& points = game_.globals.*course.points;
    const double money = game_.number("LblMoney");
    if (money < Price) {
        game_.exclamation(QStringLiteral("Нехватает денег!"));
    } else if (game_.ask(QString::fromUtf8(course.question)) && points < MaxPoints) {
        game_.info(QString::fromUtf8(course.success));
        game_.setNumber("LblMoney", money - Price);
        ++points;
        game_.setCaption(course.label, QString::number(points));
    }
    if (points >= MaxPoints) {
        control(course.button).setEnabled(false);
    }
}

void FrmTeach::queryUnload() {
    game_.endActivity();
}

}  // namespace life

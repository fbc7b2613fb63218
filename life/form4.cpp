#include "life/form4.h"

#include "game/game.h"
#include "game/job_ladder.h"
#include "game/programs.h"
#include "ui/display_list.h"
#include "ui/metrics.h"

namespace life {

namespace {

using game::Job;
using game::JobCount;

bool qualifies(const game::GameGlobals& v, const Job& job) {
    // Tested in this order; whichever is missing, the applicant hears the whole list.
    return v.SchoolPoints >= job.school && v.EnglishPoints >= job.english &&
           v.UniversityPoints >= job.university &&
           game::levelNumber(v.LanguageLevel) >= job.language;
}

// Top to bottom: the headings, the lists side by side, the chosen job's details, the button.
constexpr int Margin = 8;
constexpr int Gap = 8;
constexpr int NamesWidth = 192;
constexpr int SalariesLeft = Margin + NamesWidth + 4;
constexpr int SalariesWidth = 84;
constexpr int Width = SalariesLeft + SalariesWidth + Margin;
constexpr int HeadingHeight = 18;
constexpr int ListTop = Margin + HeadingHeight;
constexpr int DetailsTop = ListTop + ui::listHeight(JobCount) + Gap;
constexpr int DetailsHeight = 16 * 5 + 4;  // five lines: the salary and four requirements
constexpr int ButtonTop = DetailsTop + DetailsHeight + Gap;
constexpr int ButtonHeight = 24;
constexpr int Height = ButtonTop + ButtonHeight + Margin;

const char* const Hint = "Выберите работу в списке, чтобы узнать её оклад и требования.";

// "1 очко", "2 очка", "5 очков".
QString points(int n) {
    const int last = n % 10;
    const bool teens = n % 100 >= 11 && n % 100 <= 14;
    const char* word = !teens && last == 1                ? "очко"
                       : !teens && last >= 2 && last <= 4 ? "очка"
                                                          : "очков";
    return QString::number(n) + u' ' + QString::fromUtf8(word);
}

// A job's salary and what it asks of the applicant, a line each, from the ladder the rules use.
QString details(const Job& job) {
    const auto education = [](const char* course, int needed, const char* none) {
        return QString::fromUtf8(course) + QStringLiteral(": ") +
               (needed > 0 ? points(needed) : QString::fromUtf8(none));
    };
    QString language = QStringLiteral("Язык: не нужен");
    if (job.language > 0) {
        language = QStringLiteral("Язык: ") + game::languageName(job.language);
        if (job.language < game::languageNames().size()) {
            language += QStringLiteral(" или лучше");
        }
    }
    return QStringList{
        QStringLiteral("Оклад: %1 руб. в день").arg(job.salary),
        education("Среднее образование", job.school, "не нужно"),
        education("Английский", job.english, "не нужен"),
        education("Высшее образование", job.university, "не нужно"),
        language,
    }
        .join(u'\n');
}

}  // namespace

Form4::Form4(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Выбор работы"), Width, Height),
      game_(game) {
    QStringList names;
    QStringList salaries;
    for (const Job& job : game::jobLadder()) {
        names.append(QString::fromUtf8(job.name));
        salaries.append(QString::number(job.salary));
    }
    ui::Control& jobsHeading =
        addLabel("Label1", "Работа", {Margin + 2, Margin, NamesWidth - 2, HeadingHeight});
    ui::Control& salariesHeading =
        addLabel("Label2", "Оклад, руб.", {SalariesLeft, Margin, SalariesWidth, HeadingHeight});
    salariesHeading.align = ui::Align::Center;
    ui::Control& jobs =
        addList("List1", names, {Margin, ListTop, NamesWidth, ui::listHeight(JobCount)});
    jobs.setBackColor(ui::colors::DarkGrey);
    // The chosen job's salary and requirements show before the player applies.
    jobs.onClick = [this] { describeChosenJob(); };
    ui::Control& salaryList = addList(
        "List2", salaries, {SalariesLeft, ListTop, SalariesWidth, ui::listHeight(JobCount)});
    ui::makeDisplayOnly(salaryList);
    jobs.labelledBy = &jobsHeading;
    salaryList.labelledBy = &salariesHeading;
    jobs.valuesBeside = {&salaryList};
    addLabel("Label3", QString::fromUtf8(Hint),
             {Margin + 2, DetailsTop, Width - 2 * Margin - 2, DetailsHeight})
        .multiLine = true;
    addButton("Command1", "Устроится на работу",
              {Margin, ButtonTop, Width - 2 * Margin, ButtonHeight})
        .onClick = [this] { apply(); };
}

void Form4::describeChosenJob() {
    const int row = control("List1").listIndex();
    control("Label3").setCaption(row >= 0 && row < JobCount
                                     ? details(game::jobLadder()[static_cast<std::size_t>(row)])
                                     : QString::fromUtf8(Hint));
}

void Form4::apply() {
    const int row = control("List1").listIndex();
    if (row < 0 || row >= JobCount) {
        game_.exclamation(QStringLiteral("Выберете Работу!"));
        return;
    }
    const Job& job = game::jobLadder()[static_cast<std::size_t>(row)];
    const int level = row + 1;
    game::GameGlobals& v = game_.globals;
    if (!qualifies(v, job)) {
        game_.exclamation(QString::fromUtf8(job.missing));
        return;
    }
    if (v.JobLevel > level) {
        game_.exclamation(QStringLiteral("Вы на более лучшую работу!"));
        return;
    }
    if (v.JobLevel == level) {
        game_.exclamation(QStringLiteral("Вы уже устроились на эту работу!"));
        return;
    }
    game_.setNumber("LblCoint", game_.number("LblCoint") + game::JobPoints(v.JobLevel, level));
    v.JobLevel = static_cast<std::uint8_t>(level);
    game_.info(QStringLiteral("Вы устроены на работу!"));
    v.Salary = job.salary;
    game_.setCaption("LblWork", control("List1").item(row));
}

void Form4::queryUnload() {
    game_.endActivity();
}

}  // namespace life

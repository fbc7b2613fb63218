#include "life/form4.h"

#include "game/game.h"
#include "game/job_ladder.h"
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

}  // namespace

Form4::Form4(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Выбор работы"), 276, 204), game_(game) {
    QStringList names;
    QStringList salaries;
    for (const Job& job : game::jobLadder()) {
        names.append(QString::fromUtf8(job.name));
        salaries.append(QString::number(job.salary));
    }
    constexpr int top = 8;
    addList("List1", names, {8, top, 192, ui::listHeight(JobCount)})
        .setBackColor(ui::colors::DarkGrey);
    ui::makeDisplayOnly(addList("List2", salaries, {204, top, 64, ui::listHeight(JobCount)}));
    addButton("Command1", "Устроится на работу", {8, top + ui::listHeight(JobCount) + 10, 260, 24})
        .onClick = [this] { apply(); };
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

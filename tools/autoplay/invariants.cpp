#include "tools/autoplay/invariants.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "game/game.h"
#include "tools/autoplay/rules_tables.h"
#include "tools/autoplay/session.h"
#include "tools/autoplay/step_lines.h"
#include "tools/scenario/quoting.h"
#include "ui/numbers.h"
#include "ui/property_access.h"

namespace autoplay {

namespace {

const QString Main = QStringLiteral("Form1");

bool isOneOf(const QString& name, std::initializer_list<const char*> names) {
    for (const char* n : names) {
        if (name == QLatin1String(n)) {
            return true;
        }
    }
    return false;
}

Violation broken(const QString& rule, const QString& detail,
                 std::vector<scenario::Step> expects = {}) {
    return Violation{rule, detail, std::move(expects)};
}

// A level held as text counts only when it is one of the levels the stores sell.
int levelText(const QString& text, int highest) {
    bool ok = false;
    const int level = text.toInt(&ok);
    return ok && level >= 1 && level <= highest && text == QString::number(level) ? level : 0;
}

bool hasEvent(const std::vector<ui::ServiceEvent>& events, const QString& text) {
    for (const ui::ServiceEvent& e : events) {
        if (e.type == ui::ServiceEvent::Message && e.text.startsWith(text)) {
            return true;
        }
    }
    return false;
}

// A new game or a load (even a failed one) may set every value anew.
bool stateReset(const std::vector<ui::ServiceEvent>& events) {
    for (const ui::ServiceEvent& e : events) {
        if (e.type != ui::ServiceEvent::Message) {
            continue;
        }
        if ((e.kind == ui::MessageKind::Question &&
             e.text == QStringLiteral("Хотите начать новую игру?") &&
             e.answer == ui::Answer::Yes) ||
            e.text.startsWith(QStringLiteral("Игра загружена!")) ||
            e.text.startsWith(QStringLiteral("Ошибка загрузки игры!"))) {
            return true;
        }
    }
    return false;
}

class Checks {
public:
    Checks(const game::Game& game, const ui::Window& main) : g_(game), main_(main) {}

    std::optional<Violation> numbers() const;
    std::optional<Violation> clock(bool paused) const;
    std::optional<Violation> mainWindow() const;
    std::optional<Violation> equipment() const;
    std::optional<Violation> career() const;
    std::optional<Violation> disk() const;
    std::optional<Violation> activityWindows() const;
    std::optional<Violation> warnings() const;

private:
    QString caption(const char* label) const { return main_.control(label).caption(); }
    std::optional<Violation> shows(const char* label, const QString& expected,
                                   const QString& because) const;

    const game::Game& g_;
    const ui::Window& main_;
};

std::optional<Violation> Checks::shows(const char* label, const QString& expected,
                                       const QString& because) const {
    if (caption(label) == expected) {
        return std::nullopt;
    }
    return broken(QStringLiteral("the main window shows what is installed"),
                  because + QStringLiteral(" but ") + QLatin1String(label) +
                      QStringLiteral(" shows ") + scenario::quoted(caption(label)),
                  {expectStep(Main, QLatin1String(label), QStringLiteral("Caption"), expected)});
}

std::optional<Violation> Checks::numbers() const {
    const QString rule = QStringLiteral("every caption that holds a number reads as one");
    for (const char* label : {"LblMoney", "LblEda", "LblRazvl", "LblCoint"}) {
        if (!ui::parseNumber(caption(label))) {
            return broken(rule, QLatin1String(label) + QStringLiteral(" shows ") +
                                    scenario::quoted(caption(label)));
        }
    }
    for (const char* label : {"Lbl1", "Lbl2", "Lbl3"}) {
        const QString text = caption(label);
        if (text != QStringLiteral("Незнаю") && !ui::parseNumber(text)) {
            return broken(
                rule, QLatin1String(label) + QStringLiteral(" shows ") + scenario::quoted(text));
        }
    }
    static const QRegularExpression free(QStringLiteral("^-?\\d+ MB$"));
    static const QRegularExpression hour(QStringLiteral("^ ?\\d\\d:00$"));
    if (!free.match(caption("LblHDF")).hasMatch()) {
        return broken(rule, QStringLiteral("LblHDF shows ") + scenario::quoted(caption("LblHDF")));
    }
    if (!hour.match(caption("LblClock")).hasMatch()) {
        return broken(rule,
                      QStringLiteral("LblClock shows ") + scenario::quoted(caption("LblClock")));
    }
    for (const char* shop : {"FrmMagazine", "FrmRazvl"}) {
        if (const ui::Window* w = g_.find(QLatin1String(shop))) {
            const QString copy = w->control(QStringLiteral("Label2")).caption();
            if (!ui::parseNumber(copy)) {
                return broken(rule, QLatin1String(shop) + QStringLiteral(".Label2 shows ") +
                                        scenario::quoted(copy));
            }
        }
    }
    return std::nullopt;
}

std::optional<Violation> Checks::clock(bool paused) const {
    QStringList stopping;
    for (const ui::Window* w : g_.openWindows()) {
        if (stopsClock(w->name())) {
            stopping.append(w->name());
        }
    }
    const bool expected = stopping.isEmpty() && !paused;
    const bool running = main_.control(QStringLiteral("Timer1")).enabled();
    if (running == expected) {
        return std::nullopt;
    }
    QString why = stopping.isEmpty()
                      ? QStringLiteral("no window that stops it is open")
                      : stopping.join(QStringLiteral(", ")) + QStringLiteral(" open");
    why += paused ? QStringLiteral(", the game paused") : QStringLiteral(", the game not paused");
    return broken(QStringLiteral("the clock runs exactly when no clock-stopping window is open and "
                                 "the game is not paused"),
                  QStringLiteral("the clock %1 with %2")
                      .arg(running ? QStringLiteral("runs") : QStringLiteral("stands"), why),
                  {expectStep(Main, QStringLiteral("Timer1"), QStringLiteral("Enabled"),
                              expected ? QStringLiteral("true") : QStringLiteral("false"))});
}

std::optional<Violation> Checks::mainWindow() const {
    QStringList above;
    for (const ui::Window* w : g_.openWindows()) {
        if (disablesMainWindow(w->name())) {
            above.append(w->name());
        }
    }
    if (!main_.enabled() && above.isEmpty()) {
        QStringList open;
        for (const ui::Window* w : g_.openWindows()) {
            open.append(w->name());
        }
        return broken(
            QStringLiteral("a disabled main window always has an open window above it"),
            QStringLiteral("the main window is disabled; open: ") + open.join(QStringLiteral(", ")),
            {expectStep(Main, {}, QStringLiteral("Enabled"), QStringLiteral("true"))});
    }
    if (main_.enabled() && !above.isEmpty()) {
        return broken(QStringLiteral("the main window is disabled while a window above it is open"),
                      QStringLiteral("the main window is enabled with ") +
                          above.join(QStringLiteral(", ")) + QStringLiteral(" open"),
                      {expectStep(Main, {}, QStringLiteral("Enabled"), QStringLiteral("false"))});
    }
    return std::nullopt;
}

std::optional<Violation> Checks::equipment() const {
    const game::GameGlobals& v = g_.globals;
    const QString why = QStringLiteral("level %1 is installed");
    auto part = [&](const char* label, int level, const QString& name) -> std::optional<Violation> {
        return name.isEmpty() ? std::nullopt : shows(label, name, why.arg(level));
    };
    if (auto b = part("LblCPU", v.CpuLevel, rules::processorName(v.CpuLevel))) {
        return b;
    }
    if (auto b = part("LblRam", v.RamLevel, rules::memoryName(v.RamLevel))) {
        return b;
    }
    if (auto b = part("LblModem", v.ModemLevel, rules::modemName(v.ModemLevel))) {
        return b;
    }
    const int diskLevel = levelText(v.DiskLevel, 4);
    if (auto b = part("LblHD", diskLevel, rules::diskName(diskLevel))) {
        return b;
    }
    const int video = levelText(v.VideoLevel, 4);
    if (auto b = part("LblVideo", video, rules::videoName(video))) {
        return b;
    }
    if (auto b = part("LblOS", v.OsLevel, rules::systemName(v.OsLevel))) {
        return b;
    }
    if (v.OsLevel == 5 && !rules::isInGameSystemName(caption("LblOS"))) {
        return broken(QStringLiteral("the main window shows what is installed"),
                      QStringLiteral("the in-game system is installed but LblOS shows ") +
                          scenario::quoted(caption("LblOS")));
    }
    if (auto b = part("LblAV", v.AntivirusLevel, rules::antivirusName(v.AntivirusLevel))) {
        return b;
    }
    if (v.BrowserLevel >= 1 && v.BrowserLevel <= 4 &&
        !rules::isBrowserName(v.BrowserLevel, caption("LblIB"))) {
        return broken(QStringLiteral("the main window shows what is installed"),
                      why.arg(v.BrowserLevel) + QStringLiteral(" but LblIB shows ") +
                          scenario::quoted(caption("LblIB")));
    }
    const int language = levelText(v.LanguageLevel, 9);
    if (auto b = part("LblPL", language, rules::languageName(language))) {
        return b;
    }
    if (v.ModemSpeed != rules::modemSpeed(v.ModemLevel)) {
        return broken(
            QStringLiteral("the modem's transfer step follows the modem"),
            QStringLiteral("ModemLevel %1, ModemSpeed %2").arg(v.ModemLevel).arg(v.ModemSpeed),
            {expectGlobalStep(QStringLiteral("ModemSpeed"),
                              QString::number(rules::modemSpeed(v.ModemLevel)))});
    }
    const ui::Control& vexa = main_.control(QStringLiteral("mnuVexa"));
    // While a window is open over the main window its menu cannot be used; the item must be
    // right by the time the main window is given back.
    if (vexa.enabled() && main_.enabled() && v.OsLevel != 5) {
        return broken(
            QStringLiteral("mnuVexa is usable only while the in-game system is installed"),
            QStringLiteral("mnuVexa is enabled with OsLevel %1").arg(v.OsLevel),
            {expectStep(Main, QStringLiteral("mnuVexa"), QStringLiteral("Enabled"),
                        QStringLiteral("false"))});
    }
    return std::nullopt;
}

std::optional<Violation> Checks::career() const {
    const game::GameGlobals& v = g_.globals;
    if (v.JobLevel >= 1 && v.JobLevel <= rules::JobCount) {
        const rules::Job& job = rules::jobs()[v.JobLevel - 1];
        if (auto b = shows("LblWork", QString::fromUtf8(job.name),
                           QStringLiteral("job level %1 is held").arg(v.JobLevel))) {
            return b;
        }
        if (v.Salary != job.salary) {
            return broken(
                QStringLiteral("the salary is the job's"),
                QStringLiteral("job level %1 pays %2").arg(v.JobLevel).arg(v.Salary),
                {expectGlobalStep(QStringLiteral("Salary"), QString::number(job.salary))});
        }
    } else if (v.Salary != 0) {
        return broken(QStringLiteral("the salary is the job's"),
                      QStringLiteral("no job, yet a salary of %1").arg(v.Salary),
                      {expectGlobalStep(QStringLiteral("Salary"), QStringLiteral("0"))});
    }
    struct Course {
        const char* label;
        int points;
    };
    for (const Course& c : {Course{"Lbl1", v.SchoolPoints}, Course{"Lbl2", v.EnglishPoints},
                            Course{"Lbl3", v.UniversityPoints}}) {
        const QString text = caption(c.label);
        if (c.points > 10) {
            return broken(QStringLiteral("an education counter stops at 10"),
                          QLatin1String(c.label) + QStringLiteral(" counts %1").arg(c.points));
        }
        if (text != QString::number(c.points) &&
            !(c.points == 0 && text == QStringLiteral("Незнаю"))) {
            return broken(QStringLiteral("the education labels show the points"),
                          QLatin1String(c.label) + QStringLiteral(" shows ") +
                              scenario::quoted(text) +
                              QStringLiteral(" for %1 points").arg(c.points),
                          {expectStep(Main, QLatin1String(c.label), QStringLiteral("Caption"),
                                      QString::number(c.points))});
        }
    }
    if (v.Hour > 23) {
        return broken(QStringLiteral("the hour stays within a day"),
                      QStringLiteral("Hour is %1 between ticks").arg(v.Hour));
    }
    const QString clockText = QStringLiteral("%1:00").arg(v.Hour, 2, 10, QLatin1Char('0'));
    if (v.Hour >= 1 && caption("LblClock") != clockText) {
        return broken(
            QStringLiteral("the clock shows the hour"),
            QStringLiteral("hour %1, LblClock ").arg(v.Hour) +
                scenario::quoted(caption("LblClock")),
            {expectStep(Main, QStringLiteral("LblClock"), QStringLiteral("Caption"), clockText)});
    }
    return std::nullopt;
}

std::optional<Violation> Checks::disk() const {
    const game::GameGlobals& v = g_.globals;
    // A loaded level no store sells keeps the file's free space beside the old label.
    if (v.DiskLevel.size() != 1 || v.DiskLevel[0] < u'0' || v.DiskLevel[0] > u'4') {
        return std::nullopt;
    }
    const QString expected = QString::number(v.FreeDiskMb) + QStringLiteral(" MB");
    if (caption("LblHDF") != expected) {
        return broken(
            QStringLiteral("LblHDF shows the free disk space"),
            QStringLiteral("FreeDiskMb %1, LblHDF ").arg(v.FreeDiskMb) +
                scenario::quoted(caption("LblHDF")),
            {expectStep(Main, QStringLiteral("LblHDF"), QStringLiteral("Caption"), expected)});
    }
    return std::nullopt;
}

std::optional<Violation> Checks::warnings() const {
    // Satiety and mood warn at 15 and below, gravely at 5 and below; money warns below the price
    // of a breakfast (2 rubles, times the job level from the second job on), gravely at 0.
    auto need = [](double value) {
        return QLatin1String(value <= 5 ? "critical" : value <= 15 ? "low" : "none");
    };
    const int level = g_.globals.JobLevel;
    const double breakfast = 2 * (level >= 2 ? level : 1);
    const double money = ui::toNumber(caption("LblMoney"));
    const std::pair<const char*, QString> expected[] = {
        {"LblEda", need(ui::toNumber(caption("LblEda")))},
        {"LblRazvl", need(ui::toNumber(caption("LblRazvl")))},
        {"LblMoney", QLatin1String(money <= 0          ? "critical"
                                   : money < breakfast ? "low"
                                                       : "none")},
    };
    for (const auto& [label, warning] : expected) {
        const QString shown = ui::warningText(main_.control(QLatin1String(label)).warning());
        if (shown != warning) {
            return broken(
                QStringLiteral("the main window warns of the values at risk"),
                QLatin1String(label) + QStringLiteral(" shows ") +
                    scenario::quoted(caption(label)) + QStringLiteral(" and warns ") + shown,
                {expectStep(Main, QLatin1String(label), QStringLiteral("Warning"), warning)});
        }
    }
    return std::nullopt;
}

std::optional<Violation> Checks::activityWindows() const {
    const game::GameGlobals& v = g_.globals;
    // Display-only price columns never keep a selection.
    struct Display {
        const char* window;
        const char* list;
    };
    for (const Display& d : {Display{"Form2", "List2"}, Display{"Form3", "List2"},
                             Display{"FrmPL", "List2"}, Display{"Form4", "List2"},
                             Display{"FrmMagazine", "List1"}, Display{"FrmMagazine", "List2"},
                             Display{"FrmRazvl", "List1"}, Display{"FrmRazvl", "List2"}}) {
        if (const ui::Window* w = g_.find(QLatin1String(d.window))) {
            if (w->control(QLatin1String(d.list)).listIndex() != -1) {
                return broken(QStringLiteral("a price column keeps no selection"),
                              QLatin1String(d.window) + u'.' + QLatin1String(d.list) +
                                  QStringLiteral(" has row %1 selected")
                                      .arg(w->control(QLatin1String(d.list)).listIndex()),
                              {expectStep(QLatin1String(d.window), QLatin1String(d.list),
                                          QStringLiteral("ListIndex"), QStringLiteral("-1"))});
            }
        }
    }
    const int m = v.JobLevel >= 2 ? v.JobLevel : 1;
    struct Shop {
        const char* window;
        const char* copyOf;
        std::vector<std::pair<int, int>> prices;  // row, factor
    };
    for (const Shop& s : {Shop{"FrmMagazine", "LblEda", {{1, 2}, {4, 8}, {8, 5}}},
                          Shop{"FrmRazvl", "LblRazvl", {{1, 5}, {4, 10}}}}) {
        const ui::Window* w = g_.find(QLatin1String(s.window));
        if (w == nullptr) {
            continue;
        }
        const QString copy = w->control(QStringLiteral("Label2")).caption();
        if (copy != caption(s.copyOf)) {
            return broken(QStringLiteral("a shop shows the value it changes"),
                          QLatin1String(s.window) + QStringLiteral(".Label2 shows ") +
                              scenario::quoted(copy) + QStringLiteral(", ") +
                              QLatin1String(s.copyOf) + u' ' + scenario::quoted(caption(s.copyOf)),
                          {expectStep(QLatin1String(s.window), QStringLiteral("Label2"),
                                      QStringLiteral("Caption"), caption(s.copyOf))});
        }
        const ui::Control& list = w->control(QStringLiteral("List1"));
        for (const auto& [row, factor] : s.prices) {
            const QString price = QString::number(factor * m);
            if (list.item(row) != price) {
                return broken(QStringLiteral("a shop's prices follow the job"),
                              QLatin1String(s.window) + QStringLiteral(" row %1 shows ").arg(row) +
                                  scenario::quoted(list.item(row)) +
                                  QStringLiteral(" at job level %1").arg(v.JobLevel),
                              {expectStep(QLatin1String(s.window), QStringLiteral("List1"),
                                          QStringLiteral("Item[%1]").arg(row), price)});
            }
        }
    }
    if (const ui::Window* w = g_.find(QStringLiteral("FrmTeach"))) {
        const int counters[] = {v.SchoolPoints, v.EnglishPoints, v.UniversityPoints};
        for (int i = 0; i < 3; ++i) {
            const QString button = QStringLiteral("Command%1").arg(i + 1);
            const bool expected = counters[i] < 10;
            if (w->control(button).enabled() != expected) {
                return broken(
                    QStringLiteral("a course can be studied until its tenth point"),
                    button +
                        QStringLiteral(" is %1 at %2 points")
                            .arg(expected ? QStringLiteral("disabled") : QStringLiteral("enabled"))
                            .arg(counters[i]),
                    {expectStep(QStringLiteral("FrmTeach"), button, QStringLiteral("Enabled"),
                                expected ? QStringLiteral("true") : QStringLiteral("false"))});
            }
        }
    }
    return std::nullopt;
}

std::optional<Violation> checkChanges(const Moment& before, const Moment& after,
                                      const scenario::Step& step,
                                      const std::vector<ui::ServiceEvent>& events) {
    if (!before.playing || !after.playing || stateReset(events)) {
        return std::nullopt;
    }
    if (after.points < before.points) {
        return broken(
            QStringLiteral("points are never taken away"),
            QStringLiteral("points fell from %1 to %2").arg(before.points).arg(after.points));
    }
    if (after.satiety > before.satiety && after.satiety > 100) {
        return broken(
            QStringLiteral("satiety rises to 100 at most"),
            QStringLiteral("satiety rose from %1 to %2").arg(before.satiety).arg(after.satiety));
    }
    if (after.mood > before.mood && after.mood > 100) {
        return broken(QStringLiteral("mood rises to 100 at most"),
                      QStringLiteral("mood rose from %1 to %2").arg(before.mood).arg(after.mood));
    }
    // The last tick of a wait was not a day's end: it looked at these values and let them pass.
    if (step.op == scenario::Op::Wait && before.clockRunning && after.hour != before.hour &&
        after.hour != 0 &&
        (after.satiety <= 0 || after.mood <= 0 || after.money < 0 ||
         after.points >= rules::WinningPoints)) {
        return broken(QStringLiteral("the game ends at the first hour that meets an end condition"),
                      QStringLiteral("hour %1 passed with satiety %2, mood %3, money %4, points %5")
                          .arg(after.hour)
                          .arg(after.satiety)
                          .arg(after.mood)
                          .arg(after.money)
                          .arg(after.points),
                      {expectEndedStep()});
    }
    return std::nullopt;
}

// The end message of the clock names a condition that held.
std::optional<Violation> checkEnding(const game::Game& g,
                                     const std::vector<ui::ServiceEvent>& events) {
    const ui::Window* main = g.model(Main);
    if (main == nullptr) {
        return std::nullopt;
    }
    auto number = [main](const char* label) {
        return ui::toNumber(main->control(QLatin1String(label)).caption());
    };
    const double satiety = number("LblEda");
    const double mood = number("LblRazvl");
    const double money = number("LblMoney");
    const double points = number("LblCoint");
    struct Ending {
        const char* message;
        bool holds;
    };
    const Ending endings[] = {
        {"Вы умерли от голода!", satiety <= 0},
        {"Вы совершили саиоубийство!", satiety > 0 && mood <= 0},
        {"Вы банкрот!", satiety > 0 && mood > 0 && money < 0},
        {"Вы изучили Компьютерную науку!",
         satiety > 0 && mood > 0 && money >= 0 && points >= rules::WinningPoints},
    };
    for (const Ending& e : endings) {
        if (hasEvent(events, QString::fromUtf8(e.message)) && !e.holds) {
            return broken(QStringLiteral("the game ends for the first condition that holds"),
                          QStringLiteral("\"%1\" with satiety %2, mood %3, money %4, points %5")
                              .arg(QString::fromUtf8(e.message))
                              .arg(satiety)
                              .arg(mood)
                              .arg(money)
                              .arg(points));
        }
    }
    return std::nullopt;
}

std::optional<Violation> checkSaved(const Session& session, const Moment& before,
                                    const std::vector<ui::ServiceEvent>& events) {
    if (before.saveName.isNull() || !hasEvent(events, QStringLiteral("Игра сохранена!"))) {
        return std::nullopt;
    }
    const QString name = before.saveName + QStringLiteral(".sav");
    const QFileInfo file(QDir(session.folder()).filePath(name));
    if (file.exists() && file.absolutePath() == QDir(session.folder()).absolutePath()) {
        return std::nullopt;
    }
    return broken(QStringLiteral("\"Игра сохранена!\" means the save is in the game folder"),
                  QStringLiteral("no file ") + scenario::quoted(name) +
                      QStringLiteral(" in the game folder"));
}

}  // namespace

bool stopsClock(const QString& window) {
    return isOneOf(window, {"Form2", "Form3", "Form4", "FrmPL", "FrmMagazine", "FrmRazvl",
                            "FrmTeach", "FrmInternet", "Frmload", "frmAuthor", "FrmProgramm"});
}

bool disablesMainWindow(const QString& window) {
    return stopsClock(window) || isOneOf(window, {"Frmsave", "FrmLoadGUI", "FrmGUI", "FrmGB"});
}

Moment Invariants::moment(const Session& session) const {
    Moment m;
    const game::Game& g = session.game();
    for (const ui::Window* w : g.openWindows()) {
        m.open.insert(w->name());
        if (isOneOf(w->name(), {"Frmsave", "FrmSaveEnd"})) {
            if (const ui::Control* text = w->find(QStringLiteral("Text1"))) {
                m.saveName = text->text();
            }
        }
    }
    const ui::Window* main = g.find(Main);
    m.playing = main != nullptr && !g.ended();
    if (!m.playing) {
        return m;
    }
    auto number = [main](const char* label) {
        return ui::toNumber(main->control(QLatin1String(label)).caption());
    };
    m.money = number("LblMoney");
    m.satiety = number("LblEda");
    m.mood = number("LblRazvl");
    m.points = number("LblCoint");
    m.hour = g.globals.Hour;
    m.clockRunning = main->control(QStringLiteral("Timer1")).enabled();
    return m;
}

void Invariants::followPause(const std::vector<ui::ServiceEvent>& events, const Moment& before,
                             const game::Game& game) {
    // Closing a window that stopped the clock starts it again, paused or not.
    for (const QString& name : before.open) {
        if ((stopsClock(name) || name == QStringLiteral("FrmGB")) && game.find(name) == nullptr) {
            paused_ = false;
        }
    }
    for (const ui::ServiceEvent& e : events) {
        if (e.type == ui::ServiceEvent::Message && e.kind == ui::MessageKind::Information) {
            if (e.text == QStringLiteral("Пауза включена!")) {
                paused_ = true;
            } else if (e.text == QStringLiteral("Пауза выключена!")) {
                paused_ = false;
            }
        }
    }
}

std::optional<Violation> Invariants::check(const Session& session, const scenario::Step& step,
                                           const Moment& before) {
    const game::Game& g = session.game();
    const std::vector<ui::ServiceEvent>& events = session.events();
    followPause(events, before, g);
    if (auto b = checkSaved(session, before, events)) {
        return b;
    }
    if (g.ended()) {
        if (!g.openWindows().empty()) {
            return broken(QStringLiteral("no window is left once the program has ended"),
                          g.openWindows().front()->name() + QStringLiteral(" is still open"));
        }
        return checkEnding(g, events);
    }
    const ui::Window* main = g.find(Main);
    if (main == nullptr) {
        if (g.find(QStringLiteral("FrmLogin")) == nullptr &&
            g.find(QStringLiteral("FrmSaveEnd")) == nullptr) {
            return broken(QStringLiteral("the main window lives until the program ends"),
                          QStringLiteral("the program runs without it"));
        }
        return std::nullopt;
    }
    const Checks checks(g, *main);
    for (auto check : {&Checks::numbers, &Checks::mainWindow, &Checks::equipment, &Checks::career,
                       &Checks::disk, &Checks::activityWindows, &Checks::warnings}) {
        if (auto b = (checks.*check)()) {
            return b;
        }
    }
    if (auto b = checks.clock(paused_)) {
        return b;
    }
    return checkChanges(before, moment(session), step, events);
}

}  // namespace autoplay

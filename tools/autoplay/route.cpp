#include "tools/autoplay/route.h"

#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "game/game.h"
#include "tools/autoplay/replay_check.h"
#include "tools/autoplay/rules_tables.h"
#include "tools/autoplay/session.h"
#include "tools/autoplay/step_lines.h"
#include "ui/numbers.h"

namespace autoplay {

namespace {

const QString Main = QStringLiteral("Form1");
constexpr int FastestSpeed = 6;
constexpr int FastestHour = 50;  // ms of one game hour at "6-X"

// The window each kind of deed is done in, and the main window's button that opens it.
struct Place {
    const char* window;
    const char* button;
};

std::optional<Place> placeOf(Deed deed) {
    switch (deed) {
        case Deed::Study:
            return Place{"FrmTeach", "Command7"};
        case Deed::Job:
            return Place{"Form4", "Command3"};
        case Deed::Hardware:
            return Place{"Form2", "Command1"};
        case Deed::Software:
            return Place{"Form3", "Command2"};
        case Deed::Language:
            return Place{"FrmPL", "Command2"};
        case Deed::Meal:
            return Place{"FrmMagazine", "Command6"};
        case Deed::Outing:
            return Place{"FrmRazvl", "Command5"};
        default:
            return std::nullopt;
    }
}

QString mealButton(Deed deed, int factor) {
    if (deed == Deed::Meal) {
        return factor == 2
                   ? QStringLiteral("Command1")
                   : (factor == 8 ? QStringLiteral("Command2") : QStringLiteral("Command3"));
    }
    return factor == 5 ? QStringLiteral("Command1") : QStringLiteral("Command2");
}

class RoutePlayer {
public:
    RoutePlayer(const QString& folder, bool internet, QTextStream& out)
        : session_(folder), internet_(internet), out_(out) {
        session_.services().answer = [](const QString&) { return true; };
    }

    bool play(const Plan& plan);
    const std::vector<scenario::Step>& steps() const { return steps_; }

private:
    bool step(const scenario::Step& step);
    bool deed(const Move& move);
    bool enter(const Place& place);
    bool leave();
    bool matches(const QString& when);
    void expectShown(const char* label, const QString& text) {
        steps_.push_back(expectStep(Main, QLatin1String(label), QStringLiteral("Caption"), text));
    }

    Session session_;
    bool internet_;
    QTextStream& out_;
    Player model_;
    QString current_;  // the window the player is in, empty for the main window
    std::vector<scenario::Step> steps_;
    QString failure_;
};

bool RoutePlayer::step(const scenario::Step& s) {
    const std::optional<QString> problem = session_.play(s);
    int questions = 0;
    for (const ui::ServiceEvent& e : session_.events()) {
        questions += e.kind == ui::MessageKind::Question && e.type == ui::ServiceEvent::Message;
    }
    if (questions > 0) {
        steps_.push_back(answerStep(std::vector<bool>(static_cast<std::size_t>(questions), true)));
    }
    steps_.push_back(s);
    // Every message box and beep the step brought, as the scenario must see them again.
    int beeps = 0;
    for (const ui::ServiceEvent& e : session_.events()) {
        if (e.type == ui::ServiceEvent::Beep) {
            ++beeps;
            continue;
        }
        if (beeps > 0) {
            steps_.push_back(expectBeepStep(beeps));
            beeps = 0;
        }
        if (e.type == ui::ServiceEvent::Message) {
            scenario::Step m = expectMessageStep(e.kind, e.text);
            if (e.title != ui::defaultTitle()) {
                m.hasTitle = true;
                m.title = e.title;
            }
            steps_.push_back(m);
        }
    }
    if (beeps > 0) {
        steps_.push_back(expectBeepStep(beeps));
    }
    if (problem) {
        failure_ = lineOf(s) + QStringLiteral(": ") + *problem;
        return false;
    }
    return true;
}

bool RoutePlayer::leave() {
    if (current_.isEmpty()) {
        return true;
    }
    const QString window = current_;
    current_.clear();
    return step(closeStep(window)) && matches(QStringLiteral("after ") + window);
}

bool RoutePlayer::enter(const Place& place) {
    const QString window = QLatin1String(place.window);
    if (current_ == window) {
        return true;
    }
    if (window == u"FrmPL") {
        // The language store is reached through the software store.
        if (current_ != u"Form3" && !enter({"Form3", "Command2"})) {
            return false;
        }
        current_ = window;
        return step(clickStep(QStringLiteral("Form3"), QStringLiteral("Command2")));
    }
    if (!leave()) {
        return false;
    }
    current_ = window;
    return step(clickStep(Main, QLatin1String(place.button)));
}

bool RoutePlayer::deed(const Move& m) {
    const auto place = placeOf(m.deed);
    // The window first: leaving the last one compares the game with the model so far.
    if (!(place ? enter(*place) : leave())) {
        return false;
    }
    if (!model_.apply(m)) {
        failure_ = QStringLiteral("the plan's ") + describe(m) + QStringLiteral(" is refused");
        return false;
    }
    if (place) {
        const QString w = QLatin1String(place->window);
        switch (m.deed) {
            case Deed::Study:
                return step(clickStep(w, QStringLiteral("Command%1").arg(m.row + 1)));
            case Deed::Meal:
            case Deed::Outing:
                return step(clickStep(w, mealButton(m.deed, m.row)));
            default:
                return step(selectStep(w, QStringLiteral("List1"), m.row)) &&
                       step(clickStep(w, QStringLiteral("Command1")));
        }
    }
    if (m.deed == Deed::Format) {
        return step(clickStep(Main, QStringLiteral("Command8")));
    }
    // The connection's price is the game's draw: the model takes what it cost.
    const bool done = step(clickStep(Main, QStringLiteral("Command4")));
    model_.money = session_.game().number(QStringLiteral("LblMoney"));
    return done;
}

bool RoutePlayer::matches(const QString& when) {
    const game::Game& g = session_.game();
    if (g.ended()) {
        return true;
    }
    const double money = g.number(QStringLiteral("LblMoney"));
    const double points = g.number(QStringLiteral("LblCoint"));
    if (std::abs(money - model_.money) > 1e-9 || static_cast<int>(points) != model_.points) {
        failure_ =
            when + QStringLiteral(": the game shows %1 rubles and %2 points, the rules %3 and %4")
                       .arg(money)
                       .arg(points)
                       .arg(model_.money)
                       .arg(model_.points);
        return false;
    }
    return true;
}

bool RoutePlayer::play(const Plan& plan) {
    bool ok = step(clickStep(QStringLiteral("FrmLogin"), QStringLiteral("Command1"))) &&
              step(menuStep(Main, QStringLiteral("mnu%1").arg(FastestSpeed)));
    for (int day = 1; ok && day <= plan.winDay(); ++day) {
        for (const Move& m : plan.days[static_cast<std::size_t>(day - 1)]) {
            if (m.deed == Deed::Connect && !internet_) {
                continue;
            }
            ok = ok && deed(m);
        }
        ok = ok && leave();
        if (!ok) {
            break;
        }
        if (day == plan.winDay()) {
            ok = step(waitStep(FastestHour));
            steps_.push_back(expectEndedStep());
            if (!session_.game().ended()) {
                failure_ = QStringLiteral("the winning hour passed and the game went on");
                ok = false;
            }
            break;
        }
        model_.passDay();
        ok = step(waitStep(24 * FastestHour)) && matches(QStringLiteral("day %1").arg(day));
        expectShown("LblClock", QStringLiteral("24:00"));
        expectShown("LblCoint", QString::number(model_.points));
        expectShown("LblMoney", ui::numberText(model_.money));
    }
    if (!ok) {
        out_ << QStringLiteral("the route broke off: ") << failure_ << Qt::endl;
    }
    return ok;
}

QString summary(const std::vector<Move>& moves) {
    QStringList parts;
    int meals = 0;
    int outings = 0;
    for (const Move& m : moves) {
        if (m.deed == Deed::Meal) {
            ++meals;
        } else if (m.deed == Deed::Outing) {
            ++outings;
        } else {
            parts.append(describe(m));
        }
    }
    if (meals > 0) {
        parts.append(QStringLiteral("%1 meal(s)").arg(meals));
    }
    if (outings > 0) {
        parts.append(QStringLiteral("%1 outing(s)").arg(outings));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

int playRoute(const Plan& plan, const QString& routeFile, QTextStream& out) {
    QTemporaryDir folder;
    bool internet = false;
    {
        Session probe(folder.path());
        internet = probe.game().knowsWindow(QStringLiteral("FrmInternet"));
    }
    RoutePlayer player(folder.path(), internet, out);
    const bool won = player.play(plan);
    for (int day = 1; day <= plan.winDay(); ++day) {
        const QString deeds = summary(plan.days[static_cast<std::size_t>(day - 1)]);
        if (!deeds.isEmpty()) {
            out << QStringLiteral("day %1: ").arg(day) << deeds << Qt::endl;
        }
    }
    QFile file(routeFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        out << QStringLiteral("cannot write ") << routeFile << Qt::endl;
        return 1;
    }
    QByteArray text = QStringLiteral(
                          "# The fastest road to a win tarnvik-autoplay --best found: won "
                          "on day %1, at speed \"6-X\".\n")
                          .arg(plan.winDay())
                          .toUtf8();
    for (const scenario::Step& s : player.steps()) {
        text += lineOf(s).toUtf8() + '\n';
    }
    file.write(text);
    if (!won) {
        return 1;
    }
    out << QStringLiteral("won on day %1").arg(plan.winDay()) << Qt::endl;
    return 0;
}

std::vector<scenario::Step> roadSteps() {
    const auto plan = bestPlan(false);
    if (!plan) {
        return {};
    }
    QTemporaryDir folder;
    QString ignored;
    QTextStream out(&ignored);
    RoutePlayer player(folder.path(), false, out);
    player.play(*plan);
    std::vector<scenario::Step> steps;
    for (const scenario::Step& s : player.steps()) {
        if (s.isPlayerAction() || s.op == scenario::Op::Wait) {
            steps.push_back(s);
        }
    }
    return steps;
}

int runBest(const QString& routeFile, QTextStream& out) {
    bool internet = false;
    {
        QTemporaryDir folder;
        Session probe(folder.path());
        internet = probe.game().knowsWindow(QStringLiteral("FrmInternet"));
    }
    const auto plan = bestPlan(internet);
    if (!plan) {
        out << QStringLiteral("no road to a win found") << Qt::endl;
        return 1;
    }
    const QString file = routeFile.isEmpty() ? QStringLiteral("best_route.scn") : routeFile;
    if (playRoute(*plan, file, out) != 0) {
        return 1;
    }
    const ScenarioResult check = playScenario(file);
    out << QStringLiteral("route written to ") << file << QStringLiteral("; the scenario driver ")
        << (check.status == 0
                ? QStringLiteral("passes it")
                : QStringLiteral("fails it: ") + check.failures.join(QStringLiteral("; ")))
        << Qt::endl;
    return check.status == 0 ? 0 : 1;
}

}  // namespace autoplay

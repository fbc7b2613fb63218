#include "tools/autoplay/round_trip.h"

#include "game/game.h"
#include "tools/autoplay/rules_tables.h"
#include "tools/autoplay/session.h"
#include "tools/autoplay/step_lines.h"

namespace autoplay {

namespace {

const QString Main = QStringLiteral("Form1");

const char* const Labels[] = {"LblMoney", "LblEda", "LblRazvl", "LblCoint", "LblClock",
                              "LblWork",  "Lbl1",   "Lbl2",     "Lbl3",     "LblCPU",
                              "LblModem", "LblRam", "LblHD",    "LblVideo", "LblOS",
                              "LblAV",    "LblIB",  "LblPL",    "LblHDF",   "Command4"};
const char* const Saved[] = {"JobLevel",      "CpuLevel",          "BrowserLevel",
                             "DiskLevel",     "RamLevel",          "VideoLevel",
                             "OsLevel",       "LanguageLevel",     "AntivirusLevel",
                             "ModemLevel",    "InternetConnected", "SchoolPoints",
                             "EnglishPoints", "UniversityPoints",  "Hour",
                             "Salary",        "ModemSpeed"};

// The rules' own second wordings of the same screen.
QString sameAs(const QString& label, const QString& text) {
    if (label == u"Command4" && text == QStringLiteral("Подключится к интернету")) {
        return QStringLiteral("Подключиться к интернету");
    }
    if ((label == u"Lbl1" || label == u"Lbl2" || label == u"Lbl3") &&
        text == QStringLiteral("Незнаю")) {
        return QStringLiteral("0");
    }
    if (label == u"LblClock" &&
        (text == QStringLiteral(" 00:00") || text == QStringLiteral("24:00"))) {
        return QStringLiteral("00:00");
    }
    if (label == u"LblIB" && text.startsWith(QStringLiteral("Inernet Explorer"))) {
        return QStringLiteral("Internet Explorer") + text.mid(16);
    }
    if (label == u"LblOS" && text == QStringLiteral("Vexa")) {
        return QStringLiteral("Vexa 2");
    }
    return text;
}

}  // namespace

std::map<QString, QString> screenOf(const Session& session, bool afterLoad) {
    std::map<QString, QString> screen;
    const game::Game& g = session.game();
    const ui::Window* main = g.model(Main);
    if (main == nullptr) {
        return screen;
    }
    for (const char* label : Labels) {
        const QString name = QLatin1String(label);
        screen[name] = sameAs(name, main->control(name).caption());
    }
    for (const char* variable : Saved) {
        screen[QStringLiteral("GameGlobals.") + QLatin1String(variable)] =
            game::readGlobal(g.globals, QLatin1String(variable)).value_or(QString());
    }
    const bool vexa =
        afterLoad ? g.globals.OsLevel == 5 : main->control(QStringLiteral("mnuVexa")).enabled();
    screen[QStringLiteral("mnuVexa")] = vexa ? QStringLiteral("true") : QStringLiteral("false");
    // A new game leaves the internet button's caption behind; a loaded game's button tells the
    // truth about the connection.
    if (afterLoad && g.globals.InternetConnected == 0) {
        screen[QStringLiteral("Command4")] = QStringLiteral("Подключиться к интернету");
    }
    return screen;
}

bool RoundTrip::possible(const Session& session) {
    const game::Game& g = session.game();
    if (!g.knowsWindow(QStringLiteral("Frmsave")) || !g.knowsWindow(QStringLiteral("Frmload"))) {
        return false;
    }
    const ui::Window* main = g.find(Main);
    return main != nullptr && g.canReach(main->control(QStringLiteral("mnusave"))) &&
           g.canReach(main->control(QStringLiteral("mnuload")));
}

std::optional<scenario::Step> RoundTrip::next(const Session& session) {
    switch (stage_) {
        case OpenSave:
            screen_ = screenOf(session, true);
            return menuStep(Main, QStringLiteral("mnusave"));
        case TypeName:
            return typeStep(QStringLiteral("Frmsave"), QStringLiteral("Text1"), name_);
        case Save:
            return clickStep(QStringLiteral("Frmsave"), QStringLiteral("Command1"));
        case OpenLoad:
            return menuStep(Main, QStringLiteral("mnuload"));
        case Choose: {
            scenario::Step s = selectStep(QStringLiteral("Frmload"), QStringLiteral("File1"), 0);
            s.byText = true;
            s.text = name_ + QStringLiteral(".sav");
            return s;
        }
        case Load:
            return clickStep(QStringLiteral("Frmload"), QStringLiteral("Command1"));
        case Done:
            break;
    }
    return std::nullopt;
}

std::optional<Violation> RoundTrip::after(const Session& session) {
    const game::Game& g = session.game();
    const QString rule = QStringLiteral("a game saved and loaded back shows the same screen");
    auto fail = [&](const QString& detail) {
        stage_ = Done;
        return Violation{rule, detail, {}};
    };
    if (g.ended()) {
        stage_ = Done;  // the clock ended the game meanwhile: nothing to compare
        return std::nullopt;
    }
    switch (stage_) {
        case OpenSave:
            if (g.find(QStringLiteral("Frmsave")) == nullptr) {
                return fail(QStringLiteral("mnusave did not open Frmsave"));
            }
            stage_ = TypeName;
            break;
        case TypeName:
            stage_ = Save;
            break;
        case Save:
            if (g.find(QStringLiteral("Frmsave")) != nullptr) {
                return fail(QStringLiteral("Frmsave stayed open after saving ") + name_);
            }
            stage_ = OpenLoad;
            break;
        case OpenLoad:
            if (g.find(QStringLiteral("Frmload")) == nullptr) {
                return fail(QStringLiteral("mnuload did not open Frmload"));
            }
            if (!g.find(QStringLiteral("Frmload"))
                     ->control(QStringLiteral("File1"))
                     .items()
                     .contains(name_ + QStringLiteral(".sav"))) {
                return fail(QStringLiteral("Frmload does not list the game just saved as ") +
                            name_ + QStringLiteral(".sav"));
            }
            stage_ = Choose;
            break;
        case Choose:
            stage_ = Load;
            break;
        case Load:
            stage_ = Done;
            if (g.find(QStringLiteral("Frmload")) != nullptr) {
                return fail(QStringLiteral("the game just saved did not load"));
            }
            return compare(session);
        case Done:
            break;
    }
    return std::nullopt;
}

std::optional<Violation> RoundTrip::compare(const Session& session) const {
    const std::map<QString, QString> now = screenOf(session);
    Violation v{QStringLiteral("a game saved and loaded back shows the same screen"), {}, {}};
    for (const auto& [name, text] : screen_) {
        const auto it = now.find(name);
        const QString loaded = it == now.end() ? QString() : it->second;
        if (loaded == text) {
            continue;
        }
        v.detail += name + QStringLiteral(" \"") + text + QStringLiteral("\" came back as \"") +
                    loaded + QStringLiteral("\"; ");
        if (name.startsWith(QStringLiteral("GameGlobals."))) {
            v.expects.push_back(expectGlobalStep(name.mid(12), text));
        } else if (name == u"mnuVexa") {
            v.expects.push_back(expectStep(Main, name, QStringLiteral("Enabled"), text));
        } else {
            v.expects.push_back(expectStep(Main, name, QStringLiteral("Caption"), text));
        }
    }
    if (v.detail.isEmpty()) {
        return std::nullopt;
    }
    return v;
}

}  // namespace autoplay

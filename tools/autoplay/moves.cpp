#include "tools/autoplay/moves.h"

#include <vector>

#include "game/game.h"
#include "tools/autoplay/random_text.h"
#include "tools/autoplay/session.h"
#include "tools/autoplay/step_lines.h"

namespace autoplay {

namespace {

using Kind = ui::ControlKind;
using scenario::Op;

enum class Act { Click, Press, Release, Key, Type, Select, Menu, Close, ClickWindow };

struct Candidate {
    Act act;
    const ui::Window* window;
    const ui::Control* control;
    double weight;
};

bool isText(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::ComboBox;
}

bool hasRows(Kind kind) {
    return kind == Kind::ListBox || kind == Kind::FileList || kind == Kind::ComboBox;
}

double menuWeight(const ui::Control& item) {
    if (!item.onClick) {
        return 0.05;  // a menu that only opens its submenu
    }
    if (item.name() == u"mnuNewGame") {
        return 0.4;
    }
    return item.name() == u"mnuPause" ? 1.5 : 1.0;
}

void addControl(std::vector<Candidate>& out, const game::Game& game, const ui::Window& w,
                const ui::Control& c) {
    if (c.kind() == Kind::Timer || !game.canReach(c)) {
        return;
    }
    if (c.kind() == Kind::MenuItem) {
        out.push_back({Act::Menu, &w, &c, menuWeight(c)});
        return;
    }
    out.push_back({Act::Click, &w, &c, c.onClick ? 3.0 : 0.1});
    out.push_back({Act::Press, &w, &c, c.onMouseDown ? 0.3 : 0.05});
    out.push_back({Act::Release, &w, &c, c.onMouseUp ? 0.3 : 0.05});
    out.push_back({Act::Key, &w, &c, c.onKeyPress ? 0.8 : 0.05});
    if (isText(c.kind()) && !c.readOnly) {
        out.push_back({Act::Type, &w, &c, 1.5});
    }
    if (hasRows(c.kind()) && !c.items().isEmpty()) {
        out.push_back({Act::Select, &w, &c, 2.5});
    }
}

QStringList captionsOnScreen(const game::Game& game) {
    QStringList texts;
    for (const ui::Window* w : game.openWindows()) {
        for (const auto& c : w->controls()) {
            if (c->kind() == Kind::Label && !c->caption().isEmpty()) {
                texts.append(c->caption());
            }
            for (const QString& row : c->items()) {
                texts.append(row);
            }
        }
    }
    return texts;
}

int randomKey(Dice& dice) {
    static const std::vector<int> keys = {13, 13, 13, 27, 32, 8, 9, 48, 65, 97, 1040, 1, 255};
    return dice.pick(keys);
}

scenario::Step materialize(const Candidate& c, const Session& session, Dice& dice) {
    const QString window = c.window->name();
    switch (c.act) {
        case Act::Close:
            return closeStep(window);
        case Act::ClickWindow:
            return clickStep(window);
        default:
            break;
    }
    const ui::Control& control = *c.control;
    const QString name = control.name();
    const ui::MouseButton button =
        dice.chance(0.8) ? ui::MouseButton::Left : ui::MouseButton::Right;
    switch (c.act) {
        case Act::Click:
            return clickStep(window, name);
        case Act::Press:
            return mouseStep(Op::MouseDown, window, name, button);
        case Act::Release:
            return mouseStep(Op::MouseUp, window, name, button);
        case Act::Key:
            return keyStep(window, name, randomKey(dice));
        case Act::Type:
            return typeStep(window, name,
                            randomText(dice, dice.chance(0.2) ? captionsOnScreen(session.game())
                                                              : QStringList()));
        case Act::Select:
            return selectStep(window, name, dice.below(static_cast<int>(control.items().size())));
        default:
            return menuStep(window, name);
    }
}

}  // namespace

std::optional<scenario::Step> randomAction(const Session& session, Dice& dice) {
    const game::Game& game = session.game();
    std::vector<Candidate> candidates;
    for (const ui::Window* w : game.openWindows()) {
        if (!game.canReach(*w)) {
            continue;
        }
        // Leaving the program is there, but not what a player does every minute; a window
        // without a frame has no close box, only the window system's own command.
        const double closing = w->frameless               ? 0.03
                               : w->name() == u"Form1"    ? 0.03
                               : w->name() == u"FrmLogin" ? 0.1
                                                          : 0.6;
        candidates.push_back({Act::Close, w, nullptr, closing});
        candidates.push_back(
            {Act::ClickWindow, w, nullptr, w->onClick || w->onMouseDown ? 0.5 : 0.1});
        for (const auto& c : w->controls()) {
            addControl(candidates, game, *w, *c);
        }
    }
    if (candidates.empty()) {
        return std::nullopt;
    }
    std::vector<double> weights;
    weights.reserve(candidates.size());
    for (const Candidate& c : candidates) {
        weights.push_back(c.weight);
    }
    return materialize(candidates[static_cast<std::size_t>(dice.weighted(weights))], session, dice);
}

scenario::Step randomWait(const Session& session, Dice& dice) {
    int hour = 1500;
    if (const ui::Window* main = session.game().find(QStringLiteral("Form1"))) {
        hour = main->control(QStringLiteral("Timer1")).interval();
    }
    switch (dice.weighted({5, 3, 1})) {
        case 0:
            return waitStep(dice.between(1, 2000));
        case 1:
            return waitStep(hour * dice.between(1, 30) + dice.below(hour));
        default:
            return waitStep(hour * 24 * dice.between(1, 8));
    }
}

}  // namespace autoplay

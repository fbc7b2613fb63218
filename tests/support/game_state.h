#pragma once

#include <QString>
#include <QStringList>

#include "game/form1.h"
#include "game/game.h"
#include "game/game_globals.h"
#include "ui/property_access.h"

namespace testing_support {

// Everything of a game that a player could see or a rule could read, one "name=value" a line:
// every control of the main window (text, enabled, visible, timer state) and every shared
// variable. Two games in the same state give the same list.
inline QStringList gameState(const game::Game& g) {
    QStringList state;
    for (const auto& c : g.form1().controls()) {
        state << c->name() + u'=' + c->caption() + u'|' + ui::boolText(c->enabled()) + u'|' +
                     ui::boolText(c->visible()) + u'|' + QString::number(c->interval());
    }
    state << QStringLiteral("Form1.Enabled=") + ui::boolText(g.form1().enabled());
    for (const QString& name : game::globalNames()) {
        state << name + u'=' + game::readGlobal(g.globals, name).value_or(QString());
    }
    return state;
}

}  // namespace testing_support

#pragma once

#include <QString>
#include <QStringList>

#include "ui/window.h"

namespace game {
class Game;
}

namespace stores {

// The face the three stores share: the names in List1, their prices beside them in List2 under
// the heading Label1 "Цена, руб.", and the "Купить" button under both. The price list is only
// for reading: a click on a price drops the selection at once, so the only selection a purchase
// sees is the one in List1. A store may keep lines for a note (Label2) between the lists and
// the buttons.
class StoreWindow : public ui::Window {
protected:
    struct Look {
        QStringView name;
        const char* caption;
        int nameWidth;      // List1
        int priceWidth;     // List2
        int buttons;        // label buttons stacked under the lists, Command1 first
        int noteLines = 0;  // lines of the note under the lists, none without one
    };
    StoreWindow(game::Game& game, const Look& look, const QStringList& names,
                const QStringList& prices);

    // The List1 row the player chose, -1 while none is.
    int selectedRow() const;
    // Where the n-th button under the lists goes (0 is Command1).
    ui::Rect buttonPlace(int n) const;

    game::Game& game_;

private:
    int listsBottom_ = 0;
};

}  // namespace stores

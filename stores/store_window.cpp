#include "stores/store_window.h"

#include "game/game.h"
#include "ui/display_list.h"
#include "ui/metrics.h"

namespace stores {

namespace {

constexpr int Margin = 8;
constexpr int Gap = 4;
constexpr int ButtonHeight = 26;

int listHeight(qsizetype rows) {
    return ui::listHeight(static_cast<int>(rows));
}

}  // namespace

StoreWindow::StoreWindow(game::Game& game, const Look& look, const QStringList& names,
                         const QStringList& prices)
    : ui::Window(game, look.name.toString(), QString::fromUtf8(look.caption),
                 Margin + look.nameWidth + Gap + look.priceWidth + Margin,
                 Margin + listHeight(names.size()) + look.buttons * (Gap + ButtonHeight) + Margin),
      game_(game) {
    const int rowsHeight = listHeight(names.size());
    addList("List1", names, {Margin, Margin, look.nameWidth, rowsHeight});
    ui::Control& priceList = addList(
        "List2", prices, {Margin + look.nameWidth + Gap, Margin, look.priceWidth, rowsHeight});
    ui::makeDisplayOnly(priceList);
    listsBottom_ = Margin + rowsHeight;
    addButton("Command1", "Купить", buttonPlace(0));
}

int StoreWindow::selectedRow() const {
    return control("List1").listIndex();
}

ui::Rect StoreWindow::buttonPlace(int n) const {
    return {Margin, listsBottom_ + Gap + n * (Gap + ButtonHeight), width() - 2 * Margin,
            ButtonHeight};
}

}  // namespace stores

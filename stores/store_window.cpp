#include "stores/store_window.h"

#include "game/game.h"
#include "ui/display_list.h"
#include "ui/metrics.h"

namespace stores {

namespace {

constexpr int Margin = 8;
constexpr int Gap = 4;
constexpr int ButtonHeight = 26;
constexpr int HeadingHeight = 18;
constexpr int NoteLineHeight = 16;

int listHeight(qsizetype rows) {
    return ui::listHeight(static_cast<int>(rows));
}

// The note's height, with its gap above; nothing without a note.
int noteHeight(int lines) {
    return lines > 0 ? Gap + lines * NoteLineHeight + 2 : 0;
}

}  // namespace

StoreWindow::StoreWindow(game::Game& game, const Look& look, const QStringList& names,
                         const QStringList& prices)
    : ui::Window(game, look.name.toString(), QString::fromUtf8(look.caption),
                 Margin + look.nameWidth + Gap + look.priceWidth + Margin,
                 Margin + HeadingHeight + listHeight(names.size()) + noteHeight(look.noteLines) +
                     look.buttons * (Gap + ButtonHeight) + Margin),
      game_(game) {
    const int rowsHeight = listHeight(names.size());
    const int priceLeft = Margin + look.nameWidth + Gap;
    const int listsTop = Margin + HeadingHeight;
    ui::Control& heading =
        addLabel("Label1", "Цена, руб.", {priceLeft, Margin, look.priceWidth, HeadingHeight});
    heading.align = ui::Align::Center;
    ui::Control& nameList = addList("List1", names, {Margin, listsTop, look.nameWidth, rowsHeight});
    // Nothing on screen heads the names: the store's own caption says what they are.
    nameList.spokenName = caption();
    ui::Control& priceList =
        addList("List2", prices, {priceLeft, listsTop, look.priceWidth, rowsHeight});
    ui::makeDisplayOnly(priceList);
    priceList.labelledBy = &heading;
    nameList.valuesBeside = {&priceList};
    listsBottom_ = listsTop + rowsHeight;
    if (look.noteLines > 0) {
        addLabel("Label2", "",
                 {Margin + 2, listsBottom_ + Gap, width() - 2 * Margin - 2,
                  look.noteLines * NoteLineHeight + 2})
            .multiLine = true;
        listsBottom_ += noteHeight(look.noteLines);
    }
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

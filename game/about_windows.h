#pragma once

#include "ui/window.h"

namespace game {

class Game;

// "Об авторе" and "О программе": read-only notes that any key or mouse press closes.
class AboutWindow : public ui::Window {
public:
    enum Kind { Author, Program };
    AboutWindow(Game& game, Kind kind);

    // The name the game knows the window of a kind by.
    static QString nameOf(Kind kind);

    void unload() override;

private:
    void dismiss();

    Game& game_;
};

}  // namespace game

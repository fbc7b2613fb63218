#pragma once

#include "saves/save_window.h"

namespace saves {

// Saving on the way out, after the main window has closed: it still holds the state the player
// quit with. A save ends the program; so does the close box, which saves nothing.
class FrmSaveEnd : public SaveWindow {
public:
    static constexpr QStringView Name = u"FrmSaveEnd";

    explicit FrmSaveEnd(game::Game& game);

private:
    void saved(bool replaced) override;
};

}  // namespace saves

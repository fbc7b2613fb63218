#pragma once

#include "saves/save_window.h"

namespace saves {

// Saving during play, from the menu. The clock keeps running while it is open; after a save,
// or when the player closes it, the game goes on.
class Frmsave : public SaveWindow {
public:
    static constexpr QStringView Name = u"Frmsave";

    explicit Frmsave(game::Game& game);

    void queryUnload() override;

private:
    void saved(bool replaced) override;
};

}  // namespace saves

#pragma once

#include <cstdint>

#include "ui/window.h"

namespace game {
class Game;
struct GameGlobals;
}  // namespace game

namespace life {

// "Обучение": one education point per purchase in three courses, ten points each at most.
class FrmTeach : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmTeach";

    explicit FrmTeach(game::Game& game);

    void load() override;
    void queryUnload() override;

    struct Course {
        const char* button;
        std::uint8_t game::GameGlobals::*points;
        const char* label;  // the counter's label on the main window
        const char* question;
        const char* success;
    };

private:
    void study(const Course& course);

    game::Game& game_;
};

}  // namespace life

#include "guestos/frm_gb.h"

#include "game/game.h"
#include "guestos/vexa_screen.h"

namespace guestos {

FrmGB::FrmGB(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Vexa 2"), ScreenWidth, ScreenHeight),
      game_(game) {
    layOutVexaScreen(*this, "Label2", "Label1", QStringLiteral("Завершение сеанса"));
    ui::Control& hint =
        addLabel("Label3", "Щёлкните мышью или нажмите любую клавишу, чтобы вернуться в игру",
                 {0, ScreenHeight - 34, ScreenWidth, 18});
    hint.fontSize = 8;
    hint.align = ui::Align::Center;
    hint.setForeColor(ui::colors::Grey);

    onMouseDown = [this](ui::MouseButton) { dismiss(); };
    onKeyPress = [this](int) { dismiss(); };
    for (const char* name : {"Image1", "Label1", "Label2", "Label3"}) {
        control(name).onMouseDown = [this](ui::MouseButton) { dismiss(); };
        control(name).onKeyPress = [this](int) { dismiss(); };
    }
}

void FrmGB::dismiss() {
    game_.close(*this);
}

void FrmGB::unload() {
    game_.endActivity();
}

}  // namespace guestos

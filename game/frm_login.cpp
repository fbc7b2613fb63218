#include "game/frm_login.h"

#include "game/form1.h"
#include "game/game.h"

namespace game {

FrmLogin::FrmLogin(Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Ввод имени"), 260, 112), game_(game) {
    // The program's first window: nothing opened it, and its close box ends the program.
    standsAlone = true;
    escapeCloses = false;
    defaultButton = QStringLiteral("Command1");
    ui::Control& prompt = addLabel("Label1", "Введите ваше имя", {10, 10, 240, 20});
    prompt.align = ui::Align::Center;
    ui::Control& name = add("Text1", ui::ControlKind::TextBox, {30, 38, 200, 24});
    name.setText(QStringLiteral("Игрок"));
    name.labelledBy = &prompt;
    addButton("Command1", "Принять", {80, 74, 100, 26}).onClick = [this] { accept(); };
}

void FrmLogin::accept() {
    // The main window's Load (introduction and starting values) runs before the name is set.
    game_.show(QStringLiteral("Form1"));
    // An empty name is taken as it is.
    game_.form1().control("Lbllogin").setCaption(control("Text1").text());
    game_.close(*this);
}

}  // namespace game

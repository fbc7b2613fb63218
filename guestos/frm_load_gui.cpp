#include "guestos/frm_load_gui.h"

#include "game/game.h"
#include "guestos/vexa_screen.h"

namespace guestos {

namespace {
constexpr int Step = 10;
}  // namespace

FrmLoadGUI::FrmLoadGUI(game::Game& game)
    : ui::Window(game, Name.toString(), QStringLiteral("Загрузка"), ScreenWidth, ScreenHeight),
      game_(game) {
    layOutVexaScreen(*this, "Label1", "Label2", QStringLiteral("Загрузка"));
    ui::Control& bar =
        add("ProgressBar1", ui::ControlKind::ProgressBar, {(ScreenWidth - 300) / 2, 304, 300, 14});
    bar.setBackColor({32, 32, 32});  // the empty track shows on the black screen
    bar.setRange(0, 100);
    bar.setValue(0);
    bar.labelledBy = &control("Label2");  // "Загрузка"
    addTimer("Timer1", 1000, true).onTick = [this] { bootStep(); };
}

void FrmLoadGUI::bootStep() {
    ui::Control& bar = control("ProgressBar1");
    if (bar.value() != bar.maximum()) {
        bar.setValue(bar.value() + Step);
        return;
    }
    control("Timer1").setEnabled(false);
    booted_ = true;
    game_.show(QStringLiteral("FrmGUI"));
    game_.close(*this);
}

void FrmLoadGUI::unload() {
    // Closed by the window system before the desktop came up: the boot is abandoned and the
    // game goes on, rather than leave the main window disabled with nothing over it.
    if (!booted_) {
        game_.endActivity();
    }
}

}  // namespace guestos

#include "game/about_windows.h"

#include "game/game.h"

namespace game {

namespace {

const char* const AuthorText =
    "Эту игру написал бывший студент, который сам когда-то приехал в чужой город "
    "и начал изучать компьютерную науку с пустыми карманами.\n\n"
    "Спасибо, что играете!\n\n"
    "Нажмите любую клавишу, чтобы продолжить.";

const char* const ProgramText =
    "Tarnvik 2.1\n\n"
    "Игра о студенте, изучающем компьютерную науку. Покупайте еду и развлечения, учитесь, "
    "устраивайтесь на работу, собирайте компьютер, ставьте программы и выходите в интернет.\n\n"
    "Наберите 162 очка и не дайте сытости, настроению и деньгам кончиться.\n\n"
    "Нажмите любую клавишу, чтобы продолжить.";

}  // namespace

QString AboutWindow::nameOf(Kind kind) {
    return kind == Author ? QStringLiteral("frmAuthor") : QStringLiteral("FrmProgramm");
}

AboutWindow::AboutWindow(Game& game, Kind kind)
    : ui::Window(game, nameOf(kind),
                 kind == Author ? QStringLiteral("Об авторе") : QStringLiteral("О программе"), 340,
                 200),
      game_(game) {
    ui::Control& text =
        addLabel("Label1", kind == Author ? AuthorText : ProgramText, {12, 12, 316, 176});
    text.multiLine = true;
    auto closer = [this](ui::MouseButton) { dismiss(); };
    text.onKeyPress = [this](int) { dismiss(); };
    text.onMouseDown = closer;
    onMouseDown = closer;
    onKeyPress = [this](int) { dismiss(); };
}

void AboutWindow::dismiss() {
    game_.close(*this);
}

void AboutWindow::unload() {
    game_.endActivity();
}

}  // namespace game

#include "game/about_windows.h"

#include "game/game.h"

namespace game {

namespace {

const char* const AuthorText =
    "Эту игру написал бывший студент, который сам когда-то приехал в чужой город "
    "и начал изучать компьютерную науку с пустыми карманами.\n\n"
    "Спасибо, что играете!\n\n"
    "Нажмите любую клавишу, чтобы продолжить.";

// A short guide: what wins, what scores, what pays, what loses, and the keys. A number stays on
// the line of its word (\u00a0, a space no line breaks at).
const char* const ProgramText =
    "Tarnvik 2.1\n\n"
    "Наберите 162\u00a0очка, и вы изучили компьютерную науку. Очки дают работа, каждая купленная "
    "деталь и программа, подключение к интернету и установка Vexa\u00a02.\n\n"
    "Деньги приносит только работа: зарплату платят в конце каждого дня. Каждый день отнимает "
    "5\u00a0сытости и 2\u00a0настроения; их возвращают еда из «Магазина» и «Развлечения». "
    "Сытость или настроение на нуле, деньги меньше нуля — игра проиграна.\n\n"
    "Клавиши: Tab — к другой кнопке, Пробел или Enter — нажать её, Esc — закрыть окно, "
    "Ctrl+N — новая игра, Ctrl+S — сохранить, Ctrl+O — загрузить, P — пауза, "
    "Ctrl+1…Ctrl+6 — скорость.\n\n"
    "Нажмите любую клавишу, чтобы продолжить.";

struct Look {
    const char* caption;
    const char* text;
    int width;
    int height;
};

// The guide needs more room than the note about the author.
Look lookOf(AboutWindow::Kind kind) {
    if (kind == AboutWindow::Author) {
        return {"Об авторе", AuthorText, 340, 200};
    }
    return {"О программе", ProgramText, 420, 300};
}

}  // namespace

QString AboutWindow::nameOf(Kind kind) {
    return kind == Author ? QStringLiteral("frmAuthor") : QStringLiteral("FrmProgramm");
}

AboutWindow::AboutWindow(Game& game, Kind kind)
    : ui::Window(game, nameOf(kind), QString::fromUtf8(lookOf(kind).caption), lookOf(kind).width,
                 lookOf(kind).height),
      game_(game) {
    const Look look = lookOf(kind);
    ui::Control& text = addLabel("Label1", QString::fromUtf8(look.text),
                                 {12, 12, look.width - 24, look.height - 24});
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

#include "game/game_clock.h"

#include <array>

#include "game/form1.h"
#include "game/game.h"

namespace game {

namespace {

constexpr double WinningPoints = 162;

void endWith(Game& game, const QString& message) {
    game.info(message);
    game.endProgram();
}

QString clockText(int hour) {
    return (hour <= 9 ? QStringLiteral("0") : QString()) + QString::number(hour) +
           QStringLiteral(":00");
}

}  // namespace

void hourStep(Game& g) {
    GameGlobals& v = g.globals;
    g.form1().control("mnuVexa").setEnabled(v.OsLevel == 5);
    ++v.Hour;

    // Each condition reads its caption now; the first that holds ends the game.
    if (g.number("LblEda") <= 0) {
        endWith(g, QStringLiteral("Вы умерли от голода!"));
    }
    if (g.number("LblRazvl") <= 0) {
        endWith(g, QStringLiteral("Вы совершили саиоубийство!"));
    }
    if (g.number("LblMoney") < 0) {
        endWith(g, QStringLiteral("Вы банкрот!"));
    }
    if (g.number("LblCoint") >= WinningPoints) {
        g.info(QStringLiteral("Вы изучили Компьютерную науку!"));
        g.beep(5);
        g.endProgram();
    }

    if (v.Hour <= 24) {
        g.setCaption("LblClock", clockText(v.Hour));
    }
    if (v.Hour == 24) {
        DayRollover(g);
    }
}

void DayRollover(Game& g) {
    // Nothing is clamped: a loss caused here is seen by the next tick.
    g.setNumber("LblEda", g.number("LblEda") - 5);
    g.setNumber("LblRazvl", g.number("LblRazvl") - 2);
    g.globals.Hour = 0;
    g.setNumber("LblMoney", g.number("LblMoney") + g.globals.Salary);
}

int speedInterval(int speed) {
    static constexpr std::array<int, 6> intervals = {1500, 700, 400, 200, 100, 50};
    return intervals.at(static_cast<std::size_t>(speed - 1));
}

void chooseSpeed(Game& g, int speed) {
    g.clock().setInterval(speedInterval(speed));
    for (int i = 1; i <= 6; ++i) {
        g.form1().control(QStringLiteral("mnu%1").arg(i)).setChecked(i == speed);
    }
}

void togglePause(Game& g) {
    Form1& form = g.form1();
    const bool pausing = g.clock().enabled();
    g.clock().setEnabled(!pausing);
    for (int i = 1; i <= 7; ++i) {
        form.control(QStringLiteral("Command%1").arg(i)).setEnabled(!pausing);
    }
    // Resuming follows the installed system at once: enabling the item until the next tick
    // would let a player boot a system he does not have.
    form.control("mnuVexa").setEnabled(!pausing && g.globals.OsLevel == 5);
    // Dimmed buttons alone do not say why nothing moves.
    form.setTitleNote(pausing ? QStringLiteral("Пауза") : QString());
    g.info(pausing ? QStringLiteral("Пауза включена!") : QStringLiteral("Пауза выключена!"));
}

void swapPictures(Form1& form) {
    ui::Control& first = form.control("Image1");
    ui::Control& second = form.control("Image2");
    const bool firstShown = first.visible();
    first.setVisible(!firstShown);
    second.setVisible(firstShown);
}

}  // namespace game

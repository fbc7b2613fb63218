#pragma once

#include <QString>

#include "game/game_globals.h"
#include "ui/application.h"

namespace game {

class Form1;

// One game: the application with its windows, the shared variables and the main window whose
// captions hold the rest of the state.
class Game : public ui::Application {
public:
    explicit Game(ui::Services& services);

    GameGlobals globals;

    // The main window's model; it exists from the accepted name to the end of the program.
    Form1& form1() const;
    bool hasForm1() const { return model(QStringLiteral("Form1")) != nullptr; }

    // Program start: the name window and nothing else.
    void start();

    // A number held in a caption of the main window, and writing one back as plain text.
    double number(const QString& label) const;
    void setNumber(const QString& label, double value);
    QString caption(const QString& label) const;
    void setCaption(const QString& label, const QString& text);

    // Free disk space is held twice, in FreeDiskMb and as "N MB" on LblHDF; they change together.
    void setFreeDisk(int mb);

    // The game clock (the main window's Timer1).
    ui::Control& clock() const;

    // Opening an activity window from the main window: the clock stops, the window shows,
    // the main window is disabled. A window that is not part of the game yet is not opened.
    void openActivity(const QString& window, bool stopClock = true);
    // Closing one gives the main window and (unless told otherwise) the clock back.
    void endActivity(bool startClock = true);

    // Once the in-game system is gone (a new disk, a new game, formatting, an attack) its menu
    // item goes too, at once: left for the clock's next tick, it would boot a system the player
    // no longer has. An installed system's item still waits for the tick.
    void withdrawRemovedSystem();

protected:
    // After every event: the open windows' own updates, then the main window's warnings of
    // satiety, mood and money, whichever rule changed them.
    void eventHandled() override;
};

// Registers a window class under the name it carries in its `Name`; the window is built only
// when it is shown.
template <class W>
void registerWindow(Game& game) {
    game.registerWindow(W::Name.toString(), [&game] { return std::make_unique<W>(game); });
}

}  // namespace game

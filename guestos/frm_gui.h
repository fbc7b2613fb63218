#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "guestos/inner_window.h"
#include "ui/window.h"

namespace game {
class Game;
}

namespace guestos {

// The desktop of "Vexa 2": a task bar with the start button, the start menu and the programs
// submenu, two shortcuts, and three windows inside it (the program window, the run window and
// the run-program window that runs ".RPF" programs).
class FrmGUI : public ui::Window {
public:
    static constexpr QStringView Name = u"FrmGUI";

    explicit FrmGUI(game::Game& game);
    ~FrmGUI() override;

    static constexpr int Width = 800;
    static constexpr int Height = 600;
    static constexpr int TaskBarTop = 570;

    void load() override;
    void unload() override;

private:
    void layOutDesktop();
    void layOutTaskBar();
    void layOutProgramWindow();
    void layOutRunWindow();
    void layOutScriptWindow();
    void layOutMenus();
    void connectHandlers();

    void hideMenus();
    void startMenuChosen(int row);
    void openAntivirus();
    void openBrowser();
    void openProgram(const std::optional<QString>& picture, const QString& nameLabel);
    void runByName();
    void showScripts();
    void runScript();
    void showTime();

    game::Game& game_;
    std::unique_ptr<InnerWindow> programWindow_;
    std::unique_ptr<InnerWindow> runWindow_;
    std::unique_ptr<InnerWindow> scriptWindow_;
    // The title of the running program's message boxes; it outlives a run.
    QString scriptTitle_;
};

}  // namespace guestos

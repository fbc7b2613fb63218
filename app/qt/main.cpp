#include "app/command_line.h"
#include "app/qt/run_game.h"

int main(int argc, char** argv) {
    // --help and --version are answered before any window, so they work without a display.
    if (const std::optional<int> status = app::answerCommandLine(argc, argv)) {
        return *status;
    }
    return app::runGame(argc, argv);
}

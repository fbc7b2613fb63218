// The game's own start, exactly as a player launches it, up to its first painted window.
#include "app/qt/run_game.h"
#include "bench/startup/first_paint.h"

int main(int argc, char** argv) {
    return app::runGame(argc, argv, [](QWidget* first) { bench::quitAfterFirstPaint(first); });
}

#include "app/run_game.h"

int main(int argc, char** argv) {
    return app::runGame(argc, argv);
}

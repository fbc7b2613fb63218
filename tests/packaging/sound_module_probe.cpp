// Tells whether the game's sound module is found for a program in the folder given, the way the
// game looks for it: exit status 0 when it is, 1 with the reasons when it is not.
#include <QString>
#include <cstdio>

#include "ui/qt/sound.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound-module-probe PROGRAM_FOLDER\n");
        return 2;
    }
    QString error;
    if (ui::qt::findSoundModule(QString::fromLocal8Bit(argv[1]), error) == nullptr) {
        std::fprintf(stderr, "no sound module: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

#include "ui/qt/beeper.h"

extern "C" Q_DECL_EXPORT ui::qt::Sound* tarnvik_make_sound() {
    return new ui::qt::Beeper;
}

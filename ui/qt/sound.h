#pragma once

#include <QString>
#include <memory>

namespace ui::qt {

// The game's beep. The multimedia stack behind it is slow to load, so it lives in a module of
// its own that the game loads once its first window is up, never on the way to it.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
    // Nothing is playing or waiting to be played.
    virtual bool idle() const = 0;
};

}  // namespace ui::qt

// The module's one entry point.
extern "C" using TarnvikMakeSound = ui::qt::Sound * (*)();

namespace ui::qt {

// The entry point of the sound module of a program in `programFolder`: beside the program (the
// build folder) or in the game's library folder of an install, found from the program's folder
// so that any install prefix works. Null, with the reasons in `error`, when neither loads.
TarnvikMakeSound findSoundModule(const QString& programFolder, QString& error);

// The sound module of this program; without it (or without an audio device) the game runs on
// silently.
std::unique_ptr<Sound> loadSound();

}  // namespace ui::qt

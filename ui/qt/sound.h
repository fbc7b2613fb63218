#pragma once

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

// The sound module beside the program; without it (or without an audio device) the game runs
// on silently.
std::unique_ptr<Sound> loadSound();

}  // namespace ui::qt

// The module's one entry point.
extern "C" using TarnvikMakeSound = ui::qt::Sound * (*)();

#pragma once

#include <QObject>

namespace ui::qt {

// What plays one beep: the embedded sound in play, a stand-in in tests.
class BeepPlayer {
public:
    enum class State { Loading, Ready, Failed };
    virtual ~BeepPlayer() = default;
    virtual State state() const = 0;
    virtual void play() = 0;
};

// Beeps asked in a row are played one after another, with a short silence between two, so
// that three beeps are heard as three and not as one. The player tells the queue when it has
// become ready, has failed (no audio device: beeps are dropped) and has played a beep out.
class BeepQueue : public QObject {
public:
    static constexpr int GapMs = 70;
    // Beeps waiting their turn, at most: a program of the in-game system that beeps in a loop
    // would otherwise queue hours of sound. About three seconds' worth; more are dropped.
    static constexpr int MaxWaiting = 20;

    explicit BeepQueue(BeepPlayer& player, int gapMs = GapMs);

    void beep();
    // Nothing is playing or waiting to be played.
    bool idle() const { return pending_ == 0 && !playing_ && !waiting_; }

    void playerReady() { playNext(); }
    void playerFailed();
    void playerFinished();

private:
    void playNext();

    BeepPlayer& player_;
    int gapMs_;
    int pending_ = 0;
    bool playing_ = false;
    bool waiting_ = false;  // in the silence after a beep
};

}  // namespace ui::qt

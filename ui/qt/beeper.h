#pragma once

#include <QObject>
#include <QSoundEffect>

namespace ui::qt {

// Plays the beep sound, one after another, so that three beeps are heard as three. Without an
// audio device it stays silent.
class Beeper : public QObject {
    Q_OBJECT
public:
    explicit Beeper(QObject* parent = nullptr);
    void beep();
    int pending() const { return pending_; }
    // Nothing is playing or waiting to be played.
    bool idle() const { return pending_ == 0 && !playing_; }

private:
    void playNext();

    QSoundEffect sound_;
    int pending_ = 0;
    bool playing_ = false;
};

}  // namespace ui::qt

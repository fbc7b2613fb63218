#pragma once

#include <QObject>
#include <QSoundEffect>

#include "ui/qt/sound.h"

namespace ui::qt {

// Plays the beep sound, one after another, so that three beeps are heard as three. Without an
// audio device it stays silent.
class Beeper : public QObject, public Sound {
    Q_OBJECT
public:
    explicit Beeper(QObject* parent = nullptr);
    void beep() override;
    bool idle() const override { return pending_ == 0 && !playing_; }

private:
    void playNext();

    QSoundEffect sound_;
    int pending_ = 0;
    bool playing_ = false;
};

}  // namespace ui::qt

#pragma once

#include <QObject>
#include <QSoundEffect>

#include "ui/qt/beep_queue.h"
#include "ui/qt/sound.h"

namespace ui::qt {

// The game's beep: the embedded sound through the multimedia stack, queued so that beeps in a
// row are heard one by one. Without an audio device it stays silent, and says nothing.
class Beeper : public QObject, public Sound, public BeepPlayer {
    Q_OBJECT
public:
    explicit Beeper(QObject* parent = nullptr);
    ~Beeper() override;
    void beep() override;
    bool idle() const override { return queue_.idle(); }

    State state() const override;
    void play() override;

private:
    QSoundEffect sound_;
    BeepQueue queue_;
    bool loading_ = false;
};

}  // namespace ui::qt

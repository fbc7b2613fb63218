#include "ui/qt/beep_queue.h"

#include <QTimer>

namespace ui::qt {

BeepQueue::BeepQueue(BeepPlayer& player, int gapMs) : player_(player), gapMs_(gapMs) {}

void BeepQueue::beep() {
    if (player_.state() == BeepPlayer::State::Failed || pending_ >= MaxWaiting) {
        return;
    }
    ++pending_;
    playNext();
}

void BeepQueue::playerFailed() {
    pending_ = 0;  // the game goes on silently
    playing_ = false;
}

void BeepQueue::playerFinished() {
    if (!playing_) {
        return;
    }
    playing_ = false;
    waiting_ = true;
    QTimer::singleShot(gapMs_, this, [this] {
        waiting_ = false;
        playNext();
    });
}

void BeepQueue::playNext() {
    if (playing_ || waiting_ || pending_ == 0 || player_.state() != BeepPlayer::State::Ready) {
        return;
    }
    --pending_;
    playing_ = true;
    player_.play();
}

}  // namespace ui::qt

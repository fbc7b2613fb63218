#include "ui/qt/beeper.h"

#include <QTimer>
#include <QUrl>

namespace ui::qt {

namespace {
// Silence between two beeps, so that successive beeps are heard one by one.
constexpr int GapMs = 70;
// Beeps waiting their turn, at most: a program of the in-game system that beeps in a loop
// would otherwise queue hours of sound. About three seconds' worth; more are dropped.
constexpr int MaxWaiting = 20;
}  // namespace

Beeper::Beeper(QObject* parent) : QObject(parent) {
    sound_.setSource(QUrl(QStringLiteral("qrc:/sounds/beep.wav")));
    sound_.setVolume(0.6f);
    connect(&sound_, &QSoundEffect::playingChanged, this, [this] {
        if (!sound_.isPlaying() && playing_) {
            playing_ = false;
            QTimer::singleShot(GapMs, this, [this] { playNext(); });
        }
    });
    connect(&sound_, &QSoundEffect::statusChanged, this, [this] {
        if (sound_.status() == QSoundEffect::Ready) {
            playNext();
        } else if (sound_.status() == QSoundEffect::Error) {
            pending_ = 0;  // no audio device: the game goes on silently
            playing_ = false;
        }
    });
}

void Beeper::beep() {
    if (sound_.status() == QSoundEffect::Error || pending_ >= MaxWaiting) {
        return;
    }
    ++pending_;
    playNext();
}

void Beeper::playNext() {
    if (playing_ || pending_ == 0 || sound_.status() != QSoundEffect::Ready) {
        return;
    }
    --pending_;
    playing_ = true;
    sound_.play();
}

}  // namespace ui::qt

#include "ui/qt/beeper.h"

#include <QUrl>
#include <utility>

namespace ui::qt {

namespace {

// The multimedia stack tells the console when it finds no sound server or audio device, as it
// wakes (in events of its own) and as it plays. A game without sound goes on silently, so what
// it says meanwhile is dropped: from the sound's loading until it is ready or has failed, and
// during each play.
QtMessageHandler quietened = nullptr;
int quietDepth = 0;

void drop(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && quietened != nullptr) {
        quietened(type, context, message);
    }
}

void quieten() {
    if (quietDepth++ == 0) {
        quietened = qInstallMessageHandler(drop);
    }
}

void speakUp() {
    if (--quietDepth == 0) {
        qInstallMessageHandler(quietened);
    }
}

class Quiet {
public:
    Quiet() { quieten(); }
    ~Quiet() { speakUp(); }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;
};

}  // namespace

Beeper::~Beeper() {
    if (loading_) {
        speakUp();
    }
}

Beeper::Beeper(QObject* parent) : QObject(parent), sound_(nullptr), queue_(*this) {
    quieten();  // until the sound has loaded, or failed to
    loading_ = true;
    sound_.setSource(QUrl(QStringLiteral("qrc:/sounds/beep.wav")));
    sound_.setVolume(0.6f);
    connect(&sound_, &QSoundEffect::playingChanged, this, [this] {
        if (!sound_.isPlaying()) {
            queue_.playerFinished();
        }
    });
    connect(&sound_, &QSoundEffect::statusChanged, this, [this] {
        const QSoundEffect::Status status = sound_.status();
        if ((status == QSoundEffect::Ready || status == QSoundEffect::Error) &&
            std::exchange(loading_, false)) {
            speakUp();
        }
        if (status == QSoundEffect::Ready) {
            queue_.playerReady();
        } else if (status == QSoundEffect::Error) {
            queue_.playerFailed();
        }
    });
}

void Beeper::beep() {
    const Quiet quiet;
    queue_.beep();
}

BeepPlayer::State Beeper::state() const {
    switch (sound_.status()) {
        case QSoundEffect::Ready:
            return State::Ready;
        case QSoundEffect::Error:
            return State::Failed;
        default:
            return State::Loading;
    }
}

void Beeper::play() {
    const Quiet quiet;
    sound_.play();
}

}  // namespace ui::qt

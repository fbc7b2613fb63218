#include "ui/qt/qt_services.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <chrono>

#include "ui/qt/message_boxes.h"

namespace ui::qt {

QtServices::QtServices()
    : folder_(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) {
    // Made on first start; a folder that cannot be made shows up as a refused save.
    QDir().mkpath(folder_ + QStringLiteral("/PF"));
}

namespace {
const QString SoundKey = QStringLiteral("sound");
}  // namespace

ui::Answer QtServices::messageBox(const QString& text, ui::MessageKind kind, const QString& title) {
    auto box = makeMessageBox(text, kind, title, dialogOwner_ ? dialogOwner_() : nullptr);
    return runMessageBox(*box);
}

bool QtServices::soundOn() const {
    if (!soundOn_) {
        soundOn_ = QSettings().value(SoundKey, true).toBool();
    }
    return *soundOn_;
}

void QtServices::setSoundOn(bool on) {
    soundOn_ = on;
    QSettings().setValue(SoundKey, on);
}

void QtServices::prepareSound() {
    // With the sound off the multimedia stack is never woken.
    if (!beeper_ && soundOn()) {
        beeper_ = loadSound();
    }
}

void QtServices::beep() {
    if (!soundOn()) {
        return;
    }
    prepareSound();
    beeper_->beep();
}

void QtServices::randomize() {
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    random_.seed(device() ^ static_cast<std::uint32_t>(now));
}

double QtServices::random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
}

QString QtServices::currentDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString timeText(const QLocale& locale, const QTime& time) {
    // The long format is the one with seconds; its zone ("t") is dropped, outside quoted text.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (QChar c : format) {
        quoted = c == u'\'' ? !quoted : quoted;
        if (quoted || c != u't') {
            kept.append(c);
        }
    }
    return locale.toString(time, kept.simplified());
}

QString QtServices::currentTime() {
    return timeText(QLocale::system(), QTime::currentTime());
}

QString QtServices::gameFolder() {
    return folder_;
}

void QtServices::programEnded() {
    // The windows are gone already; the last beeps (a win ends with five) are still heard,
    // but a sound that never finishes does not keep the program alive.
    constexpr int MaxWaitMs = 3000;
    auto* poll = new QTimer(QCoreApplication::instance());
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, waited] {
        if (!beeper_ || beeper_->idle() || waited->elapsed() > MaxWaitMs) {
            poll->stop();
            delete waited;
            poll->deleteLater();
            QCoreApplication::quit();
        }
    });
    poll->start(20);
}

}  // namespace ui::qt

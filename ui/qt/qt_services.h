#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#include "ui/qt/sound.h"
#include "ui/services.h"

class QLocale;
class QTime;
class QWidget;

namespace ui::qt {

// A time of day as the locale writes it, to the second and without the time zone.
QString timeText(const QLocale& locale, const QTime& time);

// The services of a real game: Qt message boxes, audible beeps, the system clock and the
// per-user data folder.
class QtServices : public ui::Services {
public:
    QtServices();

    // The window a message box asked now belongs to (the front end knows); none by default.
    void setDialogOwner(std::function<QWidget*()> owner) { dialogOwner_ = std::move(owner); }

    ui::Answer messageBox(const QString& text, ui::MessageKind kind, const QString& title) override;
    void beep() override;
    void randomize() override;
    double random() override;
    QString currentDate() override;
    QString currentTime() override;
    QString gameFolder() override;
    void programEnded() override;
    // Kept in the user's settings, read when first asked (never on the way to the first window).
    bool soundOn() const override;
    void setSoundOn(bool on) override;

    // Makes the sound ready before the first beep; until then start-up does without it.
    void prepareSound();

private:
    std::function<QWidget*()> dialogOwner_;
    mutable std::optional<bool> soundOn_;
    std::unique_ptr<Sound> beeper_;
    std::mt19937 random_;
    QString folder_;
};

}  // namespace ui::qt

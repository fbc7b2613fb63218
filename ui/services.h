#pragma once

#include <QString>

namespace ui {

enum class MessageKind { Information, Exclamation, Critical, Plain, QuestionMark, Question };
enum class Answer { Ok, Yes, No };

inline const QString& defaultTitle() {
    static const QString title = QStringLiteral("Tarnvik 2.1");
    return title;
}

// Everything the rules need from outside the game. The Qt front end implements it for play;
// scripted services stand in for it in tests and in the scenario driver.
class Services {
public:
    virtual ~Services() = default;

    // A modal message box; returns Yes or No for a question, Ok otherwise.
    virtual Answer messageBox(const QString& text, MessageKind kind, const QString& title) = 0;
    virtual void beep() = 0;
    // Seeds the random numbers from the clock; scripted services keep their fixed seed.
    virtual void randomize() = 0;
    // 0 <= r < 1.
    virtual double random() = 0;
    virtual QString currentDate() = 0;
    virtual QString currentTime() = 0;
    // The folder of saves, with scripts in its PF subfolder.
    virtual QString gameFolder() = 0;
    // The program has ended; no window is left and no event follows.
    virtual void programEnded() = 0;
    // The player's sound switch: off, beeps are silent and nothing else changes. The real
    // services remember it between runs.
    virtual bool soundOn() const = 0;
    virtual void setSoundOn(bool on) = 0;
};

}  // namespace ui

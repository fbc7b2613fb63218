#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "ui/services.h"

namespace ui {

// What the game showed or did, in order: a message box, a beep, or the end of the program.
struct ServiceEvent {
    enum Type { Message, Beep, Ended };
    Type type = Message;
    MessageKind kind = MessageKind::Information;
    QString text;
    QString title;
    Answer answer = Answer::Ok;
};

// Services for tests and the scenario driver: every message box and beep is recorded,
// questions take their answers from a queue, random draws come from a queue or from a generator
// with a fixed seed, and the date and time are fixed texts.
class ScriptedServices : public Services {
public:
    explicit ScriptedServices(QString gameFolder = {});

    Answer messageBox(const QString& text, MessageKind kind, const QString& title) override;
    void beep() override;
    void randomize() override {}
    double random() override;
    QString currentDate() override { return date; }
    QString currentTime() override { return time; }
    QString gameFolder() override { return folder; }
    void programEnded() override;
    // Beeps are recorded whether the sound is on or not: the game does the same either way.
    bool soundOn() const override { return soundOn_; }
    void setSoundOn(bool on) override { soundOn_ = on; }

    void queueAnswer(bool yes) { answers_.push_back(yes ? Answer::Yes : Answer::No); }
    void queueRandom(double r) { randoms_.push_back(r); }
    std::size_t pendingAnswers() const { return answers_.size(); }

    // Events not yet looked at by a test; take() hands out the oldest.
    const std::deque<ServiceEvent>& pending() const { return pending_; }
    std::optional<ServiceEvent> take();
    void clearPending() { pending_.clear(); }
    // Every event since the start, also those already taken (while keepHistory holds).
    const std::vector<ServiceEvent>& history() const { return history_; }
    // Long runs that look only at pending events switch it off, so memory stays flat.
    bool keepHistory = true;
    bool ended() const { return ended_; }
    // Questions asked with no answer queued (they were answered No).
    int unansweredQuestions() const { return unanswered_; }

    // Called for every event as it happens (the driver prints them; in --qt mode it also shows
    // the real message box, answered with the given answer).
    std::function<void(const ServiceEvent&)> onEvent;

    QString date = QStringLiteral("09.12.2026");
    QString time = QStringLiteral("12:00:00");
    QString folder;

private:
    void record(const ServiceEvent& event);

    std::deque<Answer> answers_;
    std::deque<double> randoms_;
    std::deque<ServiceEvent> pending_;
    std::vector<ServiceEvent> history_;
    std::mt19937 generator_{20261209};
    bool ended_ = false;
    bool soundOn_ = true;
    int unanswered_ = 0;
};

const char* kindName(MessageKind kind);

}  // namespace ui

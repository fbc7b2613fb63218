#include "ui/scripted_services.h"

namespace ui {

ScriptedServices::ScriptedServices(QString gameFolder) : folder(std::move(gameFolder)) {}

void ScriptedServices::record(const ServiceEvent& event) {
    pending_.push_back(event);
    if (keepHistory) {
        history_.push_back(event);
    }
    if (onEvent) {
        onEvent(event);
    }
}

Answer ScriptedServices::messageBox(const QString& text, MessageKind kind, const QString& title) {
    ServiceEvent event;
    event.type = ServiceEvent::Message;
    event.kind = kind;
    event.text = text;
    event.title = title;
    if (kind == MessageKind::Question) {
        if (answers_.empty()) {
            ++unanswered_;
            event.answer = Answer::No;
        } else {
            event.answer = answers_.front();
            answers_.pop_front();
        }
    }
    record(event);
    return event.answer;
}

void ScriptedServices::beep() {
    ServiceEvent event;
    event.type = ServiceEvent::Beep;
    record(event);
}

double ScriptedServices::random() {
    if (!randoms_.empty()) {
        const double r = randoms_.front();
        randoms_.pop_front();
        return r;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

void ScriptedServices::programEnded() {
    ended_ = true;
    ServiceEvent event;
    event.type = ServiceEvent::Ended;
    record(event);
}

std::optional<ServiceEvent> ScriptedServices::take() {
    if (pending_.empty()) {
        return std::nullopt;
    }
    ServiceEvent event = pending_.front();
    pending_.pop_front();
    return event;
}

const char* kindName(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return "info";
        case MessageKind::Exclamation:
            return "exclamation";
        case MessageKind::Critical:
            return "critical";
        case MessageKind::Plain:
            return "plain";
        case MessageKind::QuestionMark:
            return "questionmark";
        case MessageKind::Question:
            return "question";
    }
    return "?";
}

}  // namespace ui

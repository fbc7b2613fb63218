#pragma once

#include <QString>
#include <functional>

#include "ui/scripted_services.h"

namespace autoplay {

// Scripted services whose questions are answered when they are asked, by whoever plays: the
// monkey at random, the planner by what it means to do. The answer each question got is in its
// event, so a replay can queue the same answers for the scenario driver. Random draws and the
// date and time are those of the scenario driver, so a replay draws the same numbers.
class AnsweringServices : public ui::ScriptedServices {
public:
    explicit AnsweringServices(QString folder) : ui::ScriptedServices(std::move(folder)) {
        keepHistory = false;
    }

    ui::Answer messageBox(const QString& text, ui::MessageKind kind,
                          const QString& title) override {
        if (kind == ui::MessageKind::Question && answer) {
            queueAnswer(answer(text));
        }
        return ui::ScriptedServices::messageBox(text, kind, title);
    }

    std::function<bool(const QString& question)> answer;
};

}  // namespace autoplay

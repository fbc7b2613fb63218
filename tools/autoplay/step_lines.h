#pragma once

#include <QString>

#include "tools/scenario/script.h"

namespace autoplay {

// A step written back as the scenario line the driver reads, so that what the tool played can be
// played again by tarnvik-scenario. Covers the commands the tool makes.
QString lineOf(const scenario::Step& step);

// Steps as the tool builds them.
scenario::Step clickStep(const QString& window, const QString& control = {});
scenario::Step menuStep(const QString& window, const QString& item);
scenario::Step typeStep(const QString& window, const QString& control, const QString& text);
scenario::Step selectStep(const QString& window, const QString& control, int row);
scenario::Step keyStep(const QString& window, const QString& control, int code);
scenario::Step mouseStep(scenario::Op op, const QString& window, const QString& control,
                         ui::MouseButton button);
scenario::Step closeStep(const QString& window);
scenario::Step waitStep(int ms);
scenario::Step fileStep(const QString& name, const QByteArray& content);
scenario::Step answerStep(const std::vector<bool>& answers);
scenario::Step expectStep(const QString& window, const QString& control, const QString& property,
                          const QString& value);
scenario::Step expectGlobalStep(const QString& name, const QString& value);
scenario::Step expectMessageStep(ui::MessageKind kind, const QString& text);
scenario::Step expectBeepStep(int count);
scenario::Step expectEndedStep();

}  // namespace autoplay

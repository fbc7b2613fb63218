#pragma once

#include <QMessageBox>
#include <memory>

#include "ui/services.h"

namespace ui::qt {

// A message box of the game's kind: its icon, and "OK" or "Да"/"Нет".
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, ui::MessageKind kind,
                                            const QString& title);
// The answer a clicked button stands for.
ui::Answer answerFor(const QMessageBox& box, const QAbstractButton* clicked);
// The button that gives an answer (Yes, No or OK), or null if the box has none.
QAbstractButton* buttonFor(const QMessageBox& box, ui::Answer answer);

}  // namespace ui::qt

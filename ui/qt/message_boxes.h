#pragma once

#include <QMessageBox>
#include <memory>

#include "ui/services.h"

namespace ui::qt {

// A message box of the game's kind: its icon, and "OK" or "Да"/"Нет". Enter gives the default
// answer (OK, or "Да"), Esc the safe one (OK, or "Нет"). With an owner it is a dialog of that
// window, kept above it; it is wide enough for the window manager to show its whole title.
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, ui::MessageKind kind,
                                            const QString& title, QWidget* owner = nullptr);
// Shows the box until it is answered, then gives the keyboard back to the widget that had it.
ui::Answer runMessageBox(QMessageBox& box);
// The answer a clicked button stands for.
ui::Answer answerFor(const QMessageBox& box, const QAbstractButton* clicked);
// The button that gives an answer (Yes, No or OK), or null if the box has none.
QAbstractButton* buttonFor(const QMessageBox& box, ui::Answer answer);

}  // namespace ui::qt

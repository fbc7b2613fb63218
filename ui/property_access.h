#pragma once

#include <QString>
#include <optional>

#include "ui/control.h"
#include "ui/window.h"

namespace ui {

// Properties by name in their text form (booleans "true"/"false", numbers in decimal, colours
// "R,G,B"), as the scenario driver reads and arranges them: Caption, Text, Enabled, Visible,
// ForeColor, BackColor, BorderStyle, ListIndex, ListCount, Item[N], FileName, Value, Min, Max,
// Interval, Picture, and a label's Warning ("none", "low", "critical"), which only the game sets.
bool hasProperty(ControlKind kind, const QString& property);
std::optional<QString> readProperty(const Control& control, const QString& property);
// Returns an empty string on success, otherwise why the value was refused.
QString writeProperty(Control& control, const QString& property, const QString& value);

bool hasWindowProperty(const QString& property);
std::optional<QString> readWindowProperty(const Window& window, const QString& property);
QString writeWindowProperty(Window& window, const QString& property, const QString& value);

QString boolText(bool value);
// "none", "low" or "critical".
QString warningText(Warning warning);
std::optional<bool> parseBool(const QString& text);

}  // namespace ui

#pragma once

#include <QString>
#include <optional>

namespace ui {

// Captions hold the game's numbers as text. Reading accepts "." and "," alike, so a value
// written under one locale reads back under another; blanks around the number are ignored.
std::optional<double> parseNumber(const QString& text);

// The caption's number, or 0 when the caption holds no number.
double toNumber(const QString& text);

// Plain decimal text: whole numbers without a decimal part, fractions with the decimal
// separator of the current locale (QLocale's default), no group separators.
QString numberText(double value);

}  // namespace ui

#pragma once

#include "ui/window.h"

namespace guestos {

// The black, borderless screens before and after the desktop: the system's emblem and its
// name written large in the middle, a line of text below.
void layOutVexaScreen(ui::Window& screen, const char* nameLabel, const char* textLabel,
                      const QString& text);

inline constexpr int ScreenWidth = 640;
inline constexpr int ScreenHeight = 400;

}  // namespace guestos

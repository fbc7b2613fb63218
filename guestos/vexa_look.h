#pragma once

#include "ui/color.h"

// The colours of the in-game system, besides those its windows are given by name.
namespace guestos::look {

inline constexpr ui::Color WindowFace{28, 32, 30};
inline constexpr ui::Color TitleBar{0, 96, 56};
inline constexpr ui::Color TaskEntry{212, 212, 212};
inline constexpr ui::Color MenuFace{36, 40, 38};
inline constexpr ui::Color Hint{170, 180, 175};

}  // namespace guestos::look

#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace ui {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Color&, const Color&) = default;

    // "R,G,B", the form scenarios compare against.
    QString text() const;
    static std::optional<Color> parse(const QString& text);
};

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color BrightGreen{0, 192, 0};
inline constexpr Color Green{0, 128, 0};
inline constexpr Color Grey{128, 128, 128};
inline constexpr Color DarkGrey{64, 64, 64};
inline constexpr Color LightGrey{192, 192, 192};
}  // namespace colors

}  // namespace ui

#pragma once

#include <QString>
#include <optional>

namespace guestos {

// The picture the program window shows for an installed antivirus or browser level; nothing
// for a level that has none (the window then keeps the picture it shows).
std::optional<QString> antivirusPicture(int level);
std::optional<QString> browserPicture(int level);

// The desktop's own pictures.
namespace pictures {
inline constexpr const char* Wallpaper = "Images/Vexa/Wallpaper.png";
inline constexpr const char* RunIcon = "Images/Vexa/RunIcon.png";
inline constexpr const char* ScriptIcon = "Images/Vexa/ScriptIcon.png";
inline constexpr const char* EmptyProgram = "Images/Vexa/EmptyProgram.png";
inline constexpr const char* Logo = "Images/Vexa/Logo.png";
}  // namespace pictures

}  // namespace guestos

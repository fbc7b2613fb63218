#pragma once

#include <QImage>

// The pictures of the in-game system "Vexa 2", each drawn at `scale` pixels per point.
namespace art::vexa {

// The desktop and its screens.
QImage drawLogo(int scale);          // 112 x 112, boot and shutdown screens
QImage drawWallpaper(int scale);     // 800 x 570
QImage drawRunIcon(int scale);       // 48 x 48, the "Запуск" shortcut
QImage drawScriptIcon(int scale);    // 48 x 48, the "Вып. прог." shortcut
QImage drawEmptyProgram(int scale);  // 420 x 330, the program window before any program

// The programs the player installs, in the program window (420 x 330; the top 22 points lie
// under the window's title bar).
QImage drawAntivirus(int level, int scale);  // 1 and 2
QImage drawBrowser(int level, int scale);    // 1 to 4

inline constexpr int ProgramWidth = 420;
inline constexpr int ProgramHeight = 330;
inline constexpr int TitleBar = 22;

}  // namespace art::vexa

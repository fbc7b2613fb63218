#pragma once

#include <QImage>

namespace art {

constexpr int SceneWidth = 425;
constexpr int SceneHeight = 213;

// The night city of the main window. Frames 0 and 1 are the same picture except for what
// blinks: the radio mast's beacon, the cursor on the student's screen, a flickering television
// and a lit window; shown in turn they make the city look alive.
QImage drawCity(int frame);

}  // namespace art

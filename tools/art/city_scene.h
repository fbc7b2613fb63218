#pragma once

#include <QImage>

namespace art {

constexpr int SceneWidth = 425;
constexpr int SceneHeight = 213;

// The night city of the main window. Frames 0 and 1 are the same picture except for what
// blinks: the radio mast's beacon, the cursor on the student's screen, a flickering television
// and a lit window; shown in turn they make the city look alive.
// At scale 2 the same picture is drawn with twice the pixels each way, for screens of two
// pixels per point (the "@2x" picture beside the plain one).
QImage drawCity(int frame, int scale = 1);

}  // namespace art

#pragma once

#include <QByteArray>
#include <QImage>

namespace art {

// The game's icon: a monitor whose screen shows the night city in neon green.
// Drawn for a square of `pixels` pixels, every edge on a whole pixel; small sizes leave out
// the details that would only blur (lit windows, the prompt, the glow).
QImage drawGameIcon(int pixels);

// The same drawing with every detail, as a scalable SVG picture.
QByteArray drawGameIconSvg();

}  // namespace art

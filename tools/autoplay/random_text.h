#pragma once

#include <QString>
#include <QStringList>

#include "tools/autoplay/dice.h"

namespace autoplay {

// Text a player might type: names, numbers, Russian words, file names with folders in them,
// control characters, very long text, and now and then something seen on the screen.
QString randomText(Dice& dice, const QStringList& onScreen);

}  // namespace autoplay

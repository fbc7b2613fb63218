#pragma once

#include <QStringList>
#include <cstdint>
#include <span>

namespace game {

// The hardware ladders.
enum class Component { Processor, Memory, Modem, Disk, Video };

struct Hardware {
    const char* name;  // as listed, and as shown on the part's label once installed
    Component component;
    int level;
    int price;
};

// Every part the hardware store sells, in the order it lists them: processors best first, the
// other parts worst first.
std::span<const Hardware> hardwareCatalogue();

// The names of a ladder's parts: level n at row n - 1.
QStringList partNames(Component component);

// How far the browser and the download manager advance per step with a modem of this level.
std::uint8_t modemSpeed(int level);

// Full capacity in MB of the hard disk of a level, 0 for none or an unknown level.
int diskCapacity(int diskLevel);

}  // namespace game

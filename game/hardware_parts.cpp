#include "game/hardware_parts.h"

#include <array>

#include "game/names_by_level.h"

namespace game {

namespace {

constexpr std::array<Hardware, 17> Catalogue = {{
    {"Intel Core 2 Duo", Component::Processor, 4, 500},
    {"Intel Pentium 4", Component::Processor, 3, 300},
    {"Intel Pentium 3", Component::Processor, 2, 200},
    {"Intel Pentium 2", Component::Processor, 1, 100},
    {"DDR16", Component::Memory, 1, 125},
    {"DDR32", Component::Memory, 2, 155},
    {"Modem 14 kb/s", Component::Modem, 1, 20},
    {"Modem 28 kb/s", Component::Modem, 2, 50},
    {"Modem 56 kb/s", Component::Modem, 3, 100},
    {"Винчестер 1000 MB", Component::Disk, 1, 100},
    {"Винчестер 3000 MB", Component::Disk, 2, 300},
    {"Винчестер 5500 MB", Component::Disk, 3, 500},
    {"Винчестер 16000 MB", Component::Disk, 4, 800},
    {"Video 64MB", Component::Video, 1, 20},
    {"Video 128MB", Component::Video, 2, 50},
    {"Video 256MB", Component::Video, 3, 100},
    {"Video 512MB", Component::Video, 4, 150},
}};

}  // namespace

std::span<const Hardware> hardwareCatalogue() {
    return Catalogue;
}

QStringList partNames(Component component) {
    return namesByLevel(Catalogue,
                        [component](const Hardware& h) { return h.component == component; });
}

std::uint8_t modemSpeed(int level) {
    switch (level) {
        case 1:
            return 5;
        case 2:
            return 10;
        case 3:
            return 20;
        default:
            return 0;
    }
}

int diskCapacity(int diskLevel) {
    switch (diskLevel) {
        case 1:
            return 1000;
        case 2:
            return 3000;
        case 3:
            return 5500;
        case 4:
            return 16000;
        default:
            return 0;
    }
}

}  // namespace game

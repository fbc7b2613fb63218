#include "guestos/program_pictures.h"

#include <array>

namespace guestos {

namespace {

std::optional<QString> pictureOf(int level, const auto& pictures) {
    if (level < 1 || level > static_cast<int>(pictures.size())) {
        return std::nullopt;
    }
    return QString::fromLatin1(pictures[static_cast<std::size_t>(level - 1)]);
}

}  // namespace

std::optional<QString> antivirusPicture(int level) {
    static constexpr std::array<const char*, 2> pictures = {"Images/NOD32.bmp", "Images/NOD64.bmp"};
    return pictureOf(level, pictures);
}

std::optional<QString> browserPicture(int level) {
    static constexpr std::array<const char*, 4> pictures = {"Images/IB3.bmp", "Images/IB5.bmp",
                                                            "Images/IB6.bmp", "Images/IB7.bmp"};
    return pictureOf(level, pictures);
}

}  // namespace guestos

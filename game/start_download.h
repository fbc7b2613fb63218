#pragma once

#include <QString>
#include <cstdint>

namespace game {

class Game;

// What a download can be: the kind of a file decides what its completion installs.
inline constexpr std::uint8_t OperatingSystemFile = 1;

// The in-game system a downloaded operating system installs: its level and its name on LblOS.
inline constexpr std::uint8_t InGameSystemLevel = 5;
inline constexpr const char* InGameSystemName = "Vexa 2";

// Records what is to be downloaded and opens the download window. The count received so far
// is left as it is, so a download the player walked away from goes on where it stopped.
void StartDownload(Game& game, const QString& name, std::int16_t sizeMb, std::uint8_t kind);

}  // namespace game

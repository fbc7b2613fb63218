#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

#include "saves/save_format.h"

namespace saves {

// Whether a typed name can name a save in the game folder: one plain file name, never a path
// ("/" or "\"), never "." or "..", no control characters.
bool acceptableName(const QString& typed);

// The save's file for a typed name: the name followed by ".sav", in the game folder.
QString savePath(const QString& folder, const QString& typed);

// Writes the whole file or nothing: the bytes go to a new file that replaces the old one only
// once it is complete, so a crash or a full disk leaves the old save as it was. Returns the
// system's reason when the file could not be written.
std::optional<QString> writeSaveFile(const QString& path, const QByteArray& bytes);

// A saved game is a few hundred bytes; more than this is no saved game.
inline constexpr qint64 MaxSaveBytes = 64 * 1024;

// The file's bytes, or why they cannot be had.
std::variant<QByteArray, LoadFailure> readSaveFile(const QString& path);

}  // namespace saves

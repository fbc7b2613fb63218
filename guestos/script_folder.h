#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace guestos {

// The in-game system's programs: the ".RPF" files in the PF subfolder of the game folder.
QString scriptFolder(const QString& gameFolder);
inline const QString& scriptPattern() {
    static const QString pattern = QStringLiteral("*.RPF");
    return pattern;
}

// Whether the folder exists and its files can be listed.
bool scriptFolderReadable(const QString& folder);

// A larger file is no program a player wrote by hand, and would hold the game for long.
inline constexpr qint64 MaxScriptBytes = 1024 * 1024;

// The bytes of a program file; nothing when it is no plain file, cannot be read or is larger
// than MaxScriptBytes.
std::optional<QByteArray> readScript(const QString& path);

// The sample programs a new player finds in the run-program window. Written when the script
// folder is missing or empty (a first start), never over anything a player put there.
void prepareScriptFolder(const QString& gameFolder);

}  // namespace guestos

#include "game/language_names.h"

namespace game {

const QStringList& languageNames() {
    static const QStringList names = {
        QStringLiteral("Basic"),           QStringLiteral("QBasic"),
        QStringLiteral("Visual Basic"),    QStringLiteral("Visual Basic .NET"),
        QStringLiteral("Visual C#"),       QStringLiteral("Visual J#"),
        QStringLiteral("Visual C"),        QStringLiteral("Visual C++"),
        QStringLiteral("Visual C++ .NET"),
    };
    return names;
}

QString languageName(int level) {
    return level >= 1 && level <= languageNames().size() ? languageNames().at(level - 1)
                                                         : QString();
}

}  // namespace game

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>
#include <cstdio>

#include "ui/qt/sound.h"

namespace ui::qt {

namespace {

class Silence : public Sound {
public:
    void beep() override {}
    bool idle() const override { return true; }
};

}  // namespace

TarnvikMakeSound findSoundModule(const QString& programFolder, QString& error) {
    const QString folders[] = {
        programFolder,
        programFolder + QStringLiteral("/" TARNVIK_SOUND_FOLDER_FROM_PROGRAM),
    };
    QStringList errors;
    for (const QString& folder : folders) {
        // The module stays loaded for the rest of the run.
        QLibrary module(folder + QStringLiteral("/tarnvik_sound"));
        if (auto make = reinterpret_cast<TarnvikMakeSound>(module.resolve("tarnvik_make_sound"))) {
            return make;
        }
        errors << module.errorString();
    }
    error = errors.join(QStringLiteral("; "));
    return nullptr;
}

std::unique_ptr<Sound> loadSound() {
    QString error;
    const TarnvikMakeSound make = findSoundModule(QCoreApplication::applicationDirPath(), error);
    if (make == nullptr) {
        std::fprintf(stderr, "tarnvik2: no sound (%s)\n", qPrintable(error));
        return std::make_unique<Silence>();
    }
    return std::unique_ptr<Sound>(make());
}

}  // namespace ui::qt

#include <QCoreApplication>
#include <QLibrary>
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

std::unique_ptr<Sound> loadSound() {
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/tarnvik_sound"));
    auto make = reinterpret_cast<TarnvikMakeSound>(module.resolve("tarnvik_make_sound"));
    if (make == nullptr) {
        std::fprintf(stderr, "tarnvik2: no sound (%s)\n", qPrintable(module.errorString()));
        return std::make_unique<Silence>();
    }
    // The module stays loaded for the rest of the run.
    return std::unique_ptr<Sound>(make());
}

}  // namespace ui::qt

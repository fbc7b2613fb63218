// The sound switch is remembered between runs; with the sound off a beep wakes nothing.
#include <QSettings>

#include "qt_fixture.h"
#include "ui/qt/qt_services.h"

namespace {

TEST(SoundSetting, TheSwitchIsRememberedForTheNextRun) {
    QSettings().clear();
    {
        ui::qt::QtServices first;
        EXPECT_TRUE(first.soundOn()) << "a first run has sound";
        first.setSoundOn(false);
    }
    ui::qt::QtServices next;
    EXPECT_FALSE(next.soundOn());
    next.beep();  // silent, and without loading the sound module
    next.setSoundOn(true);
    EXPECT_TRUE(ui::qt::QtServices().soundOn());
    QSettings().clear();
}

}  // namespace

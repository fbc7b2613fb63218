#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/game_fixture.h"

namespace guestos_tests {

// A game with "Vexa 2" installed (as the download leaves it), a game folder of its own, and
// the ways a player reaches the system: the menu, the boot, the desktop's controls.
class VexaFixture : public testing_support::GameFixture {
protected:
    static constexpr int Hour = 1500;  // one game hour at the starting speed
    static constexpr int BootTick = 1000;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        services.folder = folder.path();
        ASSERT_TRUE(QDir().mkpath(scriptPath()));
        GameFixture::SetUp();
        globals().OsLevel = 5;
        game->scheduler().advance(Hour);  // the next hour switches the menu item on
    }

    QString scriptPath(const QString& name = {}) const {
        return QDir(folder.path()).filePath(QStringLiteral("PF/") + name);
    }
    void writeScript(const QString& name, const QByteArray& bytes) {
        QFile file(scriptPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void startVexa() { click("Form1", "mnuVexa"); }
    // From the menu to the desktop: ten steps and the eleventh tick.
    void boot() {
        startVexa();
        game->scheduler().advance(11 * BootTick);
        ASSERT_NE(game->find("FrmGUI"), nullptr) << "the desktop did not come up";
    }
    ui::Control& desktop(const QString& name) { return control("FrmGUI", name); }
    bool shown(const QString& name) { return desktop(name).visible(); }
    void clickDesktop(const QString& name) { click("FrmGUI", name); }
    void choose(const QString& list, int row) {
        ASSERT_TRUE(game->select(desktop(list), row)) << list.toStdString() << " row " << row;
    }

    // "Выйти из Vexa" from the start menu, with the answer to its question.
    void leaveVexa(bool yes = true) {
        clickDesktop("Command1");
        services.queueAnswer(yes);
        choose("List1", 2);
        expectMessage(ui::MessageKind::Question, QStringLiteral("Вы уверены что хотите выйти?"));
    }

    QTemporaryDir folder;
};

}  // namespace guestos_tests

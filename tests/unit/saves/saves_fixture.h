#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "support/game_fixture.h"

namespace saves_tests {

// A game past the name window whose game folder is a fresh temporary folder, with the steps a
// player takes to save and to load.
class SavesFixture : public testing_support::GameFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        services.folder = folder.path();
        GameFixture::SetUp();
    }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QByteArray bytesOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files); }

    // Types the name into an open save window and presses "Сохранить".
    void save(const QString& window, const QString& name) {
        ASSERT_TRUE(game->edit(control(window, "Text1"), name));
        click(window, "Command1");
    }
    // Saves from the menu under a name; answers queued beforehand decide any question.
    void saveFromMenu(const QString& name) {
        ASSERT_TRUE(game->click(control("Form1", "mnusave")));
        save("Frmsave", name);
    }
    // Opens the load window from the menu, chooses the file and presses "Загрузить".
    void loadFromMenu(const QString& name) {
        ASSERT_TRUE(game->click(control("Form1", "mnuload")));
        const int row = static_cast<int>(control("Frmload", "File1").items().indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString() << " not listed";
        ASSERT_TRUE(game->select(control("Frmload", "File1"), row));
        click("Frmload", "Command1");
    }

    // A saved game from its twenty values written plainly: the reader takes plain digits as
    // well as their codes. Values not given are those of a game just started.
    static QByteArray plainFile(const std::map<int, QByteArray>& values) {
        QByteArray bytes;
        for (int line = 1; line <= 20; ++line) {
            const auto it = values.find(line);
            const QByteArray start = line == 1 ? "200" : line <= 3 ? "50" : "0";
            bytes += (it != values.end() ? it->second : start) + "\r\n";
        }
        return bytes;
    }
    // Loads a file of these values through the load window, expecting it to succeed.
    void loadValues(const std::map<int, QByteArray>& values) {
        writeFile("t.sav", plainFile(values));
        loadFromMenu("t.sav");
        expectMessage(ui::MessageKind::Information, "Игра загружена!");
        expectQuiet();
    }

    QTemporaryDir folder;
};

}  // namespace saves_tests

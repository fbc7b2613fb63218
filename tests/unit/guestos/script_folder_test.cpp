// The programs a new player finds, and the limits on reading one.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "guestos/script_folder.h"
#include "guestos/script_runner.h"
#include "guestos/windows_1251.h"
#include "recording_host.h"

namespace {

class ScriptFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.isValid()); }
    QString pf() const { return guestos::scriptFolder(game.path()); }
    QStringList programs() const {
        return QDir(pf()).entryList({QStringLiteral("*.RPF")}, QDir::Files, QDir::Name);
    }
    QByteArray bytesOf(const QString& name) const {
        QFile file(QDir(pf()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir game;
};

TEST_F(ScriptFolder, AFirstStartMakesTheFolderWithTheSamples) {
    guestos::prepareScriptFolder(game.path());
    EXPECT_EQ(programs(), QStringList({"Выход.RPF", "Пример.RPF"}));
}

TEST_F(ScriptFolder, AnEmptyFolderGetsTheSamplesAndAnythingElseIsLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(pf()));
    guestos::prepareScriptFolder(game.path());
    EXPECT_EQ(programs().size(), 2);

    QTemporaryDir other;
    const QString otherPf = guestos::scriptFolder(other.path());
    ASSERT_TRUE(QDir().mkpath(otherPf));
    QFile mine(QDir(otherPf).filePath("mine.txt"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.close();
    guestos::prepareScriptFolder(other.path());
    EXPECT_EQ(QDir(otherPf).entryList(QDir::Files), QStringList({"mine.txt"}));
}

TEST_F(ScriptFolder, TheSampleShowsEveryCommandInWindows1251) {
    guestos::prepareScriptFolder(game.path());
    const QByteArray bytes = bytesOf("Пример.RPF");
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_FALSE(bytes.contains('?')) << "a character the code page lacks";
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(guestos::encodeWindows1251(guestos::decodeWindows1251(bytes)), bytes);

    guestos_tests::RecordingHost host;
    QString title;
    EXPECT_EQ(guestos::runScript(bytes, title, host), guestos::ScriptEnd::EndOfFile);
    EXPECT_EQ(title, "Пример программы");
    const QStringList& effects = host.effects;
    EXPECT_TRUE(effects.contains("beep"));
    for (const char* form : {"info [Пример программы] ", "critical [Пример программы] ",
                             "questionmark [Пример программы] ", "plain [Пример программы] ",
                             "plain [] 12:34:56", "info [Пример программы] 09.12.2026"}) {
        EXPECT_TRUE(std::any_of(effects.begin(), effects.end(), [form](const QString& e) {
            return e.startsWith(form);
        })) << form;
    }
    // Every message reads as written: no command word or stray digit left in it.
    for (const QString& effect : effects) {
        EXPECT_FALSE(effect.contains("msg ")) << effect.toStdString();
        EXPECT_FALSE(effect.contains("] 0 ") || effect.contains("] 1 ") || effect.contains("] 2 "))
            << effect.toStdString();
    }
}

TEST_F(ScriptFolder, TheExitSampleWarnsAndEndsTheGame) {
    guestos::prepareScriptFolder(game.path());
    guestos_tests::RecordingHost host;
    QString title;
    EXPECT_EQ(guestos::runScript(bytesOf("Выход.RPF"), title, host),
              guestos::ScriptEnd::ProgramEnded);
    ASSERT_EQ(host.effects.size(), 2);
    EXPECT_TRUE(host.effects[0].startsWith("critical [Выход] "));
    EXPECT_EQ(host.effects[1], "end");
}

TEST_F(ScriptFolder, ReadingIsLimitedToPlainFilesOfAMegabyte) {
    ASSERT_TRUE(QDir().mkpath(pf()));
    const QString path = QDir(pf()).filePath("x.RPF");
    EXPECT_FALSE(guestos::readScript(path).has_value()) << "a missing file";
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(guestos::readScript(path).has_value()) << "a folder";
    ASSERT_TRUE(QDir(path).removeRecursively());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(guestos::MaxScriptBytes, 'b'));
    file.flush();
    const auto whole = guestos::readScript(path);
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->size(), guestos::MaxScriptBytes);
    file.write("b");
    file.close();
    EXPECT_FALSE(guestos::readScript(path).has_value()) << "one byte over";
}

TEST_F(ScriptFolder, AMissingOrPlainFileFolderIsUnreadable) {
    EXPECT_FALSE(guestos::scriptFolderReadable(pf()));
    QFile plain(pf());
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_FALSE(guestos::scriptFolderReadable(pf()));
    ASSERT_TRUE(QFile::remove(pf()));
    ASSERT_TRUE(QDir().mkpath(pf()));
    EXPECT_TRUE(guestos::scriptFolderReadable(pf()));
}

}  // namespace

// Loading a saved game: what every loaded level shows, and that a damaged file changes nothing.
#include <QLocale>

#include "saves/save_file.h"
#include "saves_fixture.h"

namespace {

using ui::MessageKind;

class Loading : public saves_tests::SavesFixture {
protected:
    // A game with the best of everything, so that a load has captions to replace.
    void equip() {
        loadValues({{1, "5000"},
                    {4, "90"},
                    {5, "9"},
                    {6, "4"},
                    {7, "4"},
                    {8, "4"},
                    {9, "100"},
                    {10, "2"},
                    {11, "4"},
                    {12, "5"},
                    {13, "9"},
                    {14, "2"},
                    {15, "3"},
                    {16, "1"},
                    {17, "10"},
                    {18, "10"},
                    {19, "10"},
                    {20, "13"}});
    }
};

// Level n of each ladder (its top where it has fewer), as the main window names it after a load.
TEST_F(Loading, EveryLevelShowsItsName) {
    const QStringList cpu = {"Intel Pentium 2", "Intel Pentium 3", "Intel Pentium 4",
                             "Intel Core 2 Duo"};
    const QStringList ram = {"DDR16", "DDR32"};
    const QStringList modem = {"Modem 14 kb/s", "Modem 28 kb/s", "Modem 56 kb/s"};
    const QList<int> speed = {5, 10, 20};
    const QStringList disk = {"Винчестер 1000 MB", "Винчестер 3000 MB", "Винчестер 5500 MB",
                              "Винчестер 16000 MB"};
    const QStringList video = {"Video 64MB", "Video 128MB", "Video 256MB", "Video 512MB"};
    const QStringList os = {"Windows 98", "Windows 2000", "Windows XP", "Windows Vista", "Vexa 2"};
    const QStringList av = {"NOD32", "NOD64"};
    const QStringList browser = {"Internet Explorer 3", "Internet Explorer 5",
                                 "Internet Explorer 6", "Internet Explorer 7"};
    const QStringList language = {
        "Basic",     "QBasic",   "Visual Basic", "Visual Basic .NET", "Visual C#",
        "Visual J#", "Visual C", "Visual C++",   "Visual C++ .NET"};
    const QStringList job = {"Стажер",
                             "Помощник програмиста",
                             "Млачший програмист",
                             "Програмист",
                             "Старший програмист",
                             "Администратор",
                             "Старший администратор",
                             "Начальник отдела",
                             "Директор"};
    const QList<int> salary = {10, 20, 30, 50, 70, 80, 95, 105, 120};
    for (int n = 1; n <= 9; ++n) {
        auto at = [n](int top) { return QByteArray::number(std::min(n, top)); };
        auto name = [n](const QStringList& names) {
            return names.at(std::min(n, static_cast<int>(names.size())) - 1);
        };
        loadValues({{5, at(9)},
                    {6, at(4)},
                    {7, at(4)},
                    {8, at(4)},
                    {9, "0"},
                    {10, at(2)},
                    {11, at(4)},
                    {12, at(5)},
                    {13, at(9)},
                    {14, at(2)},
                    {15, at(3)}});
        SCOPED_TRACE(n);
        EXPECT_EQ(caption("LblWork"), name(job));
        EXPECT_EQ(globals().Salary, salary.at(n - 1));
        EXPECT_EQ(caption("LblCPU"), name(cpu));
        EXPECT_EQ(caption("LblIB"), name(browser));
        EXPECT_EQ(caption("LblHD"), name(disk));
        EXPECT_EQ(caption("LblRam"), name(ram));
        EXPECT_EQ(caption("LblVideo"), name(video));
        EXPECT_EQ(caption("LblOS"), name(os));
        EXPECT_EQ(control("Form1", "mnuVexa").enabled(), n >= 5);
        EXPECT_EQ(caption("LblPL"), name(language));
        EXPECT_EQ(caption("LblAV"), name(av));
        EXPECT_EQ(caption("LblModem"), name(modem));
        EXPECT_EQ(globals().ModemSpeed, speed.at(std::min(n, 3) - 1));
        EXPECT_EQ(caption("LblHDF"), "0 MB");  // a full disk, as the file says
    }
}

TEST_F(Loading, NothingInstalledReadsNone) {
    equip();
    loadValues({});
    for (const char* label : {"LblWork", "LblCPU", "LblModem", "LblRam", "LblHD", "LblVideo",
                              "LblOS", "LblAV", "LblIB", "LblPL"}) {
        EXPECT_EQ(caption(label), "Нет") << label;
    }
    EXPECT_EQ(globals().Salary, 0);
    EXPECT_EQ(globals().ModemSpeed, 0);
    EXPECT_EQ(caption("LblHDF"), "0 MB");
    EXPECT_EQ(caption("Command4"), "Подключиться к интернету");
    EXPECT_FALSE(control("Form1", "mnuVexa").enabled());
    // A level text is a number: one that holds none is no part at all.
    loadValues({{8, "x"}, {13, " 3 "}});
    EXPECT_EQ(caption("LblHD"), "Нет");
    EXPECT_EQ(caption("LblPL"), "Visual Basic");
    EXPECT_EQ(globals().LanguageLevel, " 3 ");
}

TEST_F(Loading, LevelsWithoutANameKeepTheCaptionOrAreDropped) {
    equip();
    loadValues({{5, "10"},
                {6, "5"},
                {7, "7"},
                {8, "9"},
                {9, "-70"},
                {10, "3"},
                {11, "5"},
                {12, "6"},
                {13, "10"},
                {14, "3"},
                {15, "4"},
                {16, "2"},
                {17, "11"},
                {18, "10"}});
    EXPECT_EQ(caption("LblWork"), "Директор");
    EXPECT_EQ(globals().Salary, 0);
    EXPECT_EQ(caption("LblCPU"), "Intel Core 2 Duo");
    EXPECT_EQ(caption("LblHD"), "Винчестер 16000 MB");
    EXPECT_EQ(caption("LblRam"), "DDR32");
    EXPECT_EQ(caption("LblVideo"), "Video 512MB");
    EXPECT_EQ(caption("LblOS"), "Vexa 2");
    EXPECT_EQ(caption("LblPL"), "Visual C++ .NET");
    EXPECT_EQ(caption("LblModem"), "Modem 56 kb/s");
    EXPECT_EQ(globals().ModemSpeed, 0);
    EXPECT_EQ(globals().ModemLevel, 4);
    // A browser or an antivirus that does not exist is none.
    EXPECT_EQ(globals().BrowserLevel, 0);
    EXPECT_EQ(caption("LblIB"), "Нет");
    EXPECT_EQ(globals().AntivirusLevel, 0);
    EXPECT_EQ(caption("LblAV"), "Нет");
    // An internet line of 2 leaves the connection as it was.
    EXPECT_EQ(globals().InternetConnected, 1);
    EXPECT_EQ(caption("Command4"), "Войти в интернет");
    EXPECT_EQ(globals().SchoolPoints, 0);
    EXPECT_EQ(caption("Lbl1"), "0");
    EXPECT_EQ(caption("Lbl2"), "10");
    // An unknown disk keeps the free space of the file, and shows it.
    EXPECT_EQ(globals().FreeDiskMb, -70);
    EXPECT_EQ(caption("LblHDF"), "-70 MB");
}

TEST_F(Loading, TheClockShowsTheLoadedHour) {
    loadValues({{20, "5"}});
    EXPECT_EQ(caption("LblClock"), "05:00");
    loadValues({{20, "17"}});
    EXPECT_EQ(caption("LblClock"), "17:00");
    loadValues({{20, "24"}});
    EXPECT_EQ(globals().Hour, 0);
    EXPECT_EQ(caption("LblClock"), "00:00");
}

TEST_F(Loading, FreeSpaceIsWhatTheFileSaysWhereTheDiskCouldHoldIt) {
    loadValues({{8, "3"}, {9, "2000"}});
    EXPECT_EQ(caption("LblHD"), "Винчестер 5500 MB");
    EXPECT_EQ(caption("LblHDF"), "2000 MB");
    loadValues({{8, "3"}, {9, "9999"}});
    EXPECT_EQ(globals().FreeDiskMb, 5500);
    EXPECT_EQ(caption("LblHDF"), "5500 MB");
    loadValues({{8, "4"}, {9, "-1"}});
    EXPECT_EQ(caption("LblHDF"), "16000 MB");
    loadValues({{8, "0"}, {9, "300"}});
    EXPECT_EQ(caption("LblHDF"), "0 MB");
}

TEST_F(Loading, ALoadEndsThePauseAndGivesTheMainWindowBack) {
    ASSERT_TRUE(game->click(control("Form1", "mnuPause")));
    expectMessage(MessageKind::Information, "Пауза включена!");
    writeFile("b.sav", plainFile({}));
    writeFile("a.sav", plainFile({{1, "7"}}));
    writeFile("notes.txt", "");
    ASSERT_TRUE(game->click(control("Form1", "mnuload")));
    EXPECT_FALSE(window("Form1").enabled());
    EXPECT_EQ(control("Frmload", "File1").items(), QStringList({"a.sav", "b.sav"}));
    click("Frmload", "Command1");
    expectMessage(MessageKind::Exclamation, "Выберите файл!");
    ASSERT_TRUE(game->select(control("Frmload", "File1"), 0));
    click("Frmload", "Command1");
    expectMessage(MessageKind::Information, "Игра загружена!");
    EXPECT_EQ(game->find("Frmload"), nullptr);
    EXPECT_TRUE(window("Form1").enabled());
    EXPECT_TRUE(game->clock().enabled());
    EXPECT_EQ(caption("LblMoney"), "7");
}

TEST_F(Loading, ADamagedFileChangesNothingAndSaysWhy) {
    equip();
    ASSERT_TRUE(game->click(control("Form1", "mnuload")));
    const QStringList before = state();
    struct Damaged {
        QByteArray bytes;
        QString message;
    };
    QList<Damaged> damaged = {
        {"", "Ошибка загрузки игры!\r\nВ файле нет строки 1 номер ошибки: 2"},
        {plainFile({}).chopped(3),  // the hour line is gone
         "Ошибка загрузки игры!\r\nВ файле нет строки 20 номер ошибки: 2"},
        {plainFile({{6, "300"}}),
         "Ошибка загрузки игры!\r\nЧисло в строке 6 вне допустимых пределов номер ошибки: 4"},
        {plainFile({{20, "seven"}}),
         "Ошибка загрузки игры!\r\nВ строке 20 не число номер ошибки: 3"},
        {plainFile({{16, "yes"}}), "Ошибка загрузки игры!\r\nВ строке 16 не число номер ошибки: 3"},
        {plainFile({}) + QByteArray(saves::MaxSaveBytes, ' '),
         "Ошибка загрузки игры!\r\nФайл слишком большой номер ошибки: 5"},
    };
    for (int line : {5, 6, 7, 9, 10, 12, 14, 15, 17, 18, 19, 20}) {
        damaged.append({plainFile({{line, line == 9 ? "40000" : "256"}}), {}});
    }
    for (const Damaged& d : damaged) {
        writeFile("bad.sav", d.bytes);
        control("Frmload", "File1").refresh();
        ASSERT_TRUE(game->select(control("Frmload", "File1"), 0));
        click("Frmload", "Command1");
        auto event = services.take();
        ASSERT_TRUE(event.has_value());
        EXPECT_EQ(event->kind, MessageKind::Critical);
        if (!d.message.isEmpty()) {
            EXPECT_EQ(event->text, d.message);
        } else {
            EXPECT_TRUE(event->text.startsWith("Ошибка загрузки игры!\r\n"))
                << event->text.toStdString();
        }
        expectQuiet();
        EXPECT_EQ(state(), before) << event->text.toStdString();
        EXPECT_NE(game->find("Frmload"), nullptr);
    }
    // A file that went away after the list was made.
    QFile::remove(path("bad.sav"));
    click("Frmload", "Command1");
    expectMessage(MessageKind::Critical,
                  "Ошибка загрузки игры!\r\nНе удалось открыть файл номер ошибки: 1");
    EXPECT_EQ(state(), before);
}

// Money written with either separator reads under any locale, and the game counts on from it.
TEST_F(Loading, MoneyWithEitherSeparatorLoadsUnderAnyLocale) {
    for (const char* money : {"62,5", "62.5"}) {
        for (const char* locale : {"C", "ru_RU"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
            loadValues({{1, money}, {5, "1"}, {20, "23"}});
            EXPECT_EQ(game->number("LblMoney"), 62.5);
            game->scheduler().advance(1500);  // the day ends and the salary of 10 is paid
            EXPECT_EQ(game->number("LblMoney"), 72.5) << money << " " << locale;
            EXPECT_EQ(caption("LblMoney"), QString("72") + QLocale().decimalPoint() + "5");
        }
    }
    QLocale::setDefault(QLocale::c());
}

}  // namespace

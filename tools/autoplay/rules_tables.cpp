#include "tools/autoplay/rules_tables.h"

#include <initializer_list>

namespace autoplay::rules {

namespace {

QString pick(int level, std::initializer_list<const char*> names) {
    if (level < 1 || level > static_cast<int>(names.size())) {
        return {};
    }
    return QString::fromUtf8(*(names.begin() + (level - 1)));
}

}  // namespace

QString processorName(int level) {
    return pick(level,
                {"Intel Pentium 2", "Intel Pentium 3", "Intel Pentium 4", "Intel Core 2 Duo"});
}

QString memoryName(int level) {
    return pick(level, {"DDR16", "DDR32"});
}

QString modemName(int level) {
    return pick(level, {"Modem 14 kb/s", "Modem 28 kb/s", "Modem 56 kb/s"});
}

QString diskName(int level) {
    return pick(level, {"Винчестер 1000 MB", "Винчестер 3000 MB", "Винчестер 5500 MB",
                        "Винчестер 16000 MB"});
}

QString videoName(int level) {
    return pick(level, {"Video 64MB", "Video 128MB", "Video 256MB", "Video 512MB"});
}

QString systemName(int level) {
    return pick(level, {"Windows 98", "Windows 2000", "Windows XP", "Windows Vista"});
}

QString antivirusName(int level) {
    return pick(level, {"NOD32", "NOD64"});
}

QString languageName(int level) {
    return pick(level, {"Basic", "QBasic", "Visual Basic", "Visual Basic .NET", "Visual C#",
                        "Visual J#", "Visual C", "Visual C++", "Visual C++ .NET"});
}

bool isBrowserName(int level, const QString& caption) {
    const QString version = pick(level, {"3", "5", "6", "7"});
    return !version.isEmpty() && (caption == QStringLiteral("Inernet Explorer ") + version ||
                                  caption == QStringLiteral("Internet Explorer ") + version);
}

bool isInGameSystemName(const QString& caption) {
    return caption == QStringLiteral("Vexa") || caption == QStringLiteral("Vexa 2");
}

int modemSpeed(int level) {
    switch (level) {
        case 1:
            return 5;
        case 2:
            return 10;
        case 3:
            return 20;
        default:
            return 0;
    }
}

int diskCapacity(int level) {
    switch (level) {
        case 1:
            return 1000;
        case 2:
            return 3000;
        case 3:
            return 5500;
        case 4:
            return 16000;
        default:
            return 0;
    }
}

const std::array<Job, JobCount>& jobs() {
    static const std::array<Job, JobCount> ladder = {{
        {"Стажер", 10, 0, 1, 0, 0},
        {"Помощник програмиста", 20, 2, 2, 0, 2},
        {"Млачший програмист", 30, 3, 4, 1, 3},
        {"Програмист", 50, 5, 5, 3, 4},
        {"Старший програмист", 70, 6, 6, 5, 5},
        {"Администратор", 80, 7, 7, 6, 6},
        {"Старший администратор", 95, 8, 9, 7, 7},
        {"Начальник отдела", 105, 8, 10, 8, 8},
        {"Директор", 120, 10, 10, 10, 9},
    }};
    return ladder;
}

int jobPoints(int from, int to) {
    return from == 2 && to == 4 ? 6 : triangle(to) - triangle(from);
}

const std::array<HardwareRow, 17>& hardware() {
    static const std::array<HardwareRow, 17> rows = {{
        {Part::Processor, 4, 500},
        {Part::Processor, 3, 300},
        {Part::Processor, 2, 200},
        {Part::Processor, 1, 100},
        {Part::Memory, 1, 125},
        {Part::Memory, 2, 155},
        {Part::Modem, 1, 20},
        {Part::Modem, 2, 50},
        {Part::Modem, 3, 100},
        {Part::Disk, 1, 100},
        {Part::Disk, 2, 300},
        {Part::Disk, 3, 500},
        {Part::Disk, 4, 800},
        {Part::Video, 1, 20},
        {Part::Video, 2, 50},
        {Part::Video, 3, 100},
        {Part::Video, 4, 150},
    }};
    return rows;
}

const std::array<SoftwareRow, 10>& software() {
    static const std::array<SoftwareRow, 10> rows = {{
        {Program::System, 4, 200, 3000, 4, 2, 4, 0},
        {Program::System, 3, 100, 1500, 3, 2, 3, 0},
        {Program::System, 2, 70, 1000, 2, 1, 2, 0},
        {Program::System, 1, 40, 500, 1, 1, 1, 0},
        {Program::Antivirus, 1, 50, 50, 0, 0, 0, 1},
        {Program::Antivirus, 2, 80, 100, 0, 0, 0, 3},
        {Program::Browser, 1, 50, 20, 0, 0, 0, 1},
        {Program::Browser, 2, 75, 50, 0, 0, 0, 2},
        {Program::Browser, 3, 100, 100, 0, 0, 0, 3},
        {Program::Browser, 4, 150, 150, 0, 0, 0, 4},
    }};
    return rows;
}

const std::array<LanguageRow, 9>& languages() {
    static const std::array<LanguageRow, 9> rows = {{
        {1, 100, 50, 1},
        {2, 200, 100, 1},
        {3, 300, 200, 1},
        {4, 400, 300, 2},
        {5, 500, 400, 2},
        {6, 600, 500, 3},
        {7, 700, 600, 3},
        {8, 800, 700, 4},
        {9, 900, 800, 4},
    }};
    return rows;
}

}  // namespace autoplay::rules

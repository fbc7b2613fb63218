#include "tools/autoplay/economy.h"

#include "tools/autoplay/rules_tables.h"

namespace autoplay {

namespace {

using rules::triangle;

int& levelOf(Player& p, rules::Part part) {
    switch (part) {
        case rules::Part::Processor:
            return p.cpu;
        case rules::Part::Memory:
            return p.ram;
        case rules::Part::Modem:
            return p.modem;
        case rules::Part::Disk:
            return p.disk;
        case rules::Part::Video:
            return p.video;
    }
    return p.cpu;
}

int& levelOf(Player& p, rules::Program program) {
    switch (program) {
        case rules::Program::System:
            return p.os;
        case rules::Program::Antivirus:
            return p.antivirus;
        case rules::Program::Browser:
            return p.browser;
    }
    return p.os;
}

// The catalogue price of the installed part of a kind: half of it comes back on a sale.
int installedPrice(rules::Part part, int level) {
    for (const rules::HardwareRow& r : rules::hardware()) {
        if (r.part == part && r.level == level) {
            return r.price;
        }
    }
    return 0;
}

bool buyHardware(Player& p, int row) {
    const rules::HardwareRow& r = rules::hardware()[static_cast<std::size_t>(row)];
    int& level = levelOf(p, r.part);
    if (level >= r.level || p.money < r.price) {
        return false;
    }
    p.money += installedPrice(r.part, level) / 2.0;
    if (r.part == rules::Part::Disk) {
        p.os = p.antivirus = p.browser = p.language = 0;
        p.freeDisk = rules::diskCapacity(r.level);
    }
    p.points += triangle(r.level) - triangle(level);
    level = r.level;
    p.money -= r.price;
    return true;
}

bool buySoftware(Player& p, int row) {
    const rules::SoftwareRow& r = rules::software()[static_cast<std::size_t>(row)];
    int& level = levelOf(p, r.program);
    if (p.cpu < r.cpu || p.ram < r.ram || p.video < r.video || p.os < r.os || p.money < r.price ||
        level >= r.level || p.freeDisk < r.diskMb) {
        return false;
    }
    p.points += triangle(r.level) - triangle(level);
    p.freeDisk -= r.diskMb;
    level = r.level;
    p.money -= r.price;
    return true;
}

bool buyLanguage(Player& p, int row) {
    const rules::LanguageRow& r = rules::languages()[static_cast<std::size_t>(row)];
    if (p.os < r.os || p.money < r.price || p.language >= r.level || p.freeDisk < r.diskMb) {
        return false;
    }
    p.points += triangle(r.level) - triangle(p.language);
    p.freeDisk -= r.diskMb;
    p.language = r.level;
    p.money -= r.price;
    return true;
}

bool takeJob(Player& p, int row) {
    if (!p.qualifiesFor(row) || p.job >= row + 1) {
        return false;
    }
    p.points += rules::jobPoints(p.job, row + 1);
    p.job = row + 1;
    return true;
}

bool eat(Player& p, double amount, double& need, double limit) {
    if (p.money < amount || need + amount > limit) {
        return false;
    }
    need += amount;
    p.money -= amount;
    return true;
}

}  // namespace

bool Player::qualifiesFor(int row) const {
    if (row < 0 || row >= rules::JobCount) {
        return false;
    }
    const rules::Job& j = rules::jobs()[static_cast<std::size_t>(row)];
    return study[0] >= j.school && study[1] >= j.english && study[2] >= j.university &&
           language >= j.language;
}

int Player::salary() const {
    return job >= 1 ? rules::jobs()[static_cast<std::size_t>(job - 1)].salary : 0;
}

bool Player::apply(const Move& m) {
    switch (m.deed) {
        case Deed::Study:
            if (money < 100 || study[m.row] >= 10) {
                return false;
            }
            money -= 100;
            ++study[m.row];
            return true;
        case Deed::Job:
            return takeJob(*this, m.row);
        case Deed::Hardware:
            return buyHardware(*this, m.row);
        case Deed::Software:
            return buySoftware(*this, m.row);
        case Deed::Language:
            return buyLanguage(*this, m.row);
        case Deed::Format:
            if (disk == 0) {
                return false;
            }
            os = antivirus = browser = 0;
            freeDisk = rules::diskCapacity(disk);
            return true;
        case Deed::Meal:
            return eat(*this, m.row * priceScale(), satiety, 100);
        case Deed::Outing:
            return eat(*this, m.row * priceScale(), mood, 100);
        case Deed::Connect:
            if (connected) {
                return false;
            }
            connected = true;
            money -= connectPrice;
            points += 5;
            return true;
    }
    return false;
}

void Player::passDay() {
    satiety -= 5;
    mood -= 2;
    money += salary();
}

std::vector<int> Player::key() const {
    return {points, cpu,       ram,     modem,    disk,     video,
            os,     antivirus, browser, language, freeDisk, connected ? 1 : 0,
            job};
}

QString describe(const Move& m) {
    static const char* const courses[] = {"evening school", "English course", "university course"};
    switch (m.deed) {
        case Deed::Study:
            return QStringLiteral("a point of ") + QLatin1String(courses[m.row]);
        case Deed::Job:
            return QStringLiteral("the job ") +
                   QString::fromUtf8(rules::jobs()[static_cast<std::size_t>(m.row)].name);
        case Deed::Hardware: {
            const rules::HardwareRow& r = rules::hardware()[static_cast<std::size_t>(m.row)];
            const QString names[] = {rules::processorName(r.level), rules::memoryName(r.level),
                                     rules::modemName(r.level), rules::diskName(r.level),
                                     rules::videoName(r.level)};
            return names[static_cast<int>(r.part)] + QStringLiteral(" (%1)").arg(r.price);
        }
        case Deed::Software: {
            const rules::SoftwareRow& r = rules::software()[static_cast<std::size_t>(m.row)];
            static const char* const kinds[] = {"system", "antivirus", "browser"};
            return QStringLiteral("%1 level %2 (%3)")
                .arg(QLatin1String(kinds[static_cast<int>(r.program)]))
                .arg(r.level)
                .arg(r.price);
        }
        case Deed::Language:
            return rules::languageName(m.row + 1) +
                   QStringLiteral(" (%1)").arg(
                       rules::languages()[static_cast<std::size_t>(m.row)].price);
        case Deed::Format:
            return QStringLiteral("formatting the disk");
        case Deed::Meal:
            return QStringLiteral("a meal");
        case Deed::Outing:
            return QStringLiteral("an outing");
        case Deed::Connect:
            return QStringLiteral("the internet connection");
    }
    return {};
}

}  // namespace autoplay

#include "tools/autoplay/save_files.h"

#include <array>

namespace autoplay {

namespace {

// The code of each digit, and the highest digit each of lines 1..19 encodes.
constexpr std::array<const char*, 10> DigitCodes = {"km;~", "ln:?", "mo=/", "np{}", "ok~;",
                                                    "pl?:", "kn/=", "lo}{", "mp;'", "nk'~"};
constexpr std::array<int, 19> HighestEncoded = {9, 9, 9, 9, 9, 4, 4, 4, 9, 2,
                                                4, 5, 9, 2, 3, 1, 9, 9, 9};
constexpr int Lines = 20;

QByteArray encodeDigits(const QString& text, int highest) {
    QByteArray line;
    for (const QChar c : text) {
        const int digit = c.unicode() - u'0';
        if (digit >= 0 && digit <= highest) {
            line += DigitCodes[static_cast<std::size_t>(digit)];
        } else {
            line += c.toLatin1();
        }
    }
    return line;
}

QString moneyText(Dice& dice) {
    switch (dice.below(4)) {
        case 0:
            return QString::number(dice.between(0, 300));
        case 1:
            return QString::number(dice.between(0, 6000));
        case 2:
            return QString::number(dice.between(0, 2000)) + QStringLiteral(".5");
        default:
            return QString::number(dice.between(2000, 20000));
    }
}

QByteArray garbage(Dice& dice) {
    QByteArray bytes;
    for (int i = dice.between(0, 40); i > 0; --i) {
        bytes += static_cast<char>(dice.below(256));
    }
    return bytes;
}

}  // namespace

QByteArray encodeSave(const QStringList& values) {
    QByteArray file;
    for (int i = 0; i < values.size(); ++i) {
        file += i < static_cast<int>(HighestEncoded.size())
                    ? encodeDigits(values[i], HighestEncoded[static_cast<std::size_t>(i)])
                    : QByteArray(" ") + values[i].toLatin1() + ' ';
        file += "\r\n";
    }
    return file;
}

QByteArray randomSave(Dice& dice) {
    const int os = dice.below(6);
    QStringList v;
    v << moneyText(dice) << QString::number(dice.between(1, 100))
      << QString::number(dice.between(1, 100)) << QString::number(dice.between(0, 161));
    v << QString::number(dice.between(0, 9)) << QString::number(dice.between(0, 4))
      << QString::number(os == 0 ? 0 : dice.between(0, 4));
    const int disk = dice.between(0, 4);
    v << QString::number(disk) << QString::number(dice.between(0, 16000))
      << QString::number(dice.between(0, 2)) << QString::number(dice.between(0, 4))
      << QString::number(os) << QString::number(dice.between(0, 9))
      << QString::number(os == 0 ? 0 : dice.between(0, 2)) << QString::number(dice.between(0, 3))
      << QString::number(dice.between(0, 1));
    for (int i = 0; i < 3; ++i) {
        v << QString::number(dice.between(0, 10));
    }
    v << QString::number(dice.between(0, 23));
    return encodeSave(v);
}

QByteArray onlineSave(Dice& dice) {
    QStringList v;
    v << QString::number(dice.between(300, 20000)) << QString::number(dice.between(40, 100))
      << QString::number(dice.between(40, 100)) << QString::number(dice.between(0, 150));
    v << QString::number(dice.between(0, 9)) << QString::number(dice.between(1, 4))
      << QString::number(dice.between(1, 4));
    const int disk = dice.between(2, 4);
    static constexpr std::array<int, 5> Capacity = {0, 1000, 3000, 5500, 16000};
    v << QString::number(disk)
      << QString::number(dice.between(0, Capacity[static_cast<std::size_t>(disk)]));
    v << QString::number(dice.between(1, 2)) << QString::number(dice.between(1, 4))
      << QString::number(dice.chance(0.7) ? 5 : dice.between(1, 4))
      << QString::number(dice.between(0, 9)) << QString::number(dice.between(0, 2))
      << QString::number(dice.between(1, 3)) << QStringLiteral("1");
    for (int i = 0; i < 3; ++i) {
        v << QString::number(dice.between(0, 10));
    }
    v << QString::number(dice.between(0, 23));
    return encodeSave(v);
}

QByteArray damagedSave(Dice& dice, const QByteArray& save) {
    QList<QByteArray> lines = save.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    static const std::array<const char*, 14> odd = {"",
                                                    "abc",
                                                    "-1",
                                                    "256",
                                                    "300",
                                                    "99999999",
                                                    "1e5",
                                                    "nan",
                                                    "3.7",
                                                    " ",
                                                    "\xd0\x9d\xd0\xb5\xd1\x82",
                                                    "70000",
                                                    "-40000",
                                                    "ln:?ln:?ln:?"};
    const int n = static_cast<int>(lines.size());
    switch (dice.below(9)) {
        case 0:  // cut short
            lines = lines.mid(0, dice.below(Lines));
            break;
        case 1:  // a line lost
            if (n > 0) {
                lines.removeAt(dice.below(n));
            }
            break;
        case 2:  // two lines swapped
            if (n > 1) {
                lines.swapItemsAt(dice.below(n), dice.below(n));
            }
            break;
        case 3:  // a value that is no value
            if (n > 0) {
                lines[dice.below(n)] =
                    QByteArray(
                        odd[static_cast<std::size_t>(dice.below(static_cast<int>(odd.size())))]) +
                    '\r';
            }
            break;
        case 4:  // other line ends
            for (QByteArray& line : lines) {
                if (line.endsWith('\r')) {
                    line.chop(1);
                }
            }
            break;
        case 5:  // more lines than twenty
            for (int i = dice.between(1, 5); i > 0; --i) {
                lines.append(garbage(dice) + '\r');
            }
            break;
        case 6:  // bytes flipped anywhere
        {
            QByteArray bytes = save;
            for (int i = dice.between(1, 6); i > 0 && !bytes.isEmpty(); --i) {
                bytes[dice.below(static_cast<int>(bytes.size()))] =
                    static_cast<char>(dice.below(256));
            }
            return bytes;
        }
        case 7:
            return dice.chance(0.5) ? QByteArray() : garbage(dice);
        default:  // a huge line
            if (n > 0) {
                lines[dice.below(n)] = QByteArray(dice.between(1000, 100000), '7') + '\r';
            }
            break;
    }
    QByteArray out;
    for (const QByteArray& line : lines) {
        out += line + '\n';
    }
    if (dice.chance(0.1) && !out.isEmpty()) {
        out.chop(1);  // no line end after the last line
    }
    return out;
}

}  // namespace autoplay

#include "guestos/windows_1251.h"

#include <QStringDecoder>
#include <array>

namespace guestos {

namespace {

// Bytes 0x80 to 0xBF; 0xC0 to 0xFF are А to я in order, and below 0x80 is ASCII.
constexpr std::array<char16_t, 64> Upper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

constexpr unsigned FirstLetter = 0xC0;
constexpr char16_t CapitalA = 0x0410;

char16_t character(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= FirstLetter) {
        return static_cast<char16_t>(CapitalA + (byte - FirstLetter));
    }
    return Upper[byte - 0x80];
}

}  // namespace

QString decodeWindows1251ByTable(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = QChar(character(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

QString decodeWindows1251(QByteArrayView bytes) {
    // Qt's converter comes with its ICU support; a Qt built without it still reads the scripts.
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid()) {
        return decodeWindows1251ByTable(bytes);
    }
    return decoder.decode(bytes);
}

QByteArray encodeWindows1251(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        char byte = '?';
        for (unsigned b = 0; b < 256; ++b) {
            if (character(static_cast<unsigned char>(b)) == c.unicode()) {
                byte = static_cast<char>(b);
                break;
            }
        }
        bytes.append(byte);
    }
    return bytes;
}

}  // namespace guestos

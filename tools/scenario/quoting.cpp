#include "tools/scenario/quoting.h"

#include <QList>
#include <QStringDecoder>

namespace scenario {

namespace {

QString hexByte(unsigned value) {
    return QStringLiteral("\\x") + QString::number(value, 16).toUpper().rightJustified(2, u'0');
}

void appendEscaped(QString& out, char32_t c) {
    switch (c) {
        case U'\r':
            out += QStringLiteral("\\r");
            return;
        case U'\n':
            out += QStringLiteral("\\n");
            return;
        case U'\t':
            out += QStringLiteral("\\t");
            return;
        case U'"':
            out += QStringLiteral("\\\"");
            return;
        case U'\\':
            out += QStringLiteral("\\\\");
            return;
        default:
            break;
    }
    if (c < 0x20 || c == 0x7f) {
        out += hexByte(static_cast<unsigned>(c));
        return;
    }
    out += QString::fromUcs4(&c, 1);
}

// Length of the valid UTF-8 sequence starting at i, or 0 if the byte there starts none.
qsizetype utf8Length(const QByteArray& bytes, qsizetype i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    qsizetype length = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes.mid(i, length));
    return decoder.hasError() ? 0 : length;
}

}  // namespace

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const char32_t c : text.toUcs4()) {
        appendEscaped(out, c);
    }
    out += u'"';
    return out;
}

QString quotedBytes(const QByteArray& bytes) {
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            appendEscaped(out, byte);
            ++i;
        } else if (const qsizetype n = utf8Length(bytes, i); n > 0) {
            out += QString::fromUtf8(bytes.mid(i, n));
            i += n;
        } else {
            out += hexByte(byte);
            ++i;
        }
    }
    out += u'"';
    return out;
}

}  // namespace scenario

#include "ui/numbers.h"

#include <QLocale>
#include <cmath>

namespace ui {

std::optional<double> parseNumber(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    QString plain;
    plain.reserve(n);
    if (i < n && (t[i] == u'-' || t[i] == u'+')) {
        plain += t[i];
        ++i;
    }
    qsizetype digits = 0;
    bool separator = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            plain += c;
            ++digits;
        } else if ((c == u'.' || c == u',') && !separator) {
            plain += u'.';
            separator = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double toNumber(const QString& text) {
    return parseNumber(text).value_or(0.0);
}

QString numberText(double value) {
    if (value == 0.0) {
        return QStringLiteral("0");  // also for -0
    }
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
        return QString::number(static_cast<qint64>(value));
    }
    // Fifteen significant digits hide the noise of binary fractions (0.1 + 0.2 prints 0.3).
    QString text = QString::number(value, 'g', 15);
    if (text.contains(u'e')) {
        text = QString::number(value, 'f', 6);
        while (text.endsWith(u'0')) {
            text.chop(1);
        }
        if (text.endsWith(u'.')) {
            text.chop(1);
        }
        if (text == QStringLiteral("-0")) {
            return QStringLiteral("0");  // noise just below zero is still zero, not "-0"
        }
    }
    const QString separator = QLocale().decimalPoint();
    if (separator != QStringLiteral(".")) {
        text.replace(u'.', separator);
    }
    return text;
}

}  // namespace ui

#include "tools/scenario/tokens.h"

namespace scenario {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads the quoted string that starts at line[i] (the opening quote); i ends past the closing one.
QString readQuoted(const QByteArray& line, qsizetype& i, QByteArray& out) {
    ++i;
    while (i < line.size()) {
        const char c = line[i];
        if (c == '"') {
            ++i;
            return {};
        }
        if (c != '\\') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 >= line.size()) {
            break;
        }
        const char e = line[i + 1];
        i += 2;
        switch (e) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'x': {
                const int high = i < line.size() ? hexValue(line[i]) : -1;
                const int low = i + 1 < line.size() ? hexValue(line[i + 1]) : -1;
                if (high < 0 || low < 0) {
                    return QStringLiteral("\\x needs two hexadecimal digits");
                }
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return QStringLiteral("unknown escape \\") + QChar::fromLatin1(e) +
                       QStringLiteral(" (use \\r \\n \\t \\\" \\\\ or \\xHH)");
        }
    }
    return QStringLiteral("the quoted string is not closed");
}

}  // namespace

Tokens tokenize(const QByteArray& line) {
    Tokens result;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        if (i >= line.size()) {
            return result;
        }
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            result.error = readQuoted(line, i, token.bytes);
            if (!result.error.isEmpty()) {
                return result;
            }
            if (i < line.size() && !isBlank(line[i])) {
                result.error = QStringLiteral("a quoted string must be followed by a blank");
                return result;
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"') {
                    result.error = QStringLiteral("a quote inside a bare word");
                    return result;
                }
                token.bytes += line[i];
                ++i;
            }
        }
        result.tokens.push_back(std::move(token));
    }
}

}  // namespace scenario

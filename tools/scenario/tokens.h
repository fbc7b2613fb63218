#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace scenario {

// One argument of a scenario line: a bare word, or a double-quoted string with its escapes
// already turned into bytes (\xHH may leave bytes that are not UTF-8, for file contents).
struct Token {
    QByteArray bytes;
    bool quoted = false;
};

struct Tokens {
    std::vector<Token> tokens;
    QString error;  // empty when the line was read in full
};

// Splits one line (without its line break) into tokens.
Tokens tokenize(const QByteArray& line);

}  // namespace scenario

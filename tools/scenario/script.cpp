#include "tools/scenario/script.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <map>
#include <optional>

#include "tools/scenario/tokens.h"

namespace scenario {

namespace {

// Thrown while reading one line; the message becomes "line N: message".
struct LineError {
    QString message;
};

const std::map<QString, ui::MessageKind>& messageKinds() {
    static const std::map<QString, ui::MessageKind> kinds = {
        {"info", ui::MessageKind::Information},
        {"exclamation", ui::MessageKind::Exclamation},
        {"critical", ui::MessageKind::Critical},
        {"plain", ui::MessageKind::Plain},
        {"questionmark", ui::MessageKind::QuestionMark},
        {"question", ui::MessageKind::Question},
    };
    return kinds;
}

// The text of UTF-8 bytes, or nothing if they are not UTF-8 (a sequence cut off at the end too).
std::optional<QString> fromUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

bool isName(const QString& part) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return name.match(part).hasMatch();
}

bool isPropertyName(const QString& part) {
    static const QRegularExpression property(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*(\\[[0-9]+\\])?$"));
    return property.match(part).hasMatch();
}

// The arguments of one line after the command word, read one by one.
class Arguments {
public:
    Arguments(std::vector<Token> tokens, QString usage)
        : tokens_(std::move(tokens)), usage_(std::move(usage)) {}

    bool atEnd() const { return next_ >= tokens_.size(); }
    std::size_t left() const { return tokens_.size() - next_; }

    const Token& take() {
        if (atEnd()) {
            fail(QStringLiteral("missing arguments"));
        }
        return tokens_[next_++];
    }

    [[noreturn]] void fail(const QString& why) const {
        throw LineError{why + QStringLiteral("; usage: ") + usage_};
    }

    void end() const {
        if (!atEnd()) {
            fail(QStringLiteral("too many arguments"));
        }
    }

    // Text that the game shows or is given: UTF-8, quoted or bare.
    QString text() {
        const auto decoded = fromUtf8(take().bytes);
        if (!decoded) {
            throw LineError{QStringLiteral(
                "a text that is not UTF-8 (\\xHH bytes that are not UTF-8 are only for file "
                "contents)")};
        }
        return *decoded;
    }

    // The next argument if it is a bare word, else an empty text; nothing is taken.
    QString peekWord() const {
        if (atEnd() || tokens_[next_].quoted) {
            return {};
        }
        return QString::fromUtf8(tokens_[next_].bytes);
    }

    QString word() {
        const Token& token = take();
        if (token.quoted) {
            fail(QStringLiteral("\"") + QString::fromUtf8(token.bytes) +
                 QStringLiteral("\" should be a bare word"));
        }
        return QString::fromUtf8(token.bytes);
    }

    int integer(const char* what, int minimum, int maximum) {
        const QString w = word();
        bool ok = false;
        const int value = w.toInt(&ok);
        if (!ok || value < minimum || value > maximum) {
            fail(QStringLiteral("%1 must be a whole number from %2 to %3, not %4")
                     .arg(QLatin1String(what))
                     .arg(minimum)
                     .arg(maximum)
                     .arg(w));
        }
        return value;
    }

    QStringList dotted() {
        const QString w = word();
        const QStringList parts = w.split(u'.');
        for (const QString& part : parts) {
            if (!isName(part) && !(&part == &parts.back() && isPropertyName(part))) {
                fail(QStringLiteral("\"") + w + QStringLiteral("\" is not a dotted name"));
            }
        }
        return parts;
    }

private:
    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    QString usage_;
};

void readWindowAndControl(Arguments& args, Step& step, bool windowAlone) {
    const QStringList parts = args.dotted();
    if (parts.size() == 2) {
        step.window = parts[0];
        step.control = parts[1];
        return;
    }
    if (parts.size() == 1 && windowAlone) {
        step.window = parts[0];
        return;
    }
    args.fail(QStringLiteral("\"") + parts.join(u'.') +
              (windowAlone ? QStringLiteral("\" should be Window or Window.Control")
                           : QStringLiteral("\" should be Window.Control")));
}

void readWindow(Arguments& args, Step& step) {
    const QStringList parts = args.dotted();
    if (parts.size() != 1) {
        args.fail(QStringLiteral("\"") + parts.join(u'.') +
                  QStringLiteral("\" should be a window"));
    }
    step.window = parts[0];
}

Target readTarget(Arguments& args) {
    const QStringList parts = args.dotted();
    Target target;
    if (parts.size() == 3) {
        target.kind = Target::ControlProperty;
        target.window = parts[0];
        target.control = parts[1];
        target.property = parts[2];
    } else if (parts.size() == 2 && parts[0] == u"GameGlobals") {
        target.kind = Target::Global;
        target.property = parts[1];
    } else if (parts.size() == 2) {
        target.kind = Target::WindowProperty;
        target.window = parts[0];
        target.property = parts[1];
    } else {
        args.fail(QStringLiteral("\"") + parts.join(u'.') +
                  QStringLiteral("\" should be Window.Control.Property, Window.Property or "
                                 "GameGlobals.Name"));
    }
    return target;
}

ui::MouseButton readButton(Arguments& args) {
    if (args.atEnd()) {
        return ui::MouseButton::Left;
    }
    const QString w = args.word();
    if (w == u"left") {
        return ui::MouseButton::Left;
    }
    if (w == u"right") {
        return ui::MouseButton::Right;
    }
    args.fail(QStringLiteral("the button is left or right, not ") + w);
}

ui::MessageKind readKind(Arguments& args) {
    const QString w = args.word();
    const auto it = messageKinds().find(w);
    if (it == messageKinds().end()) {
        args.fail(QStringLiteral("unknown message kind ") + w);
    }
    return it->second;
}

// A file in the game folder: relative, and never outside it.
QString readFileName(Arguments& args) {
    const QString name = args.text();
    if (name.isEmpty() || name.startsWith(u'/') ||
        name.split(u'/').contains(QStringLiteral(".."))) {
        args.fail(QStringLiteral("the file name must lie inside the game folder: ") + name);
    }
    return name;
}

void readSelect(Arguments& args, Step& step) {
    readWindowAndControl(args, step, false);
    const Token& row = args.take();
    if (row.quoted) {
        const auto text = fromUtf8(row.bytes);
        if (!text) {
            args.fail(QStringLiteral("the row text is not UTF-8"));
        }
        step.text = *text;
        step.byText = true;
        return;
    }
    bool ok = false;
    step.number = QString::fromUtf8(row.bytes).toInt(&ok);
    if (!ok || step.number < 0) {
        args.fail(QStringLiteral("a row is a number from 0 or a quoted text, not ") +
                  QString::fromUtf8(row.bytes));
    }
}

void readMessageExpect(Arguments& args, Step& step, bool prefix) {
    step.op = prefix ? Op::ExpectMessageStart : Op::ExpectMessage;
    step.kind = readKind(args);
    step.text = args.text();
    if (!prefix && !args.atEnd()) {
        step.title = args.text();
        step.hasTitle = true;
    }
}

void readExpect(Arguments& args, Step& step) {
    const QString what = args.peekWord();
    if (what == u"msg" || what == u"msgstart") {
        args.take();
        readMessageExpect(args, step, what == u"msgstart");
    } else if (what == u"beep") {
        args.take();
        step.op = Op::ExpectBeep;
        step.number = args.atEnd() ? 1 : args.integer("the number of beeps", 1, 1000);
    } else if (what == u"quiet") {
        args.take();
        step.op = Op::ExpectQuiet;
    } else if (what == u"ended") {
        args.take();
        step.op = Op::ExpectEnded;
    } else if (what == u"open" || what == u"closed") {
        args.take();
        step.op = what == u"open" ? Op::ExpectOpen : Op::ExpectClosed;
        readWindow(args, step);
    } else if (what == u"file") {
        args.take();
        step.op = Op::ExpectFile;
        step.text = readFileName(args);
        step.bytes = args.take().bytes;
    } else if (what == u"nofile") {
        args.take();
        step.op = Op::ExpectNoFile;
        step.text = readFileName(args);
    } else {
        step.op = Op::ExpectValue;
        step.target = readTarget(args);
        step.text = args.text();
    }
}

struct Command {
    const char* usage;
    void (*read)(Arguments&, Step&);
};

const std::map<QString, Command>& commands() {
    static const std::map<QString, Command> table = {
        {"type",
         {"type W.C \"text\"",
          [](Arguments& a, Step& s) {
              s.op = Op::Type;
              readWindowAndControl(a, s, false);
              s.text = a.text();
          }}},
        {"click",
         {"click W.C or click W",
          [](Arguments& a, Step& s) {
              s.op = Op::Click;
              readWindowAndControl(a, s, true);
          }}},
        {"mousedown",
         {"mousedown W.C [left|right]",
          [](Arguments& a, Step& s) {
              s.op = Op::MouseDown;
              readWindowAndControl(a, s, false);
              s.button = readButton(a);
          }}},
        {"mouseup",
         {"mouseup W.C [left|right]",
          [](Arguments& a, Step& s) {
              s.op = Op::MouseUp;
              readWindowAndControl(a, s, false);
              s.button = readButton(a);
          }}},
        {"select",
         {"select W.C N or select W.C \"TEXT\"",
          [](Arguments& a, Step& s) {
              s.op = Op::Select;
              readSelect(a, s);
          }}},
        {"key",
         {"key W.C CODE",
          [](Arguments& a, Step& s) {
              s.op = Op::Key;
              readWindowAndControl(a, s, false);
              s.number = a.integer("the character code", 1, 0xffff);
          }}},
        {"menu",
         {"menu W.mnuName",
          [](Arguments& a, Step& s) {
              s.op = Op::Menu;
              readWindowAndControl(a, s, false);
          }}},
        {"close",
         {"close W",
          [](Arguments& a, Step& s) {
              s.op = Op::Close;
              readWindow(a, s);
          }}},
        {"answer",
         {"answer yes|no ...",
          [](Arguments& a, Step& s) {
              s.op = Op::Answer;
              do {
                  const QString w = a.word();
                  if (w != u"yes" && w != u"no") {
                      a.fail(QStringLiteral("an answer is yes or no, not ") + w);
                  }
                  s.answers.push_back(w == u"yes");
              } while (!a.atEnd());
          }}},
        {"random",
         {"random R ... (0 <= R < 1)",
          [](Arguments& a, Step& s) {
              s.op = Op::Random;
              do {
                  const QString w = a.word();
                  bool ok = false;
                  const double r = QLocale::c().toDouble(w, &ok);
                  if (!ok || !(r >= 0.0 && r < 1.0)) {
                      a.fail(QStringLiteral("a random value is a number with 0 <= R < 1, not ") +
                             w);
                  }
                  s.randoms.push_back(r);
              } while (!a.atEnd());
          }}},
        {"now",
         {"now \"DATE\" \"TIME\"",
          [](Arguments& a, Step& s) {
              s.op = Op::Now;
              s.text = a.text();
              s.title = a.text();
          }}},
        {"wait",
         {"wait MS",
          [](Arguments& a, Step& s) {
              s.op = Op::Wait;
              // A day at the slowest speed is 36 s; a whole game fits well below this.
              s.number = a.integer("the time in milliseconds", 0, 1000 * 1000 * 1000);
          }}},
        {"set",
         {"set TARGET VALUE",
          [](Arguments& a, Step& s) {
              s.op = Op::Set;
              s.target = readTarget(a);
              s.text = a.text();
          }}},
        {"file",
         {"file \"NAME\" \"CONTENT\"",
          [](Arguments& a, Step& s) {
              s.op = Op::File;
              s.text = readFileName(a);
              s.bytes = a.take().bytes;
          }}},
        {"shot",
         {"shot W|W.MENU|msg \"FILE.png\"",
          [](Arguments& a, Step& s) {
              s.op = Op::Shot;
              readWindowAndControl(a, s, true);
              s.text = a.text();
              if (s.text.isEmpty()) {
                  a.fail(QStringLiteral("the picture needs a file name"));
              }
          }}},
        {"expect",
         {"expect TARGET VALUE, expect msg|msgstart|beep|quiet|ended|open|closed|file|nofile ...",
          readExpect}},
    };
    return table;
}

Step parseLine(std::vector<Token> tokens) {
    const Token command = tokens.front();
    tokens.erase(tokens.begin());
    const QString name = QString::fromUtf8(command.bytes);
    const auto it = commands().find(name);
    if (command.quoted || it == commands().end()) {
        throw LineError{QStringLiteral("unknown command ") + name};
    }
    Arguments args(std::move(tokens), QLatin1String(it->second.usage));
    Step step;
    it->second.read(args, step);
    args.end();
    return step;
}

}  // namespace

QString Target::text() const {
    switch (kind) {
        case ControlProperty:
            return window + u'.' + control + u'.' + property;
        case WindowProperty:
            return window + u'.' + property;
        case Global:
            return QStringLiteral("GameGlobals.") + property;
    }
    return {};
}

}  // namespace scenario

namespace scenario {

Script parseScript(const QByteArray& content) {
    Script script;
    const QList<QByteArray> lines = content.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const QByteArray& line = lines[i];
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) {
            continue;
        }
        if (!fromUtf8(line)) {
            script.faults.push_back({number, QStringLiteral("not UTF-8 text")});
            continue;
        }
        Tokens tokens = tokenize(line);
        if (!tokens.error.isEmpty()) {
            script.faults.push_back({number, tokens.error});
            continue;
        }
        try {
            Step step = parseLine(std::move(tokens.tokens));
            step.line = number;
            script.steps.push_back(std::move(step));
        } catch (const LineError& error) {
            script.faults.push_back({number, error.message});
        }
    }
    return script;
}

}  // namespace scenario

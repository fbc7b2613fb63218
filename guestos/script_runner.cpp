#include "guestos/script_runner.h"

#include "guestos/windows_1251.h"

namespace guestos {

namespace {

const QString SetTitle = QStringLiteral("frm ");
const QString Beep = QStringLiteral("beep");
const QString End = QStringLiteral("end ");
const QString Message = QStringLiteral("msg ");

// The icon of the digit after "msg ", "msg t" or "msg d".
std::optional<ui::MessageKind> iconOf(QChar digit) {
    switch (digit.unicode()) {
        case u'0':
            return ui::MessageKind::QuestionMark;
        case u'1':
            return ui::MessageKind::Critical;
        case u'2':
            return ui::MessageKind::Information;
        default:
            return std::nullopt;
    }
}

class Run {
public:
    Run(QString& title, ScriptHost& host) : title_(title), host_(host) {}

    // False once the program has ended.
    bool line(const QString& line) {
        const QString command = line.left(4).toLower();
        if (command == SetTitle) {
            title_ = QString(line).remove(SetTitle);
        } else if (command == Beep) {
            host_.beep();
        } else if (command == End) {
            host_.endProgram();
            return false;
        } else if (command == Message) {
            message(line);
        }
        return true;
    }

private:
    // An empty title is no title: the box carries the game's own.
    std::optional<QString> scriptTitle() const {
        return title_.isEmpty() ? std::nullopt : std::optional<QString>(title_);
    }

    void message(const QString& line) {
        const QString argument = line.mid(4, 2);
        const QString text = QString(line).remove(Message);
        // "0 ", "1 ", "2 ": the text without its digit, with the digit's icon.
        if (argument.size() == 2 && argument[1] == u' ') {
            if (const auto icon = iconOf(argument[0])) {
                host_.message(QString(text).remove(argument), *icon, scriptTitle());
                return;
            }
        }
        // "t", "t0" to "t2", "d", "d0" to "d2": the time or the date; the rest of the line
        // is ignored, and a bare letter has no icon and the game's title.
        if (!argument.isEmpty() && (argument[0] == u't' || argument[0] == u'd')) {
            const bool bare = argument.size() == 1;
            const auto icon = bare ? std::optional(ui::MessageKind::Plain) : iconOf(argument[1]);
            if (icon) {
                const QString now = argument[0] == u't' ? host_.currentTime() : host_.currentDate();
                host_.message(now, *icon, bare ? std::nullopt : scriptTitle());
                return;
            }
        }
        host_.message(text, ui::MessageKind::Plain, scriptTitle());
    }

    QString& title_;
    ScriptHost& host_;
};

}  // namespace

ScriptEnd runScript(QByteArrayView file, QString& title, ScriptHost& host) {
    const QString text = decodeWindows1251(file);
    Run run(title, host);
    // Lines end with CR LF as written on the system the scripts come from; a file saved with
    // bare LF or CR ends its lines there too.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') {
            ++end;
        }
        if (!run.line(text.sliced(start, end - start))) {
            return ScriptEnd::ProgramEnded;
        }
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n') {
            ++end;
        }
        start = end + 1;
    }
    return ScriptEnd::EndOfFile;
}

}  // namespace guestos

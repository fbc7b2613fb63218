#include "tools/autoplay/step_lines.h"

#include "tools/scenario/quoting.h"
#include "ui/scripted_services.h"

namespace autoplay {

namespace {

using scenario::Op;
using scenario::Step;

QString where(const Step& step) {
    return step.control.isEmpty() ? step.window : step.window + u'.' + step.control;
}

QString buttonWord(ui::MouseButton button) {
    return button == ui::MouseButton::Right ? QStringLiteral(" right") : QString();
}

QString expectLine(const Step& step) {
    return QStringLiteral("expect ") + step.target.text() + u' ' + scenario::quoted(step.text);
}

QString messageLine(const Step& step) {
    QString line = (step.op == Op::ExpectMessageStart ? QStringLiteral("expect msgstart ")
                                                      : QStringLiteral("expect msg ")) +
                   QLatin1String(ui::kindName(step.kind)) + u' ' + scenario::quoted(step.text);
    if (step.hasTitle) {
        line += u' ' + scenario::quoted(step.title);
    }
    return line;
}

}  // namespace

QString lineOf(const Step& step) {
    switch (step.op) {
        case Op::Type:
            return QStringLiteral("type ") + where(step) + u' ' + scenario::quoted(step.text);
        case Op::Click:
            return QStringLiteral("click ") + where(step);
        case Op::MouseDown:
            return QStringLiteral("mousedown ") + where(step) + buttonWord(step.button);
        case Op::MouseUp:
            return QStringLiteral("mouseup ") + where(step) + buttonWord(step.button);
        case Op::Select:
            return QStringLiteral("select ") + where(step) + u' ' +
                   (step.byText ? scenario::quoted(step.text) : QString::number(step.number));
        case Op::Key:
            return QStringLiteral("key ") + where(step) + u' ' + QString::number(step.number);
        case Op::Menu:
            return QStringLiteral("menu ") + where(step);
        case Op::Close:
            return QStringLiteral("close ") + step.window;
        case Op::Answer: {
            QString line = QStringLiteral("answer");
            for (bool yes : step.answers) {
                line += yes ? QStringLiteral(" yes") : QStringLiteral(" no");
            }
            return line;
        }
        case Op::Wait:
            return QStringLiteral("wait ") + QString::number(step.number);
        case Op::File:
            return QStringLiteral("file ") + scenario::quoted(step.text) + u' ' +
                   scenario::quotedBytes(step.bytes);
        case Op::Now:
            return QStringLiteral("now ") + scenario::quoted(step.text) + u' ' +
                   scenario::quoted(step.title);
        case Op::ExpectValue:
            return expectLine(step);
        case Op::ExpectMessage:
        case Op::ExpectMessageStart:
            return messageLine(step);
        case Op::ExpectBeep:
            return step.number == 1 ? QStringLiteral("expect beep")
                                    : QStringLiteral("expect beep ") + QString::number(step.number);
        case Op::ExpectQuiet:
            return QStringLiteral("expect quiet");
        case Op::ExpectEnded:
            return QStringLiteral("expect ended");
        case Op::ExpectOpen:
            return QStringLiteral("expect open ") + step.window;
        case Op::ExpectClosed:
            return QStringLiteral("expect closed ") + step.window;
        default:
            break;
    }
    return QStringLiteral("# (a step the tool does not write)");
}

Step clickStep(const QString& window, const QString& control) {
    Step s;
    s.op = Op::Click;
    s.window = window;
    s.control = control;
    return s;
}

Step menuStep(const QString& window, const QString& item) {
    Step s = clickStep(window, item);
    s.op = Op::Menu;
    return s;
}

Step typeStep(const QString& window, const QString& control, const QString& text) {
    Step s = clickStep(window, control);
    s.op = Op::Type;
    s.text = text;
    return s;
}

Step selectStep(const QString& window, const QString& control, int row) {
    Step s = clickStep(window, control);
    s.op = Op::Select;
    s.number = row;
    return s;
}

Step keyStep(const QString& window, const QString& control, int code) {
    Step s = clickStep(window, control);
    s.op = Op::Key;
    s.number = code;
    return s;
}

Step mouseStep(Op op, const QString& window, const QString& control, ui::MouseButton button) {
    Step s = clickStep(window, control);
    s.op = op;
    s.button = button;
    return s;
}

Step closeStep(const QString& window) {
    Step s = clickStep(window);
    s.op = Op::Close;
    return s;
}

Step waitStep(int ms) {
    Step s;
    s.op = Op::Wait;
    s.number = ms;
    return s;
}

Step fileStep(const QString& name, const QByteArray& content) {
    Step s;
    s.op = Op::File;
    s.text = name;
    s.bytes = content;
    return s;
}

Step answerStep(const std::vector<bool>& answers) {
    Step s;
    s.op = Op::Answer;
    s.answers = answers;
    return s;
}

Step expectStep(const QString& window, const QString& control, const QString& property,
                const QString& value) {
    Step s;
    s.op = Op::ExpectValue;
    s.target.kind =
        control.isEmpty() ? scenario::Target::WindowProperty : scenario::Target::ControlProperty;
    s.target.window = window;
    s.target.control = control;
    s.target.property = property;
    s.text = value;
    return s;
}

Step expectGlobalStep(const QString& name, const QString& value) {
    Step s;
    s.op = Op::ExpectValue;
    s.target.kind = scenario::Target::Global;
    s.target.property = name;
    s.text = value;
    return s;
}

Step expectMessageStep(ui::MessageKind kind, const QString& text) {
    Step s;
    s.op = Op::ExpectMessage;
    s.kind = kind;
    s.text = text;
    return s;
}

Step expectBeepStep(int count) {
    Step s;
    s.op = Op::ExpectBeep;
    s.number = count;
    return s;
}

Step expectEndedStep() {
    Step s;
    s.op = Op::ExpectEnded;
    return s;
}

}  // namespace autoplay

#include "tools/command_line/tool_command_line.h"

#include <QTextStream>
#include <utility>

namespace tools {

CommandLine::CommandLine(QString name, const QStringList& synopses, const QString& description)
    : name_(std::move(name)),
      help_({QStringLiteral("h"), QStringLiteral("help")},
            QStringLiteral("Shows this help and exits.")) {
    // The later forms line up under the first, after "usage: ".
    for (const QString& synopsis : synopses) {
        usage_ += (usage_.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ")) +
                  name_ + u' ' + synopsis + u'\n';
    }
    parser_.setApplicationDescription(description);
    parser_.addOption(help_);
}

void CommandLine::addOption(const QCommandLineOption& option) {
    parser_.addOption(option);
}

void CommandLine::addArgument(const QString& name, const QString& description) {
    parser_.addPositionalArgument(name, description);
    arguments_.append(name);
}

std::optional<int> CommandLine::read(const QStringList& arguments) {
    if (!parser_.parse(arguments)) {
        return refuse(parser_.errorText());
    }
    if (parser_.isSet(help_)) {
        // The parser's own first line names the program "[options]"; the tool's usage says more,
        // and needs no application object for the program's name.
        QTextStream(stdout) << usage_ << '\n' << parser_.helpText().section(u'\n', 1);
        return 0;
    }
    const QStringList given = parser_.positionalArguments();
    if (given.size() < arguments_.size()) {
        return refuse(QStringLiteral("Missing argument %1.").arg(arguments_[given.size()]));
    }
    if (given.size() > arguments_.size()) {
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(given[arguments_.size()]));
    }
    return std::nullopt;
}

int CommandLine::refuse(const QString& why) const {
    QTextStream(stderr) << name_ << ": " << why << '\n' << usage_;
    return Unusable;
}

bool CommandLine::positiveNumber(const QCommandLineOption& option, double& target) {
    if (!parser_.isSet(option)) {
        return true;
    }
    bool ok = false;
    const QString text = parser_.value(option);
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0)) {
        refuse(QStringLiteral("'--%1' wants a number above zero, not '%2'.")
                   .arg(option.names().constFirst(), text));
        return false;
    }
    target = value;
    return true;
}

}  // namespace tools

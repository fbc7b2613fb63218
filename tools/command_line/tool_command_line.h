#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

namespace tools {

// The command line of a tool built beside the game (the scenario driver, the computer player,
// the message pictures, the benchmarks, the art tool).
//
// --help (-h) prints the usage, a paragraph on what the tool does and every option on stdout,
// exit status 0. A command line the tool cannot use prints the reason and the usage on stderr,
// exit status 2.
class CommandLine {
public:
    static constexpr int Unusable = 2;

    // SYNOPSES are the forms of the command line after the tool's NAME, one usage line each.
    CommandLine(QString name, const QStringList& synopses, const QString& description);

    void addOption(const QCommandLineOption& option);
    // A required argument; the tool takes exactly the arguments added.
    void addArgument(const QString& name, const QString& description);

    // Reads ARGUMENTS (the program's own name first). Nothing when the tool is to run; the exit
    // status when it is to stop, with the help or the usage printed.
    std::optional<int> read(const QStringList& arguments);

    // What read() found: the options set and the arguments.
    const QCommandLineParser& parser() const { return parser_; }

    // WHY the command line cannot be used, and the usage, on stderr; the exit status for it.
    int refuse(const QString& why) const;

    // The value of a number OPTION, if it was given, into TARGET; false (after refusing it) when
    // it is not a number above zero.
    bool positiveNumber(const QCommandLineOption& option, double& target);

private:
    QString name_;
    QString usage_;
    QStringList arguments_;
    QCommandLineParser parser_;
    QCommandLineOption help_;
};

}  // namespace tools

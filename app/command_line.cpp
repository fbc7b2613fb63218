#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace app {

namespace {

constexpr int UsageError = 2;

struct GameOptions {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Shows this help and exits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Shows the version and exits.")};

    GameOptions() {
        parser.setApplicationDescription(QStringLiteral(
            "Tarnvik 2 is a life-simulation game in Russian: you have just arrived in a\n"
            "strange city and decide to study computer science. Where the game keeps its\n"
            "files is told in tarnvik2(6); Qt's own options (-platform, -style, ...) work\n"
            "as in any Qt program."));
        // Qt's options are single-dash words: "-reverse" must not read as -r -e -v ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
    }
};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int n = 0; n < argc; ++n) {
        arguments << QString::fromLocal8Bit(argv[n]);
    }
    GameOptions options;
    // Errors wait for the second reading: here they may be Qt's own options.
    options.parser.parse(arguments);
    if (options.parser.isSet(options.help)) {
        // The usage line names the program as it was called, which the parser takes from the
        // application object; a core one needs no display.
        QCoreApplication named(argc, argv);
        print(stdout, options.parser.helpText());
        return 0;
    }
    if (options.parser.isSet(options.version)) {
        print(stdout, QStringLiteral("tarnvik2 " TARNVIK_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments(const QStringList& arguments) {
    GameOptions options;
    QString problem;
    if (!options.parser.parse(arguments)) {
        problem = options.parser.errorText();
    } else if (!options.parser.positionalArguments().isEmpty()) {
        problem = QStringLiteral("Unexpected argument '%1'.")
                      .arg(options.parser.positionalArguments().constFirst());
    } else {
        return std::nullopt;
    }
    print(
        stderr,
        QStringLiteral("tarnvik2: %1\nTry 'tarnvik2 --help' for more information.\n").arg(problem));
    return UsageError;
}

}  // namespace app

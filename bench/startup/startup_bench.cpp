// Start-up time and memory of the game against a minimal Qt Widgets program on the same machine
// and display, and its first window against a minimal program that shows the same window (the
// text of a window costs any program the font system's start, which an empty window never pays).
// Each program is launched in turn, in rotation; the medians are compared.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/common/stats.h"
#include "bench/startup/child_run.h"
#include "tools/command_line/tool_command_line.h"

namespace fs = std::filesystem;

namespace {

constexpr double Budget = 1.5;
// The first window is what the player waits for: it has the tighter aim.
constexpr double FirstWindowBudget = 1.2;
// What the game adds to a plain Qt program that shows the same window: its own cost, which new
// features must not raise.
constexpr double SameWindowBudget = 1.1;
constexpr double SameWindowMemoryBudget = 1.15;

struct Program {
    const char* label;
    std::string path;
    std::vector<double> firstPaintMs;
    std::vector<double> wallMs;
    std::vector<double> peakRssMb;
};

fs::path helperFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path() / "helpers";
}

// A home of its own for every program run, so the benchmark never touches the player's saves.
std::map<std::string, std::string> sandbox(const fs::path& home) {
    return {{"HOME", home.string()},
            {"XDG_DATA_HOME", (home / "data").string()},
            {"XDG_CONFIG_HOME", (home / "config").string()},
            {"XDG_CACHE_HOME", (home / "cache").string()},
            {"XDG_STATE_HOME", (home / "state").string()},
            {"XDG_RUNTIME_DIR", (home / "runtime").string()}};
}

// What a failed run said on stderr (Qt's warnings of a good run are of no interest).
void showErrors(const fs::path& errors) {
    if (std::FILE* f = std::fopen(errors.c_str(), "r")) {
        char line[1024];
        while (std::fgets(line, sizeof line, f) != nullptr) {
            std::fprintf(stderr, "  | %s", line);
        }
        std::fclose(f);
    }
}

bool measure(Program& program, const fs::path& home, bool keep) {
    const fs::path errors = home / "stderr.txt";
    const bench::ChildRun run = bench::runChild(program.path, sandbox(home), errors.string());
    if (!run.ok) {
        std::fprintf(stderr, "%s (%s): %s\n", program.label, program.path.c_str(),
                     run.failure.c_str());
        showErrors(errors);
        return false;
    }
    if (keep) {
        program.firstPaintMs.push_back(*run.firstPaintMs);
        program.wallMs.push_back(run.wallMs);
        program.peakRssMb.push_back(run.peakRssMb);
    }
    return true;
}

std::string display() {
    if (const char* platform = std::getenv("QT_QPA_PLATFORM")) {
        return std::string("QT_QPA_PLATFORM=") + platform;
    }
    if (const char* x = std::getenv("DISPLAY")) {
        return std::string("DISPLAY=") + x;
    }
    return "no display set";
}

void printRow(const char* label, double paint, double wall, double rss, const char* unitsFormat) {
    std::printf(unitsFormat, label, paint, wall, rss);
}

void printVerdict(const char* what, double ratio, double budget = Budget,
                  const char* against = "the minimal program") {
    std::printf("%-14s %.2f x %-27s %s (goal at most %g x)\n", what, ratio, against,
                bench::verdict(ratio <= budget), budget);
}

// The number of runs of each program into RUNS; nothing when the bench is to run, otherwise the
// exit status.
std::optional<int> readRuns(int argc, char** argv, int& runs) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    tools::CommandLine line(
        QStringLiteral("startup_bench"), {QStringLiteral("[--runs N]")},
        QStringLiteral(
            "Start-up time and memory of the game against two plain Qt Widgets programs: one\n"
            "that shows an empty window, and one that shows the same window as the game's\n"
            "first (the prompt, the name box and the button). Each is launched in turn, each\n"
            "in a temporary home; the medians and their ratios are printed with a verdict. Run\n"
            "it under xvfb-run -a, or offscreen. Exit status 0 when it measured, whatever the\n"
            "verdicts; 1 when a program failed."));
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("Launches of each program (default 20)."),
                                        QStringLiteral("N"));
    line.addOption(runsOption);
    if (const auto status = line.read(arguments)) {
        return status;
    }
    double count = 20;
    if (!line.positiveNumber(runsOption, count)) {
        return tools::CommandLine::Unusable;
    }
    runs = static_cast<int>(count);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 0;
    if (const auto status = readRuns(argc, argv, runs)) {
        return *status;
    }

    Program minimal{
        "minimal Qt window", (helperFolder() / "bench_minimal_window").string(), {}, {}, {}};
    Program sameWindow{"same window, plain Qt",
                       (helperFolder() / "bench_minimal_name_window").string(),
                       {},
                       {},
                       {}};
    Program game{"game", (helperFolder() / "bench_game_start").string(), {}, {}, {}};
    const std::vector<Program*> programs = {&minimal, &sameWindow, &game};

    std::string homeTemplate = (fs::temp_directory_path() / "tarnvik-bench-XXXXXX").string();
    if (mkdtemp(homeTemplate.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path home = homeTemplate;
    // Qt insists on a private runtime folder.
    fs::create_directory(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all, fs::perm_options::replace);

    // One run of each first, not counted: it fills the file cache and the font cache of the
    // temporary home, which a player's machine has long had.
    bool ok = true;
    for (Program* p : programs) {
        ok = ok && measure(*p, home, false);
    }
    // In rotation, so that no program always follows the same one.
    for (int i = 0; ok && i < runs; ++i) {
        for (std::size_t k = 0; ok && k < programs.size(); ++k) {
            ok =
                measure(*programs[(k + static_cast<std::size_t>(i)) % programs.size()], home, true);
        }
    }
    // The game makes its folder on start; finding it in the temporary home shows it wrote nowhere
    // else.
    const bool sandboxed = fs::exists(home / "data" / "Tarnvik" / "Tarnvik 2");
    std::error_code ignored;
    fs::remove_all(home, ignored);
    if (!ok) {
        return 1;
    }

    std::printf("start-up: %d runs of each program, alternating; %s; game folder %s\n", runs,
                display().c_str(),
                sandboxed ? "in a temporary home" : "NOT FOUND in the temporary home");
    std::printf("%-22s %12s %14s %12s\n", "medians", "first window", "spawn to exit", "peak RSS");
    const double mPaint = bench::median(minimal.firstPaintMs);
    const double mWall = bench::median(minimal.wallMs);
    const double mRss = bench::median(minimal.peakRssMb);
    const double gPaint = bench::median(game.firstPaintMs);
    const double gWall = bench::median(game.wallMs);
    const double gRss = bench::median(game.peakRssMb);
    const double sPaint = bench::median(sameWindow.firstPaintMs);
    const double sRss = bench::median(sameWindow.peakRssMb);
    const char* rowFormat = "%-22s %9.1f ms %11.1f ms %9.1f MB\n";
    printRow(minimal.label, mPaint, mWall, mRss, rowFormat);
    printRow(sameWindow.label, sPaint, bench::median(sameWindow.wallMs), sRss, rowFormat);
    printRow(game.label, gPaint, gWall, gRss, rowFormat);
    printRow("game / minimal", gPaint / mPaint, gWall / mWall, gRss / mRss,
             "%-22s %12.2f %14.2f %12.2f\n");
    printVerdict("start time", gWall / mWall);
    printVerdict("first window", gPaint / mPaint, FirstWindowBudget);
    printVerdict("first window", gPaint / sPaint, SameWindowBudget, "the same window in plain Qt");
    printVerdict("peak memory", gRss / mRss);
    printVerdict("peak memory", gRss / sRss, SameWindowMemoryBudget, "the same window in plain Qt");
    return 0;
}

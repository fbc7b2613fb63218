#include "bench/startup/child_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "bench/startup/first_paint.h"

extern char** environ;

namespace bench {

namespace {

std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The parent's environment with `changes` applied, as "NAME=value" strings.
std::vector<std::string> environmentWith(std::map<std::string, std::string> changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (changes.count(name) == 0) {
            result.push_back(text);
        }
    }
    for (const auto& [name, value] : changes) {
        result.push_back(name + '=' + value);
    }
    return result;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[4096];
    while (true) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            return text;
        }
    }
}

std::optional<double> firstPaintFrom(const std::string& output) {
    std::istringstream lines(output);
    std::string word;
    while (lines >> word) {
        double ms = 0;
        if (word == "first-paint-ms" && lines >> ms) {
            return ms;
        }
    }
    return std::nullopt;
}

}  // namespace

ChildRun runChild(const std::string& program, const std::map<std::string, std::string>& environment,
                  const std::string& errors) {
    ChildRun run;
    const int errorFd = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (errorFd < 0) {
        run.failure = errors + ": " + std::strerror(errno);
        return run;
    }
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        run.failure = std::string("pipe: ") + std::strerror(errno);
        close(errorFd);
        return run;
    }
    auto changes = environment;
    const std::int64_t spawned = steadyNs();
    changes[SpawnTimeVariable] = std::to_string(spawned);
    // Everything the child needs is prepared before fork: only async-signal-safe calls after it.
    std::vector<std::string> envText = environmentWith(changes);
    std::vector<char*> envp;
    for (std::string& e : envText) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::string programText = program;
    char* argv[] = {programText.data(), nullptr};

    const pid_t pid = fork();
    if (pid < 0) {
        run.failure = std::string("fork: ") + std::strerror(errno);
        close(pipeFds[0]);
        close(pipeFds[1]);
        close(errorFd);
        return run;
    }
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        dup2(errorFd, STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(pipeFds[1]);
    close(errorFd);

    int status = 0;
    rusage usage{};
    pid_t waited = 0;
    do {
        waited = wait4(pid, &status, 0, &usage);
    } while (waited < 0 && errno == EINTR);
    const std::int64_t ended = steadyNs();
    // Read after the exit, without waiting: the child writes one short line, and a helper process
    // it may have started (a sound server) could keep the pipe open long after.
    fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    const std::string output = readAll(pipeFds[0]);
    close(pipeFds[0]);
    if (waited != pid) {
        run.failure = std::string("wait4: ") + std::strerror(errno);
        return run;
    }
    run.wallMs = static_cast<double>(ended - spawned) / 1e6;
    run.peakRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux reports KiB
    run.firstPaintMs = firstPaintFrom(output);
    if (WIFSIGNALED(status)) {
        run.failure = "killed by signal " + std::to_string(WTERMSIG(status));
    } else if (WEXITSTATUS(status) == 127) {
        run.failure = "could not be started";
    } else if (WEXITSTATUS(status) != 0) {
        run.failure = "exit status " + std::to_string(WEXITSTATUS(status));
    } else if (!run.firstPaintMs) {
        run.failure = "exited without painting a window";
    } else {
        run.ok = true;
    }
    return run;
}

}  // namespace bench

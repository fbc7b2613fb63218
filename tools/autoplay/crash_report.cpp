#include "tools/autoplay/crash_report.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#define TARNVIK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARNVIK_SANITIZED 1
#endif
#endif

#ifdef TARNVIK_SANITIZED
extern "C" void __sanitizer_set_death_callback(void (*callback)());
#endif

namespace autoplay {

namespace {

std::atomic<std::uint64_t> currentSeed{0};
std::atomic<std::uint64_t> currentStep{0};

// Only what a signal handler may do: format into a buffer, write it out.
void appendNumber(char* buffer, std::size_t size, std::uint64_t value) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    std::size_t length = std::strlen(buffer);
    while (n > 0 && length + 1 < size) {
        buffer[length++] = digits[--n];
    }
    buffer[length] = '\0';
}

void report(const char* what) {
    char text[512] = "tarnvik-autoplay: ";
    std::strncat(text, what, 100);
    std::strncat(text, " at seed ", 20);
    appendNumber(text, sizeof text, currentSeed.load());
    std::strncat(text, ", step ", 20);
    appendNumber(text, sizeof text, currentStep.load());
    std::strncat(text, "\n  replay it: tarnvik-autoplay --monkey --seed ", 60);
    appendNumber(text, sizeof text, currentSeed.load());
    std::strncat(text, " --actions ", 20);
    appendNumber(text, sizeof text, currentStep.load());
    std::strncat(text, " --replay failure.scn\n", 30);
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
}

[[maybe_unused]] void onSignal(int signal) {
    report(signal == SIGABRT ? "aborted" : "crashed");
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

#ifdef TARNVIK_SANITIZED
void onSanitizerDeath() {
    report("a sanitizer report");
}
#endif

}  // namespace

void watchForCrashes(std::uint64_t seed) {
    currentSeed = seed;
#ifdef TARNVIK_SANITIZED
    // The sanitizers catch the signals themselves and tell us before they stop the process.
    __sanitizer_set_death_callback(onSanitizerDeath);
#else
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        std::signal(signal, onSignal);
    }
#endif
}

void setCurrentStep(std::uint64_t step) {
    currentStep.store(step, std::memory_order_relaxed);
}

void startWatchdog(int seconds) {
    std::thread([seconds] {
        std::uint64_t last = currentStep.load();
        int still = 0;
        while (true) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const std::uint64_t now = currentStep.load();
            still = now == last ? still + 1 : 0;
            last = now;
            if (still >= seconds) {
                report("a step that never returned (a frozen game)");
                std::_Exit(3);
            }
        }
    }).detach();
}

}  // namespace autoplay

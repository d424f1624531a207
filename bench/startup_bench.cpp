// Start-up: from the start of the process until the login window's
// contents are drawn on the screen, against the smallest Qt program that
// shows one window with Chinese text. The two start alternately, side by
// side in one run; the counters give each one's median in milliseconds and
// their ratio.
//
// Both programs run unchanged; a preloaded probe (startup_probe.cpp)
// reports when the first window shown has its contents drawn, which for the
// program is its login window (the main window shows itself only after the
// login). The run starts an Xvfb server of its own unless the caller chose a
// Qt platform, and gives the programs a runtime folder of their own, so an
// instance of the program already running (which holds the single-instance
// lock in the user's runtime folder) cannot spoil it.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "side_by_side.h"

namespace {

using Clock = std::chrono::steady_clock;

// Starts `program` with the probe preloaded and answers the milliseconds
// until its first window was drawn, or a negative value when it ended or
// did not draw one within 30 seconds.
double MillisecondsToWindow(const char* program) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return -1;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int writeEnd = dup(pipeEnds[1]);  // a copy without close-on-exec
        const std::string fd = std::to_string(writeEnd);
        setenv("STARTUP_PROBE_FD", fd.c_str(), 1);
        setenv("LD_PRELOAD", STARTUP_PROBE, 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    double milliseconds = -1;
    if (child > 0) {
        pollfd shown{pipeEnds[0], POLLIN, 0};
        char byte = 0;
        if (poll(&shown, 1, 30000) == 1 && read(pipeEnds[0], &byte, 1) == 1)
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    close(pipeEnds[0]);
    return milliseconds;
}

void StartUpToLoginWindow(benchmark::State& state) {
    std::vector<double> program, yardstick;
    for (auto _ : state) {
        const double a = MillisecondsToWindow(SERVIORA_PROGRAM);
        const double b = MillisecondsToWindow(MINIMAL_QT_PROGRAM);
        if (a < 0 || b < 0) {
            state.SkipWithError(a < 0 ? "the program drew no login window"
                                      : "the minimal Qt program showed no window");
            return;
        }
        state.SetIterationTime((a + b) / 1000);
        program.push_back(a);
        yardstick.push_back(b);
    }
    const double programMs = Median(program), yardstickMs = Median(yardstick);
    state.counters["serviora_ms"] = programMs;
    state.counters["minimal_qt_ms"] = yardstickMs;
    state.counters["ratio"] = programMs / yardstickMs;
}

BENCHMARK(StartUpToLoginWindow)->Iterations(21)->UseManualTime()->Unit(benchmark::kMillisecond);

// An Xvfb server on a free display for the run, which the programs reach
// through DISPLAY with Qt's xcb platform.
class VirtualScreen {
public:
    VirtualScreen() {
        int displayPipe[2];
        if (pipe2(displayPipe, O_CLOEXEC) != 0) return;
        server_ = fork();
        if (server_ == 0) {
            const std::string fd = std::to_string(dup(displayPipe[1]));
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(displayPipe[1]);
        // Xvfb writes its display number once it accepts clients.
        std::string display;
        char c;
        pollfd ready{displayPipe[0], POLLIN, 0};
        while (poll(&ready, 1, 10000) == 1 && read(displayPipe[0], &c, 1) == 1 && c != '\n') display += c;
        close(displayPipe[0]);
        if (display.empty()) return;
        setenv("DISPLAY", (":" + display).c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    ~VirtualScreen() {
        if (server_ <= 0) return;
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

private:
    pid_t server_ = -1;
};

// A private runtime folder (XDG_RUNTIME_DIR) for the programs started.
class RuntimeFolder {
public:
    RuntimeFolder() {
        char pattern[] = "/tmp/startup-bench-XXXXXX";
        if (mkdtemp(pattern)) path_ = pattern;
        if (!path_.empty()) setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
    }
    ~RuntimeFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

private:
    std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
    RuntimeFolder runtime;
    std::optional<VirtualScreen> screen;
    if (!std::getenv("QT_QPA_PLATFORM")) screen.emplace();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

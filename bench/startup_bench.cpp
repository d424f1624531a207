// Start-up: from the start of the process until the login window is shown
// on the screen, against the smallest Qt program that shows one window with
// Chinese text. The two start alternately, side by side in one run; the
// counters give each one's median in milliseconds and their ratio.
//
// Both programs run unchanged; a preloaded probe (startup_probe.cpp)
// reports the first window exposed, which for the program is its login
// window (the main window shows itself only after the login). Offscreen
// unless the caller chose a Qt platform (QT_QPA_PLATFORM=xcb under Xvfb,
// for instance).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Starts `program` with the probe preloaded and answers the milliseconds
// until it showed its first window, or a negative value when it ended or
// did not show one within 30 seconds.
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

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void StartUpToLoginWindow(benchmark::State& state) {
    std::vector<double> program, yardstick;
    for (auto _ : state) {
        const double a = MillisecondsToWindow(SERVIORA_PROGRAM);
        const double b = MillisecondsToWindow(MINIMAL_QT_PROGRAM);
        if (a < 0 || b < 0) {
            state.SkipWithError(a < 0 ? "the program showed no login window (is it running already?)"
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

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

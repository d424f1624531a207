// The program as a process: one instance per user.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "support/temp_dir.h"

extern char** environ;

namespace {

// A started program with its own runtime folder (where the single-instance
// lock lives), so the test never meets a program the user runs.
class Program {
public:
    Program(const std::string& runtimeDir, const std::string& output) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        std::string runtime = "XDG_RUNTIME_DIR=" + runtimeDir;
        std::string platform = "QT_QPA_PLATFORM=offscreen";
        char* env[] = {runtime.data(), platform.data(), nullptr};
        char* argv[] = {const_cast<char*>(SERVIORA_PROGRAM), nullptr};
        if (posix_spawn(&pid_, SERVIORA_PROGRAM, &actions, nullptr, argv, env) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Program() { Kill(); }

    bool Started() const { return pid_ > 0; }
    // Whether the program still runs after `milliseconds`; the exit status
    // is kept when it ended.
    bool RunsAfter(int milliseconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end) {
            if (waitpid(pid_, &status_, WNOHANG) == pid_) {
                pid_ = -1;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
    int Status() const { return status_; }
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int status_ = 0;
};

std::string Contents(const std::string& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Program, ASecondStartEndsSilentlyAndAStartAfterAKilledOneRuns) {
    TempDir runtime;
    Program first(runtime.path(), runtime.file("first.txt"));
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(first.RunsAfter(2000)) << Contents(runtime.file("first.txt"));

    Program second(runtime.path(), runtime.file("second.txt"));
    ASSERT_TRUE(second.Started());
    EXPECT_FALSE(second.RunsAfter(5000)) << "a second start ends at once";
    EXPECT_TRUE(WIFEXITED(second.Status()) && WEXITSTATUS(second.Status()) == 0);
    EXPECT_EQ(Contents(runtime.file("second.txt")), "") << "and says nothing";

    first.Kill();
    Program third(runtime.path(), runtime.file("third.txt"));
    ASSERT_TRUE(third.Started());
    EXPECT_TRUE(third.RunsAfter(2000)) << "the lock died with the killed program";
}

}  // namespace

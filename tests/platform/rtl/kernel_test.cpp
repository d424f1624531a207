#include "platform/rtl/kernel.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

// Points the runtime folder at a fresh temporary folder for one test.
class SingleInstanceLock : public testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) saved_ = old;
        setenv("XDG_RUNTIME_DIR", dir_.path().c_str(), 1);
    }
    void TearDown() override {
        if (saved_)
            setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
    }

    // Forks a process that takes the lock, reports whether it got it, and
    // then waits to be killed.
    pid_t StartHolder(bool& gotLock) {
        int pipeFds[2];
        EXPECT_EQ(pipe(pipeFds), 0);
        pid_t child = fork();
        if (child == 0) {
            HANDLE handle = CreateMutex(nullptr, false, "Serviora");
            char answer = handle != 0 && GetLastError() == ERROR_SUCCESS ? 'y' : 'n';
            if (write(pipeFds[1], &answer, 1) != 1) _exit(1);
            for (;;) pause();
        }
        close(pipeFds[1]);
        char answer = 0;
        EXPECT_EQ(read(pipeFds[0], &answer, 1), 1);
        close(pipeFds[0]);
        gotLock = answer == 'y';
        return child;
    }

    TempDir dir_;
    std::optional<std::string> saved_;
};

TEST_F(SingleInstanceLock, RefusesASecondHolderUntilTheFirstIsKilled) {
    bool childGotLock = false;
    pid_t holder = StartHolder(childGotLock);
    ASSERT_TRUE(childGotLock);

    HANDLE second = CreateMutex(nullptr, false, "Serviora");
    EXPECT_NE(second, 0u);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(CloseHandle(second));

    kill(holder, SIGKILL);
    int status = 0;
    waitpid(holder, &status, 0);

    HANDLE next = CreateMutex(nullptr, false, "Serviora");
    EXPECT_NE(next, 0u);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_TRUE(CloseHandle(next));
}

TEST_F(SingleInstanceLock, IsReleasedByCloseHandleAndNotHeldByALeftoverFile) {
    std::ofstream(dir_.file("serviora-mutex-Serviora.lock")) << "left behind";

    HANDLE first = CreateMutex(nullptr, false, "Serviora");
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    HANDLE second = CreateMutex(nullptr, false, "Serviora");
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    HANDLE other = CreateMutex(nullptr, false, "Other");
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

    EXPECT_TRUE(CloseHandle(second));
    EXPECT_TRUE(CloseHandle(first));
    EXPECT_TRUE(CloseHandle(other));
    EXPECT_FALSE(CloseHandle(first));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

    HANDLE again = CreateMutex(nullptr, false, "Serviora");
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    CloseHandle(again);
}

TEST_F(SingleInstanceLock, FallsBackToAPrivateFolderWithoutARuntimeFolder) {
    unsetenv("XDG_RUNTIME_DIR");
    const std::string name = "serviora-test-" + std::to_string(getpid());
    HANDLE handle = CreateMutex(nullptr, false, name.c_str());
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

    const std::string folder = "/tmp/serviora-" + std::to_string(getuid());
    struct stat st {};
    ASSERT_EQ(lstat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    CloseHandle(handle);
    unlink((folder + "/serviora-mutex-" + name + ".lock").c_str());
}

}  // namespace

// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path with a trailing "/", as ANSI text.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Where tests put files meant for people to look at (screenshots): the
// build folder's screenshots/ (created on demand).
std::string ScreenshotDir();

#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "serviora-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScreenshotDir() {
    const char* root = std::getenv("SERVIORA_TEST_OUTPUT");
    std::filesystem::path dir = std::filesystem::path(root ? root : ".") / "screenshots";
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

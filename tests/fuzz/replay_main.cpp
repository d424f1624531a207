// The plain driver of the fuzz targets: runs the target once on every file
// named on the command line (folders stand for the files in them, in name
// order). `make test` replays the committed corpora with it, and the
// fuzzer in its file mode calls it with one generated input at a time.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace fs = std::filesystem;

namespace {

fs::path& InputFolder() {
    static fs::path folder;
    return folder;
}

void RemoveInputFolder() {
    std::error_code ignored;
    if (!InputFolder().empty()) fs::remove_all(InputFolder(), ignored);
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void FuzzCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

std::string FuzzInputFile(std::string_view bytes, const char* extension) {
    if (InputFolder().empty()) {
        std::string pattern = (fs::temp_directory_path() / "serviora-fuzz-XXXXXX").string();
        FuzzCheck(::mkdtemp(pattern.data()) != nullptr, "a temporary folder");
        InputFolder() = pattern;
        std::atexit(RemoveInputFolder);
    }
    const fs::path file = InputFolder() / (std::string("input") + extension);
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
    return file.string();
}

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            std::vector<fs::path> files;
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else {
            inputs.emplace_back(argv[i]);
        }
    }
    for (const fs::path& input : inputs) {
        const std::string bytes = ReadAll(input);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}

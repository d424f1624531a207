// serviora-skinpack <description> <package>: paints the skin's images and
// writes them with the description into the skin package.
// serviora-skinpack --form <description> <form.dfm>: writes the package into
// the form description's SkinData1 component instead.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tools/skinpack/SkinArt.h"
#include "tools/skinpack/SkinDataForm.h"

namespace {

bool ReadFile(const char* name, AnsiString& text) {
    std::ifstream input(name, std::ios::binary);
    if (!input) {
        std::fprintf(stderr, "serviora-skinpack: cannot read %s\n", name);
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const char* name, const char* bytes, std::size_t size) {
    std::ofstream output(name, std::ios::binary | std::ios::trunc);
    output.write(bytes, static_cast<std::streamsize>(size));
    if (!output) std::fprintf(stderr, "serviora-skinpack: cannot write %s\n", name);
    return bool(output);
}

}  // namespace

int main(int argc, char** argv) {
    const bool intoForm = argc == 4 && std::strcmp(argv[1], "--form") == 0;
    if (argc != 3 && !intoForm) {
        std::fprintf(stderr, "usage: serviora-skinpack [--form] <description.ini> <output.skin | form.dfm>\n");
        return 2;
    }
    const char* descriptionName = argv[argc - 2];
    const char* outputName = argv[argc - 1];
    AnsiString description;
    if (!ReadFile(descriptionName, description)) return 1;
    const std::vector<Byte> package = WriteServioraSkin(description);
    if (!intoForm)
        return WriteFile(outputName, reinterpret_cast<const char*>(package.data()), package.size()) ? 0 : 1;
    AnsiString form;
    if (!ReadFile(outputName, form)) return 1;
    const AnsiString updated = ReplaceSkinDataBlock(form, SkinDataFormText(package));
    if (updated == form) {
        std::fprintf(stderr, "serviora-skinpack: %s has no SkinData1 to update\n", outputName);
        return 1;
    }
    return WriteFile(outputName, updated.data(), updated.size()) ? 0 : 1;
}

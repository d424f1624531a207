// serviora-skinpack <description> <package>: paints the skin's images and
// writes them with the description into the skin package.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "tools/skinpack/SkinArt.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: serviora-skinpack <description.ini> <output.skin>\n");
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    if (!input) {
        std::fprintf(stderr, "serviora-skinpack: cannot read %s\n", argv[1]);
        return 1;
    }
    const AnsiString description{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    const std::vector<Byte> package = WriteServioraSkin(description);
    std::ofstream output(argv[2], std::ios::binary | std::ios::trunc);
    output.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
    if (!output) {
        std::fprintf(stderr, "serviora-skinpack: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

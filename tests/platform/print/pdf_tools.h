// Reading PDF files back with poppler's command-line tools.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/command_output.h"

// The "Pages:" line of a pdfinfo report; 0 without one.
inline int PageCount(const std::string& report) {
    const std::size_t at = report.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(report.c_str() + at + 6);
}

// A binary PPM as pdftoppm writes it: its size and RGB bytes.
struct Pixmap {
    int width = 0, height = 0;
    std::string rgb;
    bool Dark(int x, int y) const {
        const auto* p = reinterpret_cast<const unsigned char*>(rgb.data()) + (static_cast<std::size_t>(y) * width + x) * 3;
        return p[0] < 80 && p[1] < 80 && p[2] < 80;
    }
};

inline Pixmap ReadPpm(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Pixmap pixmap;
    in >> magic >> pixmap.width >> pixmap.height >> maxValue;
    in.get();
    pixmap.rgb.assign(std::istreambuf_iterator<char>(in), {});
    return pixmap;
}

// The first page of a PDF file rendered at `dpi` through the PPM file `stem`.ppm.
inline Pixmap RenderFirstPage(const std::string& file, int dpi, const std::string& stem) {
    CommandOutput("pdftoppm -r " + std::to_string(dpi) + " -f 1 -l 1 -singlefile '" + file + "' '" + stem + "'");
    return ReadPpm(stem + ".ppm");
}

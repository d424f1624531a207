// serviora-background <file.jpg>: paints the program's default background
// picture — a dusk-blue gradient with soft light discs — and writes it as a
// JPEG. The picture is ours, made at build time, so the program folder never
// carries an image of unknown origin.
#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Disc {
    double x, y, radius, strength;
};

unsigned char Channel(double value) {
    if (value < 0) return 0;
    if (value > 255) return 255;
    return static_cast<unsigned char>(value);
}

// One row of RGB pixels: a vertical gradient brightened by the discs.
void PaintRow(int y, std::vector<unsigned char>& row) {
    static const Disc discs[] = {{220, 180, 260, 0.35}, {760, 520, 340, 0.30}, {900, 120, 160, 0.25},
                                 {380, 640, 200, 0.20}};
    const double t = static_cast<double>(y) / (kHeight - 1);
    for (int x = 0; x < kWidth; ++x) {
        double light = 0;
        for (const Disc& d : discs) {
            const double distance = std::hypot(x - d.x, y - d.y) / d.radius;
            if (distance < 1) light += d.strength * (1 - distance * distance);
        }
        row[3 * x + 0] = Channel(18 + 30 * t + 200 * light);
        row[3 * x + 1] = Channel(42 + 70 * t + 210 * light);
        row[3 * x + 2] = Channel(96 + 60 * t + 150 * light);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: serviora-background <file.jpg>\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(3 * kWidth);
    while (info.next_scanline < info.image_height) {
        PaintRow(static_cast<int>(info.next_scanline), row);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0 ? 0 : 1;
}

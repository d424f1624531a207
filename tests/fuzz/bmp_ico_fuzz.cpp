// BMP and icon-file bytes through their readers; whatever they accept is
// a bitmap the GDI describes.
#include "fuzz/fuzz_target.h"
#include "platform/gdi/bmpfile.h"

namespace {

void Described(HBITMAP bitmap) {
    if (!bitmap) return;
    BITMAP bm{};
    FuzzCheck(GetObject(bitmap, sizeof bm, &bm) != 0, "an accepted bitmap has a description");
    FuzzCheck(BitmapSizeAllowed(bm.bmWidth, bm.bmHeight), "an accepted bitmap within the limit");
    DeleteObject(bitmap);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Described(ReadBmp(data, size));
    HBITMAP color = 0, mask = 0;
    if (ReadIco(data, size, &color, &mask)) {
        Described(color);
        Described(mask);
    }
    return 0;
}

// JPEG bytes into TJPEGImage: decoded at once, as a picture file is.
#include "fuzz/fuzz_target.h"
#include "platform/rtl/streams.h"
#include "platform/ui/jpegimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TStringStream stream{AnsiString(FuzzBytes(data, size))};
    TJPEGImage image;
    try {
        image.LoadFromStream(&stream);
        FuzzCheck(BitmapSizeAllowed(image.Width(), image.Height()), "a decoded picture within the bitmap limit");
    } catch (const Exception&) {
    }
    return 0;
}

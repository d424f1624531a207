// A picture file chosen by its extension, as the main window loads its
// background: the first byte picks the extension, the rest is the file.
#include <iterator>

#include "fuzz/fuzz_target.h"
#include "platform/rtl/streams.h"
#include "platform/ui/graphic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const extensions[] = {".bmp", ".ico", ".jpg", ".jpeg", ".png", ".gif", ".wmf", ".emf"};
    if (size == 0) return 0;
    const char* extension = extensions[data[0] % std::size(extensions)];
    TPicture picture;
    try {
        picture.LoadFromFile(FuzzInputFile(FuzzBytes(data + 1, size - 1), extension));
        FuzzCheck(BitmapSizeAllowed(picture.Width(), picture.Height()), "a loaded picture within the bitmap limit");
        TStringStream saved;
        if (picture.Graphic()) picture.Graphic()->SaveToStream(&saved);
    } catch (const Exception&) {
    }
    return 0;
}

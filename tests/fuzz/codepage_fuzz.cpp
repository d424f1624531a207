// Text of any bytes through the code-page conversions and the character
// stepping: never more bytes than given, never a step that goes nowhere.
#include "fuzz/fuzz_target.h"
#include "platform/rtl/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = FuzzBytes(data, size);
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t step = AnsiCharSize(bytes, i);
        FuzzCheck(step > 0 && step <= bytes.size() - i, "a character lies inside the text");
        FuzzCheck(AnsiCharStart(bytes, i + step - 1) == i, "a character's last byte leads back to its start");
        i += step;
    }
    const std::string utf8 = AnsiToUtf8(bytes);
    const AnsiString ansi = Utf8ToAnsi(utf8);
    FuzzCheck(AnsiToUtf8(ansi) == utf8, "converted text converts back alike");
    FuzzCheck(WideToAnsi(AnsiToWide(ansi)) == ansi, "wide text converts back");
    Utf8ToAnsi(bytes);
    Utf8ToWide(bytes);
    return 0;
}

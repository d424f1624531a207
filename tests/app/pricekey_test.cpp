// The price edits' key filter, byte by byte and with the rest of a Chinese
// character waiting in the message queue.
#include <gtest/gtest.h>

#include "app/pricekey.h"
#include "platform/win/messages.h"
#include "platform/win/msgqueue.h"

namespace {

// Posts the bytes after the first as the WM_CHAR messages typing leaves waiting.
void PostRest(const AnsiString& bytes) {
    for (std::size_t i = 1; i < bytes.size(); ++i) PostMessage(0, WM_CHAR, static_cast<unsigned char>(bytes[i]), 0);
}

AnsiString Waiting() {
    AnsiString bytes;
    MSG msg;
    while (PeekMessage(&msg, 0, WM_CHAR, WM_CHAR, PM_REMOVE)) bytes += static_cast<char>(msg.wParam);
    return bytes;
}

TEST(PriceKey, PassesControlCodesDigitsPointMinusAnd255) {
    for (int code = 0; code < 256; ++code) {
        char key = static_cast<char>(code);
        const bool passes = code <= 31 || (code >= '0' && code <= '9') || code == '.' || code == '-' || code == 255;
        EXPECT_EQ(FilterPriceKey(key), passes) << code;
        EXPECT_EQ(key, passes ? static_cast<char>(code) : '\0') << code;
    }
}

TEST(PriceKey, AChineseCharacterIsDiscardedWholeAndWhatFollowsStays) {
    // "元" (two bytes), U+20000 (four bytes: 0x95 0x32 0x82 0x36 carries two digits).
    const AnsiString cases[] = {"元", "\x95\x32\x82\x36", "乗"};
    for (const AnsiString& character : cases) {
        PostRest(character + "7");
        char key = character[0];
        EXPECT_FALSE(FilterPriceKey(key));
        EXPECT_EQ(key, '\0');
        EXPECT_EQ(Waiting(), "7") << "only the character's own bytes are taken";
    }
}

}  // namespace

// The price edit's key filter as the operator meets it in the reception
// window: a table of what the field held, what was typed and what it holds
// afterwards; and the rest of a Chinese character waiting in the message
// queue, taken out with its lead byte.
#include <gtest/gtest.h>

#include <functional>

#include "app/jiedaifrm.h"
#include "app/pricekey.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/messages.h"
#include "platform/win/msgqueue.h"
#include "platform/ui/testseams.h"
#include "workflow_fixture.h"

namespace {

using PriceEditTest = WorkflowWindowTest;

void Press(int key, const AnsiString& text = AnsiString()) {
    SimulateKey(key, true, text);
    SimulateKey(key, false);
}

void PressWithControl(int key, const AnsiString& text) {
    SimulateKey(VK_CONTROL, true);
    Press(key, text);
    SimulateKey(VK_CONTROL, false);
}

TEST_F(PriceEditTest, TheFieldTakesDigitsPointsAndMinusAndTheControlKeys) {
    main_->N10->Click();
    Tjiedai* window = OnlyChild<Tjiedai>();
    ASSERT_NE(window, nullptr);
    ProcessMessages();
    window->SetLeft(0);  // into the 800-pixel offscreen screen for the click
    ProcessMessages();
    Clipboard()->SetAsText("元5a");
    const struct {
        const char* held;
        const char* what;
        std::function<void()> type;
        const char* holds;
    } cases[] = {
        {"12", "a digit", [] { SimulateTyping("3"); }, "123"},
        {"12", "a point", [] { SimulateTyping("."); }, "12."},
        {"1.5", "a second point", [] { SimulateTyping("."); }, "1.5."},  // refused when saving
        {"", "a minus", [] { SimulateTyping("-"); }, "-"},
        {"12", "a letter", [] { SimulateTyping("a"); }, "12"},
        {"12", "a Chinese character", [] { SimulateTyping("元"); }, "12"},
        {"12", "a Chinese character and a digit", [] { SimulateTyping("元7"); }, "127"},
        {"12", "Backspace", [] { Press(VK_BACK); }, "1"},
        {"12", "Ctrl+V", [] { PressWithControl('V', "\x16"); }, "12元5a"},  // refused when saving
    };
    for (const auto& c : cases) {
        window->Edit2->SetText(c.held);
        Click(window->Edit2);
        Press(VK_END);
        c.type();
        ProcessMessages();
        EXPECT_EQ(window->Edit2->Text(), c.holds) << c.what << " typed after \"" << c.held << "\"";
    }
}

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

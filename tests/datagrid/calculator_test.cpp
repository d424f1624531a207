// The calculator: its keys as its description places them, the key state
// machine and the clipboard.
#include "datagrid/CalculatorVyn.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/formresources.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/clipboard.h"
#include "support/temp_dir.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"

namespace {

// A calculator whose own description says its text was 13 pixels high
// where this platform measures 11: keys and client size scale by 11/13.
class TScaledCalculatorVyn : public TCalculatorVyn {
    SERVIORA_CLASS(TScaledCalculatorVyn, TCalculatorVyn)
public:
    using TCalculatorVyn::TCalculatorVyn;
};

const char kScaledDescription[] =
    "object ScaledCalculator: TScaledCalculatorVyn\n  ClientHeight = 127\n  ClientWidth = 184\n"
    "  TextHeight = 13\nend\n";

// Feeds a sequence of keys: "<" stands for Backspace, "\n" for Enter.
void Feed(TCalculatorVyn& calculator, const char* keys) {
    for (const char* k = keys; *k; ++k) calculator.FeedKey(*k == '<' ? '\b' : *k == '\n' ? '\r' : *k);
}

}  // namespace

using CalculatorTest = FormControlTest;

TEST_F(CalculatorTest, TheDescriptionPlacesTheDisplayAndTheKeys) {
    TCalculatorVyn* calculator = Place<TCalculatorVyn>(form, 10, 10, 0, 0);
    EXPECT_EQ(calculator->ClientWidth(), 184);
    EXPECT_EQ(calculator->ClientHeight(), 127);
    EXPECT_EQ(calculator->ShownText(), "0");
    EXPECT_EQ(calculator->spEqual->Caption(), "Ok");
    const struct {
        const char* name;
        int tag;
        const char* caption;
        TRect bounds;
        TColor colour;
    } keys[] = {{"SpeedButton1", 1, "7", {6, 29, 33, 51}, clBlue},
                {"SpeedButton23", 6, "C", {151, 29, 178, 75}, clRed},
                {"SpeedButton24", 12, "Cancel", {151, 52, 178, 75}, clRed},
                {"SpeedButton22", 18, "<-", {151, 77, 178, 99}, clRed},
                {"spEqual", 23, "Ok", {122, 101, 178, 123}, clRed}};
    for (const auto& key : keys) {
        SCOPED_TRACE(key.name);
        auto* button = dynamic_cast<TSpeedButtonVyn*>(calculator->FindComponent(key.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Tag(), key.tag);
        EXPECT_EQ(button->Caption(), key.caption);
        EXPECT_EQ(button->BoundsRect(), key.bounds);
        EXPECT_EQ(button->Font()->Color(), key.colour);
        EXPECT_EQ(button->Style(), ebsGlyphVyn);
    }
    int keyCount = 0;
    for (int i = 0; i < calculator->ComponentCount(); ++i)
        keyCount += dynamic_cast<TSpeedButtonVyn*>(calculator->Components(i)) != nullptr;
    EXPECT_EQ(keyCount, 23);

    // The tall C key lies over Cancel and takes its clicks.
    ProcessMessages();
    Feed(*calculator, "42");
    SimulateClick(calculator->Handle(), POINT{164, 63});
    ProcessMessages();
    EXPECT_EQ(calculator->ShownText(), "0");
    SimulateClick(calculator->Handle(), POINT{19, 40});  // 7
    ProcessMessages();
    EXPECT_EQ(calculator->ShownText(), "7");
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "dbgrid-calculator.png"));
    // Captions are written in their keys' colours: red "<-", blue "7".
    const auto keyHolds = [&](const char* name, TColor colour) {
        const TRect bounds = dynamic_cast<TControl*>(calculator->FindComponent(name))->BoundsRect();
        POINT origin{0, 0};
        ClientToScreen(calculator->Handle(), &origin);
        RECT window{};
        GetWindowRect(calculator->Handle(), &window);
        bool found = false;
        for (int x = bounds.left; x < bounds.right && !found; ++x)
            for (int y = bounds.top; y < bounds.bottom && !found; ++y)
                found = ShownPixel(calculator->Handle(), x + origin.x - window.left, y + origin.y - window.top) ==
                        ColorToRGB(colour);
        return found;
    };
    EXPECT_TRUE(keyHolds("SpeedButton22", clRed));
    EXPECT_TRUE(keyHolds("SpeedButton1", clBlue));
}

TEST_F(CalculatorTest, AnotherMeasuredTextHeightScalesTheKeys) {
    RegisterFormResource("TScaledCalculatorVyn", reinterpret_cast<const unsigned char*>(kScaledDescription),
                         sizeof kScaledDescription - 1);
    TCalculatorVyn* calculator = Place<TScaledCalculatorVyn>(form, 10, 10, 0, 0);
    auto* seven = dynamic_cast<TSpeedButtonVyn*>(calculator->FindComponent("SpeedButton1"));
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(seven->BoundsRect(), (TRect{6 * 11 / 13, 29 * 11 / 13, 6 * 11 / 13 + 27 * 11 / 13, 29 * 11 / 13 + 22 * 11 / 13}));
    EXPECT_EQ(calculator->ClientWidth(), MulDiv(184, 11, 13));
    EXPECT_EQ(calculator->ClientHeight(), MulDiv(127, 11, 13));
}

TEST_F(CalculatorTest, KeysComputeAsTheCalculatorDoes) {
    ValueRestorer<char> separator(DecimalSeparator, ',');
    TCalculatorVyn* calculator = Place<TCalculatorVyn>(form, 10, 10, 0, 0);
    const struct {
        const char* keys;
        const char* shown;
        const char* equalKey;
    } cases[] = {
        {"12+7=", "19", "Ok"},
        {"200+10%", "220", "Ok"},
        {"200*10%", "20", "Ok"},
        {"12+7", "7", "="},
        // The equal key waits for the number also when the first operand is 0.
        {"0-5", "5", "="},
        {"0-5\n", "-5", "Ok"},
        {"5/0=", "Error", "Ok"},
        {"5/0=3+<", "Error", "Ok"},
        {"5/0=3C", "0", "Ok"},
        {"1234567890123456", "123456789012345", "Ok"},
        {"12345678901234I56", "-123456789012345", "Ok"},
        {"1.5,2", "1,52", "Ok"},
        {"123<<", "1", "Ok"},
        {"7<", "0", "Ok"},
        {"0R", "Error", "Ok"},
        {"4IS", "Error", "Ok"},
        {"9r", "0,111111111111111", "Ok"},
        {"16s", "4", "Ok"},
        {"12c", "0", "Ok"},
        {"3*+4=", "7", "Ok"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        calculator->ClearAll();
        Feed(*calculator, c.keys);
        EXPECT_EQ(calculator->ShownText(), c.shown);
        EXPECT_EQ(calculator->spEqual->Caption(), c.equalKey);
    }
}

TEST_F(CalculatorTest, TheDisplayGoesToAndComesFromTheClipboard) {
    TCalculatorVyn* calculator = Place<TCalculatorVyn>(form, 10, 10, 0, 0);
    Feed(*calculator, "12.5");
    calculator->FeedKey('\x03');
    EXPECT_EQ(PasteTextFromClipboard(0), "12.5");
    CopyTextToClipboard(0, " 42 ");
    calculator->FeedKey('\x16');
    EXPECT_EQ(calculator->ShownText(), "42");
    CopyTextToClipboard(0, "abc");
    EXPECT_THROW(calculator->FeedKey('\x16'), EConvertError);
    EXPECT_EQ(calculator->ShownText(), "42");
}

namespace {

// An editor that owns a pop-up and records what it is asked.
class THostEdit : public TEdit, public IDropDownHostVyn {
    SERVIORA_CLASS(THostEdit, TEdit)
public:
    using TEdit::TEdit;
    std::vector<bool> closes;
    void CloseDropDown(bool accept) override { closes.push_back(accept); }
};

}  // namespace

TEST_F(CalculatorTest, ThePopupTellsItsEditorToClose) {
    THostEdit* host = Place<THostEdit>(form, 10, 10, 100, 24);
    auto* popup = TPopupCalculatorVyn::Create(host);
    popup->SetParent(form);
    EXPECT_EQ(popup->ClientWidth(), 184);
    EXPECT_EQ(popup->Width(), 184 + 4);
    EXPECT_FALSE(popup->CanFocus());
    Feed(*popup, "12+7\n");
    EXPECT_EQ(popup->ShownText(), "19");
    EXPECT_TRUE(host->closes.empty());
    EXPECT_TRUE(popup->EnterClosesPopup());
    popup->FeedKey('\r');
    EXPECT_EQ(host->closes, std::vector<bool>{true});
    EXPECT_EQ(popup->CurrentValue().AsDouble(), 19);
    // "0 - 5" waits for Enter to compute -5; the next Enter closes.
    popup->LoadValue(0);
    Feed(*popup, "-5\n");
    EXPECT_EQ(popup->ShownText(), "-5");
    EXPECT_EQ(host->closes.size(), 1u);
    Feed(*popup, "=");
    EXPECT_EQ(host->closes, (std::vector<bool>{true, true}));
    popup->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(host->closes.back(), false);
    EXPECT_EQ(popup->Perform(CM_WANTSPECIALKEY, VK_RETURN, 0), 1);
    EXPECT_EQ(host->closes.back(), true);
    popup->Perform(QueuedCloseUpMessage, 0, 0);
    EXPECT_EQ(host->closes.back(), false);
    Feed(*popup, "C5/0=");
    EXPECT_TRUE(VarIsError(popup->CurrentValue()));

    // A click on a key leaves the focus in the editor.
    host->SetFocus();
    ProcessMessages();
    ShowDropDownAt(popup, form->ClientToScreen(TPoint{10, 40}));
    ProcessMessages();
    popup->ClearAll();
    SimulateClick(popup->Handle(), POINT{19 + 2, 40 + 2});  // 7, inside the frame
    ProcessMessages();
    EXPECT_EQ(popup->ShownText(), "7");
    EXPECT_TRUE(host->Focused());
    popup->Invalidate();
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(popup->Handle(), ScreenshotDir() + "dbgrid-popup-calculator.png"));
}

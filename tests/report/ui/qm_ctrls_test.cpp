// The report widgets: scroll-box bars as value models, the ruler's ticks,
// the spin edit's texts and keys, and the colour picker's palette.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/sysparams.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "platform/win/testseams.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "report/ui/qm_ctrls_popup.h"
#include "report/ui/qm_ctrls_ruler.h"
#include "report/ui/qm_ctrls_scroll.h"
#include "report/ui/qm_ctrls_spinedit.h"

namespace {

class Widgets : public testing::Test {
protected:
    void SetUp() override {
        form->SetBounds(100, 100, 400, 300);
        form->Show();
        DispatchQueuedMessages();
    }
    void TearDown() override { ResetModalResponder(); }

    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
};

TEST_F(Widgets, ScrollPositionsAreClampedBelowTheLastPage) {
    struct Case {
        int min, max, largeChange, asked, expected;
    } cases[] = {{0, 100, 10, 95, 90}, {0, 5, 10, 3, 0}, {0, 100, 10, -4, 0}, {10, 100, 10, 12, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        TQmScrollBox box(nullptr);
        TQmScrollBar* bar = box.VertScrollBar();
        bar->SetMin(c.min);
        bar->SetMax(c.max);
        bar->SetLargeChange(c.largeChange);
        bar->SetPosition(c.asked);
        EXPECT_EQ(bar->Position(), c.expected);
    }
}

TEST_F(Widgets, ABarMessageReportsAChangeTwiceAndNoChangeOnce) {
    auto* box = new TQmScrollBox(form.get());
    box->SetParent(form.get());
    std::vector<TQmScrollBarKind> reports;
    std::vector<int> positions;
    box->OnChange = [&](TObject* sender, TQmScrollBarKind kind) {
        reports.push_back(kind);
        positions.push_back(static_cast<TQmScrollBar*>(sender)->Position());
    };
    SendMessage(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(reports, (std::vector<TQmScrollBarKind>{qmsbVertical, qmsbVertical}));
    EXPECT_EQ(positions, (std::vector<int>{1, 1}));
    SCROLLINFO info;
    info.fMask = SIF_POS;
    GetScrollInfo(box->Handle(), SB_VERT, &info);
    EXPECT_EQ(info.nPos, 1) << "the window's bar follows";

    reports.clear();
    SendMessage(box->Handle(), WM_HSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(reports, std::vector<TQmScrollBarKind>{qmsbHorizontal}) << "unchanged: only the notice";
    SendMessage(box->Handle(), WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(box->HorzScrollBar()->Position(), 10);
    SendMessage(box->Handle(), WM_HSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(box->HorzScrollBar()->Position(), 90);
}

TEST_F(Widgets, RulerTicksFollowTheUnits) {
    TQmDesignerRuler ruler(nullptr);
    struct Case {
        TQmUnitType units;
        int perLabel;
        double pixelsPerTick;
        const char* label1;  // the text at the first label after 0
    } cases[] = {{qmutMillimeters, 5, 96 / 2.54 / 5, "10"},
                 {qmutScreenPixels, 10, 9.6, "96"},
                 {qmutInches, 8, 12, "1"},
                 {qmutMMThousandths, 5, 96 / 2.54 / 5, "10k"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label1);
        ruler.SetUnits(c.units);
        EXPECT_EQ(ruler.TicksPerLabel(), c.perLabel);
        EXPECT_NEAR(ruler.PixelsPerTick(), c.pixelsPerTick, 1e-9);
        EXPECT_EQ(ruler.LabelText(0), "0");
        EXPECT_EQ(ruler.LabelText(c.perLabel), c.label1);
    }
    ruler.SetUnits(qmutMillimeters);
    EXPECT_EQ(ruler.LabelText(10), "20");
    ruler.SetOffset(-5);
    EXPECT_EQ(ruler.Offset(), 0);
}

TEST_F(Widgets, SpinEditTextsReadAsValues) {
    auto* spin = new TQmSpinEdit(form.get());
    spin->SetParent(form.get());
    EXPECT_EQ(spin->Text(), "0");
    spin->SetMinValue(3);
    spin->SetMaxValue(50);
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"", 0}, {"-", 0}, {"12", 12}, {"12a", 3}, {"99", 99}};
    for (const Case& c : cases) {
        spin->SetText(c.text);
        EXPECT_EQ(spin->Value(), c.value) << c.text;
    }
    spin->SetValue(99);
    EXPECT_EQ(spin->Text(), "50");
    spin->SetValue(-1);
    EXPECT_EQ(spin->Text(), "3");
    spin->SetMinValue(0);
    spin->SetMaxValue(0);
    spin->SetValue(-7);
    EXPECT_EQ(spin->Text(), "-7") << "equal limits do not clamp";

    spin->SetValueType(qmvtFloat);
    spin->SetValue(1.5);
    EXPECT_EQ(spin->Text(), "1.50");
    spin->SetDecimal(1);
    EXPECT_EQ(spin->Text(), "1.5");
    spin->SetText("x");
    EXPECT_EQ(spin->Value(), 0) << "a float's bad text reads MinValue";
}

TEST_F(Widgets, SpinEditAcceptsOnlyNumberCharacters) {
    auto* spin = new TQmSpinEdit(form.get());
    struct Case {
        TQmValueType type;
        const char* text;
        char key;
        bool valid;
    } cases[] = {{qmvtInteger, "1", '5', true},  {qmvtInteger, "1", 'a', false}, {qmvtInteger, "1", '.', false},
                 {qmvtInteger, "1", '-', true},  {qmvtInteger, "1", '\b', true}, {qmvtFloat, "1", '.', true},
                 {qmvtFloat, "1.5", '.', false}, {qmvtFloat, "1", 'E', true},    {qmvtFloat, "1E3", 'e', false}};
    for (const Case& c : cases) {
        spin->SetValueType(c.type);
        spin->SetText(c.text);
        EXPECT_EQ(spin->IsValidChar(c.key), c.valid) << c.text << " + " << c.key;
    }
    spin->SetEditorEnabled(false);
    EXPECT_FALSE(spin->IsValidChar('5'));
    EXPECT_FALSE(spin->IsValidChar('\b'));
    EXPECT_TRUE(spin->IsValidChar('\r'));
}

TEST_F(Widgets, SpinEditStepsByKeysAndReportsEachChangeOnce) {
    auto* spin = new TQmSpinEdit(form.get());
    spin->SetParent(form.get());
    spin->SetMaxValue(10);
    int changes = 0, tops = 0;
    spin->SetOnChange([&](TObject*) { ++changes; });
    spin->OnTopClick = [&](TObject*) { ++tops; };
    spin->SetFocus();
    DispatchQueuedMessages();
    SimulateKey(VK_UP, true);
    SimulateKey(VK_UP, false);
    DispatchQueuedMessages();
    EXPECT_EQ(spin->Text(), "1");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tops, 1);
    EXPECT_TRUE(spin->Modified());

    spin->SetValue(10);
    changes = 0;
    spin->UpClick(spin);
    EXPECT_EQ(spin->Text(), "10");
    EXPECT_EQ(changes, 0) << "at the limit nothing changed";

    SimulateTyping("a");
    DispatchQueuedMessages();
    EXPECT_EQ(spin->Text(), "10") << "a letter is refused";

    spin->SetReadOnly(true);
    spin->DownClick(spin);
    EXPECT_EQ(spin->Text(), "10");
}

TEST_F(Widgets, SpinEditArrowsStepOncePerClick) {
    auto* spin = new TQmSpinEdit(form.get());
    spin->SetParent(form.get());
    spin->SetBounds(10, 10, 80, 21);
    form->Show();
    DispatchQueuedMessages();
    TKyUpDown* arrows = spin->Buttons();
    EXPECT_EQ(arrows->Width(), TQmSpinEdit::ButtonWidth());
    EXPECT_EQ(arrows->Left() + arrows->Width(), spin->ClientWidth()) << "at the edit's right edge";
    int tops = 0;
    spin->OnTopClick = [&](TObject*) { ++tops; };
    const auto click = [&](bool upper) {
        ASSERT_TRUE(SimulateClick(arrows->Handle(), POINT{arrows->Width() / 2, upper ? 3 : arrows->Height() - 3}));
        DispatchQueuedMessages();
    };
    click(true);
    click(true);
    EXPECT_EQ(spin->Text(), "2") << "the arrows' own position never runs out";
    EXPECT_EQ(tops, 2);
    click(false);
    EXPECT_EQ(spin->Text(), "1");
    EXPECT_TRUE(spin->Focused());
}

TEST_F(Widgets, SpinEditArrowsStayDrawnWhenTheFormRepaints) {
    auto* spin = new TQmSpinEdit(form.get());
    spin->SetParent(form.get());
    spin->SetBounds(10, 10, 80, 21);
    DispatchQueuedMessages();
    TKyUpDown* arrows = spin->Buttons();
    // The upper arrow's black tip in the middle column of its half.
    const auto arrowShown = [&] {
        const HBITMAP shot = CaptureWindow(arrows->Handle());
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, shot);
        bool black = false;
        for (int y = 0; y < arrows->Height() / 2; ++y) black = black || GetPixel(dc, arrows->Width() / 2, y) == 0;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(shot);
        return black;
    };
    ASSERT_TRUE(arrowShown());
    form->Repaint();
    DispatchQueuedMessages();
    EXPECT_TRUE(arrowShown()) << "the form leaves the edit's child window out when it paints";
}

class ColorPicker : public Widgets {
protected:
    void SetUp() override {
        Widgets::SetUp();
        picker = new TQmColorPickerButton(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(10, 10, 30, 22);
        picker->OnColorChange = [this](TObject*) { ++changes; };
    }
    TRect ScreenRectOf(TControl* control) {
        const TPoint origin = control->ClientToScreen(TPoint{0, 0});
        return TRect(origin.x, origin.y, origin.x + control->Width(), origin.y + control->Height());
    }
    void ClickCell(int index) {
        TSpeedButton* cell = picker->PaletteButton(index);
        SimulateClick(picker->DropDownPanel()->Handle(), POINT{cell->Left() + 3, cell->Top() + 3});
        DispatchQueuedMessages();
    }

    TQmColorPickerButton* picker = nullptr;
    int changes = 0;
};

TEST_F(ColorPicker, PaletteOpensBelowItsButtonOrAboveNearTheBottom) {
    picker->SetCurrentColor(clNone);
    SimulateClick(form->Handle(), POINT{15, 15});
    DispatchQueuedMessages();
    TQmPopupWindow* palette = picker->DropDownPanel();
    ASSERT_TRUE(palette->Visible());
    EXPECT_EQ(palette->ClientWidth(), 158);
    EXPECT_EQ(palette->ClientHeight(), 148);
    EXPECT_EQ(palette->Left(), ScreenRectOf(picker).left);
    EXPECT_EQ(palette->Top(), ScreenRectOf(picker).bottom);
    EXPECT_TRUE(picker->PaletteButton(40)->Down()) << "the automatic colour is current";
    const TSpeedButton* last = picker->PaletteButton(39);
    EXPECT_EQ(last->Left(), 7 + 18 * 7);
    EXPECT_EQ(last->Top(), 2 + 22 + 4 + 18 * 4);
    EXPECT_EQ(picker->PaletteButton(41)->Top(), last->Top() + 18 + 4);
    picker->DropDown(false);
    EXPECT_FALSE(palette->Visible());

    form->SetTop(GetSystemMetrics(SM_CYSCREEN) - 80);
    picker->DropDown(true);
    EXPECT_EQ(palette->Top() + palette->Height(), ScreenRectOf(picker).top);
}

TEST_F(ColorPicker, ACellOrTheColourDialogChoosesTheColour) {
    picker->DropDown(true);
    ClickCell(13);
    EXPECT_EQ(picker->CurrentColor(), TColor(0xFF0000));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(picker->DropDownPanel()->Visible());
    EXPECT_EQ(picker->Glyph()->Canvas()->Pixels(5, 13), TColor(0xFF0000)) << "the glyph's colour bar";
    EXPECT_EQ(picker->State(), tbsUp) << "released once the palette closed";

    picker->DropDown(true);
    EXPECT_TRUE(picker->PaletteButton(13)->Down());
    EXPECT_FALSE(picker->PaletteButton(40)->Down());
    PushModalAnswer({1, "$00123456"});
    ClickCell(41);
    EXPECT_EQ(picker->CurrentColor(), TColor(0x123456));
    EXPECT_EQ(changes, 2);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "16711680") << "the dialog starts at the current colour";
}

}  // namespace

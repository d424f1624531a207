// The toolbar's layout: rows that wrap at the far margin (never before the
// first control), controls centred across their row, the size that follows
// the rows; the text presets, the automatic borders, the parents that size
// the toolbar themselves, the spacer's turning, the tiled background, the
// scaled row height and the stored customising texts.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxPanel.h"
#include "tests/platform/win/window_fixture.h"

namespace {

// A parent that sizes its toolbar itself.
class TPageScroller : public TWinControl {
    SERVIORA_CLASS(TPageScroller, TWinControl)
public:
    using TWinControl::TWinControl;
};

class Toolbar : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(new TForm(nullptr, 0));
        form_->SetBounds(0, 0, 800, 400);
        bar_ = new TVxToolbar(form_.get());
        bar_->SetParent(form_.get());
    }
    TControl* AddControl(int width, int height) {
        auto* control = new TVxSpacer(form_.get());
        control->SetBounds(0, 0, width, height);
        control->SetParent(bar_);
        bar_->Realign();
        return control;
    }

    std::unique_ptr<TForm> form_;
    TVxToolbar* bar_;
};

TEST_F(Toolbar, ControlsWrapOntoRowsAndTheToolbarTakesTheirHeight) {
    bar_->SetAlign(alNone);
    bar_->SetWidth(200);
    std::vector<TControl*> buttons;
    for (int i = 0; i < 5; ++i) buttons.push_back(AddControl(60, 25));
    const int lefts[] = {4, 64, 124, 4, 64}, tops[] = {2, 2, 2, 27, 27};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons[i]->Left(), lefts[i]) << i;
        EXPECT_EQ(buttons[i]->Top(), tops[i]) << i;
    }
    EXPECT_EQ(bar_->Height(), 25 * 2 + 2 * 2);
}

TEST_F(Toolbar, TheFirstControlIsNeverWrappedAndTallOnesCentreAcrossTheRow) {
    bar_->SetAlign(alNone);
    bar_->SetWidth(50);
    TControl* wide = AddControl(80, 40);
    EXPECT_EQ(wide->Left(), 4);
    EXPECT_EQ(wide->Top(), 2 + 12 - 20) << "a 40-pixel control in a 25-pixel row";
    TControl* next = AddControl(10, 25);
    EXPECT_EQ(next->Left(), 4);
    EXPECT_EQ(next->Top(), 25 + 2);
}

TEST_F(Toolbar, AParentThatSizesTheToolbarKeepsAutoResizeOff) {
    auto* scroller = new TPageScroller(form_.get());
    scroller->SetParent(form_.get());
    bar_->SetParent(scroller);
    EXPECT_FALSE(bar_->AutoResize());
    bar_->SetAutoResize(true);
    EXPECT_FALSE(bar_->AutoResize());
    bar_->SetParent(form_.get());
    bar_->SetAutoResize(true);
    EXPECT_TRUE(bar_->AutoResize());
}

TEST_F(Toolbar, TextPresetsSetTheButtonsAndAButtonSettingMakesThemCustom) {
    bar_->SetTextOptions(ttoShowTextLabels);
    EXPECT_EQ(bar_->ButtonLayout(), blGlyphTop);
    EXPECT_EQ(bar_->ButtonWidth(), 60);
    EXPECT_EQ(bar_->ButtonHeight(), 40);
    EXPECT_TRUE(bar_->ShowButtonCaptions());
    EXPECT_EQ(bar_->RowHeight(), 40);
    EXPECT_EQ(bar_->TextOptions(), ttoShowTextLabels);
    bar_->SetButtonWidth(70);
    EXPECT_EQ(bar_->TextOptions(), ttoCustom);
}

TEST_F(Toolbar, AutomaticBordersFollowTheAlignmentAndTheDivider) {
    bar_->AutoStyleBorders(alBottom);
    EXPECT_EQ(bar_->BorderSides(), TSides{sdBottom});
    EXPECT_EQ(bar_->BorderOuter(), fsGroove);
    bar_->SetShowDivider(false);
    bar_->AutoStyleBorders(alTop);
    EXPECT_EQ(bar_->BorderOuter(), fsNone) << "no groove on any side";
    EXPECT_TRUE(bar_->AutoStyle());
    bar_->SetBorderSides(TSides{sdLeft});
    EXPECT_FALSE(bar_->AutoStyle()) << "a border of one's own ends the automatic look";
}

TEST_F(Toolbar, AligningTheToolbarMovesItsBordersAndSizesItAcrossTheNewSide) {
    AddControl(60, 25);
    bar_->SetAlign(alLeft);
    EXPECT_EQ(bar_->BorderSides(), TSides{sdLeft});
    EXPECT_EQ(bar_->Width(), 4 + (4 + 60)) << "the margin past the widest row, not the starting 32";
    bar_->SetAlign(alBottom);
    EXPECT_EQ(bar_->BorderSides(), TSides{sdBottom});
    EXPECT_EQ(bar_->Height(), 25 + 2 * 2);
    bar_->SetBorderSides(TSides{sdTop});
    bar_->SetAlign(alTop);
    EXPECT_EQ(bar_->BorderSides(), TSides{sdTop}) << "its own borders stay";
    bar_->SetBorderSides(TSides{sdBottom});
    bar_->SetAlign(alLeft);
    EXPECT_EQ(bar_->BorderSides(), TSides{sdBottom});
}

TEST_F(Toolbar, TurningTheToolbarTurnsItsSpacers) {
    auto* spacer = new TVxSpacer(form_.get());
    spacer->SetParent(bar_);
    EXPECT_EQ(spacer->Width(), 8);
    EXPECT_EQ(spacer->Height(), 25);
    bar_->SetOrientation(orVertical);
    EXPECT_EQ(spacer->Orientation(), orVertical);
    EXPECT_EQ(spacer->Width(), 25);
    EXPECT_EQ(spacer->Height(), 8);
}

TEST_F(Toolbar, TheBackgroundIsTiledFromInsideTheBorders) {
    TBitmap tile;
    tile.SetWidth(10);
    tile.SetHeight(7);
    tile.Canvas()->Brush()->SetColor(clRed);
    tile.Canvas()->FillRect(TRect(0, 0, 10, 7));
    tile.Canvas()->SetPixels(0, 0, clBlue);
    bar_->SetBackground(&tile);
    form_->Show();
    DispatchQueuedMessages();
    const HWND window = bar_->Handle();
    EXPECT_EQ(ShownPixel(window, 0, 0), ColorToRGB(clBtnShadow)) << "the groove stays";
    EXPECT_EQ(ShownPixel(window, 0, 2), ColorToRGB(clBlue)) << "tiles start below the groove";
    EXPECT_EQ(ShownPixel(window, 10, 9), ColorToRGB(clBlue));
    const int lastTile = (bar_->Width() - 1) / 10 * 10;
    EXPECT_EQ(ShownPixel(window, lastTile + 1, 23), ColorToRGB(clRed));
    EXPECT_EQ(ShownPixel(window, lastTile, 23), ColorToRGB(clBlue));
}

TEST_F(Toolbar, ScalingScalesTheRowHeight) {
    bar_->SetRowHeight(60);
    bar_->ScaleBy(3, 2);
    EXPECT_EQ(bar_->RowHeight(), 90);
}

TEST_F(Toolbar, TheCustomisingTextsAreStoredOnlyOnceOneIsSet) {
    bar_->SetName("Bar");
    TVxCustomizeCaptions* texts = bar_->CustomizeCaptions();
    EXPECT_EQ(texts->Caption(TVxCustomizeCaptions::ccTitle), "Customize Toolbar");
    EXPECT_EQ(texts->Caption(TVxCustomizeCaptions::ccSelectiveTextOnRight), "Selective text on right");
    EXPECT_EQ(ComponentToText(bar_).find("CustomizeCaptions"), std::string::npos);
    texts->SetCaption(TVxCustomizeCaptions::ccClose, "关闭");
    TVxToolbar copy(nullptr);
    copy.SetName("Bar");
    ReadComponentFromString(ComponentToText(bar_), &copy);
    EXPECT_EQ(copy.CustomizeCaptions()->Caption(TVxCustomizeCaptions::ccClose), "关闭");
    EXPECT_EQ(copy.CustomizeCaptions()->Caption(TVxCustomizeCaptions::ccMoveUp), "Move Up");
}

TEST_F(Toolbar, ARemovedControlLeavesItsGapAndAnAddedOneGoesLast) {
    TControl* first = AddControl(60, 25);
    TControl* second = AddControl(60, 25);
    TControl* third = AddControl(60, 25);
    EXPECT_EQ(third->Left(), 4 + 60 + 60);
    delete second;
    EXPECT_EQ(third->Left(), 4 + 60);
    TControl* fourth = AddControl(30, 25);
    EXPECT_EQ(fourth->Left(), 4 + 60 + 60);
    bar_->SetControlIndex(fourth, 0);
    EXPECT_EQ(fourth->Left(), 4);
    EXPECT_EQ(first->Left(), 4 + 30);
    first->SetParent(form_.get());
    bar_->Realign();
    EXPECT_EQ(bar_->ToolbarControls(), (std::vector<TControl*>{fourth, third}));
}

TEST(ToolbarControlList, NamesAreFoundWithoutRegardToCaseAndListedOnce) {
    TForm form(nullptr, 0);
    TVxToolbarControlList list(&form, [](const TControl*) { return true; });
    auto* button = new TVxSpacer(&form);
    button->SetName("Spacer1");
    EXPECT_EQ(list.AppendControl(button), 0);
    EXPECT_EQ(list.AppendControl(button), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.FindName("SPACER1"), 0);
    EXPECT_EQ(list.DropName("nothing"), -1);
    EXPECT_EQ(list.DropName("spacer1"), 0);
    EXPECT_EQ(list.FindControl(button), -1);
}

}  // namespace

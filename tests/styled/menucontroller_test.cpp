// Menu items measured and painted by the menu controller.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/graphic.h"
#include "styled/VxColors.h"
#include "styled/VxMenuController.h"

namespace {

class MenuController : public testing::Test {
protected:
    void SetUp() override {
        menu_ = new TMainMenu(&owner_);
        file_ = AddItem(menu_->Items(), "文件(&F)");
        open_ = AddItem(file_, "打开(&O)");
        line_ = AddItem(file_, "-");
        controller_ = new TVxMenuController(&owner_);
        controller_->SetGradientColorStyle(gcsCustom);
        controller_->HookAllItems();
        bitmap_.SetSize(120, 22);
    }
    TMenuItem* AddItem(TMenuItem* parent, const char* caption) {
        auto* item = new TMenuItem(&owner_);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    void Paint(TMenuItem* item, TOwnerDrawState state, int height = 22) {
        TCanvas* canvas = bitmap_.Canvas();
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(Rect(0, 0, 120, 22));
        item->OnAdvancedDrawItem()(item, canvas, Rect(0, 0, 120, height), state);
    }
    COLORREF Pixel(int x, int y) { return ColorToRGB(bitmap_.Canvas()->Pixels(x, y)); }
    bool AnyPixel(const TRect& area, TColor color) {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (Pixel(x, y) == ColorToRGB(color)) return true;
        return false;
    }

    TComponent owner_{nullptr};
    TMainMenu* menu_;
    TMenuItem *file_, *open_, *line_;
    TVxMenuController* controller_;
    TBitmap bitmap_;
};

TEST_F(MenuController, DropDownItemsAreTallerAndWiderWithoutImages) {
    struct Case {
        TMenuItem* item;
        int width, height;
    };
    const Case cases[] = {{open_, 131, 22}, {line_, 131, 3}, {file_, 100, 22}};
    for (const Case& c : cases) {
        TMenuItem* item = c.item;
        int width = 100, height = 0;
        item->OnMeasureItem()(item, bitmap_.Canvas(), width, height);
        EXPECT_EQ(width, c.width) << item->Caption();
        EXPECT_EQ(height, c.height) << item->Caption();
    }
}

TEST_F(MenuController, ADropDownItemHasItsIconBarAndACentredCheckGlyph) {
    Paint(open_, {});
    // The icon bar runs from its stop colour at the right towards white.
    EXPECT_EQ(Pixel(23, 11), ColorToRGB(clBtnFace));
    EXPECT_GT(GetRValue(Pixel(0, 11)), GetRValue(ColorToRGB(clBtnFace)));
    EXPECT_EQ(Pixel(24, 1), ColorToRGB(clWindow));
    EXPECT_FALSE(AnyPixel(Rect(4, 3, 20, 19), clBlack));
    open_->SetChecked(true);
    Paint(open_, {});
    EXPECT_EQ(Pixel(1, 1), ColorToRGB(cl3DDkShadow));  // the check box outline
    EXPECT_TRUE(AnyPixel(Rect(4, 3, 20, 19), clBlack));
    EXPECT_FALSE(AnyPixel(Rect(0, 0, 4, 22), clBlack));
}

TEST_F(MenuController, ASeparatorIsALineOneBelowItsTopFromSixRightOfTheBar) {
    Paint(line_, {}, 3);
    EXPECT_EQ(Pixel(29, 1), ColorToRGB(clWindow));
    EXPECT_EQ(Pixel(30, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(119, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(30, 0), ColorToRGB(clWindow));
    EXPECT_EQ(Pixel(30, 2), ColorToRGB(clWindow));
}

TEST_F(MenuController, ADisabledItemUnderTheMouseIsDrawnUnselectedInGrey) {
    open_->SetEnabled(false);
    Paint(open_, TOwnerDrawState{odSelected});
    EXPECT_EQ(Pixel(24, 1), ColorToRGB(clWindow));
    EXPECT_EQ(Pixel(119, 0), ColorToRGB(clWindow));
    EXPECT_TRUE(AnyPixel(Rect(30, 0, 120, 22), clGrayText));
    open_->SetEnabled(true);
    Paint(open_, TOwnerDrawState{odSelected});
    EXPECT_EQ(Pixel(0, 0), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(Pixel(60, 20), ColorToRGB(clBtnShadow));  // the selection ramp's stop colour at the bottom
    EXPECT_TRUE(AnyPixel(Rect(30, 0, 120, 22), clWindowText));
}

TEST_F(MenuController, TheBlueSchemeHighlightsWithItsColoursAndNoFullColourFillsWithTheStop) {
    controller_->SetGradientColorStyle(gcsMSOffice);
    SetVisualStylesEnabled(true);
    Paint(open_, TOwnerDrawState{odSelected});
    EXPECT_EQ(Pixel(0, 0), COLORREF(RGB(0, 0, 128)));
    EXPECT_EQ(Pixel(60, 20), COLORREF(RGB(255, 217, 160)));
    EXPECT_NE(Pixel(60, 1), COLORREF(RGB(255, 217, 160)));
    SetFullColor(false);
    Paint(open_, TOwnerDrawState{odSelected});
    EXPECT_EQ(Pixel(60, 1), COLORREF(RGB(255, 217, 160)));
    SetFullColor(true);
    SetVisualStylesEnabled(false);
}

TEST_F(MenuController, ItemsTheProgramDrawsStayItsOwnAndDestroyingUnhooksTheRest) {
    auto* own = new TMenuItem(&owner_);
    bool drawn = false;
    own->SetOnAdvancedDrawItem([&drawn](TObject*, TCanvas*, TRect, TOwnerDrawState) { drawn = true; });
    controller_->HookMenuItem(own);
    own->OnAdvancedDrawItem()(own, bitmap_.Canvas(), Rect(0, 0, 1, 1), {});
    EXPECT_TRUE(drawn);
    auto* later = new TMenuItem(nullptr);
    owner_.InsertComponent(later);  // hooked as the owner gains it
    EXPECT_TRUE(bool(later->OnMeasureItem()));
    delete controller_;
    for (TMenuItem* item : {file_, open_, line_, later}) {
        EXPECT_FALSE(bool(item->OnAdvancedDrawItem()));
        EXPECT_FALSE(bool(item->OnMeasureItem()));
    }
    EXPECT_TRUE(bool(own->OnAdvancedDrawItem()));
}

}  // namespace

// The skin the build packs: every element present with its state count.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/gdi/imagecodecs.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinFormDraw.h"
#include "support/temp_dir.h"
#include "tools/skinpack/SkinArt.h"
#include "tools/skinpack/SkinDataForm.h"

namespace {

class ServioraSkin : public testing::Test {
protected:
    void SetUp() override {
        package_.LoadFromFile(SERVIORA_SKIN_PACKAGE);
        ASSERT_TRUE(reader_.Load(&package_));
        TMemoryStream text;
        AnsiString name;
        reader_.FindMember(".ini", &text, name);
        ASSERT_EQ(name, "serviora.ini");
        ini_.LoadFromStream(&text);
        skin_.LoadDescription(&reader_, &ini_);
    }

    TMemoryStream package_;
    TSkinReader reader_;
    TQuickIni ini_;
    TSkinData skin_{nullptr};
};

TEST_F(ServioraSkin, HoldsTheArtAndTheDescriptionAsVersion70000) {
    EXPECT_EQ(reader_.Version(), 70000);
    const std::vector<TSkinMember> art = PaintSkinArt();
    ASSERT_EQ(reader_.MemberCount(), static_cast<Integer>(art.size()) + 1);
    for (const TSkinMember& member : art) {
        TMemoryStream bytes;
        reader_.ReadMember(member.name, &bytes);
        EXPECT_EQ(bytes.Size(), static_cast<Int64>(member.bytes.size())) << member.name;
    }
}

struct TElementFrames {
    const char* name;
    TDataSkinObject* (*element)(const TSkinData&);
    Integer frames;
};

class ServioraSkinElements : public ServioraSkin, public testing::WithParamInterface<TElementFrames> {};

TEST_P(ServioraSkinElements, IsPresentWithItsStateFrames) {
    TDataSkinObject* element = GetParam().element(skin_);
    ASSERT_NE(element, nullptr);
    EXPECT_FALSE(element->Bitmap->Empty());
    EXPECT_EQ(element->Frame, GetParam().frames);
    EXPECT_EQ(element->Bitmap->Width() % std::max(element->Frame, 1), 0);
}

#define ELEMENT(name, frames) \
    TElementFrames { #name, [](const TSkinData& s) -> TDataSkinObject* { return s.name(); }, frames }

INSTANTIATE_TEST_SUITE_P(
    Elements, ServioraSkinElements,
    testing::Values(ELEMENT(FrameLeft, 2), ELEMENT(FrameRight, 2), ELEMENT(FrameTop, 2), ELEMENT(FrameBottom, 2),
                    ELEMENT(Buttons, 5), ELEMENT(Progress, 2), ELEMENT(ProgressChunk, 0), ELEMENT(Tabs, 5),
                    ELEMENT(TabPane, 1), ELEMENT(ComboButton, 4), ELEMENT(StatusBarEdges, 3), ELEMENT(Headerbar, 5),
                    ELEMENT(Scrollbar, 23), ELEMENT(HorzScrollThumb, 3), ELEMENT(VertScrollThumb, 3),
                    ELEMENT(HorzScroll, 4), ELEMENT(VertScroll, 4), ELEMENT(MenuBackground, 1), ELEMENT(MenuItem, 5),
                    ELEMENT(ExtraImages, 5), ELEMENT(TrackbarThumbHorz, 5), ELEMENT(TrackbarThumbDown, 5),
                    ELEMENT(UpDownHorz, 8), ELEMENT(UpDownVert, 8), ELEMENT(Track, 1), ELEMENT(TrackVert, 1),
                    ELEMENT(ComboArrow, 4), ELEMENT(Toolbar, 1)),
    [](const testing::TestParamInfo<TElementFrames>& info) { return info.param.name; });

#undef ELEMENT

TEST_F(ServioraSkin, CaptionButtonsAndColours) {
    const auto& buttons = skin_.SystemButtons();
    ASSERT_EQ(buttons.size(), 8u);  // close, maximize, minimize, restore, icon, three MDI buttons
    const Integer actions[] = {0, 1, 2, 1, 3};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons[i]->Action, actions[i]);
        EXPECT_EQ(buttons[i]->Frame, 4);
        EXPECT_EQ(buttons[i]->Bitmap->Empty(), i == 4);
    }
    EXPECT_EQ(buttons[0]->Xcoord, 31);
    EXPECT_EQ(buttons[1]->Visibility1, 6);
    EXPECT_FALSE(buttons[5]->Bitmap->Empty());  // cut from the MDI controls image
    EXPECT_EQ(skin_.Colour(3), static_cast<TColor>(RGB(244, 244, 244)));
    EXPECT_EQ(skin_.Colour(12), static_cast<TColor>(RGB(197, 231, 246)));
    EXPECT_EQ(skin_.SkinName(), "Serviora");
    EXPECT_EQ(skin_.Buttons()->CheckButtonFrame, 4);
    EXPECT_EQ(skin_.Title()->ActiveText, static_cast<TColor>(RGB(255, 255, 255)));
}

TEST_F(ServioraSkin, NeighbouringStateFramesDiffer) {
    const std::vector<TDataSkinObject*> elements = {skin_.Buttons(), skin_.MenuItem(), skin_.Headerbar(), skin_.Tabs()};
    for (TDataSkinObject* element : elements) {
        TBitmap* image = element->Bitmap.get();
        const int cell = image->Width() / element->Frame;
        for (int state = 1; state < element->Frame; ++state) {
            EXPECT_NE(image->Canvas()->Pixels(cell * state - cell / 2, image->Height() / 2),
                      image->Canvas()->Pixels(cell * state + cell / 2, image->Height() / 2))
                << element->Name << " state " << state;
        }
    }
}

TEST_F(ServioraSkin, SheetShowsEveryStateNineSlicedAtTwoSizes) {
    struct TShown {
        TDataSkinObject* element;
        bool vertical;
        bool transparent = false;  // caption buttons are always drawn through their key
    };
    std::vector<TShown> shown = {{skin_.FrameLeft(), false}, {skin_.FrameRight(), false}, {skin_.FrameTop(), true},
                                 {skin_.FrameBottom(), true}, {skin_.Buttons(), false}, {skin_.Progress(), false},
                                 {skin_.ProgressChunk(), false}, {skin_.Tabs(), false}, {skin_.TabPane(), false},
                                 {skin_.ComboButton(), false}, {skin_.StatusBarEdges(), false},
                                 {skin_.Headerbar(), false}, {skin_.Scrollbar(), false}, {skin_.HorzScrollThumb(), false},
                                 {skin_.VertScrollThumb(), false}, {skin_.HorzScroll(), false}, {skin_.VertScroll(), false},
                                 {skin_.MenuBackground(), false}, {skin_.MenuItem(), false}, {skin_.ExtraImages(), false},
                                 {skin_.TrackbarThumbHorz(), false}, {skin_.TrackbarThumbDown(), false},
                                 {skin_.UpDownHorz(), false}, {skin_.UpDownVert(), false}, {skin_.Track(), false},
                                 {skin_.TrackVert(), false}, {skin_.ComboArrow(), false}, {skin_.Toolbar(), false}};
    for (const auto& button : skin_.SystemButtons()) {
        if (!button->Bitmap->Empty()) shown.push_back({button.get(), false, true});
    }
    constexpr COLORREF kBackground = RGB(255, 255, 224);
    TBitmap sheet;
    sheet.SetSize(1400, 60 * static_cast<int>(shown.size()));
    sheet.Canvas()->Brush()->SetColor(static_cast<TColor>(kBackground));
    sheet.Canvas()->FillRect(TRect{0, 0, sheet.Width(), sheet.Height()});
    HDC dc = sheet.Canvas()->Handle();
    TPoint closeButtonAt{-1, -1};
    int y = 4;
    for (const TShown& item : shown) {
        TDataSkinObject* e = item.element;
        ASSERT_NE(e, nullptr);
        const TRect cell = SkinCellRect(e->Bitmap.get(), 1, e->Frame, item.vertical);
        const bool transparent = item.transparent || e->Trans == 1;
        const int w = std::min(cell.right - cell.left, 40), h = std::min(cell.bottom - cell.top, 24);
        int x = 4;
        if (e == skin_.SystemButtons()[0].get()) closeButtonAt = TPoint{x, y};
        for (int state = 1; state <= std::max(e->Frame, 1) && x < sheet.Width() - 2 * w - 30; ++state) {
            DrawSkinCell(dc, TRect{x, y, x + w, y + h}, e->Bitmap.get(), e->Margins(), state, e->Frame, transparent,
                         e->Tile == 1, item.vertical);
            x += w + 4;
            DrawSkinCell(dc, TRect{x, y, x + 2 * w + 10, y + h + 20}, e->Bitmap.get(), e->Margins(), state, e->Frame,
                         transparent, e->Tile == 1, item.vertical);
            x += 2 * w + 18;
        }
        y += h + 28;
    }
    std::ofstream(ScreenshotDir() + "skin-elements.png", std::ios::binary) << EncodePng(sheet.Handle());
    // The close button's magenta corner shows the sheet; its face does not.
    ASSERT_GE(closeButtonAt.x, 0);
    EXPECT_EQ(static_cast<COLORREF>(sheet.Canvas()->Pixels(closeButtonAt.x, closeButtonAt.y)), kBackground);
    EXPECT_NE(static_cast<COLORREF>(sheet.Canvas()->Pixels(closeButtonAt.x + 8, closeButtonAt.y + 7)), kBackground);
}

TEST(ServioraSkinInTheProgram, TheMainWindowCarriesThePackageTheToolWrites) {
    std::ifstream descriptionFile(SERVIORA_SKIN_DESCRIPTION, std::ios::binary);
    const AnsiString description{std::istreambuf_iterator<char>(descriptionFile), std::istreambuf_iterator<char>()};
    std::ifstream formFile(SERVIORA_MAIN_FORM, std::ios::binary);
    const AnsiString form{std::istreambuf_iterator<char>(formFile), std::istreambuf_iterator<char>()};
    const AnsiString block = SkinDataFormText(WriteServioraSkin(description));
    ASSERT_FALSE(block.empty());
    EXPECT_NE(form.find(block), AnsiString::npos) << "app/mainfrm.dfm is older than the skin: run "
                                                     "serviora-skinpack --form tools/skinpack/serviora.ini app/mainfrm.dfm";
}

}  // namespace

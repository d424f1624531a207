// Reading a skin description into elements and colours.
#include <gtest/gtest.h>

#include "platform/gdi/sysparams.h"
#include "skin/WinSkinData.h"
#include "tools/skinpack/BmpWriter.h"
#include "tools/skinpack/SkinPackage.h"

namespace {

constexpr COLORREF kGrey = RGB(120, 120, 120), kRed = RGB(200, 0, 0);

std::vector<Byte> Bmp(int width, int height, COLORREF colour = kGrey) {
    return WriteBmp24(TArtImage(width, height, colour));
}

// The skin component after reading `description` from a package holding
// it and `images`.
std::unique_ptr<TSkinData> Described(const std::string& description, std::vector<TSkinMember> images = {}) {
    images.push_back({"skin.ini", {description.begin(), description.end()}});
    const std::vector<Byte> package = WriteSkinPackage(70000, images);
    TMemoryStream stream;
    stream.Write(package.data(), static_cast<Integer>(package.size()));
    TSkinReader reader;
    EXPECT_TRUE(reader.Load(&stream));
    TMemoryStream text;
    AnsiString name;
    reader.FindMember(".ini", &text, name);
    TQuickIni ini;
    ini.LoadFromStream(&text);
    auto skin = std::make_unique<TSkinData>(nullptr);
    skin->LoadDescription(&reader, &ini);
    return skin;
}

struct TFrameCase {
    const char* name;
    std::string description;
    TDataSkinObject* (TSkinData::*element)() const;
    Integer frames;
};

class SkinDescriptionFrames : public testing::TestWithParam<TFrameCase> {};

TEST_P(SkinDescriptionFrames, GivesEachElementItsStateCount) {
    auto skin = Described(GetParam().description, {{"a.bmp", Bmp(40, 16)}});
    TDataSkinObject* element = (skin.get()->*GetParam().element)();
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->Frame, GetParam().frames);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, SkinDescriptionFrames,
    testing::Values(TFrameCase{"MenuItemAlwaysFive", "[MenuItem]\nImage=a.bmp\nFrame=3\n", &TSkinData::MenuItem, 5},
                    TFrameCase{"HeaderbarKeepsItsFrame", "[Headerbar]\nImage=a.bmp\nframe=4\n", &TSkinData::Headerbar, 4},
                    TFrameCase{"HeaderbarWithoutFrame", "[Headerbar]\nImage=a.bmp\n", &TSkinData::Headerbar, 5},
                    TFrameCase{"HeaderbarFrameZero", "[Headerbar]\nImage=a.bmp\nFrame=0\n", &TSkinData::Headerbar, 5},
                    TFrameCase{"ScrollbarCells", "[Scrollbar]\nImage=a.bmp\n", &TSkinData::Scrollbar, 23},
                    TFrameCase{"ThumbFrameCount", "[HorzScrollThumb]\nImage=a.bmp\nFrameCount=2\n",
                               &TSkinData::HorzScrollThumb, 2},
                    TFrameCase{"ThumbDefault", "[VertScrollThumb]\nImage=a.bmp\n", &TSkinData::VertScrollThumb, 3},
                    TFrameCase{"ChunkFromTheDescription", "[Progress.Chunk]\nImage=a.bmp\nFrame=7\n",
                               &TSkinData::ProgressChunk, 7},
                    TFrameCase{"BuiltinTrack", "", &TSkinData::Track, 1}),
    [](const testing::TestParamInfo<TFrameCase>& info) { return info.param.name; });

TEST(SkinDescription, TabPaneMarginsAreCappedAtFour) {
    auto skin = Described("[Tab.Pane]\nImage=a.bmp\nLeftWidth=6\nTopHeight=3\nRightWidth=5\nBottomHeight=4\n",
                          {{"a.bmp", Bmp(10, 10)}});
    ASSERT_NE(skin->TabPane(), nullptr);
    EXPECT_EQ(skin->TabPane()->LeftWidth, 4);
    EXPECT_EQ(skin->TabPane()->TopHeight, 3);
    EXPECT_EQ(skin->TabPane()->RightWidth, 4);
    EXPECT_EQ(skin->TabPane()->BottomHeight, 4);
}

TEST(SkinDescription, MissingTrackGetsTheBuiltInGroove) {
    auto skin = Described("");
    ASSERT_NE(skin->Track(), nullptr);
    EXPECT_EQ(skin->Track()->Bitmap->Width(), 16);
    EXPECT_EQ(skin->Track()->Bitmap->Height(), 4);
    EXPECT_EQ(skin->Track()->LeftWidth, 3);
    ASSERT_NE(skin->TrackVert(), nullptr);
    EXPECT_EQ(skin->TrackVert()->Bitmap->Width(), 4);
    EXPECT_EQ(skin->TrackVert()->Bitmap->Height(), 16);
}

TEST(SkinDescription, ElementWithoutImageKeyIsAbsentAndWithUnknownImageIsEmpty) {
    auto skin = Described("[MenuItem]\nFrame=5\n[Scrollbar]\nImage=none.bmp\n[Headerbar]\nImage=a.BMP\n",
                          {{"a.bmp", Bmp(4, 4)}});
    EXPECT_EQ(skin->MenuItem(), nullptr);
    ASSERT_NE(skin->Scrollbar(), nullptr);
    EXPECT_TRUE(skin->Scrollbar()->Bitmap->Empty());
    ASSERT_NE(skin->Headerbar(), nullptr);
    EXPECT_TRUE(skin->Headerbar()->Bitmap->Empty());  // only ".bmp" in lower case names an image
}

struct TColourText {
    const char* text;
    COLORREF expected;
};

class SkinColourTexts : public testing::TestWithParam<TColourText> {};

TEST_P(SkinColourTexts, ReadsRedGreenAndBlue) { EXPECT_EQ(ParseSkinColour(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Texts, SkinColourTexts,
                         testing::Values(TColourText{"244 244 244", RGB(244, 244, 244)},
                                         TColourText{"10,20", RGB(10, 0, 0)}, TColourText{"10,20,", RGB(10, 20, 0)},
                                         TColourText{" 1;2;3 ", RGB(1, 2, 3)}, TColourText{"1 2 3 4 5", RGB(1, 2, 3)},
                                         TColourText{"256 257 258", RGB(0, 1, 2)}, TColourText{"", RGB(0, 0, 0)}));

TEST(SkinDescription, ColourTableTakesGivenColoursAndSystemDefaults) {
    auto skin = Described("[Colours]\nButtonFace=244 244 244\nHilight=197,231,246\n");
    EXPECT_EQ(skin->Colour(3), static_cast<TColor>(RGB(244, 244, 244)));
    EXPECT_TRUE(skin->ColourGiven(3));
    EXPECT_EQ(skin->Colour(12), static_cast<TColor>(RGB(197, 231, 246)));
    EXPECT_EQ(skin->Colour(13), static_cast<TColor>(RGB(244, 244, 244)));  // Menubar follows ButtonFace
    EXPECT_FALSE(skin->ColourGiven(13));
    EXPECT_EQ(skin->Colour(0), clWindowText);
    EXPECT_EQ(skin->Colour(8), cl3DDkShadow);
    EXPECT_EQ(skin->Colour(17), static_cast<TColor>(RGB(244, 244, 244)));  // no frame image: the face
    EXPECT_NE(skin->FaceBrush(), 0u);
}

TEST(SkinDescription, ColourSectionsAndCustomColours) {
    auto skin = Described("[TitlebarSkin]\nSkinName=Ours\n[ColourA]\ncolor=1 2 3\n[Colours]\n[colourB]\n"
                          "[Customcolors]\nColor3=9 9 9\n");
    EXPECT_EQ(skin->SkinName(), "Ours");
    EXPECT_EQ(skin->ColourList(), (std::vector<TColor>{static_cast<TColor>(RGB(1, 2, 3)), clWindowText}));
    EXPECT_EQ(skin->CustomColours()[3], static_cast<TColor>(RGB(9, 9, 9)));
    EXPECT_EQ(skin->CustomColours()[0], clWhite);
}

struct TCaptionButtonCase {
    const char* name;
    std::string section;
    int imageWidth;
    bool kept;
    Integer frames;
};

class SkinCaptionButtons : public testing::TestWithParam<TCaptionButtonCase> {};

TEST_P(SkinCaptionButtons, KeepsOrDropsAndCountsFrames) {
    auto skin = Described(GetParam().section, {{"b.bmp", Bmp(GetParam().imageWidth, 16)}});
    const auto& buttons = skin->SystemButtons();
    ASSERT_EQ(buttons.size(), GetParam().kept ? 4u : 3u);  // the three MDI buttons always follow
    if (GetParam().kept) {
        EXPECT_EQ(buttons[0]->Frame, GetParam().frames);
    }
    EXPECT_EQ(buttons.back()->Action, 9);
    EXPECT_EQ(buttons.back()->Frame, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, SkinCaptionButtons,
    testing::Values(TCaptionButtonCase{"Restore", "[Button3]\nAction=1\nVisibility=1\nButtonImage=b.bmp\n", 48, true, 3},
                    TCaptionButtonCase{"WideStripIsSix", "[Button0]\nAction=0\nButtonImage=b.bmp\n", 168, true, 6},
                    TCaptionButtonCase{"FrameKeyWins", "[Button0]\nAction=0\nframe=4\nButtonImage=b.bmp\n", 64, true, 4},
                    TCaptionButtonCase{"NoActionNoVisibilityDropped", "[Button5]\nAction=-1\nButtonImage=b.bmp\n", 48,
                                       false, 0},
                    TCaptionButtonCase{"NoActionVisibleZeroKept", "[Button5]\nAction=-1\nVisibility=0\nButtonImage=b.bmp\n",
                                       48, true, 6},
                    TCaptionButtonCase{"PushButtonSectionsAreNotCaptionButtons",
                                       "[Buttons]\nBitmap=b.bmp\n[Button.Radio]\nImage=b.bmp\n", 48, false, 0}),
    [](const testing::TestParamInfo<TCaptionButtonCase>& info) { return info.param.name; });

TEST(SkinDescription, WindowIconButtonLosesItsImage) {
    auto skin = Described("[Button4]\nAction=3\nAlign=0\nXcoord=8\nYcoord=7\nButtonImage=b.bmp\n", {{"b.bmp", Bmp(48, 16)}});
    ASSERT_EQ(skin->SystemButtons().size(), 4u);
    EXPECT_TRUE(skin->SystemButtons()[0]->Bitmap->Empty());
    EXPECT_EQ(skin->SystemButtons()[0]->Xcoord, 8);
}

TEST(SkinDescription, HelpButtonTakesTheMaximizeButtonsPositionOnlyWhenOneCameBefore) {
    auto skin = Described("[Button7]\nAction=4\nXcoord=90\nYcoord=3\n"
                          "[Button1]\nAction=1\nVisibility=2\nXcoord=49\nYcoord=5\n"
                          "[Button8]\nAction=4\nXcoord=90\nYcoord=3\n");
    const auto& buttons = skin->SystemButtons();
    ASSERT_EQ(buttons.size(), 6u);
    EXPECT_EQ(buttons[0]->Xcoord, 90);
    EXPECT_EQ(buttons[2]->Xcoord, 49);
    EXPECT_EQ(buttons[2]->Ycoord, 5);
}

TEST(SkinDescription, FrameCountZeroOfTheTopBorderSamplesTheFirstCell) {
    TArtImage top(30, 20, kGrey);
    top.Fill({0, 0, 30, 10}, kRed);
    auto skin = Described("[Personality]\nTop=top.bmp\nTopFrame=0\n", {{"top.bmp", WriteBmp24(top)}});
    EXPECT_EQ(skin->FrameTop()->Frame, 0);
    EXPECT_EQ(skin->Colour(17), static_cast<TColor>(kRed));  // (10, 20 / 1 / 3 = 6)
}

TEST(SkinDescription, FrameBordersReadTheirEndsAndSwitches) {
    auto skin = Described("[Personality]\nLeft=a.bmp\nLeftFrame=2\nLeftStretch=5\nLeftTopHeight=7\nLeftBotHeight=8\n"
                          "Top=a.bmp\nTopTopHeight=3\nTopBotHeight=4\nTopTrans=0\n",
                          {{"a.bmp", Bmp(8, 8)}});
    EXPECT_EQ(skin->FrameLeft()->Frame, 2);
    EXPECT_EQ(skin->FrameLeft()->Tile, 1);
    EXPECT_EQ(skin->FrameLeft()->TopHeight, 7);
    EXPECT_EQ(skin->FrameLeft()->BottomHeight, 8);
    EXPECT_EQ(skin->FrameLeft()->LeftWidth, 0);
    EXPECT_EQ(skin->FrameTop()->LeftWidth, 3);
    EXPECT_EQ(skin->FrameTop()->RightWidth, 4);
    EXPECT_EQ(skin->FrameTop()->Trans, 0);
    EXPECT_EQ(skin->FrameRight()->Trans, 1);
    EXPECT_TRUE(skin->FrameRight()->Bitmap->Empty());
}

TEST(SkinDescription, ComboButtonAndSunkEdgeAreComposedIntoFiftyByTwentyOneCells) {
    auto skin = Described("[ComboButton]\nImage=c.bmp\n[SunkEdge]\nImage=s.bmp\nLeftWidth=2\nRightWidth=2\n"
                          "TopHeight=2\nBottomHeight=2\n",
                          {{"c.bmp", Bmp(68, 21, kRed)}, {"s.bmp", Bmp(80, 21)}});
    ASSERT_NE(skin->ComboButton(), nullptr);
    const int buttonWidth = GetSystemMetrics(SM_CXHSCROLL) + 2;
    EXPECT_EQ(skin->ComboButton()->Style, 2);
    EXPECT_EQ(skin->ComboButton()->Bitmap->Width(), 200);
    EXPECT_EQ(skin->ComboButton()->Bitmap->Height(), 21);
    EXPECT_EQ(skin->ComboButton()->RightWidth, buttonWidth + 2);
    EXPECT_EQ(skin->SunkEdge()->LeftWidth, buttonWidth + 2);
    // The button sits at the right of each composed cell, mirrored to the left in the edge.
    EXPECT_EQ(static_cast<COLORREF>(skin->ComboButton()->Bitmap->Canvas()->Pixels(48, 10)), kRed);
    EXPECT_EQ(static_cast<COLORREF>(skin->SunkEdge()->Bitmap->Canvas()->Pixels(1, 10)), kRed);
    ASSERT_NE(skin->ComboArrow(), nullptr);
    EXPECT_EQ(skin->ComboArrow()->Frame, 4);
    EXPECT_EQ(skin->ComboArrow()->Bitmap->Width(), 68);
}

TEST(SkinDescription, ComboArrowWithoutSunkEdgeFillsTheKeyWithTheFace) {
    auto skin = Described("[Colours]\nButtonFace=1 2 3\n[ComboButton]\nImage=c.bmp\n",
                          {{"c.bmp", Bmp(16, 8, RGB(255, 0, 255))}});
    ASSERT_NE(skin->ComboButton(), nullptr);
    EXPECT_FALSE(skin->ComboButton()->Bitmap2->Empty());
    EXPECT_EQ(static_cast<COLORREF>(skin->ComboArrow()->Bitmap->Canvas()->Pixels(3, 3)), RGB(1, 2, 3));
    EXPECT_EQ(skin->ComboArrow()->Frame, 4);
}

TEST(SkinDescription, ToolbarGradientRunsFromTheLightFaceDown) {
    auto skin = Described("[Colours]\nButtonFace=244 244 244\n");
    ASSERT_NE(skin->Toolbar(), nullptr);
    EXPECT_EQ(skin->Toolbar()->Bitmap->Width(), 10);
    EXPECT_EQ(skin->Toolbar()->Bitmap->Height(), 40);
    const COLORREF top = static_cast<COLORREF>(skin->Toolbar()->Bitmap->Canvas()->Pixels(5, 0));
    const COLORREF bottom = static_cast<COLORREF>(skin->Toolbar()->Bitmap->Canvas()->Pixels(5, 39));
    EXPECT_EQ(top, RGB(253, 253, 253));     // 15 % of 244, 85 % of white
    // 15 % grey and 85 % of the face make 227; the falling ramp truncates
    // toward zero and ends one short of it.
    EXPECT_EQ(bottom, RGB(228, 228, 228));
}

TEST(SkinDescription, ButtonsReadTheirImagesAndCountCells) {
    auto skin = Described("[Buttons]\nBitmap=b.bmp\nCheckButton=c.bmp\nRadioButton=r.bmp\nTile=3\n"
                          "NormalColour2=1 1 1\n",
                          {{"b.bmp", Bmp(50, 20)}, {"c.bmp", Bmp(52, 13)}, {"r.bmp", Bmp(128, 16)}});
    TDataSkinButton* buttons = skin->Buttons();
    EXPECT_EQ(buttons->Frame, 5);
    EXPECT_EQ(buttons->Tile, 0);
    EXPECT_EQ(buttons->CheckButtonFrame, 4);
    EXPECT_EQ(buttons->RadioButtonFrame, 8);
    EXPECT_TRUE(buttons->NormalColour2Given);
    EXPECT_FALSE(buttons->PressedColour2Given);
    EXPECT_EQ(buttons->PressedColour2, clBtnText);
}

}  // namespace

// The shared routines and settings of edit buttons and special rows.
#include "datagrid/ToolCtrlsVyn.h"
#include "tests/datagrid/grid_fixture.h"

TEST(ToolCtrlsTest, SplitCellsText) {
    struct Case {
        const char* text;
        std::vector<AnsiString> items;
    };
    const Case cases[] = {
        {"\"a;b\";c", {"a;b", "c"}},
        {"甲;乙", {"甲", "乙"}},
        {"\x01\r\nx;\t;y", {"x", "", "y"}},
        {"\x01 \r\nx", {" ", "x"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"", {}},
        {"尾;", {"尾"}},
    };
    TStringList list;
    for (const Case& c : cases) {
        SplitCellsText(&list, c.text);
        std::vector<AnsiString> items;
        for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
        EXPECT_EQ(items, c.items) << c.text;
    }
}

TEST(ToolCtrlsTest, SameVariantValueNeverRaises) {
    struct Case {
        Variant a;
        Variant b;
        bool same;
    };
    Variant lowOne = VarArrayCreate({1, 2}, varVariant);
    Variant lowZero = VarArrayCreate({0, 1}, varVariant);
    const Case cases[] = {
        {Variant(), Variant(), true},
        {Variant(), Null(), false},
        {Null(), Null(), true},
        {Variant(5), Variant(5.0), true},
        {Variant("5"), Variant(6), false},
        {Variant("abc"), Variant(1), false},  // a failed conversion is no match
        {VarArrayOf({1, "x"}), VarArrayOf({1, "x"}), true},
        {VarArrayOf({1, "x"}), VarArrayOf({1, "y"}), false},
        {lowOne, lowZero, false},
        {VarArrayOf({1}), Variant(1), false},
    };
    for (const Case& c : cases) EXPECT_EQ(SameVariantValue(c.a, c.b), c.same);
}

TEST(ToolCtrlsTest, EditButtonSettings) {
    TEditButtonsVyn buttons(nullptr, TEditButtonVyn::StaticClass());
    int changes = 0;
    buttons.SetOnItemChanged(TEditButtonVynItemChanged([&](TEditButtonVyn*) { ++changes; }));
    TEditButtonVyn* button = buttons.Add();
    const int afterAdd = changes;
    EXPECT_EQ(afterAdd, 1);  // one notice for the new item
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 1);
    button->SetNumGlyphs(9);
    EXPECT_EQ(button->NumGlyphs(), 4);
    button->SetStyle(ebsEllipsisVyn);
    button->SetStyle(ebsEllipsisVyn);  // unchanged: no notice
    EXPECT_EQ(changes, afterAdd + 2);  // 0 clamps to the 1 stored already
    EXPECT_FALSE(button->Visible());

    TVisibleEditButtonVyn main(static_cast<TWinControl*>(nullptr));
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.ShortCut(), 32808);
}

TEST(ToolCtrlsTest, SpecialRow) {
    TSpecRowVyn row(nullptr);
    int changes = 0;
    row.SetOnChangeNotify(TNotifyEvent([&](TObject*) { ++changes; }));
    row.SetCellsText("无;\"(空)\"");
    EXPECT_EQ(row.CellText(0), "无");
    EXPECT_EQ(row.CellText(1), "(空)");
    EXPECT_EQ(row.CellText(2), "");
    EXPECT_TRUE(VarIsNull(row.Value()));
    EXPECT_EQ(row.ShortCut(), 32814);
    EXPECT_FALSE(row.MatchesKey(Null()));  // not visible
    row.SetVisible(true);
    EXPECT_TRUE(row.MatchesKey(Null()));
    EXPECT_FALSE(row.FontAssigned());

    TSpecRowVyn copy(nullptr);
    copy.Assign(&row);
    EXPECT_EQ(copy.CellsText(), row.CellsText());
    EXPECT_TRUE(copy.ColorAssigned());
    EXPECT_FALSE(copy.FontAssigned());
    EXPECT_TRUE(copy.Visible());
}

TEST(ToolCtrlsTest, ButtonSizes) {
    const int flat = FlatButtonWidth();
    EXPECT_EQ(flat % 2, 1);
    EXPECT_EQ(ButtonHeightForWidth(15, true), 22);  // 22.5 rounds to even
    EXPECT_EQ(ButtonHeightForWidth(13, true), 20);  // 19.5 rounds to even
    EXPECT_EQ(ButtonHeightForWidth(15, false), 15);
}

TEST(DataGridLibraryTest, StartUpMakesTheSortIndexFontAndCursors) {
    ASSERT_NE(SortIndexFont(), nullptr);
    EXPECT_EQ(SortIndexFont()->Height(), -8);  // one pixel less than the 9-pixel glyph
    EXPECT_EQ(SortIndexFont()->Name(), "Arial");
    EXPECT_NE(DownCursorVyn(), HCURSOR(0));
    EXPECT_NE(RightCursorVyn(), HCURSOR(0));
    EXPECT_NE(LeftCursorVyn(), HCURSOR(0));
    const TDBGridVynKeySettings& keys = DBGridVynKeySettings();
    EXPECT_EQ(keys.FindDialogShortCut, ShortCut('F', TShiftState{ssCtrl}));
    EXPECT_EQ(keys.CopyFromAboveShortCut, ShortCut(0xDE, TShiftState{ssCtrl}));
    EXPECT_EQ(keys.IncSearchTimeout, 1500);
    EXPECT_EQ(keys.IncSearchColor, clYellow);
}

TEST(DataGridLibraryTest, IndicatorAndSortMarkerImages) {
    TCustomImageList* indicators = IndicatorImages();
    ASSERT_NE(indicators, nullptr);
    EXPECT_EQ(indicators->Count(), 7);
    EXPECT_EQ(indicators->Width(), 10);
    ASSERT_EQ(SortMarkerImages()->Count(), 2);
    EXPECT_EQ(SortMarkerImages()->Height(), 9);

    // The search indicator shows the highlight colour around the arrow.
    auto drawn = [&](int index) {
        TBitmap sheet;
        sheet.SetWidth(10);
        sheet.SetHeight(10);
        sheet.Canvas()->Brush()->SetColor(clWhite);
        sheet.Canvas()->FillRect({0, 0, 10, 10});
        indicators->Draw(sheet.Canvas(), 0, 0, index);
        return std::pair{sheet.Canvas()->Pixels(0, 0), sheet.Canvas()->Pixels(3, 4)};
    };
    EXPECT_EQ(drawn(6), (std::pair<TColor, TColor>{clYellow, clBlack}));
    EXPECT_EQ(drawn(0), (std::pair<TColor, TColor>{clWhite, clBlack}));  // white is transparent
    DBGridVynKeySettings().IncSearchColor = clLime;
    RebuildSearchIndicator();
    EXPECT_EQ(indicators->Count(), 7);
    EXPECT_EQ(drawn(6).first, clLime);
    DBGridVynKeySettings().IncSearchColor = clYellow;
    RebuildSearchIndicator();
}

// Cell graphics on the grid: creation, check boxes, radio groups, button
// rectangles, picture sizing and cell values.
#include "grid_fixture.h"
#include "platform/gdi/wingdi.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/graphic.h"
#include "platform/win/testseams.h"
#include "tests/platform/win/window_fixture.h"

namespace {

using GridGraphicsTest = StringGridTest;

TEST_F(GridGraphicsTest, CreatingAGraphicKeepsAnEmptyCellEmpty) {
    TCellGraphic* graphic = grid->CreateCellGraphic(2, 2);
    EXPECT_EQ(grid->GetCellGraphic(2, 2), graphic);
    EXPECT_EQ(grid->Cells(2, 2), "");
    EXPECT_EQ(grid->GetCellType(2, 2), ctNone);
    EXPECT_EQ(grid->GetCellType(3, 3), ctEmpty);
    EXPECT_EQ(grid->GetCellType(-1, 3), ctEmpty);
    graphic->SetCellType(ctComment);
    graphic->SetCellText("note");
    AnsiString comment;
    EXPECT_TRUE(grid->GetCellComment(2, 2, comment));
    EXPECT_EQ(comment, "note");
    EXPECT_FALSE(grid->RemoveCellGraphicOfType(2, 2, ctCheckBox));
    EXPECT_TRUE(grid->RemoveCellGraphicOfType(2, 2, ctComment));
    EXPECT_EQ(grid->GetCellGraphic(2, 2), nullptr);
    EXPECT_FALSE(grid->RemoveCellGraphic(2, 2));
}

TEST_F(GridGraphicsTest, CheckBoxesOfTheirKindsAndTogglesRecordedForUndo) {
    auto* recorder = new TBavGridUndoRedo(form);
    grid->SetUndoRedo(recorder);
    grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->CreateCellGraphic(2, 1)->SetCellType(ctDataCheckBox);
    grid->SetCells(2, 1, "N");
    bool state = true;
    ASSERT_TRUE(grid->GetCheckBoxState(1, 1, state));
    EXPECT_FALSE(state);
    EXPECT_TRUE(grid->ToggleCheckBox(1, 1, false));
    grid->GetCheckBoxState(1, 1, state);
    EXPECT_TRUE(state);
    EXPECT_TRUE(grid->ToggleCheckBox(2, 1, false));
    EXPECT_EQ(grid->Cells(2, 1), "Y");
    ASSERT_EQ(recorder->Level(), 2);
    EXPECT_EQ(recorder->Changes()->Items(1)->OrigValue(), "N");
    EXPECT_EQ(recorder->Changes()->Items(1)->Value(), "Y");
    EXPECT_FALSE(grid->ToggleCheckBox(3, 1, false)) << "no check box";
    EXPECT_FALSE(grid->GetCheckBoxState(3, 1, state));

    grid->SetOptions(TGridOptions());
    EXPECT_FALSE(grid->ToggleCheckBox(1, 1, true)) << "the user may not edit the cell";
    grid->ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_TRUE(grid->ToggleCheckBox(1, 1, true));

    grid->CreateCellGraphic(2, 2)->SetCellType(ctDataCheckBox);
    grid->CheckAll(2);
    EXPECT_EQ(grid->Cells(2, 2), "Y");
    grid->UnCheckAll(2);
    EXPECT_EQ(grid->Cells(2, 1), "N");
    EXPECT_TRUE(grid->IsCheckBoxCell(2, 2));
    EXPECT_TRUE(grid->HasCellControl(2, 2));
}

TEST_F(GridGraphicsTest, RowCheckBoxesAreShared) {
    grid->MouseActions()->SetHotmailRowSelect(true);
    TCellGraphic* node = grid->CreateCellGraphic(0, 3);
    node->SetCellType(ctNode);
    EXPECT_EQ(grid->GetCellType(0, 3), ctRowCheckBox) << "even a node cell";
    TCellGraphic* shared = grid->GetCellGraphic(0, 5);
    EXPECT_EQ(grid->GetCellGraphic(0, 6), shared);
    grid->SetGraphicObject(0, 7, shared);
    EXPECT_TRUE(grid->RemoveCellGraphic(0, 7));
    EXPECT_EQ(grid->GetCellType(0, 5), ctRowCheckBox) << "the shared graphic lives on";
}

TEST_F(GridGraphicsTest, CheckBoxHitsAnywhereOrOnlyOnTheBoxWhenPrecise) {
    grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->SetOnGetAlignment([](TObject*, int row, int col, TAlignment& horizontal, TVAlignment&) {
        if (row == 1 && col == 1) horizontal = taRightJustify;
    });
    const TRect cell = grid->MergedCellRect(1, 1);
    const int size = grid->ControlLook()->CheckSize();
    struct Case {
        bool precise;
        TCellVAlign vAlign;
        int x, y;
        bool hit;
    };
    const Case cases[] = {
        {false, vaTop, cell.left + 1, cell.bottom - 1, true},
        {true, vaTop, cell.left + 3, cell.top + 3, false},
        {true, vaTop, cell.right - 3, cell.top + 3, true},
        {true, vaTop, cell.right - size - 3, cell.top + 3, false},
        {true, vaBottom, cell.right - 3, cell.bottom - 3, true},
        {true, vaBottom, cell.right - 3, cell.top + 1, false},
    };
    for (const Case& c : cases) {
        grid->MouseActions()->SetPreciseCheckBoxCheck(c.precise);
        grid->GetCellGraphic(1, 1)->SetCellVAlign(c.vAlign);
        EXPECT_EQ(grid->IsCheckBoxHit(1, 1, c.x, c.y), c.hit) << c.precise << " " << c.x << "," << c.y;
    }
    EXPECT_FALSE(grid->IsCheckBoxHit(2, 1, cell.right + 5, cell.top + 3)) << "no check box there";
}

TEST_F(GridGraphicsTest, RadioGroupsStepAndWrap) {
    auto* items = new TStringList;
    items->SetCommaText("one,two,three");
    TCellGraphic* radio = grid->CreateCellGraphic(1, 2);
    radio->SetCellType(ctRadio);
    radio->SetCellContent(items);
    radio->SetCellCreated(true);
    radio->SetCellIndex(2);
    grid->SelectNextRadio(1, 2, false);
    EXPECT_EQ(radio->CellIndex(), 0);
    EXPECT_EQ(grid->Cells(1, 2), "one");

    auto* dataItems = new TStringList;
    dataItems->SetCommaText("a,b");
    TCellGraphic* data = grid->CreateCellGraphic(2, 2);
    data->SetCellType(ctRadio);
    data->SetCellContent(dataItems);
    data->SetCellCreated(true);
    data->SetCellIndex(-1);
    EXPECT_EQ(grid->GetRadioItems(2, 2), dataItems);
    EXPECT_FALSE(grid->HasRadioButtons(3, 2));
    grid->SetCells(2, 2, "zzz");
    grid->SelectNextRadio(2, 2, false);
    EXPECT_EQ(grid->Cells(2, 2), "a") << "no item matches: the first";
    grid->SelectNextRadio(2, 2, false);
    EXPECT_EQ(grid->Cells(2, 2), "b");
    EXPECT_EQ(data->CellIndex(), -1) << "a data radio keeps its mark";
    int index = 0;
    EXPECT_TRUE(grid->IsRadioCell(2, 2, index));
}

TEST_F(GridGraphicsTest, ButtonRectanglesFromTheirPackedFields) {
    grid->SetColWidths(0, 100);
    grid->SetRowHeights(0, 50);
    TCellGraphic* button = grid->CreateCellGraphic(1, 1);
    button->SetCellType(ctButton);
    button->SetCellIndex(20 * 65536 + 40);
    button->SetCellValue(3 * 65536 + 5);
    const TRect cell = grid->CalcCellRect(1, 1);
    ASSERT_EQ(cell.left, 100);
    ASSERT_EQ(cell.top, 50);
    // Measured from inside the cell's grid line, where the painter places it.
    EXPECT_EQ(grid->GetCellGraphicRect(1, 1), Rect(106, 54, 146, 74));
    button->SetCellHAlign(haFull);
    EXPECT_EQ(grid->GetCellGraphicRect(1, 1).right, cell.right - 1);
    EXPECT_TRUE(grid->IsButtonCell(1, 1));
}

// A button cell as the user sees it: a raised face with its caption, sunk
// while the mouse holds it, its click event on the release.
TEST_F(GridGraphicsTest, AButtonCellShowsItsFaceAndCaptionAndSinksWhilePressed) {
    // Small enough for no scroll bar, so the window's border is even.
    grid->SetBounds(0, 0, 400, 200);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColWidths(1, 120);
    grid->SetRowHeights(1, 30);
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    TCellGraphic* button = grid->CreateCellGraphic(1, 1);
    button->SetCellType(ctButton);
    button->SetCellIndex(MAKELONG(80, 22));
    button->SetCellHAlign(haCenter);
    button->SetCellVAlign(vaCenter);
    button->SetCellText("WWW");
    int clicks = 0;
    grid->SetOnButtonClick([&](TObject*, int col, int row) { clicks += col == 1 && row == 1; });
    form->Show();
    ProcessMessages();
    const TRect face = grid->GetCellGraphicRect(1, 1);
    ASSERT_EQ(face.right - face.left, 80);
    const int border = (grid->Width() - grid->ClientWidth()) / 2;
    auto shown = [&](int x, int y) { return ShownPixel(grid->Handle(), border + x, border + y); };
    const int middle = (face.top + face.bottom) / 2;
    const COLORREF frame = ColorToRGB(clWindowFrame), buttonFace = ColorToRGB(clBtnFace);
    EXPECT_EQ(shown(face.left + 4, middle), buttonFace);
    EXPECT_NE(shown(face.left, face.top), frame) << "raised: a light top-left edge";
    const TRect caption = Rect(border + face.left + 20, border + face.top + 4, border + face.right - 20,
                               border + face.bottom - 4);
    EXPECT_TRUE(ColoursIn(grid->Handle(), caption).count(ColorToRGB(clBtnText))) << "the caption";

    const POINT p{face.left + 10, middle};
    SimulateMouseMove(grid->Handle(), p);
    SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, true);
    ProcessMessages();
    EXPECT_TRUE(button->CellBoolean());
    EXPECT_EQ(shown(face.left, face.top), frame) << "pressed: framed and sunk";
    EXPECT_EQ(clicks, 0);
    SimulateMouseButton(grid->Handle(), p, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(shown(face.left, face.top), frame) << "raised again";
}

TEST_F(GridGraphicsTest, PicturesSizeByTheirMode) {
    auto* picture = new TPicture;
    TBitmap bitmap;
    bitmap.SetSize(20, 10);
    picture->SetBitmap(&bitmap);
    TCellGraphic graphic;
    graphic.SetCellType(ctPicture);
    graphic.SetCellContent(picture);
    graphic.SetCellCreated(true);
    struct Case {
        TCellPictureStretch mode;
        int width, height;
        int expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {psNone, 100, 100, 20, 10},        {psStretch, 100, 60, 100, 60},      {psStretchAspect, 100, 100, 100, 50},
        {psShrinkAspect, 100, 100, 20, 10}, {psShrinkAspect, 10, 100, 10, 5},  {psShrink, 10, 100, 10, 100},
    };
    for (const Case& c : cases) {
        graphic.SetCellAngle(c.mode);
        const TSize size = graphic.GetPictureSize(c.width, c.height);
        EXPECT_EQ(size.cx, c.expectedWidth) << int(c.mode);
        EXPECT_EQ(size.cy, c.expectedHeight) << int(c.mode);
    }
    graphic.SetCellIndex(4);
    graphic.SetCellAngle(psStretch);
    EXPECT_EQ(graphic.GetPictureSize(100, 60).cx, 96) << "the margin is taken off";
}

// The room a graphic takes from its cell's text, by type, text and placement.
TEST_F(GridGraphicsTest, GraphicSizeLeavesRoomOnlyWhereTheTextIsNot) {
    grid->SetColWidths(1, 90);
    grid->SetRowHeights(1, 30);
    TBitmap picture;
    picture.SetSize(16, 12);
    struct Case {
        TCellType type;
        const char* text;
        TCellHAlign hAlign;
        TCellVAlign vAlign;
        TSize expected;
    };
    const Case cases[] = {
        {ctBitmap, "", haLeft, vaTop, {16, 12}},
        {ctBitmap, "text", haLeft, vaTop, {0, 0}},
        {ctBitmap, "text", haBeforeText, vaUnderText, {16, 12}},
        {ctBitmap, "text", haFull, vaFull, {90, 30}},
        {ctButton, "text", haCenter, vaCenter, {0, 0}},
        {ctButton, "text", haLeft, vaAboveText, {40, 20}},
        {ctCheckBox, "text", haLeft, vaTop, {15, 15}},
        {ctProgressPie, "", haLeft, vaTop, {20, 20}},
        {ctProgress, "50", haLeft, vaTop, {0, 0}},
    };
    for (const Case& c : cases) {
        TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
        graphic->SetCellType(c.type);
        graphic->SetCellHAlign(c.hAlign);
        graphic->SetCellVAlign(c.vAlign);
        graphic->SetCellIndex(20 * 65536 + 40);
        if (c.type == ctBitmap) {
            auto* bitmap = new TBitmap;
            bitmap->Assign(&picture);
            graphic->SetCellContent(bitmap);
            graphic->SetCellCreated(true);
        }
        grid->SetCells(1, 1, c.text);
        const TSize size = grid->GetCellGraphicSize(1, 1);
        EXPECT_EQ(size.cx, c.expected.cx) << int(c.type) << " " << c.text;
        EXPECT_EQ(size.cy, c.expected.cy) << int(c.type) << " " << c.text;
        if (c.type == ctBitmap) {
            const TSize natural = grid->GetCellGraphicSizeScaled(1, 1, 2.0, 500, 500);
            EXPECT_EQ(natural.cx, 16) << "natural size whatever the placement";
            EXPECT_EQ(natural.cy, 12);
        }
    }

    TCellGraphic* radio = grid->CreateCellGraphic(2, 1);
    radio->SetCellType(ctRadio);
    auto* items = new TStringList;
    items->SetCommaText("A,BB");
    radio->SetCellContent(items);
    radio->SetCellCreated(true);
    TBitmap measuring;
    TCanvas* canvas = measuring.Canvas();
    canvas->Font()->Assign(grid->Canvas()->Font());
    const int a = canvas->TextWidth("A") + 12, bb = canvas->TextWidth("BB") + 12, line = canvas->TextHeight("gh");
    radio->SetCellBoolean(true);
    EXPECT_EQ(grid->GetCellGraphicSize(2, 1), (TSize{a + bb, line}));
    radio->SetCellBoolean(false);
    EXPECT_EQ(grid->GetCellGraphicSize(2, 1), (TSize{bb, 2 * line}));

    radio->SetCellType(ctProgress);
    EXPECT_EQ(grid->GetCellGraphicSizeScaled(2, 1, 1.0, 0, 0), (TSize{grid->ColWidths(2), 30}));
}

// Auto-sizing leaves room for a graphic beside the text, none for one
// placed over it.
TEST_F(GridGraphicsTest, AutoSizeAddsTheGraphicsRoom) {
    grid->SetCells(1, 1, "text");
    grid->AutoSizeColumnEx(1, false);
    const int textOnly = grid->ColWidths(1);
    TCellGraphic* button = grid->CreateCellGraphic(1, 1);
    button->SetCellType(ctButton);
    button->SetCellIndex(20 * 65536 + 40);
    button->SetCellHAlign(haCenter);
    grid->AutoSizeColumnEx(1, false);
    EXPECT_EQ(grid->ColWidths(1), textOnly);
    button->SetCellHAlign(haBeforeText);
    grid->AutoSizeColumnEx(1, false);
    EXPECT_EQ(grid->ColWidths(1), textOnly + 40);
}

TEST_F(GridGraphicsTest, IntegerAndFloatValues) {
    struct Case {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{"", 0}, Case{"-", 0}, Case{"42", 42}, Case{"-7", -7}}) {
        grid->SetCells(1, 1, c.text);
        EXPECT_EQ(grid->GetCellInteger(1, 1), c.value) << c.text;
    }
    grid->SetCells(1, 1, "12a");
    try {
        grid->GetCellInteger(1, 1);
        FAIL();
    } catch (const EBavGridError& e) {
        EXPECT_EQ(e.Message(), "Cell does not contain integer value");
    }
    grid->SetCells(1, 1, "(1,234.5)");
    EXPECT_DOUBLE_EQ(grid->GetCellFloat(1, 1), -1234.5);
    grid->SetCells(1, 1, "1.2.3");
    EXPECT_THROW(grid->GetCellFloat(1, 1), EBavGridError);
    grid->SetCellFloat(1, 1, 3.14159);
    EXPECT_EQ(grid->Cells(1, 1), "3.14");
    grid->SetCellInteger(1, 1, -5);
    EXPECT_EQ(grid->Cells(1, 1), "-5");
    grid->SetCellDate(1, 1, 45292);
    EXPECT_EQ(grid->Cells(1, 1), "2024-01-01");
}

}  // namespace

namespace {

using ButtonEditingTest = EditingGridTest;

// An editor that stays shown while the current cell moves must not come to
// cover a button cell.
TEST_F(ButtonEditingTest, AnAlwaysShownEditorStepsOffAButtonCell) {
    TGridOptions options = grid->Options();
    options.Include(goAlwaysShowEditor);
    grid->SetOptions(options);
    TCellGraphic* button = grid->CreateCellGraphic(1, 2);
    button->SetCellType(ctButton);
    button->SetCellIndex(MAKELONG(40, 16));
    grid->SetCells(1, 1, "above");
    grid->FocusCell(1, 1, true);
    ProcessMessages();
    ASSERT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->Visible());
    Key(VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(grid->InplaceEditor()->Visible());
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(grid->Cells(1, 1), "above");
}

}  // namespace

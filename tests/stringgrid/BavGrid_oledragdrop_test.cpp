// OLE drag and drop between two grids under synthetic mouse input, and
// drops from other programs through the platform's entry for them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "grid_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/oledragdrop.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavOptions.h"
#include "stringgrid/dragdrop/bqgdd.h"

namespace {

class OleGridTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(900, 400);
        source = NewGrid(0);
        target = NewGrid(450);
        target->DragDropSettings()->SetOleDropTarget(true);
        form->Show();
        ProcessMessages();
        source->SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int x, int y) {
            // The press itself selects its cell; the drag takes the block.
            source->SetSelection(dragged);
            const TGridCoord cell = source->MouseCoord(x, y);
            effect = source->StartOleDrag(cell.X, cell.Y);
        });
        target->SetOnOleDropped([this](TObject*, TGridRect r) { dropped = r; });
    }
    TBavStringGrid* NewGrid(int left) {
        auto* g = new TBavStringGrid(form);
        g->SetParent(form);
        g->SetBounds(left, 0, 400, 300);
        g->SetColCount(5);
        g->SetRowCount(8);
        g->SetDefaultColWidth(60);
        g->SetDefaultRowHeight(20);
        TGridOptions options = g->Options();
        options.Include(goEditing);
        g->SetOptions(options);
        return g;
    }
    POINT CellCentre(TBavStringGrid* g, int col, int row) {
        const TRect r = g->CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // Presses on the source's selection, moves to the target cell and
    // releases there (Ctrl held on the way with `copy`).
    void Drag(int col, int row, bool copy = false) {
        SimulateMouseButton(source->Handle(), CellCentre(source, 1, 1), VK_LBUTTON, true);
        if (copy) SimulateKey(VK_CONTROL, true);
        const POINT over = CellCentre(target, col, row);
        SimulateMouseMove(target->Handle(), over);
        SimulateMouseMove(target->Handle(), {over.x + 1, over.y});
        SimulateMouseButton(target->Handle(), {over.x + 1, over.y}, VK_LBUTTON, false);
        if (copy) SimulateKey(VK_CONTROL, false);
        ProcessMessages();
    }
    TForm* form = nullptr;
    TBavStringGrid *source = nullptr, *target = nullptr;
    DWORD effect = 99;
    TGridRect dragged{1, 1, 1, 1};
    TGridRect dropped{-2, -2, -2, -2};
};

TEST_F(OleGridTest, TextFillsCellsFromTheDropCellAndIsSelected) {
    source->SetCells(1, 1, "a");
    source->SetCells(2, 1, "b");
    source->SetCells(1, 2, "c");
    source->SetCells(2, 2, "d");
    dragged = {1, 1, 2, 2};
    Drag(1, 3);
    EXPECT_EQ(effect, DROPEFFECT_MOVE) << "without Ctrl a source that allows moving moves";
    EXPECT_EQ(target->Cells(1, 3), "a");
    EXPECT_EQ(target->Cells(2, 4), "d");
    EXPECT_EQ(target->Selection(), (TGridRect{1, 3, 2, 4}));
    EXPECT_EQ(dropped, (TGridRect{1, 3, 2, 4}));

    source->SetCells(1, 1, "a");
    target->DragDropSettings()->SetOleInsertRows(true);
    target->SetCells(1, 3, "kept");
    Drag(1, 3, true);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(target->RowCount(), 10);
    EXPECT_EQ(target->Cells(1, 5), "kept") << "two rows inserted first";
    EXPECT_EQ(target->Cells(1, 3), "a");
}

TEST_F(OleGridTest, RefusalsLeaveTheGridAlone) {
    source->SetCells(1, 1, "x");
    target->SetOnOleDrop([](TObject*, int, int, AnsiString, bool& allow) { allow = false; });
    Drag(2, 2);
    EXPECT_EQ(target->Cells(2, 2), "");
    EXPECT_EQ(dropped, (TGridRect{-1, -1, -1, -1}));
    target->SetOnOleDrop(nullptr);
    dropped = {-2, -2, -2, -2};
    Drag(2, 0);
    EXPECT_EQ(effect, DROPEFFECT_NONE) << "the header row refuses text";
    EXPECT_EQ(dropped, (TGridRect{-2, -2, -2, -2}));
}

TEST_F(OleGridTest, RichTextSwitchOffDeliversThePlainText) {
    source->SetCells(1, 1, "plain");
    target->DragDropSettings()->SetOleDropRTF(false);
    Drag(3, 3);
    EXPECT_EQ(target->Cells(3, 3), "plain");
}

TEST_F(OleGridTest, FilesFromOtherPrograms) {
    const auto path = std::filesystem::temp_directory_path() / "dropped.csv.txt";
    std::ofstream(path, std::ios::binary) << "p;q\r\nr;s\r\n";
    RECT r;
    GetWindowRect(target->Handle(), &r);
    const POINT at{r.left + 100, r.top + 60};
    DropFromOtherProgram(at, {{"text/uri-list", "file://" + path.string() + "\r\nfile:///tmp/other.csv\r\n"}});
    EXPECT_EQ(target->Cells(0, 0), "") << "two files do nothing";
    const DWORD given = DropFromOtherProgram(at, {{"text/uri-list", "file://" + path.string() + "\r\n"}});
    EXPECT_EQ(given, DROPEFFECT_COPY);
    EXPECT_EQ(target->Cells(1, 1), "s") << "\".CSV\" anywhere in the name loads it";
    EXPECT_EQ(target->RowCount(), 2);
    std::filesystem::remove(path);

    target->DragDropSettings()->SetOleDropTarget(false);
    EXPECT_EQ(DropFromOtherProgram(at, {{"text/plain", "t"}}), DROPEFFECT_NONE) << "revoked";
}

TEST_F(OleGridTest, FixedRowAlwaysTakesAHeaderDropIntoRowOne) {
    target->SetRowCount(1);
    target->SetFixedRowAlways(true);
    source->SetCells(1, 1, "h");
    Drag(1, 0);
    EXPECT_EQ(target->Cells(1, 1), "h");
}

// Drags started by the mouse itself: a press on the selection, a move.
class MouseDragTest : public OleGridTest {
protected:
    void SetUp() override {
        OleGridTest::SetUp();
        source->SetOnMouseDown(nullptr);
        TGridOptions options = source->Options();
        options.Exclude(goEditing);
        source->SetOptions(options);
        source->DragDropSettings()->SetOleDropSource(true);
        source->SetOnOleDragStart([this](TObject*, int row, int col) { starts.emplace_back(col, row); });
        source->SetOnOleDragStop([this](TObject*, int stopEffect) { stops.push_back(stopEffect); });
        Fill();
        press = CellCentre(source, 1, 1);
    }
    // Cell (c, r) of the source holds "<c><r>"; the block (1, 1)-(2, 2)
    // is selected.
    void Fill() {
        source->SetRowCount(8);
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 2; ++c) source->SetCells(c, r, std::to_string(c) + std::to_string(r));
        source->SetSelection(TGridRect{1, 1, 2, 2});
        starts.clear();
    }
    void Press() {
        SimulateMouseButton(source->Handle(), press, VK_LBUTTON, true);
        ProcessMessages();
    }
    void MoveBy(int dx) {
        SimulateMouseMove(source->Handle(), {press.x + dx, press.y});
        ProcessMessages();
    }
    // Carries the armed press over to the target cell and drops it there;
    // the whole way is queued first, as the drag loop reads it.
    void DropOn(int col, int row) {
        SimulateMouseMove(source->Handle(), {press.x + 4, press.y});
        const POINT over = CellCentre(target, col, row);
        SimulateMouseMove(target->Handle(), over);
        SimulateMouseMove(target->Handle(), {over.x + 1, over.y});
        SimulateMouseButton(target->Handle(), {over.x + 1, over.y}, VK_LBUTTON, false);
        ProcessMessages();
    }
    POINT press{};
    std::vector<std::pair<int, int>> starts;
    std::vector<int> stops;
};

TEST_F(MouseDragTest, AMovePastThreePixelsDragsTheSelection) {
    Press();
    EXPECT_EQ(source->Selection(), (TGridRect{1, 1, 2, 2})) << "a press on the selection keeps it";
    MoveBy(3);
    EXPECT_TRUE(starts.empty()) << "3 pixels do not start the drag";
    DropOn(1, 3);
    EXPECT_EQ(starts, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(stops, (std::vector<int>{int(DROPEFFECT_MOVE)}));
    EXPECT_EQ(target->Cells(1, 3), "11");
    EXPECT_EQ(target->Cells(2, 4), "22");
    EXPECT_EQ(source->Cells(1, 1), "") << "a move clears what was dragged";
    EXPECT_EQ(source->Cells(2, 2), "");
    EXPECT_EQ(source->Cells(1, 3), "13");
}

TEST_F(MouseDragTest, AReleaseWithoutADragSelectsTheCell) {
    Press();
    MoveBy(2);
    SimulateMouseButton(source->Handle(), {press.x + 2, press.y}, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_TRUE(starts.empty());
    EXPECT_EQ(source->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(MouseDragTest, WhatAMovingDragLeavesBehind) {
    struct Case {
        const char* name;
        bool refuse, copyAlways, removeRows;
        int rowsLeft;
        const char* firstCell;
    };
    for (const Case c : {Case{"refused by OnOleDrag", true, false, false, 8, "11"},
                         Case{"OleCopyAlways keeps the cells", false, true, false, 8, "11"},
                         Case{"OleRemoveRows removes whole rows", false, false, true, 6, "13"}}) {
        SCOPED_TRACE(c.name);
        Fill();
        press.y += 3;  // not a double click
        source->SetOnOleDrag([&](TObject*, int, int, AnsiString, bool& allow) { allow = !c.refuse; });
        source->DragDropSettings()->SetOleCopyAlways(c.copyAlways);
        source->DragDropSettings()->SetOleRemoveRows(c.removeRows);
        if (c.removeRows) {
            TGridOptions options = source->Options();
            options.Include(goRowSelect);
            source->SetOptions(options);
            source->SetSelection(TGridRect{1, 1, 4, 2});
        }
        Press();
        DropOn(3, 5);
        EXPECT_EQ(source->RowCount(), c.rowsLeft);
        EXPECT_EQ(source->Cells(1, 1), c.firstCell);
        EXPECT_EQ(starts.size(), c.refuse ? 0u : 1u);
    }
}

// Drags to and from other programs, through the host's drag and its drop
// events as the host delivers them.
TEST_F(MouseDragTest, ADragLeavingTheProgramCarriesTheTextToTheHost) {
    source->SetCells(2, 1, Utf8ToAnsi(Utf8(u8"维修")));
    TMimeData carried;
    SetHostDragForTesting([&](const TMimeData& data, DWORD allowed, DWORD* taken) {
        carried = data;
        EXPECT_EQ(allowed, DROPEFFECT_COPY | DROPEFFECT_MOVE);
        *taken = DROPEFFECT_COPY;
        return true;
    });
    // Once the drag holds the mouse, the pointer leaves every window.
    source->SetOnOleDragStart([this](TObject*, int, int) {
        SetCapture(source->Handle());
        SimulateMouseMove(source->Handle(), {-500, -500});
    });
    Press();
    SimulateMouseMove(source->Handle(), {press.x + 4, press.y});
    ProcessMessages();
    SetHostDragForTesting(nullptr);
    ASSERT_FALSE(carried.empty());
    EXPECT_EQ(carried.front(), (std::pair<std::string, std::string>{"text/plain", Utf8(u8"11\t维修\r\n12\t22")}));
    EXPECT_EQ(stops, (std::vector<int>{int(DROPEFFECT_COPY)}));
    EXPECT_EQ(source->Cells(1, 1), "11") << "a copy keeps the cells";
    EXPECT_EQ(source->Selection(), (TGridRect{1, 1, 2, 2}));
}

TEST_F(MouseDragTest, TextFromAnotherProgramDropsIntoTheGrid) {
    const DWORD taken = SimulateHostDrop(target->Handle(), CellCentre(target, 1, 2),
                                         {{"text/plain", Utf8(u8"x\t维修\ny\tz\n")}}, MK_CONTROL);
    EXPECT_EQ(taken, DROPEFFECT_COPY);
    EXPECT_EQ(target->Cells(2, 2), Utf8ToAnsi(Utf8(u8"维修")));
    EXPECT_EQ(target->Cells(2, 3), "z") << "LF ended lines are lines";
    EXPECT_EQ(dropped, (TGridRect{1, 2, 2, 3}));
    EXPECT_EQ(SimulateHostDrop(target->Handle(), CellCentre(target, 1, 0), {{"text/plain", "h"}}), DROPEFFECT_NONE)
        << "the header row refuses text";
    EXPECT_EQ(SimulateHostDrop(source->Handle(), CellCentre(source, 1, 2), {{"text/plain", "s"}}), DROPEFFECT_NONE)
        << "no drop target registered";
}

}  // namespace

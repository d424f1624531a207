// Sorting by title click on a list grid over the application's service
// orders: the press, its release and drag, Ctrl deferral, and the request
// reaching the query's Sort without running the statement again.
#include "support/temp_dir.h"
#include "tests/datagrid/list_grid_fixture.h"
#include "tests/platform/win/window_fixture.h"

using SortMarkingTest = ListGridTest;

TEST_F(SortMarkingTest, TitleClicksSortThroughTheQuerysSortWithoutRunningItAgain) {
    ClickTitle(1);
    EXPECT_EQ(query_->Sort(), "品牌");
    EXPECT_EQ(Numbers(), (std::vector<AnsiString>{"0002", "0003", "0001"}));
    db_->Exec("INSERT INTO 流水记录 (编号, 品牌) VALUES ('0000', 'A')");
    ClickTitle(1);
    EXPECT_EQ(query_->Sort(), "品牌 DESC");
    EXPECT_EQ(Title(1)->SortMarker(), smUpVyn);
    EXPECT_EQ(Numbers(), (std::vector<AnsiString>{"0001", "0003", "0002"}));
    ClickTitle(1);
    EXPECT_EQ(query_->Sort(), "品牌");
    EXPECT_EQ(query_->RecordCount(), 3);
}

TEST_F(SortMarkingTest, CtrlClicksMakeOneRequestWhenCtrlIsReleased) {
    CountRequests();
    SimulateKey(VK_CONTROL, true);
    ProcessMessages();
    for (int column : {2, 1, 0}) ClickTitle(column);
    EXPECT_EQ(requests_, 0);
    EXPECT_TRUE(grid_->PendingSortMarking());
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    EXPECT_EQ(requests_, 1);
    EXPECT_FALSE(grid_->PendingSortMarking());
    EXPECT_EQ(query_->Sort(), "型号, 品牌, 编号");
    EXPECT_EQ(Title(2)->SortIndex(), 1);
    EXPECT_EQ(Title(1)->SortIndex(), 2);
    EXPECT_EQ(Title(0)->SortIndex(), 3);
    grid_->Invalidate();
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form_->Handle(), ScreenshotDir() + "dbgrid-sort.png"));
}

TEST_F(SortMarkingTest, APendingRequestIsMadeWhenTheFocusLeavesButNotForTheGridsEditor) {
    CountRequests();
    grid_->SetEditorMode(true);
    ProcessMessages();
    ASSERT_NE(grid_->InplaceEditor(), nullptr);
    SimulateKey(VK_CONTROL, true);
    ClickTitle(1);
    grid_->Perform(WM_KILLFOCUS, static_cast<WPARAM>(grid_->InplaceEditor()->Handle()), 0);
    EXPECT_EQ(requests_, 0);
    EXPECT_TRUE(grid_->PendingSortMarking());
    grid_->SetFocus();
    ProcessMessages();
    edit_->SetFocus();
    ProcessMessages();
    EXPECT_EQ(requests_, 1);
    EXPECT_EQ(query_->Sort(), "品牌");
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
    EXPECT_EQ(requests_, 1);
}

TEST_F(SortMarkingTest, AReleaseOverAnotherTitleOnlyClicksThatTitle) {
    grid_->SetOptions(grid_->Options() - TDBGridOptions{dgColumnResize});
    TColumnVyn* clicked = nullptr;
    grid_->SetOnTitleClick(TDBGridVynClickEvent([&](TColumnVyn* column) { clicked = column; }));
    Press(TitlePoint(0));
    EXPECT_TRUE(grid_->TitleButtonShownPressed(grid_->DataToRawColumn(0)));
    Move(TitlePoint(2));
    EXPECT_FALSE(grid_->TitleButtonShownPressed(grid_->DataToRawColumn(0)));
    Release(TitlePoint(2));
    EXPECT_EQ(clicked, grid_->Columns()->Items(2));
    for (int column = 0; column < 4; ++column) EXPECT_EQ(Title(column)->SortMarker(), smNoneVyn);
    EXPECT_EQ(query_->Sort(), "");
}

TEST_F(SortMarkingTest, AHeldTitleButtonLooksPushedInUntilReleased) {
    const TRect cell = grid_->CellRect(grid_->DataToRawColumn(1), 0);
    const auto titlePixels = [&] {
        ProcessMessages();
        RECT window{};
        GetWindowRect(grid_->Handle(), &window);
        POINT origin{cell.left, cell.top};
        ClientToScreen(grid_->Handle(), &origin);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < cell.bottom - cell.top; ++y)
            for (int x = 0; x < cell.right - cell.left; ++x)
                pixels.push_back(ShownPixel(grid_->Handle(), origin.x - window.left + x, origin.y - window.top + y));
        return pixels;
    };
    const std::vector<COLORREF> up = titlePixels();
    Press(TitlePoint(1));
    const std::vector<COLORREF> down = titlePixels();
    SaveWindowScreenshot(grid_->Handle(), ScreenshotDir() + "dbgrid_title_pressed.png");
    EXPECT_NE(down, up);
    // The top-left corner turns from the raised edge's light to its shadow.
    EXPECT_EQ(up[0], ColorToRGB(clBtnHighlight));
    EXPECT_NE(down[0], ColorToRGB(clBtnHighlight));
    Release(TitlePoint(1));
    Move(TitlePoint(3));
    EXPECT_EQ(titlePixels()[0], ColorToRGB(clBtnHighlight));
}

TEST_F(SortMarkingTest, ThreePixelsSidewaysKeepThePressFourStartAColumnMove) {
    Press(TitlePoint(1));
    Move(TitlePoint(1, 3));
    Move(TitlePoint(1, -3));
    EXPECT_TRUE(grid_->TitleButtonShownPressed(grid_->DataToRawColumn(1)));
    EXPECT_EQ(grid_->GridState(), gsNormal);
    Move(TitlePoint(1, 4));
    EXPECT_FALSE(grid_->TitleButtonShownPressed(grid_->DataToRawColumn(1)));
    EXPECT_EQ(grid_->GridState(), gsColMoving);
    Move(TitlePoint(3));
    Release(TitlePoint(3));
    EXPECT_EQ(grid_->Columns()->Items(3)->FieldName(), "品牌");
    EXPECT_EQ(Title(3)->SortMarker(), smNoneVyn);
}

TEST_F(SortMarkingTest, AButtonDisabledByOnCheckButtonIsNoButton) {
    int downs = 0;
    grid_->SetOnMouseDown(TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; }));
    ClickTitle(1);
    EXPECT_EQ(downs, 0);
    grid_->SetOnCheckButton(
        TCheckTitleVynBtnEvent([](TObject*, int col, TColumnVyn*, bool& enabled) { enabled = col != 0; }));
    ClickTitle(0);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(Title(0)->SortMarker(), smNoneVyn);
    EXPECT_EQ(query_->Sort(), "品牌");
}

TEST_F(SortMarkingTest, HandlersTakeTheRequestBeforeTheBackEnd) {
    CountRequests();
    int changed = 0;
    grid_->SetOnSortMarkingChanged(TNotifyEvent([&](TObject*) { ++changed; }));
    ClickTitle(1);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(requests_, 0);
    grid_->SetOnSortMarkingChanged({});
    DBGridVynDataService()->SetOnApplySorting(TNotifyEvent([&](TObject*) { ++requests_; }));
    ClickTitle(1);
    EXPECT_EQ(requests_, 1);
    EXPECT_EQ(query_->Sort(), "");
}

TEST_F(SortMarkingTest, ASortOnAMissingFieldReachesTheApplicationsHandler) {
    TColumnVyn* missing = grid_->Columns()->Add();
    missing->SetFieldName("不存在");
    missing->SetWidth(80);
    ProcessMessages();
    AnsiString message;
    Application->SetOnException(TExceptionEvent([&](TObject*, const std::exception_ptr& e) {
        try {
            std::rethrow_exception(e);
        } catch (const Exception& error) {
            message = error.Message();
        }
    }));
    ClickTitle(4);
    EXPECT_NE(message, "");
    EXPECT_EQ(Title(4)->SortMarker(), smDownVyn);
    EXPECT_FALSE(grid_->PendingSortMarking());
}

TEST_F(SortMarkingTest, UnderMultiLevelTitlesOnlyTheLowestBandHoldsTheButton) {
    grid_->Columns()->Items(1)->Title()->SetCaption("机器|品牌");
    grid_->Columns()->Items(2)->Title()->SetCaption("机器|型号");
    grid_->SetUseMultiTitle(true);
    ProcessMessages();
    const TRect cell = grid_->CellRect(grid_->DataToRawColumn(1), 0);
    SimulateClick(grid_->Handle(), POINT{(cell.left + cell.right) / 2, cell.top + 2});
    ProcessMessages();
    EXPECT_EQ(Title(1)->SortMarker(), smNoneVyn);
    SimulateClick(grid_->Handle(), POINT{(cell.left + cell.right) / 2 + 8, cell.bottom - 3});
    ProcessMessages();
    EXPECT_EQ(Title(1)->SortMarker(), smDownVyn);
    EXPECT_EQ(query_->Sort(), "品牌");
}

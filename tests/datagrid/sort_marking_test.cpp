// Sorting by title click on a list grid over the application's service
// orders: the press, its release and drag, Ctrl deferral, and the request
// reaching the query's Sort without running the statement again.
#include "datagrid/DBGridVynDataService.h"
#include "support/ado_fixture.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

// The application's database, made for a test that is not an ADO test.
class ServiceOrders : public AdoFixture {
public:
    ServiceOrders() { SetUp(); }
    void TestBody() override {}
    using AdoFixture::Exec;
    using AdoFixture::Open;
};

class TListGrid : public TDBGridVyn {
    SERVIORA_CLASS(TListGrid, TDBGridVyn)
public:
    using TDBGridVyn::TDBGridVyn;
    using TDBGridVyn::GridState;
};

}  // namespace

// The list windows' grid: title buttons, multi-column sort marking, local
// sorting, on a form beside an edit.
class SortMarkingTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        db_ = std::make_unique<ServiceOrders>();
        for (const char* row : {"('0003', 'B牌', 'X1', 30)", "('0001', 'C牌', 'X3', 10)", "('0002', 'A牌', 'X2', 20)"})
            db_->Exec(AnsiString("INSERT INTO 流水记录 (编号, 品牌, 型号, 价格) VALUES ") + row);
        query_ = db_->Open("SELECT 编号, 品牌, 型号, 价格 FROM 流水记录");
        source_ = std::make_unique<TDataSource>(nullptr);
        source_->SetDataSet(query_.get());
        form_ = NewForm(500, 300);
        grid_ = Place<TListGrid>(form_, 0, 0, 480, 200);
        edit_ = Place<TEdit>(form_, 0, 220, 100, 24);
        grid_->ColumnDefValues()->Title()->SetTitleButton(true);
        for (const char* name : {"编号", "品牌", "型号", "价格"}) {
            TColumnVyn* column = grid_->Columns()->Add();
            column->SetFieldName(name);
            column->SetWidth(80);
        }
        grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghAutoSortMarking, dghMultiSortMarking});
        grid_->SetSortLocal(true);
        grid_->SetDataSource(source_.get());
        form_->Show();
        ProcessMessages();
        grid_->SetFocus();
        // A right click, so that the first left click is no double click
        // with the last one of an earlier test's window.
        SimulateClick(edit_->Handle(), POINT{5, 5}, VK_RBUTTON);
        ProcessMessages();
    }
    void TearDown() override {
        DBGridVynDataService()->SetOnApplySorting({});
        form_ = nullptr;
        ControlTest::TearDown();
        source_.reset();
        query_.reset();
        db_.reset();
    }

    POINT TitlePoint(int column, int dx = 0) const {
        const TRect cell = grid_->CellRect(grid_->DataToRawColumn(column), 0);
        return POINT{(cell.left + cell.right) / 2 + dx, (cell.top + cell.bottom) / 2};
    }
    void Press(POINT p) { SimulateMouseButton(grid_->Handle(), p, VK_LBUTTON, true), ProcessMessages(); }
    void Move(POINT p) { SimulateMouseMove(grid_->Handle(), p), ProcessMessages(); }
    void Release(POINT p) { SimulateMouseButton(grid_->Handle(), p, VK_LBUTTON, false), ProcessMessages(); }
    // Clicks alternate 10 pixels apart, so that none is a double click.
    void ClickTitle(int column) {
        SimulateClick(grid_->Handle(), TitlePoint(column, ++clicks_ % 2 ? -5 : 5));
        ProcessMessages();
    }
    // Counts the requests reaching the service and passes them on.
    void CountRequests() {
        DBGridVynDataService()->SetOnApplySorting(TNotifyEvent([this](TObject* sender) {
            ++requests_;
            DBGridVynDataService()->DefaultApplySorting(static_cast<TCustomDBGridVyn*>(sender));
        }));
    }
    std::vector<AnsiString> Numbers() {
        std::vector<AnsiString> numbers;
        for (query_->First(); !query_->Eof(); query_->Next()) numbers.push_back(query_->FieldByName("编号")->AsString());
        return numbers;
    }
    TColumnTitleVyn* Title(int column) { return grid_->Columns()->Items(column)->Title(); }

    std::unique_ptr<ServiceOrders> db_;
    std::unique_ptr<TADOQuery> query_;
    std::unique_ptr<TDataSource> source_;
    TForm* form_ = nullptr;
    TListGrid* grid_ = nullptr;
    TEdit* edit_ = nullptr;
    int requests_ = 0;
    int clicks_ = 0;
};

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

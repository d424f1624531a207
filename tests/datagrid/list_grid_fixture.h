// A list window's grid on a shown form, as the application's list windows
// place it (title buttons, multi-column sort marking, local sorting, a
// footer row), over a query on the service orders, beside an edit.
#pragma once

#include <memory>
#include <vector>

#include "datagrid/DBGridVynDataService.h"
#include "support/ado_fixture.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

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
    using TDBGridVyn::MouseGesture;
};

class ListGridTest : public ControlTest {
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
        grid_->SetFooterRowCount(1);
        grid_->SumList()->SetActive(true);
        TColumnFooterVyn* label = grid_->Columns()->Items(0)->Footer();
        label->SetValueType(fvtStaticText);
        label->SetValue("合计数量");
        TColumnFooterVyn* count = grid_->Columns()->Items(1)->Footer();
        count->SetValueType(fvtCount);
        count->SetFieldName("编号");
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


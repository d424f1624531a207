// Read-property interceptors: the columns' order as quoted names, a
// column's width under auto-fit, and a form's placement scaled to the screen.
#include "datagrid/PropFilerVyn.h"
#include "tests/datagrid/grid_fixture.h"

using InterceptorsTest = GridTest;

TEST_F(InterceptorsTest, ColumnsIndexReadsAndReordersByFieldName) {
    TProbeGrid* grid = NewGrid();
    for (const char* name : {"A", "B", "C"}) grid->Columns()->Add()->SetFieldName(name);
    TColumnsVynPropertyInterceptor order(grid->Columns());
    EXPECT_EQ(order.ColumnsIndex(), "\"A\",\"B\",\"C\"");
    order.SetColumnsIndex("\"C\",\"没有\",\"A\"");
    EXPECT_EQ(order.ColumnsIndex(), "\"C\",\"A\",\"B\"");
    TColumnsVynPropertyInterceptor empty(NewGrid()->Columns());
    EXPECT_EQ(empty.ColumnsIndex(), "");
}

TEST_F(InterceptorsTest, ColumnWidthGoesToTheBaseWidthUnderAutoFit) {
    TProbeGrid* grid = NewGrid();
    TColumnVyn* column = grid->Columns()->Add();
    column->SetWidth(50);
    TColumnVynPropertyInterceptor width(column);
    width.SetWidth(80);
    EXPECT_EQ(column->Width(), 80);
    grid->SetAutoFitColWidths(true);
    width.SetWidth(120);
    EXPECT_EQ(column->AutoFitBaseWidth(), 120);
    EXPECT_EQ(column->Width(), 80);
}

TEST_F(InterceptorsTest, AFormStoredAtAnotherResolutionIsScaled) {
    std::unique_ptr<TForm> form(TForm::Create(nullptr));
    form->SetPosition(poScreenCenter);
    TFormStoragePropertyInterceptor placement(form.get());
    placement.SetPixelsPerInch(120);
    placement.SetLeft(100);
    placement.SetTop(50);
    placement.SetWidth(500);
    placement.SetHeight(250);
    placement.AfterRead();
    EXPECT_EQ(form->BoundsRect(), (TRect{80, 40, 80 + 400, 40 + 200}));
    EXPECT_EQ(form->Position(), poDesigned);  // a read position ends the centring
}

TEST_F(InterceptorsTest, TheLibraryRegistersItsInterceptorsAndTheLastPairWins) {
    EXPECT_EQ(ReadInterceptorFor(TColumnVyn::StaticClass()), TColumnVynPropertyInterceptor::StaticClass());
    EXPECT_EQ(ReadInterceptorFor(TCustomForm::StaticClass()), TFormStoragePropertyInterceptor::StaticClass());
    AddReadInterceptor(TColumnVyn::StaticClass(), TStoragePropertyInterceptor::StaticClass());
    EXPECT_EQ(ReadInterceptorFor(TColumnVyn::StaticClass()), TStoragePropertyInterceptor::StaticClass());
    RemoveReadInterceptor(TColumnVyn::StaticClass(), TColumnVynPropertyInterceptor::StaticClass());
    EXPECT_NE(ReadInterceptorFor(TColumnVyn::StaticClass()), nullptr);  // only an exact pair goes
    RemoveReadInterceptor(TColumnVyn::StaticClass(), TStoragePropertyInterceptor::StaticClass());
    EXPECT_EQ(ReadInterceptorFor(TColumnVyn::StaticClass()), nullptr);
    RegisterStandardReadInterceptors();
}

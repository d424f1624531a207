// The grid's data link: dataset notifications reach the grid's operations,
// and the map from grid columns to fields.
#include "platform/data/dataset.h"
#include "tests/datagrid/grid_fixture.h"

using GridDataLinkTest = GridTest;
using Calls = std::vector<AnsiString>;

TEST_F(GridDataLinkTest, EachNotificationReachesItsGridOperation) {
    FillPhones(5);
    TProbeGrid* grid = NewGrid();
    grid->SetDataSource(source_.get());
    grid->recording = true;

    phones_->Open();
    EXPECT_EQ(grid->Take().front(), "LinkActiveChanged(on)");
    phones_->Next();
    EXPECT_EQ(grid->Take(), (Calls{"DataScrolled(1)"}));
    phones_->Edit();
    Calls calls = grid->Take();
    EXPECT_EQ(calls.front(), "InvalidateIndicator");
    phones_->FieldByName("价格")->SetAsFloat(7);
    EXPECT_EQ(grid->Take(), (Calls{"RecordChanged(价格)"}));
    phones_->Post();
    calls = grid->Take();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "RebuildLayout"), calls.end());
    phones_->DataEvent(deLayoutChange, 0);
    calls = grid->Take();
    EXPECT_EQ(calls.front(), "RequestLayout(in link layout)");
    EXPECT_FALSE(grid->InLinkLayout());
    phones_->Close();
    EXPECT_EQ(grid->Take().front(), "LinkActiveChanged(off)");
}

TEST_F(GridDataLinkTest, UpdateDataWritesAPendingEditOnceAndIgnoresReentry) {
    FillPhones(2);
    phones_->Open();
    TProbeGrid* grid = NewGrid();
    grid->SetDataSource(source_.get());
    grid->recording = true;
    phones_->Edit();
    grid->Take();
    grid->DataLink()->MarkModified();
    // Writing the cell's text validates the field, which asks for the record again.
    grid->whileApplying = [&] { phones_->UpdateRecord(); };
    phones_->UpdateRecord();
    Calls calls = grid->Take();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ApplyEditText"), 1);
    EXPECT_FALSE(grid->DataLink()->EditModified());
}

TEST_F(GridDataLinkTest, MapFieldSparseAndDense) {
    FillPhones(1);
    phones_->Open();
    TGridDataLinkVyn* link = NewGrid()->DataLink();
    link->SetDataSource(source_.get());
    link->ClearFieldMap();

    link->SetSparseMap(true);
    for (const char* name : {"价格", "没有", "编号"}) EXPECT_TRUE(link->MapField(name));
    EXPECT_EQ(link->MappedCount(), 3);
    EXPECT_EQ(link->MappedField(0), phones_->FieldByName("价格"));
    EXPECT_EQ(link->MappedField(1), nullptr);
    EXPECT_EQ(link->MappedField(2), phones_->FieldByName("编号"));
    EXPECT_EQ(link->MappedField(-1), nullptr);
    EXPECT_EQ(link->MappedField(3), nullptr);
    EXPECT_FALSE(link->UsesDefaultFields());

    link->ClearFieldMap();
    link->SetSparseMap(false);
    for (int i = 0; i < 20; ++i) link->MapField("编号");  // the map grows past its first capacity
    EXPECT_EQ(link->MappedCount(), 20);
    EXPECT_EQ(link->MappedField(19), phones_->FieldByName("编号"));
    EXPECT_TRUE(link->UsesDefaultFields());
    EXPECT_THROW(link->MapField("没有"), EDatabaseError);
    EXPECT_EQ(link->MappedCount(), 20);
}

TEST_F(GridDataLinkTest, ResetRecordDropsAPendingCellEditOrCancelsTheRecord) {
    FillPhones(1);
    phones_->Open();
    TProbeGrid* grid = NewGrid();
    grid->SetDataSource(source_.get());
    phones_->Edit();
    phones_->FieldByName("价格")->SetAsFloat(5);
    grid->DataLink()->MarkModified();
    grid->DataLink()->ResetRecord();
    EXPECT_EQ(phones_->State(), dsEdit);  // only the cell's edit went
    EXPECT_FALSE(grid->DataLink()->EditModified());
    grid->DataLink()->ResetRecord();
    EXPECT_EQ(phones_->State(), dsBrowse);
    EXPECT_DOUBLE_EQ(phones_->FieldByName("价格")->AsFloat(), 100.0);
}

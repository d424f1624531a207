// The sum list behind footers: counts, sums and averages followed through
// edits, inserts, deletes, filters and master scrolls, with the dataset's
// own handlers still called; record numbers of an unsequenced dataset.
#include <gtest/gtest.h>

#include "platform/data/field.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

class SumListTest : public GridTest {
protected:
    // A grid over the phones with one footer per value type asked for.
    TProbeGrid* GridWithFooters(std::initializer_list<std::pair<TFooterValueType, const char*>> footers) {
        TProbeGrid* grid = NewGrid();
        grid->SetDataSource(source_.get());
        for (auto [type, field] : footers) {
            TColumnVyn* column = grid->Columns()->Add();
            column->SetFieldName(field);
            column->Footer()->SetValueType(type);
        }
        grid->SetFooterRowCount(1);
        grid->SumList()->SetActive(true);
        return grid;
    }
    static double Amount(TProbeGrid* grid, TGroupOperation operation, const char* field) {
        TDBSum* sum = grid->SumList()->SumCollection()->FindSum(operation, field);
        return sum ? sum->Amount.ToDouble() : -1;
    }
    void SetPrices(std::initializer_list<Variant> prices) {
        int i = 0;
        for (const Variant& price : prices) phones_->AddRow({AnsiString(1, char('a' + i++)), price, false});
    }
};

TEST_F(SumListTest, ACountFollowsAppendCancelAndDelete) {
    FillPhones(7);
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "价格"}});
    TDBSum* count = grid->SumList()->SumCollection()->FindSum(goCount, "");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->Amount.Scaled(), 70000);
    EXPECT_TRUE(phones_->Bof());  // a recount leaves the dataset on its first record

    phones_->Append();
    phones_->FieldByName("编号")->SetAsString("8");
    phones_->Post();
    EXPECT_EQ(count->Amount.Scaled(), 80000);
    phones_->Append();
    phones_->Cancel();
    EXPECT_EQ(count->Amount.Scaled(), 80000);
    phones_->Delete();
    EXPECT_EQ(count->Amount.Scaled(), 70000);
    phones_->Close();
    EXPECT_EQ(count->Amount.Scaled(), 0);
    phones_->Open();
    EXPECT_EQ(count->Amount.Scaled(), 70000);
}

TEST_F(SumListTest, ACountWithAFieldCountsNullRecordsToo) {
    SetPrices({2.0, Null(), 4.0});
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "价格"}});
    EXPECT_EQ(Amount(grid, goCount, ""), 3);
}

TEST_F(SumListTest, ASumFollowsEditsExactly) {
    SetPrices({2.5, 1.0});
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtSum, "价格"}});
    EXPECT_EQ(Amount(grid, goSum, "价格"), 3.5);
    phones_->Edit();
    phones_->FieldByName("价格")->SetAsFloat(4);
    phones_->Post();
    EXPECT_EQ(Amount(grid, goSum, "价格"), 5.0);
    phones_->Edit();
    phones_->FieldByName("价格")->Clear();
    phones_->Post();
    EXPECT_EQ(Amount(grid, goSum, "价格"), 1.0);
}

TEST_F(SumListTest, AnAverageLeavesNullsOut) {
    SetPrices({2.0, Null(), 4.0});
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtAvg, "价格"}});
    EXPECT_EQ(Amount(grid, goAvg, "价格"), 3.0);
    phones_->Next();
    phones_->Edit();
    phones_->FieldByName("价格")->SetAsFloat(6);
    phones_->Post();
    EXPECT_EQ(Amount(grid, goAvg, "价格"), 4.0);
}

TEST_F(SumListTest, AChangedFilterIsCountedAtTheNextScroll) {
    FillPhones(6);
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "编号"}});
    int recalcs = 0;
    grid->SetOnSumListRecalcAll(TNotifyEvent([&](TObject*) { ++recalcs; }));
    phones_->SetOnFilterRecord(TFilterRecordEvent([](TDataSet* dataSet, bool& accept) {
        accept = dataSet->FieldByName("已返厂")->AsBoolean();
    }));
    phones_->SetFiltered(true);  // moves to the first record, a scroll
    EXPECT_EQ(Amount(grid, goCount, ""), 3);
    EXPECT_EQ(recalcs, 1);
    phones_->SetFilter("已返厂 = True");
    EXPECT_EQ(recalcs, 1);
    phones_->Next();
    EXPECT_EQ(recalcs, 2);
    phones_->Next();
    EXPECT_EQ(recalcs, 2);
}

TEST_F(SumListTest, ExternalRecalcZeroesWithoutWalkingAndStillFollowsEdits) {
    FillPhones(3);
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "编号"}});
    int recalcs = 0, afterRecalcs = 0;
    grid->SetOnSumListRecalcAll(TNotifyEvent([&](TObject*) { ++recalcs; }));
    grid->SetOnSumListAfterRecalcAll(TNotifyEvent([&](TObject*) { ++afterRecalcs; }));
    grid->SumList()->SetExternalRecalc(true);
    EXPECT_EQ(Amount(grid, goCount, ""), 0);
    EXPECT_EQ(recalcs, 1);
    EXPECT_EQ(afterRecalcs, 0);
    phones_->Append();
    phones_->Post();
    EXPECT_EQ(Amount(grid, goCount, ""), 1);
}

TEST_F(SumListTest, AMasterScrollRecountsAndTheMastersHandlerStillRuns) {
    FillPhones(2);
    TMemoryDataSet master(nullptr);
    master.AddColumn("id", ftInteger);
    master.AddRow({1});
    master.AddRow({2});
    master.Open();
    int masterScrolls = 0;
    master.SetAfterScroll(TDataSetNotifyEvent([&](TDataSet*) { ++masterScrolls; }));
    TDataSource masterSource(nullptr);
    masterSource.SetDataSet(&master);
    phones_->SetMasterSource(&masterSource);
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "编号"}});
    EXPECT_EQ(grid->SumList()->MasterDataSet(), &master);
    int recalcs = 0;
    grid->SetOnSumListRecalcAll(TNotifyEvent([&](TObject*) { ++recalcs; }));
    master.Next();
    EXPECT_EQ(recalcs, 1);
    EXPECT_EQ(masterScrolls, 1);
    grid->SumList()->SetActive(false);
    EXPECT_EQ(master.AfterScroll().Assigned(), true);
    master.Prior();
    EXPECT_EQ(masterScrolls, 2);
    EXPECT_EQ(recalcs, 1);
}

TEST_F(SumListTest, AFailedDeleteKeepsTheRecordCounted) {
    SetPrices({2.0, 3.0});
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "编号"}, {fvtSum, "价格"}});
    phones_->SetFailDelete(true);
    EXPECT_THROW(phones_->Delete(), EDatabaseError);
    EXPECT_EQ(Amount(grid, goCount, ""), 2);
    EXPECT_EQ(Amount(grid, goSum, "价格"), 5);
}

TEST_F(SumListTest, TheDatasetsOwnHandlersAreChainedAndGivenBack) {
    FillPhones(2);
    std::vector<AnsiString> calls;
    phones_->SetAfterPost(TDataSetNotifyEvent([&](TDataSet*) { calls.push_back("post"); }));
    phones_->SetBeforeDelete(TDataSetNotifyEvent([&](TDataSet*) { calls.push_back("delete"); }));
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "编号"}});
    phones_->Edit();
    phones_->Post();
    phones_->Delete();
    EXPECT_EQ(calls, (std::vector<AnsiString>{"post", "delete"}));
    EXPECT_EQ(Amount(grid, goCount, ""), 1);
    grid->SumList()->SetActive(false);
    EXPECT_EQ(Amount(grid, goCount, ""), 0);
    phones_->Append();
    phones_->Post();
    EXPECT_EQ(calls.back(), "post");
    EXPECT_EQ(Amount(grid, goCount, ""), 0);
}

TEST_F(SumListTest, AFooterThatStopsCountingFreesItsItem) {
    FillPhones(2);
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "编号"}, {fvtSum, "价格"}});
    EXPECT_EQ(grid->SumList()->SumCollection()->Count(), 2);
    grid->Columns()->Items(0)->Footer()->SetValueType(fvtStaticText);
    EXPECT_EQ(grid->SumList()->SumCollection()->Count(), 1);
    EXPECT_EQ(Amount(grid, goSum, "价格"), 300);
    delete grid->Columns()->Items(1);
    EXPECT_EQ(grid->SumList()->SumCollection()->Count(), 0);
}

}  // namespace

namespace {

TEST_F(SumListTest, VirtualRecordsNumberAnUnsequencedDataset) {
    FillPhones(4);
    phones_->SetSequenced(false);
    phones_->Open();
    TProbeGrid* grid = GridWithFooters({{fvtCount, "编号"}});
    TDBGridVynSumList* sums = grid->SumList();
    EXPECT_FALSE(sums->RecordsSequenced());
    sums->SetVirtualRecords(true);
    EXPECT_TRUE(sums->RecordsSequenced());
    EXPECT_EQ(sums->VirtualRecordCount(), 4);
    phones_->Last();
    EXPECT_EQ(sums->VirtualRecNo(), 4);
    sums->SetVirtualRecNo(2);
    EXPECT_EQ(phones_->FieldByName("编号")->AsString(), "0000000002");
    phones_->Delete();
    EXPECT_EQ(sums->VirtualRecordCount(), 3);
    phones_->Append();
    phones_->FieldByName("编号")->SetAsString("9");
    phones_->Post();
    EXPECT_EQ(sums->VirtualRecordCount(), 4);
    EXPECT_EQ(sums->VirtualRecNo(), 4);  // appended last in bookmark order
}

}  // namespace

namespace {

TEST_F(SumListTest, AssignCopiesTheSwitchesAndTheItems) {
    FillPhones(3);
    phones_->Open();
    TProbeGrid* counting = GridWithFooters({{fvtCount, "编号"}, {fvtSum, "价格"}});
    TDBSumListProducer copy(nullptr);
    copy.Assign(counting->SumList());
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.DataSet(), phones_.get());
    ASSERT_EQ(copy.SumCollection()->Count(), 2);
    EXPECT_EQ(copy.SumCollection()->FindSum(goSum, "价格")->Amount.ToDouble(), 600);
    copy.SetActive(false);  // gives the dataset its handlers back
    EXPECT_EQ(copy.SumCollection()->FindSum(goSum, "价格")->Amount.ToDouble(), 0);
}

}  // namespace

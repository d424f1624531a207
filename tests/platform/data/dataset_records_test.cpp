// Whole records from lists of values and the Find searches.
#include <gtest/gtest.h>

#include "database_fixture.h"
#include "platform/rtl/sysutils.h"

class DatasetRecordsTest : public DatabaseTest {};

TEST_F(DatasetRecordsTest, RecordsFromValueListsArePostedAndNilClears) {
    auto spare = Open("select 串码, 品牌, 型号 from 备用机库");
    const TVarRec first[] = {TVarRec("S1"), TVarRec("诺基亚"), TVarRec("N1")};
    spare->AppendRecord(first);
    const TVarRec second[] = {TVarRec("S0")};
    spare->InsertRecord(second);
    EXPECT_EQ(Count("备用机库"), 2);
    EXPECT_EQ(spare->FieldByName("串码")->AsString(), "S0");
    EXPECT_TRUE(spare->FieldByName("品牌")->IsNull()) << "fewer values leave the other fields";

    spare->Last();
    spare->Edit();
    const TVarRec cleared[] = {TVarRec("S1"), TVarRec(static_cast<const void*>(nullptr))};
    spare->SetFields(cleared);
    EXPECT_TRUE(spare->FieldByName("品牌")->IsNull());
    EXPECT_EQ(spare->FieldByName("型号")->AsString(), "N1");
    spare->ClearFields();
    EXPECT_TRUE(spare->FieldByName("型号")->IsNull());
    spare->Cancel();

    EXPECT_THROW(spare->SetFields(first), EDatabaseError) << "only while editing";
    EXPECT_THROW(spare->ClearFields(), EDatabaseError);
}

TEST_F(DatasetRecordsTest, FindSearchesReportWhetherTheyReachedARecord) {
    auto empty = Open("select * from 备用机库");
    EXPECT_FALSE(empty->FindFirst());
    EXPECT_FALSE(empty->FindLast());
    Exec("insert into 备用机库 (串码) values ('A')");
    Exec("insert into 备用机库 (串码) values ('B')");
    auto spare = Open("select 串码 from 备用机库 order by 串码");
    EXPECT_TRUE(spare->FindLast());
    EXPECT_EQ(spare->FieldByName("串码")->AsString(), "B");
    EXPECT_TRUE(spare->FindPrior());
    EXPECT_FALSE(spare->FindPrior());
    EXPECT_FALSE(spare->Found());
    EXPECT_TRUE(spare->FindNext());
    EXPECT_FALSE(spare->FindNext());
    EXPECT_TRUE(spare->FindFirst());
    EXPECT_TRUE(spare->Found());
}

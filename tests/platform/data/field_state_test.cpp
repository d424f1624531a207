// A field's stored and edited values, its constraint texts, a blob field's
// whole-value loading and saving, and a dataset read again from storage.
#include <gtest/gtest.h>

#include "database_fixture.h"
#include "platform/rtl/streams.h"

namespace {

class FieldStateTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Exec("create table 附件 (编号 integer primary key, 名称 text, 数据 blob)");
        Exec("insert into 附件 values (1, '甲', X'00FF01')");
        Exec("insert into 附件 values (2, '乙', null)");
        Exec("insert into 附件 values (3, '丙', X'41')");
        query_ = Open("select * from 附件 order by 编号");
    }
    std::unique_ptr<TADOQuery> query_;
};

TEST_F(FieldStateTest, OldValueIsTheStoredRecordNewValueTheEdit) {
    TADOQuery* q = query_.get();
    TField* name = q->FieldByName("名称");
    EXPECT_EQ(VarToStr(name->OldValue()), "甲");
    q->Edit();
    name->SetNewValue("丁");
    EXPECT_EQ(VarToStr(name->OldValue()), "甲");
    EXPECT_EQ(VarToStr(name->CurValue()), "甲");
    EXPECT_EQ(VarToStr(name->NewValue()), "丁");
    q->Post();
    EXPECT_EQ(VarToStr(name->OldValue()), "丁");

    q->Append();
    EXPECT_TRUE(VarIsNull(name->OldValue()));
    name->SetAsString("戊");
    EXPECT_TRUE(VarIsNull(name->OldValue()));
    EXPECT_EQ(name->AsString(), "戊") << "reading the old value leaves the edit in place";
    q->Cancel();
}

TEST_F(FieldStateTest, ConstraintTextsMakeHasConstraints) {
    TField* name = query_->FieldByName("名称");
    EXPECT_FALSE(name->HasConstraints());
    name->SetConstraintErrorMessage("名称不可为空");
    EXPECT_FALSE(name->HasConstraints()) << "a message alone constrains nothing";
    for (auto set : {&TField::SetCustomConstraint, &TField::SetImportedConstraint, &TField::SetDefaultExpression}) {
        (name->*set)("x is not null");
        EXPECT_TRUE(name->HasConstraints());
        (name->*set)("");
    }
    EXPECT_FALSE(name->HasConstraints());
}

TEST_F(FieldStateTest, BlobLoadsAndSavesItsBytesThroughStreamsAndFiles) {
    TADOQuery* q = query_.get();
    auto* data = dynamic_cast<TBlobField*>(q->FieldByName("数据"));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->BlobSize(), 3);
    const AnsiString path = dir_.file("blob.bin");
    data->SaveToFile(path);

    q->Next();
    EXPECT_EQ(data->BlobSize(), 0);
    EXPECT_FALSE(data->Modified());
    q->Edit();
    data->LoadFromFile(path);
    EXPECT_TRUE(data->Modified());
    q->Post();
    EXPECT_EQ(Scalar("select hex(数据) from 附件 where 编号=2"), "00FF01");

    TMemoryStream out;
    data->SaveToStream(&out);
    EXPECT_EQ(out.Size(), 3);
    EXPECT_THROW(data->LoadFromFile(dir_.file("missing.bin")), Exception);
}

TEST_F(FieldStateTest, RefreshReadsNewRowsAndKeepsTheCurrentRecord) {
    TADOQuery* q = query_.get();
    q->SetRecNo(2);
    Exec("update 附件 set 名称='新' where 编号=2");
    Exec("insert into 附件 values (0, '首', null)");
    int before = 0, after = 0;
    q->SetBeforeRefresh([&](TDataSet*) { ++before; });
    q->SetAfterRefresh([&](TDataSet*) { ++after; });
    q->Refresh();
    EXPECT_EQ(q->RecordCount(), 4);
    EXPECT_EQ(q->FieldByName("编号")->AsInteger(), 2);
    EXPECT_EQ(q->FieldByName("名称")->AsString(), "新");
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);

    // A pending edit is posted first; a vanished record leaves the position.
    q->Edit();
    q->FieldByName("名称")->SetAsString("改");
    Exec("delete from 附件 where 编号=3");
    q->Refresh();
    EXPECT_EQ(q->State(), dsBrowse);
    EXPECT_EQ(Scalar("select 名称 from 附件 where 编号=2"), "改");
    EXPECT_EQ(q->RecordCount(), 3);
    EXPECT_EQ(q->FieldByName("编号")->AsInteger(), 2);
}

}  // namespace

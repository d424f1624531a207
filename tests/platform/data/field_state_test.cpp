// A field's stored and edited values, its constraint texts, a blob field's
// whole-value loading and saving, and a dataset read again from storage.
#include <gtest/gtest.h>

#include <cstring>

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

TEST_F(FieldStateTest, AutoCalcFieldsAndResyncDecideWhenCalculationsRun) {
    auto q = std::make_unique<TADOQuery>(nullptr);
    q->SetConnection(connection_.get());
    q->SQL()->Add("select 名称 from 附件 order by 编号");
    auto* name = new TStringField(q.get());
    name->SetFieldName("名称");
    name->SetDataSet(q.get());
    auto* label = new TStringField(q.get());
    label->SetFieldName("标签");
    label->SetFieldKind(fkCalculated);
    label->SetDataSet(q.get());
    q->SetOnCalcFields([](TDataSet* data) {
        data->FieldByName("标签")->SetAsString("<" + data->FieldByName("名称")->AsString() + ">");
    });
    q->Open();
    EXPECT_TRUE(q->AutoCalcFields());
    EXPECT_EQ(label->AsString(), "<甲>");
    q->Edit();
    name->SetAsString("乙");
    EXPECT_EQ(label->AsString(), "<乙>");
    q->SetAutoCalcFields(false);
    name->SetAsString("丙");
    EXPECT_EQ(label->AsString(), "<乙>");
    q->Resync({});
    EXPECT_EQ(label->AsString(), "<丙>");
    q->Cancel();
}

// Every field class's native bytes carry its value back unchanged; the
// record buffer lays the fields out with a flag byte before each.
TEST_F(FieldStateTest, NativeBuffersCarryEachFieldsValue) {
    Exec("create table 类型 (编号 integer primary key, 短 integer, 无符号 integer, 实 real, 真 boolean, 文 text, "
         "日 datetime, 时 datetime, 刻 datetime, 大 bigint)");
    Exec("insert into 类型 values (1, -7, 65000, 2.5, 1, '甲乙', '2024-05-03', '1899-12-30 13:45:10', "
         "'2024-05-03 13:45:10', 5000000000)");
    auto q = std::make_unique<TADOQuery>(nullptr);
    q->SetConnection(connection_.get());
    q->SQL()->Add("select * from 类型");
    const auto add = [&](TField* field, const AnsiString& name) {
        field->SetFieldName(name);
        field->SetDataSet(q.get());
        return field;
    };
    std::vector<TField*> fields = {
        add(new TIntegerField(q.get()), "编号"), add(new TSmallintField(q.get()), "短"),
        add(new TWordField(q.get()), "无符号"),  add(new TFloatField(q.get()), "实"),
        add(new TBooleanField(q.get()), "真"),   add(new TStringField(q.get()), "文"),
        add(new TDateField(q.get()), "日"),      add(new TTimeField(q.get()), "时"),
        add(new TDateTimeField(q.get()), "刻"),  add(new TLargeintField(q.get()), "大")};
    fields[5]->SetSize(8);
    q->Open();
    int size = 0;
    for (TField* field : fields) {
        EXPECT_EQ(field->Offset(), size + 1) << field->FieldName();
        size += 1 + field->DataSize();
    }
    EXPECT_EQ(q->RecordSize(), size);
    const std::string record = q->ActiveBuffer();
    ASSERT_EQ(record.size(), std::size_t(size));
    EXPECT_EQ(record[0], '\1');
    const std::string text = std::string("甲乙") + '\0';
    EXPECT_EQ(record.substr(fields[5]->Offset(), text.size()), text);

    std::vector<char> copy(size);
    EXPECT_TRUE(q->GetCurrentRecord(copy.data()));
    EXPECT_EQ(std::string(copy.data(), copy.size()), record);

    q->Edit();
    for (TField* field : fields) {
        const Variant before = field->AsVariant();
        std::vector<char> bytes(field->DataSize());
        ASSERT_TRUE(field->GetData(bytes.data())) << field->FieldName();
        field->Clear();
        EXPECT_FALSE(field->GetData(bytes.data()));
        field->SetData(bytes.data());
        EXPECT_EQ(VarToStr(field->AsVariant()), VarToStr(before)) << field->FieldName();
    }
    fields[5]->SetData(nullptr);
    EXPECT_TRUE(fields[5]->IsNull());
    q->Cancel();
}

// Validate shows OnValidate the buffer's value and leaves the field's own.
TEST_F(FieldStateTest, ValidateShowsTheCandidateToOnValidate) {
    TField* name = query_->FieldByName("名称");
    AnsiString seen;
    name->SetOnValidate([&](TField* field) {
        seen = field->AsString();
        if (seen == "坏") DatabaseError("不可");
    });
    name->SetSize(20);
    std::vector<char> bytes(name->DataSize(), '\0');
    std::strcpy(bytes.data(), "乙");
    name->Validate(bytes.data());
    EXPECT_EQ(seen, "乙");
    EXPECT_EQ(name->AsString(), "甲");
    std::strcpy(bytes.data(), "坏");
    EXPECT_THROW(name->Validate(bytes.data()), EDatabaseError);
    EXPECT_EQ(name->AsString(), "甲");

    char translated[8] = {};
    EXPECT_EQ(query_->Translate("abc", translated, true), 3);
    EXPECT_STREQ(translated, "abc");
}

}  // namespace

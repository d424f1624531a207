// The field classes' own settings: ranges of numbers, the blob types, the
// index fields, a lookup field's cached list, and field definitions as
// items of their dataset's collection read again from the storage.
#include <gtest/gtest.h>

#include "database_fixture.h"

namespace {

class FieldKindsTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Exec("create table 品牌 (编号 integer primary key, 名称 text, 价格 real)");
        Exec("insert into 品牌 values (1, '华为', 1999.5), (2, '小米', 999)");
        query_ = Open("select * from 品牌 order by 编号");
    }
    std::unique_ptr<TADOQuery> query_;
};

// Writes `value` to the field of the first record; the error's text, or "".
template <class Write>
AnsiString WriteError(TDataSet* data, Write write) {
    data->Edit();
    AnsiString message;
    try {
        write();
    } catch (const EDatabaseError& e) {
        message = e.Message();
    }
    data->Cancel();
    return message;
}

TEST_F(FieldKindsTest, MinValueAndMaxValueBoundTheNumbersWritten) {
    auto* number = dynamic_cast<TIntegerField*>(query_->FieldByName("编号"));
    auto* price = dynamic_cast<TFloatField*>(query_->FieldByName("价格"));
    ASSERT_TRUE(number && price);
    EXPECT_EQ(WriteError(query_.get(), [&] { number->SetAsInteger(-5); }), "") << "0 and 0 bound nothing";
    number->SetMinValue(1);
    number->SetMaxValue(10);
    price->SetMaxValue(5000);
    EXPECT_EQ(WriteError(query_.get(), [&] { number->SetAsInteger(10); }), "");
    EXPECT_EQ(WriteError(query_.get(), [&] { number->SetAsString("11"); }),
              "11 is not a valid value for field '编号'. The allowed range is 1 to 10");
    EXPECT_EQ(WriteError(query_.get(), [&] { price->SetAsFloat(5000.5); }),
              "5000.5 is not a valid value for field '价格'. The allowed range is 0 to 5000");
    EXPECT_EQ(WriteError(query_.get(), [&] { price->SetValue(Variant(-1.5)); }),
              "-1.5 is not a valid value for field '价格'. The allowed range is 0 to 5000")
        << "a bound of 0 counts once the other is set";
}

TEST_F(FieldKindsTest, ClassesKeepThePlatformsTreeAndBlobTypes) {
    EXPECT_TRUE(TBCDField::StaticClass()->InheritsFrom(TNumericField::StaticClass()));
    EXPECT_FALSE(TBCDField::StaticClass()->InheritsFrom(TFloatField::StaticClass()));
    EXPECT_TRUE(TFieldDef::StaticClass()->InheritsFrom(TCollectionItem::StaticClass()));
    EXPECT_TRUE(TFieldDefs::StaticClass()->InheritsFrom(TOwnedCollection::StaticClass()));

    TMemoField memo(nullptr);
    EXPECT_EQ(memo.BlobType(), ftMemo);
    memo.SetFieldType(ftGraphic);
    EXPECT_EQ(memo.BlobType(), ftGraphic);
    memo.SetBlobType(ftString);
    EXPECT_EQ(memo.DataType(), ftGraphic) << "only the blob types";
    TIntegerField number(nullptr);
    number.SetFieldType(ftBlob);
    EXPECT_EQ(number.DataType(), ftInteger);
    EXPECT_TRUE(TStringField(nullptr).Transliterate());
}

TEST_F(FieldKindsTest, IndexFieldsAreThoseOfTheCurrentSort) {
    TField* number = query_->FieldByName("编号");
    TField* name = query_->FieldByName("名称");
    EXPECT_FALSE(number->IsIndexField());
    query_->SetSortText("名称 DESC, 编号");
    EXPECT_TRUE(number->IsIndexField());
    EXPECT_TRUE(name->IsIndexField());
    EXPECT_FALSE(query_->FieldByName("价格")->IsIndexField());
}

// A cached lookup keeps the values it read until the list is refreshed.
TEST_F(FieldKindsTest, ALookupCacheServesItsListUntilRefreshed) {
    Exec("create table 机型 (型号 text, 品牌 integer)");
    Exec("insert into 机型 values ('P30', 1), ('Mi9', 2), ('Z1', 3)");
    auto models = std::make_unique<TADOQuery>(nullptr);
    models->SetConnection(connection_.get());
    models->SQL()->Add("select * from 机型");
    auto* model = new TStringField(models.get());
    model->SetFieldName("型号");
    model->SetDataSet(models.get());
    auto* brandNo = new TIntegerField(models.get());
    brandNo->SetFieldName("品牌");
    brandNo->SetDataSet(models.get());
    auto* brand = new TStringField(models.get());
    brand->SetFieldName("品牌名");
    brand->SetFieldKind(fkLookup);
    brand->SetLookupDataSet(query_.get());
    brand->SetKeyFields("品牌");
    brand->SetLookupKeyFields("编号");
    brand->SetLookupResultField("名称");
    brand->SetLookupCache(true);
    brand->SetDataSet(models.get());
    models->Open();
    query_->Next();
    EXPECT_EQ(brand->AsString(), "华为");
    EXPECT_EQ(query_->RecNo(), 2) << "reading the list keeps the lookup dataset's record";
    models->Last();
    EXPECT_TRUE(brand->IsNull());

    Exec("update 品牌 set 名称='荣耀' where 编号=1");
    query_->Refresh();
    models->Refresh();
    models->First();
    EXPECT_EQ(brand->AsString(), "华为") << "the list as read";
    brand->RefreshLookupList();
    models->Refresh();
    EXPECT_EQ(brand->AsString(), "荣耀");
    brand->SetLookupCache(false);
    Exec("update 品牌 set 名称='华为' where 编号=1");
    query_->Refresh();
    models->Refresh();
    EXPECT_EQ(brand->AsString(), "华为") << "without the cache the dataset is asked";
}

TEST_F(FieldKindsTest, FieldDefinitionsAreItemsOfTheirDatasetReadAgainWhenClosed) {
    TFieldDefs* defs = query_->FieldDefs();
    ASSERT_EQ(defs->Count(), 3);
    EXPECT_EQ(defs->DataSet(), query_.get());
    EXPECT_EQ(defs->Items(1)->Collection(), defs);
    EXPECT_EQ(defs->Items(1)->Index(), 1);
    EXPECT_EQ(defs->Items(2)->FieldNo(), 3);
    EXPECT_EQ(defs->Items(1)->DisplayName(), "名称");

    query_->Close();
    defs->Clear();
    defs->Update();
    EXPECT_FALSE(query_->Active());
    ASSERT_EQ(defs->Count(), 3);
    EXPECT_EQ(defs->Items(2)->Name(), "价格");

    TFieldDef* calc = TFieldDef::Create(defs, "合计", ftFloat, 0, false, 0);
    EXPECT_EQ(calc->FieldNo(), 4);
    calc->SetInternalCalcField(true);
    calc->SetPrecision(10);
    TFieldDefs copy;
    copy.Assign(defs);
    ASSERT_EQ(copy.Count(), 4);
    EXPECT_TRUE(copy.Items(3)->InternalCalcField());
    EXPECT_EQ(copy.Items(3)->Precision(), 10);
    const std::unique_ptr<TField> field(copy.Items(3)->CreateField(nullptr, nullptr));
    EXPECT_EQ(field->FieldKind(), fkInternalCalc);
    EXPECT_THROW(defs->Find("颜色"), EDatabaseError);
}

}  // namespace

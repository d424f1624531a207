// The dataset over a query: cursor, bookmarks, sort, editing through the
// rowid, search, filter, calculated fields, blob streams and the data-link
// notifications.
#include <gtest/gtest.h>

#include "database_fixture.h"
#include "platform/data/datasource.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"

namespace {

// Collects a column of the whole dataset in its current order.
std::vector<AnsiString> Column(TDataSet* data, const AnsiString& name) {
    std::vector<AnsiString> values;
    const TBookmarkStr here = data->Bookmark();
    for (data->First(); !data->Eof(); data->Next()) values.push_back(data->FieldByName(name)->AsString());
    if (!here.empty()) data->GotoBookmark(here);
    return values;
}

}  // namespace

class QueryTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        // Numbers, brands, customers, dates and prices chosen so that each
        // sort gives another order; two rows tie on the brand.
        InsertOrder("0000000001", "I1", "nokia", "张三", "2024-05-03", "300");
        InsertOrder("0000000002", "I2", "Apple", "李四", "2024-05-01", "25");
        InsertOrder("0000000003", "I3", "三星", "王五", "2024-04-30", "1000");
        InsertOrder("0000000004", "I4", "Nokia", "阿明", "2024-05-02", "7.5");
        Exec("update 流水记录 set 顾客姓名=null where 编号='0000000004'");
        query_ = Open("select * from 流水记录");
    }
    std::unique_ptr<TADOQuery> query_;
};

TEST_F(QueryTest, NavigationAndEndFlags) {
    TADOQuery* q = query_.get();
    EXPECT_EQ(q->RecordCount(), 4);
    EXPECT_TRUE(q->Bof());
    EXPECT_FALSE(q->Eof());
    EXPECT_EQ(q->RecNo(), 1);
    EXPECT_TRUE(q->IsSequenced());
    q->Last();
    EXPECT_TRUE(q->Eof());
    EXPECT_EQ(q->RecNo(), 4);
    q->First();
    EXPECT_EQ(q->MoveBy(10), 3);
    EXPECT_TRUE(q->Eof());
    EXPECT_EQ(q->MoveBy(-2), -2);
    EXPECT_FALSE(q->Eof());
    EXPECT_FALSE(q->Bof());
    q->Prior();
    q->Prior();
    EXPECT_TRUE(q->Bof());
    EXPECT_EQ(q->RecNo(), 1);
    q->SetRecNo(3);
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000003");

    int rows = 0;
    for (q->First(); !q->Eof(); q->Next()) ++rows;
    EXPECT_EQ(rows, 4);

    auto empty = Open("select * from 流水记录 where 1=0");
    EXPECT_TRUE(empty->Bof());
    EXPECT_TRUE(empty->Eof());
    EXPECT_TRUE(empty->IsEmpty());
    EXPECT_EQ(empty->RecNo(), 0);
    EXPECT_EQ(empty->FieldByName("编号")->AsString(), "");
}

TEST_F(QueryTest, FieldsFollowTheDeclaredTypes) {
    const struct {
        const char* name;
        TFieldType type;
        TClass cls;
    } cases[] = {
        {"编号", ftString, TStringField::StaticClass()},     {"价格", ftFloat, TFloatField::StaticClass()},
        {"已交付", ftBoolean, TBooleanField::StaticClass()}, {"接待日期", ftDateTime, TDateTimeField::StaticClass()},
    };
    for (const auto& c : cases) {
        TField* field = query_->FieldByName(c.name);
        EXPECT_EQ(field->DataType(), c.type) << c.name;
        EXPECT_EQ(field->ClassType(), c.cls) << c.name;
    }
    EXPECT_TRUE(query_->DefaultFields());
    EXPECT_EQ(query_->FieldDefs()->Count(), 35);
    EXPECT_EQ(query_->FieldByName("价格")->FieldNo(), 8);
    EXPECT_EQ(query_->FieldByName("价格")->Origin(), "流水记录.价格");
    EXPECT_EQ(query_->FindField("不存在"), nullptr);
    try {
        query_->FieldByName("不存在");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field '不存在' not found");
    }
    TField* delivered = query_->FieldByName("已交付");
    EXPECT_EQ(delivered->AsString(), "False");
    EXPECT_EQ(VarType(delivered->Value()), varBoolean);
    EXPECT_EQ(query_->FieldByName("接待日期")->AsDateTime(), EncodeDate(2024, 5, 3));
    auto* price = dynamic_cast<TFloatField*>(query_->FieldByName("价格"));
    ASSERT_NE(price, nullptr);
    price->SetDisplayFormat("#,##0.00");
    EXPECT_EQ(price->AsString(), "300") << "AsString ignores the display format";
    EXPECT_EQ(price->DisplayText(), "300.00");
    EXPECT_EQ(price->Alignment(), taRightJustify);

    auto expression = Open("select max(编号) as 最大编号, count(*) as n, sum(价格) as s from 流水记录");
    EXPECT_EQ(expression->FieldByName("最大编号")->DataType(), ftString);
    EXPECT_EQ(expression->FieldByName("n")->DataType(), ftInteger);
    EXPECT_EQ(expression->FieldByName("s")->DataType(), ftFloat);
    EXPECT_EQ(expression->FieldByName("n")->AsInteger(), 4);
}

TEST_F(QueryTest, FieldNamesInDisplayOrder) {
    auto names = std::unique_ptr<TStringList>(TStringList::Create());
    names->Add("old");
    auto query = Open("select 品牌, 编号 from 流水记录");
    query->GetFieldNames(names.get());
    EXPECT_EQ(names->Text(), "品牌\r\n编号\r\n");
    query->Fields()->Move(1, 0);
    query->GetFieldNames(names.get());
    EXPECT_EQ(names->Text(), "编号\r\n品牌\r\n");
    TADOQuery unopened(nullptr);
    unopened.GetFieldNames(names.get());
    EXPECT_EQ(names->Count(), 0);
}

TEST_F(QueryTest, SortOrdersInMemoryKeepsTheCurrentRowAndRestores) {
    TADOQuery* q = query_.get();
    const std::vector<AnsiString> original = Column(q, "编号");
    q->SetRecNo(2);  // order 0000000002

    q->SetSort("品牌");
    // ASCII case folded; Chinese after Latin in code-page order; ties keep
    // the order of reading.
    EXPECT_EQ(Column(q, "品牌"), (std::vector<AnsiString>{"Apple", "nokia", "Nokia", "三星"}));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000002");
    EXPECT_EQ(q->RecNo(), 1);

    q->SetSort("价格 DESC");
    EXPECT_EQ(Column(q, "价格"), (std::vector<AnsiString>{"1000", "300", "25", "7.5"}));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000002");

    q->SetSort("接待日期");
    EXPECT_EQ(Column(q, "编号"),
              (std::vector<AnsiString>{"0000000003", "0000000002", "0000000004", "0000000001"}));

    q->SetSort("顾客姓名");  // nulls first, then pinyin order
    EXPECT_EQ(Column(q, "顾客姓名"), (std::vector<AnsiString>{"", "李四", "王五", "张三"}));

    q->SetSort("品牌 DESC, 编号 DESC");
    EXPECT_EQ(Column(q, "编号"),
              (std::vector<AnsiString>{"0000000003", "0000000004", "0000000001", "0000000002"}));

    EXPECT_THROW(q->SetSort("不存在"), EDatabaseError);
    q->SetSort("");
    EXPECT_EQ(Column(q, "编号"), original);
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000002");
    EXPECT_EQ(q->Sort(), "");
}

TEST_F(QueryTest, BookmarksCompareInTheSortedOrder) {
    TADOQuery* q = query_.get();
    q->First();
    const TBookmarkStr first = q->Bookmark();  // 0000000001, brand nokia
    q->Last();
    const TBookmarkStr last = q->Bookmark();   // 0000000004, brand Nokia
    EXPECT_LT(q->CompareBookmarks(first, last), 0);
    q->SetSort("价格");  // 7.5 (0004), 25, 300 (0001), 1000
    EXPECT_GT(q->CompareBookmarks(first, last), 0);
    EXPECT_EQ(q->CompareBookmarks(first, first), 0);
    EXPECT_LT(q->CompareBookmarks("", first), 0);
    EXPECT_TRUE(q->BookmarkValid(first));
    EXPECT_FALSE(q->BookmarkValid("99"));
    EXPECT_FALSE(q->BookmarkValid("x"));

    q->GotoBookmark(first);
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000001");
    EXPECT_EQ(q->RecNo(), 3);
    q->Delete();
    EXPECT_FALSE(q->BookmarkValid(first));
    EXPECT_THROW(q->GotoBookmark(first), EDatabaseError);
}

TEST_F(QueryTest, EditPostAndDeleteWriteThroughTheRowid) {
    TADOQuery* q = query_.get();
    ASSERT_TRUE(q->CanModify());
    q->SetRecNo(2);
    q->Edit();
    EXPECT_EQ(q->State(), dsEdit);
    q->FieldByName("顾客姓名")->SetAsString("赵'六");
    EXPECT_TRUE(q->Modified());
    EXPECT_EQ(q->FieldByName("顾客姓名")->AsString(), "赵'六");
    q->Post();
    EXPECT_EQ(q->State(), dsBrowse);
    EXPECT_EQ(Scalar("select 顾客姓名 from 流水记录 where 编号='0000000002'"), "赵'六");

    q->Edit();
    q->FieldByName("顾客姓名")->SetAsString("取消");
    q->Cancel();
    EXPECT_EQ(q->FieldByName("顾客姓名")->AsString(), "赵'六");

    q->Delete();
    EXPECT_EQ(q->RecordCount(), 3);
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000003");
    EXPECT_EQ(Count("流水记录"), 3);
    EXPECT_EQ(Open("select * from 流水记录 where 编号='0000000002'")->RecordCount(), 0);

    // Writing outside edit mode is refused.
    EXPECT_THROW(q->FieldByName("顾客姓名")->SetAsString("x"), EDatabaseError);
}

TEST_F(QueryTest, InsertAndAppendPostANewRowWithTheTableDefaults) {
    auto spare = Open("select * from 备用机库");
    spare->Append();
    EXPECT_EQ(spare->State(), dsInsert);
    spare->FieldByName("串码")->SetAsString("S9");
    spare->FieldByName("品牌")->SetAsString("诺基亚");
    spare->Post();
    EXPECT_EQ(spare->RecordCount(), 1);
    EXPECT_FALSE(spare->FieldByName("领用")->IsNull()) << "the default is read back";
    EXPECT_FALSE(spare->FieldByName("领用")->AsBoolean());

    spare->Insert();
    spare->FieldByName("串码")->SetAsString("S1");
    spare->Post();
    EXPECT_EQ(spare->RecNo(), 1);
    EXPECT_EQ(Count("备用机库"), 2);

    // The posted row can be edited and deleted at once: it has its rowid.
    spare->Edit();
    spare->FieldByName("型号")->SetAsString("N2");
    spare->Post();
    EXPECT_EQ(Scalar("select 型号 from 备用机库 where 串码='S1'"), "N2");
    spare->Delete();
    EXPECT_EQ(Count("备用机库"), 1);

    // A failing insert leaves the dataset editing, with the database's message.
    spare->Append();
    spare->FieldByName("串码")->SetAsString("S9");
    EXPECT_THROW(spare->Post(), EDatabaseError);
    EXPECT_EQ(spare->State(), dsInsert);
    spare->Cancel();
    EXPECT_EQ(spare->RecordCount(), 1);
}

TEST_F(QueryTest, JoinsAndExpressionsAreReadOnly) {
    for (const char* sql : {"select distinct 品牌 from 流水记录", "select max(编号) as 最大编号 from 流水记录",
                            "select a.编号, b.姓名 from 流水记录 a, 操作员 b where a.接待经手人=b.操作员",
                            "select 编号, 价格*2 as 双倍 from 流水记录"}) {
        auto q = Open(sql);
        EXPECT_FALSE(q->CanModify()) << sql;
        EXPECT_THROW(q->Edit(), EDatabaseError) << sql;
        EXPECT_THROW(q->Delete(), EDatabaseError) << sql;
    }
}

// A blob stream holds the field's bytes, zeros included; a string list
// takes the field as its text, and a target that cannot take a field says so.
TEST_F(QueryTest, BlobFieldsGiveStreamsAndStringLists) {
    auto q = Open("select X'610062' as 数据, X'41420D0A4344' as 备注, 1 as 数");
    std::unique_ptr<TStream> blob(q->CreateBlobStream(q->FieldByName("数据")));
    EXPECT_EQ(blob->Size(), 3);
    char bytes[3] = {};
    blob->ReadBuffer(bytes, 3);
    EXPECT_EQ(std::string(bytes, 3), std::string("a\0b", 3));

    std::unique_ptr<TStringList> lines(TStringList::Create());
    lines->Assign(q->FieldByName("备注"));
    EXPECT_EQ(lines->Count(), 2);
    EXPECT_EQ(lines->Strings(0), "AB");
    EXPECT_THROW(lines->Assign(q->FieldByName("数")), EConvertError);
}

TEST_F(QueryTest, LocateLookupFilterAndCalculatedFields) {
    TADOQuery* q = query_.get();
    EXPECT_TRUE(q->Locate("品牌", Variant("NOKIA"), {loCaseInsensitive}));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000001");
    EXPECT_TRUE(q->Locate("品牌;顾客姓名", VarArrayOf({Variant("Nokia"), Null()}), {}));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000004");
    EXPECT_TRUE(q->Locate("顾客姓名", Variant("王"), {loPartialKey}));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000003");
    EXPECT_TRUE(q->Locate("价格", Variant(25), {}));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000002");
    EXPECT_FALSE(q->Locate("品牌", Variant("摩托罗拉"), {}));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000002") << "a failed search leaves the cursor";

    EXPECT_EQ(VarToStr(q->Lookup("编号", Variant("0000000003"), "顾客姓名")), "王五");
    EXPECT_TRUE(VarIsNull(q->Lookup("编号", Variant("x"), "顾客姓名")));
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000002");

    q->SetOnFilterRecord(TFilterRecordEvent([](TDataSet* data, bool& accept) {
        accept = data->FieldByName("价格")->AsFloat() >= 100;
    }));
    q->SetFiltered(true);
    EXPECT_EQ(Column(q, "编号"), (std::vector<AnsiString>{"0000000001", "0000000003"}));
    q->SetFiltered(false);
    EXPECT_EQ(q->RecordCount(), 4);

    auto withCalc = std::make_unique<TADOQuery>(nullptr);
    withCalc->SetConnection(connection_.get());
    withCalc->SQL()->Add("select 编号, 价格, 接待经手人 from 流水记录");
    auto operators = Open("select * from 操作员");
    auto* number = new TStringField(withCalc.get());
    number->SetFieldName("编号");
    number->SetDataSet(withCalc.get());
    auto* price = new TFloatField(withCalc.get());
    price->SetFieldName("价格");
    price->SetDataSet(withCalc.get());
    auto* doubled = new TFloatField(withCalc.get());
    doubled->SetFieldName("双倍");
    doubled->SetFieldKind(fkCalculated);
    doubled->SetDataSet(withCalc.get());
    auto* clerk = new TStringField(withCalc.get());
    clerk->SetFieldName("接待经手人");
    clerk->SetDataSet(withCalc.get());
    auto* clerkName = new TStringField(withCalc.get());
    clerkName->SetFieldName("经手人姓名");
    clerkName->SetFieldKind(fkLookup);
    clerkName->SetLookupDataSet(operators.get());
    clerkName->SetKeyFields("接待经手人");
    clerkName->SetLookupKeyFields("操作员");
    clerkName->SetLookupResultField("姓名");
    clerkName->SetDataSet(withCalc.get());
    withCalc->SetOnCalcFields(TDataSetNotifyEvent([](TDataSet* data) {
        data->FieldByName("双倍")->SetAsFloat(data->FieldByName("价格")->AsFloat() * 2);
    }));
    withCalc->Open();
    EXPECT_FALSE(withCalc->DefaultFields());
    EXPECT_EQ(withCalc->FieldCount(), 5);
    EXPECT_EQ(withCalc->FieldByName("经手人姓名")->AsString(), "系统管理员");
    EXPECT_EQ(withCalc->FieldByName("双倍")->AsFloat(), 600);
    withCalc->Last();
    EXPECT_EQ(withCalc->FieldByName("双倍")->AsFloat(), 15);
    withCalc->Edit();
    withCalc->FieldByName("价格")->SetAsFloat(10);
    EXPECT_EQ(withCalc->FieldByName("双倍")->AsFloat(), 20) << "calculated from the edited values";
    withCalc->Cancel();
    EXPECT_EQ(withCalc->FieldByName("双倍")->AsFloat(), 15);
    EXPECT_EQ(VarToStr(withCalc->FieldValues("编号")), "0000000004");
}

namespace {

// Records every notification a link receives.
class RecordingLink : public TDataLink {
public:
    std::vector<AnsiString> events;

protected:
    void ActiveChanged() override { events.push_back(Active() ? "ActiveChanged(on)" : "ActiveChanged(off)"); }
    void DataSetChanged() override { events.push_back("DataSetChanged"); }
    void DataSetScrolled(int distance) override { events.push_back("DataSetScrolled(" + IntToStr(distance) + ")"); }
    void RecordChanged(TField* field) override {
        events.push_back("RecordChanged(" + (field ? field->FieldName() : AnsiString("nil")) + ")");
    }
    void EditingChanged() override { events.push_back(Editing() ? "EditingChanged(on)" : "EditingChanged(off)"); }
    void UpdateData() override { events.push_back("UpdateData"); }
    void CheckBrowseMode() override { events.push_back("CheckBrowseMode"); }
    void LayoutChanged() override { events.push_back("LayoutChanged"); }
};

}  // namespace

TEST_F(QueryTest, DataLinksHearTheDatasetInThePlatformsOrder) {
    TADOQuery* q = query_.get();
    q->Close();
    auto source = std::make_unique<TDataSource>(nullptr);
    source->SetDataSet(q);
    RecordingLink link;
    link.SetBufferCount(2);
    link.SetDataSource(source.get());
    std::vector<AnsiString> sourceEvents;
    source->SetOnStateChange(TNotifyEvent([&](TObject*) { sourceEvents.push_back("StateChange"); }));
    source->SetOnDataChange(TDataChangeEvent([&](TObject*, TField* field) {
        sourceEvents.push_back(field ? "DataChange(" + field->FieldName() + ")" : AnsiString("DataChange"));
    }));

    auto take = [&] {
        std::vector<AnsiString> events;
        events.swap(link.events);
        return events;
    };
    using Events = std::vector<AnsiString>;

    q->Open();
    EXPECT_EQ(take(), (Events{"ActiveChanged(on)"}));
    EXPECT_EQ(sourceEvents, (Events{"StateChange", "DataChange"}));
    EXPECT_EQ(link.RecordCount(), 2);

    q->Next();
    EXPECT_EQ(take(), (Events{"CheckBrowseMode", "DataSetScrolled(0)"}));
    EXPECT_EQ(link.ActiveRecord(), 1);
    q->Next();
    EXPECT_EQ(take(), (Events{"CheckBrowseMode", "DataSetScrolled(1)"}));
    EXPECT_EQ(link.ActiveRecord(), 1);

    // The link reads any row of its window by switching the active record.
    const TBookmarkStr current = q->Bookmark();
    link.SetActiveRecord(0);
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000002");
    EXPECT_LT(q->CompareBookmarks(q->Bookmark(), current), 0);  // the row read, not the cursor's
    link.SetActiveRecord(1);
    EXPECT_EQ(q->FieldByName("编号")->AsString(), "0000000003");
    EXPECT_EQ(q->Bookmark(), current);

    q->Edit();
    EXPECT_EQ(take(), (Events{"CheckBrowseMode", "EditingChanged(on)", "RecordChanged(nil)"}));
    q->FieldByName("品牌")->SetAsString("LG");
    EXPECT_EQ(take(), (Events{"RecordChanged(品牌)"}));
    q->Post();
    EXPECT_EQ(take(), (Events{"UpdateData", "CheckBrowseMode", "EditingChanged(off)", "DataSetChanged"}));

    q->SetSort("编号 DESC");
    EXPECT_EQ(take(), (Events{"CheckBrowseMode", "DataSetChanged"}));

    q->DisableControls();
    EXPECT_TRUE(q->ControlsDisabled());
    q->First();
    q->Next();
    EXPECT_TRUE(take().empty());
    q->EnableControls();
    EXPECT_EQ(take(), (Events{"DataSetChanged"}));

    q->Close();
    EXPECT_EQ(take(), (Events{"ActiveChanged(off)"}));
    link.SetDataSource(nullptr);
}

TEST_F(QueryTest, DatasetEventsCanBeReadReplacedAndChained) {
    TADOQuery* q = query_.get();
    std::vector<AnsiString> calls;
    q->SetAfterScroll(TDataSetNotifyEvent([&](TDataSet*) { calls.push_back("first"); }));
    const TDataSetNotifyEvent previous = q->AfterScroll();
    q->SetAfterScroll(TDataSetNotifyEvent([&, previous](TDataSet* data) {
        previous(data);
        calls.push_back("second");
    }));
    q->Next();
    EXPECT_EQ(calls, (std::vector<AnsiString>{"first", "second"}));

    std::vector<AnsiString> order;
    q->SetBeforePost(TDataSetNotifyEvent([&](TDataSet*) { order.push_back("BeforePost"); }));
    q->SetAfterPost(TDataSetNotifyEvent([&](TDataSet*) { order.push_back("AfterPost"); }));
    q->SetBeforeEdit(TDataSetNotifyEvent([&](TDataSet*) { order.push_back("BeforeEdit"); }));
    q->SetAfterEdit(TDataSetNotifyEvent([&](TDataSet*) { order.push_back("AfterEdit"); }));
    q->Edit();
    q->FieldByName("电话")->SetAsString("1");
    q->Post();
    EXPECT_EQ(order, (std::vector<AnsiString>{"BeforeEdit", "AfterEdit", "BeforePost", "AfterPost"}));
}

TEST_F(QueryTest, PublishedPropertiesServeLookUpsByName) {
    EXPECT_EQ(query_->ClassName(), "TADOQuery");
    EXPECT_TRUE(query_->InheritsFrom(TCustomADODataSet::StaticClass()));
    EXPECT_TRUE(IsPublishedProp(query_.get(), "SQL"));
    EXPECT_TRUE(IsPublishedProp(query_.get(), "Connection"));
    EXPECT_FALSE(IsPublishedProp(query_.get(), "CommandText"));
    auto* sql = dynamic_cast<TStrings*>(GetObjectProp(query_.get(), "SQL"));
    ASSERT_NE(sql, nullptr);
    EXPECT_EQ(sql->Text(), "select * from 流水记录\r\n");

    auto source = std::make_unique<TDataSource>(nullptr);
    SetObjectProp(source.get(), "DataSet", query_.get());
    EXPECT_EQ(source->DataSet(), query_.get());
    EXPECT_EQ(GetObjectProp(source.get(), "DataSet"), query_.get());
    EXPECT_TRUE(IsPublishedProp(TADODataSet::StaticClass(), "CommandText"));
    EXPECT_EQ(GetEnumProp(query_->FieldByName("价格"), "Alignment"), "taRightJustify");
}

TEST(DataEnumerations, KeepThePlatformsOrdinalsAndNames) {
    EXPECT_EQ(ftBoolean, 5);
    EXPECT_EQ(ftDateTime, 11);
    EXPECT_EQ(ftMemo, 16);
    EXPECT_EQ(ftWideString, 24);
    EXPECT_EQ(ftFMTBcd, 37);
    EXPECT_EQ(dsInsert, 3);
    EXPECT_EQ(dsCalcFields, 5);
    EXPECT_EQ(dsOpening, 12);
    EXPECT_EQ(deDisabledStateChange, 14);
    EXPECT_EQ(GetEnumName(EnumTypeInfo(ftBoolean), ftBoolean), "ftBoolean");
    EXPECT_EQ(GetEnumValue(EnumTypeInfo(dsBrowse), "dsSetKey"), dsSetKey);
}

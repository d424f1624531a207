// The report's data sources: counted ranges of a user data source, and a
// data source over a query of order rows — ranges at the current record,
// field values with and without converting nulls, field lists and the
// error of a source without a dataset, and blobs put into pictures, string
// lists and streams.
#include <gtest/gtest.h>

#include <memory>

#include "byte_writer.h"
#include "database_fixture.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_dataset.h"

namespace {

TEST(QmUserDataset, CountedRangeEndsAfterItsRecords) {
    auto source = std::unique_ptr<TQmUserDataset>(TQmUserDataset::Create(nullptr));
    int nexts = 0;
    source->SetOnNext(TNotifyEvent([&](TObject*) { ++nexts; }));
    source->SetRangeEnd(qmreCount);
    source->SetRangeEndCount(3);
    source->Init();
    source->First();
    std::vector<int> printed;
    while (!source->Eof()) {
        printed.push_back(source->RecordNo());
        source->Next();
    }
    EXPECT_EQ(printed, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(nexts, 2);

    source->SetRangeEndCount(0);
    source->First();
    EXPECT_TRUE(source->Eof());
    source->SetOnCheckEOF(TQmCheckEOFEvent([](TObject*, bool& eof) { eof = false; }));
    EXPECT_FALSE(source->Eof());
}

TEST(QmUserDataset, FieldsComeFromTheHandlers) {
    auto source = std::unique_ptr<TQmUserDataset>(TQmUserDataset::Create(nullptr));
    Variant value = 5;
    source->GetFieldValue("x", true, value);
    EXPECT_TRUE(VarIsEmpty(value));
    EXPECT_TRUE(source->FieldIsNull("x"));
    EXPECT_TRUE(source->Active());
    source->SetOnGetFieldValue(TQmUserDatasetOnGetFieldValue(
        [](TQmDataset*, const AnsiString& name, Variant& v) { v = name + "!"; }));
    source->SetOnGetFieldsList(TQmUserDatasetOnGetFieldsList([](TQmDataset*, TStrings* names) { names->Add("品牌"); }));
    source->GetFieldValue("品牌", false, value);
    EXPECT_EQ(VarToStr(value), "品牌!");
    auto names = std::unique_ptr<TStringList>(TStringList::Create());
    source->GetFieldsList(names.get());
    EXPECT_EQ(names->Text(), "品牌\r\n");
}

class QmDBDataSetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        for (int i = 1; i <= 8; ++i)
            InsertOrder("000000000" + std::to_string(i), "I" + std::to_string(i), "诺基亚", "顾客", "2024-05-0" + std::to_string(i));
        Exec("update 流水记录 set 顾客姓名=null, 价格=null, 接待日期=null where 编号='0000000002'");
        query_ = Open("select 编号, 顾客姓名, 价格, 接待日期, 5000000000 as 大数 from 流水记录 order by 编号");
        source_->SetName("QmDBDataSet1");
        source_->SetDataSet(query_.get());
    }

    // The numbers of the records one walk prints.
    std::vector<AnsiString> Walk() {
        std::vector<AnsiString> printed;
        source_->Init();
        for (source_->First(); !source_->Eof(); source_->Next()) {
            Variant number;
            source_->GetFieldValue("编号", true, number);
            printed.push_back(VarToStr(number));
        }
        source_->Exit();
        return printed;
    }

    std::unique_ptr<TADOQuery> query_;
    std::unique_ptr<TQmDBDataSet> source_{TQmDBDataSet::Create(nullptr)};
};

TEST_F(QmDBDataSetTest, WalksTheWholeRangeByDefault) {
    EXPECT_EQ(Walk().size(), 8u);
}

TEST_F(QmDBDataSetTest, CurrentRecordRangePrintsItAndStaysThere) {
    query_->SetRecNo(5);
    source_->SetRangeBegin(qmrbCurrent);
    source_->SetRangeEnd(qmreCurrent);
    EXPECT_EQ(Walk(), std::vector<AnsiString>{"0000000005"});
    EXPECT_EQ(query_->RecNo(), 5);

    // From the current record to the last, then back where it started.
    source_->SetRangeEnd(qmreLast);
    EXPECT_EQ(Walk(), (std::vector<AnsiString>{"0000000005", "0000000006", "0000000007", "0000000008"}));
    EXPECT_EQ(query_->RecNo(), 5);
}

TEST_F(QmDBDataSetTest, OpeningFollowsTheSwitches) {
    int opened = 0, closed = 0;
    source_->SetOnOpen(TNotifyEvent([&](TObject*) { ++opened; }));
    source_->SetOnClose(TNotifyEvent([&](TObject*) { ++closed; }));
    query_->Close();
    source_->SetOpenDataSet(false);
    source_->Init();
    EXPECT_FALSE(query_->Active());
    EXPECT_FALSE(source_->Active());
    source_->SetOpenDataSet(true);
    source_->SetCloseDataSet(true);
    EXPECT_EQ(Walk().size(), 8u);
    EXPECT_FALSE(query_->Active());
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(closed, 1);
}

TEST_F(QmDBDataSetTest, FieldValuesAndNulls) {
    source_->Init();
    source_->First();
    Variant value;
    source_->GetFieldValue("大数", false, value);
    EXPECT_TRUE(VarIsStr(value));
    EXPECT_EQ(VarToStr(value), "5000000000");

    query_->SetRecNo(2);
    struct Case {
        const char* field;
        const char* converted;
    } cases[] = {{"顾客姓名", ""}, {"价格", "0"}, {"接待日期", "0"}};
    for (const Case& c : cases) {
        source_->GetFieldValue(c.field, false, value);
        EXPECT_TRUE(VarIsNull(value)) << c.field;
        source_->GetFieldValue(c.field, true, value);
        EXPECT_EQ(VarToStr(value), c.converted) << c.field;
        EXPECT_TRUE(source_->FieldIsNull(c.field));
    }

    value = "kept";
    source_->GetFieldValue("不存在", true, value);
    EXPECT_EQ(VarToStr(value), "kept");
    EXPECT_EQ(query_->RecNo(), 2);
    EXPECT_FALSE(source_->FieldIsNull("不存在"));
    EXPECT_EQ(source_->FieldWidth("不存在"), 0);
    EXPECT_GT(source_->FieldWidth("编号"), 0);
    EXPECT_FALSE(source_->IsBlobField("编号"));

    query_->FieldByName("编号")->SetOnGetText(
        TFieldGetTextEvent([](TField*, AnsiString& text, bool) { text = "第2号"; }));
    source_->GetFieldValue("编号", false, value);
    EXPECT_EQ(VarToStr(value), "第2号");
}

TEST_F(QmDBDataSetTest, FieldListsAndTheMissingDataset) {
    auto names = std::unique_ptr<TStringList>(TStringList::Create());
    source_->GetFieldsList(names.get());
    EXPECT_EQ(names->Count(), 5);
    EXPECT_EQ(names->Strings(0), "编号");

    source_->SetDataSet(nullptr);
    source_->GetFieldsList(names.get());
    EXPECT_EQ(names->Count(), 0);
    EXPECT_FALSE(source_->Active());
    EXPECT_FALSE(source_->IsBlobField("编号"));
    try {
        source_->Init();
        FAIL();
    } catch (const EDSError& e) {
        EXPECT_EQ(e.Message(), "Unable to open dataset QmDBDataSet1");
    }
    EXPECT_THROW(source_->Next(), EDSError);
}

AnsiString Hex(const AnsiString& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    AnsiString text;
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

// Pictures stored bare and after the picture-blob header both load; a
// header whose length disagrees is taken as picture data; string lists
// take the field and streams its bytes.
TEST_F(QmDBDataSetTest, BlobsReachPicturesListsAndStreams) {
    std::unique_ptr<TBitmap> bitmap(TBitmap::Create());
    bitmap->SetWidth(3);
    bitmap->SetHeight(2);
    TStringStream bmp;
    bitmap->SaveToStream(&bmp);
    const AnsiString picture = bmp.DataString();
    const AnsiString header = ByteWriter().Word(1).Word(256).Int(static_cast<int>(picture.size())).Bytes();
    query_ = Open("select X'" + Hex(picture) + "' as 图片, X'" + Hex(header + picture) + "' as 带头图片, X'" +
                  Hex("AB\r\nCD") + "' as 备注");
    source_->SetDataSet(query_.get());
    source_->Init();
    source_->First();
    ASSERT_TRUE(source_->IsBlobField("图片"));

    for (const char* field : {"图片", "带头图片"}) {
        std::unique_ptr<TBitmap> loaded(TBitmap::Create());
        source_->AssignBlobTo(field, loaded.get());
        EXPECT_EQ(loaded->Width(), 3) << field;
        EXPECT_EQ(loaded->Height(), 2) << field;
    }

    std::unique_ptr<TStringList> lines(TStringList::Create());
    source_->AssignBlobTo("备注", lines.get());
    ASSERT_EQ(lines->Count(), 2);
    EXPECT_EQ(lines->Strings(1), "CD");

    TStringStream stream("old");
    source_->AssignBlobTo("带头图片", &stream);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(stream.DataString(), header + picture);
}

}  // namespace

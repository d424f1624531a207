// An ADO dataset's Filter text while Filtered is set: the recordset filter
// language compared by field type, the rows and the links following, and a
// text that does not read leaving the rows as they were.
#include <gtest/gtest.h>

#include "database_fixture.h"
#include "platform/data/datasource.h"
#include "platform/data/filter_text.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/valuerestorer.h"

namespace {

class FilterTextTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        InsertOrder("0000000001", "I1", "nokia", "张三", "2024-05-03", "300");
        InsertOrder("0000000002", "I2", "Apple", "李四", "2024-05-01", "25");
        InsertOrder("0000000003", "I3", "三星", "O'Neil", "2024-04-30", "1000");
        InsertOrder("0000000004", "I4", "Nokia", "阿明", "2024-05-02", "7.5");
        Exec("update 流水记录 set 顾客姓名=null where 编号='0000000004'");
        query_ = Open("select * from 流水记录");
        query_->SetFiltered(true);
    }
    // The numbers of the rows a filter lets through, in order.
    AnsiString Rows(const AnsiString& filter) {
        query_->SetFilter(filter);
        AnsiString rows;
        for (query_->First(); !query_->Eof(); query_->Next())
            rows += query_->FieldByName("编号")->AsString().substr(9);
        return rows;
    }
    std::unique_ptr<TADOQuery> query_;
};

TEST_F(FilterTextTest, ConditionsCompareByTheFieldsType) {
    ValueRestorer<char> decimal(DecimalSeparator, '.');
    ValueRestorer<char> dateSeparator(DateSeparator, '-');
    ValueRestorer<AnsiString> dateFormat(ShortDateFormat, "yyyy-mm-dd");
    struct Case {
        const char* filter;
        const char* rows;
    };
    for (const Case& c : {Case{"", "1234"},
                          Case{" [价格] > 25", "13"},
                          Case{" [价格] > 7.5 AND [价格] < 1000", "12"},
                          Case{"([价格] < 10 OR [价格] >= 1000)", "34"},
                          Case{" [品牌] = 'NOKIA'", "14"},
                          Case{" [品牌] <> 'nokia'", "23"},
                          Case{" [品牌] Like 'no%'", "14"},
                          Case{" [品牌] Not Like '*a'", "23"},
                          Case{" [顾客姓名] = 'O''Neil'", "3"},
                          Case{" [顾客姓名] IS NULL", "4"},
                          Case{" [顾客姓名] IS NOT NULL", "123"},
                          Case{" NOT ( [品牌] = 'Apple' OR [品牌] = '三星')", "14"},
                          Case{" [接待日期] >= '2024-05-02'", "14"},
                          Case{"价格 <= 25", "24"}})
        EXPECT_EQ(Rows(c.filter), c.rows) << c.filter;
}

TEST_F(FilterTextTest, NumbersFollowTheDecimalSeparator) {
    ValueRestorer<char> decimal(DecimalSeparator, ',');
    EXPECT_EQ(Rows(" [价格] < 7,6"), "4");
}

TEST_F(FilterTextTest, RecordCountBookmarksAndLinksFollowTheFilter) {
    TDataSource source(nullptr);
    source.SetDataSet(query_.get());
    int changes = 0;
    source.SetOnDataChange(TDataChangeEvent([&](TObject*, TField*) { ++changes; }));
    query_->SetFilter(" [价格] >= 300");
    EXPECT_EQ(query_->RecordCount(), 2);
    EXPECT_GT(changes, 0);
    const TBookmarkStr first = query_->Bookmark();
    query_->Next();
    query_->GotoBookmark(first);
    EXPECT_EQ(query_->FieldByName("编号")->AsString(), "0000000001");
    query_->SetFiltered(false);
    EXPECT_EQ(query_->RecordCount(), 4);
    // The text is kept and read again when filtering is switched on.
    query_->SetFiltered(true);
    EXPECT_EQ(query_->RecordCount(), 2);
}

TEST_F(FilterTextTest, ATextThatDoesNotReadRaisesAndLeavesTheRows) {
    query_->SetFilter(" [价格] > 25");
    for (const char* bad : {" [价格] >", " [价格] = 'x", " [没有] = 1", " [品牌] = nokia", "( [价格] > 1", " [价格] > 1 2"}) {
        EXPECT_THROW(query_->SetFilter(bad), EDatabaseError) << bad;
        EXPECT_EQ(query_->Filter(), " [价格] > 25");
        EXPECT_EQ(query_->RecordCount(), 2);
    }
}

TEST(FilterLike, WildcardsMatchAnyCharacters) {
    EXPECT_TRUE(FilterLikeMatches("Nokia", "no%"));
    EXPECT_TRUE(FilterLikeMatches("Nokia", "*KIA"));
    EXPECT_TRUE(FilterLikeMatches("诺基亚手机", "%基亚%"));
    EXPECT_TRUE(FilterLikeMatches("", "%"));
    EXPECT_FALSE(FilterLikeMatches("Nokia", "no"));
    EXPECT_FALSE(FilterLikeMatches("Nokia", "%x%"));
}

}  // namespace

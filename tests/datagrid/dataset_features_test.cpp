// The dataset-feature registry, the SQL back ends' statement rewriting and
// the condition writers, over test-only dataset classes.
#include <memory>

#include "datagrid/DBGridVynDataService.h"
#include "datagrid/DbUtilsVyn.h"
#include "datagrid/VynLibADO.h"
#include "platform/data/ado.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/typinfo.h"
#include "platform/rtl/valuerestorer.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

// Datasets whose statement lives in a published "SQL" list.
class TSQLMemoryDataSet : public TMemoryDataSet {
    SERVIORA_CLASS(TSQLMemoryDataSet, TMemoryDataSet)
    SERVIORA_PUBLISHED
public:
    explicit TSQLMemoryDataSet(TComponent* owner) : TMemoryDataSet(owner), sql_(std::make_unique<TStringList>()) {}
    TStrings* SQL() const { return sql_.get(); }
    void SetSQL(TStrings* v) { sql_->Assign(v); }

private:
    std::unique_ptr<TStringList> sql_;
};

void TSQLMemoryDataSet::Published(TPublished<TSQLMemoryDataSet>& p) {
    p.Property("SQL", &TSQLMemoryDataSet::SQL, &TSQLMemoryDataSet::SetSQL);
}

class TChildDataSet : public TSQLMemoryDataSet {
    SERVIORA_CLASS(TChildDataSet, TSQLMemoryDataSet)
public:
    using TSQLMemoryDataSet::TSQLMemoryDataSet;
};

class TGrandchildDataSet : public TChildDataSet {
    SERVIORA_CLASS(TGrandchildDataSet, TChildDataSet)
public:
    using TChildDataSet::TChildDataSet;
};

class TUnrelatedDataSet : public TMemoryDataSet {
    SERVIORA_CLASS(TUnrelatedDataSet, TMemoryDataSet)
public:
    using TMemoryDataSet::TMemoryDataSet;
};

// Feature classes that only say which one was asked.
class TFeaturesA : public TDatasetFeaturesVyn {
    SERVIORA_CLASS(TFeaturesA, TDatasetFeaturesVyn)
public:
    TFeaturesA() = default;
};
class TFeaturesB : public TDatasetFeaturesVyn {
    SERVIORA_CLASS(TFeaturesB, TDatasetFeaturesVyn)
public:
    TFeaturesB() = default;
};

}  // namespace

TEST(DatasetFeaturesRegistry, FindsTheNearestRegisteredAncestor) {
    RegisterDatasetFeaturesClass(TFeaturesA::StaticClass(), TSQLMemoryDataSet::StaticClass());
    RegisterDatasetFeaturesClass(TFeaturesB::StaticClass(), TGrandchildDataSet::StaticClass());
    // The exact class beats the ancestor registered earlier.
    EXPECT_EQ(FindFeaturesForDatasetClass(TGrandchildDataSet::StaticClass())->ClassType(), TFeaturesB::StaticClass());
    // The child has only the grandparent registered: one step.
    EXPECT_EQ(FindFeaturesForDatasetClass(TChildDataSet::StaticClass())->ClassType(), TFeaturesA::StaticClass());
    EXPECT_EQ(FindFeaturesForDatasetClass(TUnrelatedDataSet::StaticClass()), nullptr);
    EXPECT_EQ(DatasetClassDistance(TGrandchildDataSet::StaticClass(), "tsqlmemorydataset"), 2);
    EXPECT_EQ(DatasetClassDistance(TUnrelatedDataSet::StaticClass(), "TSQLMemoryDataSet"),
              std::numeric_limits<int>::max());

    // Registering again replaces the object in its place.
    TDatasetFeaturesVyn* before = FindFeaturesForDatasetClass(TChildDataSet::StaticClass());
    RegisterDatasetFeaturesClass(TFeaturesB::StaticClass(), TSQLMemoryDataSet::StaticClass());
    TDatasetFeaturesVyn* after = FindFeaturesForDatasetClass(TChildDataSet::StaticClass());
    EXPECT_NE(after, before);
    EXPECT_EQ(after->ClassType(), TFeaturesB::StaticClass());
    EXPECT_EQ(after->DatasetClass, TSQLMemoryDataSet::StaticClass());
}

TEST(DatasetFeaturesRegistry, ServesTheADOFamily) {
    EXPECT_EQ(FindFeaturesForDatasetClass(TADOQuery::StaticClass())->ClassType(),
              TADOSQLDatasetFeaturesVyn::StaticClass());
    EXPECT_EQ(FindFeaturesForDatasetClass(TADODataSet::StaticClass())->ClassType(),
              TADOCommandTextDatasetFeaturesVyn::StaticClass());
    auto* commandText =
        static_cast<TSQLDatasetFeaturesVyn*>(FindFeaturesForDatasetClass(TADODataSet::StaticClass()));
    EXPECT_EQ(commandText->SQLTextProperty, "CommandText");
    EXPECT_TRUE(commandText->LocalFilterLike);
}

TEST(DatasetTextProperty, ReadsAndWritesStringsAndLists) {
    TADODataSet ado(nullptr);
    AnsiString text;
    EXPECT_TRUE(WriteDatasetTextProperty(&ado, "CommandText", "SELECT 1"));
    EXPECT_TRUE(ReadDatasetTextProperty(&ado, "commandtext", text));
    EXPECT_EQ(text, "SELECT 1");
    TSQLMemoryDataSet list(nullptr);
    EXPECT_TRUE(WriteDatasetTextProperty(&list, "SQL", "SELECT *\nFROM t"));
    EXPECT_EQ(list.SQL()->Count(), 2);
    EXPECT_FALSE(ReadDatasetTextProperty(&list, "Name2", text));
    EXPECT_FALSE(ReadDatasetTextProperty(&list, "Active", text));
    EXPECT_FALSE(WriteDatasetTextProperty(&list, "Active", "x"));
}

TEST(DateToSQLLiteral, WritesEachServerKind) {
    const TDateTime date = EncodeDate(2024, 3, 7);
    ValueRestorer<char> separator(DateSeparator, '-');
    ValueRestorer<AnsiString> format(ShortDateFormat, "yyyy-mm-dd");
    EXPECT_EQ(DateToSQLLiteral("msaccess", date), "#03/07/2024#");
    EXPECT_EQ(DateSeparator, '-');
    EXPECT_EQ(DateToSQLLiteral("ORACLE", date), "TO_DATE('2024-03-07','yyyy-mm-dd')");
    EXPECT_EQ(DateToSQLLiteral("MSSQL", date), "'" + DateTimeToStr(date) + "'");
}

// A grid over a dataset with a statement: 编号, 价格, 已返厂, 数量, 型号.
class StatementRewriteTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        data_ = std::make_unique<TSQLMemoryDataSet>(nullptr);
        data_->SetName("Query1");
        for (const char* name : {"编号", "价格", "已返厂", "数量", "型号"}) data_->AddColumn(name, ftString, 10);
        data_->AddRow({"1", "2", "3", "4", "5"});
        data_->Open();
        source_->SetDataSet(data_.get());
        grid_ = NewGrid();
        grid_->SetDataSource(source_.get());
        for (const char* name : {"编号", "价格", "已返厂", "数量", "型号"}) grid_->Columns()->Add()->SetFieldName(name);
        grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghAutoSortMarking, dghMultiSortMarking});
    }
    void TearDown() override {
        grids_.clear();
        data_.reset();
        GridTest::TearDown();
    }
    TColumnVyn* Column(int i) { return grid_->Columns()->Items(i); }
    // The statement's lines, each ended by "\n".
    AnsiString Statement() {
        AnsiString text;
        for (int i = 0; i < data_->SQL()->Count(); ++i) text += data_->SQL()->Strings(i) + "\n";
        return text;
    }

    std::unique_ptr<TSQLMemoryDataSet> data_;
    TProbeGrid* grid_ = nullptr;
};

TEST_F(StatementRewriteTest, OrderByLine) {
    struct Case {
        const char* statement;
        bool marked;
        const char* expected;
    } cases[] = {
        {"SELECT *\nFROM t\nORDER BY 1\n", true, "SELECT *\nFROM t\nORDER BY 2, 5 DESC\n"},
        {"SELECT *\norder by 1\n", true, "SELECT *\nORDER BY 2, 5 DESC\n"},
        {"SELECT *\n ORDER BY 1\n", true, "SELECT *\n ORDER BY 1\nORDER BY 2, 5 DESC\n"},
        {"SELECT *\nFROM t\n", true, "SELECT *\nFROM t\nORDER BY 2, 5 DESC\n"},
        {"SELECT *\nORDER BY 1\n", false, "SELECT *\n\n"},
        {"SELECT *\n", false, "SELECT *\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statement);
        Column(1)->Title()->SetSortMarker(c.marked ? smDownVyn : smNoneVyn);
        Column(4)->Title()->SetSortMarker(c.marked ? smUpVyn : smNoneVyn);
        data_->Open();
        data_->SQL()->SetText(c.statement);
        RewriteOrderByClause(grid_, data_.get(), false, "SQL", true);
        EXPECT_EQ(Statement(), c.expected);
        EXPECT_TRUE(data_->Active());
    }
    data_->SQL()->SetText("SELECT *\n");
    Column(1)->Title()->SetSortMarker(smDownVyn);
    RewriteOrderByClause(grid_, data_.get(), true, "SQL", false);
    EXPECT_EQ(Statement(), "SELECT *\nORDER BY 价格\n");
    EXPECT_FALSE(data_->Active());
}

TEST_F(StatementRewriteTest, SQLSortingRefusesLocalModeAndNonSQLDatasets) {
    TSQLDatasetFeaturesVyn features;
    grid_->SetSortLocal(true);
    try {
        features.ApplySorting(grid_, data_.get(), true);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSQLDatasetFeaturesVyn can not sort data in dataset \"Query1\" in local mode");
    }
    grid_->SetSortLocal(false);
    features.SQLTextProperty = "Statement";
    try {
        features.ApplySorting(grid_, data_.get(), true);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "TSQLMemoryDataSet is not SQL based dataset");
    }
    EXPECT_TRUE(data_->Active());
    // A sender that is no grid is ignored.
    features.ApplySorting(data_.get(), data_.get(), true);
}

TEST_F(StatementRewriteTest, FilterMarkerLine) {
    data_->SQL()->SetText("SELECT *\nWHERE a = 1\n");
    RewriteFilterMarkerLine(grid_, nullptr, true, "SQL");
    EXPECT_EQ(Statement(), "SELECT *\nWHERE a = 1\n");

    data_->SQL()->SetText("SELECT * WHERE\n/*filter*/ old\n");
    RewriteFilterMarkerLine(grid_, nullptr, true, "SQL");
    EXPECT_EQ(Statement(), "SELECT * WHERE\n/*FILTER*/ (1=1)\n");

    TSTFilterExpressionVyn& quantity = Column(3)->STFilter()->Expression();
    quantity = {fokNumber, fopGreater, 1.5, fopOr, fopLess, 5.0};
    TSTFilterExpressionVyn& model = Column(4)->STFilter()->Expression();
    model = {fokString, fopNotIn, VarArrayOf({"A", "B"})};
    ValueRestorer<char> decimal(DecimalSeparator, ',');
    RewriteFilterMarkerLine(grid_, nullptr, true, "SQL");
    EXPECT_EQ(Statement(), "SELECT * WHERE\n/*FILTER*/ (( 数量 > 1.5 OR 数量 < 5) AND  型号 NOT IN ('A','B') )\n");
    EXPECT_EQ(DecimalSeparator, ',');
    EXPECT_TRUE(data_->Active());
}

TEST_F(StatementRewriteTest, LocalConditions) {
    ValueRestorer<char> decimal(DecimalSeparator, ',');
    struct Case {
        TSTFilterExpressionVyn expression;
        bool likeWords;
        const char* expected;
    } cases[] = {
        {{fokNumber, fopGreater, 1.0, fopOr, fopLess, 5.0}, false, "( [数量] > 1 OR [数量] < 5) "},
        {{fokNumber, fopGreater, 1.5, fopAnd, fopLessOrEqual, 5.0}, false, " [数量] > 1,5 AND [数量] <= 5 "},
        {{fokString, fopIn, VarArrayOf({"a", "b"})}, false, " ([数量] = 'a' OR [数量] = 'b') "},
        {{fokString, fopNotIn, VarArrayOf({"a", "b"})}, false, " NOT ([数量] = 'a' OR [数量] = 'b') "},
        {{fokString, fopEqual, "O'Neil"}, false, " [数量] = 'O''Neil' "},
        {{fokString, fopLike, "ab%"}, true, " [数量] Like 'ab%' "},
        {{fokString, fopNotLike, "ab%"}, false, " [数量] <> 'ab%' "},
        {{fokString, fopNull}, false, " [数量] IS NULL "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Column(3)->STFilter()->Expression() = c.expression;
        EXPECT_EQ(BuildGridFilterText(grid_, LocalConditionText, nullptr, false, c.likeWords), c.expected);
    }
    Column(4)->STFilter()->Expression() = {fokString, fopNotEqual, "x"};
    EXPECT_EQ(BuildGridFilterText(grid_, LocalConditionText, nullptr, false, false),
              " [数量] IS NULL AND  [型号] <> 'x' ");
}

TEST_F(StatementRewriteTest, SQLValuesAndOrigins) {
    ValueRestorer<char> separator(DateSeparator, '-');
    const Variant date = VarFromDateTime(EncodeDate(2024, 12, 1));
    EXPECT_EQ(SQLValueText("it's", nullptr, nullptr), "'it''s'");
    EXPECT_EQ(SQLValueText(date, nullptr, ADODateLiteral), "#12/01/2024#");
    EXPECT_EQ(LocalValueText(date, nullptr, nullptr), "'" + VarToStr(date) + "'");
    data_->FieldByName("数量")->SetOrigin("t.qty");
    Column(3)->STFilter()->Expression() = {fokNumber, fopEqual, 2.0};
    EXPECT_EQ(BuildColumnFilterText(Column(3), SQLConditionText, nullptr, true, false), " t.qty = 2");
    Column(3)->STFilter()->SetDataField("qty2");
    EXPECT_EQ(BuildColumnFilterText(Column(3), SQLConditionText, nullptr, true, false), " qty2 = 2");
    // Without a field, no condition.
    data_->Close();
    EXPECT_EQ(BuildColumnFilterText(Column(3), SQLConditionText, nullptr, true, false), "");
}

TEST_F(StatementRewriteTest, DataServiceAsksItsHandlerOrTheBackEnd) {
    TDBGridVynDataService* service = DBGridVynDataService();
    ASSERT_NE(service, nullptr);
    int asked = 0;
    service->SetOnApplySorting(TNotifyEvent([&](TObject* sender) {
        EXPECT_EQ(sender, grid_);
        ++asked;
    }));
    grid_->SetSortLocal(true);  // the SQL back end would raise
    RegisterDatasetFeaturesClass(TSQLDatasetFeaturesVyn::StaticClass(), TSQLMemoryDataSet::StaticClass());
    service->ApplySorting(grid_);
    EXPECT_EQ(asked, 1);
    service->SetOnApplySorting({});
    EXPECT_THROW(service->ApplySorting(grid_), Exception);
    grid_->SetDataSource(nullptr);
    service->ApplySorting(grid_);
}

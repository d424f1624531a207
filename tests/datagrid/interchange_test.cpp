// The interchange format ("VCLDBIF") written and read back, its malformed
// streams, and the tab-separated text importer.
#include <fstream>
#include <iterator>

#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynImport.h"
#include "platform/data/field.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "tests/datagrid/grid_fixture.h"

namespace {

std::string GoldenFile(const char* name) {
    std::ifstream in(std::string(DATAGRID_GOLDEN_DIR) + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Bytes(TMemoryStream& stream) {
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

const char* const kVcldbifError = "TDBGridVynImportAsVCLDBIF.ReadPrefix: 错误的 VCLDBIF 格式";

// Streams in the interchange format, built value by value.
class VcldbifBytes {
public:
    VcldbifBytes& Head(std::int32_t columns, std::uint8_t version = 1, const char* magic = "VCLDBIF") {
        bytes_.append(magic, 7);
        bytes_ += static_cast<char>(version);
        Int32(columns);
        for (std::int32_t i = 0; i < columns; ++i) bytes_.append("\x01\x00", 2);
        return *this;
    }
    VcldbifBytes& Tag(std::uint8_t tag) {
        bytes_ += static_cast<char>(tag);
        return *this;
    }
    VcldbifBytes& Int32(std::int32_t value) {
        for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
        return *this;
    }
    VcldbifBytes& Integer(std::int32_t value) { return Tag(vcldbif::Integer).Int32(value); }
    VcldbifBytes& String(const std::string& text) {
        Tag(vcldbif::String).Int32(static_cast<std::int32_t>(text.size()));
        bytes_ += text;
        return *this;
    }
    VcldbifBytes& End() { return Tag(vcldbif::EndOfData); }
    VcldbifBytes& Raw(const std::string& bytes) {
        bytes_ += bytes;
        return *this;
    }
    const std::string& Get() const { return bytes_; }

private:
    std::string bytes_;
};

// Two grids over datasets of the golden shape: an integer, a float, a
// date, an always-null text, a yes/no, a text, a blob and a brand looked
// up by its code.
class InterchangeTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        brands_ = NewDataSet();
        brands_->AddColumn("代码", ftString, 4);
        brands_->AddColumn("名称", ftString, 20);
        brands_->AddRow({"N", "Nokia"});
        brands_->AddRow({"M", "摩托罗拉"});
        brands_->Open();
    }
    void TearDown() override {
        grids_.clear();
        sources_.clear();
        dataSets_.clear();
        GridTest::TearDown();
    }
    TMemoryDataSet* NewDataSet() {
        dataSets_.push_back(std::make_unique<TMemoryDataSet>(nullptr));
        return dataSets_.back().get();
    }
    TMemoryDataSet* GoldenShaped() {
        TMemoryDataSet* data = NewDataSet();
        const std::pair<const char*, TFieldType> columns[] = {
            {"整数", ftInteger}, {"小数", ftFloat},   {"日期", ftDate},  {"空", ftString},
            {"是否", ftBoolean}, {"文本", ftString}, {"数据", ftBlob}, {"品牌代码", ftString}};
        for (const auto& [name, type] : columns) {
            data->AddColumn(name, type, type == ftString ? 20 : 0);
            AddPersistentField(data, name, FieldClassOf(type));
        }
        AddBrandLookup(data);
        return data;
    }
    // The brand's name, looked up by the code in 品牌代码.
    void AddBrandLookup(TMemoryDataSet* data) { AddLookupField(data, "品牌", brands_, "品牌代码", "代码", "名称"); }
    TProbeGrid* GridOn(TDataSet* data, std::initializer_list<const char*> columns) {
        sources_.push_back(std::make_unique<TDataSource>(nullptr));
        sources_.back()->SetDataSet(data);
        TProbeGrid* grid = NewGrid();
        for (const char* name : columns) grid->Columns()->Add()->SetFieldName(name);
        grid->SetDataSource(sources_.back().get());
        return grid;
    }
    TProbeGrid* GoldenGrid(TDataSet* data) {
        return GridOn(data, {"整数", "小数", "日期", "空", "是否", "文本", "数据", "品牌"});
    }
    // Imports the bytes into the grid's selection (none: from the current
    // record and column on).
    static void Import(TDBGridVynImportClass importClass, TCustomDBGridVyn* grid, const std::string& bytes) {
        TMemoryStream stream;
        stream.Write(bytes.data(), static_cast<Integer>(bytes.size()));
        stream.SetPosition(0);
        ImportDBGridVynFromStream(importClass, grid, &stream, false);
    }

    TMemoryDataSet* brands_ = nullptr;
    std::vector<std::unique_ptr<TMemoryDataSet>> dataSets_;
    std::vector<std::unique_ptr<TDataSource>> sources_;
};

std::string AllBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes;
}

}  // namespace

TEST_F(InterchangeTest, TheGoldenStreamIsWrittenAndReadBackIntoAnotherGrid) {
    TMemoryDataSet* source = GoldenShaped();
    source->AddRow({7, 1.5, "2024-03-07", Null(), true, "\x81\x5C\"", AllBytes(), "N"});
    source->AddRow({-3, 20.25, "2024-12-31", Null(), false, "他说\"好\"", std::string("\0\1", 2), "M"});
    source->AddRow({123456, -0.125, "2025-01-01", Null(), true, "a", Null(), Null()});
    source->Open();
    TMemoryStream stream;
    ExportDBGridVynToStream(TDBGridVynExportAsVCLDBIF::StaticClass(), GoldenGrid(source), &stream, true);
    const std::string golden = GoldenFile("export.vcldbif");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(Bytes(stream), golden);

    TMemoryDataSet* target = GoldenShaped();
    target->Open();
    // A blob column takes values when its field converts text.
    target->FieldByName("数据")->SetOnSetText([](TField* field, const AnsiString& text) { field->SetAsString(text); });
    Import(TDBGridVynImportAsVCLDBIF::StaticClass(), GoldenGrid(target), golden);
    ASSERT_EQ(target->RecordCount(), 3);
    for (source->First(), target->First(); !source->Eof(); source->Next(), target->Next())
        for (int i = 0; i < source->FieldCount(); ++i) {
            SCOPED_TRACE(source->Fields()->Fields(i)->FieldName());
            EXPECT_EQ(VarToStr(target->Fields()->Fields(i)->Value()), VarToStr(source->Fields()->Fields(i)->Value()));
            EXPECT_EQ(target->Fields()->Fields(i)->IsNull(), source->Fields()->Fields(i)->IsNull());
        }
}

TEST_F(InterchangeTest, MalformedStreamsRaiseTheFormatErrorAndKeepTheRowsWritten) {
    const std::string twoRecords = VcldbifBytes().Head(1).Integer(1).Integer(2).Get();
    const struct {
        const char* name;
        std::string bytes;
        int rowsWritten;
    } cases[] = {
        {"an 11-byte head", VcldbifBytes().Head(0).Get().substr(0, 11), 0},
        {"a wrong magic", VcldbifBytes().Head(1, 1, "VCLDBIG").Integer(1).End().Get(), 0},
        {"a truncated string", VcldbifBytes().Raw(twoRecords).Tag(vcldbif::String).Int32(4).Raw("ab").Get(), 2},
        {"a missing tag", twoRecords, 2},
        {"a name without its end", VcldbifBytes().Raw(std::string("VCLDBIF\x01\x01\x00\x00\x00\x01x", 14)).Get(), 0},
        {"a negative column count", VcldbifBytes().Head(-1).End().Get(), 0},
        {"no columns but values", VcldbifBytes().Head(0).Integer(5).End().Get(), 0},
        {"a negative length", VcldbifBytes().Raw(twoRecords).Tag(vcldbif::Binary).Int32(-1).End().Get(), 2},
        {"a length past the end", VcldbifBytes().Raw(twoRecords).Tag(vcldbif::String).Int32(0x7FFFFFF0).End().Get(), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TMemoryDataSet* data = NewDataSet();
        data->AddColumn("数量", ftInteger);
        for (int i = 0; i < 3; ++i) data->AddRow({0});
        data->Open();
        TProbeGrid* grid = GridOn(data, {"数量"});
        try {
            Import(TDBGridVynImportAsVCLDBIF::StaticClass(), grid, c.bytes);
            ADD_FAILURE() << "no error";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), kVcldbifError);
        }
        data->CheckBrowseMode();
        int written = 0;
        for (data->First(); !data->Eof(); data->Next()) written += data->FieldByName("数量")->AsInteger() != 0;
        EXPECT_EQ(written, c.rowsWritten);
        EXPECT_EQ(data->RecordCount(), 3);
    }
}

TEST_F(InterchangeTest, UnknownTagsAssignNothingAndLaterVersionsAreRead) {
    TMemoryDataSet* data = NewDataSet();
    data->AddColumn("数量", ftInteger);
    data->AddColumn("备注", ftString, 10);
    data->AddRow({0, "x"});
    data->Open();
    TProbeGrid* grid = GridOn(data, {"数量", "备注"});
    // Tag 9 carries no payload: the next byte is the next value's tag.
    Import(TDBGridVynImportAsVCLDBIF::StaticClass(), grid,
           VcldbifBytes().Head(2, 2).Tag(9).String("y").End().Get());
    EXPECT_EQ(data->FieldByName("数量")->AsInteger(), 0);
    EXPECT_EQ(data->FieldByName("备注")->AsString(), "y");
    EXPECT_EQ(data->RecordCount(), 1);
}

TEST_F(InterchangeTest, ValueErrorsAskToIgnoreStopOrIgnoreAll) {
    // Three records of a refused date and a text.
    VcldbifBytes stream;
    stream.Head(2);
    for (const char* text : {"a", "b", "c"}) stream.String("不是日期").String(text);
    const std::string bytes = stream.End().Get();
    const struct {
        int answer;
        std::size_t questions;
        const char* written;
        bool aborted;
    } cases[] = {{mrYes, 3, "abc", false}, {mrNo, 1, "", true}, {mrAll, 1, "abc", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        ResetModalResponder();
        TMemoryDataSet* data = NewDataSet();
        data->AddColumn("日期", ftDate);
        data->AddColumn("备注", ftString, 10);
        for (int i = 0; i < 3; ++i) data->AddRow({Null(), ""});
        data->Open();
        TProbeGrid* grid = GridOn(data, {"日期", "备注"});
        for (int i = 0; i < 3; ++i) PushModalAnswer({c.answer});
        bool aborted = false;
        try {
            Import(TDBGridVynImportAsVCLDBIF::StaticClass(), grid, bytes);
        } catch (const EAbort&) {
            aborted = true;
        }
        EXPECT_EQ(aborted, c.aborted);
        ASSERT_EQ(ModalQuestions().size(), c.questions);
        const AnsiString& question = ModalQuestions()[0].text;
        const AnsiString head = "插入值过程中出错:\n", tail = "\n\n忽略错误?";
        EXPECT_EQ(question.substr(0, head.size()), head);
        EXPECT_EQ(question.substr(question.size() - tail.size()), tail);
        data->CheckBrowseMode();
        AnsiString written;
        for (data->First(); !data->Eof(); data->Next()) written += data->FieldByName("备注")->AsString();
        EXPECT_EQ(written, c.written);
    }
    ResetModalResponder();
}

TEST_F(InterchangeTest, TextImportFillsColumnsCellByCell) {
    const struct {
        const char* name;
        std::string text;
        int columns;
        const char* rows;  // each record's X|Y after the import
        bool fails;
    } cases[] = {
        {"a cell past the columns is dropped", "a\tb\r\n", 1, "a|y1 x2|y2", false},
        {"a trailing tab assigns nothing", "a\t\r\nc\td", 2, "a|y1 c|d", false},
        {"an empty cell between tabs clears", "\tq\r\n", 2, "|q x2|y2", false},
        {"more cells than columns", "p\tq\tr\r\ns\tt\tu", 2, "p|q s|t", false},
        {"a lone CR", "a\rb\r\n", 2, "x1|y1 x2|y2", true},
        {"more lines than records are appended", "1\r\n2\r\n3\r\n", 1, "1|y1 2|y2 3|", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TMemoryDataSet* data = NewDataSet();
        data->AddColumn("X", ftString, 10);
        data->AddColumn("Y", ftString, 10);
        data->AddRow({"x1", "y1"});
        data->AddRow({"x2", "y2"});
        data->Open();
        TProbeGrid* grid = c.columns == 1 ? GridOn(data, {"X"}) : GridOn(data, {"X", "Y"});
        try {
            Import(TDBGridVynImportAsText::StaticClass(), grid, c.text);
            EXPECT_FALSE(c.fails);
        } catch (const Exception& error) {
            EXPECT_TRUE(c.fails);
            EXPECT_EQ(error.Message(), "TDBGridVynImportAsText.CheckState: 错误的文本格式");
        }
        data->CheckBrowseMode();
        AnsiString rows;
        for (data->First(); !data->Eof(); data->Next())
            rows += (rows.empty() ? "" : " ") + data->FieldByName("X")->AsString() + "|" +
                    data->FieldByName("Y")->AsString();
        EXPECT_EQ(rows, c.rows);
    }
}

TEST_F(InterchangeTest, TextFindsLookupAndKeyListValues) {
    TMemoryDataSet* data = NewDataSet();
    data->AddColumn("品牌代码", ftString, 4);
    data->AddColumn("状态", ftInteger);
    AddPersistentField(data, "品牌代码", TStringField::StaticClass());
    AddPersistentField(data, "状态", TIntegerField::StaticClass());
    AddBrandLookup(data);
    for (int i = 0; i < 3; ++i) data->AddRow({"?", 5});
    data->Open();
    TProbeGrid* grid = GridOn(data, {"品牌", "状态"});
    TColumnVyn* state = grid->Columns()->Items(1);
    state->PickList()->SetText("已修\r\n未修");
    state->KeyList()->SetText("1\r\n0");
    // Case-insensitive and partial lookups, a pick-list text and one that
    // is in no list.
    Import(TDBGridVynImportAsText::StaticClass(), grid, "nok\t未修\r\n摩托\t已修\r\n华为\t坏了");
    data->CheckBrowseMode();
    AnsiString rows;
    for (data->First(); !data->Eof(); data->Next())
        rows += data->FieldByName("品牌代码")->AsString() + "=" +
                (data->FieldByName("状态")->IsNull() ? AnsiString("null") : data->FieldByName("状态")->AsString()) +
                " ";
    EXPECT_EQ(rows, "N=0 M=1 ?=null ");
}

// The grid's clipboard actions between two grids: what a copy places, what
// a paste writes, what delete and cut remove, and the Ctrl keys that run
// them.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "datagrid/DBGridVynClipboard.h"
#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/field.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdactns.h"
#include "support/recording_dataset_action.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"
#include "tests/platform/win/window_fixture.h"

namespace {

std::string BlockBytes(UINT format) {
    const HANDLE block = Clipboard()->GetAsHandle(format);
    if (!block) return {};
    const std::string bytes(static_cast<const char*>(GlobalLock(block)), GlobalSize(block));
    GlobalUnlock(block);
    return bytes;
}

// Phones in a source grid and notes in a target grid, both shown, with
// every clipboard action allowed.
class GridClipboardTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        ResetModalResponder();
        phones_->AddColumn("数量", ftInteger);
        for (int i = 1; i <= 3; ++i) phones_->AddRow({"000000000" + std::to_string(i), 100.0 * i, false, i});
        phones_->Open();
        notes_ = std::make_unique<TMemoryDataSet>(nullptr);
        notes_->AddColumn("甲", ftString, 20);
        notes_->AddColumn("乙", ftString, 20);
        notes_->AddColumn("丙", ftString, 20);
        notes_->AddRow({"a1", "b1", "c1"});
        notes_->AddRow({"a2", "b2", "c2"});
        notes_->Open();
        notesSource_ = std::make_unique<TDataSource>(nullptr);
        notesSource_->SetDataSet(notes_.get());
        const TDBGridVynEditActions all{geaCopyVyn, geaCutVyn, geaPasteVyn, geaDeleteVyn, geaSelectAllVyn};
        source_grid_ = NewShownGrid(400, 200, [&](TProbeGrid* grid) {
            for (const char* name : {"编号", "价格", "数量"}) grid->Columns()->Add()->SetFieldName(name);
            grid->SetEditActions(all);
            grid->SetDataSource(source_.get());
        });
        target_ = NewShownGrid(400, 200, [&](TProbeGrid* grid) {
            for (const char* name : {"甲", "乙", "丙"}) grid->Columns()->Add()->SetFieldName(name);
            grid->SetEditActions(all);
            grid->SetDataSource(notesSource_.get());
        });
    }
    void TearDown() override {
        GridTest::TearDown();
        notesSource_.reset();
        notes_.reset();
        ResetModalResponder();
    }
    // A rectangle over the records first..last (from 1) and the grid's
    // columns left..right (from 0).
    static void SelectRectangle(TCustomDBGridVyn* grid, int first, int last, int left, int right) {
        TDataSet* dataSet = grid->DataLink()->DataSet();
        dataSet->SetRecNo(first);
        grid->Selection()->Rect()->ExtendTo(left, dataSet->Bookmark(), false);
        dataSet->SetRecNo(last);
        grid->Selection()->Rect()->ExtendTo(right, dataSet->Bookmark(), true);
    }
    static std::string Exported(TDBGridVynExportClass exportClass, TCustomDBGridVyn* grid) {
        TMemoryStream stream;
        ExportDBGridVynToStream(exportClass, grid, &stream, false);
        return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
    }
    AnsiString Notes() {
        notes_->CheckBrowseMode();
        AnsiString rows;
        for (notes_->First(); !notes_->Eof(); notes_->Next()) {
            if (!rows.empty()) rows += " ";
            for (const char* name : {"甲", "乙", "丙"})
                rows += (notes_->FieldByName(name)->IsNull() ? AnsiString("-") : notes_->FieldByName(name)->AsString()) +
                        (name[1] == "丙"[1] ? "" : "|");
        }
        return rows;
    }
    // A key with Ctrl held, to the focused grid.
    static void CtrlKey(TWinControl* grid, int vk) {
        grid->SetFocus();
        SimulateKey(VK_CONTROL, true);
        Key(vk);
        SimulateKey(VK_CONTROL, false);
        ProcessMessages();
    }

    std::unique_ptr<TMemoryDataSet> notes_;
    std::unique_ptr<TDataSource> notesSource_;
    TProbeGrid* source_grid_ = nullptr;
    TProbeGrid* target_ = nullptr;
};

}  // namespace

TEST_F(GridClipboardTest, ACopyPlacesFourFormatsAndPastesAtTheCurrentCell) {
    SelectRectangle(source_grid_, 2, 2, 0, 1);
    GridCopyAction(source_grid_, false);

    const std::string text = Exported(TDBGridVynExportAsText::StaticClass(), source_grid_);
    const std::string csv = Exported(TDBGridVynExportAsCSV::StaticClass(), source_grid_);
    const std::string rtf = Exported(TDBGridVynExportAsRTF::StaticClass(), source_grid_);
    ASSERT_EQ(text, "编号\t价格\r\n0000000002\t200");
    EXPECT_EQ(Clipboard()->FormatCount(), 5);  // with the plain text made from the Unicode one
    const std::string unicode = BlockBytes(CF_UNICODETEXT);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(unicode.data()), unicode.size() / 2),
              AnsiToWide(text) + u'\0');
    EXPECT_EQ(BlockBytes(ClipboardFormatCsv), csv + '\0');
    EXPECT_EQ(BlockBytes(ClipboardFormatRtf), rtf + '\0');
    EXPECT_EQ(BlockBytes(ClipboardFormatVCLDBIF), Exported(TDBGridVynExportAsVCLDBIF::StaticClass(), source_grid_));

    // Other programs see the same content.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime);
    EXPECT_EQ(mime->text().toStdString(), AnsiToUtf8(text));
    EXPECT_EQ(mime->data("text/csv").toStdString(), AnsiToUtf8(csv));
    EXPECT_EQ(mime->data("text/rtf").toStdString(), rtf);

    notes_->SetRecNo(2);
    target_->SetSelectedIndex(1);
    GridPasteAction(target_, false);
    EXPECT_EQ(Notes(), "a1|b1|c1 a2|0000000002|200");
}

TEST_F(GridClipboardTest, PastedValuesBeyondTheColumnsAreDroppedAndRecordsBeyondTheLastAppended) {
    SelectRectangle(source_grid_, 1, 2, 0, 2);
    GridCopyAction(source_grid_, false);
    target_->Columns()->Items(2)->SetVisible(false);
    GridPasteAction(target_, false);
    EXPECT_EQ(Notes(), "0000000001|100|c1 0000000002|200|c2");

    source_grid_->Selection()->MarkAll();
    GridCopyAction(source_grid_, false);
    target_->Columns()->Items(2)->SetVisible(true);
    notes_->Last();
    target_->SetSelectedIndex(0);
    GridPasteAction(target_, false);
    EXPECT_EQ(Notes(), "0000000001|100|c1 0000000001|100|1 0000000002|200|2 0000000003|300|3");
}

TEST_F(GridClipboardTest, DeleteClearsARectangleAndAsksBeforeDeletingRecords) {
    SelectRectangle(target_, 1, 2, 1, 2);
    PushModalAnswer({mrOk});
    GridDeleteAction(target_, false);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "清除选择的单元?");
    EXPECT_EQ(Notes(), "a1|-|- a2|-|-");

    target_->Selection()->Reset();
    for (int recNo : {1, 2}) {
        notes_->SetRecNo(recNo);
        target_->SelectedRows()->SetCurrentRowMarked(true);
    }
    PushModalAnswer({mrCancel});
    GridDeleteAction(target_, false);
    EXPECT_EQ(ModalQuestions().back().text, "Delete all selected records?");
    EXPECT_EQ(notes_->RecordCount(), 2);
    PushModalAnswer({mrOk});
    GridDeleteAction(target_, false);
    EXPECT_EQ(notes_->RecordCount(), 0);
    EXPECT_EQ(target_->Selection()->Kind(), gstNon);
}

TEST_F(GridClipboardTest, TheCtrlKeysRunTheActions) {
    source_grid_->SetOptions(source_grid_->Options() - TDBGridOptions{dgConfirmDelete});
    SelectRectangle(source_grid_, 1, 1, 0, 1);
    CtrlKey(source_grid_, 'C');
    EXPECT_EQ(Clipboard()->AsText(), "编号\t价格\r\n0000000001\t100");
    SelectRectangle(source_grid_, 2, 3, 2, 2);
    CtrlKey(source_grid_, VK_INSERT);
    EXPECT_EQ(Clipboard()->AsText(), "数量\r\n2\r\n3");

    notes_->SetRecNo(1);
    target_->SetSelectedIndex(2);
    CtrlKey(target_, 'V');
    EXPECT_EQ(Notes(), "a1|b1|2 a2|b2|3");

    SelectRectangle(source_grid_, 2, 3, 1, 1);
    CtrlKey(source_grid_, 'X');
    EXPECT_EQ(Clipboard()->AsText(), "价格\r\n200\r\n300");
    phones_->SetRecNo(3);
    EXPECT_TRUE(phones_->FieldByName("价格")->IsNull());

    SelectRectangle(source_grid_, 1, 2, 2, 2);
    CtrlKey(source_grid_, VK_DELETE);
    phones_->SetRecNo(1);
    EXPECT_TRUE(phones_->FieldByName("数量")->IsNull());
    EXPECT_EQ(phones_->RecordCount(), 3);

    // Without the edit actions the keys do nothing.
    target_->SetEditActions({});
    CtrlKey(target_, 'V');
    EXPECT_EQ(Notes(), "a1|b1|2 a2|b2|3");
}

TEST_F(GridClipboardTest, AnotherProgramsLinesPasteAsRows) {
    auto other = std::make_unique<QMimeData>();
    other->setText(QString::fromUtf8("x\ty\nz\tw\n"));
    QGuiApplication::clipboard()->setMimeData(other.release());
    notes_->First();
    target_->SetSelectedIndex(0);
    GridPasteAction(target_, false);
    EXPECT_EQ(Notes(), "x|y|c1 z|w|c2");
}

TEST_F(GridClipboardTest, TheFocusedGridRunsTheEditActionsItsEditActionsAllow) {
    TEditCopy copy(nullptr);
    TEditSelectAll selectAll(nullptr);
    SelectRectangle(source_grid_, 1, 1, 0, 1);
    target_->SetFocus();
    ProcessMessages();
    EXPECT_FALSE(source_grid_->UpdateAction(&copy));
    EXPECT_FALSE(source_grid_->ExecuteAction(&copy));

    source_grid_->SetFocus();
    ProcessMessages();
    copy.SetEnabled(false);
    EXPECT_TRUE(source_grid_->UpdateAction(&copy));
    EXPECT_TRUE(copy.Enabled());
    EXPECT_TRUE(source_grid_->ExecuteAction(&copy));
    EXPECT_EQ(Clipboard()->AsText(), "编号\t价格\r\n0000000001\t100");
    EXPECT_TRUE(source_grid_->ExecuteAction(&selectAll));
    EXPECT_EQ(source_grid_->Selection()->Kind(), gstAll);

    source_grid_->ClearSelection();
    EXPECT_TRUE(source_grid_->UpdateAction(&copy));
    EXPECT_FALSE(copy.Enabled());
    EXPECT_FALSE(source_grid_->ExecuteAction(&copy));

    source_grid_->SetEditActions({geaPasteVyn});
    EXPECT_FALSE(source_grid_->UpdateAction(&copy));
    EXPECT_FALSE(source_grid_->ExecuteAction(&selectAll));
    EXPECT_EQ(source_grid_->Selection()->Kind(), gstNon);
}

TEST_F(GridClipboardTest, DataSetActionsReachTheGridsSourceOnly) {
    ExpectDataSetActionsReachOnly(source_grid_, source_.get());
}

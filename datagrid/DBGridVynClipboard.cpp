// The grid's clipboard actions over the exporters and importers.
#include "datagrid/DBGridVynClipboard.h"

#include <cstring>

#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynImport.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/field.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/winnls.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/dialogs.h"

UINT ClipboardFormatVCLDBIF = 0;
UINT ClipboardFormatCsv = 0;
UINT ClipboardFormatRtf = 0;

void RegisterGridClipboardFormats() {
    ClipboardFormatVCLDBIF = RegisterClipboardFormat("VCLDBIF");
    ClipboardFormatCsv = RegisterClipboardFormat("Csv");
    ClipboardFormatRtf = RegisterClipboardFormat("Rich Text Format");
}

namespace {

// Places exactly `size` bytes as a movable, shareable block; the clipboard
// frees the block when it cannot take it.
void PlaceBlock(UINT format, const void* bytes, std::size_t size) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (size) std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    Clipboard()->SetAsHandle(format, block);
}

// The grid exported in a format into the cleared stream, with a closing
// zero byte when asked.
void ExportInto(TMemoryStream& stream, TDBGridVynExportClass exportClass, TCustomDBGridVyn* grid, bool allRows,
                bool zeroByte) {
    stream.Clear();
    ExportDBGridVynToStream(exportClass, grid, &stream, allRows);
    if (zeroByte) stream.Write("", 1);
}

void PlaceStream(UINT format, TMemoryStream& stream) {
    PlaceBlock(format, stream.Memory(), static_cast<std::size_t>(stream.Size()));
}

// The ANSI text (with its zero byte) as UTF-16 Unicode text.
void PlaceUnicodeText(TMemoryStream& stream) {
    const char* text = static_cast<const char*>(stream.Memory());
    const int length = static_cast<int>(stream.Size());
    const int units = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, length, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, length, wide.data(), units);
    PlaceBlock(CF_UNICODETEXT, wide.data(), wide.size() * sizeof(char16_t));
}

void ImportBytes(TDBGridVynImportClass importClass, TCustomDBGridVyn* grid, const void* bytes, std::size_t size,
                 bool allRows) {
    TMemoryStream stream;
    stream.Write(bytes, static_cast<Integer>(size));
    stream.SetPosition(0);
    ImportDBGridVynFromStream(importClass, grid, &stream, allRows);
}

}  // namespace

void GridCopyAction(TCustomDBGridVyn* grid, bool allRows) {
    TDataSet* dataSet = grid->DataLink()->DataSet();
    if (!dataSet) return;
    // One opening: the formats are offered together and the clipboard is
    // emptied once.
    Clipboard()->Open();
    dataSet->DisableControls();
    try {
        TMemoryStream stream;
        ExportInto(stream, TDBGridVynExportAsText::StaticClass(), grid, allRows, true);
        if (Win32Platform == VER_PLATFORM_WIN32_NT) PlaceUnicodeText(stream);
        ExportInto(stream, TDBGridVynExportAsCSV::StaticClass(), grid, allRows, true);
        PlaceStream(ClipboardFormatCsv, stream);
        ExportInto(stream, TDBGridVynExportAsRTF::StaticClass(), grid, allRows, true);
        PlaceStream(ClipboardFormatRtf, stream);
        ExportInto(stream, TDBGridVynExportAsVCLDBIF::StaticClass(), grid, allRows, false);
        PlaceStream(ClipboardFormatVCLDBIF, stream);
    } catch (...) {
        Clipboard()->Close();
        dataSet->EnableControls();
        throw;
    }
    Clipboard()->Close();
    dataSet->EnableControls();
}

void GridCutAction(TCustomDBGridVyn* grid, bool allRows) {
    GridCopyAction(grid, allRows);
    GridDeleteAction(grid, allRows);
}

void GridPasteAction(TCustomDBGridVyn* grid, bool allRows) {
    TClipboard* clipboard = Clipboard();
    clipboard->Open();
    try {
        if (clipboard->HasFormat(ClipboardFormatVCLDBIF)) {
            const HANDLE block = clipboard->GetAsHandle(ClipboardFormatVCLDBIF);
            const void* bytes = GlobalLock(block);
            try {
                ImportBytes(TDBGridVynImportAsVCLDBIF::StaticClass(), grid, bytes, GlobalSize(block), allRows);
            } catch (...) {
                GlobalUnlock(block);
                throw;
            }
            GlobalUnlock(block);
        } else if (clipboard->HasFormat(CF_TEXT)) {
            // The text up to its terminator: the zero byte is no cell text.
            const AnsiString text = clipboard->AsText();
            ImportBytes(TDBGridVynImportAsText::StaticClass(), grid, text.data(), text.size(), allRows);
        }
    } catch (...) {
        clipboard->Close();
        throw;
    }
    clipboard->Close();
}

bool ConfirmSelectionDelete(TCustomDBGridVyn* grid, TDBGridVynSelectionType kind) {
    AnsiString question;
    if (kind == gstRecordBookmarks)
        question = grid->SelectedRows()->Count() < 2 ? "Delete record?" : "Delete all selected records?";
    else if (kind == gstRectangle)
        question = "清除选择的单元?";
    if (question.empty() || !grid->Options().Contains(dgConfirmDelete)) return true;
    return MessageDlg(question, mtConfirmation, mbOKCancel) == mrOk;
}

void ClearSelectedCells(TCustomDBGridVyn*, TColumnsVynList* columns) {
    for (int i = 0; i < columns->Count(); ++i)
        if (TField* field = WritableExchangedField(columns->Items(i))) field->Clear();
}

void GridDeleteAction(TCustomDBGridVyn* grid, bool allRows) {
    const TDBGridVynSelectionType kind = allRows ? gstAll : grid->Selection()->Kind();
    TDataSet* dataSet = grid->DataSource() ? grid->DataSource()->DataSet() : nullptr;
    if (kind == gstNon || !dataSet) return;
    if (!ConfirmSelectionDelete(grid, kind)) return;
    grid->SaveViewPosition();
    dataSet->DisableControls();
    try {
        TColumnsVynList columns;
        switch (kind) {
            case gstRecordBookmarks:
                // The view position is not restored: its record may be gone.
                grid->SelectedRows()->DeleteMarked();
                grid->Selection()->Reset();
                break;
            case gstRectangle:
                AddRectangleColumns(grid, &columns);
                ForEachRectangleRecord(grid, [&] { ClearSelectedCells(grid, &columns); });
                grid->RestoreViewPosition();
                break;
            case gstColumns:
                for (int i = 0; i < grid->Selection()->Columns()->Count(); ++i)
                    columns.Add(grid->Selection()->Columns()->Items(i));
                ForEachRecord(dataSet, [&] { ClearSelectedCells(grid, &columns); });
                grid->RestoreViewPosition();
                break;
            case gstAll:
                for (dataSet->First(); !dataSet->Eof();) dataSet->Delete();
                break;
            case gstNon: break;
        }
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls();
}

// The import framework and the tab-separated text importer.
#include "datagrid/DBGridVynImport.h"

#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/field.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/dialogs.h"

// ---- The framework --------------------------------------------------------------------------------

TDBGridVynImport::TDBGridVynImport() : importedColumns_(std::make_unique<TColumnsVynList>()) {}

TDBGridVynImport::~TDBGridVynImport() = default;

void TDBGridVynImport::GetDataRow(TColumnsVynList* columns) {
    for (int i = 0; i < columns->Count(); ++i) GetDataCell(columns->Items(i));
}

void TDBGridVynImport::LoadFromFile(const AnsiString& fileName, bool allRows) {
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(&file, allRows);
}

void TDBGridVynImport::LoadFromStream(TStream* stream, bool allRows) {
    stream_ = stream;
    endOfData_ = false;
    TDataSet* dataSet = grid_->DataLink()->DataSet();
    if (allRows) {
        grid_->Selection()->Reset();
        dataSet->First();
        if (grid_->VisibleColumns()->Count() > 0) grid_->SetSelectedIndex(grid_->VisibleColumns()->Items(0)->Index());
    }
    bool appendMode = dataSet->Eof();
    bool insertMode = dataSet->State() == dsInsert;
    if (!insertMode) grid_->SaveViewPosition();
    dataSet->DisableControls();
    try {
        ImportRecords(allRows ? gstAll : grid_->Selection()->Kind(), insertMode, appendMode);
    } catch (...) {
        dataSet->EnableControls();
        if (!insertMode) grid_->RestoreViewPosition();
        throw;
    }
    if (!insertMode) grid_->RestoreViewPosition();
    dataSet->EnableControls();
    EndImport();
}

void TDBGridVynImport::ImportRecords(TDBGridVynSelectionType kind, bool& insertMode, bool& appendMode) {
    TDataSet* dataSet = grid_->DataLink()->DataSet();
    TColumnsVynList* columns = importedColumns_.get();
    TColumnsVynList* visible = grid_->VisibleColumns();
    columns->Clear();
    auto getRow = [this, columns] { GetDataRow(columns); };
    switch (kind) {
        case gstNon: {
            TColumnVyn* current = grid_->SelectedIndex() >= 0 ? grid_->Columns()->Items(grid_->SelectedIndex())
                                                               : nullptr;
            for (int i = std::max(visible->IndexOf(current), 0); i < visible->Count(); ++i)
                columns->Add(visible->Items(i));
            break;
        }
        case gstRecordBookmarks:
        case gstAll:
            for (int i = 0; i < visible->Count(); ++i) columns->Add(visible->Items(i));
            break;
        case gstRectangle: AddRectangleColumns(grid_, columns); break;
        case gstColumns: {
            TDBGridVynSelectionCols* selected = grid_->Selection()->Columns();
            for (int i = 0; i < selected->Count(); ++i) columns->Add(selected->Items(i));
            break;
        }
    }
    ReadPrefix();
    if (insertMode) return InsertRemaining(appendMode);
    switch (kind) {
        case gstNon:
            grid_->RestoreViewPosition();
            while (!dataSet->Eof() && !endOfData_) {
                getRow();
                dataSet->Next();
            }
            if (grid_->AllowedOperations().Contains(alopAppendVyn)) {
                insertMode = appendMode = true;
                InsertRemaining(appendMode);
            }
            break;
        case gstRecordBookmarks: ForEachSelectedRow(grid_, getRow); break;
        case gstRectangle: ForEachRectangleRecord(grid_, getRow); break;
        case gstColumns:
        case gstAll: ForEachRecord(dataSet, getRow); break;
    }
}

void TDBGridVynImport::InsertRemaining(bool appendMode) {
    TDataSet* dataSet = grid_->DataLink()->DataSet();
    while (!endOfData_) {
        if (appendMode)
            dataSet->Append();
        else
            dataSet->Insert();
        GetDataRow(importedColumns_.get());
        dataSet->Post();
        if (!appendMode) dataSet->Next();
    }
}

void TDBGridVynImport::AssignValue(const std::function<void()>& assign) {
    try {
        assign();
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& error) {
        if (SkipAllErrors) return;
        const AnsiString question = AnsiString("插入值过程中出错:") + "\n" + error.Message() + "\n\n" + "忽略错误?";
        switch (MessageDlg(question, mtError, TMsgDlgButtons{mbYes, mbNo, mbAll})) {
            case mrNo: Abort();
            case mrAll: SkipAllErrors = true; break;
            default: break;
        }
    }
}

void ImportDBGridVynFromStream(TDBGridVynImportClass importClass, TCustomDBGridVyn* grid, TStream* stream,
                               bool allRows) {
    std::unique_ptr<TDBGridVynImport> importer(importClass->Create());
    importer->SetGrid(grid);
    importer->LoadFromStream(stream, allRows);
}

// ---- Text -----------------------------------------------------------------------------------------

void TDBGridVynImportAsText::LoadFromStream(TStream* stream, bool allRows) {
    SkipAllErrors = false;
    TDBGridVynImport::LoadFromStream(stream, allRows);
}

int TDBGridVynImportAsText::CheckState() {
    if (Stream()->Read(&CurrentChar, 1) != 1) {
        SetEndOfData(true);
        return CurrentState = StateEnd;
    }
    if (CurrentChar == '\t') return CurrentState = StateTab;
    if (CurrentChar == '\r') {
        if (Stream()->Read(&CurrentChar, 1) != 1 || CurrentChar != '\n')
            throw Exception(AnsiString("TDBGridVynImportAsText.CheckState: ") + "错误的文本格式");
        return CurrentState = StateLineEnd;
    }
    return CurrentState = StateText;
}

void TDBGridVynImportAsText::ReadCell() {
    CurrentText.assign(1, CurrentChar);
    while (CheckState() == StateText) CurrentText += CurrentChar;
    if (CurrentState == StateTab) CheckState();
}

void TDBGridVynImportAsText::GetDataRow(TColumnsVynList* columns) {
    if (CurrentState == StateEnd) return;
    int next = 0;
    auto putCell = [&] {
        if (next < columns->Count()) GetDataCell(columns->Items(next));
        ++next;
    };
    if (CurrentState == StateText) {
        ReadCell();
        putCell();
    }
    while (CurrentState == StateText || CurrentState == StateTab) {
        if (CurrentState == StateTab) {
            CurrentText.clear();
            CheckState();
        } else {
            ReadCell();
        }
        putCell();
    }
    if (CurrentState == StateLineEnd) CheckState();
}

void TDBGridVynImportAsText::GetDataCell(TColumnVyn* column) {
    TField* field = column->BoundField();
    if (!field || (field->Lookup() && field->KeyFields().empty())) return;
    TField* target = WritableExchangedField(column);
    if (!target) return;
    AssignValue([&] {
        if (field->Lookup()) {
            TDataSet* lookup = field->LookupDataSet();
            if (lookup && lookup->Locate(field->LookupResultField(), Variant(CurrentText),
                                         TLocateOptions{loCaseInsensitive, loPartialKey}))
                target->SetValue(lookup->FieldByName(field->LookupKeyFields())->Value());
        } else if (column->ValueKind() == cvkKeyList) {
            const int index = column->PickList()->IndexOf(CurrentText);
            if (index >= 0 && index < column->KeyList()->Count())
                target->SetAsString(column->KeyList()->Strings(index));
            else
                target->Clear();
        } else {
            target->SetAsString(CurrentText);
        }
    });
}

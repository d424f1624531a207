// Import into a grid's dataset: the framework that walks the records a
// selection (or the whole grid) covers and hands each row to the importer,
// the tab-separated text importer and the interchange-format ("VCLDBIF")
// importer. Rows go into the visible or selected columns by position; what
// the source holds beyond the last record is inserted or appended.
#pragma once

#include <array>
#include <memory>

#include "datagrid/DBGridVyn.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/variant.h"

class TDBGridVynImport : public TObject {
    SERVIORA_HIERARCHY(TDBGridVynImport, TObject)
public:
    TDBGridVynImport();
    ~TDBGridVynImport() override;

    TCustomDBGridVyn* Grid() const { return grid_; }
    void SetGrid(TCustomDBGridVyn* grid) { grid_ = grid; }
    TStream* Stream() const { return stream_; }
    // The columns that receive a row's values, in order (not owned).
    TColumnsVynList* ImportedColumns() const { return importedColumns_.get(); }
    // The source is exhausted.
    bool EndOfData() const { return endOfData_; }

    virtual void ReadPrefix() {}
    virtual void EndImport() {}
    // Reads one row of the source into the columns.
    virtual void GetDataRow(TColumnsVynList* columns);
    virtual void GetDataCell(TColumnVyn*) {}
    // Reads from the stream's position into the records the selection
    // covers (every record with allRows); rows left over are inserted.
    virtual void LoadFromStream(TStream* stream, bool allRows);
    // The file is closed also on failure.
    virtual void LoadFromFile(const AnsiString& fileName, bool allRows);

protected:
    void SetEndOfData(bool value) { endOfData_ = value; }
    // Runs an assignment of a value; a failure asks whether to go on
    // ("Yes"), to stop the import silently ("No") or to ask no more ("All").
    void AssignValue(const std::function<void()>& assign);

    // Set by "All": later value errors are skipped without asking.
    bool SkipAllErrors = false;

private:
    void ImportRecords(TDBGridVynSelectionType kind, bool& insertMode, bool& appendMode);
    // Appends (or inserts before the current record) one record per row
    // left in the source.
    void InsertRemaining(bool appendMode);

    TCustomDBGridVyn* grid_ = nullptr;
    TStream* stream_ = nullptr;
    std::unique_ptr<TColumnsVynList> importedColumns_;
    bool endOfData_ = false;
};
using TDBGridVynImportClass = const TDBGridVynImport::MetaClassType*;

// Tab-separated lines: a tab between cells, CR LF at each line end. A cell
// holds neither a tab nor a line break; a CR must be followed by LF.
class TDBGridVynImportAsText : public TDBGridVynImport {
    SERVIORA_CLASS(TDBGridVynImportAsText, TDBGridVynImport)
public:
    TDBGridVynImportAsText() = default;

    enum : int { StateText = 0, StateTab = 1, StateLineEnd = 2, StateEnd = 3 };
    // The last character read and what it was.
    char CurrentChar = 0;
    int CurrentState = StateEnd;
    // The text of the last cell read.
    AnsiString CurrentText;

    void ReadPrefix() override { CheckState(); }
    // Cells go to the columns in order; cells beyond the last column are
    // read and dropped, and a tab ending the line assigns nothing.
    void GetDataRow(TColumnsVynList* columns) override;
    // Lookup columns find the text in their lookup dataset, key-list
    // columns in their pick list; others take the text.
    void GetDataCell(TColumnVyn* column) override;
    void LoadFromStream(TStream* stream, bool allRows) override;

protected:
    // Reads the next character and classifies it.
    int CheckState();

private:
    void ReadCell();
};

// The interchange format (see vcldbif in DBGridVynImpExp.h). Values go to
// the columns by position; the header's names and flags change nothing.
class TDBGridVynImportAsVCLDBIF : public TDBGridVynImport {
    SERVIORA_CLASS(TDBGridVynImportAsVCLDBIF, TDBGridVynImport)
public:
    TDBGridVynImportAsVCLDBIF();
    ~TDBGridVynImportAsVCLDBIF() override;

    struct Header {
        std::array<char, 7> Magic{};
        std::uint8_t Version = 0;
        std::int32_t ColumnCount = 0;
    };
    Header StreamHeader;
    // The next value of the source; Unassigned for none.
    Variant PendingValue;
    // The header's column names with their visible flags as objects; only
    // while LoadFromStream runs.
    TStringList* HeaderNames() const { return headerNames_.get(); }
    bool NamesPresent = false;

    void ReadPrefix() override;
    void GetDataRow(TColumnsVynList* columns) override;
    void GetDataCell(TColumnVyn* column) override;
    void LoadFromStream(TStream* stream, bool allRows) override;

protected:
    void ReadNextValue();

private:
    [[noreturn]] void FormatError() const;
    void ReadExactly(void* buffer, Int64 count);
    std::int32_t ReadInt32();

    std::unique_ptr<TStringList> headerNames_;
};

// Imports with a new importer of the class, freed however it ends.
void ImportDBGridVynFromStream(TDBGridVynImportClass importClass, TCustomDBGridVyn* grid, TStream* stream,
                               bool allRows);

// The grid's find dialog ("Find text"): searches a grid's records for a
// text in one visible column or in all of them, matching any part, the
// whole or the beginning of the cell text, upward, downward or through all
// records, with or without letter case, on the shown or the raw field text.
// One dialog serves every grid for the rest of the run; its form comes
// from DBGridVynFindDlgs.dfm.
#pragma once

#include <memory>

#include "datagrid/DBCtrlsVynCheckBox.h"
#include "datagrid/DBCtrlsVynComboBox.h"
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"

// (caption, column) pairs a grid may hand the dialog; not used by it.
using TColumnFieldsArrVyn = TDBGridVynFindColumns;

class TDBGridVynFindDlg : public TForm {
    SERVIORA_CLASS(TDBGridVynFindDlg, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    ~TDBGridVynFindDlg() override;

    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* cbMatchType = nullptr;
    TLabel* Label3 = nullptr;
    TDBComboBoxVyn* cbText = nullptr;
    TDBComboBoxVyn* cbFindIn = nullptr;
    TDBComboBoxVyn* cbMatchinType = nullptr;
    TDBComboBoxVyn* cbFindDirection = nullptr;
    TDBCheckBoxVyn* cbCharCase = nullptr;
    TDBCheckBoxVyn* cbUseFormat = nullptr;
    TButton* bFind = nullptr;
    TButton* bCancel = nullptr;

    // Binds the dialog to `grid` with `text` to find, the column choice on
    // the grid's current column, and shows it (modal: until closed).
    void ShowForGrid(TCustomDBGridVyn* grid, const AnsiString& text, bool modal);
    // The grid's visible columns in display order, then "<All>".
    void FillColumnChoice();
    // The columns to search, from the column choice.
    void RebuildFindColumns();
    // The text a column's cell is compared by.
    AnsiString CellText(TColumnVyn* column) const;

    TCustomDBGridVyn* SearchGrid() const { return searchGrid_; }
    const TColumnsVynList& FindColumns() const { return findColumns_; }
    int FindColumnPos() const { return findColumnPos_; }
    bool FirstTry() const { return firstTry_; }

    void bFindClick(TObject* Sender);
    void bCancelClick(TObject* Sender);
    void cbTextChange(TObject* Sender);
    void cbFindInChange(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SelectColumnChoice(int index);
    bool Matches(const AnsiString& cell, const AnsiString& search) const;
    // The next cell to compare (record by record, the listed columns
    // within each); false past the end or the beginning.
    bool Step(TDataSet* dataSet, bool forward);
    // Walks from the current cell; true on a match, which becomes current.
    bool Scan(TDataSet* dataSet, bool forward, const AnsiString& search);

    TCustomDBGridVyn* searchGrid_ = nullptr;
    TColumnsVynList findColumns_;
    int findColumnPos_ = -1;
    bool firstTry_ = true;
};

// The find hook's procedure: makes the one dialog on first use (owned by
// the application) and shows it for the grid. `text2` and `columns` are
// accepted and unused.
void ExecuteDBGridVynFindDialog(TCustomDBGridVyn* grid, const AnsiString& text, const AnsiString& text2, bool modal,
                                const TColumnFieldsArrVyn& columns);
// The dialog once made, else nullptr.
TDBGridVynFindDlg* DBGridVynFindDlg();
// Start-up of the unit: the not-found message and the grid's find hook.
void InitializeFindDialog();

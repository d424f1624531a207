#include "datagrid/DBGridVynFindDlgs.h"

#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/win/winuser.h"

SERVIORA_REGISTER_CLASS(TDBGridVynFindDlg);

namespace {

constexpr int NotFoundMessageId = 64981;
const char* const AllColumnsItem = "<All>";
enum TFindDirection { fdUp, fdDown, fdAll };
enum TMatchMode { mmAnyPart, mmWholeField, mmFromBeginning };

TDBGridVynFindDlg*& TheDialog() {
    static TDBGridVynFindDlg* dialog = nullptr;
    return dialog;
}

}  // namespace

TDBGridVynFindDlg* DBGridVynFindDlg() { return TheDialog(); }

void ExecuteDBGridVynFindDialog(TCustomDBGridVyn* grid, const AnsiString& text, const AnsiString&, bool modal,
                                const TColumnFieldsArrVyn&) {
    if (!TheDialog()) TheDialog() = TDBGridVynFindDlg::Create(Application);
    TheDialog()->ShowForGrid(grid, text, modal);
}

void InitializeFindDialog() {
    AddResourceStrings({{NotFoundMessageId, "字符 \"%s\" 没有找到。"}});
    DBGridVynFindDialogHook() = ExecuteDBGridVynFindDialog;
}

TDBGridVynFindDlg::~TDBGridVynFindDlg() {
    if (TheDialog() == this) TheDialog() = nullptr;
}

void TDBGridVynFindDlg::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove && component == searchGrid_) {
        searchGrid_ = nullptr;
        findColumns_.Clear();
    }
}

// ---- binding to a grid -----------------------------------------------------------------

void TDBGridVynFindDlg::ShowForGrid(TCustomDBGridVyn* grid, const AnsiString& text, bool modal) {
    findColumnPos_ = -1;
    cbText->SetText(text);
    if (searchGrid_ != grid) {
        if (searchGrid_) searchGrid_->RemoveFreeNotification(this);
        searchGrid_ = grid;
        if (grid) grid->FreeNotification(this);
    }
    FillColumnChoice();
    int choice = -1;
    if (grid) {
        const int current = grid->SelectedIndex();
        if (current >= 0 && current < grid->Columns()->Count()) {
            const AnsiString caption = grid->Columns()->Items(current)->Title()->Caption();
            for (int i = 0; i < cbFindIn->Items()->Count(); ++i)
                if (cbFindIn->Items()->Strings(i) == caption) {
                    choice = i;
                    break;
                }
        }
    }
    SelectColumnChoice(choice);
    firstTry_ = true;
    if (Visible()) Close();
    SetActiveControl(cbText);
    RebuildFindColumns();
    if (modal) {
        SetFormStyle(fsNormal);
        ShowModal();
    } else {
        SetFormStyle(fsStayOnTop);
        Show();
        SetFocus();
    }
}

void TDBGridVynFindDlg::FillColumnChoice() {
    const TNotifyEvent handler = cbFindIn->OnChange();
    cbFindIn->SetOnChange({});
    TStrings* items = cbFindIn->Items();
    items->BeginUpdate();
    items->Clear();
    if (searchGrid_) {
        TColumnsVynList* visible = searchGrid_->VisibleColumns();
        for (int i = 0; i < visible->Count(); ++i)
            items->AddObject(visible->Items(i)->Title()->Caption(), visible->Items(i));
    }
    items->Add(AllColumnsItem);
    items->EndUpdate();
    cbFindIn->KeyItems()->Assign(items);
    cbFindIn->SetOnChange(handler);
}

// Through the box's value (its keys are its items), so that the choice is
// the box's own and survives its entering, which reloads the value.
void TDBGridVynFindDlg::SelectColumnChoice(int index) {
    TStrings* keys = cbFindIn->KeyItems();
    cbFindIn->SetValue(index >= 0 && index < keys->Count() ? Variant(keys->Strings(index)) : Null());
}

void TDBGridVynFindDlg::RebuildFindColumns() {
    TStrings* items = cbFindIn->Items();
    // Choosing "<All>" here fires the box's change handler, which rebuilds
    // too: the list is emptied only afterwards so it is filled once.
    if (cbFindIn->ItemIndex() < 0) SelectColumnChoice(items->Count() - 1);
    findColumns_.Clear();
    const int choice = cbFindIn->ItemIndex();
    if (choice == items->Count() - 1) {
        for (int i = 0; i < items->Count() - 1; ++i) findColumns_.Add(static_cast<TColumnVyn*>(items->Objects(i)));
    } else if (choice >= 0) {
        findColumns_.Add(static_cast<TColumnVyn*>(items->Objects(choice)));
    }
    cbTextChange(this);
}

// ---- handlers --------------------------------------------------------------------------

void TDBGridVynFindDlg::cbTextChange(TObject*) {
    firstTry_ = true;
    if (!cbFindDirection) return;  // while the form is read
    findColumnPos_ = cbFindDirection->ItemIndex() == fdUp ? findColumns_.Count() - 1 : 0;
}

void TDBGridVynFindDlg::cbFindInChange(TObject*) { RebuildFindColumns(); }

void TDBGridVynFindDlg::bCancelClick(TObject*) { Close(); }

void TDBGridVynFindDlg::FormKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key != VK_RETURN && Key != VK_ESCAPE) return;
    TWinControl* active = ActiveControl();
    if (!(active && active->Perform(CM_WANTSPECIALKEY, Key, 0) != 0)) {
        if (Key == VK_ESCAPE && !FormState().Contains(fsModal)) {
            Close();
        } else if (Key == VK_RETURN) {
            Key = 0;
            bFindClick(this);
        }
    }
    cbText->SetModified(false);
}

AnsiString TDBGridVynFindDlg::CellText(TColumnVyn* column) const {
    if (cbUseFormat->Checked()) return column->CellDisplayText();
    TField* field = column->BoundField();
    return field ? field->AsString() : AnsiString();
}

bool TDBGridVynFindDlg::Matches(const AnsiString& cell, const AnsiString& search) const {
    switch (cbMatchinType->ItemIndex()) {
    case mmWholeField: return cell == search;
    case mmFromBeginning: return cell.compare(0, search.size(), search) == 0;
    default: return !search.empty() && AnsiPos(search, cell) > 0;
    }
}

bool TDBGridVynFindDlg::Step(TDataSet* dataSet, bool forward) {
    const int last = findColumns_.Count() - 1;
    if (forward) {
        if (findColumnPos_ < last) return ++findColumnPos_, true;
        dataSet->Next();
        if (dataSet->Eof()) return false;
        findColumnPos_ = 0;
    } else {
        if (findColumnPos_ > 0) return --findColumnPos_, true;
        dataSet->Prior();
        if (dataSet->Bof()) return false;
        findColumnPos_ = last;
    }
    return true;
}

// The current record is compared whatever Bof and Eof say: a search upward
// from the first record (or downward from the last) still looks at it.
bool TDBGridVynFindDlg::Scan(TDataSet* dataSet, bool forward, const AnsiString& search) {
    if (findColumnPos_ < 0 || findColumnPos_ >= findColumns_.Count()) findColumnPos_ = forward ? 0 : findColumns_.Count() - 1;
    if (!firstTry_ && !Step(dataSet, forward)) return false;
    const bool matchCase = cbCharCase->Checked();
    while (!dataSet->IsEmpty()) {
        TColumnVyn* column = findColumns_.Items(findColumnPos_);
        const AnsiString cell = matchCase ? CellText(column) : AnsiUpperCase(CellText(column));
        if (Matches(cell, search)) {
            searchGrid_->SelectColumnByIndex(column->Index());
            firstTry_ = false;
            return true;
        }
        if (!Step(dataSet, forward)) return false;
    }
    return false;
}

void TDBGridVynFindDlg::bFindClick(TObject*) {
    const bool backward = GetKeyState(VK_CONTROL) < 0;
    const AnsiString text = cbText->Text();
    if (cbText->Items()->IndexOf(text) < 0) cbText->Items()->Add(text);
    TDataSource* source = searchGrid_ ? searchGrid_->DataSource() : nullptr;
    TDataSet* dataSet = source ? source->DataSet() : nullptr;
    if (!dataSet || !dataSet->Active() || findColumns_.Count() == 0) return;
    const bool forward = (cbFindDirection->ItemIndex() == fdUp) == backward;
    const AnsiString search = cbCharCase->Checked() ? text : AnsiUpperCase(text);
    bool found = false;
    dataSet->DisableControls();
    try {
        searchGrid_->SaveViewPosition();
        if (cbFindDirection->ItemIndex() == fdAll && firstTry_) dataSet->First();
        found = Scan(dataSet, forward, search);
        if (!found) searchGrid_->RestoreViewPosition();
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls();
    if (!found) ShowMessage(Format(LoadStr(NotFoundMessageId), {text}));
}

void TDBGridVynFindDlg::Published(TPublished<TDBGridVynFindDlg>& p) {
    p.Field("Label1", &TDBGridVynFindDlg::Label1);
    p.Field("Label2", &TDBGridVynFindDlg::Label2);
    p.Field("cbMatchType", &TDBGridVynFindDlg::cbMatchType);
    p.Field("Label3", &TDBGridVynFindDlg::Label3);
    p.Field("cbText", &TDBGridVynFindDlg::cbText);
    p.Field("cbFindIn", &TDBGridVynFindDlg::cbFindIn);
    p.Field("cbMatchinType", &TDBGridVynFindDlg::cbMatchinType);
    p.Field("cbFindDirection", &TDBGridVynFindDlg::cbFindDirection);
    p.Field("cbCharCase", &TDBGridVynFindDlg::cbCharCase);
    p.Field("cbUseFormat", &TDBGridVynFindDlg::cbUseFormat);
    p.Field("bFind", &TDBGridVynFindDlg::bFind);
    p.Field("bCancel", &TDBGridVynFindDlg::bCancel);
    p.Method("bFindClick", &TDBGridVynFindDlg::bFindClick);
    p.Method("bCancelClick", &TDBGridVynFindDlg::bCancelClick);
    p.Method("cbTextChange", &TDBGridVynFindDlg::cbTextChange);
    p.Method("cbFindInChange", &TDBGridVynFindDlg::cbFindInChange);
    p.Method("FormKeyDown", &TDBGridVynFindDlg::FormKeyDown);
}

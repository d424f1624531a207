// The string grid's edit life cycle: whether and how a cell's editor opens,
// the text the editor exchanges with the cell, and closing it again.
#include "platform/rtl/valuerestorer.h"
#include "stringgrid/BavEditLink.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavInplaceEdit.h"
#include "stringgrid/editors/GridEditors.h"
#include "stringgrid/editors/bqgcheck.h"
#include "stringgrid/html/BqgHTMLE.h"

namespace {

// The types edited in the grid's own in-place editor.
bool IsInplaceType(TEditorType type) {
    switch (type) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase: return true;
    default: return false;
    }
}

}  // namespace

bool TBavStringGrid::IsInplaceEditorType(TEditorType type) { return IsInplaceType(type); }

TInplaceEdit* TBavStringGrid::CreateEditor() { return new TBavInplaceEdit(this); }

void TBavStringGrid::SetCellChecker(TBavStringGridCheck* v) { ReferTo(cellChecker_, v); }

void TBavStringGrid::Notification(TComponent* component, TOperation operation) {
    TBaseGrid::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == cellChecker_) cellChecker_ = nullptr;
    if (component == gridImages_) gridImages_ = nullptr;
    if (component == pictureContainer_) pictureContainer_ = nullptr;
}

bool TBavStringGrid::CanEditShow() {
    if (validating_) return false;
    bool result = TBaseGrid::CanEditShow();
    if (ComponentState().Contains(csDesigning)) return result;
    const TGridCoord base = GetBaseCell(RealColIndex(Col()), Row());
    // An in-place edit ends when its editor hides (Enter, a move), so the
    // next cell chooses its editor afresh.
    if (editorActive_ && IsInplaceType(currentEditorType_) && !(InplaceEditor() && InplaceEditor()->Visible()))
        editorActive_ = false;
    // A cell control is operated, never edited: an editor carried along by a
    // move would cover it.
    if (result && HasCellControl(base.X, base.Y)) return false;
    if (result && !editorActive_) {
        editChangeMuted_ = true;
        // The cell being edited is remembered when its editor opens, so a
        // cell reached by the keyboard is validated as itself.
        if (!editPending_) SaveEditStart(Col(), Row());
        GetCurrentCellText(editStartText_);
        currentEditorType_ = defaultEditor_;
        DoGetEditorType(base.X, base.Y, currentEditorType_);
        if (currentEditorType_ == edNone) return false;
        editorActive_ = true;
        if (IsInplaceType(currentEditorType_)) {
            textEditorShown_ = true;
        } else {
            const TGridCoord shown = GetBaseCell(Col(), Row());
            ShowInplaceEditor(shown.X, shown.Y);
            result = false;
        }
    }
    if (result) editPending_ = true;
    return result;
}

AnsiString TBavStringGrid::GetEditText(int col, int row) {
    editChangeMuted_ = true;
    const int realCol = RealColIndex(col);
    if (auto* editor = dynamic_cast<TBavInplaceEdit*>(InplaceEditor())) {
        TAlignment horizontal = taLeftJustify;
        TVAlignment vertical = vtaTop;
        GetCellAlignment(realCol, row, horizontal, vertical);
        editor->SetVAlign(horizontal == taRightJustify);
    }
    const TGridCoord base = GetBaseCell(realCol, row);
    const AnsiString text = TBaseGrid::GetEditText(base.X, base.Y);
    return editWithTags_ ? text : StripHTMLTags(text);
}

void TBavStringGrid::SetEditText(int col, int row, const AnsiString& value) {
    const TGridCoord base = GetBaseCell(col, row);
    TBaseGrid::SetEditText(RealColIndex(base.X), base.Y, value);
}

// Display and real columns are one here, so the start text goes back once:
// writing the display text over it would store a formatted text in its place.
void TBavStringGrid::RestoreCellText() { SetCellText(RealColIndex(Col()), Row(), editStartText_); }

// Hiding the editor's control during the read-back moves the focus, and
// the control's exit asks to hide it again: that nested request is the
// same hide, so the editor is read back once.
void TBavStringGrid::HideCellEditor() {
    if (!editorActive_ || readingBack_) return;
    HideEditor();
    ReadBackEditor(Col(), Row());
    editorActive_ = false;
    SelectCell(Col(), Row());
}

void TBavStringGrid::EditorKeyNavigate(Word key, TShiftState shift) {
    const ValueRestorer navigating(editorNavigating_, true);
    HideCellEditor();
    if (key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) KeyDown(key, shift);
    {
        const bool alwaysEdit = navigation_->AlwaysEdit();
        navigation_->SetAlwaysEdit(false);
        if (CanFocus()) SetFocus();
        navigation_->SetAlwaysEdit(alwaysEdit);
    }
    if (key == VK_RETURN && navigation_->AdvanceOnEnter())
        AdvanceEdit(Col(), Row(), editorActive_, false, true, false, false);
}

void TBavStringGrid::EditLinkWindowProc(TMessage& message) {
    if (message.Msg == WM_GETDLGCODE && Options().Contains(goTabs)) {
        message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
        return;
    }
    editLinkProc_(message);
}

void TBavStringGrid::ShowCellEditor() {
    if (HasCellControl(RealColIndex(Col()), Row())) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    editStartText_ = GetDisplayText(Col(), Row());
    ShowEditor();
}

WideString TBavStringGrid::EditWideText(int realCol, int row) {
    WideString text = GetWideCell(realCol, row);
    if (onGetEditWideText_) onGetEditWideText_(this, realCol, row, text);
    return text;
}

bool TBavStringGrid::IsEditableCell(int col, int row) {
    if (!Options().Contains(goEditing) && !mouseActions_->RangeSelectAndEdit() && !editingSwitchedOff_) return false;
    const TGridCoord base = GetBaseCell(col, row);
    const int realCol = RealColIndex(base.X);
    bool allow = true;
    CanEditCellHook(realCol, base.Y, allow);
    bool fixed = false;
    IsFixedCellHook(realCol, base.Y, fixed);
    return allow && !fixed;
}

int TBavStringGrid::FirstNavigableCol() {
    return TBaseGrid::FixedCols() == 0 && HasNodes() ? 1 : TBaseGrid::FixedCols();
}

// ---- Separate editor controls ----------------------------------------------------------------

void TBavStringGrid::ShowInplaceEditor(int col, int row) {
    editPending_ = true;
    editingDonePending_ = true;
    TRect rect = MergedCellRect(col, row);
    if (UseRightToLeftAlignment()) ++rect.left;
    const int width = rect.right - rect.left - 1, height = rect.bottom - rect.top - 1;
    const int realCol = RealColIndex(col);
    TBrush brush;
    TFont font;
    font.Assign(Font());
    brush.SetColor(Color());
    TColor colorTo = clNone;
    TCellGradientDirection direction{};
    GetCellColor(col, row, TGridDrawState(), &brush, &font, colorTo, direction, false, false, true);
    SetGridState(gsNormal);
    currentEditorControl_ = nullptr;
    editAccepted_ = currentEditorType_ != edCustom;
    const TGridEditorPlace place{rect, width, height, brush.Color(), &font};
    if (currentEditorType_ == edCustom && editLink_) {
        editLink_->Open(this, col, row, std::exchange(typedChar_, '\0'));
        return;
    }
    if (TControl* control = editors_->Show(currentEditorType_, realCol, row, place, GetEditText(col, row))) {
        if (currentEditorType_ != edCheckBox) currentEditorControl_ = control;
        if (typedChar_ && editors_->TakesTypedChar(currentEditorType_))
            editors_->PostChar(currentEditorType_, typedChar_);
    } else {
        editorActive_ = false;
    }
    typedChar_ = 0;
}

void TBavStringGrid::ReadBackEditor(int col, int row) {
    const ValueRestorer reading(readingBack_, true);
    typedChar_ = 0;
    const int realCol = RealColIndex(col);
    if (currentEditorType_ == edCustom && editLink_) {
        editLink_->ReadBack();
        editorActive_ = false;
    } else if (!IsInplaceType(currentEditorType_) && currentEditorType_ != edNone) {
        AnsiString text;
        if (editors_->ReadBack(currentEditorType_, editorActive_, text)) CommitCellText(realCol, row, text);
        editorActive_ = false;
    }
    if (currentEditorType_ != edNormal && editingDonePending_) DoEditingDone();
    editingDonePending_ = false;
}

// Form controls and links in the string grid's HTML cells: what a press
// hits, the small editors of edit and combo controls and their text going
// back into the cell's markup, and links opened by the shell or moving to a
// cell.
#include <algorithm>
#include <utility>

#include "platform/rtl/sysutils.h"
#include "platform/ui/graphics.h"
#include "platform/win/shellapi.h"
#include "platform/win/winuser.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/editors/GridEditors.h"

// The cell's HTML drawn off the screen from `left` pixels into the cell,
// to find what lies under the point or where a control is.
bool TBavStringGrid::DrawCellHTMLOffscreen(int col, int row, int left, THTMLDrawParams& params,
                                           THTMLDrawResult& result) {
    const TRect rect = MergedCellRect(col, row);
    params.HTMLText = GetDisplayText(RealColIndex(col), row);
    params.Rect = Rect(rect.left + cellMarginX_ + left, rect.top + cellMarginY_, rect.right - cellMarginX_, rect.bottom);
    params.URLColor = urlColor_;
    TBitmap bitmap;
    bitmap.SetWidth(std::max(1, int(rect.right)));
    bitmap.SetHeight(std::max(1, int(rect.bottom)));
    bitmap.Canvas()->Font()->Assign(Font());
    params.Canvas = bitmap.Canvas();
    return DrawHTMLText(params, result);
}

// Form controls are found by drawing the cell, off the screen, with the
// point; links by a hit test.
bool TBavStringGrid::HitTestCellHTML(int col, int row, POINT point, THTMLDrawResult& result) {
    THTMLDrawParams params = HTMLDrawParams();
    params.XPos = point.x;
    params.YPos = point.y;
    if (DrawCellHTMLOffscreen(col, row, 0, params, result) && !result.ControlID.empty()) return true;
    result = THTMLDrawResult{};
    params.HitTestOnly = true;
    return DrawCellHTMLOffscreen(col, row, 0, params, result) || !result.Anchor.empty();
}

void TBavStringGrid::FocusNextHTMLControl(int col, int row, const AnsiString& id) {
    const int realCol = RealColIndex(col);
    const AnsiString text = GetDisplayText(realCol, row);
    const AnsiString next = GetNextEditControlID(text, id);
    if (next.empty()) {
        if (CanFocus()) SetFocus();
        return;
    }
    THTMLDrawParams params = HTMLDrawParams();
    params.HitTestOnly = true;
    THTMLDrawResult result;
    result.ControlID = next;
    DrawCellHTMLOffscreen(col, row, IsCheckBoxCell(realCol, row) ? controlLook_->CheckSize() : 0, params, result);
    if (result.ControlID != next) return;
    ShowHTMLControlEditor(text, result.ControlType, row, realCol, col, result.ControlRect, result.ControlValue, next);
}

bool TBavStringGrid::HTMLCellPress(int col, int row, POINT point) {
    const int realCol = RealColIndex(col);
    const AnsiString display = GetDisplayText(realCol, row);
    const bool html = GetCellTextKind(display, enableHTML_) == ctkHTML;
    if (!urlShow_ && !html) return false;
    THTMLDrawResult result;
    AnsiString link;
    if (html && HitTestCellHTML(col, row, point, result)) link = result.Anchor;
    if (!html && IsURLText(display)) link = display;
    if (!result.ControlID.empty()) {
        bool editable = true;
        DoCanEditCell(realCol, row, editable);
        if (!editable) return true;
        if (!controlType_.empty()) HTMLControlEditExit();
        AnsiString text = GetDisplayText(realCol, row);
        if (result.ControlType == "BUTTON") {
            pressedHTMLButton_ = {col, row};
            pressedHTMLPoint_ = TPoint(point.x, point.y);
            RepaintCell(col, row);
        }
        if (result.ControlType == "CHECK") {
            SetControlValue(text, result.ControlID, result.ControlValue == "TRUE" ? "FALSE" : "TRUE");
            SetCellText(realCol, row, text);
        }
        if (onControlClick_)
            onControlClick_(this, row, col, result.ControlID, result.ControlType, result.ControlValue);
        ShowHTMLControlEditor(text, result.ControlType, row, realCol, col, result.ControlRect, result.ControlValue,
                              result.ControlID);
        return true;
    }
    if (!link.empty()) {
        bool autoHandle = true;
        if (onAnchorClick_) onAnchorClick_(this, row, col, link, autoHandle);
        if (!autoHandle) return true;
        if (UpperCase(link).find("CELL://") == AnsiString::npos) {
            ShellExecute(Application && Application->Handle() ? Application->Handle() : Handle(), "open",
                         link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        } else {
            TGridCoord target{};
            if (ParseCellReference(link.substr(7), target) && target.X < ColCount() && target.Y < RowCount()) {
                MoveColRow(target.X, target.Y, true, true);
                ScrollCellIntoView(target.X, target.Y);
            }
        }
        return true;
    }
    if (html && UpperCase(display).find("<CONTROL") != AnsiString::npos) {
        SetSelection(TGridRect(col, row, col, row));
        return true;
    }
    return false;
}

void TBavStringGrid::ReleaseHTMLButton() {
    const TGridCoord cell = std::exchange(pressedHTMLButton_, TGridCoord{-1, -1});
    if (cell.X >= 0) RepaintCell(cell.X, cell.Y);
}

void TBavStringGrid::ShowHTMLControlEditor(const AnsiString& html, const AnsiString& type, int row, int col,
                                           int eventCol, const TRect& rect, const AnsiString& value,
                                           const AnsiString& id) {
    if (type == "EDIT" || type == "PASSWORD" || type == "MASK") {
        controlCol_ = col;
        controlRow_ = row;
        controlID_ = id;
        controlType_ = type;
        TControlEdit* edit = editors_->ControlEdit();
        edit->SetWidth(0);
        edit->SetPasswordChar(type == "PASSWORD" ? '*' : 0);
        edit->SetEditMask(type == "MASK" ? GetControlProp(html, id) : AnsiString());
        edit->SetText(value);
        edit->SetBorderStyle(bsNone);
        edit->SetBounds(rect.left + 1, rect.top + 4, rect.right - rect.left - 4, rect.bottom - rect.top - 4);
        edit->SetVisible(true);
        edit->SetEnabled(true);
        edit->BringToFront();
        if (edit->CanFocus()) edit->SetFocus();
        return;
    }
    if (type != "COMBO") return;
    controlCol_ = col;
    controlRow_ = row;
    controlID_ = id;
    controlType_ = type;
    TControlCombo* combo = editors_->ControlCombo();
    combo->SetBounds(rect.left + 1, rect.top + 4, rect.right - rect.left - 4, combo->Height());
    bool edit = true;
    int dropCount = 8;
    auto values = std::make_unique<TStringList>();
    values->Assign(combo->Items());
    if (onControlComboList_) onControlComboList_(this, row, eventCol, id, type, value, values.get(), edit, dropCount);
    combo->Items()->Assign(values.get());
    combo->SetStyle(edit ? csDropDown : csDropDownList);
    const int index = combo->Items()->IndexOf(value);
    if (index >= 0) combo->SetItemIndex(index);
    if (edit) combo->SetText(value);
    combo->SetDropDownCount(dropCount);
    combo->SetVisible(true);
    combo->SetEnabled(true);
    if (combo->CanFocus()) combo->SetFocus();
    combo->SetDroppedDown(true);
}

void TBavStringGrid::HTMLControlEditExit() {
    if (controlType_.empty()) return;
    const AnsiString type = controlType_;
    controlType_.clear();
    TWinControl* editor = nullptr;
    AnsiString value;
    if (type == "COMBO") {
        editor = editors_->ControlCombo();
        value = editors_->ControlCombo()->Text();
    } else {
        editor = editors_->ControlEdit();
        value = editors_->ControlEdit()->Text();
    }
    AnsiString text = GetDisplayText(controlCol_, controlRow_);
    SetControlValue(text, controlID_, value);
    SetCellText(controlCol_, controlRow_, text);
    editor->SetVisible(false);
    if (onControlEditDone_) onControlEditDone_(this, controlRow_, controlCol_, controlID_, type, value);
}

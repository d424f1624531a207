// Pasting at the selection: the clipboard at its top-left cell, then, with
// smart paste, the rest of a larger selection filled by repeating the one
// value pasted or by continuing a date, time, integer or decimal series.
#include "platform/rtl/datetime.h"
#include "platform/rtl/format.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

namespace {

bool LooksLikeDateOrTime(const AnsiString& s) { return LooksLikeDate(s) || s.find(TimeSeparator) != AnsiString::npos; }

}  // namespace

void TBavStringGrid::PasteFromClipboard() {
    PasteProgressHook(0, 0);
    ExpandSelectionToMerged();
    const TGridRect sel = Selection();
    const int n = PasteClipboardAt(Options().Contains(goRowSelect) ? TBaseGrid::FixedCols() : sel.Left, sel.Top);
    if (!navigation_->AllowSmartClipboard() && !rangeFill_) return;
    const int cells = (sel.Right - sel.Left + 1) * (sel.Bottom - sel.Top + 1);
    if (cells == n - 1) return;
    auto finish = [this] {
        PasteProgressHook(2, 0);
        AllCellsChanged();
    };
    // Cells in fill order: columns left to right, within each column rows
    // top to bottom; every one but the top-left is offered to the event.
    auto fill = [&](bool anyEditable, auto valueAt) {
        int index = 0;
        for (int col = sel.Left; col <= sel.Right; ++col)
            for (int row = sel.Top; row <= sel.Bottom; ++row, ++index) {
                if (!IsEditableCell(RealColIndex(col), row) && !(anyEditable && navigation_->AllowClipboardAlways()))
                    continue;
                AnsiString value;
                if (!valueAt(index, value)) return;
                bool allow = true;
                if ((col != sel.Left || row != sel.Top) && onClipboardBeforePasteCell_)
                    onClipboardBeforePasteCell_(this, col, row, value, allow);
                if (allow) PasteCellText(col, row, value);
                if (anyEditable) PasteHook(copyOrigin_, TGridRect{col, row, col, row}, true);
            }
    };

    if (n == 1 && cells > 1) {
        AnsiString value = Cells(RealColIndex(sel.Left), sel.Top);
        bool checked = false;
        if (IsCheckBoxCell(RealColIndex(sel.Left), sel.Top) &&
            GetCheckBoxState(RealColIndex(sel.Left), sel.Top, checked)) {
            if (checked)
                GetCheckTrueText(RealColIndex(sel.Left), sel.Top, value);
            else
                GetCheckFalseText(RealColIndex(sel.Left), sel.Top, value);
        }
        fill(true, [&](int, AnsiString& text) {
            text = value;
            return true;
        });
    }
    if (n < 2 || (sel.Bottom > sel.Top && sel.Right > sel.Left)) return finish();

    const bool column = sel.Bottom > sel.Top;
    const AnsiString a = Cells(RealColIndex(sel.Left), sel.Top);
    const AnsiString b = column ? Cells(RealColIndex(sel.Left), sel.Top + 1) : Cells(RealColIndex(sel.Left + 1), sel.Top);

    if (LooksLikeDateOrTime(a) && LooksLikeDateOrTime(b)) {
        TDateTime d1 = 0, d2 = 0;
        if (!TryStrToDateTime(a, d1) || !TryStrToDateTime(b, d2)) return;
        Word y1, m1, day1, y2, m2, day2;
        DecodeDate(d1, y1, m1, day1);
        DecodeDate(d2, y2, m2, day2);
        const bool asDate = a.find(DateSeparator) != AnsiString::npos;
        TDateTime d = d1;
        fill(false, [&](int, AnsiString& text) {
            text = asDate ? DateToStr(d) : TimeToStr(d);
            d = AddToDate(y2 - y1, m2 - m1, day2 - day1, d, d2 - d1);
            return true;
        });
        return;
    }
    if (a.find(DecimalSeparator) == AnsiString::npos && b.find(DecimalSeparator) == AnsiString::npos) {
        Integer i1 = 0, i2 = 0;
        if (TryStrToInt(a, i1) && TryStrToInt(b, i2)) {
            fill(false, [&](int index, AnsiString& text) {
                text = IntToStr(i1 + index * (i2 - i1));
                return true;
            });
            return;
        }
        // Not numbers: the pasted block repeats over the rest of the line.
        if (column) {
            for (int row = sel.Top + n - 1; row <= sel.Bottom; ++row)
                if (IsEditableCell(RealColIndex(sel.Left), row))
                    PasteCellText(sel.Left, row, Cells(RealColIndex(sel.Left), row - (n - 1)));
        } else {
            for (int col = sel.Left + n; col <= sel.Right; ++col)
                if (IsEditableCell(RealColIndex(col), sel.Top))
                    PasteCellText(col, sel.Top, Cells(RealColIndex(col - n), sel.Top));
        }
        return finish();
    }
    double f1 = 0, f2 = 0;
    if (!TryStrToFloat(a, f1) || !TryStrToFloat(b, f2)) return;
    fill(false, [&](int index, AnsiString& text) {
        text = Format(floatFormat_, {f1 + index * (f2 - f1)});
        return true;
    });
}

// Report objects on their way into the prepared pages: placed within the
// band being printed, their bracketed expressions replaced by values, and
// written as prepared copies.
#include <algorithm>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "report/core/qm_view.h"

void TQmReportView::AlignToBand() {
    if (!ParentReport) return;
    ParentReport->CurrentObject = this;
    const TQmView* band = ParentReport->CurrentBand;
    const bool parentWidth = Flag(QmFlag::ParentWidth), parentHeight = Flag(QmFlag::ParentHeight);
    if (!band || (BandAlign == qmbaNone && !parentWidth && !parentHeight)) return;
    const bool cross = band->IsCrossBand;
    const auto* page = dynamic_cast<const TQmReportPage*>(ParentReport->CurrentPage);
    const Integer printable =
        page ? static_cast<Integer>(Round(FromInternalUnits(page->PrintableWidth(), qmutScreenPixels))) : 0;
    switch (BandAlign) {
    case qmbaLeft: Left = cross ? band->Left : 0; break;
    case qmbaRight:
        if (cross)
            Left = band->Left + band->Width - Width;
        else
            SetspBound(0, printable - GetspBound(2));
        break;
    case qmbaBottom:
        if (!cross) Top = band->Top + band->Height - Height;
        break;
    case qmbaTop:
        if (!cross) Top = band->Top;
        break;
    case qmbaCenter:
        SetspBound(0, cross ? band->GetspBound(0) + (band->GetspBound(2) - GetspBound(2)) / 2
                            : (printable - GetspBound(2)) / 2);
        break;
    default: break;
    }
    if (parentWidth) {
        if (cross) {
            Width = band->Width;
        } else {
            Left = 0;
            SetspBound(2, printable);
        }
    }
    if (parentHeight && !cross) {
        Top = band->Top;
        Height = band->Height;
    }
}

AnsiString TQmReportView::ExpandExpressions(const AnsiString& source) {
    if (!ParentReport) return source;
    ValueRestorer<bool> expanding(ParentReport->Expanding, true);
    AnsiString text = source;
    std::size_t at = 0;
    for (;;) {
        // The last character cannot open an expression.
        while (at + 1 < text.size() && text[at] != '[') at += AnsiCharSize(text, at);
        if (at + 1 >= text.size()) break;
        int start = static_cast<int>(at) + 1, end = 0;
        const AnsiString expression = ExtractBracketedText(text, start, end);
        if (end > static_cast<int>(text.size())) break;
        text.erase(at, static_cast<std::size_t>(end) - at);
        const AnsiString value = ParentReport->EvaluateMemoText(this, expression);
        text.insert(at, value);
        at += value.size();
    }
    return text;
}

void TQmReportView::AppendExpandedLines() {
    AnsiString text = Memo1->Text();
    for (int i = 0; i < Memo->Count(); ++i) {
        const AnsiString line = Memo->Strings(i);
        if (line.empty()) {
            text += "\r\n";
            continue;
        }
        const AnsiString expanded = Flag(QmFlag::TextOnly) ? line : ExpandExpressions(line);
        if (!expanded.empty()) text += expanded + "\r\n";
    }
    Memo1->SetText(text);
}

void TQmReportView::ExpandText() {
    Memo1->Clear();
    if (ParentReport && ParentReport->AppendBlanking) return;
    AppendExpandedLines();
}

bool HideZeroValue(Variant& value) {
    if (VarIsStr(value)) {
        if (value.AsString() == "0") value = AnsiString();
        return true;
    }
    if (VarIsNull(value) || VarIsEmpty(value) || VarAsType(value, varDouble).AsDouble() != 0) return true;
    value = AnsiString();
    return false;
}

void TQmReportView::WriteObject(TStream* stream) {
    WriteByte(stream, TypeCode);
    if (TypeCode == 100) WriteString(stream, ClassName());
    SaveToStream(stream);
}

void TQmReportView::Print(TStream* stream) {
    AlignToBand();
    Memo1->Assign(Memo.get());
    if (onBeforePrint_) onBeforePrint_(this);
    ExpandText();
    if (ParentReport) ParentReport->DoBeforePrint(Memo1.get(), this);
    if (!Visible) return;
    WriteObject(stream);
}

AnsiString TQmReport::EvaluateMemoText(TQmReportView* view, const AnsiString& expression) {
    AnsiString text = expression;
    AnsiString formatText = view->DisplayFormat();
    TQmDisplayFormat format = view->PackedFormat;
    SplitExpressionFormat(text, formatText, format);
    CurrentExpression = text;
    if (Measuring || AppendBlanking) {
        CurrentValue = Variant();
        return {};
    }
    view->HasValue = true;
    CurrentValue = 0;
    CurrentValue = parser_->Calc(Variant(text));
    Variant value = CurrentValue;
    if (view->Flag(QmFlag::HideZeros) && !HideZeroValue(value)) view->HasValue = false;
    try {
        return FormatValue(value, format, formatText);
    } catch (const Exception&) {
        ErrorFlag = true;
        return {};
    }
}

void TQmReport::ExportText(const TRect& rect, int x, int y, TQmView* view, const AnsiString& line) {
    if (CurrentFilter) CurrentFilter->OnText(rect, x, y, line, view);
}

void TQmReport::DoBeforePrint(TStrings* memo, TQmReportView* view) {
    if (view->IsBlobField) view->GetBlob();
    if (OnBeforePrint) OnBeforePrint(memo, view);
}

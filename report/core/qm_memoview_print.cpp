// The text object's content for each band occurrence: events, expansion of
// its expressions or its bound field, the highlight, and the prepared copy
// with repeated values suppressed or merged into one tall cell.
#include <optional>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_utils.h"

void TQmCustomMemoView::Prepare() {
    ValueChanged = false;
    if (font_->Height() > 0) font_->SetHeight(-font_->Height());
    if (ParentReport && !highlight_->Condition().empty())
        highlight_->SetCondition(ParentReport->Parser()->ToPostfix(highlight_->Condition()));
}

void TQmCustomMemoView::ExpandMemo() {
    if (SplitMode != 0) return;
    if (OnBeforeCalc()) OnBeforeCalc()(this);
    bool expand = true;
    if (OnBeforePrint()) {
        const AnsiString text = Memo->Text();
        OnBeforePrint()(this);
        if (Memo->Text() != text) {
            Memo1->Assign(Memo.get());
            Memo->SetText(text);
            expand = false;
        }
    }
    if (ParentReport && ParentReport->OnBeforePrint) {
        Memo1->Assign(Memo.get());
        const AnsiString text = Memo1->Text();
        ParentReport->DoBeforePrint(Memo1.get(), this);
        expand = expand && Memo1->Text() == text;
    }
    if (expand) PrepareText();
    if (OnAfterCalc()) OnAfterCalc()(this);
}

void TQmCustomMemoView::PrepareText() {
    Memo1->Clear();
    std::optional<ValueRestorer<bool>> blanking;
    if (ParentReport && ParentReport->AppendBlanking) {
        if (!Flag(QmFlag::PrintAtAppendBlank)) return;
        blanking.emplace(ParentReport->AppendBlanking, false);
    }
    if (Flag(QmFlag::DBFieldOnly) && Dataset && !DataFieldName.empty() && ParentReport) {
        Variant value;
        Dataset->GetFieldValue(DataFieldName, ParentReport->ConvertNulls(), value);
        ParentReport->CurrentValue = value;
        HasValue = !Flag(QmFlag::HideZeros) || HideZeroValue(value);
        try {
            Memo1->SetText(FormatValue(value, PackedFormat, DisplayFormat()));
        } catch (const Exception&) {
            ParentReport->ErrorFlag = true;
        }
        return;
    }
    AppendExpandedLines();
}

void TQmCustomMemoView::GetBlob() {
    if (ParentReport && ParentReport->AppendBlanking) return;
    if (Dataset) Dataset->AssignBlobTo(DataFieldName, Memo1.get());
}

void TQmCustomMemoView::ApplyHighlight(bool withColor) {
    if (!ParentReport || ParentReport->AppendBlanking || highlight_->Condition().empty()) return;
    try {
        const Variant result = ParentReport->Parser()->CalcPostfix(highlight_->Condition());
        if (VarAsType(result, varDouble).AsDouble() == 0) return;
        font_->Assign(highlight_->Font());
        if (withColor) FillColor = highlight_->Color();
    } catch (const Exception& e) {
        ParentReport->ErrorText = Name() + ": " + e.Message();
    }
}

bool TQmCustomMemoView::MergeContinues() const {
    const TQmRepeatedOptions* repeated = repeatedOptions_.get();
    if (!repeated->SuppressRepeated() || !repeated->MergeRepeated()) return false;
    if (ParentReport && ParentReport->AppendBlanking && !Flag(QmFlag::PrintAtAppendBlank)) return false;
    const Integer page = ParentReport ? ParentReport->PageNo : 0;
    return page == LastPage && Memo1->Text() == LastValue && (!MasterMemo || !MasterMemo->ValueChanged);
}

void TQmCustomMemoView::Print(TStream* stream) {
    PrintingFlag = true;
    if (font_->Height() > 0) font_->SetHeight(-font_->Height());
    AlignToBand();
    const bool mayBecomeVisible =
        ParentReport && (!ParentReport->PassList.empty() || ParentReport->OnBeforePrint || OnBeforePrint());
    if (Visible || mayBecomeVisible) ExpandMemo();
    if (!Visible) {
        PrintingFlag = false;
        return;
    }
    std::unique_ptr<TFont> savedFont(TFont::Create());
    savedFont->Assign(font_.get());
    const TColor savedFill = FillColor;
    ApplyHighlight(true);

    std::unique_ptr<TStringList> fullText;
    bool marker = false;
    if (SplitMode == 2 && ParentReport) {
        BeginDraw(ParentReport->MeasuringCanvas());
        marker = Memo1->Count() > 0 && Memo1->Strings(Memo1->Count() - 1) == LayoutMarker;
        if (marker) Memo1->Delete(Memo1->Count() - 1);
        TrimTrailingBlanks();
        fullText.reset(TStringList::Create());
        fullText->Assign(Memo1.get());
        DrawLines();
        while (Memo1->Count() > DrawnLineCount) Memo1->Delete(Memo1->Count() - 1);
        if (marker) Memo1->Add(LayoutMarker);
        EndDraw();
    }

    const TQmRepeatedOptions* repeated = repeatedOptions_.get();
    bool suppressed = false;
    if (repeated->SuppressRepeated() && !repeated->MergeRepeated() && Memo1->Text() == LastValue) {
        Memo1->Clear();
        suppressed = true;
    }
    if (MergeContinues()) {
        // The first cell of the run reaches down to this row and keeps the
        // font it was written with, so its record keeps its length.
        ValueChanged = false;
        const Int64 here = stream->Position();
        const Integer top = Top, height = Height;
        std::unique_ptr<TFont> rowFont(TFont::Create());
        rowFont->Assign(font_.get());
        if (firstCellFont_) font_->Assign(firstCellFont_.get());
        stream->SetPosition(firstCellPosition_);
        Height = Height + Top - firstCellTop_;
        Top = firstCellTop_;
        Memo1->SetText(SavedText);
        WriteObject(stream);
        stream->SetPosition(here);
        Top = top;
        Height = height;
        font_->Assign(rowFont.get());
    } else {
        ValueChanged = true;
        firstCellPosition_ = stream->Position();
        firstCellTop_ = Top;
        if (!firstCellFont_) firstCellFont_.reset(TFont::Create());
        firstCellFont_->Assign(font_.get());
        WriteObject(stream);
        if (repeated->SuppressRepeated() && !suppressed) {
            LastValue = Memo1->Text();
            SavedText = LastValue;
            LastPage = ParentReport ? ParentReport->PageNo : 0;
        }
    }

    if (fullText) {
        const int printed = DrawnLineCount;
        Memo1->Assign(fullText.get());
        for (int i = 0; i < printed && Memo1->Count() > 0; ++i) Memo1->Delete(0);
        if (marker) Memo1->Add(LayoutMarker);
    }
    FillColor = savedFill;
    font_->Assign(savedFont.get());
    SplitMode = 0;
    PrintingFlag = false;
}

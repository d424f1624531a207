// Qm_MemoView: the text object, the report's workhorse. Its template text
// mixes plain text with bracketed expressions; for every band occurrence
// the expressions become the prepared text, which is laid out at 96 pixels
// per inch on the report's measuring canvas (wrapping with the line-start
// rules of Chinese text, inline size tags, five rotations, alignment and
// justification, font shrinking) and drawn onto any canvas, a printer's
// included, so that every line keeps its 96-per-inch width.
#pragma once

#include <memory>

#include "report/core/qm_view.h"

SERVIORA_ENUM(TQmHAlign, qmhLeft, qmhCenter, qmhRight, qmhEuqal)
SERVIORA_ENUM(TQmVAlign, qmvTop, qmvCenter, qmvBottom)
SERVIORA_ENUM(TQmRotationType, qmrtNone, qmrt90, qmrt180, qmrt270, qmrt360)
SERVIORA_ENUM(TQmScaleFontType, qmstNone, qmstByWidth, qmstByHeight)

class TQmCustomMemoView : public TQmStretcheableView {
    SERVIORA_CLASS(TQmCustomMemoView, TQmStretcheableView)
    SERVIORA_PUBLISHED
public:
    TQmCustomMemoView();
    ~TQmCustomMemoView() override;

    // ---- Properties.
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    TQmHighlight* Highlight() const { return highlight_.get(); }
    void SetHighlight(TQmHighlight* v) { highlight_->Assign(v); }
    TQmRepeatedOptions* RepeatedOptions() const { return repeatedOptions_.get(); }
    void SetRepeatedOptions(TQmRepeatedOptions* v);
    TQmHAlign HAlign = qmhLeft;
    TQmVAlign VAlign = qmvTop;
    Integer LineSpacing = 2;
    Integer CharacterSpacing = 0;
    TQmRotationType RotationType = qmrtNone;
    TQmScaleFontType ScaleFontType = qmstNone;
    // Character width of a narrowed font; 0 is the font's own.
    Integer FontScaleWidth = 0;
    // The range of prepared lines drawn, when both are 0 or more.
    Integer DisplayBeginLine = -1;
    Integer DisplayEndLine = -1;
    bool GetExportAsNumber() const { return Flag(QmFlag::ExportAsNumber); }

    // ---- Script names "LASTVALUE", "VALUECHANGED", "LASTVALUECHANGED".
    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    bool SetPropValue(TObject* object, const AnsiString& name, const Variant& value) override;

    // The text record (version 3) after the object record.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;

    // ---- Content, once per build and per band occurrence.
    void Prepare() override;
    // Fires OnBeforeCalc, OnBeforePrint and the report's OnBeforePrint and
    // expands the text unless a handler set it; then OnAfterCalc.
    virtual void ExpandMemo();
    virtual void PrepareText();
    // Writes the prepared copy: highlighted, split, a repeated value
    // suppressed or merged into the cell above.
    void Print(TStream* stream) override;
    void GetBlob() override;
    // Draws on the measuring canvas, handing each line to the export filter.
    void ExportData() override;
    // Whether this row's value continues the merged cell above.
    bool MergeContinues() const;
    // The object whose new value starts a new merged cell here as well.
    TQmCustomMemoView* MasterMemo = nullptr;

    // ---- Layout and drawing.
    void Draw(TCanvas* canvas) override;
    // Wraps Memo1 into the wrapped lines on the measuring canvas; sets the
    // text height and line pitch.
    void LayoutText();
    // Shrinks the font, one point at a time, until every line fits the width.
    void ScaleFontToWidth();
    void AutoSizeWidth();
    void DrawLines();
    void DrawUnderlines();
    // Removes the blanks that end the lines of a word-wrapped object.
    void TrimTrailingBlanks();
    // The width a line takes on the target canvas, scaled from the
    // 96-per-inch measuring canvas.
    Integer MeasureLineWidth(const AnsiString& line);
    // One line in one call, its character steps stretched to the target width.
    void TextOutFitted(int x, int y, const AnsiString& line, Integer targetWidth);
    // Character by character, with the inline tags; answers the column width.
    Integer DrawCharacters(int x, int y, Integer extra, const AnsiString& text);
    // The sum of the character widths (or heights) on the object's canvas.
    Integer MeasureRun(const AnsiString& text, bool horizontal);
    Integer CountCharacters(const AnsiString& text) const;
    // Thousandths of a millimetre the laid-out text needs; 0 without lines.
    Integer CalcHeight();
    Integer CalcRemainHeight() const;

    // The laid-out lines, and the marker line that ends a horizontal layout.
    std::unique_ptr<TStringList> WrappedLines;
    static const AnsiString LayoutMarker;
    Integer TextHeight = 0;
    Integer LinePitch = 0;
    Integer DrawnLineCount = 0;
    bool WrapNeeded = true;
    bool PrintingFlag = false;
    bool ExportFlag = false;

    // Repeated values.
    AnsiString LastValue;
    AnsiString SavedText;
    Integer LastPage = -1;
    bool ValueChanged = false;

protected:
    void SaveDrawGeometry() override { savedFontScaleWidth_ = FontScaleWidth; }
    void ScaleDrawGeometry() override;
    void RestoreDrawGeometry() override { FontScaleWidth = savedFontScaleWidth_; }

protected:
    // The options the text objects templates place publish.
    template <class V>
    static void PublishTextOptions(TPublished<V>& p);

private:
    TCanvas* MeasuringCanvas() const;
    void SetCanvasFont(TCanvas* canvas);
    void LayoutLines(int angle, int available, bool horizontal, bool marker);
    int CharacterExtra() const;
    int LineStartX(const TRect& r, int gapX, Integer width) const;
    void DrawHorizontal(int y, int gapX);
    void DrawTurned(int x, int gapY, int angle);
    void DrawStacked(int x, int gapY);
    void DrawSideways(int y, int gapX);
    // The lines DrawLines draws: all, or the display range.
    std::pair<int, int> DisplayRange() const;

    std::unique_ptr<TFont> font_;
    std::unique_ptr<TQmHighlight> highlight_;
    std::unique_ptr<TQmRepeatedOptions> repeatedOptions_;
    Integer savedFontScaleWidth_ = 0;
    // The rotation DrawCharacters moves its position by.
    TQmRotationType drawRotation_ = qmrtNone;
    // Puts the highlight's font and colour in force when its condition holds.
    void ApplyHighlight(bool withColor);
    // Where the first cell of the current merged run was written, its top,
    // and the font it was written with.
    Int64 firstCellPosition_ = 0;
    Integer firstCellTop_ = 0;
    std::unique_ptr<TFont> firstCellFont_;
};

// The text object templates place (type code 0, named Memo1, Memo2, ...).
class TQmMemoView : public TQmCustomMemoView {
    SERVIORA_CLASS(TQmMemoView, TQmCustomMemoView)
    SERVIORA_PUBLISHED
public:
    using TQmCustomMemoView::TQmCustomMemoView;
};

template <class V>
void TQmCustomMemoView::PublishTextOptions(TPublished<V>& p) {
    p.Property("RotationType", [](const V* v) { return v->RotationType; },
               [](V* v, TQmRotationType r) { v->RotationType = r; })
        .Default(qmrtNone);
    p.Property("ScaleFontType", [](const V* v) { return v->ScaleFontType; },
               [](V* v, TQmScaleFontType s) { v->ScaleFontType = s; })
        .Default(qmstNone);
    p.Property("FontScaleWidth", [](const V* v) { return v->FontScaleWidth; },
               [](V* v, Integer w) { v->FontScaleWidth = w; })
        .Default(0);
    PublishFlag(p, "WordWrap", QmFlag::WordWrap, false);
    PublishFlag(p, "WordBreak", QmFlag::WordBreak, false);
    PublishFlag(p, "AutoWidth", QmFlag::AutoWidth, false);
    p.Property("RepeatedOptions", &V::RepeatedOptions, &V::SetRepeatedOptions);
    PublishFlag(p, "PrintAtAppendBlank", QmFlag::PrintAtAppendBlank, false);
    PublishFlag(p, "ExportAsNumber", QmFlag::ExportAsNumber, false);
    p.Property("DataField", [](const V* v) { return v->Memo->Count() > 0 ? v->Memo->Strings(0) : AnsiString(); },
               [](V* v, const AnsiString& field) { v->Memo->SetText(field); });
}

// Spreads `target - actual` pixels over the first `count` character steps:
// whole shares first, then single pixels at even intervals, a last one in
// the middle.
void DistributeDelta(int* steps, int count, int target, int actual);

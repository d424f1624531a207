// The floating footer: a panel docked under the grid that repeats grid
// content while the grid scrolls (its last row, one column of the current
// row, or a template filled from the current row), and its options.
#pragma once

#include "platform/ui/extctrls.h"
#include "stringgrid/BavGrid.h"

SERVIORA_ENUM(TFooterStyle, fsFixedLastRow, fsColumnPreview, fsCustomPreview)
// (Sender, ACol, ARow, var Value): the signature of TGetEditEvent.
using TCalcFooterEvent = TGetEditEvent;

class TFooterPanel : public TCustomPanel {
    SERVIORA_CLASS(TFooterPanel, TCustomPanel)
public:
    // EInvalidCast when the owner is not a string grid.
    explicit TFooterPanel(TComponent* owner);

    // "<#n>" fields become the display text of column n in the current row;
    // other fields vanish, an unclosed "<#" stays as it is.
    AnsiString ExpandTemplate(const AnsiString& templateText) const;
    TRect MirrorRect(bool rightToLeft, const TRect& rect) const;
    int HoveredColumn() const { return hoveredColumn_; }

    const TFooterPaintEvent& OnFooterPaint() const { return onFooterPaint_; }
    void SetOnFooterPaint(TFooterPaintEvent v) { onFooterPaint_ = std::move(v); }

protected:
    void CreateWnd() override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    // The column whose footer cell lies under x (adding widths from column
    // 0), or -1 past the last.
    int ColumnAt(int x) const;
    // The hint of the footer cell under the record's cursor.
    bool FooterHint(THintInfo& info);
    // The width the grid's columns take from the left edge, and the
    // footer's rectangle of that width.
    int PaintedWidth() const;
    TRect FooterRect() const;
    void FillRest(int right);
    void DrawPreviewFrame(const TRect& rect);
    int PaintFixedLastRow();
    int PaintColumnPreview();
    int PaintCustomPreview();

    TBavStringGrid* grid_;
    int hoveredColumn_ = -1;
    TFooterPaintEvent onFooterPaint_;
};

class TFloatingFooter : public TPersistent {
    SERVIORA_CLASS(TFloatingFooter, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TFloatingFooter(TBavStringGrid* grid);

    void Assign(TPersistent* source) override;
    // Repaints the footer panel.
    void Invalidate();

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFooterStyle FooterStyle() const { return footerStyle_; }
    void SetFooterStyle(TFooterStyle v);
    int Column() const { return column_; }
    void SetColumn(int v);
    const AnsiString& CustomTemplate() const { return customTemplate_; }
    void SetCustomTemplate(const AnsiString& v);
    bool CalculateHiddenRows() const { return calculateHiddenRows_; }
    void SetCalculateHiddenRows(bool v) { calculateHiddenRows_ = v; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor v);
    // The grid's default row height.
    int FooterHeight() const;
    bool CalculationEnabled() const { return calculationEnabled_; }
    // Gives the text of a footer cell whose calculation is custom.
    const TCalcFooterEvent& OnCalcFooter() const { return onCalcFooter_; }
    void SetOnCalcFooter(TCalcFooterEvent v) { onCalcFooter_ = std::move(v); }

private:
    // The grid hides its last row exactly while the panel shows it.
    void UpdateGrid();

    TBavStringGrid* grid_;
    bool visible_ = false;
    TColor color_ = clBtnFace;
    TFooterStyle footerStyle_ = fsFixedLastRow;
    int column_ = 0;
    AnsiString customTemplate_;
    bool calculateHiddenRows_ = false;
    bool showHint_ = false;
    TColor borderColor_ = clNone;
    bool calculationEnabled_ = true;
    TCalcFooterEvent onCalcFooter_;
};

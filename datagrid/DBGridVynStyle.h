// TDBGridVynStyle: the colour style grids share. Every grid is attached to
// one style (the default style unless given another); freeing a style moves
// its grids to the default style.
#pragma once

#include <vector>

#include "platform/rtl/persistent.h"
#include "platform/ui/colors.h"
#include "platform/win/messages.h"
#include "platform/gdi/windef.h"
#include "platform/ui/graphics.h"
#include "platform/ui/grids.h"

class TCustomDBGridVyn;

class TDBGridVynStyle : public TPersistent {
    SERVIORA_CLASS(TDBGridVynStyle, TPersistent)
public:
    TDBGridVynStyle();
    ~TDBGridVynStyle() override;

    bool LuminateSelection() const { return luminateSelection_; }
    void SetLuminateSelection(bool v) { luminateSelection_ = v; }
    bool ShowFocusFrame() const { return showFocusFrame_; }
    void SetShowFocusFrame(bool v) { showFocusFrame_ = v; }
    bool ApplyFilterOnListCloseUp() const { return applyFilterOnListCloseUp_; }
    void SetApplyFilterOnListCloseUp(bool v) { applyFilterOnListCloseUp_ = v; }
    // The screen's colour count; -1 above 256 colours.
    int ScreenNumColors() const { return screenNumColors_; }
    void SetScreenNumColors(int v) { screenNumColors_ = v; }

    // The colour rules of grids with this style; both answer whether the
    // cell is highlighted.
    virtual bool GetDataCellColors(TCustomDBGridVyn* grid, int dataCol, int dataRow, TFont* font,
                                   TColor& background, TGridDrawState& state, const AnsiString& text);
    virtual bool GetFixedCellSelectionColors(TCustomDBGridVyn* grid, int col, int row, TFont* font,
                                             TColor& background, TGridDrawState state);

    void AddGrid(TCustomDBGridVyn* grid);
    void RemoveGrid(TCustomDBGridVyn* grid);
    int GridCount() const { return static_cast<int>(grids_.size()); }
    TCustomDBGridVyn* Grids(int index) const { return grids_[static_cast<std::size_t>(index)]; }

    // `color` seen through `glassColor`: halfway to the glass, then most of
    // the way to a light grey; `ungray` pushes it back from the middle grey.
    static TColor BrightenColor(TColor color, TColor glassColor, bool ungray);

    // The system colours changed: the screen's colour count is read again.
    virtual void SystemColorsChanged();

protected:
    virtual void StyleWindowProc(TMessage& Message);

private:
    std::vector<TCustomDBGridVyn*> grids_;
    HWND window_ = 0;
    bool luminateSelection_ = true;
    bool showFocusFrame_ = true;
    bool applyFilterOnListCloseUp_ = false;
    int screenNumColors_ = -1;
};

// The style grids attach to when given none; none before the library's
// start-up and after its shut-down, or once it has been freed.
TDBGridVynStyle* DefaultGridStyle();
void SetDefaultGridStyle(TDBGridVynStyle* style);

// The string grid's flat scroll bars: the common-controls library's flat
// bars, found by name at each use (a library without them leaves the
// window's own bars as they are), in the style, track colour and width the
// grid is given, and kept in step with the window's scroll information.
#include "platform/win/commctrl_flatsb.h"
#include "platform/win/screens.h"
#include "stringgrid/BavGrid.h"

namespace {

template <class Function>
Function* FlatEntry(const char* name) {
    const HMODULE library = GetModuleHandle("comctl32.dll");
    return library ? reinterpret_cast<Function*>(GetProcAddress(library, name)) : nullptr;
}

int FlatMode(TScrollType type) {
    return type == ssFlat ? FSB_FLAT_MODE : type == ssEncarta ? FSB_ENCARTA_MODE : FSB_REGULAR_MODE;
}

}  // namespace

// A grid without a window gets its flat bars with the window (CreateWnd).
void TBavStringGrid::InitFlatScrollBars() {
    if (!HandleAllocated()) return;
    auto* initialize = FlatEntry<decltype(InitializeFlatSB)>("InitializeFlatSB");
    if (!initialize) return;
    initialize(Handle());
    flatScrollActive_ = true;
}

void TBavStringGrid::DoneFlatScrollBars() {
    flatScrollActive_ = false;
    if (!HandleAllocated()) return;
    if (auto* uninitialize = FlatEntry<decltype(UninitializeFlatSB)>("UninitializeFlatSB")) uninitialize(Handle());
}

void TBavStringGrid::FlatSetScrollProp(UINT property, LONG_PTR value) {
    if (!flatScrollActive_) return;
    if (auto* set = FlatEntry<decltype(FlatSB_SetScrollProp)>("FlatSB_SetScrollProp"))
        set(Handle(), property, value, TRUE);
}

void TBavStringGrid::FlatSetScrollInfo(int bar, SCROLLINFO& info) {
    if (auto* set = FlatEntry<decltype(FlatSB_SetScrollInfo)>("FlatSB_SetScrollInfo")) set(Handle(), bar, &info, TRUE);
}

void TBavStringGrid::FlatShowScrollBar(int bar, bool show) {
    if (!flatScrollActive_ || !ScrollStyleHasBar(ScrollBars(), bar)) return;
    if (auto* showBar = FlatEntry<decltype(FlatSB_ShowScrollBar)>("FlatSB_ShowScrollBar"))
        showBar(Handle(), bar, show);
}

void TBavStringGrid::ApplyFlatScrollStyle() {
    FlatSetScrollProp(WSB_PROP_VSTYLE, FlatMode(scrollType_));
    FlatSetScrollProp(WSB_PROP_HSTYLE, FlatMode(scrollType_));
}

void TBavStringGrid::ApplyFlatScrollColor() {
    if (scrollColor_ == clNone) return;
    FlatSetScrollProp(WSB_PROP_VBKGCOLOR, LONG_PTR(ColorToRGB(scrollColor_)));
    FlatSetScrollProp(WSB_PROP_HBKGCOLOR, LONG_PTR(ColorToRGB(scrollColor_)));
}

void TBavStringGrid::ApplyFlatScrollWidth() {
    FlatSetScrollProp(WSB_PROP_CXVSCROLL, scrollWidth_);
    FlatSetScrollProp(WSB_PROP_CYHSCROLL, scrollWidth_);
}

void TBavStringGrid::UpdateFlatScrollBars() {
    ApplyFlatScrollStyle();
    ApplyFlatScrollColor();
    ApplyFlatScrollWidth();
    ShowFlatScrollBarsByFit();
}

void TBavStringGrid::ShowFlatScrollBarsByFit() {
    const bool rowsHidden = VisibleRowCount() + TBaseGrid::FixedRows() < RowCount();
    FlatShowScrollBar(SB_VERT, rowsHidden);
    if (rowsHidden) UpdateFlatVertScroll();
    const bool colsHidden = VisibleColCount() + TBaseGrid::FixedCols() < ColCount();
    FlatShowScrollBar(SB_HORZ, colsHidden);
    if (colsHidden) UpdateFlatHorzScroll();
}

void TBavStringGrid::UpdateFlatHorzScroll() { UpdateFlatScroll(SB_HORZ); }
void TBavStringGrid::UpdateFlatVertScroll() { UpdateFlatScroll(SB_VERT); }

void TBavStringGrid::UpdateFlatScroll(int bar) {
    if (!flatScrollActive_ || !ScrollStyleHasBar(ScrollBars(), bar) || !HandleAllocated()) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    FlatSetScrollInfo(bar, info);
}

void TBavStringGrid::SetScrollType(TScrollType v) {
    if (v != scrollType_) {
        scrollType_ = v;
        if (v == ssNormal) {
            DoneFlatScrollBars();
        } else {
            InitFlatScrollBars();
            UpdateFlatScrollBars();
        }
    }
    ApplyFlatScrollStyle();
}

void TBavStringGrid::SetScrollColor(TColor v) {
    scrollColor_ = v;
    ApplyFlatScrollColor();
}

void TBavStringGrid::SetScrollWidth(int v) {
    scrollWidth_ = v;
    ApplyFlatScrollWidth();
}

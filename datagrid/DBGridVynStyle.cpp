#include "datagrid/DBGridVynStyle.h"

#include <algorithm>
#include <cmath>

#include "datagrid/DBGridVyn.h"
#include "platform/ui/forms.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

namespace {
TDBGridVynStyle* defaultGridStyle = nullptr;
}

TDBGridVynStyle* DefaultGridStyle() { return defaultGridStyle; }
void SetDefaultGridStyle(TDBGridVynStyle* style) { defaultGridStyle = style; }

TDBGridVynStyle::TDBGridVynStyle() {
    window_ = AllocateHWnd(TWndMethod(this, &TDBGridVynStyle::StyleWindowProc));
    SystemColorsChanged();
}

TDBGridVynStyle::~TDBGridVynStyle() {
    DeallocateHWnd(window_);
    if (defaultGridStyle == this) defaultGridStyle = nullptr;
    while (!grids_.empty()) grids_.back()->SetStyle(nullptr);
}

void TDBGridVynStyle::AddGrid(TCustomDBGridVyn* grid) {
    if (std::find(grids_.begin(), grids_.end(), grid) == grids_.end()) grids_.push_back(grid);
}

void TDBGridVynStyle::RemoveGrid(TCustomDBGridVyn* grid) { std::erase(grids_, grid); }

TColor TDBGridVynStyle::BrightenColor(TColor color, TColor glassColor, bool ungray) {
    const COLORREF c = ColorToRGB(color);
    const COLORREF g = ColorToRGB(glassColor);
    auto channel = [ungray](int value, int glass) {
        double v = value + (glass - value) * 0.5;
        v += (225 - v) * 0.6;
        if (ungray) v -= (122 - v) * 0.25;
        return static_cast<BYTE>(std::clamp(static_cast<int>(std::lround(v)), 0, 255));
    };
    return static_cast<TColor>(RGB(channel(GetRValue(c), GetRValue(g)), channel(GetGValue(c), GetGValue(g)),
                                   channel(GetBValue(c), GetBValue(g))));
}

void TDBGridVynStyle::SystemColorsChanged() {
    const HDC dc = GetDC(0);
    screenNumColors_ = GetDeviceCaps(dc, NUMCOLORS);
    ReleaseDC(0, dc);
}

void TDBGridVynStyle::StyleWindowProc(TMessage& Message) {
    if (Message.Msg != WM_SYSCOLORCHANGE) {
        Message.Result = DefWindowProc(window_, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    try {
        SystemColorsChanged();
    } catch (...) {
        Application->HandleException(this);
    }
}

namespace {

// The nearest colour the screen shows.
TColor NearestScreenColor(TColor color) {
    const HDC dc = GetDC(0);
    const TColor nearest = static_cast<TColor>(GetNearestColor(dc, ColorToRGB(color)));
    ReleaseDC(0, dc);
    return nearest;
}

}  // namespace

bool TDBGridVynStyle::GetDataCellColors(TCustomDBGridVyn* grid, int dataCol, int dataRow, TFont* font,
                                        TColor& background, TGridDrawState& state, const AnsiString&) {
    bool highlightFocus = false;
    if (!grid->DataCellSelected(dataCol, dataRow, state, highlightFocus)) return false;
    const bool manyColors = screenNumColors_ == -1 || screenNumColors_ > 256;
    const bool current = grid->IsCurrentDataCell(dataCol, dataRow);
    if (grid->GridOrEditorFocused()) {
        if (luminateSelection_ && manyColors && !current) {
            background = NearestScreenColor(BrightenColor(background, clHighlight, true));
        } else {
            background = clHighlight;
            font->SetColor(clHighlightText);
        }
    } else if (current && (highlightFocus || grid->Options().Contains(dgAlwaysShowSelection))) {
        background = clBtnShadow;
        font->SetColor(clHighlightText);
    } else {
        background = manyColors ? NearestScreenColor(BrightenColor(background, clBtnShadow, false)) : clBtnFace;
    }
    return true;
}

bool TDBGridVynStyle::GetFixedCellSelectionColors(TCustomDBGridVyn* grid, int, int, TFont* font,
                                                  TColor& background, TGridDrawState) {
    const bool manyColors = screenNumColors_ == -1 || screenNumColors_ > 256;
    if (grid->Focused()) {
        if (luminateSelection_ && manyColors) {
            background = BrightenColor(background, clHighlight, true);
        } else {
            background = clHighlight;
            font->SetColor(clHighlightText);
        }
    } else {
        background = manyColors ? BrightenColor(background, clBtnShadow, false) : clBtnFace;
    }
    return true;
}

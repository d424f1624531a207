#include "datagrid/DBGridVynStyle.h"

#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "platform/ui/forms.h"
#include "platform/ui/wingdi.h"
#include "platform/ui/winpaint.h"
#include "platform/ui/winuser.h"

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

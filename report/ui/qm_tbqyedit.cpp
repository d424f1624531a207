// The flat edit's frame lives in a three-pixel non-client border painted
// here; it is redrawn whenever the pointer, the focus or the enabled state
// changes what it shows.
#include "report/ui/qm_tbqyedit.h"

#include "platform/gdi/sysparams.h"
#include "platform/ui/forms.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "report/ui/qm_tbqycmn.h"

namespace {

constexpr int kFrame = 3;

void FrameWith(HDC dc, RECT& r, int colorIndex) {
    FrameRect(dc, &r, GetSysColorBrush(colorIndex));
    InflateRect(&r, -1, -1);
}

}  // namespace

TEditQy::TEditQy(TComponent* owner) : TCustomEdit(owner) {
    SetCtl3D(false);
    SetBorderStyle(bsNone);
    TControlStyle style = ControlStyle();
    style.Exclude(csFramed);
    SetControlStyle(style);
    SetBounds(Left(), Top(), Width(), 19);
}

bool TEditQy::Hot() const {
    if (ComponentState().Contains(csDesigning)) return Enabled();
    if (HandleAllocated() && GetFocus() == WindowHandle()) return true;
    if (!mouseInside_) return false;
    TWinControl* focused = Screen->ActiveControl();
    return !dynamic_cast<TEditQy*>(focused);
}

void TEditQy::FitHeightToFont() { SetBounds(Left(), Top(), Width(), FontTextHeight(Font()) + 6); }

void TEditQy::Loaded() {
    TCustomEdit::Loaded();
    if (!ComponentState().Contains(csDesigning)) FitHeightToFont();
}

void TEditQy::CMFontChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    const TComponentState state = ComponentState();
    if (!(state.Contains(csLoading) && state.Contains(csDesigning))) FitHeightToFont();
}

void TEditQy::RedrawFrame() {
    if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 1, 0);
}

void TEditQy::CMMouseEnter(TMessage& Message) {
    Inherited::Dispatch(Message);
    mouseInside_ = true;
    RedrawFrame();
}

void TEditQy::CMMouseLeave(TMessage& Message) {
    Inherited::Dispatch(Message);
    mouseInside_ = false;
    RedrawFrame();
}

void TEditQy::CMEnabledChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    SetColor(Enabled() ? clWindow : clBtnFace);
    RedrawFrame();
    Invalidate();
}

void TEditQy::WMFocusChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (!ComponentState().Contains(csDesigning)) RedrawFrame();
}

void TEditQy::WMNCCalcSize(TMessage& Message) {
    InflateRect(reinterpret_cast<RECT*>(Message.LParam), -kFrame, -kFrame);
    Message.Result = 0;
}

void TEditQy::PaintFrame(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    if (Hot()) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        const RECT left{r.left, r.top, r.left + 1, r.bottom - 1};
        const RECT top{r.left, r.top, r.right - 1, r.top + 1};
        FillRect(dc, &left, GetSysColorBrush(COLOR_BTNFACE));
        FillRect(dc, &top, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &r, BDR_SUNKENINNER, BF_BOTTOMRIGHT);
        InflateRect(&r, -1, -1);
        FrameWith(dc, r, COLOR_WINDOW);
        return;
    }
    FrameWith(dc, r, COLOR_BTNFACE);
    FrameWith(dc, r, COLOR_BTNFACE);
    FrameWith(dc, r, COLOR_WINDOW);
}

void TEditQy::WMNCPaint(TMessage&) {
    const HDC dc = GetWindowDC(Handle());
    PaintFrame(dc);
    ReleaseDC(Handle(), dc);
}

void TEditQy::WMPrint(TMessage& Message) {
    HandlePrintMessage(Handle(), Message, [this](HWND, HDC dc) { PaintFrame(dc); });
}

void TEditQy::WMPrintClient(TMessage& Message) { HandlePrintClientMessage(this, Message); }

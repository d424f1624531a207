// Scroll-bar overlays and the painters that own them, and the combo list's
// bar painted into its non-client area with its own thumb-dragging loop.
#include "skin/WinSubClassScroll.h"

#include <algorithm>
#include <cstdint>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/commctrl.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"
#include "skin/WinSubClassTabs.h"

namespace {

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

bool HasImage(const TDataSkinObject* element) {
    return element && element->Bitmap && !element->Bitmap->Empty();
}

POINT CursorPos() {
    POINT p;
    GetCursorPos(&p);
    return p;
}

// The thumb of a bar Length long with arrows of ArrowSize for Pos in
// Min..Max with Page: at least 8 pixels when the page is given and
// Minimum8 is set, an arrow long without a page.
void ComputeThumb(int length, int arrowSize, int minimum, int maximum, int page, int position, bool minimum8,
                  int& start, int& end) {
    const int range = maximum == minimum ? 9999999 : maximum - minimum;
    const int track = length - 2 * arrowSize;
    int size;
    if (page != 0) {
        size = MulDiv(track, page - 1, range);
        if (size > 7 || !minimum8) {
            start = position == minimum ? arrowSize : MulDiv(track, position - minimum, range) + arrowSize;
        } else {
            size = 8;
            start = position == minimum ? arrowSize : MulDiv(track - 8, position - minimum, range) + arrowSize;
        }
    } else {
        size = arrowSize;
        start = position == minimum ? arrowSize : MulDiv(length - 3 * arrowSize, position - minimum, range) + arrowSize;
    }
    end = start + size;
}

void FrameSolid(HDC dc, TRect rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
}

// The window rectangle of Window's own bar (OBJID_HSCROLL/VSCROLL) relative
// to its window rectangle; False when there is none.
bool BarInWindow(HWND window, LONG object, TRect& bar) {
    SCROLLBARINFO info;
    if (!SkinGetScrollBarInfo(window, object, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return false;
    RECT w;
    GetWindowRect(window, &w);
    bar = info.rcScrollBar;
    OffsetRect(&bar, -w.left, -w.top);
    return true;
}

// The face-coloured square between two shown bars, in window coordinates.
void FillCorner(TSkinControl* painter, HDC dc, TWScrollbar* horz, TWScrollbar* vert, int extra) {
    if (!horz || !vert || !horz->Showing || !vert->Showing) return;
    TRect h, v;
    if (!BarInWindow(painter->Handle, OBJID_HSCROLL, h) || !BarInWindow(painter->Handle, OBJID_VSCROLL, v)) return;
    painter->FillSkinColor(dc, TRect{v.left, h.top, v.right + extra, h.bottom + extra});
}

// A shown bar is painted again with the window's next paint; a hidden one
// is placed again when the window has that bar.
void RepaintShown(TWScrollbar* bar, HWND window, DWORD style) {
    if (!bar) return;
    if (bar->Showing)
        bar->Invalidate();
    else if (GetWindowLong(window, GWL_STYLE) & style)
        bar->Reposition();
}

// The parts a painter with a pair of bars shares: the bars go together, a
// scroll lights the part it moves, a paint renews both and the corner.
void FreeBars(TWScrollbar*& horz, TWScrollbar*& vert) {
    delete horz;
    delete vert;
    horz = vert = nullptr;
}

void LightScrolledPart(const TMessage& message, TWScrollbar* horz, TWScrollbar* vert) {
    TWScrollbar* bar = message.Msg == WM_HSCROLL ? horz : vert;
    if (!bar) return;
    bar->HotPart = LOWORD(message.WParam);
    bar->Repaint();
}

void PaintBars(TSkinControl* painter, HDC dc, TWScrollbar* horz, TWScrollbar* vert, int cornerExtra) {
    RepaintShown(vert, painter->Handle, WS_VSCROLL);
    RepaintShown(horz, painter->Handle, WS_HSCROLL);
    FillCorner(painter, dc, horz, vert, cornerExtra);
}

}  // namespace

// ---- drawing one bar ----

int SkinScrollBarThickness(TSkinData* skinData, int arrowSize) {
    const int height = skinData->Scrollbar()->Bitmap->Height();
    return std::abs(height - arrowSize) > 2 ? arrowSize : height;
}

void DrawSkinScrollBar(TSkinData* skinData, HDC dc, const TRect& rect, const TSkinScrollBarLook& look) {
    TDataSkinObject* arrows = skinData->Scrollbar();
    const int thickness = look.Vertical ? RectWidth(rect) : RectHeight(rect);
    const int a = look.ArrowSize;
    FillSolid(dc, rect, skinData->Colour(TSkinData::kButtonFaceIndex));
    SetStretchBltMode(dc, COLORONCOLOR);
    const bool shortBar = look.Length < 2 * a;
    const int arrow = shortBar ? look.Length / 2 : a;
    TDataSkinObject* track = look.Vertical ? skinData->VertScroll() : skinData->HorzScroll();
    if (!shortBar && HasImage(track)) {
        const TRect t = look.Vertical ? TRect{0, a, thickness, look.Length - a} : TRect{a, 0, look.Length - a, thickness};
        DrawSkinCell(dc, t, track->Bitmap.get(), track->Margins(), look.Enabled ? 1 : 3, track->Frame,
                     track->Trans == 1, track->Tile != 0, false);
    }
    auto arrowCell = [&look](int first, int part) {
        if (look.HotPart != part) return first;
        return first + (look.Tracking ? 1 : 3);
    };
    const TRect firstBox = look.Vertical ? TRect{0, 0, thickness, arrow} : TRect{0, 0, arrow, thickness};
    const TRect secondBox = look.Vertical ? TRect{0, look.Length - arrow, thickness, look.Length}
                                          : TRect{look.Length - arrow, 0, look.Length, thickness};
    DrawSkinFrame(dc, firstBox, arrows->Bitmap.get(), arrowCell(look.Vertical ? 9 : 1, kScrollFirstArrow),
                  arrows->Frame, true);
    DrawSkinFrame(dc, secondBox, arrows->Bitmap.get(), arrowCell(look.Vertical ? 13 : 5, kScrollSecondArrow),
                  arrows->Frame, true);
    if (!look.Enabled) return;
    const bool thumbHot = look.HotPart == kScrollThumb;
    TDataSkinObject* thumb = look.Vertical ? skinData->VertScrollThumb() : skinData->HorzScrollThumb();
    const int extent = look.Vertical ? RectHeight(rect) : RectWidth(rect);
    if (HasImage(thumb) && look.ThumbStart >= 0 && look.ThumbEnd <= extent && look.ThumbEnd > look.ThumbStart) {
        const int frame = thumbHot ? (look.Tracking ? 2 : 3) : 1;
        const TRect t = look.Vertical ? TRect{0, look.ThumbStart, thickness, look.ThumbEnd}
                                      : TRect{look.ThumbStart, 0, look.ThumbEnd, thickness};
        DrawSkinCell(dc, t, thumb->Bitmap.get(), thumb->Margins(), frame, thumb->Frame, thumb->Trans == 1,
                     thumb->Tile != 0, false);
    }
    const int h = arrows->Bitmap->Height();
    const int thumbLength = look.ThumbEnd - look.ThumbStart;
    if (thumbLength > h - 2) {
        const int at = look.ThumbStart + (thumbLength - h) / 2;
        const int cell = (look.Vertical ? 20 : 17) + (thumbHot ? (look.Tracking ? 1 : 2) : 0);
        const TRect grip = look.Vertical ? TRect{0, at, h, at + h} : TRect{at, 0, at + h, h};
        if (grip.left >= 0 && grip.top >= 0 && grip.right <= RectWidth(rect) && grip.bottom <= RectHeight(rect))
            DrawSkinFrame(dc, grip, arrows->Bitmap.get(), cell, arrows->Frame, true);
    }
}

// ---- the overlay ----

TWScrollbar::TWScrollbar(TComponent* owner) : TCustomPanel(owner) {
    SetTabStop(false);
    SetBevelOuter(bvNone);
    ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

void TWScrollbar::CreateParams(TCreateParams& params) {
    TCustomPanel::CreateParams(params);
    params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TWScrollbar::Bind(TSkinControl* painter, HWND window, Byte kind) {
    Painter = painter;
    Window = window;
    Kind = kind;
    Orientation = kind;
    SetColor(painter->ParentColor(painter->FaceColour()));
}

void TWScrollbar::AttachToControl(TSkinControl* painter, TWinControl* control, Byte kind) {
    Control = control;
    Bind(painter, control->Handle(), kind);
    if (kind == kScrollBarControl) Orientation = LowerCase(GetEnumPropByName(control, "Kind")) == "sbhorizontal" ? 0 : 1;
    SetParentWindow(GetParent(Window));
    Reposition();
}

void TWScrollbar::AttachToWindow(TSkinControl* painter, HWND window, Byte kind) {
    Control = nullptr;
    Bind(painter, window, kind);
    SetParentWindow(GetParent(Window));
    Reposition();
}

bool TWScrollbar::FindBar(SCROLLBARINFO& info) const {
    if (Kind != kScrollBarControl)
        return SkinGetScrollBarInfo(Window, Kind == kVerticalBar ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
    if (!Control) return false;
    info.rcScrollBar = Control->BoundsRect();
    SCROLLINFO scroll;
    scroll.fMask = SIF_ALL;
    if (!GetScrollInfo(Window, SB_CTL, &scroll)) return false;
    const TRect& r = info.rcScrollBar;
    const int length = Orientation == 1 ? RectHeight(r) : RectWidth(r);
    int start = 0, end = 0;
    ComputeThumb(length, ArrowSize, scroll.nMin, scroll.nMax, int(scroll.nPage), scroll.nPos, true, start, end);
    info.xyThumbTop = start;
    info.xyThumbBottom = end;
    info.dxyLineButton = ArrowSize;
    std::fill(std::begin(info.rgstate), std::end(info.rgstate), 0);
    if (!IsWindowEnabled(Window)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    return true;
}

bool TWScrollbar::ThumbFromProperties(int& start) const {
    if (!Control) return false;
    const int length = Orientation == 1 ? Control->Height() : Control->Width();
    int end = 0;
    ComputeThumb(length, ArrowSize, GetIntPropByName(Control, "Min"), GetIntPropByName(Control, "Max"),
                 GetIntPropByName(Control, "PageSize"), GetIntPropByName(Control, "Position"), false, start, end);
    return true;
}

void TWScrollbar::HideBar() {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    Showing = false;
    SetVisible(false);
}

void TWScrollbar::Reposition() {
    SCROLLBARINFO info;
    Showing = FindBar(info);
    if (!Showing) return;
    if (!(GetWindowLong(Window, GWL_STYLE) & WS_VISIBLE) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        Showing = false;
        return;
    }
    TRect place = info.rcScrollBar;
    if (Kind != kScrollBarControl) {
        BarRect = place;
        MapWindowPoints(0, Window, reinterpret_cast<POINT*>(&BarRect), 2);
        Origin = POINT{place.left, place.top};
        MapWindowPoints(0, GetParent(Window), reinterpret_cast<POINT*>(&place), 2);
    } else {
        BarRect = place;
    }
    Length = Orientation == 1 ? RectHeight(BarRect) : RectWidth(BarRect);
    HWND above = GetWindow(Window, GW_HWNDPREV);
    SetVisible(true);
    SetWindowPos(Handle(), above ? above : HWND_TOP, place.left, place.top, RectWidth(place), RectHeight(place),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetBounds(place.left, place.top, RectWidth(place), RectHeight(place));
    Showing = true;
}

int TWScrollbar::HitTest(int x, int y) const {
    const int p = Orientation != 0 ? y : x;
    if (p < ArrowSize) return kScrollFirstArrow;
    if (p < ThumbStart) return kScrollPageBefore;
    if (p < ThumbEnd) return kScrollThumb;
    if (p < Length - ArrowSize) return kScrollPageAfter;
    return kScrollSecondArrow;
}

void TWScrollbar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_MOUSEMOVE: {
        TCustomPanel::WndProc(message);
        const int part = HitTest(std::int16_t(LOWORD(message.LParam)), std::int16_t(HIWORD(message.LParam)));
        if (part != HotPart) {
            HotPart = part;
            Repaint();
        }
        SkinTrackMouseLeave(Handle());
        return;
    }
    case WM_MOUSELEAVE:
        if (!Tracking) {
            HotPart = kScrollNoPart;
            Repaint();
        }
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(message);
        return;
    case WM_LBUTTONUP:
        MouseUp(message);
        return;
    default:
        TCustomPanel::WndProc(message);
        return;
    }
}

void TWScrollbar::MouseDown(TMessage& message) {
    TCustomPanel::WndProc(message);
    DragStart = CursorPos();
    SCROLLBARINFO info;
    if (Kind == kScrollBarControl) {
        ThumbFromProperties(ThumbStartAtDown);
    } else if (FindBar(info)) {
        ThumbStartAtDown = info.xyThumbTop;
    }
    const int x = std::int16_t(LOWORD(message.LParam)), y = std::int16_t(HIWORD(message.LParam));
    HotPart = HitTest(x, y);
    LPARAM position = message.LParam;
    if (Kind != kScrollBarControl) {
        if (FindBar(info)) Origin = POINT{info.rcScrollBar.left, info.rcScrollBar.top};
        position = MAKELPARAM(x + Origin.x, y + Origin.y);
    }
    Tracking = true;
    Repaint();
    HotPart = HitTest(x, y);
    ReleaseCapture();
    if (Kind == kVerticalBar)
        SendMessage(Window, WM_NCLBUTTONDOWN, HTVSCROLL, position);
    else if (Kind == kHorizontalBar)
        SendMessage(Window, WM_NCLBUTTONDOWN, HTHSCROLL, position);
    else
        SendMessage(Window, WM_LBUTTONDOWN, MK_LBUTTON, position);
    Tracking = false;
    ReleaseCapture();
    if (Kind == kScrollBarControl) Repaint();
}

void TWScrollbar::MouseUp(TMessage& message) {
    TCustomPanel::WndProc(message);
    LPARAM position = message.LParam;
    if (Kind != kScrollBarControl)
        position = MAKELPARAM(std::int16_t(LOWORD(position)) + Origin.x, std::int16_t(HIWORD(position)) + Origin.y);
    Tracking = false;
    ReleaseCapture();
    if (Kind == kVerticalBar)
        PostMessage(Window, WM_NCLBUTTONUP, HTVSCROLL, position);
    else if (Kind == kHorizontalBar)
        PostMessage(Window, WM_NCLBUTTONUP, HTHSCROLL, position);
    else
        PostMessage(Window, WM_LBUTTONUP, MK_LBUTTON, position);
    if (Kind == kScrollBarControl) Repaint();
}

void TWScrollbar::Paint() {
    if (!Painter || !Painter->SkinData || !HasImage(Painter->SkinData->Scrollbar())) return;
    SCROLLBARINFO info;
    if (!FindBar(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
    TRect r = info.rcScrollBar;
    OffsetRect(&r, -r.left, -r.top);
    if (r.right < 0 || r.bottom < 0 || RectWidth(r) > Width() || RectHeight(r) > Height()) return;
    Length = Kind == kVerticalBar || (Kind == kScrollBarControl && Orientation == 1) ? RectHeight(r) : RectWidth(r);
    const int thickness = SkinScrollBarThickness(Painter->SkinData, ArrowSize);
    TSkinScrollBarLook look;
    look.Vertical = Orientation != 0;
    look.Length = Length;
    look.ArrowSize = ArrowSize;
    look.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    look.HotPart = HotPart;
    look.Tracking = Tracking;
    look.ThumbStart = info.xyThumbTop;
    look.ThumbEnd = info.xyThumbBottom;
    if (Kind != kScrollBarControl && Tracking && HotPart == kScrollThumb) {
        const POINT cursor = CursorPos();
        const int moved = Orientation != 0 ? cursor.y - DragStart.y : cursor.x - DragStart.x;
        const int size = look.ThumbEnd - look.ThumbStart;
        const int start = std::max(ArrowSize, std::min(ThumbStartAtDown + moved, Length - ArrowSize - size));
        look.ThumbStart = start;
        look.ThumbEnd = start + size;
    }
    ThumbStart = look.ThumbStart;
    ThumbEnd = look.ThumbEnd;
    TRect cell = r;
    if (look.Vertical)
        cell.right = thickness;
    else
        cell.bottom = thickness;
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(RectWidth(Kind == kScrollBarControl ? cell : r), RectHeight(Kind == kScrollBarControl ? cell : r));
    if (bitmap.Empty()) return;
    DrawSkinScrollBar(Painter->SkinData, bitmap.Canvas()->Handle(), cell, look);
    HDC dc = Canvas()->Handle();
    if (Kind == kScrollBarControl) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, ClientWidth(), ClientHeight(), bitmap.Canvas()->Handle(), 0, 0, bitmap.Width(),
                   bitmap.Height(), SRCCOPY);
    } else {
        BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
    }
}

// ---- windowed controls with scroll bars ----

TSkinScrollbar::~TSkinScrollbar() { FreeBars(HorzBar, VertBar); }

void TSkinScrollbar::AttachScrollControl(TWinControl* control, TSkinData* skinData, TCanvas* canvas,
                                         TWinSkinForm* form) {
    SkinData = skinData;
    SkinForm = form;
    SharedCanvas = canvas;
    Control = control;
    Handle = control->Handle();
    if (SkinForm) SkinForm->AddPainter(this);
    DrawBorder = GetPropInfo(control, "BorderStyle") && LowerCase(GetEnumPropByName(control, "BorderStyle")) != "bsnone";
    if (control->ClassName() == "TImageScrollBox" || Mode == 1) DrawBorder = false;
    if (PPropInfo info = GetPropInfo(control, "FixedColor"); info && info->Kind() == tkInteger) {
        SavedColor = TColor(GetIntPropByName(control, "FixedColor"));
        SwapColor = true;
        SetPropByName(control, "FixedColor", IntToStr(FaceColour()));
    }
    HorzBar = new TWScrollbar(nullptr);
    HorzBar->AttachToControl(this, control, TWScrollbar::kHorizontalBar);
    VertBar = new TWScrollbar(nullptr);
    VertBar->AttachToControl(this, control, TWScrollbar::kVerticalBar);
    for (TWScrollbar* bar : {HorzBar, VertBar}) {
        bar->SetEnabled(control->Enabled());
        if (!control->Visible()) bar->HideBar();
    }
    UnicodeWindow = IsWindowUnicode(Handle);
    SavedWindowProc = control->WindowProc();
    control->SetWindowProc(TWndMethod(this, &TSkinControl::WndProc));
    Attached = true;
    PainterState = kPainterAttached;
}

void TSkinScrollbar::RestoreColor() {
    if (SwapColor && Control) SetPropByName(Control, "FixedColor", IntToStr(SavedColor));
    SwapColor = false;
    TSkinControl::RestoreColor();
    if (PainterState != kWindowDestroyed) FreeBars(HorzBar, VertBar);
}

bool TSkinScrollbar::HandleMessage(TMessage& message) {
    if (message.Msg != WM_NCPAINT) return TSkinControl::HandleMessage(message);
    CallDefault(message);
    if (DrawBorder) {
        HDC dc = GetWindowDC(Handle);
        TMessage border{WM_SKINPAINTBORDER, WPARAM(dc), kSkinMagic, 0};
        AfterMessage(border);
        ReleaseDC(Handle, dc);
    }
    // The frame is repainted whenever a bar's range, page or position
    // changes, however it was set: the overlays follow it.
    RepaintShown(VertBar, Handle, WS_VSCROLL);
    RepaintShown(HorzBar, Handle, WS_HSCROLL);
    return false;
}

void TSkinScrollbar::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (HorzBar) HorzBar->Reposition();
        if (VertBar) VertBar->Reposition();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        LightScrolledPart(message, HorzBar, VertBar);
        break;
    case WM_MOUSEWHEEL:
        for (TWScrollbar* bar : {HorzBar, VertBar})
            if (bar && bar->Showing) bar->Repaint();
        break;
    case CM_VISIBLECHANGED:
        for (TWScrollbar* bar : {HorzBar, VertBar}) {
            if (!bar) continue;
            if (message.WParam)
                bar->Reposition();
            else
                bar->HideBar();
        }
        break;
    case CM_ENABLEDCHANGED:
        for (TWScrollbar* bar : {HorzBar, VertBar})
            if (bar && Control) bar->SetEnabled(Control->Enabled());
        break;
    case CM_RECREATEWND:
        if (Control && SkinForm) PostMessage(SkinForm->Window, WM_SKINREATTACH, WPARAM(Handle), 0);
        break;
    case WM_SKINPAINTBORDER:
        if (message.LParam == kSkinMagic) {
            if (message.WParam) {
                try {
                    RECT w;
                    GetWindowRect(Handle, &w);
                    TRect r{0, 0, w.right - w.left, w.bottom - w.top};
                    FrameSolid(HDC(message.WParam), r, ColorToRGB(SkinData->Colour(TSkinData::kButtonShadowIndex)));
                    InflateRect(&r, -1, -1);
                    FrameSolid(HDC(message.WParam), r, ColorToRGB(FaceColour()));
                } catch (const std::exception&) {
                    // The border stays the window's own.
                }
            }
            message.Result = kSkinMagic;
        }
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinScrollbar::PaintSkin(HDC dc, const TRect&) {
    PaintBars(this, dc, HorzBar, VertBar, 0);
}

void TSkinScrollbar::SkinChanged() {
    if (SwapColor && Control) {
        SavedColor = TColor(GetIntPropByName(Control, "FixedColor"));
        SetPropByName(Control, "FixedColor", IntToStr(FaceColour()));
    }
    TSkinControl::SkinChanged();
}

void TSkinListView::AttachScrollControl(TWinControl* control, TSkinData* skinData, TCanvas* canvas,
                                        TWinSkinForm* form) {
    TSkinScrollbar::AttachScrollControl(control, skinData, canvas, form);
    HWND header = HWND(SendMessage(Handle, LVM_GETHEADER, 0, 0));
    if (!header) return;
    Header = new TSkinHeader(control);
    Header->AttachWindow(header, skinData, canvas, form);
}

// ---- raw windows with scroll bars ----

TSkinScrollbarH::~TSkinScrollbarH() { FreeBars(HorzBar, VertBar); }

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) {
    TSkinControl::AttachWindow(window, skinData, canvas, form);
    HorzBar = new TWScrollbar(nullptr);
    HorzBar->AttachToWindow(this, window, TWScrollbar::kHorizontalBar);
    VertBar = new TWScrollbar(nullptr);
    VertBar->AttachToWindow(this, window, TWScrollbar::kVerticalBar);
}

void TSkinScrollbarH::RestoreColor() {
    TSkinControl::RestoreColor();
    if (PainterState != kWindowDestroyed) FreeBars(HorzBar, VertBar);
}

void TSkinScrollbarH::AfterMessage(TMessage& message) {
    if (!IsWindowVisible(Handle))
        for (TWScrollbar* bar : {HorzBar, VertBar})
            if (bar) bar->HideBar();
    switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
        if (HorzBar) HorzBar->Reposition();
        if (VertBar) VertBar->Reposition();
        Redraw();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        LightScrolledPart(message, HorzBar, VertBar);
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinScrollbarH::PaintSkin(HDC dc, const TRect&) {
    PaintBars(this, dc, HorzBar, VertBar, 2);
}

// ---- scroll-bar controls ----

TSkinScControl::~TSkinScControl() { delete Bar; }

void TSkinScControl::AttachScrollBarControl(TWinControl* control, TSkinData* skinData, TCanvas* canvas,
                                            TWinSkinForm* form) {
    SkinData = skinData;
    SkinForm = form;
    SharedCanvas = canvas;
    Control = control;
    Handle = control->Handle();
    if (SkinForm) SkinForm->AddPainter(this);
    Bar = new TWScrollbar(nullptr);
    Bar->SetShowHint(control->ShowHint());
    Bar->SetHint(control->Hint());
    Bar->AttachToControl(this, control, TWScrollbar::kScrollBarControl);
    if (!control->Visible()) Bar->HideBar();
    SavedWindowProc = control->WindowProc();
    control->SetWindowProc(TWndMethod(this, &TSkinControl::WndProc));
    Attached = true;
    PainterState = kPainterAttached;
}

void TSkinScControl::RestoreColor() {
    TSkinControl::RestoreColor();
    if (PainterState != kWindowDestroyed) {
        delete Bar;
        Bar = nullptr;
    }
}

void TSkinScControl::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
        if (Bar) Bar->Reposition();
        break;
    case WM_NCPAINT:
        if (Control) Handle = Control->Handle();
        if (Bar) Bar->Reposition();
        break;
    case SBM_SETSCROLLINFO:
    case CN_VSCROLL:
        if (Bar) Bar->Repaint();
        break;
    case CM_VISIBLECHANGED:
        if (!Bar) break;
        if (message.WParam)
            Bar->Reposition();
        else
            Bar->HideBar();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinScControl::PaintSkin(HDC, const TRect&) {
    if (Bar) Bar->Repaint();
}

// ---- the combo box's drop-down list ----

TComboxScrollBar::TComboxScrollBar(TComponent* owner) : TSkinControl(owner) {
    ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

bool TComboxScrollBar::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
        return true;
    case WM_NCMOUSEMOVE:
        return message.WParam != HTHSCROLL && message.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
        return !(message.WParam == HTVSCROLL && DragThumb(message.LParam));
    default:
        return TSkinControl::HandleMessage(message);
    }
}

void TComboxScrollBar::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case 0x1AE:
        PaintWindow(0);
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TComboxScrollBar::PaintSkin(HDC dc, const TRect&) {
    if (!HasImage(SkinData->Scrollbar())) return;
    SCROLLBARINFO info;
    if (!SkinGetScrollBarInfo(Handle, OBJID_VSCROLL, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
    const TRect bar = info.rcScrollBar;
    Length = RectHeight(bar);
    ThumbStart = info.xyThumbTop;
    ThumbEnd = info.xyThumbBottom;
    TSkinScrollBarLook look;
    look.Vertical = true;
    look.Length = Length;
    look.ArrowSize = ArrowSize;
    look.ThumbStart = ThumbStart;
    look.ThumbEnd = ThumbEnd;
    look.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    const TRect cell{0, 0, SkinScrollBarThickness(SkinData, ArrowSize), Length};
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(RectWidth(cell), RectHeight(cell));
    if (bitmap.Empty()) return;
    DrawSkinScrollBar(SkinData, bitmap.Canvas()->Handle(), cell, look);
    BitBlt(dc, bar.left - WindowRect.left, bar.top - WindowRect.top, bitmap.Width(), bitmap.Height(),
           bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
}

int DraggedScrollPosition(int n, int track, int thumb, const SCROLLINFO& info) {
    const int room = track - thumb;
    const int page = int(info.nPage);
    int position;
    if (page != 0) {
        if (room <= 0) return info.nPos;
        if (n > room) n = room + 1;
        position = MulDiv(n, info.nMax - info.nMin - page, room) + info.nMin;
        if (position >= info.nMax - page) position = info.nMax - page + 1;
    } else {
        if (track <= 0) return info.nPos;
        position = std::min(MulDiv(std::min(n, room), info.nMax - info.nMin, track) + info.nMin, info.nMax);
    }
    return std::max(position, info.nMin);
}

bool TComboxScrollBar::DragThumb(LPARAM position) {
    SCROLLBARINFO bar;
    if (!SkinGetScrollBarInfo(Handle, OBJID_VSCROLL, &bar)) return false;
    const int at = std::int16_t(HIWORD(position)) - bar.rcScrollBar.top;
    if (at < bar.xyThumbTop || at > bar.xyThumbBottom) return false;
    SetCapture(Handle);
    const POINT dragStart = CursorPos();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle, SB_VERT, &info);
    const int offset = bar.xyThumbTop - ArrowSize;
    int last = info.nPos;
    const int track = (bar.rcScrollBar.bottom - bar.rcScrollBar.top) - 2 * ArrowSize;
    const int thumb = bar.xyThumbBottom - bar.xyThumbTop;
    MSG msg;
    for (;;) {
        if (!PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_NCLBUTTONUP || msg.message == WM_LBUTTONUP) {
            SendMessage(Handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, WORD(last)), 0);
            PostMessage(Handle, WM_VSCROLL, SB_ENDSCROLL, 0);
            break;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        if (msg.message != WM_NCMOUSEMOVE && msg.message != WM_MOUSEMOVE) continue;
        const int n = std::max(0, offset + (CursorPos().y - dragStart.y));
        const int next = DraggedScrollPosition(n, track, thumb, info);
        if (next != last) {
            SendMessage(Handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, WORD(next)), 0);
            last = next;
        }
    }
    ReleaseCapture();
    return true;
}

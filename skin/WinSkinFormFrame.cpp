// Form skinning's frame: measuring the skinned frame, placing the client
// area in it, painting borders, title and caption buttons from the skin,
// what a caption button shows and does, and the window region cut from
// transparent frame images.
#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"

namespace {

constexpr int kLeft = 1, kRight = 2, kTop = 3, kBottom = 4;

// A frame count below 1 counts as 1 wherever an image is cut.
int Frames(const TDataSkinObject* element) { return std::max(1, element ? int(element->Frame) : 1); }

bool HasImage(const TDataSkinObject* element) {
    return element && element->Bitmap && !element->Bitmap->Empty();
}

bool IsIconAction(int action) { return action == 3 || action == 11; }

}  // namespace

TDataSkinBorder* TWinSkinForm::Border(int index) const {
    switch (index) {
    case kLeft: return SkinData->FrameLeft();
    case kRight: return SkinData->FrameRight();
    case kTop: return SkinData->FrameTop();
    default: return SkinData->FrameBottom();
    }
}

// ---- metrics and caption buttons ---------------------------------------------------

void TWinSkinForm::LoadCaptionButtons() {
    if (SkinData->NoSkin()) return;
    if (FrameType == kNoFrame) {
        FrameLeft = FrameTop = FrameRight = FrameBottom = MenuHeight = 0;
    } else {
        const auto width = [](TDataSkinBorder* b) { return HasImage(b) ? b->Bitmap->Width() / Frames(b) : 0; };
        const auto height = [](TDataSkinBorder* b) { return HasImage(b) ? b->Bitmap->Height() / Frames(b) : 0; };
        FrameTop = height(SkinData->FrameTop());
        FrameLeft = width(SkinData->FrameLeft());
        FrameRight = width(SkinData->FrameRight());
        FrameBottom = height(SkinData->FrameBottom());
    }
    FreeCaptionButtons();
    for (const auto& element : SkinData->SystemButtons()) {
        CaptionButtons.push_back(std::make_unique<TWinSysButton>(this, element.get()));
        if (!IsIconAction(element->Action)) continue;
        CaptureIcon();
        if (element->Bitmap->Empty()) element->Bitmap->Assign(IconBitmap.get());
        if (SkinData->AppIcon()->Empty()) SkinData->AppIcon()->Assign(IconBitmap.get());
        element->Frame = 1;
    }
}

void TWinSkinForm::FreeCaptionButtons() {
    CaptionButtons.clear();
}

void TWinSkinForm::CaptureIcon() {
    const int size = GetSystemMetrics(SM_CXSMICON);
    IconBitmap = std::make_unique<TBitmap>();
    IconBitmap->SetPixelFormat(pf16bit);
    IconBitmap->SetSize(size, GetSystemMetrics(SM_CYSMICON));
    IconBitmap->Canvas()->Brush()->SetColor(clFuchsia);
    IconBitmap->Canvas()->FillRect(TRect{0, 0, size, IconBitmap->Height()});
    IconSize = size;
    Icon = HICON(SendMessage(Window, WM_GETICON, ICON_SMALL, 0));
    if (!Icon) Icon = HICON(SendMessage(Window, WM_GETICON, ICON_BIG, 0));
    if (!Icon) return;
    const HICON small = CopyImage(Icon, IMAGE_ICON, size, IconBitmap->Height(), LR_COPYFROMRESOURCE);
    DrawIconEx(IconBitmap->Canvas()->Handle(), 0, 0, small, size, IconBitmap->Height(), 0, 0, DI_NORMAL);
    DestroyIcon(small);
}

void TWinSkinForm::DrawWindowIcon(HDC dc, const TRect& rect) {
    if (Icon) DrawIconEx(dc, rect.left, rect.top, Icon, IconSize, IconSize, 0, 0, DI_NORMAL);
}

// ---- non-client messages ------------------------------------------------------------

void TWinSkinForm::WMNCCalcSize(TMessage& message) {
    CallDefault(message);
    if (!message.WParam) {
        message.Result = 0;
        return;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
    if ((Kind == kMDIChild && WindowState != kNormal) || FrameType == kNoFrame) {
        params->rgrc[1] = params->rgrc[0];
        message.Result = WVR_VALIDRECTS;
        return;
    }
    const WINDOWPOS& pos = *params->lppos;
    const RECT client{pos.x + FrameLeft, pos.y + FrameTop + MenuHeight, pos.x + pos.cx - FrameRight,
                      pos.y + pos.cy - FrameBottom};
    params->rgrc[0] = params->rgrc[1] = client;
    message.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::WMNCHitTest(TMessage& message) {
    CallDefault(message);
    if (message.Result != HTNOWHERE && message.Result != HTCAPTION) return;
    const POINT point = ScreenToFrame(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
    if (point.y > 3) message.Result = HTCAPTION;
    if (point.y > FrameTop && MenuHeight > 0) message.Result = HTMENU;
}

void TWinSkinForm::WMNCPaint(TMessage& message) {
    SetSysMenuStyle(true);
    if (SkinData->FramePainting()) {
        if ((Kind == kMDIChild && WindowState == kMaximized) || FrameType == kNoFrame)
            CallDefault(message);
        else
            PaintFrame();
    }
    message.Result = 0;
}

// ---- painting -----------------------------------------------------------------------

void TWinSkinForm::PaintFrame(HDC dc) {
    if (!SkinWorkBitmap() || (State != kSkinned && State != kRefreshing) || FrameType == kNoFrame ||
        (Kind == kMDIChild && WindowState == kMaximized))
        return;
    const HDC windowDC = dc ? 0 : GetWindowDC(Window);
    if (!dc) dc = windowDC;
    try {
        RECT window;
        GetWindowRect(Window, &window);
        WindowRect = window;
        const int w = window.right - window.left, h = window.bottom - window.top;
        FrameSize = SIZE{w, h};
        if (WindowState == kMinimized) {
            PaintTitleBar(dc);
        } else {
            DrawFrameBorder(kLeft, TRect{0, 0, FrameLeft, h}, dc);
            DrawFrameBorder(kRight, TRect{w - FrameRight, 0, w, h}, dc);
            DrawFrameBorder(kBottom, TRect{FrameLeft, h - FrameBottom, w - FrameRight, h}, dc);
            PaintTitleBar(dc);
            const TRect bar{FrameLeft, FrameTop, w - FrameRight, FrameTop + MenuHeight};
            if (MenuBar)
                MenuBar->Paint(dc, bar);
            else if (MenuHeight > 0)
                FillRect(dc, &bar, SkinData->FaceBrush());
        }
    } catch (const std::exception&) {
        // A frame that cannot be painted keeps what it showed.
    }
    HotButton = nullptr;
    if (windowDC) ReleaseDC(Window, windowDC);
}

void TWinSkinForm::PaintTitleBar(HDC dc) {
    const int w = FrameSize.cx, h = FrameSize.cy;
    TitleBitmap = std::make_unique<TBitmap>();
    TitleBitmap->SetPixelFormat(pf32bit);
    TRect title;
    if (WindowState == kMinimized) {
        TitleBitmap->SetSize(w, h);
        TitleBitmap->Canvas()->Brush()->SetColor(SkinData->Colour(TSkinData::kButtonFaceIndex));
        TitleBitmap->Canvas()->FillRect(TRect{0, 0, w, h});
        title = TRect{0, 0, w, FrameTop};
    } else {
        TitleBitmap->SetSize(w, FrameTop);
        BitBlt(TitleBitmap->Canvas()->Handle(), 0, 0, w, FrameTop, dc, 0, 0, SRCCOPY);
        title = TRect{FrameLeft, 0, w - FrameRight, FrameTop};
    }
    DrawFrameBorder(kTop, title, TitleBitmap->Canvas()->Handle());
    PaintTitle(TitleBitmap->Canvas(), title);
    LayoutCaptionButtons();
    PaintCaptionButtons(TitleBitmap->Canvas());
    BitBlt(dc, 0, 0, TitleBitmap->Width(), TitleBitmap->Height(), TitleBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
    SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawFrameBorder(int index, const TRect& rect, HDC dc) {
    TDataSkinBorder* border = Border(index);
    if (rect.right - rect.left <= 0 || rect.bottom - rect.top <= 0 || !HasImage(border)) return;
    const bool vertical = index == kTop || index == kBottom;
    const int frames = Frames(border);
    const int frame = Active || frames == 1 ? 1 : 2;
    const TRect size{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    const std::unique_ptr<TBitmap> cell =
        BuildSkinCell(size, border->Bitmap.get(), border->Margins(), frame, frames, border->Tile != 1, vertical);
    if (cell) BitBlt(dc, rect.left, rect.top, size.right, size.bottom, cell->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintTitle(TCanvas* canvas, const TRect& rect) {
    TDataSkinTitle* title = SkinData->Title();
    WideString text;
    if (UnicodeWindow && SkinIsNT) {
        text = TitlePrefix + GetWindowTextWide(Window) + TitleSuffix;
    } else {
        char buffer[1000] = {};
        SendMessage(Window, WM_GETTEXT, sizeof buffer, LPARAM(buffer));
        text = TitlePrefix + SkinAnsiToWide(buffer) + TitleSuffix;
    }

    RightButtonsWidth = 0;
    for (int i = 0; i < int(CaptionButtons.size()); ++i) {
        TDataSkinSysButton* element = CaptionButtons[i]->Element;
        if (element->Align == 1 && HasImage(element) && IsCaptionButtonVisible(i))
            RightButtonsWidth = std::max(RightButtonsWidth, int(element->Xcoord));
    }

    HDC dc = canvas->Handle();
    if (TFont* font = SkinData->CaptionFont()) canvas->Font()->Assign(font);
    const int savedMode = SetBkMode(dc, TRANSPARENT);
    const TColor colour = SkinData->Colour(Active ? TSkinData::kTitleTextActiveIndex
                                                  : TSkinData::kTitleTextNoActiveIndex);
    canvas->Font()->SetColor(colour);
    SetTextColor(dc, ColorToRGB(colour));

    TRect t = rect;
    SkinDrawText(canvas->Handle(), text, &t, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
    t.right += title->TXTBackleft + title->TXTBackRight;
    const int avail = rect.right - rect.left, used = t.right - t.left;
    const int textShift = title->LeftWidth, textShiftVert = title->TopHeight, textRightClip = title->RightWidth;
    int dx = 0;
    switch (title->TextAlignment) {
    case 0: dx = textShift; break;
    case 1: dx = (avail - used) / 2; break;
    case 2: dx = avail - textRightClip - used; break;
    default: break;
    }
    if (RightToLeft) {
        switch (title->TextAlignment) {
        case 0: dx = avail - RightButtonsWidth - used; break;
        case 1: dx = (avail - used - RightButtonsWidth) / 2; break;
        case 2: dx = textShift; break;
        default: break;
        }
    }
    const int dy = ((rect.bottom - rect.top) - (t.bottom - t.top)) / 2 + textShiftVert / 2;
    OffsetRect(&t, dx, dy);
    if (RightToLeft && dx <= 0) t.left = textShift;
    if (Style & WS_POPUP) {
        if (RightToLeft)
            OffsetRect(&t, 10, 0);
        else if (RightButtonsWidth > 5 && rect.right - RightButtonsWidth - 5 < t.right)
            t.right = rect.right - RightButtonsWidth - 5;
    } else if (RightToLeft) {
        OffsetRect(&t, 10, 0);
    } else {
        t.right = std::min(t.right, rect.right - textRightClip);
    }
    if (FrameType == kDialogFrame && title->TextAlignment == 0) t.left -= 16;
    TitleTextRect = t;
    if (HasImage(title))
        DrawSkinStrip(canvas, TRect{t.left, rect.top, t.right, rect.bottom}, title->Bitmap.get(),
                      TRect{title->TXTBackleft, 0, title->TXTBackRight, 0}, Active ? 1 : 2, 2, true, true);
    t.left += title->TXTBackleft;
    t.right -= title->TXTBackRight;
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (RightToLeft) format |= DT_RIGHT | DT_RTLREADING;
    SkinDrawText(canvas->Handle(), text, &t, format);
    SetBkMode(dc, savedMode);
}

void TWinSkinForm::LayoutCaptionButtons() {
    const int w = FrameSize.cx;
    TDataSkinObject* menuBar = SkinData->MenuBar();
    for (int i = 0; i < int(CaptionButtons.size()); ++i) {
        TWinSysButton& button = *CaptionButtons[i];
        TDataSkinSysButton* e = button.Element;
        if (!IsCaptionButtonVisible(i) || !HasImage(e)) continue;
        const int bw = e->Bitmap->Width() / Frames(e), bh = e->Bitmap->Height();
        int left = 0, top = 0;
        switch (e->Align) {
        case 0: left = e->Xcoord, top = e->Ycoord; break;
        case 1: left = w - e->Xcoord, top = e->Ycoord; break;
        case 2: case 8: left = TitleTextRect.left - bw - e->Xcoord, top = e->Ycoord; break;
        case 3: case 9: left = TitleTextRect.right + e->Xcoord, top = e->Ycoord; break;
        case 100:
            left = w - e->Xcoord - FrameRight - (menuBar ? menuBar->LeftWidth : 0);
            top = (MenuHeight - bh) / 2 + FrameTop;
            break;
        default: break;
        }
        button.Rect = TRect{left, top, left + bw, top + bh};
    }
}

bool TWinSkinForm::IsCaptionButtonVisible(int index) {
    TWinSysButton& button = *CaptionButtons[index];
    TDataSkinSysButton* e = button.Element;
    const bool maximized = WindowState == kMaximized;
    const bool maximizeBox = Buttons & kMaximizeBox, minimizeBox = Buttons & kMinimizeBox;
    const bool systemMenu = Buttons & kSystemMenuBox, help = Buttons & kContextHelp;
    const auto rule = [&](int value, bool ruleA) {
        switch (value) {
        case 0: return true;
        case 1: return maximized;
        case 2: return !maximized;
        case 3: return Active;
        case 4: return !Active;
        case 6: case 8:
            return ruleA ? (minimizeBox || maximizeBox) && systemMenu : minimizeBox || maximizeBox;
        case 7: return !maximizeBox;
        case 9: return !minimizeBox;
        case 10: return ruleA ? help && !minimizeBox && !maximizeBox : help;
        case 100: return Kind == kMDIFrame && HasMaximizedChild() && MenuBar != nullptr;
        case 200: return FrameType == kDialogFrame && !IsDialog;
        case -1: return ruleA;  // always for rule A; rule B never
        default:
            if (value >= 201 && value <= 999) return true;
            if (value >= 1000 && value <= 2000)
                return !ruleA || SendMessage(Window, WM_SKINBUTTONVISIBLE, WPARAM(value), LPARAM(e->Action)) > 0;
            return false;
        }
    };
    bool visible = rule(e->Visibility, true) && rule(e->Visibility1, false);
    switch (e->Action) {
    case 0:
        if (!systemMenu) visible = false;
        break;
    case 1: button.Enabled = maximizeBox && systemMenu; break;
    case 2: button.Enabled = minimizeBox && systemMenu; break;
    case 3: case 11: case 12:
        if (FrameType == kDialogFrame) visible = false;
        break;
    default: break;
    }
    button.Visible = visible;
    return visible;
}

void TWinSkinForm::PaintCaptionButtons(TCanvas* canvas) {
    for (const auto& button : CaptionButtons) {
        TDataSkinSysButton* e = button->Element;
        if (!button->Visible || !HasImage(e) || e->Visibility == 100) continue;
        if (IsIconAction(e->Action)) {
            DrawWindowIcon(canvas->Handle(), button->Rect);
            continue;
        }
        const int frame = Frames(e) < 4 || (Active && button->Enabled) ? 1 : 4;
        DrawSkinFrame(canvas->Handle(), button->Rect, e->Bitmap.get(), frame, Frames(e), true);
    }
}

void TWinSysButton::Paint() {
    const HDC dc = GetWindowDC(Form->Window);
    const int frames = std::max(1, int(Element->Frame));
    int frame = State;
    if (!Enabled) frame = frames > 3 ? 4 : 1;
    if (Element->Visibility == 100 && State == kHot) frame = 4;
    if (IsIconAction(Element->Action))
        Form->DrawWindowIcon(dc, Rect);
    else
        DrawSkinFrame(dc, Rect, Element->Bitmap.get(), frame, frames, true);
    ReleaseDC(Form->Window, dc);
}

void TWinSkinForm::CaptionButtonClick(POINT point) {
    auto* button = dynamic_cast<TWinSysButton*>(HotButton);
    if (!button) return;
    switch (button->Element->Action) {
    case 0:
        if (HasSystemClose()) {
            Timer->SetEnabled(false);
            PostMessage(Window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        break;
    case 1: case 22:
        if (button->Enabled) ToggleMaximize();
        break;
    case 2: case 23:
        if (button->Enabled) ToggleMinimize();
        break;
    case 3: case 11: case 12: ShowSystemMenu(POINT{point.x + 1, point.y + 1}); break;
    case 4: PostMessage(Window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); break;
    case 7: case 60: SendToActiveChild(SC_MINIMIZE); break;
    case 8: case 61: SendToActiveChild(SC_RESTORE); break;
    case 9: case 62: SendToActiveChild(SC_CLOSE); break;
    default: PostMessage(Window, WM_SKINBUTTONCLICK, WPARAM(button->Element->Action), 0); break;
    }
}

// ---- the region -------------------------------------------------------------------

void TWinSkinForm::UpdateRegion() {
    RECT window;
    GetWindowRect(Window, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    if (State == kWindowDestroyed || !FrameSkinned || w * h == 0 || (Kind == kMDIChild && WindowState != kNormal))
        return;
    if (w == RegionSize.cx && h == RegionSize.cy && Kind != kMDIChild && State != kRefreshing) return;
    // The window frees the region it holds when it gets the next one.
    Region = 0;
    HasRegion = false;
    static constexpr int kBorders[] = {kLeft, kRight, kTop, kBottom};
    const bool transparent = std::any_of(std::begin(kBorders), std::end(kBorders),
                                         [this](int index) { return Border(index)->Trans != 0; });
    HRGN region;
    if (!transparent) {
        region = CreateRectRgn(0, 0, w, h);
    } else {
        RegionSize = SIZE{w, h};
        region = CreateRectRgn(FrameLeft, FrameTop, w - FrameRight, h - FrameBottom);
        const auto add = [&](int index, const TRect& rect, bool cut) {
            HRGN part = 0;
            if (cut) {
                TBitmap scratch;
                scratch.SetPixelFormat(pf24bit);
                scratch.SetSize(rect.right - rect.left, rect.bottom - rect.top);
                DrawFrameBorder(index, TRect{0, 0, scratch.Width(), scratch.Height()}, scratch.Canvas()->Handle());
                part = RegionFromBitmap(&scratch, rect.left, rect.top, kSkinKeyColour, 1, 1, 1);
            } else {
                part = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
            }
            CombineRgn(region, region, part, RGN_OR);
            DeleteObject(part);
        };
        if (FrameType != kNoFrame) {
            add(kLeft, TRect{0, 0, FrameLeft, h}, Border(kLeft)->Trans && h > 1 && FrameLeft > 0);
            add(kRight, TRect{w - FrameRight, 0, w, h}, Border(kRight)->Trans && h > 1 && FrameRight > 0);
            const TRect bottom{FrameLeft, h - FrameBottom, w - FrameRight, h};
            add(kBottom, bottom, Border(kBottom)->Trans && FrameBottom >= 2 && bottom.right > bottom.left);
            const TRect top{FrameLeft, 0, w - FrameRight, FrameTop};
            add(kTop, top, Border(kTop)->Trans && FrameTop > 1 && top.right > top.left);
        }
    }
    Region = region;
    SetWindowRgn(Window, region, TRUE);
    HasRegion = true;
}

void TWinSkinForm::RemoveRegion() {
    if (!HasRegion) return;
    // The window owns the region it was given; taking it back frees it.
    Region = 0;
    SetWindowRgn(Window, 0, Kind == kMDIChild);
    HasRegion = false;
}

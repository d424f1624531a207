// Edit, combo-box and date-time picker painters. The controls always draw
// their own text; the painters draw over the border and the buttons after
// the control has painted.
#include "skin/WinSubClassEdit.h"

#include <cstdint>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"
#include "skin/WinSubClassRange.h"
#include "skin/WinSubClassScroll.h"

namespace {

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

bool HasImage(const TDataSkinObject* element) {
    return element && element->Bitmap && !element->Bitmap->Empty();
}

void FrameSolid(HDC dc, TRect rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
}

// The brush currently selected into DC, framing Rect.
void FrameWithCurrentBrush(HDC dc, TRect rect) {
    FrameRect(dc, &rect, HBRUSH(GetCurrentObject(dc, OBJ_BRUSH)));
}

COLORREF ShadowColour(TSkinControl* painter) {
    return ColorToRGB(painter->SkinData->Colour(TSkinData::kButtonShadowIndex));
}

}  // namespace

void FrameSkinBorder(TSkinControl* painter, HDC dc, const TRect& rect, int rings) {
    FrameSolid(dc, rect, ShadowColour(painter));
    TRect ring = rect;
    for (int i = 0; i < rings; ++i) {
        InflateRect(&ring, -1, -1);
        FrameSolid(dc, ring, RGB(255, 255, 255));
    }
}

bool HasNoBorder(HWND window, const TRect& rect) {
    RECT client;
    GetClientRect(window, &client);
    return client.right == RectWidth(rect) || client.bottom == RectHeight(rect);
}

// ---- edits ----

void TSkinEdit::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        PaintWindow(HDC(message.WParam));
        break;
    case WM_PRINTCLIENT: {
        HDC dc = HDC(message.WParam);
        const bool own = !dc;
        if (own) dc = GetWindowDC(Handle);
        try {
            PaintPrintBorder(dc);
        } catch (const std::exception&) {
            // The printed client stays without its border.
        }
        if (own) ReleaseDC(Handle, dc);
        break;
    }
    case WM_SKINPAINTCLIENT:
        if (message.LParam == kSkinMagic) {
            if (message.WParam) {
                TMessage paint{WM_PAINT, message.WParam, 0, 0};
                CallDefault(paint);
            }
            message.Result = kSkinMagic;
        }
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinEdit::FindSpinButton() {
    for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[101] = {};
        GetClassName(child, name, 100);
        const AnsiString lower = LowerCase(AnsiString(name));
        if (lower != "msctls_updown32" && lower.find("spin") == AnsiString::npos &&
            lower.find("updown") == AnsiString::npos)
            continue;
        TComponent* owner = Control ? static_cast<TComponent*>(Control) : this;
        UpDown = new TSkinUpDown(owner);
        UpDown->AttachWindow(child, SkinData, SharedCanvas, SkinForm);
        UpDown->Embedded = true;
        return;
    }
}

void TSkinEdit::PaintSkin(HDC dc, const TRect& rect) {
    if (SkinData->SkinControls().Contains(xcSpin) && !UpDown) FindSpinButton();
    if (HasNoBorder(Handle, rect)) return;
    FrameSkinBorder(this, dc, rect, 2);
}

void TSkinEdit::PaintPrintBorder(HDC dc) {
    RECT window, client;
    GetWindowRect(Handle, &window);
    GetClientRect(Handle, &client);
    WindowRect = window;
    const TRect rect{0, 0, window.right - window.left, window.bottom - window.top};
    if (client.right + 2 >= RectWidth(rect) || client.bottom + 2 >= RectHeight(rect)) return;
    TRect inner = rect;
    InflateRect(&inner, -1, -1);
    FrameWithCurrentBrush(dc, inner);
    FrameSolid(dc, rect, ShadowColour(this));
}

// ---- combo boxes ----

TSkinComBox::~TSkinComBox() {
    UnsubclassEdit();
    delete ListPainter;
}

void TSkinComBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    if (Attached) return;
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    if (!Control) return;
    Style = GetWindowLong(Handle, GWL_STYLE);
    ListPainter = nullptr;
    COMBOBOXINFO info{};
    if (!(Style & CBS_SIMPLE) || (Style & CBS_DROPDOWN)) {
        if (GetComboBoxInfo(Handle, &info) && info.hwndList) {
            ListBarPainter = new TComboxScrollBar(Control);
            ListBarPainter->AttachWindow(info.hwndList, SkinData, SharedCanvas, SkinForm);
        }
        if (!UnicodeWindow) SubclassEdit();
        ListWindow = 0;
    } else if (GetComboBoxInfo(Handle, &info) && info.hwndList) {
        ListWindow = info.hwndList;
        const LONG listStyle = GetWindowLong(ListWindow, GWL_STYLE);
        if ((listStyle & WS_CHILD) && !(listStyle & WS_POPUP) && GetParent(ListWindow) != HWND(0x10014)) {
            ListPainter = new TSkinScrollbarH(Control);
            ListPainter->AttachWindow(ListWindow, SkinData, SharedCanvas, SkinForm);
        }
    }
}

void TSkinComBox::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) {
    if (Attached) return;
    TSkinControl::AttachWindow(window, skinData, canvas, form);
    if (!UnicodeWindow) SubclassEdit();
}

void TSkinComBox::SubclassEdit() {
    EditWindow = GetTopWindow(Handle);
    if (!EditWindow) return;
    EditInstance = MakeObjectInstance(TWndMethod(this, &TSkinComBox::EditWndProc));
    EditOldProc = WNDPROC(GetWindowLongPtr(EditWindow, GWL_WNDPROC));
    SetWindowLongPtr(EditWindow, GWL_WNDPROC, LONG_PTR(EditInstance));
}

void TSkinComBox::UnsubclassEdit() {
    if (!EditInstance) return;
    if (IsWindow(EditWindow)) SetWindowLongPtr(EditWindow, GWL_WNDPROC, LONG_PTR(EditOldProc));
    FreeObjectInstance(EditInstance);
    EditInstance = nullptr;
}

void TSkinComBox::EditWndProc(TMessage& message) {
    message.Result = CallWindowProc(EditOldProc, EditWindow, message.Msg, message.WParam, message.LParam);
    switch (message.Msg) {
    case WM_PAINT:
        PaintWindow(0);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseState |= kDown;
        Redraw();
        break;
    case WM_LBUTTONUP:
        MouseState &= Byte(~kDown);
        Redraw();
        break;
    default:
        break;
    }
}

void TSkinComBox::RestoreColor() {
    UnsubclassEdit();
    if (ListPainter) {
        ListPainter->RestoreColor();
        delete ListPainter;
        ListPainter = nullptr;
    }
    if (ListBarPainter) {
        ListBarPainter->RestoreColor();
        delete ListBarPainter;
        ListBarPainter = nullptr;
    }
    TSkinControl::RestoreColor();
}

void TSkinComBox::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        break;
    case WM_MOUSEMOVE: {
        const POINT p{std::int16_t(LOWORD(message.LParam)), std::int16_t(HIWORD(message.LParam))};
        const bool disabled = GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED;
        if (MouseState & kHot) {
            if (!PtInRect(&ButtonRect, p) && !disabled) {
                MouseState &= Byte(~kHot);
                Redraw();
            }
        } else if (PtInRect(&ButtonRect, p) && !disabled) {
            MouseState |= kHot;
            Redraw();
        }
        break;
    }
    case WM_DRAWITEM:
    case WM_NCPAINT:
        Redraw();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseState |= kDown;
        Redraw();
        break;
    case WM_LBUTTONUP:
        MouseState &= Byte(~kDown);
        Redraw();
        break;
    case CM_MOUSELEAVE:
        if (MouseState & kHot) {
            MouseState &= Byte(~kHot);
            Redraw();
        }
        break;
    case CN_COMMAND:
        if (HIWORD(message.WParam) == CBN_DROPDOWN)
            DroppedDown = true;
        else if (HIWORD(message.WParam) == CBN_CLOSEUP)
            DroppedDown = false;
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

int TSkinComBox::StateFrame() const {
    if (!Enabled) return 3;
    if (MouseState & kDown) return 2;
    if (Focused || (MouseState & kHot)) return 4;
    return 1;
}

void TSkinComBox::PaintSkin(HDC dc, const TRect& rect) {
    TDataSkinBorder* button = SkinData->ComboButton();
    if (!HasImage(button)) return;
    Style = GetWindowLong(Handle, GWL_STYLE);
    ExStyle = GetWindowLong(Handle, GWL_EXSTYLE);
    if (GetComboBoxInfo(Handle, &Info)) {
        ButtonRect = Info.rcButton;
        if (Info.stateButton & STATE_SYSTEM_INVISIBLE) return;
    }
    Focused = GetFocus() == Handle || (EditWindow && GetFocus() == EditWindow);
    Enabled = !(Style & WS_DISABLED);
    if (button->Style == 1) return PaintFlat(dc, rect);
    const int frame = StateFrame();
    if (Extended) return PaintExtended(dc, rect, frame);
    const bool left = ExStyle & WS_EX_LEFTSCROLLBAR;
    if (button->Style == 2) {
        TDataSkinObject* box = left ? SkinData->SunkEdge() : button;
        DrawSkinCell(dc, rect, box->Bitmap.get(), box->Margins(), frame, box->Frame, true, box->Tile != 0, false);
        return;
    }
    const int b = GetSystemMetrics(SM_CXHSCROLL);
    const int saved = SaveDC(dc);
    if (left)
        ExcludeClipRect(dc, rect.left + b + 4, rect.top + 2, rect.right - 2, rect.bottom - 2);
    else
        ExcludeClipRect(dc, rect.left + 2, rect.top + 2, rect.right - b - 4, rect.bottom - 2);
    if (TDataSkinObject* edge = SkinData->SunkEdge()) DrawElement(this, dc, rect, edge, frame, edge->Frame);
    const TRect box = left ? TRect{rect.left, rect.top, rect.left + b + 2, rect.bottom}
                           : TRect{rect.right - b - 2, rect.top, rect.right, rect.bottom};
    TBitmap* image = left && button->Bitmap2 ? button->Bitmap2.get() : button->Bitmap.get();
    DrawFrameCellDC(this, dc, box, image, frame, button->Frame);
    ButtonRect = box;
    if (TDataSkinObject* arrow = SkinData->ExtraImages(); HasImage(arrow)) {
        const TRect glyph = left ? TRect{2, box.top, b + 2, box.bottom} : TRect{box.left, box.top, rect.right - 2, box.bottom};
        DrawSkinGlyph(dc, glyph, arrow->Bitmap.get(), frame, arrow->Frame, true);
    }
    RestoreDC(dc, saved);
}

void TSkinComBox::PaintExtended(HDC dc, const TRect& rect, int frame) {
    if (!HasNoBorder(Handle, rect)) FrameSkinBorder(this, dc, rect, 1);
    HWND child = GetTopWindow(Handle);
    TDataSkinObject* arrow = SkinData->ComboArrow();
    if (!child || !HasImage(arrow)) return;
    RECT childRect;
    GetWindowRect(child, &childRect);
    const TRect box{childRect.left - WindowRect.left, childRect.top - WindowRect.top, childRect.right - WindowRect.left,
                    childRect.bottom - WindowRect.top};
    FillSkinColor(dc, box);
    DrawFrameCellDC(this, dc, box, arrow->Bitmap.get(), frame, arrow->Frame);
}

void TSkinComBox::PaintFlat(HDC dc, const TRect& rect) {
    TDataSkinBorder* button = SkinData->ComboButton();
    int frame = 3;
    if (MouseState & kDown)
        frame = 2;
    else if (Focused || (MouseState & kHot))
        frame = 4;
    else if (Enabled)
        frame = 1;
    const bool left = ExStyle & WS_EX_LEFTSCROLLBAR;
    TRect ring = rect;
    InflateRect(&ring, -1, -1);
    FrameWithCurrentBrush(dc, ring);
    InflateRect(&ring, -1, -1);
    const int thumb = GetSystemMetrics(SM_CYVTHUMB);
    TRect strip = left ? TRect{ring.left, ring.top, ring.left + thumb, ring.bottom}
                       : TRect{ring.right - thumb, ring.top, ring.right, ring.bottom};
    FillRect(dc, &strip, HBRUSH(GetCurrentObject(dc, OBJ_BRUSH)));
    const int cellWidth = button->Bitmap->Width() / std::max(button->Frame, 1);
    const int height = button->Bitmap->Height() < thumb ? button->Bitmap->Height() : RectHeight(rect);
    const TRect box = left ? TRect{rect.left, rect.top, rect.left + cellWidth, rect.top + height}
                           : TRect{rect.right - cellWidth, rect.top, rect.right, rect.top + height};
    FrameSolid(dc, rect, ShadowColour(this));
    ButtonRect = box;
    DrawFrameCellDC(this, dc, box, button->Bitmap.get(), frame, button->Frame);
}

// ---- date-time pickers ----

TArrowButton::TArrowButton(TComponent* owner) : TCustomControl(owner) {
    ButtonWidth = GetSystemMetrics(SM_CXHSCROLL);
    SetTabStop(false);
}

void TArrowButton::PlaceFor(int width) {
    const bool left = GetWindowLong(PickerWindow, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR;
    SetLeft(left ? 2 : width - ButtonWidth - 4);
}

void TArrowButton::Attach(TSkinDateTime* painter, TWinControl* picker) {
    Painter = painter;
    Picker = picker;
    PickerWindow = picker->Handle();
    SetParent(picker);
    SetBounds(0, 0, ButtonWidth, picker->Height() - 4);
    PlaceFor(picker->Width());
    SetWindowLong(PickerWindow, GWL_STYLE, GetWindowLong(PickerWindow, GWL_STYLE) | WS_CLIPCHILDREN);
}

void TArrowButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (Picker && Picker->Enabled()) {
            if (message.Msg == CM_MOUSEENTER)
                MouseState |= 1;
            else
                MouseState &= Byte(~1);
            Repaint();
        }
        break;
    case WM_LBUTTONDOWN: {
        TCustomControl::WndProc(message);
        const int x = std::int16_t(LOWORD(message.LParam)) + Left();
        const int y = std::int16_t(HIWORD(message.LParam)) + Top();
        const LPARAM at = MAKELPARAM(x, y);
        PostMessage(PickerWindow, WM_LBUTTONDOWN, message.WParam, at);
        PostMessage(PickerWindow, WM_LBUTTONUP, message.WParam, at);
        Repaint();
        return;
    }
    case WM_LBUTTONUP:
        TCustomControl::WndProc(message);
        ::SetFocus(PickerWindow);
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TArrowButton::Paint() {
    if (!Painter || !Picker) return;
    const TRect box{0, 0, Width(), Picker->Height() - 4};
    HDC dc = Canvas()->Handle();
    Painter->FillSkinColor(dc, box);
    TDataSkinObject* arrow = Painter->SkinData->ComboArrow();
    if (!HasImage(arrow)) return;
    const TRect cell = SkinCellRect(arrow->Bitmap.get(), (MouseState & 1) ? 4 : 1, arrow->Frame, false);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, box.left, box.top, RectWidth(box), RectHeight(box), arrow->Bitmap->Canvas()->Handle(), cell.left, cell.top,
               RectWidth(cell), RectHeight(cell), SRCCOPY);
}

void TSkinDateTime::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    if (Attached) return;
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    if (!Control) return;
    Arrow = new TArrowButton(this);
    Arrow->Attach(this, Control);
}

void TSkinDateTime::AfterMessage(TMessage& message) {
    if (message.Msg == WM_SIZE && Arrow)
        Arrow->Repaint();
    else
        TSkinControl::AfterMessage(message);
}

void TSkinDateTime::PaintSkin(HDC dc, const TRect& rect) {
    if (Arrow) Arrow->PlaceFor(RectWidth(rect));
    if (HasNoBorder(Handle, rect)) return;
    FrameSkinBorder(this, dc, rect, 1);
}

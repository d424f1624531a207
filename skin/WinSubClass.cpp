// The painter base: attaching to a control or a raw window, the message
// path with its pre-filter and post-handler, detaching exactly, and the
// colour swap that gives a control the skin's face colour.
#include "skin/WinSubClass.h"

#include <cstdint>
#include <exception>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
    if (SavedWindowProc) {
        if (TControl* hooked = HookedControl()) hooked->SetWindowProc(SavedWindowProc);
        SavedWindowProc = TWndMethod();
    }
    if (ObjectInstance) {
        SetWindowLongPtr(Handle, GWL_WNDPROC, LONG_PTR(OldWndProc));
        FreeObjectInstance(ObjectInstance);
        ObjectInstance = nullptr;
    }
    if (SkinForm) SkinForm->RemovePainter(this);
}

bool TSkinControl::BindControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    SwapColor = swapColor;
    SkinData = skinData;
    SkinForm = form;
    SharedCanvas = canvas;
    Control = dynamic_cast<TWinControl*>(Owner());
    if (!Control) return false;
    Handle = Control->Handle();
    if (SkinForm) SkinForm->AddPainter(this);
    if (SwapColor) {
        SwitchParentBackground(true);
        SavedColor = Control->Color();
        Control->SetColor(FaceColour());
    }
    return true;
}

void TSkinControl::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    if (Attached || !BindControl(form, skinData, canvas, swapColor)) return;
    UnicodeWindow = IsWindowUnicode(Handle);
    SavedWindowProc = Control->WindowProc();
    Control->SetWindowProc(TWndMethod(this, &TSkinControl::WndProc));
    if (ParentBackgroundOff) Mode = 1;
    Control->Invalidate();
    Attached = true;
    PainterState = kPainterAttached;
}

void TSkinControl::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) {
    SkinData = skinData;
    SharedCanvas = canvas;
    SkinForm = form;
    Handle = window;
    Enabled = true;
    Mode = 0;
    if (SkinForm) SkinForm->AddPainter(this);
    UnicodeWindow = IsWindowUnicode(window);
    Caption = GetWindowTextWide(window);
    ObjectInstance = MakeObjectInstance(TWndMethod(this, &TSkinControl::WndProc));
    OldWndProc = WNDPROC(GetWindowLongPtr(window, GWL_WNDPROC));
    SetWindowLongPtr(window, GWL_WNDPROC, LONG_PTR(ObjectInstance));
    InvalidateRect(window, nullptr, TRUE);
    Attached = true;
    PainterState = kPainterAttached;
}

void TSkinControl::RestoreColor() {
    if (!SwapColor || !Control) return;
    SwitchParentBackground(false);
    Control->SetColor(SavedColor);
}

void TSkinControl::SwitchParentBackground(bool switching) {
    if (SkinData->Options().Contains(xoParentBackGround) || !Control) return;
    if (!GetPropInfo(Control, "ParentBackground")) return;
    if (switching) {
        ParentBackgroundOff = LowerCase(GetEnumPropByName(Control, "ParentBackground")) == "true";
        if (ParentBackgroundOff) SetPropByName(Control, "ParentBackground", "False");
    } else if (ParentBackgroundOff) {
        SetPropByName(Control, "ParentBackground", "True");
    }
}

void TSkinControl::WndProc(TMessage& message) {
    if (message.Msg == WM_SKINACTIVATE) {
        Active = LONG(message.WParam) > 0;
        if (Active) Redraw();
        return;
    }
    if (!Active) {
        CallDefault(message);
        return;
    }
    if (HandleMessage(message)) {
        CallDefault(message);
        AfterMessage(message);
    }
}

bool TSkinControl::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCDESTROY:
        CallDefault(message);
        Active = false;
        PainterState = kWindowDestroyed;
        RestoreColor();
        return false;
    case WM_SKINQUERY:
        message.Result = 1;
        return false;
    default:
        return true;
    }
}

void TSkinControl::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
        Redraw();
        break;
    case WM_PAINT:
        PaintWindow(HDC(message.WParam));
        break;
    default:
        break;
    }
}

void TSkinControl::PaintWindow(HDC dc) {
    RECT window;
    if (!GetWindowRect(Handle, &window)) return;
    WindowRect = window;
    const TRect rect{0, 0, window.right - window.left, window.bottom - window.top};
    try {
        if (dc) {
            PaintSkin(dc, rect);
        } else {
            HDC windowDC = GetWindowDC(Handle);
            try {
                PaintSkin(windowDC, rect);
            } catch (...) {
                ReleaseDC(Handle, windowDC);
                throw;
            }
            ReleaseDC(Handle, windowDC);
        }
    } catch (const std::exception&) {
        // A painter that fails leaves the window as it was painted.
    }
}

void TSkinControl::PaintSkin(HDC, const TRect&) {}

void TSkinControl::SkinChanged() {
    if (SwapColor && Control) Control->SetColor(FaceColour());
    Redraw();
}

void TSkinControl::CallDefault(TMessage& message) {
    if (SavedWindowProc)
        SavedWindowProc(message);
    else
        message.Result = CallWindowProc(OldWndProc, Handle, message.Msg, message.WParam, message.LParam);
}

void TSkinControl::Redraw() {
    if (GraphicControl) {
        GraphicControl->Invalidate();
    } else if (Handle) {
        InvalidateRect(Handle, nullptr, TRUE);
        // A parent still waiting to paint would paint over the control
        // afterwards: the waiting parents paint first, then the control.
        HWND from = Handle;
        for (HWND w = Handle; GetWindowLong(w, GWL_STYLE) & WS_CHILD;) {
            w = GetAncestor(w, GA_PARENT);
            if (!w) break;
            if (GetUpdateRect(w, nullptr, FALSE)) from = w;
        }
        RedrawWindow(from, nullptr, 0, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

void TSkinControl::LeaveHot() {
    if (Handle) SendMessage(Handle, CM_MOUSELEAVE, 0, 0);
}

void TSkinControl::ForwardMouseDown(TMessage& message) {
    TControl* control = HookedControl();
    if (!control) return;
    int x = std::int16_t(LOWORD(message.LParam)), y = std::int16_t(HIWORD(message.LParam));
    if (control->Width() > 32768 || control->Height() > 32768) {
        POINT cursor;
        GetCursorPos(&cursor);
        const TPoint client = control->ScreenToClient(TPoint{cursor.x, cursor.y});
        x = client.x;
        y = client.y;
    }
    control->MouseDown(mbLeft, KeysToShiftState(message.WParam), x, y);
}

TColor TSkinControl::ParentColor(TColor defaultColour) const {
    if (!Control || !Control->Parent()) return defaultColour;
    PPropInfo info = GetPropInfo(Control->Parent(), "Color");
    if (!info || info->Kind() != tkInteger) return defaultColour;
    return TColor(GetIntPropByName(Control->Parent(), "Color"));
}

void TSkinControl::FillSkinColor(HDC dc, const TRect& rect) const { FillSolid(dc, rect, FaceColour()); }

void TSkinControl::FillParentColor(HDC dc, const TRect& rect) const {
    FillSolid(dc, rect, ParentColor(FaceColour()));
}

LONG TSkinControl::GetWindowLongAuto(HWND window, int index) const { return GetWindowLong(window, index); }

void TSkinControl::DrawTextFocus(HDC dc, UINT flags, const TRect& rect) {
    TRect t = rect;
    SkinDrawText(dc, Caption, &t, flags | DT_CALCRECT | DT_NOCLIP);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (flags & DT_CENTER)
        OffsetRect(&t, (width - (t.right - t.left)) / 2, (height - (t.bottom - t.top)) / 2 - 1);
    else if (flags & DT_RIGHT)
        OffsetRect(&t, width - (t.right - t.left), 0);
    InflateRect(&t, 2, 1);
    IntersectRect(&t, &t, &rect);
    DrawFocusRect(dc, &t);
}

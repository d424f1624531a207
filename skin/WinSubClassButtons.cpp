// Push buttons and glyph buttons painted from the skin. The painter takes
// the left button away from the window (so the window never clicks by
// itself) and clicks on the release over a pressed button.
#include "skin/WinSubClassButtons.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/ui/imagelist.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"

namespace {

int Width(const TRect& r) { return r.right - r.left; }
int Height(const TRect& r) { return r.bottom - r.top; }

bool ReadsTrue(TObject* control, const char* name) { return LowerCase(GetEnumPropByName(control, name)) == "true"; }

}  // namespace

WideString BreakAtBars(const WideString& text) {
    WideString result = text;
    const auto at = result.find(u"||");
    if (at != WideString::npos) result.replace(at, 2, u"\r\n");
    return result;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner), Bitmap(std::make_unique<TBitmap>()) {}

TSkinButton::~TSkinButton() = default;

void TSkinButton::SetTransparentFromTag() {
    TControl* control = HookedControl();
    Transparent = (control && control->Tag() == 5555) || SkinData->Options().Contains(xoTransparent);
}

void TSkinButton::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    Mode = 0;
    const AnsiString name = Control ? LowerCase(Control->ClassName()) : AnsiString();
    if (name.starts_with("tvx") || name.starts_with("tel")) Mode = 1;
    SetTransparentFromTag();
}

bool TSkinButton::HandleMessage(TMessage& message) {
    if (PaintWholeWindow(this, message)) return false;
    switch (message.Msg) {
    case WM_TIMER:
        KillTimer(Handle, 1);
        SetWindowLong(Handle, GWL_STYLE, GetWindowLong(Handle, GWL_STYLE));
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // Taking the focus may run the leaving control's checks, and a box
        // they show eats the release with its own loop: a press released
        // meanwhile never reaches this window's button-up, so it is no
        // press of this button.
        const bool held = GetKeyState(VK_LBUTTON) < 0;
        if (!Focused) SetFocus(Handle);
        const bool releasedMeanwhile = held && GetKeyState(VK_LBUTTON) >= 0;
        if (!releasedMeanwhile) {
            MouseState |= kDown;
            PaintWindow(0);
        }
        if (Mode == 0 && Control) ForwardMouseDown(message);
        return false;
    }
    case WM_KEYUP:
        // The release ends the press before the window clicks: a box the
        // click shows finds the button drawn up.
        if (message.WParam == VK_SPACE && (MouseState & kDown)) {
            MouseState &= Byte(~kDown);
            PaintWindow(0);
        }
        return true;
    case WM_KILLFOCUS:
        // A window taking the focus while Space holds the button down (a box
        // whose loop then takes the release) leaves it up, as the platform's
        // own button does.
        MouseState &= Byte(~kDown);
        return true;
    default:
        return TSkinControl::HandleMessage(message);
    }
}

void TSkinButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SETTEXT:
        PaintWindow(0);
        break;
    case WM_KEYDOWN:
        if (message.WParam == VK_SPACE) {
            MouseState |= kDown;
            Redraw();
        }
        break;
    case WM_MOUSEMOVE:
        if (Enabled && !(MouseState & kHot)) {
            MouseState |= kHot;
            Redraw();
        }
        SkinTrackMouseLeave(Handle);
        break;
    case WM_LBUTTONUP:
        if (MouseState & kDown) {
            MouseState &= Byte(~kDown);
            Redraw();
            if (Control) {
                Control->Click();
            } else {
                char name[100] = {};
                GetClassName(Handle, name, sizeof name);
                const WPARAM id = LowerCase(AnsiString(name)) == "tbutton" ? 0 : WPARAM(GetDlgCtrlID(Handle));
                PostMessage(GetParent(Handle), WM_COMMAND, id, LPARAM(Handle));
            }
        }
        break;
    case WM_MOUSELEAVE:
        MouseState &= Byte(~(kHot | kDown));
        Redraw();
        break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
        Redraw();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

bool TSkinButton::HasButtonImage() const {
    const TDataSkinButton* buttons = SkinData->Buttons();
    return buttons && buttons->Bitmap && !buttons->Bitmap->Empty();
}

int TSkinButton::ButtonFrame(bool useDefault) {
    Focused = GetFocus() == Handle;
    Enabled = !(GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED);
    const bool isDefault = useDefault && Control && ReadsTrue(Control, "Default");
    if (!Enabled) return kDisabled;
    if (MouseState & kDown) return kDown;
    if (MouseState & kHot) return kHot;
    return Focused || isDefault ? kFocused : kNormal;
}

void TSkinButton::ReadCaption() {
    TControl* control = HookedControl();
    Caption = control ? GetTextPropByName(control, "Caption") : GetWindowTextWide(Handle);
}

void TSkinButton::PaintBackground(const TRect& rect, int frame) {
    Bitmap->SetSize(Width(rect), Height(rect));
    HDC dc = Bitmap->Canvas()->Handle();
    const TRect whole{0, 0, Width(rect), Height(rect)};
    if (Transparent && Control)
        DrawParentImage(Control, dc);
    else
        FillSkinColor(dc, whole);
    TDataSkinButton* buttons = SkinData->Buttons();
    DrawElement(this, dc, whole, buttons, frame, std::max<int>(buttons->Frame, 1));
}

void TSkinButton::SelectCaptionFont(int frame, bool normalOnlyInFrame1) {
    TCanvas* canvas = Bitmap->Canvas();
    const TDataSkinButton* buttons = SkinData->Buttons();
    if (TControl* control = HookedControl()) {
        canvas->SetFont(control->Font());
    } else {
        HFONT font = HFONT(SendMessage(Handle, WM_GETFONT, 0, 0));
        if (font) canvas->Font()->SetHandle(font);
        canvas->Font()->SetColor(SkinData->Colour(TSkinData::kButtonTextIndex));
    }
    if (buttons->NormalColour2Given && (!normalOnlyInFrame1 || frame == kNormal))
        canvas->Font()->SetColor(buttons->NormalColour2);
    if (frame == kHot && buttons->MouseOverColour2Given) canvas->Font()->SetColor(buttons->MouseOverColour2);
    if (frame == kDown && buttons->PressedColour2Given) canvas->Font()->SetColor(buttons->PressedColour2);
    if (!Enabled) canvas->Font()->SetColor(clBtnShadow);
}

void TSkinButton::PaintSkin(HDC dc, const TRect& rect) {
    if (!HasButtonImage()) return;
    const int frame = ButtonFrame(true);
    ReadCaption();
    PaintBackground(rect, frame);
    SelectCaptionFont(frame, false);
    DrawButtonCaption(Bitmap->Canvas(), TRect{0, 0, Width(rect), Height(rect)}, Caption, DT_CENTER);
    BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), Bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TSkinButton::DrawButtonCaption(TCanvas* canvas, const TRect& rect, const WideString& text, UINT alignment) {
    Caption = BreakAtBars(text);
    HDC dc = canvas->Handle();
    TRect t = rect;
    InflateRect(&t, -2, -2);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, canvas->Font()->Handle());
    SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
    SkinDrawText(dc, Caption, &t, alignment | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
    OffsetRect(&t, -t.left, -t.top);
    const int dy = (Height(rect) - Height(t)) / 2 - 1;
    if (alignment & DT_CENTER) {
        OffsetRect(&t, (Width(rect) - Width(t)) / 2, dy);
    } else {
        OffsetRect(&t, 0, dy);
        t.left = rect.left;
        t.right = rect.right;
    }
    SkinDrawText(dc, Caption, &t, AddRtlFlag(this, alignment | DT_EXPANDTABS | DT_WORDBREAK));
    SetBkMode(dc, OPAQUE);
    if (Focused && !SkinData->Options().Contains(xoNoFocusRect)) {
        InflateRect(&t, 2, 2);
        DrawFocusRect(dc, &t);
    }
}

// ---- glyph buttons ----

void TSkinBitButton::PaintSkin(HDC dc, const TRect& rect) {
    if (!HasButtonImage()) return;
    const bool graphic = !GraphicPropName.empty();
    const int frame = ButtonFrame(!graphic);
    ReadCaption();
    PaintBackground(rect, frame);
    TCanvas* canvas = Bitmap->Canvas();
    HDC bitmapDC = canvas->Handle();
    SelectCaptionFont(frame, graphic);
    SelectObject(bitmapDC, canvas->Font()->Handle());

    auto* glyph = static_cast<TBitmap*>(GetObjectPropByName(Control, "Glyph", TBitmap::StaticClass()));
    auto* picture = graphic ? static_cast<TGraphic*>(GetObjectPropByName(Control, GraphicPropName, TGraphic::StaticClass()))
                            : nullptr;
    auto* images = graphic ? nullptr
                           : static_cast<TCustomImageList*>(
                                 GetObjectPropByName(Control, "Images", TCustomImageList::StaticClass()));
    const int numGlyphs = std::max(GetIntPropByName(Control, "NumGlyphs"), 1);
    const int imageIndex = graphic ? -1 : GetIntPropByName(Control, "ImageIndex");
    const int disabledIndex = graphic ? -1 : GetIntPropByName(Control, "DisabledIndex");
    const bool centredAlignment = LowerCase(GetEnumPropByName(Control, "Alignment")) == "tacenter";

    SIZE g{};
    if (graphic) {
        if (picture) g = {picture->Width(), picture->Height()};
    } else if (glyph && !glyph->Empty()) {
        g = {glyph->Width() / numGlyphs, glyph->Height()};
    } else if (images && imageIndex != -1) {
        g = {images->Width(), images->Height()};
    }
    const GlyphLayout place = LayOutGlyph(Control, bitmapDC, rect, g, centredAlignment, 0);

    if (graphic) {
        if (picture) canvas->Draw(place.glyph.x, place.glyph.y, picture);
    } else if (glyph && !glyph->Empty()) {
        DrawGlyphCell(bitmapDC, glyph, numGlyphs, frame == kDown ? 3 : frame == kDisabled ? 2 : 1, place.glyph);
    } else if (images) {
        if (Enabled) {
            if (imageIndex != -1) images->Draw(canvas, place.glyph.x, place.glyph.y, imageIndex, true);
        } else {
            images->Draw(canvas, place.glyph.x, place.glyph.y, disabledIndex == -1 ? imageIndex : disabledIndex, false);
        }
    }
    DrawLaidOutCaption(bitmapDC, place);
    BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), bitmapDC, 0, 0, SRCCOPY);
}

TSkinBitButton::GlyphLayout TSkinBitButton::LayOutGlyph(TControl* control, HDC dc, const TRect& rect, SIZE g,
                                                        bool centredAlignment, int centredMarginExtra) {
    int margin = GetIntPropByName(control, "Margin");
    int spacing = GetIntPropByName(control, "Spacing");
    const AnsiString layoutName = LowerCase(GetEnumPropByName(control, "Layout"));
    // A missing or unknown layout is taken as glyph-left.
    const int layout = layoutName == "blglyphright" ? 1 : layoutName == "blglyphtop" ? 2 : layoutName == "blglyphbottom" ? 3 : 0;

    Caption = BreakAtBars(Caption);
    const int w = Width(rect), h = Height(rect);
    TRect textBox{2, 2, w - 2, h - 2};
    if (layout <= 1)
        textBox.right -= g.cx + 2;
    else
        textBox.bottom -= g.cy + 2;
    SIZE t{};
    if (!Caption.empty()) {
        TRect measured = textBox;
        SkinDrawText(dc, Caption, &measured, DT_CALCRECT | DT_WORDBREAK);
        t = {Width(measured), Height(measured)};
    }
    GlyphLayout place;
    place.text = t;
    POINT& gp = place.glyph;
    POINT& tp = place.textAt;
    const bool across = layout <= 1;
    const int room = across ? w : h, gs = across ? g.cx : g.cy, ts = across ? t.cx : t.cy;
    if (across) {
        gp.y = (h - g.cy + 1) / 2;
        tp.y = (h - t.cy + 1) / 2;
    } else {
        gp.x = (w - g.cx + 1) / 2;
        tp.x = (w - t.cx + 1) / 2;
    }
    if (t.cx == 0 || g.cx == 0) spacing = 0;
    if (margin == -1 || centredAlignment) {
        if (spacing == -1) {
            margin = (room - gs - ts) / 3;
            spacing = margin;
        } else {
            margin = (room - gs - spacing - ts) / 2 + centredMarginExtra;
        }
    } else if (spacing == -1) {
        spacing = (room - margin - gs - ts) / 2;
    }
    place.flags = DT_WORDBREAK;
    switch (layout) {
    case 0:
        gp.x = margin;
        tp.x = margin + g.cx + spacing;
        break;
    case 1:
        gp.x = w - margin - g.cx;
        tp.x = gp.x - spacing - t.cx;
        place.flags |= DT_RIGHT;
        break;
    case 2:
        gp.y = margin;
        tp.y = margin + g.cy + spacing;
        place.flags |= DT_CENTER;
        break;
    default:
        gp.y = h - margin - g.cy;
        tp.y = gp.y - spacing - t.cy;
        place.flags |= DT_CENTER;
        break;
    }
    return place;
}

void TSkinBitButton::DrawGlyphCell(HDC dc, TBitmap* glyph, int numGlyphs, int state, POINT at) {
    const SIZE g{glyph->Width() / numGlyphs, glyph->Height()};
    const int cell = numGlyphs < state ? 0 : state - 1;
    // A disabled glyph embosses its first cell, as a one-cell image would.
    TBitmap one;
    one.SetPixelFormat(pf24bit);
    one.SetSize(g.cx, g.cy);
    one.Canvas()->CopyRect(TRect{0, 0, g.cx, g.cy}, glyph->Canvas(),
                           TRect{(state == 2 ? 0 : cell) * g.cx, 0, (state == 2 ? 1 : cell + 1) * g.cx, g.cy});
    std::unique_ptr<TBitmap> disabled;
    TBitmap* drawn = &one;
    if (state == 2) {
        disabled = MakeDisabledGlyph(&one);
        drawn = disabled.get();
    }
    const COLORREF key = GetPixel(drawn->Canvas()->Handle(), 0, g.cy - 1);
    DrawTransparent(dc, TRect{at.x, at.y, at.x + g.cx, at.y + g.cy}, drawn, key);
}

void TSkinBitButton::DrawLaidOutCaption(HDC dc, const GlyphLayout& place) {
    if (Caption.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Bitmap->Canvas()->Font()->Color()));
    TRect textRect{place.textAt.x, place.textAt.y, place.textAt.x + place.text.cx, place.textAt.y + place.text.cy};
    SkinDrawText(dc, Caption, &textRect, AddRtlFlag(this, place.flags));
    if (Focused && !SkinData->Options().Contains(xoNoFocusRect)) {
        InflateRect(&textRect, 2, 2);
        DrawFocusRect(dc, &textRect);
    }
}

// ---- buttons with a drop-down arrow ----

void TSkinMenuButton::PaintSkin(HDC dc, const TRect& rect) {
    if (!HasButtonImage()) return;
    Focused = GetFocus() == Handle;
    Enabled = !(GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED);
    const int frame = !Enabled                 ? kDisabled
                      : MouseState & kDown     ? kDown
                      : Focused || (MouseState & kHot) ? kHot
                                               : kNormal;
    ReadCaption();
    PaintBackground(rect, frame);
    SelectCaptionFont(frame, true);
    TCanvas* canvas = Bitmap->Canvas();
    HDC bitmapDC = canvas->Handle();
    SelectObject(bitmapDC, canvas->Font()->Handle());
    const int w = Width(rect), h = Height(rect);
    constexpr int arrowArea = 17;
    Caption = BreakAtBars(Caption);
    TRect text{2, 2, w - arrowArea - 2, h - 2};
    SkinDrawText(bitmapDC, Caption, &text, DT_CALCRECT | DT_WORDBREAK);
    const int tw = Width(text), th = Height(text);
    text.left = (w - arrowArea - tw) / 2 + 2;
    text.top = (h - th + 1) / 2;
    text.right = text.left + tw;
    text.bottom = text.top + th;
    SetBkMode(bitmapDC, TRANSPARENT);
    SetTextColor(bitmapDC, ColorToRGB(canvas->Font()->Color()));
    SkinDrawText(bitmapDC, Caption, &text, AddRtlFlag(this, DT_WORDBREAK));

    const TColor arrow = Enabled ? clWindowText : clBtnShadow;
    canvas->Pen()->SetColor(arrow);
    canvas->Brush()->SetColor(arrow);
    const TPoint corners[] = {{w - 12, h / 2 + 2}, {w - 15, h / 2 - 1}, {w - 9, h / 2 - 1}};
    canvas->Polygon(corners, 3);
    if (Focused && !SkinData->Options().Contains(xoNoFocusRect)) {
        InflateRect(&text, 2, 2);
        DrawFocusRect(bitmapDC, &text);
    }
    BitBlt(dc, rect.left, rect.top, w, h, bitmapDC, 0, 0, SRCCOPY);
}

// ---- speed buttons ----

void TSkinSpeedButton::AttachGraphicControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas) {
    auto* control = dynamic_cast<TGraphicControl*>(Owner());
    if (Attached || !control) return;
    SkinData = skinData;
    SharedCanvas = canvas;
    SkinForm = form;
    GraphicControl = control;
    SavedWindowProc = control->WindowProc();
    control->SetWindowProc(TWndMethod(this, &TSkinControl::WndProc));
    if (SkinForm) SkinForm->AddPainter(this);
    PainterState = kPainterAttached;
    Attached = true;
    SetTransparentFromTag();
    control->Invalidate();
}

void TSkinSpeedButton::Unhook() {
    if (!SavedWindowProc) return;
    GraphicControl->SetWindowProc(SavedWindowProc);
    SavedWindowProc = TWndMethod();
}

bool TSkinSpeedButton::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        if (message.WParam) {
            auto* canvas = static_cast<TGraphicControl*>(GraphicControl)->Canvas();
            CanvasOnDC onDC(canvas, HDC(message.WParam));
            DrawButton(canvas);
        }
        message.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallDefault(message);
        MouseState |= kDown;
        PaintWindow(0);
        return false;
    case WM_LBUTTONUP:
        return true;
    default:
        return TSkinButton::HandleMessage(message);
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
        break;
    case WM_NCDESTROY:
    case CM_RELEASE:
        Unhook();
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (message.WParam != VK_SPACE) break;
        if (message.Msg == WM_KEYDOWN)
            MouseState |= kDown;
        else
            MouseState &= Byte(~kDown);
        PaintWindow(0);
        break;
    case WM_LBUTTONUP:
        MouseState &= Byte(~kDown);
        PaintWindow(0);
        break;
    case CM_MOUSEENTER:
        MouseState |= kHot;
        PaintWindow(0);
        break;
    case CM_MOUSELEAVE:
        MouseState &= Byte(~(kHot | kDown));
        if (GraphicControl->Visible()) PaintWindow(0);
        break;
    case WM_MOUSEMOVE:  // the hot state comes with CM_MOUSEENTER: no window to track
        break;
    default:
        TSkinButton::AfterMessage(message);
        break;
    }
}

void TSkinSpeedButton::PaintWindow(HDC) {
    auto* control = static_cast<TGraphicControl*>(GraphicControl);
    TWinControl* parent = control->Parent();
    if (!parent || !parent->HandleAllocated()) return;
    // The control's canvas has a DC only while the control paints: between
    // paints the button is drawn on its parent's DC, moved to its corner.
    const HDC dc = GetDC(parent->Handle());
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, control->Left(), control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    {
        CanvasOnDC onDC(control->Canvas(), dc);
        try {
            DrawButton(control->Canvas());
        } catch (const std::exception&) {
            // A painter that fails leaves the button as it was painted.
        }
    }
    RestoreDC(dc, saved);
    ReleaseDC(parent->Handle(), dc);
}

void TSkinSpeedButton::DrawButton(TCanvas* target) {
    if (!HasButtonImage() || Painting) return;
    Painting = true;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{Painting};
    TControl* control = GraphicControl;
    const bool down = ReadsTrue(control, "Down");
    int frame = MouseState & kDown ? kDown : MouseState & kHot ? kHot : kNormal;

    Enabled = ReadsTrue(control, "Enabled");
    if (!Enabled) frame = kDisabled;
    if (down) frame = kDown;
    const int state = down ? 4 : frame == kDown ? 3 : frame == kDisabled ? 2 : 1;
    Focused = false;
    const TRect client = control->ClientRect();
    const int w = Width(client), h = Height(client);
    if (w < 1 || h < 1) return;

    Bitmap->SetSize(w, h);
    TCanvas* canvas = Bitmap->Canvas();
    HDC dc = canvas->Handle();
    const TRect whole{0, 0, w, h};
    if (Transparent)
        DrawParentImage(control, dc);
    else
        FillSkinColor(dc, whole);
    if (!ReadsTrue(control, "Flat") || frame == kDown || frame == kHot) {
        TDataSkinButton* buttons = SkinData->Buttons();
        DrawElement(this, dc, whole, buttons, frame, std::max<int>(buttons->Frame, 1));
    }
    ReadCaption();
    SelectCaptionFont(frame, true);
    SelectObject(dc, canvas->Font()->Handle());

    const bool graphic = !GraphicPropName.empty();
    auto* glyph = static_cast<TBitmap*>(GetObjectPropByName(control, "Glyph", TBitmap::StaticClass()));
    auto* picture = graphic ? static_cast<TGraphic*>(GetObjectPropByName(control, GraphicPropName, TGraphic::StaticClass()))
                            : nullptr;
    const int numGlyphs = std::max(GetIntPropByName(control, "NumGlyphs"), 1);
    SIZE g{};
    if (graphic) {
        if (picture) g = {picture->Width(), picture->Height()};
    } else if (glyph && !glyph->Empty()) {
        g = {glyph->Width() / numGlyphs, glyph->Height()};
    }
    if (g.cx != 0 || g.cy != 0) {
        const GlyphLayout place = LayOutGlyph(control, dc, whole, g, false, 1);
        if (graphic)
            canvas->Draw(place.glyph.x, place.glyph.y, picture);
        else
            DrawGlyphCell(dc, glyph, numGlyphs, state, place.glyph);
        DrawLaidOutCaption(dc, place);
    } else {
        DrawButtonCaption(canvas, whole, Caption, DT_CENTER);
    }
    BitBlt(target->Handle(), client.left, client.top, w, h, dc, 0, 0, SRCCOPY);
}

// Tab controls, tab buttons, tab sheets and headers painted from the skin's
// "Tabs", "Tab.Pane", "Buttons" and "Headerbar" elements.
#include "skin/WinSubClassTabs.h"

#include <algorithm>
#include <cstdint>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/imagelist.h"
#include "platform/win/commctrl.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "skin/SkinBitmaps.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"
#include "skin/WinSubClassRange.h"

namespace {

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

bool HasImage(const TDataSkinObject* element) {
    return element && element->Bitmap && !element->Bitmap->Empty();
}

std::unique_ptr<TBitmap> Copy24(TBitmap* source) {
    auto copy = std::make_unique<TBitmap>();
    CopyBitmapInto(source, copy.get());
    copy->SetPixelFormat(pf24bit);
    return copy;
}

std::unique_ptr<TBitmap> StripOf(int width, int height) {
    auto strip = std::make_unique<TBitmap>();
    strip->SetPixelFormat(pf32bit);
    strip->SetSize(std::max(width, 0), std::max(height, 0));
    return strip;
}

HFONT WindowFont(TSkinControl* painter) {
    if (painter->Control) return painter->Control->Font()->Handle();
    return HFONT(SendMessage(painter->Handle, WM_GETFONT, 0, 0));
}

// The scroller a tab control or page control keeps among its child windows.
HWND ScrollerChild(HWND window) {
    for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[101] = {};
        GetClassName(child, name, 100);
        if (LowerCase(AnsiString(name)) == "msctls_updown32") return child;
    }
    return 0;
}

// The display area of a tab control's rectangle, grown by 4 pixels.
TRect DisplayArea(HWND window, const TRect& rect) {
    TRect b = rect;
    SendMessage(window, TCM_ADJUSTRECT, FALSE, LPARAM(&b));
    InflateRect(&b, 4, 4);
    return b;
}

}  // namespace

WideString TabItemText(HWND window, int index, bool unicode, int* image) {
    if (unicode) {
        WCHAR buffer[80] = {};
        TCITEMW item;
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = buffer;
        item.cchTextMax = 80;
        SendMessage(window, TCM_GETITEMW, WPARAM(index), LPARAM(&item));
        if (image) *image = item.iImage;
        return SkinWideCopy(buffer, -1);
    }
    char buffer[80] = {};
    TCITEMA item;
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = buffer;
    item.cchTextMax = 80;
    SendMessage(window, TCM_GETITEMA, WPARAM(index), LPARAM(&item));
    if (image) *image = item.iImage;
    return SkinAnsiToWide(AnsiString(buffer));
}

void DrawIconCaption(TSkinControl* painter, HDC dc, const TRect& rect, HANDLE images, int imageIndex,
                     const WideString& text, int alignment, UINT extraFlags) {
    int cx = 0, cy = 0;
    const bool listed = images && imageIndex != -1 && ImageList_GetIconSize(images, &cx, &cy);
    const bool icon = listed && cx < RectWidth(rect);
    if (!icon) cx = 0;
    TRect t = rect;
    if (listed) t.right += cx + 2;
    if (text.empty())
        t.right = t.left;
    else
        SkinDrawText(dc, text, &t, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_END_ELLIPSIS | extraFlags);
    int x = alignment == 0 ? 3 : alignment == 1 ? (RectWidth(rect) - cx - RectWidth(t)) / 2 : RectWidth(rect) - cx - RectWidth(t) - 2;
    if (x < 2) x = 1;
    if (icon) ImageList_Draw(images, imageIndex, dc, rect.left + x, rect.top + (RectHeight(rect) - cx) / 2, ILD_TRANSPARENT);
    if (text.empty()) return;
    const int textWidth = RectWidth(t), textHeight = RectHeight(t);
    t.left = rect.left + x + cx;
    t.right = std::min(t.left + textWidth, rect.right);
    t.left = std::max(t.left, rect.left);
    t.top = rect.top + (RectHeight(rect) - textHeight) / 2;
    t.bottom = t.top + textHeight;
    SetBkMode(dc, TRANSPARENT);
    if (!painter->Enabled) SetTextColor(dc, ColorToRGB(clBtnShadow));
    SkinDrawText(dc, text, &t, AddRtlFlag(painter, DT_EXPANDTABS | DT_END_ELLIPSIS | extraFlags));
}

// ---- tab sets ----

void TSkinTab31::PrepareImage() {
    TabImage.reset();
    if (!HasImage(SkinData->Tabs())) return;
    TabImage = Copy24(SkinData->Tabs()->Bitmap.get());
    FlipBitmap(TabImage.get());
}

void TSkinTab31::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool) {
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (Attached || !control) return;
    Control = control;
    AttachWindow(control->Handle(), skinData, canvas, form);
    PrepareImage();
    Scroller = control->ComponentCount() > 0 ? dynamic_cast<TWinControl*>(control->Components(0)) : nullptr;
    if (Scroller && Scroller->HandleAllocated()) {
        UpDown = new TSkinUpDown(control);
        UpDown->Horizontal = 1;
        UpDown->AttachWindow(Scroller->Handle(), SkinData, SharedCanvas, SkinForm);
    }
}

bool TSkinTab31::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        PaintOnWMPaint(this, message);
        return true;
    case WM_ERASEBKGND:
        message.Result = 1;
        return false;
    default:
        return TSkinControl::HandleMessage(message);
    }
}

void TSkinTab31::SkinChanged() {
    TSkinControl::SkinChanged();
    PrepareImage();
}

void TSkinTab31::PaintSkin(HDC dc, const TRect& rect) {
    TDataSkinBorder* tabs = SkinData->Tabs();
    if (!HasImage(tabs) || !TabImage || !Control) return;
    auto bitmap = StripOf(RectWidth(rect), RectHeight(rect));
    TCanvas* canvas = bitmap->Canvas();
    HDC bdc = canvas->Handle();
    FillSolid(bdc, TRect{0, 0, RectWidth(rect), RectHeight(rect)}, FaceColour());
    if (auto* custom = dynamic_cast<TCustomControl*>(Control)) canvas->SetFont(custom->Canvas()->Font());
    auto* items = static_cast<TStrings*>(GetObjectPropByName(Control, "Tabs", TStrings::StaticClass()));
    const int selected = GetIntPropByName(Control, "TabIndex");
    const bool scrolling = Scroller && Scroller->Visible();
    int x = std::max(GetIntPropByName(Control, "StartMargin"), 0);
    const int room = rect.right - std::max(GetIntPropByName(Control, "EndMargin"), 0);
    SelectObject(bdc, canvas->Font()->Handle());
    for (int i = std::max(GetIntPropByName(Control, "FirstIndex"), 0); items && i < items->Count(); ++i) {
        const WideString text = SkinAnsiToWide(items->Strings(i));
        SIZE extent{};
        GetTextExtentPoint32W(bdc, text.c_str(), int(text.size()), &extent);
        const int w = extent.cx;
        // A tab too wide for what is left is skipped; a narrower one after it may fit.
        if (room < x + w + (scrolling ? 21 : 9)) continue;
        const TRect place{x, 0, x + w + 9, RectHeight(rect)};
        const int frame = i == selected ? 2 : 1;
        DrawSkinCell(bdc, place, TabImage.get(), tabs->Margins(), frame, std::max<int>(tabs->Frame, 1),
                     tabs->Trans == 1, tabs->Tile != 0, false);
        canvas->Font()->SetColor(frame == 1 ? tabs->NormalColour2 : tabs->MouseOverColour2);
        DrawCaption(this, canvas, place, text, true, DT_CENTER);
        x += w + 9;
    }
    BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), bdc, 0, 0, SRCCOPY);
}

// ---- other libraries' page controls ----

void TSkinBavPage::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    if (Attached) return;
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    ApplyTabBackgrounds();
    Attached = true;
    PainterState = kPainterAttached;
}

void TSkinBavPage::ApplyTabBackgrounds() {
    TDataSkinBorder* tabs = SkinData->Tabs();
    if (Kind != kTabBackgrounds || !HasImage(tabs) || !Control) return;
    for (const auto& [frame, name] : {std::pair{1, "TabBackGround"}, std::pair{2, "TabBackGroundActive"}}) {
        auto* target = static_cast<TBitmap*>(GetObjectPropByName(Control, name, TBitmap::StaticClass()));
        if (!target) continue;
        const auto cell = BuildSkinCell(TRect{0, 0, 100, 21}, tabs->Bitmap.get(), tabs->Margins(), frame,
                                        std::max<int>(tabs->Frame, 1), tabs->Tile != 0, false);
        target->Assign(cell.get());
    }
}

void TSkinBavPage::SkinChanged() {
    TSkinControl::SkinChanged();
    ApplyTabBackgrounds();
}

void TSkinBavPage::RestoreColor() {
    TSkinControl::RestoreColor();
    if (!Control) return;
    for (const char* name : {"TabBackGround", "TabBackGroundActive"})
        if (auto* target = static_cast<TBitmap*>(GetObjectPropByName(Control, name, TBitmap::StaticClass())))
            target->Assign(nullptr);
}

void TSkinBavPage::PaintSkin(HDC, const TRect&) {
    const HWND scroller = ScrollerChild(Handle);
    if (UpDown || !scroller) return;
    UpDown = new TSkinUpDown(Control ? static_cast<TComponent*>(Control) : this);
    UpDown->AttachWindow(scroller, SkinData, SharedCanvas, SkinForm);
}

// ---- tab controls ----

void TSkinTab::PrepareImages() {
    const LONG style = GetWindowLong(Handle, GWL_STYLE);
    if ((style & TCS_VERTICAL) && (style & TCS_BOTTOM))
        Position = kRight;
    else if (style & TCS_BOTTOM)
        Position = kBottom;
    else if (style & TCS_VERTICAL)
        Position = kLeft;
    else
        Position = kTop;
    TDataSkinBorder* tabs = SkinData->Tabs();
    TabImage.reset();
    PaneImage.reset();
    if (!HasImage(tabs)) return;
    TabImage = Copy24(tabs->Bitmap.get());
    if (tabs->Style == 0 && tabs->Bitmap2 && !tabs->Bitmap2->Empty())
        PaneImage = Copy24(tabs->Bitmap2.get());
    else if (tabs->Style == 1 && HasImage(SkinData->TabPane()))
        PaneImage = Copy24(SkinData->TabPane()->Bitmap.get());
    if (Position == kBottom) {
        FlipBitmap(TabImage.get());
        if (PaneImage) FlipBitmap(PaneImage.get());
    } else if (PaneImage && Position == kLeft) {
        RotateBitmapLeft(PaneImage.get());
    } else if (PaneImage && Position == kRight) {
        RotateBitmapRight(PaneImage.get());
    }
}

HWND TSkinTab::Scroller() const { return ScrollerChild(Handle); }

void TSkinTab::PrepareScroller() {
    HWND scroller = Scroller();
    if (!scroller || UpDown) return;
    UpDown = new TSkinUpDown(Control ? static_cast<TComponent*>(Control) : this);
    UpDown->AttachWindow(scroller, SkinData, SharedCanvas, SkinForm);
}

void TSkinTab::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    if (!Control) return;
    Enabled = !(GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED);
    const AnsiString tabPosition = LowerCase(GetEnumPropByName(Control, "TabPosition"));
    CloseBoxes = Control->Tag() == kCloseBoxTag && dynamic_cast<TPageControl*>(Control) &&
                 (tabPosition.empty() || tabPosition == "tptop");
    PrepareImages();
    PrepareScroller();
    Active = true;
    Unicode = IsWindowUnicode(Handle);
}

void TSkinTab::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) {
    TSkinControl::AttachWindow(window, skinData, canvas, form);
    Focused = GetFocus() == window;
    Enabled = !(GetWindowLong(window, GWL_STYLE) & WS_DISABLED);
    Caption = GetWindowTextWide(window);
    PrepareImages();
    PrepareScroller();
    Active = true;
    Unicode = IsWindowUnicode(window);
}

void TSkinTab::SkinChanged() {
    PrepareImages();
    TSkinControl::SkinChanged();
}

bool TSkinTab::HandleMessage(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        PaintOnWMPaint(this, message);
        return false;
    }
    if (message.Msg == WM_LBUTTONDOWN && CloseBoxes) {
        const POINT p{std::int16_t(LOWORD(message.LParam)), std::int16_t(HIWORD(message.LParam))};
        bool hit = false;
        for (std::size_t i = 0; i < CloseRects.size(); ++i) {
            if (!PtInRect(&CloseRects[i], p)) continue;
            hit = true;
            CloseTab(int(i));
            break;
        }
        if (hit) {
            message.Result = 0;
            return false;
        }
    }
    return TSkinControl::HandleMessage(message);
}

// The tab index counts the pages whose tab is shown; the page freed is the
// one shown on that tab.
void TSkinTab::CloseTab(int index) {
    const LRESULT answer = SkinForm ? SendMessage(SkinForm->Window, WM_SKINTABCLOSE, WPARAM(Handle), index) : 0;
    if (answer != 0) return;
    auto* pages = dynamic_cast<TPageControl*>(Control);
    if (!pages) return;
    for (int i = 0; i < pages->PageCount(); ++i) {
        TTabSheet* page = pages->Pages(i);
        if (page->TabIndex() == index) {
            delete page;
            return;
        }
    }
}

void TSkinTab::PaintSkin(HDC dc, const TRect& rect) {
    TRect body = DisplayArea(Handle, rect);
    switch (Position) {
    case kBottom: body.bottom -= 1; break;
    case kLeft: body.left += 1; break;
    case kRight: body.right -= 1; break;
    default: body.top += 1; break;
    }
    const int count = int(SendMessage(Handle, TCM_GETITEMCOUNT, 0, 0));
    const int focus = int(SendMessage(Handle, TCM_GETCURFOCUS, 0, 0));
    const HANDLE images = HANDLE(SendMessage(Handle, TCM_GETIMAGELIST, 0, 0));
    CloseRects.assign(std::size_t(std::max(count, 0)), TRect{});
    TDataSkinBorder* tabs = SkinData->Tabs();
    if (HasImage(tabs) && TabImage) {
        TRect strip;
        switch (Position) {
        case kBottom: strip = TRect{rect.left, body.bottom, rect.right, rect.bottom}; break;
        case kLeft: strip = TRect{rect.left, rect.top, body.left, rect.bottom}; break;
        case kRight: strip = TRect{body.right, rect.top, rect.right, rect.bottom}; break;
        default: strip = TRect{rect.left, rect.top, rect.right, body.top}; break;
        }
        const bool turned = Position == kLeft || Position == kRight;
        const int length = turned ? RectHeight(strip) : RectWidth(strip);
        StripBitmap = StripOf(length, turned ? RectWidth(strip) : RectHeight(strip));
        HDC sdc = StripBitmap->Canvas()->Handle();
        FillParentColor(sdc, TRect{0, 0, StripBitmap->Width(), StripBitmap->Height()});
        const HGDIOBJ savedFont = SelectObject(sdc, WindowFont(this));
        for (int i = 0; i < count; ++i) {
            TRect r;
            if (!SendMessage(Handle, TCM_GETITEMRECT, WPARAM(i), LPARAM(&r))) continue;
            int image = -1;
            const WideString text = TabItemText(Handle, i, Unicode, &image);
            switch (Position) {
            case kBottom: OffsetRect(&r, 0, -(body.bottom + 1)); break;
            case kLeft: r = TRect{length - r.bottom, r.left, length - r.top, r.right}; break;
            case kRight: r = TRect{r.top - 1, rect.right - r.right, r.bottom - 1, rect.right - r.left}; break;
            default: OffsetRect(&r, 0, 1); break;
            }
            const int frame = i == focus ? 2 : 1;
            DrawSkinCell(sdc, r, TabImage.get(), tabs->Margins(), frame, tabs->Frame, tabs->Trans == 1,
                         tabs->Tile != 0, false);
            if (CloseBoxes) {
                const TRect box{r.right - 8, r.top + 2, r.right - 2, r.top + 8};
                const HGDIOBJ savedBrush = SelectObject(sdc, GetStockObject(NULL_BRUSH));
                Rectangle(sdc, box.left, box.top, box.right, box.bottom);
                SelectObject(sdc, savedBrush);
                MoveToEx(sdc, box.left, box.top, nullptr);
                LineTo(sdc, box.right, box.bottom);
                MoveToEx(sdc, box.right - 1, box.top, nullptr);
                LineTo(sdc, box.left - 1, box.bottom);
                // Kept in the control's client coordinates, where the click arrives.
                TRect client = box;
                OffsetRect(&client, strip.left, strip.top);
                CloseRects[std::size_t(i)] = client;
            }
            SetTextColor(sdc, ColorToRGB(frame == 1 ? tabs->NormalColour2 : tabs->MouseOverColour2));
            DrawIconCaption(this, sdc, r, images, image, text, 1, DT_SINGLELINE);
        }
        SelectObject(sdc, savedFont);
        if (Position == kLeft) RotateBitmapLeft(StripBitmap.get());
        if (Position == kRight) RotateBitmapRight(StripBitmap.get());
        // Turning makes a new image: the strip's DC is asked for again.
        sdc = StripBitmap->Canvas()->Handle();
        const int saved = SaveDC(dc);
        HWND scroller = Scroller();
        if (scroller && (GetWindowLong(scroller, GWL_STYLE) & WS_VISIBLE)) {
            RECT s;
            GetWindowRect(scroller, &s);
            OffsetRect(&s, -WindowRect.left, -WindowRect.top);
            ExcludeClipRect(dc, s.left, s.top, s.right, s.bottom);
        }
        BitBlt(dc, strip.left, strip.top, RectWidth(strip), RectHeight(strip), sdc, 0, 0, SRCCOPY);
        RestoreDC(dc, saved);
    }
    PaintBody(dc, body);
    if (Control && Mode == 2) Control->PaintControls(dc, nullptr);
}

void TSkinTab::PaintBody(HDC dc, const TRect& body) {
    if (!PaneImage || PaneImage->Empty()) return;
    TDataSkinBorder* tabs = SkinData->Tabs();
    if (tabs->Style != 0) {
        TDataSkinObject* pane = SkinData->TabPane();
        if (!pane) return;
        DrawSkinCell(dc, body, PaneImage.get(), pane->Margins(), 1, 1, false, pane->Tile != 0, false);
        return;
    }
    try {
        DrawSkinCell(dc, body, PaneImage.get(), TRect{4, 5, 4, 4}, 1, 1, false, false, false);
    } catch (const std::exception&) {
        // The body stays as the control drew it.
    }
}

// ---- tab controls in button style ----

bool TSkinTabBtn::HandleMessage(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        PaintOnWMPaint(this, message);
        return false;
    }
    return TSkinControl::HandleMessage(message);
}

void TSkinTabBtn::PaintSkin(HDC dc, const TRect& rect) {
    TDataSkinButton* buttons = SkinData->Buttons();
    if (!HasImage(buttons)) return;
    Enabled = Control ? Control->Enabled() : !(GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED);
    TRect body = DisplayArea(Handle, rect);
    body.top += 1;
    const TRect strip{rect.left, rect.top, rect.right, body.top};
    auto bitmap = StripOf(RectWidth(strip), RectHeight(strip));
    HDC sdc = bitmap->Canvas()->Handle();
    FillSkinColor(sdc, TRect{0, 0, bitmap->Width(), bitmap->Height()});
    const HGDIOBJ savedFont = SelectObject(sdc, WindowFont(this));
    const int count = int(SendMessage(Handle, TCM_GETITEMCOUNT, 0, 0));
    const int focus = int(SendMessage(Handle, TCM_GETCURFOCUS, 0, 0));
    const HANDLE images = HANDLE(SendMessage(Handle, TCM_GETIMAGELIST, 0, 0));
    for (int i = 0; i < count; ++i) {
        TRect r;
        if (!SendMessage(Handle, TCM_GETITEMRECT, WPARAM(i), LPARAM(&r))) continue;
        int image = -1;
        const WideString text = TabItemText(Handle, i, UnicodeWindow, &image);
        OffsetRect(&r, 0, 1);
        const int frame = i == focus ? 2 : 1;
        DrawElement(this, sdc, r, buttons, frame, buttons->Frame);
        COLORREF colour = RGB(0, 0, 0);
        if (frame == 1 && buttons->NormalColour2Given) colour = ColorToRGB(buttons->NormalColour2);
        if (frame == 2 && buttons->PressedColour2Given) colour = ColorToRGB(buttons->PressedColour2);
        SetTextColor(sdc, colour);
        DrawIconCaption(this, sdc, r, images, image, text, 1, DT_SINGLELINE);
    }
    SelectObject(sdc, savedFont);
    BitBlt(dc, strip.left, strip.top, RectWidth(strip), RectHeight(strip), sdc, 0, 0, SRCCOPY);
}

// ---- tab sheets ----

bool TSkinTabSheet::HandleMessage(TMessage& message) {
    const bool passed = TSkinControl::HandleMessage(message);
    if (!passed || Mode != 0) return passed;
    switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        PaintOnWMPaint(this, message);
        return false;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle, &client);
        FillRect(HDC(message.WParam), &client, SkinData->FaceBrush());
        message.Result = 1;
        return false;
    }
    default:
        return true;
    }
}

void TSkinTabSheet::PaintSkin(HDC dc, const TRect& rect) {
    FillSkinColor(dc, rect);
    if (Control) Control->PaintControls(dc, nullptr);
}

// ---- headers ----

void TSkinHeader::AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) {
    TSkinControl::AttachControl(form, skinData, canvas, swapColor);
    HotItem = -1;
}

void TSkinHeader::AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) {
    TSkinControl::AttachWindow(window, skinData, canvas, form);
    HotItem = -1;
}

bool TSkinHeader::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        PaintOnWMPaint(this, message);
        return false;
    case WM_ERASEBKGND:
        if (!HasImage(SkinData->Headerbar())) return true;
        message.Result = 1;
        return false;
    default:
        return TSkinControl::HandleMessage(message);
    }
}

void TSkinHeader::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE: {
        const POINT p{std::int16_t(LOWORD(message.LParam)), std::int16_t(HIWORD(message.LParam))};
        for (std::size_t i = 0; i < ItemRects.size(); ++i)
            if (PtInRect(&ItemRects[i], p) && int(i) != HotItem) {
                HotItem = int(i);
                Redraw();
            }
        SkinTrackMouseLeave(Handle);
        break;
    }
    case WM_MOUSELEAVE:
        HotItem = -1;
        Redraw();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinHeader::PaintSkin(HDC dc, const TRect& rect) {
    TDataSkinObject* bar = SkinData->Headerbar();
    if (!HasImage(bar)) return;
    auto bitmap = StripOf(RectWidth(rect), RectHeight(rect));
    HDC bdc = bitmap->Canvas()->Handle();
    const HGDIOBJ savedFont = SelectObject(bdc, WindowFont(this));
    SetBkMode(bdc, TRANSPARENT);
    Enabled = true;
    const HANDLE images = HANDLE(SendMessage(Handle, HDM_GETIMAGELIST, 0, 0));
    const int count = int(SendMessage(Handle, HDM_GETITEMCOUNT, 0, 0));
    ItemRects.assign(std::size_t(std::max(count, 0)), TRect{});
    int rightmost = rect.left;
    for (int i = 0; i < count; ++i) {
        TRect r;
        if (!SendMessage(Handle, HDM_GETITEMRECT, WPARAM(i), LPARAM(&r))) continue;
        PaintItem(bdc, i, r, images);
        rightmost = std::max(rightmost, int(r.right));
        InflateRect(&r, -3, 0);
        ItemRects[std::size_t(i)] = r;
    }
    if (rightmost < rect.right)
        DrawSkinCell(bdc, TRect{rightmost, rect.top, rect.right, rect.bottom}, bar->Bitmap.get(), bar->Margins(), 1,
                     bar->Frame, false, bar->Tile != 0, false);
    SelectObject(bdc, savedFont);
    BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), bdc, 0, 0, SRCCOPY);
}

void TSkinHeader::PaintItem(HDC dc, int index, const TRect& rect, HANDLE images) {
    TDataSkinObject* bar = SkinData->Headerbar();
    WCHAR buffer[201] = {};
    HDITEMW item;
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = buffer;
    item.cchTextMax = 201;
    SendMessage(Handle, HDM_GETITEMW, WPARAM(index), LPARAM(&item));
    auto cell = StripOf(RectWidth(rect), RectHeight(rect));
    HDC cdc = cell->Canvas()->Handle();
    DrawSkinCell(cdc, TRect{0, 0, RectWidth(rect), RectHeight(rect)}, bar->Bitmap.get(), bar->Margins(),
                 index == HotItem ? 2 : 1, bar->Frame, false, bar->Tile != 0, false);
    const WideString text = SkinWideCopy(buffer, -1);
    if (!text.empty()) {
        const int imageIndex = (item.fmt & (HDF_IMAGE | HDF_OWNERDRAW)) ? item.iImage : -1;
        const int alignment = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? 2 : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? 1 : 0;
        SelectObject(cdc, GetCurrentObject(dc, OBJ_FONT));
        SetBkMode(cdc, TRANSPARENT);
        SetTextColor(cdc, SkinData->ColourGiven(0) ? ColorToRGB(SkinData->Colour(0)) : RGB(0, 0, 0));
        DrawIconCaption(this, cdc, TRect{0, 0, RectWidth(rect), RectHeight(rect)}, images, imageIndex, text, alignment,
                        DT_SINGLELINE);
    }
    BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), cdc, 0, 0, SRCCOPY);
}

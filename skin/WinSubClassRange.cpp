// Spin buttons, track bars and progress bars painted from the skin's
// "UpDown.Vert"/"UpDown.Horz", "Track"/"TRACKVERT", "Trackbar.Thumb…",
// "Progress" and "Progress.Chunk" elements.
#include "skin/WinSubClassRange.h"

#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/commctrl.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "skin/SkinBitmaps.h"
#include "skin/WinSkinFormDraw.h"

namespace {

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

bool HasImage(const TDataSkinObject* element) {
    return element && element->Bitmap && !element->Bitmap->Empty();
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

std::unique_ptr<TBitmap> Offscreen(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(std::max(width, 0), std::max(height, 0));
    return bitmap;
}

}  // namespace

// ---- spin buttons ----

// Directions: 0 up, 1 down, 2 left, 3 right.
void DrawSpinArrow(HDC dc, int x, int y, int direction) {
    switch (direction) {
    case 0:
        Line(dc, x, y, x, y - 1);
        Line(dc, x + 1, y + 1, x + 4, y + 4);
        Line(dc, x, y + 1, x + 3, y + 4);
        Line(dc, x, y + 2, x + 2, y + 4);
        Line(dc, x - 1, y + 1, x - 4, y + 4);
        Line(dc, x, y + 2, x - 3, y + 4);
        Line(dc, x, y + 1, x - 2, y + 4);
        break;
    case 1:
        Line(dc, x, y + 3, x, y + 4);
        Line(dc, x + 1, y + 2, x + 4, y - 1);
        Line(dc, x, y + 2, x + 3, y - 1);
        Line(dc, x, y + 1, x + 2, y);
        Line(dc, x - 1, y + 2, x - 4, y - 1);
        Line(dc, x, y + 2, x - 3, y - 1);
        Line(dc, x, y + 1, x - 2, y);
        break;
    default: {
        const int near = direction == 2 ? x + 1 : x - 1, far = direction == 2 ? x - 1 : x + 1;
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, near, y + 2);
        LineTo(dc, near, y - 2);
        LineTo(dc, far, y);
        LineTo(dc, near, y + 2);
        break;
    }
    }
}

bool TSkinUpDown::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        PaintOnWMPaint(this, message);
        return false;
    case WM_ERASEBKGND:
        if (!Control) {
            RECT client;
            GetClientRect(Handle, &client);
            FillSolid(HDC(message.WParam), client, clWhite);
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
        MouseState &= Byte(~kDown);
        CallDefault(message);
        PaintWindow(0);
        return false;
    default:
        return TSkinControl::HandleMessage(message);
    }
}

int TSkinUpDown::ButtonState(int button, bool enabled, bool cursorBeyondHalf) const {
    if (!enabled) return 3;
    const bool other = button == 0 ? cursorBeyondHalf : !cursorBeyondHalf;
    if (other) return 1;
    if (MouseState & kDown) return 2;
    if (MouseState & kHot) return 4;
    return 1;
}

void TSkinUpDown::PaintSkin(HDC dc, const TRect& rect) {
    TRect r = rect;
    if (Embedded) {
        RECT client;
        GetClientRect(Handle, &client);
        FillSolid(dc, client, clWhite);
        RECT own, parent;
        GetWindowRect(Handle, &own);
        GetWindowRect(GetParent(Handle), &parent);
        r.top = std::max(r.top, parent.top - own.top + 3);
        r.bottom = std::min(r.bottom, parent.bottom - own.top - 3);
        r.right = std::min(r.right, parent.right - own.left - 3);
    }
    if (RectWidth(r) <= 0 || RectHeight(r) <= 0) return;
    auto bitmap = Offscreen(RectWidth(r), RectHeight(r));
    HDC bdc = bitmap->Canvas()->Handle();
    FillSkinColor(bdc, TRect{0, 0, RectWidth(r), RectHeight(r)});
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(Handle, &cursor);
    const bool enabled = !(GetWindowLong(Handle, GWL_STYLE) & WS_DISABLED);
    const bool horizontal = Horizontal == 1 || (GetWindowLong(Handle, GWL_STYLE) & UDS_HORZ);
    TRect boxes[2];
    bool beyond;
    if (horizontal) {
        const int half = RectWidth(r) / 2;
        boxes[0] = TRect{0, 0, half, RectHeight(r)};
        boxes[1] = TRect{half, 0, RectWidth(r), RectHeight(r)};
        beyond = cursor.x - r.left >= half;
    } else {
        const int half = RectHeight(r) / 2;
        boxes[0] = TRect{0, 0, RectWidth(r), half};
        boxes[1] = TRect{0, half, RectWidth(r), RectHeight(r)};
        beyond = cursor.y - r.top >= half;
    }
    TDataSkinBorder* element = horizontal ? SkinData->UpDownHorz() : SkinData->UpDownVert();
    for (int button = 0; button < 2; ++button) {
        const int state = ButtonState(button, enabled, beyond);
        const TRect& box = boxes[button];
        if (HasImage(element)) {
            const int frame = state + 4 * button;
            DrawSkinFrame(bdc, box, element->Bitmap.get(), frame, element->Frame, true);
            if (element->Bitmap2 && !element->Bitmap2->Empty())
                DrawSkinGlyph(bdc, box, element->Bitmap2.get(), frame, element->Frame, true);
            continue;
        }
        HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(SkinData->Colour(8)));
        const TColor fill = state == 2 || state == 4 ? SkinData->Colour(TSkinData::kButtonShadowIndex) : FaceColour();
        HBRUSH brush = CreateSolidBrush(ColorToRGB(fill));
        const HGDIOBJ savedPen = SelectObject(bdc, pen), savedBrush = SelectObject(bdc, brush);
        Rectangle(bdc, box.left, box.top, box.right, box.bottom);
        const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
        DrawSpinArrow(bdc, cx, horizontal ? cy : cy - 2, horizontal ? 2 + button : button);
        SelectObject(bdc, savedPen);
        SelectObject(bdc, savedBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
    BitBlt(dc, r.left, r.top, RectWidth(r), RectHeight(r), bdc, 0, 0, SRCCOPY);
}

// ---- track bars ----

bool TSkinTrackBar::HandleMessage(TMessage& message) {
    if (message.Msg == WM_NOTIFY || message.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (!header || header->code != NM_CUSTOMDRAW) return true;
        message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
        return false;
    }
    return TSkinControl::HandleMessage(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    switch (draw.dwItemSpec) {
    case TBCD_THUMB:
        DrawThumb(draw.hdc);
        return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL:
        DrawChannel(draw.hdc);
        return CDRF_SKIPDEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

void TSkinTrackBar::DrawChannel(HDC dc) {
    RECT channel;
    SendMessage(Handle, TBM_GETCHANNELRECT, 0, LPARAM(&channel));
    const bool vertical = GetWindowLong(Handle, GWL_STYLE) & TBS_VERT;
    if (TDataSkinObject* track = SkinData->TrackVert(); vertical && HasImage(track)) {
        channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
        TBitmap* image = track->Bitmap.get();
        const int w = image->Width(), h = image->Height();
        const int x = channel.left + (w < RectWidth(channel) ? (RectWidth(channel) - w) / 2 : 0);
        const int middle = RectHeight(channel) - track->TopHeight - track->BottomHeight;
        HDC sdc = image->Canvas()->Handle();
        StretchBlt(dc, x, channel.top, w, track->TopHeight, sdc, 0, 0, w, track->TopHeight, SRCCOPY);
        StretchBlt(dc, x, channel.top + track->TopHeight, w, middle, sdc, 0, track->TopHeight, w,
                   h - track->TopHeight - track->BottomHeight, SRCCOPY);
        StretchBlt(dc, x, channel.bottom - track->BottomHeight, w, track->BottomHeight, sdc, 0, h - track->BottomHeight,
                   w, track->BottomHeight, SRCCOPY);
        return;
    }
    TDataSkinObject* track = SkinData->Track();
    if (!HasImage(track)) return;
    TBitmap* image = track->Bitmap.get();
    const int w = image->Width(), h = image->Height();
    const int y = channel.top + (h < RectHeight(channel) ? (RectHeight(channel) - h) / 2 : 0);
    const int middle = RectWidth(channel) - track->LeftWidth - track->RightWidth;
    HDC sdc = image->Canvas()->Handle();
    StretchBlt(dc, channel.left, y, track->LeftWidth, h, sdc, 0, 0, track->LeftWidth, h, SRCCOPY);
    StretchBlt(dc, channel.left + track->LeftWidth, y, middle, h, sdc, track->LeftWidth, 0,
               w - track->LeftWidth - track->RightWidth, h, SRCCOPY);
    StretchBlt(dc, channel.right - track->RightWidth, y, track->RightWidth, h, sdc, w - track->RightWidth, 0,
               track->RightWidth, h, SRCCOPY);
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    if (!IsWindow(Handle)) return;
    RECT thumb;
    SendMessage(Handle, TBM_GETTHUMBRECT, 0, LPARAM(&thumb));
    const bool vertical = GetWindowLong(Handle, GWL_STYLE) & TBS_VERT;
    TDataSkinObject* element = vertical && HasImage(SkinData->TrackbarThumbVert()) ? SkinData->TrackbarThumbVert()
                                                                                  : SkinData->TrackbarThumbHorz();
    if (HasImage(element)) {
        DrawSkinFrame(dc, thumb, element->Bitmap.get(), 2, element->Frame, true);
        return;
    }
    HBRUSH brush = CreateSolidBrush(ColorToRGB(SkinData->Colour(TSkinData::kButtonShadowIndex)));
    FrameRect(dc, &thumb, brush);
    DeleteObject(brush);
}

void TSkinTrackBar::SkinChanged() {
    HWND focused = GetFocus();
    SetFocus(Handle);
    if (focused && focused != Handle) SetFocus(focused);
}

// ---- progress bars ----

int ProgressFillWidth(int width, int low, int high, int position) {
    if (high <= low || high <= 0 || position <= 0) return 0;
    return MulDiv(width, std::clamp(position, low, high) - low, high - low);
}

bool TSkinProgress::HandleMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        if (!HasImage(SkinData->Progress())) return true;
        PaintOnWMPaint(this, message);
        message.Result = 0;
        return false;
    case WM_ERASEBKGND:
        message.Result = 1;
        return false;
    default:
        return TSkinControl::HandleMessage(message);
    }
}

void TSkinProgress::PaintSkin(HDC dc, const TRect& rect) {
    TDataSkinBorder* progress = SkinData->Progress();
    if (!HasImage(progress)) return;
    const bool vertical = GetWindowLong(Handle, GWL_STYLE) & PBS_VERTICAL;
    const int width = vertical ? RectHeight(rect) : RectWidth(rect), height = vertical ? RectWidth(rect) : RectHeight(rect);
    auto bitmap = Offscreen(width, height);
    HDC bdc = bitmap->Canvas()->Handle();
    const TRect bar{0, 0, width, height};
    FillSkinColor(bdc, bar);
    PBRANGE range;
    SendMessage(Handle, PBM_GETRANGE, 0, LPARAM(&range));
    const int position = int(SendMessage(Handle, PBM_GETPOS, 0, 0));
    const int fill = ProgressFillWidth(width, range.iLow, range.iHigh, position);
    if (progress->Style == 0) {
        DrawSkinCell(bdc, bar, progress->Bitmap.get(), progress->Margins(), 1, progress->Frame, true,
                     progress->Tile != 0, false);
        if (fill > 0)
            DrawSkinCell(bdc, TRect{0, 0, fill, height}, progress->Bitmap.get(), progress->Margins(), 2,
                         progress->Frame, true, progress->Tile != 0, false);
    } else if (TDataSkinObject* chunk = SkinData->ProgressChunk(); HasImage(chunk)) {
        DrawSkinCell(bdc, bar, progress->Bitmap.get(), progress->Margins(), 1, 1, true, progress->Tile != 0, false);
        if (fill > 0 && chunk->Tile == 1) {
            const int cw = chunk->Bitmap->Width(), ch = chunk->Bitmap->Height();
            auto strip = Offscreen(fill, ch);
            for (int i = 0; i <= fill / cw; ++i)
                BitBlt(strip->Canvas()->Handle(), i * cw, 0, cw, ch, chunk->Bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
            BitBlt(bdc, chunk->LeftWidth + 2, (height - ch) / 2, fill, ch, strip->Canvas()->Handle(), 0, 0, SRCCOPY);
        } else if (fill > 0) {
            DrawSkinBar(bdc, TRect{2, 2, 2 + fill, 2 + height - 4}, chunk->Bitmap.get(), chunk->Margins(), 1, 1, false);
        }
    }
    if (vertical) RotateBitmapLeft(bitmap.get());
    BitBlt(dc, rect.left, rect.top, RectWidth(rect), RectHeight(rect), bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
}

// The system icons (LoadIcon with instance 0): the error, question,
// warning and information signs of message boxes, and the plain
// application icon, drawn in the classic colours at 32 x 32.
#include <cstdint>

#include "platform/win/userdraw.h"
#include "platform/win/window_internal.h"

namespace {

constexpr int iconSize = 32;
constexpr COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);

// What a sign is made of: a body (circle, speech balloon or triangle) in
// its fill colour, and a mark (a letter, or a cross) drawn on it.
enum class Body { Circle, Balloon, Triangle, Window };

struct Sign {
    std::uintptr_t id;
    Body body;
    COLORREF fill;
    const char* mark;  // nullptr: a white cross
    COLORREF markColour;
};

const Sign signs[] = {
    {IDI_HAND, Body::Circle, RGB(255, 0, 0), nullptr, white},
    {IDI_QUESTION, Body::Balloon, white, "?", RGB(0, 0, 255)},
    {IDI_EXCLAMATION, Body::Triangle, RGB(255, 255, 0), "!", black},
    {IDI_ASTERISK, Body::Balloon, white, "i", RGB(0, 0, 255)},
    {IDI_APPLICATION, Body::Window, white, nullptr, black},
};

// The body's outline; drawn once in colour and once in black for the mask.
void DrawBody(HDC dc, Body body) {
    switch (body) {
    case Body::Circle:
        Ellipse(dc, 1, 1, 31, 31);
        break;
    case Body::Balloon: {
        Ellipse(dc, 1, 1, 31, 25);
        const POINT tail[] = {{8, 21}, {6, 30}, {15, 23}};
        Polygon(dc, tail, 3);
        break;
    }
    case Body::Triangle: {
        const POINT corners[] = {{16, 1}, {31, 29}, {1, 29}};
        Polygon(dc, corners, 3);
        break;
    }
    case Body::Window:
        Rectangle(dc, 2, 4, 30, 28);
        break;
    }
}

void DrawMark(HDC dc, const Sign& sign) {
    if (sign.body == Body::Window) {
        RECT caption{3, 5, 29, 10};
        HBRUSH navy = CreateSolidBrush(RGB(0, 0, 128));
        FillRect(dc, &caption, navy);
        DeleteObject(navy);
        return;
    }
    if (!sign.mark) {
        HPEN cross = CreatePen(PS_SOLID, 3, sign.markColour);
        HGDIOBJ old = SelectObject(dc, cross);
        MoveToEx(dc, 10, 10, nullptr);
        LineTo(dc, 21, 21);
        MoveToEx(dc, 21, 10, nullptr);
        LineTo(dc, 10, 21);
        SelectObject(dc, old);
        DeleteObject(cross);
        return;
    }
    HFONT font = CreateFont(22, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, sign.markColour);
    RECT area{0, sign.body == Body::Triangle ? 8 : 1, iconSize, sign.body == Body::Triangle ? 30 : 25};
    DrawText(dc, sign.mark, 1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

// Draws into a new 32 x 32 bitmap cleared to `background`.
template <class Paint>
HBITMAP Render(COLORREF background, Paint paint) {
    HBITMAP bitmap = CreateBitmap(iconSize, iconSize, 1, 32, nullptr);
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBRUSH clear = CreateSolidBrush(background);
    RECT all{0, 0, iconSize, iconSize};
    FillRect(dc, &all, clear);
    DeleteObject(clear);
    paint(dc);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    return bitmap;
}

// The image is black where the mask is white (transparent), as DrawIconEx
// combines them.
HICON MakeIcon(const Sign& sign) {
    ICONINFO info;
    info.hbmColor = Render(black, [&](HDC dc) {
        HBRUSH fill = CreateSolidBrush(sign.fill);
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        DrawBody(dc, sign.body);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(fill);
        DrawMark(dc, sign);
    });
    info.hbmMask = Render(white, [&](HDC dc) {
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        DrawBody(dc, sign.body);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
    });
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}

}  // namespace

HICON ws::SystemIcon(std::uintptr_t id) {
    for (const Sign& sign : signs)
        if (sign.id == id) return MakeIcon(sign);
    return 0;
}

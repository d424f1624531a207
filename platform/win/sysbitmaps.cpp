// The system bitmaps (LoadBitmap with instance 0), drawn with the frame
// controls in the classic colours, and the lookup of the program's own
// bitmap resources.
#include <cstdint>

#include "platform/gdi/bmpfile.h"
#include "platform/win/resources.h"
#include "platform/win/userdraw.h"

namespace {

// Paints into a new 32-bit bitmap of the given size through `paint(dc)`.
template <class Paint>
HBITMAP Render(int width, int height, Paint paint) {
    HBITMAP bitmap = CreateBitmap(width, height, 1, 32, nullptr);
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    paint(dc);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

HBITMAP FrameControlBitmap(int width, int height, UINT type, UINT state) {
    return Render(width, height, [&](HDC dc) {
        RECT r{0, 0, width, height};
        DrawFrameControl(dc, &r, type, state);
    });
}

// The 4 x 3 grid of 13 x 13 check-box images: check boxes, radio buttons
// and three-state boxes, each unchecked, checked, pushed, pushed checked.
HBITMAP CheckBoxes() {
    return Render(52, 39, [](HDC dc) {
        const UINT rows[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
        const UINT columns[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column) {
                RECT r{column * 13, row * 13, column * 13 + 13, row * 13 + 13};
                DrawFrameControl(dc, &r, DFC_BUTTON, rows[row] | columns[column]);
            }
    });
}

struct FrameBitmap {
    int id, width, height;
    UINT type, state;
};

const FrameBitmap frameBitmaps[] = {
    {OBM_CHECK, 13, 13, DFC_MENU, DFCS_MENUCHECK},
    {OBM_MNARROW, 13, 13, DFC_MENU, DFCS_MENUARROW},
    {OBM_UPARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLUP},
    {OBM_DNARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLDOWN},
    {OBM_LFARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLLEFT},
    {OBM_RGARROW, 16, 16, DFC_SCROLL, DFCS_SCROLLRIGHT},
    {OBM_UPARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLUP | DFCS_PUSHED},
    {OBM_DNARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED},
    {OBM_LFARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_PUSHED},
    {OBM_RGARROWD, 16, 16, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_PUSHED},
    {OBM_UPARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE},
    {OBM_DNARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE},
    {OBM_LFARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_INACTIVE},
    {OBM_RGARROWI, 16, 16, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_INACTIVE},
    {OBM_COMBO, 16, 16, DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
    {OBM_CLOSE, 16, 14, DFC_CAPTION, DFCS_CAPTIONCLOSE},
    {OBM_REDUCE, 16, 14, DFC_CAPTION, DFCS_CAPTIONMIN},
    {OBM_ZOOM, 16, 14, DFC_CAPTION, DFCS_CAPTIONMAX},
    {OBM_RESTORE, 16, 14, DFC_CAPTION, DFCS_CAPTIONRESTORE},
    {OBM_REDUCED, 16, 14, DFC_CAPTION, DFCS_CAPTIONMIN | DFCS_PUSHED},
    {OBM_ZOOMD, 16, 14, DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_PUSHED},
    {OBM_RESTORED, 16, 14, DFC_CAPTION, DFCS_CAPTIONRESTORE | DFCS_PUSHED},
    {OBM_SIZE, 16, 16, DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
    {OBM_BTSIZE, 16, 16, DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
};

HBITMAP SystemBitmap(int id) {
    if (id == OBM_CHECKBOXES) return CheckBoxes();
    for (const FrameBitmap& b : frameBitmaps)
        if (b.id == id) return FrameControlBitmap(b.width, b.height, b.type, b.state);
    return 0;
}

}  // namespace

HBITMAP LoadBitmap(HINSTANCE instance, const char* name) {
    auto id = reinterpret_cast<std::uintptr_t>(name);
    if (instance == 0) return id <= 0xFFFF ? SystemBitmap(int(id)) : 0;
    const EmbeddedResource* resource = FindEmbeddedResource("BITMAP", name);
    return resource ? ReadBmp(resource->data, resource->size) : 0;
}

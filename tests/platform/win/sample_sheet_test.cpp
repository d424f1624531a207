// Renders a sheet of shapes, edges, frame controls and text to
// screenshots/gdi.png for people to review.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "platform/win/userdraw.h"
#include "tests/platform/gdi/gdi_fixture.h"
#include "platform/gdi/imagecodecs.h"
#include "support/temp_dir.h"

namespace {

void Shapes(HDC dc) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 128));
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 128, 0));
    SelectObject(dc, pen);
    SelectObject(dc, yellow);
    Rectangle(dc, 10, 10, 70, 50);
    RoundRect(dc, 80, 10, 140, 50, 12, 12);
    Ellipse(dc, 150, 10, 210, 50);
    SelectObject(dc, hatch);
    Pie(dc, 220, 10, 280, 60, 280, 35, 250, 10);
    Chord(dc, 290, 10, 350, 60, 350, 35, 290, 35);
    POINT star[] = {{390, 10}, {402, 50}, {370, 25}, {410, 25}, {378, 50}};
    SetPolyFillMode(dc, ALTERNATE);
    Polygon(dc, star, 5);
    Arc(dc, 420, 10, 480, 60, 480, 35, 420, 35);
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    for (int i = 0; i < 5; ++i) {
        HPEN styled = CreatePen(styles[i], 1, RGB(128, 0, 0));
        HGDIOBJ old = SelectObject(dc, styled);
        MoveToEx(dc, 500, 12 + i * 10, nullptr);
        LineTo(dc, 620, 12 + i * 10);
        SelectObject(dc, old);
        DeleteObject(styled);
    }
    LOGBRUSH lb{BS_SOLID, RGB(0, 0, 255), 0};
    HPEN wide = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 5, &lb, 0, nullptr);
    SelectObject(dc, wide);
    POINT lines[] = {{10, 70}, {120, 70}, {10, 85}, {120, 95}};
    DWORD counts[] = {2, 2};
    PolyPolyline(dc, lines, counts, 2);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(wide);
    DeleteObject(pen);
    DeleteObject(yellow);
    DeleteObject(hatch);
}

void Edges(HDC dc) {
    const UINT edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP, BDR_RAISEDINNER, BDR_SUNKENOUTER};
    for (int i = 0; i < 6; ++i) {
        RECT r{10 + i * 50, 110, 50 + i * 50, 140};
        DrawEdge(dc, &r, edges[i], BF_RECT | BF_MIDDLE);
    }
    struct Control {
        UINT type, state;
    } controls[] = {{DFC_BUTTON, DFCS_BUTTONCHECK},
                    {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED},
                    {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE},
                    {DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED},
                    {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT},
                    {DFC_BUTTON, DFCS_BUTTONRADIO},
                    {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED},
                    {DFC_SCROLL, DFCS_SCROLLUP},
                    {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED},
                    {DFC_SCROLL, DFCS_SCROLLLEFT},
                    {DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_INACTIVE},
                    {DFC_SCROLL, DFCS_SCROLLCOMBOBOX},
                    {DFC_SCROLL, DFCS_SCROLLSIZEGRIP},
                    {DFC_CAPTION, DFCS_CAPTIONCLOSE},
                    {DFC_CAPTION, DFCS_CAPTIONMIN},
                    {DFC_CAPTION, DFCS_CAPTIONMAX},
                    {DFC_CAPTION, DFCS_CAPTIONRESTORE},
                    {DFC_MENU, DFCS_MENUCHECK},
                    {DFC_BUTTON, DFCS_BUTTONPUSH}};
    int x = 320;
    for (const Control& c : controls) {
        int size = c.type == DFC_BUTTON && !(c.state & DFCS_BUTTONPUSH) ? 13 : 16;
        RECT r{x, 115, x + size, 115 + size};
        DrawFrameControl(dc, &r, c.type, c.state);
        x += size + 4;
    }
    RECT focus{10, 150, 110, 170};
    DrawFocusRect(dc, &focus);
    HBITMAP boxes = LoadBitmap(0, OBM_CHECKBOXES);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, boxes);
    BitBlt(dc, 130, 145, 52, 39, source, 0, 0, SRCCOPY);
    StretchBlt(dc, 190, 145, 104, 39, source, 0, 0, 52, 39, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(boxes);
}

void Text(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    struct Sample {
        const char* face;
        int height, weight;
        bool italic, underline;
        const char* text;
    } samples[] = {{"宋体", -12, FW_NORMAL, false, false, "宋体 12: 确实要退出本系统吗？ Service 0123456789"},
                   {"宋体", -16, FW_BOLD, false, false, "宋体 16 bold: 维修单据 Repair order"},
                   {"黑体", -20, FW_NORMAL, false, false, "黑体 20: 手机售后服务管理"},
                   {"楷体_GB2312", -18, FW_NORMAL, true, true, "楷体 18 italic underline: 备用机库"},
                   {"Arial", -13, FW_NORMAL, false, false, "Arial 13 -> Noto Sans Mono CJK SC"}};
    int y = 195;
    for (const Sample& s : samples) {
        HFONT f = MakeFont(s.face, s.height, s.weight, 0, s.italic, s.underline);
        HGDIOBJ old = SelectObject(dc, f);
        TextOut(dc, 10, y, s.text, int(std::strlen(s.text)));
        y += -s.height + 6;
        SelectObject(dc, old);
        DeleteObject(f);
    }
    HFONT f = MakeFont("宋体", -12);
    HGDIOBJ old = SelectObject(dc, f);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 225));
    const UINT formats[] = {DT_LEFT | DT_WORDBREAK, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                            DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, DT_END_ELLIPSIS | DT_SINGLELINE,
                            DT_PATH_ELLIPSIS | DT_SINGLELINE};
    const char* texts[] = {"自动换行的文字 word break text", "居中 &Center", "右下 Right", "结尾省略号的很长很长的文字",
                           "d:\\维修\\数据\\database.mdb"};
    for (int i = 0; i < 5; ++i) {
        RECT r{10 + i * 124, 330, 128 + i * 124, 380};
        FrameRect(dc, &r, (HBRUSH)GetStockObject(GRAY_BRUSH));
        InflateRect(&r, -2, -2);
        DrawText(dc, texts[i], -1, &r, formats[i]);
    }
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, old);
    DeleteObject(f);
    HFONT vertical = MakeFont("宋体", -14, FW_NORMAL, 900);
    old = SelectObject(dc, vertical);
    TextOut(dc, 610, 320, "竖排 Rotated", 12);
    SelectObject(dc, old);
    DeleteObject(vertical);
}

TEST(SampleSheet, RendersShapesEdgesControlsAndText) {
    MemoryDC dc(640, 400, GetSysColor(COLOR_BTNFACE));
    Shapes(dc);
    Edges(dc);
    Text(dc);
    std::string png = EncodePng(dc.bitmap());
    ASSERT_FALSE(png.empty());
    std::ofstream(ScreenshotDir() + "gdi.png", std::ios::binary) << png;
}

}  // namespace

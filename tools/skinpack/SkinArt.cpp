// The skin art. Faces are light greys around the skin's face colour (244,
// 244, 244); hot and selected states take the light-blue highlight (197,
// 231, 246), pressed states darken, disabled states fade, so that every
// state frame of every element differs from its neighbours.
#include "tools/skinpack/SkinArt.h"

#include "tools/skinpack/BmpWriter.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kFace = RGB(244, 244, 244);
constexpr COLORREF kHighlight = RGB(197, 231, 246);
constexpr COLORREF kTitle = RGB(96, 140, 196);
constexpr COLORREF kDark = RGB(64, 64, 64);

constexpr int kCaptionButtonWidth = 16, kCaptionButtonHeight = 14;
constexpr int kScrollCell = 17;

COLORREF Mix(COLORREF a, COLORREF b, int percentOfA) {
    auto channel = [&](int shift) {
        const int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
        return static_cast<COLORREF>((x * percentOfA + y * (100 - percentOfA)) / 100) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

// Faces of states 1, 2, ...: normal, pressed, disabled, hot, focused, then
// further shades for elements with more frames.
COLORREF StateFace(COLORREF base, int state) {
    static const COLORREF tints[] = {0, RGB(128, 128, 128), RGB(220, 220, 220), kHighlight, RGB(120, 170, 230)};
    if (state == 1) return base;
    if (state <= 5) return Mix(base, tints[state - 1], 45);
    return Mix(base, RGB(0, 0, 0), 100 - 6 * state);
}

struct TStrip {
    int cellWidth, cellHeight, states;
    bool vertical = false;
    COLORREF base = kFace;
    bool holes = false;  // magenta corners, for elements drawn transparent
    bool mark = false;   // a dark centre mark, for glyphs and arrows
};

// One cell per state, side by side or stacked, each bevelled.
TArtImage PaintStrip(const TStrip& strip) {
    const int columns = strip.vertical ? 1 : strip.states, rows = strip.vertical ? strip.states : 1;
    TArtImage image(strip.cellWidth * columns, strip.cellHeight * rows, kMagenta);
    for (int state = 1; state <= strip.states; ++state) {
        const int left = strip.vertical ? 0 : (state - 1) * strip.cellWidth;
        const int top = strip.vertical ? (state - 1) * strip.cellHeight : 0;
        const int right = left + strip.cellWidth, bottom = top + strip.cellHeight;
        const COLORREF face = StateFace(strip.base, state);
        const bool pressed = state == 2;
        image.Fill({left, top, right, bottom}, face);
        const COLORREF light = pressed ? Mix(face, kDark, 40) : Mix(face, RGB(255, 255, 255), 30);
        const COLORREF shadow = pressed ? Mix(face, RGB(255, 255, 255), 30) : Mix(face, kDark, 40);
        image.Fill({left, top, right, top + 1}, light);
        image.Fill({left, top, left + 1, bottom}, light);
        image.Fill({left, bottom - 1, right, bottom}, shadow);
        image.Fill({right - 1, top, right, bottom}, shadow);
        if (strip.mark) {
            const int cx = (left + right) / 2, cy = (top + bottom) / 2;
            image.Fill({cx - 2, cy - 1, cx + 2, cy + 2}, state == 3 ? RGB(160, 160, 160) : kDark);
        }
        if (strip.holes) {
            for (const auto& [x, y] : {std::pair{left, top}, {right - 1, top}, {left, bottom - 1}, {right - 1, bottom - 1}})
                image.At(x, y) = kMagenta;
        }
    }
    return image;
}

TSkinMember Member(const char* name, const TArtImage& image) { return {name, WriteBmp24(image)}; }

TSkinMember Strip(const char* name, const TStrip& strip) { return Member(name, PaintStrip(strip)); }

// The title bar: two stacked frames (active, inactive) with rounded,
// magenta top corners.
TArtImage PaintTitle() {
    TArtImage image = PaintStrip({80, 24, 2, true, kTitle, false, false});
    for (int frame = 0; frame < 2; ++frame) {
        const int top = frame * 24;
        for (const auto& [x, y] : {std::pair{0, top}, {1, top}, {0, top + 1}, {79, top}, {78, top}, {79, top + 1}})
            image.At(x, y) = kMagenta;
    }
    return image;
}

}  // namespace

std::vector<TSkinMember> PaintSkinArt() {
    const int scroll = kScrollCell;
    return {
        Strip("buttons.bmp", {20, 21, 5}),
        Strip("checkbox.bmp", {13, 13, 4, false, RGB(255, 255, 255), true, true}),
        Strip("radiobutton.bmp", {13, 13, 4, false, RGB(255, 255, 255), true, true}),
        Strip("progress.bmp", {20, 16, 2, false, kFace}),
        Strip("progresschunk.bmp", {8, 12, 1, false, kHighlight}),
        Strip("tab.bmp", {30, 21, 5}),
        Strip("tabsheet.bmp", {30, 30, 1}),
        Strip("comboboxbtn.bmp", {17, 21, 4, false, kFace, false, true}),
        Strip("statusbar.bmp", {12, 12, 3}),
        Strip("header.bmp", {20, 18, 5}),
        Strip("scrollbararrow.bmp", {scroll, scroll, 23, false, kFace, false, true}),
        Strip("scrollbarhthumb.bmp", {20, scroll, 3}),
        Strip("scrollbarvthumb.bmp", {scroll, 20, 3}),
        Strip("scrollbarhbar.bmp", {20, scroll, 4, false, RGB(232, 232, 232)}),
        Strip("scrollbarvbar.bmp", {scroll, 20, 4, false, RGB(232, 232, 232)}),
        Strip("menubackground.bmp", {24, 24, 1, false, RGB(250, 250, 250)}),
        Strip("menuitem.bmp", {24, 20, 5, false, RGB(250, 250, 250)}),
        Strip("extraimages.bmp", {12, 12, 5, false, kFace, true, true}),
        Strip("trackthumbh.bmp", {11, 20, 5, false, kFace, true}),
        Strip("trackbot.bmp", {11, 20, 5, false, kFace, true}),
        Strip("mdibutton.bmp", {kCaptionButtonWidth, kCaptionButtonHeight, 12, false, kFace, true, true}),
        Strip("spin.bmp", {15, 10, 8}),
        Strip("spinarrow.bmp", {15, 10, 8, false, kFace, true, true}),
        Strip("spinh.bmp", {10, 15, 8}),
        Strip("spinharrow.bmp", {10, 15, 8, false, kFace, true, true}),
        Strip("closebutton.bmp", {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, RGB(230, 120, 110), true, true}),
        Strip("maxbutton.bmp", {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, kHighlight, true, true}),
        Strip("minbutton.bmp", {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, kHighlight, true, true}),
        Strip("restrorebutton.bmp", {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, kHighlight, true, true}),
        Strip("frameleft.bmp", {4, 40, 2, false, kTitle}),
        Strip("frameright.bmp", {4, 40, 2, false, kTitle}),
        Member("frametop.bmp", PaintTitle()),
        Strip("framebottom.bmp", {80, 4, 2, true, kTitle}),
        Strip("mincaption.bmp", {80, 24, 2, true, kTitle}),
    };
}

std::vector<Byte> WriteServioraSkin(const AnsiString& description) {
    std::vector<TSkinMember> members = PaintSkinArt();
    members.push_back({"serviora.ini", std::vector<Byte>(description.begin(), description.end())});
    return WriteSkinPackage(70000, members);
}

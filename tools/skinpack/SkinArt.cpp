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

enum class TGlyph { None, Left, Right, Up, Down, HorizontalGrip, VerticalGrip };

// A small filled arrow pointing that way, centred on (cx, cy).
void PaintArrow(TArtImage& image, int cx, int cy, TGlyph glyph, COLORREF colour) {
    for (int i = 0; i < 4; ++i) {
        const int half = 3 - i;
        for (int j = -half; j <= half; ++j) {
            switch (glyph) {
            case TGlyph::Up: image.At(cx + j, cy + 1 - i) = colour; break;
            case TGlyph::Down: image.At(cx + j, cy - 2 + i) = colour; break;
            case TGlyph::Left: image.At(cx + 1 - i, cy + j) = colour; break;
            case TGlyph::Right: image.At(cx - 2 + i, cy + j) = colour; break;
            default: break;
            }
        }
    }
}

// Three short ridges across the thumb's middle.
void PaintGrip(TArtImage& image, int cx, int cy, bool vertical, COLORREF face) {
    const COLORREF light = Mix(face, RGB(255, 255, 255), 30), dark = Mix(face, kDark, 40);
    for (int k = -1; k <= 1; ++k)
        for (int j = -3; j <= 3; ++j) {
            if (vertical) {
                image.At(cx + j, cy + 2 * k - 1) = light;
                image.At(cx + j, cy + 2 * k) = dark;
            } else {
                image.At(cx + 2 * k - 1, cy + j) = light;
                image.At(cx + 2 * k, cy + j) = dark;
            }
        }
}

// Scroll-bar cells: 1-4 left, 5-8 right, 9-12 up, 13-16 down arrows, 17-19
// the horizontal and 20-22 the vertical thumb grips.
TGlyph ScrollGlyph(int state) {
    if (state <= 4) return TGlyph::Left;
    if (state <= 8) return TGlyph::Right;
    if (state <= 12) return TGlyph::Up;
    if (state <= 16) return TGlyph::Down;
    if (state <= 19) return TGlyph::HorizontalGrip;
    if (state <= 22) return TGlyph::VerticalGrip;
    return TGlyph::None;
}
TGlyph DownGlyph(int) { return TGlyph::Down; }
TGlyph SpinGlyph(int state) { return state <= 4 ? TGlyph::Up : TGlyph::Down; }
TGlyph SpinHorizontalGlyph(int state) { return state <= 4 ? TGlyph::Left : TGlyph::Right; }

struct TStrip {
    int cellWidth, cellHeight, states;
    bool vertical = false;
    COLORREF base = kFace;
    bool holes = false;  // magenta corners, for elements drawn transparent
    bool mark = false;   // a dark centre mark, for glyphs
    // The arrow or grip each state shows (nullptr: none).
    TGlyph (*glyph)(int state) = nullptr;
    // State 2 is the selected tab: raised and lighter, not pressed.
    bool selectedRaised = false;
};

// One cell per state, side by side or stacked, each bevelled.
TArtImage PaintStrip(const TStrip& strip) {
    const int columns = strip.vertical ? 1 : strip.states, rows = strip.vertical ? strip.states : 1;
    TArtImage image(strip.cellWidth * columns, strip.cellHeight * rows, kMagenta);
    for (int state = 1; state <= strip.states; ++state) {
        const int left = strip.vertical ? 0 : (state - 1) * strip.cellWidth;
        const int top = strip.vertical ? (state - 1) * strip.cellHeight : 0;
        const int right = left + strip.cellWidth, bottom = top + strip.cellHeight;
        const bool selected = strip.selectedRaised && state == 2;
        const COLORREF face = selected ? RGB(255, 255, 255) : strip.selectedRaised && state == 1
                                                                    ? Mix(strip.base, RGB(128, 128, 128), 85)
                                                                    : StateFace(strip.base, state);
        const bool pressed = state == 2 && !selected;
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
        if (strip.glyph) {
            const int cx = (left + right) / 2, cy = (top + bottom) / 2;
            const TGlyph glyph = strip.glyph(state);
            // The third state of each four-state group is the disabled one.
            const bool disabled = strip.states >= 8 && glyph != TGlyph::HorizontalGrip &&
                                  glyph != TGlyph::VerticalGrip && (state - 1) % 4 == 2;
            if (glyph == TGlyph::HorizontalGrip || glyph == TGlyph::VerticalGrip)
                PaintGrip(image, cx, cy, glyph == TGlyph::VerticalGrip, face);
            else if (glyph != TGlyph::None)
                PaintArrow(image, cx, cy, glyph, disabled || (strip.states == 5 && state == 3) ? RGB(160, 160, 160) : kDark);
        }
        if (strip.holes) {
            for (const auto& [x, y] : {std::pair{left, top}, {right - 1, top}, {left, bottom - 1}, {right - 1, bottom - 1}})
                image.At(x, y) = kMagenta;
        }
    }
    return image;
}

// Glyph cells: the arrows alone on magenta, drawn over a button.
TArtImage PaintGlyphs(int cellWidth, int cellHeight, int states, TGlyph (*glyph)(int)) {
    TArtImage image(cellWidth * states, cellHeight, kMagenta);
    for (int state = 1; state <= states; ++state) {
        const bool disabled = states == 8 ? (state - 1) % 4 == 2 : state == 3;
        PaintArrow(image, (state - 1) * cellWidth + cellWidth / 2, cellHeight / 2, glyph(state),
                   disabled ? RGB(160, 160, 160) : kDark);
    }
    return image;
}

// The combo box's frame, four states of a white box in a grey line (the
// hot and focused state's line blue), a white line inside it.
TArtImage PaintSunkEdge() {
    constexpr int width = 20, height = 21;
    const COLORREF lines[] = {RGB(160, 160, 160), RGB(110, 110, 110), RGB(200, 200, 200), RGB(90, 150, 210)};
    TArtImage image(width * 4, height, RGB(255, 255, 255));
    for (int state = 0; state < 4; ++state) {
        const int left = state * width, right = left + width;
        const COLORREF inside = state == 2 ? kFace : RGB(255, 255, 255);
        image.Fill({left, 0, right, height}, lines[state]);
        image.Fill({left + 1, 1, right - 1, height - 1}, inside);
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
        Strip("tab.bmp", {30, 21, 5, false, kFace, false, false, nullptr, true}),
        Strip("tabsheet.bmp", {30, 30, 1}),
        Strip("comboboxbtn.bmp", {17, 21, 4}),
        Member("sunkedge.bmp", PaintSunkEdge()),
        Strip("statusbar.bmp", {12, 12, 3}),
        Strip("header.bmp", {20, 18, 5}),
        Strip("scrollbararrow.bmp", {scroll, scroll, 23, false, kFace, false, false, ScrollGlyph}),
        Strip("scrollbarhthumb.bmp", {20, scroll, 3}),
        Strip("scrollbarvthumb.bmp", {scroll, 20, 3}),
        Strip("scrollbarhbar.bmp", {20, scroll, 4, false, RGB(232, 232, 232)}),
        Strip("scrollbarvbar.bmp", {scroll, 20, 4, false, RGB(232, 232, 232)}),
        Strip("menubackground.bmp", {24, 24, 1, false, RGB(250, 250, 250)}),
        Strip("menuitem.bmp", {24, 20, 5, false, RGB(250, 250, 250)}),
        Member("extraimages.bmp", PaintGlyphs(12, 12, 5, DownGlyph)),
        Strip("trackthumbh.bmp", {11, 20, 5, false, kFace, true}),
        Strip("trackbot.bmp", {11, 20, 5, false, kFace, true}),
        Strip("mdibutton.bmp", {kCaptionButtonWidth, kCaptionButtonHeight, 12, false, kFace, true, true}),
        Strip("spin.bmp", {15, 10, 8}),
        Member("spinarrow.bmp", PaintGlyphs(15, 10, 8, SpinGlyph)),
        Strip("spinh.bmp", {10, 15, 8}),
        Member("spinharrow.bmp", PaintGlyphs(10, 15, 8, SpinHorizontalGlyph)),
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

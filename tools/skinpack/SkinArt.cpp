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

enum class TGlyph { None, Left, Right, Up, Down, HorizontalGrip, VerticalGrip, Close, Maximize, Minimize, Restore };

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

// An outlined box with a thick top edge, as a window in small.
void PaintWindowShape(TArtImage& image, int left, int top, int right, int bottom, COLORREF colour) {
    for (int x = left; x <= right; ++x) image.At(x, top) = image.At(x, top + 1) = image.At(x, bottom) = colour;
    for (int y = top; y <= bottom; ++y) image.At(left, y) = image.At(right, y) = colour;
}

// The caption buttons' signs, centred on (cx, cy): a cross, a window, a bar
// at the bottom, and two overlapping windows.
void PaintCaptionSign(TArtImage& image, int cx, int cy, TGlyph glyph, COLORREF colour) {
    switch (glyph) {
    case TGlyph::Close:
        for (int i = -3; i <= 3; ++i) {
            image.At(cx + i, cy + i) = image.At(cx + i + 1, cy + i) = colour;
            image.At(cx + i, cy - i) = image.At(cx + i + 1, cy - i) = colour;
        }
        break;
    case TGlyph::Maximize: PaintWindowShape(image, cx - 4, cy - 4, cx + 4, cy + 3, colour); break;
    case TGlyph::Minimize:
        for (int x = cx - 3; x <= cx + 3; ++x) image.At(x, cy + 2) = image.At(x, cy + 3) = colour;
        break;
    case TGlyph::Restore:
        PaintWindowShape(image, cx - 1, cy - 4, cx + 4, cy, colour);
        PaintWindowShape(image, cx - 4, cy - 1, cx + 1, cy + 3, colour);
        break;
    default: break;
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
// Four states per arrow, three per grip.
int ScrollLook(int cell) { return cell <= 16 ? (cell - 1) % 4 + 1 : cell <= 22 ? (cell - 17) % 3 + 1 : 1; }
TGlyph DownGlyph(int) { return TGlyph::Down; }
TGlyph SpinGlyph(int state) { return state <= 4 ? TGlyph::Up : TGlyph::Down; }
TGlyph SpinHorizontalGlyph(int state) { return state <= 4 ? TGlyph::Left : TGlyph::Right; }
TGlyph CloseSign(int) { return TGlyph::Close; }
TGlyph MaximizeSign(int) { return TGlyph::Maximize; }
TGlyph MinimizeSign(int) { return TGlyph::Minimize; }
TGlyph RestoreSign(int) { return TGlyph::Restore; }
// The multiple-document strip: minimize, restore and close, four states each.
TGlyph ChildButtonSign(int state) {
    static const TGlyph signs[] = {TGlyph::Minimize, TGlyph::Restore, TGlyph::Close};
    return signs[(state - 1) / 4];
}
int ChildButtonLook(int cell) { return (cell - 1) % 4 + 1; }
// Caption buttons: 1 normal, 2 pressed, 3 hot, 4 disabled or inactive.
int CaptionButtonLook(int cell) { return cell == 3 ? 4 : cell == 4 ? 3 : cell; }

struct TStrip {
    int cellWidth, cellHeight, states;
    bool vertical = false;
    COLORREF base = kFace;
    bool holes = false;  // magenta corners, for elements drawn transparent
    // The arrow, grip or caption sign each state shows (nullptr: none).
    TGlyph (*glyph)(int state) = nullptr;
    // State 2 is the selected tab: raised and lighter, not pressed.
    bool selectedRaised = false;
    // The state whose face a cell shows (nullptr: its own), for strips that
    // hold several parts, each with its own run of states.
    int (*look)(int cell) = nullptr;
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
        const int look = strip.look ? strip.look(state) : state;
        const COLORREF face = selected ? RGB(255, 255, 255) : strip.selectedRaised && state == 1
                                                                    ? Mix(strip.base, RGB(128, 128, 128), 85)
                                                                    : StateFace(strip.base, look);
        const bool pressed = look == 2 && !selected;
        image.Fill({left, top, right, bottom}, face);
        const COLORREF light = pressed ? Mix(face, kDark, 40) : Mix(face, RGB(255, 255, 255), 30);
        const COLORREF shadow = pressed ? Mix(face, RGB(255, 255, 255), 30) : Mix(face, kDark, 40);
        image.Fill({left, top, right, top + 1}, light);
        image.Fill({left, top, left + 1, bottom}, light);
        image.Fill({left, bottom - 1, right, bottom}, shadow);
        image.Fill({right - 1, top, right, bottom}, shadow);
        if (strip.glyph) {
            const int cx = (left + right) / 2, cy = (top + bottom) / 2;
            const TGlyph glyph = strip.glyph(state);
            // The third state of each four-state group is the disabled one.
            const bool disabled = strip.states >= 8 && glyph != TGlyph::HorizontalGrip &&
                                  glyph != TGlyph::VerticalGrip && (state - 1) % 4 == 2;
            if (glyph == TGlyph::HorizontalGrip || glyph == TGlyph::VerticalGrip) {
                // The ridges alone, drawn transparent over the thumb.
                image.Fill({left, top, right, bottom}, kMagenta);
                PaintGrip(image, cx, cy, glyph == TGlyph::VerticalGrip, face);
            }
            else if (glyph >= TGlyph::Close)
                PaintCaptionSign(image, cx, cy, glyph, look == 3 ? RGB(160, 160, 160) : kDark);
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

// Cells 1-4 the combo box's arrow by state, cell 5 the status bar's size
// grip: three diagonal ridges in the bottom-right corner.
TArtImage PaintExtraImages() {
    constexpr int cell = 12;
    TArtImage image = PaintGlyphs(cell, cell, 5, DownGlyph);
    image.Fill({4 * cell, 0, 5 * cell, cell}, kMagenta);
    for (int ridge : {2, 6, 10})
        for (int x = 0; x < cell; ++x) {
            const int dark = 2 * (cell - 1) - ridge - x;
            if (dark >= 0 && dark < cell) image.At(4 * cell + x, dark) = Mix(kFace, kDark, 40);
            if (dark + 1 >= 0 && dark + 1 < cell) image.At(4 * cell + x, dark + 1) = RGB(255, 255, 255);
        }
    return image;
}

// Status-bar panel edges: frame 1 lowered, 2 raised, 3 without a bevel.
TArtImage PaintStatusEdges() {
    constexpr int cell = 12;
    TArtImage image(3 * cell, cell, kFace);
    const COLORREF light = RGB(255, 255, 255), shadow = RGB(160, 160, 160);
    for (int frame = 0; frame < 2; ++frame) {
        const int left = frame * cell, right = left + cell;
        const COLORREF topLeft = frame == 0 ? shadow : light, bottomRight = frame == 0 ? light : shadow;
        image.Fill({left, 0, right, 1}, topLeft);
        image.Fill({left, 0, left + 1, cell}, topLeft);
        image.Fill({left, cell - 1, right, cell}, bottomRight);
        image.Fill({right - 1, 0, right, cell}, bottomRight);
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

// Check boxes and radio buttons: frames 1 and 2 unchecked and checked, 3 and
// 4 the same disabled; a square box with a tick, or a round one (magenta
// outside) with a dot.
TArtImage PaintCheckGlyphs(bool radio) {
    constexpr int cell = 13;
    TArtImage image(cell * 4, cell, kMagenta);
    for (int frame = 0; frame < 4; ++frame) {
        const bool disabled = frame >= 2, checked = frame % 2 == 1;
        const COLORREF line = disabled ? RGB(180, 180, 180) : RGB(110, 110, 110);
        const COLORREF inside = disabled ? RGB(236, 236, 236) : RGB(255, 255, 255);
        const COLORREF sign = disabled ? RGB(160, 160, 160) : kDark;
        const int left = frame * cell;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x) {
                const int dx = x - cell / 2, dy = y - cell / 2, distance = dx * dx + dy * dy;
                const bool edge = radio ? distance > 28 : x == 0 || y == 0 || x == cell - 1 || y == cell - 1;
                if (radio && distance > 42) continue;
                image.At(left + x, y) = edge ? line : checked && radio && distance <= 6 ? sign : inside;
            }
        if (checked && !radio)
            for (int i = 0; i < 7; ++i) {
                const int x = left + 3 + i, y = i < 3 ? 5 + i : 9 - i;
                image.At(x, y) = image.At(x, y + 1) = sign;
            }
    }
    return image;
}

// Menu items: frame 1 the plain item, 2 the separator (an etched line on
// magenta, drawn transparent), 3
// the disabled item, 4 the selected item (highlight in a blue line), 5 the
// menu bar's pressed button.
TArtImage PaintMenuItems() {
    constexpr int width = 24, height = 20;
    const COLORREF menu = RGB(250, 250, 250);
    TArtImage image(width * 5, height, menu);
    image.Fill({width, 0, 2 * width, height}, kMagenta);
    image.Fill({width, height / 2 - 1, 2 * width, height / 2}, RGB(200, 200, 200));
    image.Fill({width, height / 2, 2 * width, height / 2 + 1}, RGB(255, 255, 255));
    image.Fill({3 * width, 0, 4 * width, height}, RGB(120, 170, 230));
    image.Fill({3 * width + 1, 1, 4 * width - 1, height - 1}, kHighlight);
    image.Fill({4 * width, 0, 5 * width, height}, RGB(160, 160, 160));
    image.Fill({4 * width + 1, 1, 5 * width - 1, height - 1}, Mix(kFace, kHighlight, 50));
    return image;
}

TSkinMember Member(const char* name, const TArtImage& image) { return {name, WriteBmp24(image)}; }

TSkinMember Strip(const char* name, const TStrip& strip) { return Member(name, PaintStrip(strip)); }

// The title bar: two stacked frames (active, inactive) with rounded,
// magenta top corners.
TArtImage PaintTitle() {
    TArtImage image = PaintStrip({80, 24, 2, true, kTitle});
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
        Member("checkbox.bmp", PaintCheckGlyphs(false)),
        Member("radiobutton.bmp", PaintCheckGlyphs(true)),
        Strip("progress.bmp", {20, 16, 2, false, kFace}),
        Strip("progresschunk.bmp", {8, 12, 1, false, kHighlight}),
        Strip("tab.bmp", {30, 21, 5, false, kFace, false, nullptr, true}),
        Strip("tabsheet.bmp", {30, 30, 1}),
        Strip("comboboxbtn.bmp", {17, 21, 4}),
        Member("sunkedge.bmp", PaintSunkEdge()),
        Member("statusbar.bmp", PaintStatusEdges()),
        Strip("header.bmp", {20, 18, 5}),
        Strip("scrollbararrow.bmp", {scroll, scroll, 23, false, kFace, false, ScrollGlyph, false, ScrollLook}),
        Strip("scrollbarhthumb.bmp", {20, scroll, 3}),
        Strip("scrollbarvthumb.bmp", {scroll, 20, 3}),
        Strip("scrollbarhbar.bmp", {20, scroll, 4, false, RGB(232, 232, 232)}),
        Strip("scrollbarvbar.bmp", {scroll, 20, 4, false, RGB(232, 232, 232)}),
        Strip("menubackground.bmp", {24, 24, 1, false, RGB(250, 250, 250)}),
        Member("menuitem.bmp", PaintMenuItems()),
        Member("extraimages.bmp", PaintExtraImages()),
        Strip("trackthumbh.bmp", {11, 20, 5, false, kFace, true}),
        Strip("trackbot.bmp", {11, 20, 5, false, kFace, true}),
        Strip("mdibutton.bmp",
              {kCaptionButtonWidth, kCaptionButtonHeight, 12, false, kFace, true, ChildButtonSign, false, ChildButtonLook}),
        Strip("spin.bmp", {15, 10, 8}),
        Member("spinarrow.bmp", PaintGlyphs(15, 10, 8, SpinGlyph)),
        Strip("spinh.bmp", {10, 15, 8}),
        Member("spinharrow.bmp", PaintGlyphs(10, 15, 8, SpinHorizontalGlyph)),
        Strip("closebutton.bmp",
              {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, RGB(230, 120, 110), true, CloseSign, false, CaptionButtonLook}),
        Strip("maxbutton.bmp",
              {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, kFace, true, MaximizeSign, false, CaptionButtonLook}),
        Strip("minbutton.bmp",
              {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, kFace, true, MinimizeSign, false, CaptionButtonLook}),
        Strip("restrorebutton.bmp",
              {kCaptionButtonWidth, kCaptionButtonHeight, 4, false, kFace, true, RestoreSign, false, CaptionButtonLook}),
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

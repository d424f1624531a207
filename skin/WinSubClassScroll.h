// Scroll-bar painters. A window's own scroll bars are drawn by the window
// in its non-client area, so the skin lays a small window of its own over
// each visible bar and paints the skin there; presses on it are handed to
// the real bar, so scrolling stays the window's. A combo box's drop-down
// list, over which nothing can be laid, gets its bar painted straight into
// its non-client area and a thumb-dragging loop of the painter's own.
#pragma once

#include "platform/ui/extctrls.h"
#include "platform/win/winscroll.h"
#include "skin/WinSubClass.h"

class TSkinHeader;

// Hit-test parts, the scroll codes of the part: -1 none.
constexpr int kScrollNoPart = -1, kScrollFirstArrow = 0, kScrollSecondArrow = 1, kScrollPageBefore = 2,
              kScrollPageAfter = 3, kScrollThumb = 5;

// What one drawing of a bar needs: its geometry along the axis and its state.
struct TSkinScrollBarLook {
    bool Vertical = false;
    int Length = 0;
    int ArrowSize = 0;
    int ThumbStart = 0, ThumbEnd = 0;
    bool Enabled = true;
    int HotPart = kScrollNoPart;
    bool Tracking = false;
};
// The bar's thickness: the "Scrollbar" image's height unless it differs
// from the arrow size by more than 2 pixels.
int SkinScrollBarThickness(TSkinData* skinData, int arrowSize);
// Track, arrows, thumb and grip into DC over (0, 0, Length or thickness...).
void DrawSkinScrollBar(TSkinData* skinData, HDC dc, const TRect& rect, const TSkinScrollBarLook& look);

class TWScrollbar : public TCustomPanel {
    SERVIORA_CLASS(TWScrollbar, TCustomPanel)
public:
    static constexpr Byte kHorizontalBar = 0, kVerticalBar = 1, kScrollBarControl = 2;

    explicit TWScrollbar(TComponent* owner);
    void AttachToControl(TSkinControl* painter, TWinControl* control, Byte kind);
    void AttachToWindow(TSkinControl* painter, HWND window, Byte kind);
    void Reposition();
    void HideBar();
    int HitTest(int x, int y) const;
    // The bar's information: for kinds 0 and 1 the window's own, for kind 2
    // computed from the control's scroll information with the 8-pixel minimum.
    bool FindBar(SCROLLBARINFO& info) const;

    int Length = 0;
    int ThumbStart = 0, ThumbEnd = 0;
    POINT Origin{};
    POINT DragStart{};
    int ThumbStartAtDown = 0;
    bool Tracking = false;
    int Orientation = 0;
    int HotPart = kScrollNoPart;
    int ArrowSize = 0;
    HWND Window = 0;
    TWinControl* Control = nullptr;
    TSkinControl* Painter = nullptr;
    Byte Kind = 0;
    TRect BarRect{};
    bool Showing = false;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    void Bind(TSkinControl* painter, HWND window, Byte kind);
    // The thumb of a kind-2 bar from the control's properties at a press.
    bool ThumbFromProperties(int& start) const;
    void MouseDown(TMessage& message);
    void MouseUp(TMessage& message);
};

class TSkinScrollbar : public TSkinControl {
    SERVIORA_CLASS(TSkinScrollbar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScrollbar() override;
    virtual void AttachScrollControl(TWinControl* control, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form);
    void RestoreColor() override;
    bool HandleMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;
    void SkinChanged() override;

    TWScrollbar* HorzBar = nullptr;
    TWScrollbar* VertBar = nullptr;
    bool DrawBorder = false;
};

class TSkinListView : public TSkinScrollbar {
    SERVIORA_CLASS(TSkinListView, TSkinScrollbar)
public:
    using TSkinScrollbar::TSkinScrollbar;
    void AttachScrollControl(TWinControl* control, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) override;

    TSkinHeader* Header = nullptr;
};

class TSkinScrollbarH : public TSkinControl {
    SERVIORA_CLASS(TSkinScrollbarH, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScrollbarH() override;
    void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) override;
    void RestoreColor() override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    TWScrollbar* HorzBar = nullptr;
    TWScrollbar* VertBar = nullptr;
};

class TSkinScControl : public TSkinControl {
    SERVIORA_CLASS(TSkinScControl, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScControl() override;
    void AttachScrollBarControl(TWinControl* control, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form);
    void RestoreColor() override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    TWScrollbar* Bar = nullptr;
};

class TComboxScrollBar : public TSkinControl {
    SERVIORA_CLASS(TComboxScrollBar, TSkinControl)
public:
    explicit TComboxScrollBar(TComponent* owner);
    bool HandleMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    int ArrowSize = 0;
    int Length = 0;
    int ThumbStart = 0, ThumbEnd = 0;

private:
    // The thumb-dragging loop; False when the press missed the thumb.
    bool DragThumb(LPARAM position);
};

// The list's scroll position for a thumb dragged N pixels down a track of
// Track pixels with a thumb of Thumb pixels; no movement when the track has
// no room beyond the thumb.
int DraggedScrollPosition(int n, int track, int thumb, const SCROLLINFO& info);

// Tab and header painters: tab controls and page controls (tabs on any
// side drawn on a horizontal strip and turned, optional close boxes), tab
// controls in button style, the pages of a page control, and header
// controls with a hot item.
#pragma once

#include <memory>
#include <vector>

#include "skin/WinSubClass.h"

class TSkinUpDown;

// Sent to the form painter's window when a tab's close box is clicked:
// wParam the tab control's window, lParam the tab index; an answer of 0
// lets the painter free that page.
constexpr UINT WM_SKINTABCLOSE = 0x3507;
// The Tag that gives a page control with tabs on top its close boxes.
constexpr Integer kCloseBoxTag = 7777;

class TSkinTab : public TSkinControl {
    SERVIORA_CLASS(TSkinTab, TSkinControl)
public:
    static constexpr Byte kTop = 0, kBottom = 1, kLeft = 2, kRight = 3;

    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) override;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;
    void SkinChanged() override;

    std::vector<TRect> CloseRects;
    Byte Position = kTop;
    std::unique_ptr<TBitmap> TabImage;
    std::unique_ptr<TBitmap> PaneImage;
    std::unique_ptr<TBitmap> StripBitmap;
    bool Unicode = false;
    TSkinUpDown* UpDown = nullptr;
    bool CloseBoxes = false;

private:
    void PrepareImages();
    void PrepareScroller();
    HWND Scroller() const;
    void CloseTab(int index);
    void PaintBody(HDC dc, const TRect& body);
};

// The class library's tab set: a strip of tabs with a scroller of its own,
// hooked through its window procedure.
class TSkinTab31 : public TSkinControl {
    SERVIORA_CLASS(TSkinTab31, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;
    void SkinChanged() override;

    std::unique_ptr<TBitmap> TabImage;  // the "Tabs" image upside down
    TSkinUpDown* UpDown = nullptr;
    TWinControl* Scroller = nullptr;

private:
    void PrepareImage();
};

// Another library's page control, which draws its tabs over background
// bitmaps it is given: the skin hands it its tab frames and paints its
// scroller.
class TSkinBavPage : public TSkinControl {
    SERVIORA_CLASS(TSkinBavPage, TSkinControl)
public:
    static constexpr int kTabBackgrounds = 4;

    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void RestoreColor() override;
    void PaintSkin(HDC dc, const TRect& rect) override;
    void SkinChanged() override;

    TSkinUpDown* UpDown = nullptr;
    int Kind = 0;

private:
    void ApplyTabBackgrounds();
};

class TSkinTabBtn : public TSkinControl {
    SERVIORA_CLASS(TSkinTabBtn, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;
};

class TSkinTabSheet : public TSkinControl {
    SERVIORA_CLASS(TSkinTabSheet, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;
};

class TSkinHeader : public TSkinControl {
    SERVIORA_CLASS(TSkinHeader, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form) override;
    bool HandleMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    std::vector<TRect> ItemRects;
    int HotItem = -1;

private:
    void PaintItem(HDC dc, int index, const TRect& rect, HANDLE images);
};

// The tab's text as the window gives it (wide or narrow) and its image.
WideString TabItemText(HWND window, int index, bool unicode, int* image);
// An image-list icon followed by the caption, aligned 0 left, 1 centred, 2 right.
void DrawIconCaption(TSkinControl* painter, HDC dc, const TRect& rect, HANDLE images, int imageIndex,
                     const WideString& text, int alignment, UINT extraFlags = DT_WORDBREAK);

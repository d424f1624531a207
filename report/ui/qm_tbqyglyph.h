// Toolbar button glyphs: each visual state's picture is built once, on
// first use, into an image list shared by every glyph of that size, and a
// disabled picture is embossed from the normal one when the strip brings
// none of its own.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/ui/buttons.h"
#include "platform/ui/imagelist.h"

enum TToolbarButtonState { tbsUp, tbsDisabled, tbsDown, tbsExclusive, tbsMouseIn };

// An image list of one glyph size whose slots are handed out and taken
// back; a taken-back slot keeps its image until it is handed out again.
class TGlyphList : public TImageList {
    SERVIORA_CLASS(TGlyphList, TImageList)
public:
    TGlyphList(int width, int height);

    // A slot holding the image with its one-bit mask (white transparent).
    int AddWithMask(TBitmap* image, TBitmap* mask);
    // A slot holding the image, transparent where it has `maskColor`.
    int AddWithColor(TBitmap* image, TColor maskColor);
    void Release(int slot);
    int UsedCount() const { return usedCount_; }

private:
    int AllocateSlot();

    std::vector<bool> used_;
    int usedCount_ = 0;
};

// The process's glyph lists, one per size in use.
class TGlyphCache {
public:
    // The most recently added list of exactly that size, or a new one.
    TGlyphList* ListForSize(int width, int height);
    // A list left without used slots is dropped.
    void ReturnList(TGlyphList* list);
    bool Empty() const { return lists_.empty(); }
    int Count() const { return static_cast<int>(lists_.size()); }

private:
    std::vector<std::unique_ptr<TGlyphList>> lists_;
};

// Where a button's glyph, caption and drop arrow go in its client area.
struct TGlyphLayout {
    TPoint GlyphPos{0, 0}, ArrowPos{0, 0};
    TRect TextBounds{0, 0, 0, 0};
};

// What the layout is computed from; a glyph or caption not shown has size
// (0, 0), respectively is empty. Margin and Spacing -1 share out the free
// space.
struct TGlyphLayoutInput {
    TRect Client;
    TPoint Offset{0, 0};
    TPoint GlyphSize{0, 0};
    AnsiString Caption;
    bool WordWrap = false;
    TButtonLayout Layout = blGlyphLeft;
    int Margin = -1, Spacing = 4;
    bool DropArrow = false;
    int ArrowWidth = 9;
};

// The caption is measured with the canvas's font.
TGlyphLayout ComputeLayout(TCanvas* canvas, const TGlyphLayoutInput& in);
// The small triangle of a drop-down button, embossed when disabled.
void DrawDropArrow(TCanvas* canvas, int x, int y, int width, bool enabled);

// The process's cache; nullptr until a glyph is built and again after the
// last glyph that used it is gone.
TGlyphCache* GlyphCache();

// The unit's own glyph class, apart from the platform's button glyph.
namespace Qm_TBQyCtls {

// The glyph of one toolbar button: a strip of up to five state cells (up,
// disabled, down, exclusive, hot) or one image of an image list.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    TBitmap* Glyph() const { return strip_.get(); }
    // Counts the cells: a width that is 1 to 5 times the height gives that
    // many, anything else one.
    void SetGlyph(TBitmap* strip);
    TBitmap* GlyphMask() const { return mask_.get(); }
    void SetGlyphMask(TBitmap* mask);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool OldDisabledStyle() const { return oldDisabledStyle_; }
    void SetOldDisabledStyle(bool v);

    // The picture's size: the image list's, or one cell of the strip.
    TPoint Size() const;
    // Draws the state's picture (built when missing) with its top-left at
    // `at`; nothing without a picture.
    void Draw(TCanvas* canvas, TPoint at, TToolbarButtonState state);
    // The list and slot holding the state's picture; false without one.
    bool Built(TToolbarButtonState state, TGlyphList*& list, int& slot);
    // Drops every built picture and hands the lists back.
    void ReleaseGlyphs();

    // After every change of what the pictures are made from.
    TNotifyEvent OnChange;

private:
    void Changed();
    // Copies the state's cell (or the image) into a bitmap of its size;
    // the mask says where it is transparent (white), nullptr without one.
    void SourceCell(int cell, TBitmap* picture, std::unique_ptr<TBitmap>& mask) const;
    int BuildNormal(TGlyphList* list, int cell);
    int BuildDisabledCell(TGlyphList* list);
    int BuildEmbossed(TGlyphList* list);

    std::unique_ptr<TBitmap> strip_, mask_;
    std::array<TGlyphList*, 2> lists_{};  // disabled, normal
    int imageIndex_ = -1;
    TCustomImageList* images_ = nullptr;
    std::unique_ptr<TChangeLink> imagesLink_;
    std::array<std::array<int, 5>, 2> slots_;
    TColor transparentColor_ = clNone;
    int numGlyphs_ = 1;
    bool oldDisabledStyle_ = false;
};

}  // namespace Qm_TBQyCtls

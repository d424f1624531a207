// TImageList: equally sized images with masks, drawn normally or greyed
// (disabled), with change links that tell the controls using the list.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/ui/controls.h"
#include "platform/ui/graphic.h"

class TCustomImageList;

// An image list as window controls keep it (TCM_SETIMAGELIST, HDM_SETIMAGELIST).
using HIMAGELIST = HANDLE;

SERVIORA_ENUM(TImageType, itImage, itMask)
SERVIORA_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)
SERVIORA_ENUM(TResType, rtBitmap, rtCursor, rtIcon)

// Tells its owner when an image list changes; registered with the list by
// setting Sender (or RegisterChanges) and unregistered when destroyed.
class TChangeLink : public TObject {
    SERVIORA_CLASS(TChangeLink, TObject)
public:
    ~TChangeLink() override;
    TCustomImageList* Sender() const { return sender_; }
    void SetSender(TCustomImageList* list);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    virtual void Change();

private:
    friend class TCustomImageList;
    TCustomImageList* sender_ = nullptr;
    TNotifyEvent onChange_;
};

// Styles of DrawEx: ILD_MASK draws the mask alone (black where the image is
// opaque); ILD_BLEND25 and ILD_BLEND50 (ILD_FOCUS, ILD_SELECTED) mix the
// opaque pixels a quarter or half toward the foreground colour.
constexpr unsigned ILD_NORMAL = 0x0, ILD_TRANSPARENT = 0x1, ILD_BLEND25 = 0x2, ILD_FOCUS = 0x2, ILD_BLEND50 = 0x4,
                   ILD_SELECTED = 0x4, ILD_MASK = 0x10;

class TCustomImageList : public TComponent {
    SERVIORA_CLASS(TCustomImageList, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;
    void Assign(TPersistent* source) override;
    // A list without an owner for images of that size.
    static TCustomImageList* CreateSize(Integer width, Integer height);

    Integer Width() const { return width_; }
    // Changing the size empties the list.
    void SetWidth(Integer value);
    Integer Height() const { return height_; }
    void SetHeight(Integer value);
    Integer Count() const { return Integer(images_.size()); }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor value);
    TColor BlendColor() const { return blendColor_; }
    void SetBlendColor(TColor value) { blendColor_ = value; }
    TImageType ImageType() const { return imageType_; }
    void SetImageType(TImageType value);
    TDrawingStyle DrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(TDrawingStyle value) { drawingStyle_ = value; }
    bool Masked() const { return masked_; }
    void SetMasked(bool value);

    // Adds the image (cut into Width-wide pieces when wider) with its mask
    // (white = transparent; nullptr = opaque). Answers the first new index.
    Integer Add(TBitmap* image, TBitmap* mask);
    // The mask is made from the pixels of maskColor (clDefault: the
    // bottom-left pixel).
    Integer AddMasked(TBitmap* image, TColor maskColor);
    void Replace(Integer index, TBitmap* image, TBitmap* mask);
    void Insert(Integer index, TBitmap* image, TBitmap* mask);
    void InsertMasked(Integer index, TBitmap* image, TColor maskColor);
    void ReplaceMasked(Integer index, TBitmap* newImage, TColor maskColor);
    // Icons keep their own mask; an empty icon adds nothing (-1).
    Integer AddIcon(TIcon* image);
    void InsertIcon(Integer index, TIcon* image);
    void ReplaceIcon(Integer index, TIcon* image);
    void GetIcon(Integer index, TIcon* image);
    // Appends copies of every image of the other list.
    void AddImages(TCustomImageList* value);
    void Move(Integer curIndex, Integer newIndex);
    // Makes image `imageIndex` overlay number `overlay` (0..3); false for
    // an index outside the list or an overlay outside 0..3.
    bool Overlay(Integer imageIndex, Integer overlay);
    // Image `index` with the overlay image drawn over it.
    void DrawOverlay(TCanvas* canvas, int x, int y, Integer index, Integer overlay, bool enabled = true);
    // The point of the image under the cursor while dragging; none here.
    virtual TPoint GetHotSpot() const { return Point(0, 0); }
    // The images side by side and their masks, as bitmaps the list owns.
    HBITMAP GetImageBitmap();
    HBITMAP GetMaskBitmap();
    bool HandleAllocated() const { return handle_ != 0; }
    // Adds a bitmap (masked by maskColor) or an icon of the program's
    // resources or a file; false when there is none or it cannot be read.
    bool ResourceLoad(TResType resType, const AnsiString& name, TColor maskColor);
    bool ResInstLoad(HINSTANCE instance, TResType resType, const AnsiString& name, TColor maskColor);
    bool FileLoad(TResType resType, const AnsiString& name, TColor maskColor);
    void Delete(Integer index);
    void Clear();
    // Copies image `index` into the bitmap (sized to the list).
    void GetBitmap(Integer index, TBitmap* image);

    // Disabled images are drawn embossed in the button shadow and
    // highlight colours, as the classic look greys them out.
    void Draw(TCanvas* canvas, int x, int y, Integer index, bool enabled = true);
    // Draws as the system's extended image-list drawing does: `background`
    // fills the transparent part (CLR_NONE: left as it is; CLR_DEFAULT: the
    // list's BkColor), `foreground` is the blend colour of the blending
    // styles (CLR_NONE: no blend; CLR_DEFAULT: the highlight colour).
    void DrawEx(HDC dc, int x, int y, Integer index, COLORREF background, COLORREF foreground, unsigned style);

    // The list's handle, given out on first use and valid while the list lives.
    HIMAGELIST Handle() const;

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    virtual void Change();
    // "Bitmap": the images in a layout of our own (see imagelist.cpp).
    void DefineProperties(TFiler* filer) override;

private:
    struct Image {
        std::unique_ptr<TBitmap> picture;
        std::unique_ptr<TBitmap> mask;  // monochrome, white where transparent
    };
    void CheckIndex(Integer index) const;
    // The image over `background` (CLR_NONE: over what is there).
    void DrawMasked(HDC dest, int x, int y, const Image& image, COLORREF background) const;
    Image MakeImage(TBitmap* source, int left, TBitmap* mask) const;
    void ReadImages(TStream* stream);
    void WriteImages(TStream* stream);
    void Resize(Integer width, Integer height);
    Image ImageOfIcon(TIcon* icon) const;
    bool LoadGraphic(TResType resType, TStream* stream, TColor maskColor);
    HBITMAP Strip(bool masks);

    Integer width_ = 16, height_ = 16;
    TColor bkColor_ = clNone, blendColor_ = clNone;
    TImageType imageType_ = itImage;
    TDrawingStyle drawingStyle_ = dsNormal;
    bool masked_ = true;
    std::vector<Image> images_;
    std::vector<TChangeLink*> links_;
    TNotifyEvent onChange_;
    mutable HIMAGELIST handle_ = 0;
    std::array<Integer, 4> overlays_{-1, -1, -1, -1};
    std::unique_ptr<TBitmap> imageStrip_, maskStrip_;
};

// The list behind a handle: a class-library list or a system image list;
// nullptr for any other value.
TCustomImageList* ImageListFromHandle(HIMAGELIST list);
// The size of the list's images; FALSE (sizes untouched) for an unknown handle.
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Image Index at (x, y) in the ILD_ style; FALSE for an unknown handle or index.
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);

// An image list whose image can follow the mouse during a drag: the drag
// image is drawn on the screen window over what is there and moved with it.
class TDragImageList : public TCustomImageList {
    SERVIORA_CLASS(TDragImageList, TCustomImageList)
public:
    using TCustomImageList::TCustomImageList;
    ~TDragImageList() override;
    // The image dragged and its hot spot; false for an index outside the list.
    bool SetDragImage(Integer index, Integer hotSpotX, Integer hotSpotY);
    TPoint GetHotSpot() const override { return hotSpot_; }
    // Starts a drag shown in `window` with the hot spot at (x, y) of it.
    bool BeginDrag(HWND window, Integer x, Integer y);
    // Shows the image in `window` at (xPos, yPos) without starting a drag.
    bool DragLock(HWND window, Integer xPos, Integer yPos);
    void DragUnlock();
    bool DragMove(Integer x, Integer y);
    bool EndDrag();
    void ShowDragImage();
    void HideDragImage();
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor value) { dragCursor_ = value; }
    bool Dragging() const { return dragging_; }
    // Where the image stands in the window's client area while shown.
    TPoint DragPosition() const { return position_; }
    bool DragImageVisible() const { return visible_; }

private:
    void Paint(bool show);
    Integer dragIndex_ = 0;
    TPoint hotSpot_{0, 0}, position_{0, 0};
    HWND window_ = 0;
    TCursor dragCursor_ = crDrag;
    bool dragging_ = false, visible_ = false;
    std::unique_ptr<TBitmap> saved_;
};

class TImageList : public TDragImageList {
    SERVIORA_CLASS(TImageList, TDragImageList)
public:
    using TDragImageList::TDragImageList;
};

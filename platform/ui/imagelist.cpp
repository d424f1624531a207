// TImageList and TChangeLink.
//
// Stored layout of the "Bitmap" property: four little-endian 32-bit values
// (layout version 1, count, width, height), then for each image a 32-bit
// length and a 32-bit BMP of the picture, and a 32-bit length and a 1-bit
// BMP of its mask.
#include "platform/ui/imagelist.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/format.h"
#include "platform/rtl/streams.h"
#include "platform/gdi/bmpfile.h"
#include "platform/win/resources.h"
#include "platform/win/userdraw.h"
#include "platform/ui/shellicons.h"

TChangeLink::~TChangeLink() {
    if (sender_) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() { onChange_(sender_); }

void TChangeLink::SetSender(TCustomImageList* list) {
    if (list == sender_) return;
    if (sender_) sender_->UnRegisterChanges(this);
    if (list) list->RegisterChanges(this);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

namespace {

// The handles given out to class-library lists; system lists have their own.
std::map<HIMAGELIST, TCustomImageList*>& HandleTable() {
    static std::map<HIMAGELIST, TCustomImageList*> table;
    return table;
}

constexpr HIMAGELIST kFirstListHandle = 0x5E120000;

}  // namespace

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : links_) link->sender_ = nullptr;
    if (handle_) HandleTable().erase(handle_);
}

HIMAGELIST TCustomImageList::Handle() const {
    if (!handle_) {
        static HIMAGELIST next = kFirstListHandle;
        handle_ = ++next;
        HandleTable()[handle_] = const_cast<TCustomImageList*>(this);
    }
    return handle_;
}

TCustomImageList* ImageListFromHandle(HIMAGELIST list) {
    const auto found = HandleTable().find(list);
    return found != HandleTable().end() ? found->second : SystemImageList(list);
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    TCustomImageList* images = ImageListFromHandle(list);
    if (!images) return FALSE;
    if (cx) *cx = images->Width();
    if (cy) *cy = images->Height();
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    TCustomImageList* images = ImageListFromHandle(list);
    if (!images || index < 0 || index >= images->Count()) return FALSE;
    images->DrawEx(dc, x, y, index, (style & ILD_TRANSPARENT) ? CLR_NONE : CLR_DEFAULT, CLR_NONE, style);
    return TRUE;
}

void TCustomImageList::Published(TPublished<TCustomImageList>& p) {
    p.Property("BkColor", &TCustomImageList::BkColor, &TCustomImageList::SetBkColor).TypeName("TColor").Default(clNone);
    p.Property("BlendColor", &TCustomImageList::BlendColor, &TCustomImageList::SetBlendColor)
        .TypeName("TColor")
        .Default(clNone);
    p.Property("DrawingStyle", &TCustomImageList::DrawingStyle, &TCustomImageList::SetDrawingStyle).Default(dsNormal);
    p.Property("Height", &TCustomImageList::Height, &TCustomImageList::SetHeight).Default(16);
    p.Property("ImageType", &TCustomImageList::ImageType, &TCustomImageList::SetImageType).Default(itImage);
    p.Property("Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked).Default(true);
    p.Property("Width", &TCustomImageList::Width, &TCustomImageList::SetWidth).Default(16);
    p.Property("OnChange", &TCustomImageList::OnChange, &TCustomImageList::SetOnChange);
}

void TCustomImageList::Assign(TPersistent* source) {
    if (auto* list = dynamic_cast<TCustomImageList*>(source)) {
        Resize(list->width_, list->height_);
        bkColor_ = list->bkColor_;
        blendColor_ = list->blendColor_;
        imageType_ = list->imageType_;
        drawingStyle_ = list->drawingStyle_;
        masked_ = list->masked_;
        for (const Image& image : list->images_) images_.push_back(MakeImage(image.picture.get(), 0, image.mask.get()));
        Change();
        return;
    }
    TComponent::Assign(source);
}

void TCustomImageList::Change() {
    for (TChangeLink* link : std::vector<TChangeLink*>(links_)) link->Change();
    onChange_(this);
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
    if (!link || std::find(links_.begin(), links_.end(), link) != links_.end()) return;
    links_.push_back(link);
    link->sender_ = this;
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
    auto it = std::find(links_.begin(), links_.end(), link);
    if (it == links_.end()) return;
    links_.erase(it);
    link->sender_ = nullptr;
}

void TCustomImageList::Resize(Integer width, Integer height) {
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    images_.clear();
}

void TCustomImageList::SetWidth(Integer value) {
    if (value == width_) return;
    Resize(value, height_);
    Change();
}

void TCustomImageList::SetHeight(Integer value) {
    if (value == height_) return;
    Resize(width_, value);
    Change();
}

void TCustomImageList::SetBkColor(TColor value) {
    if (value == bkColor_) return;
    bkColor_ = value;
    Change();
}

void TCustomImageList::SetImageType(TImageType value) {
    if (value == imageType_) return;
    imageType_ = value;
    Change();
}

void TCustomImageList::SetMasked(bool value) {
    if (value == masked_) return;
    masked_ = value;
    Change();
}

void TCustomImageList::CheckIndex(Integer index) const {
    if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid ImageList Index");
}

TCustomImageList::Image TCustomImageList::MakeImage(TBitmap* source, int left, TBitmap* mask) const {
    Image image;
    image.picture = std::make_unique<TBitmap>();
    image.picture->SetSize(width_, height_);
    TRect cell = Bounds(left, 0, width_, height_);
    image.picture->Canvas()->CopyRect(Rect(0, 0, width_, height_), source->Canvas(), cell);
    image.mask = std::make_unique<TBitmap>();
    image.mask->SetPixelFormat(pf1bit);
    image.mask->SetSize(width_, height_);
    if (mask && !mask->Empty())
        image.mask->Canvas()->CopyRect(Rect(0, 0, width_, height_), mask->Canvas(), cell);
    return image;
}

Integer TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
    if (!image || image->Empty()) return -1;
    Integer first = Count();
    int pieces = std::max(1, image->Width() / width_);
    for (int i = 0; i < pieces; ++i) images_.push_back(MakeImage(image, i * width_, mask));
    Change();
    return first;
}

namespace {

// White where the image has maskColor (clDefault: its bottom-left pixel).
std::unique_ptr<TBitmap> MaskOf(TBitmap* image, TColor maskColor) {
    TBitmap source;
    source.Assign(image);
    source.SetTransparentColor(maskColor == clDefault ? image->TransparentColor() : maskColor);
    auto mask = std::make_unique<TBitmap>();
    mask->SetHandle(source.ReleaseMaskHandle());
    return mask;
}

}  // namespace

Integer TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
    if (!image || image->Empty()) return -1;
    return Add(image, MaskOf(image, maskColor).get());
}

void TCustomImageList::Replace(Integer index, TBitmap* image, TBitmap* mask) {
    CheckIndex(index);
    images_[size_t(index)] = MakeImage(image, 0, mask);
    Change();
}

void TCustomImageList::ReplaceMasked(Integer index, TBitmap* newImage, TColor maskColor) {
    CheckIndex(index);
    if (newImage && !newImage->Empty()) Replace(index, newImage, MaskOf(newImage, maskColor).get());
}

void TCustomImageList::Insert(Integer index, TBitmap* image, TBitmap* mask) {
    if (index < 0 || index > Count()) throw EInvalidOperation("Invalid ImageList Index");
    if (!image || image->Empty()) return;
    const int pieces = std::max(1, image->Width() / width_);
    for (int i = 0; i < pieces; ++i) images_.insert(images_.begin() + index + i, MakeImage(image, i * width_, mask));
    Change();
}

void TCustomImageList::InsertMasked(Integer index, TBitmap* image, TColor maskColor) {
    if (image && !image->Empty()) Insert(index, image, MaskOf(image, maskColor).get());
}

TCustomImageList::Image TCustomImageList::ImageOfIcon(TIcon* icon) const {
    Image image;
    image.picture = std::make_unique<TBitmap>();
    image.picture->SetSize(width_, height_);
    DrawIconEx(image.picture->Canvas()->Handle(), 0, 0, icon->Handle(), width_, height_, 0, 0, DI_IMAGE);
    image.mask = std::make_unique<TBitmap>();
    image.mask->SetPixelFormat(pf1bit);
    image.mask->SetSize(width_, height_);
    // The icon's mask is ANDed onto white.
    PatBlt(image.mask->Canvas()->Handle(), 0, 0, width_, height_, WHITENESS);
    DrawIconEx(image.mask->Canvas()->Handle(), 0, 0, icon->Handle(), width_, height_, 0, 0, DI_MASK);
    return image;
}

Integer TCustomImageList::AddIcon(TIcon* image) {
    if (!image || image->Empty()) return -1;
    images_.push_back(ImageOfIcon(image));
    Change();
    return Count() - 1;
}

void TCustomImageList::InsertIcon(Integer index, TIcon* image) {
    if (index < 0 || index > Count()) throw EInvalidOperation("Invalid ImageList Index");
    if (!image || image->Empty()) return;
    images_.insert(images_.begin() + index, ImageOfIcon(image));
    Change();
}

void TCustomImageList::ReplaceIcon(Integer index, TIcon* image) {
    CheckIndex(index);
    if (!image || image->Empty()) return;
    images_[size_t(index)] = ImageOfIcon(image);
    Change();
}

void TCustomImageList::GetIcon(Integer index, TIcon* image) {
    CheckIndex(index);
    if (!image) return;
    ICONINFO info;
    info.hbmColor = images_[size_t(index)].picture->Handle();
    info.hbmMask = images_[size_t(index)].mask->Handle();
    image->SetHandle(CreateIconIndirect(&info));
}

void TCustomImageList::AddImages(TCustomImageList* value) {
    if (!value || value == this) return;
    for (const Image& image : value->images_) images_.push_back(MakeImage(image.picture.get(), 0, image.mask.get()));
    Change();
}

void TCustomImageList::Move(Integer curIndex, Integer newIndex) {
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    Image image = std::move(images_[size_t(curIndex)]);
    images_.erase(images_.begin() + curIndex);
    images_.insert(images_.begin() + newIndex, std::move(image));
    Change();
}

bool TCustomImageList::Overlay(Integer imageIndex, Integer overlay) {
    if (imageIndex < 0 || imageIndex >= Count() || overlay < 0 || overlay >= Integer(overlays_.size())) return false;
    overlays_[size_t(overlay)] = imageIndex;
    return true;
}

void TCustomImageList::DrawOverlay(TCanvas* canvas, int x, int y, Integer index, Integer overlay, bool enabled) {
    Draw(canvas, x, y, index, enabled);
    if (overlay >= 0 && overlay < Integer(overlays_.size())) Draw(canvas, x, y, overlays_[size_t(overlay)], enabled);
}

HBITMAP TCustomImageList::Strip(bool masks) {
    auto strip = std::make_unique<TBitmap>();
    if (masks) strip->SetPixelFormat(pf1bit);
    strip->SetSize(width_ * Count(), height_);
    for (Integer i = 0; i < Count(); ++i) {
        const Image& image = images_[size_t(i)];
        BitBlt(strip->Canvas()->Handle(), i * width_, 0, width_, height_,
               (masks ? image.mask : image.picture)->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
    std::unique_ptr<TBitmap>& kept = masks ? maskStrip_ : imageStrip_;
    kept = std::move(strip);
    return kept->Handle();
}

HBITMAP TCustomImageList::GetImageBitmap() { return Strip(false); }

HBITMAP TCustomImageList::GetMaskBitmap() { return Strip(true); }

bool TCustomImageList::LoadGraphic(TResType resType, TStream* stream, TColor maskColor) {
    try {
        if (resType == rtBitmap) {
            TBitmap bitmap;
            bitmap.LoadFromStream(stream);
            return AddMasked(&bitmap, maskColor) >= 0;
        }
        TIcon icon;
        icon.LoadFromStream(stream);
        return AddIcon(&icon) >= 0;
    } catch (const Exception&) {
        return false;
    }
}

bool TCustomImageList::ResInstLoad(HINSTANCE instance, TResType resType, const AnsiString& name, TColor maskColor) {
    static const char* const types[] = {"BITMAP", "CURSOR", "ICON"};
    const EmbeddedResource* resource =
        instance == HInstance ? FindEmbeddedResource(types[int(resType)], name.c_str()) : nullptr;
    if (!resource) return false;
    TMemoryStream bytes;
    bytes.WriteBuffer(resource->data, Integer(resource->size));
    bytes.SetPosition(0);
    return LoadGraphic(resType, &bytes, maskColor);
}

bool TCustomImageList::ResourceLoad(TResType resType, const AnsiString& name, TColor maskColor) {
    return ResInstLoad(HInstance, resType, name, maskColor);
}

bool TCustomImageList::FileLoad(TResType resType, const AnsiString& name, TColor maskColor) {
    try {
        TFileStream file(name, fmOpenRead);
        return LoadGraphic(resType, &file, maskColor);
    } catch (const Exception&) {
        return false;
    }
}

void TCustomImageList::Delete(Integer index) {
    CheckIndex(index);
    images_.erase(images_.begin() + index);
    Change();
}

void TCustomImageList::Clear() {
    images_.clear();
    Change();
}

void TCustomImageList::GetBitmap(Integer index, TBitmap* image) {
    CheckIndex(index);
    if (image) image->Assign(images_[size_t(index)].picture.get());
}

namespace {

// Paints `color` where the monochrome shape is black, leaving the rest:
// ((D xor P) and S) xor P, with the shape's black as 0 and white as all ones.
void PaintShape(HDC dest, int x, int y, int w, int h, HDC shape, TColor color) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    HGDIOBJ old = SelectObject(dest, brush);
    COLORREF text = SetTextColor(dest, RGB(0, 0, 0)), back = SetBkColor(dest, RGB(255, 255, 255));
    BitBlt(dest, x, y, w, h, shape, 0, 0, 0x00B8074A);
    SetTextColor(dest, text);
    SetBkColor(dest, back);
    SelectObject(dest, old);
    DeleteObject(brush);
}

}  // namespace

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, Integer index, bool enabled) {
    if (index < 0 || index >= Count()) return;
    const Image& image = images_[size_t(index)];
    HDC dest = canvas->Handle();
    HDC picture = image.picture->Canvas()->Handle();
    HDC mask = image.mask->Canvas()->Handle();
    if (imageType_ == itMask) {
        BitBlt(dest, x, y, width_, height_, mask, 0, 0, SRCCOPY);
        return;
    }
    if (!enabled) {
        // The image's dark, opaque pixels make the embossed shape.
        TBitmap shape;
        shape.SetPixelFormat(pf1bit);
        shape.SetSize(width_, height_);
        HDC s = shape.Canvas()->Handle();
        for (int py = 0; py < height_; ++py)
            for (int px = 0; px < width_; ++px) {
                COLORREF c = GetPixel(picture, px, py);
                bool opaque = !masked_ || GetPixel(mask, px, py) == RGB(0, 0, 0);
                bool dark = GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 192;
                SetPixel(s, px, py, opaque && dark ? RGB(0, 0, 0) : RGB(255, 255, 255));
            }
        PaintShape(dest, x + 1, y + 1, width_, height_, s, clBtnHighlight);
        PaintShape(dest, x, y, width_, height_, s, clBtnShadow);
        return;
    }
    DrawMasked(dest, x, y, image, bkColor_ == clNone ? CLR_NONE : ColorToRGB(bkColor_));
}

void TCustomImageList::DrawMasked(HDC dest, int x, int y, const Image& image, COLORREF background) const {
    HDC picture = image.picture->Canvas()->Handle();
    if (!masked_) {
        BitBlt(dest, x, y, width_, height_, picture, 0, 0, SRCCOPY);
        return;
    }
    if (background != CLR_NONE) {
        HBRUSH brush = CreateSolidBrush(background);
        RECT r{x, y, x + width_, y + height_};
        FillRect(dest, &r, brush);
        DeleteObject(brush);
    }
    // Opaque pixels (mask black) from the picture, the rest kept.
    COLORREF text = SetTextColor(dest, RGB(0, 0, 0)), back = ::SetBkColor(dest, RGB(255, 255, 255));
    MaskBlt(dest, x, y, width_, height_, picture, 0, 0, image.mask->Handle(), 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
    SetTextColor(dest, text);
    ::SetBkColor(dest, back);
}

void TCustomImageList::DrawEx(HDC dc, int x, int y, Integer index, COLORREF background, COLORREF foreground,
                              unsigned style) {
    if (index < 0 || index >= Count()) return;
    const Image& image = images_[size_t(index)];
    HDC mask = image.mask->Canvas()->Handle();
    if (style & ILD_MASK) {
        BitBlt(dc, x, y, width_, height_, mask, 0, 0, SRCCOPY);
        return;
    }
    if (background == CLR_DEFAULT) background = bkColor_ == clNone ? CLR_NONE : ColorToRGB(bkColor_);
    DrawMasked(dc, x, y, image, background);
    const int share = style & ILD_BLEND50 ? 2 : style & ILD_BLEND25 ? 4 : 0;
    if (share == 0 || foreground == CLR_NONE) return;
    if (foreground == CLR_DEFAULT) foreground = ColorToRGB(clHighlight);
    // The opaque pixels move part of the way toward the foreground colour.
    auto toward = [share](int from, int to) { return int(std::lround(from + double(to - from) / share)); };
    for (int py = 0; py < height_; ++py)
        for (int px = 0; px < width_; ++px) {
            if (masked_ && GetPixel(mask, px, py) != RGB(0, 0, 0)) continue;
            const COLORREF c = GetPixel(dc, x + px, y + py);
            SetPixel(dc, x + px, y + py,
                     RGB(toward(GetRValue(c), GetRValue(foreground)), toward(GetGValue(c), GetGValue(foreground)),
                         toward(GetBValue(c), GetBValue(foreground))));
        }
}

namespace {

void Write32(TStream* s, std::uint32_t v) { s->WriteBuffer(&v, 4); }

std::uint32_t Read32(TStream* s) {
    std::uint32_t v = 0;
    s->ReadBuffer(&v, 4);
    return v;
}

void WriteBitmap(TStream* s, TBitmap* bitmap) {
    TMemoryStream bytes;
    bitmap->SaveToStream(&bytes);
    Write32(s, std::uint32_t(bytes.Size()));
    bytes.SetPosition(0);
    s->CopyFrom(&bytes, bytes.Size());
}

void ReadBitmap(TStream* s, TBitmap* bitmap) {
    std::uint32_t size = Read32(s);
    TMemoryStream bytes;
    if (size) bytes.CopyFrom(s, size);
    bytes.SetPosition(0);
    bitmap->LoadFromStream(&bytes);
}

}  // namespace

void TCustomImageList::WriteImages(TStream* stream) {
    Write32(stream, 1);
    Write32(stream, std::uint32_t(Count()));
    Write32(stream, std::uint32_t(width_));
    Write32(stream, std::uint32_t(height_));
    for (const Image& image : images_) {
        WriteBitmap(stream, image.picture.get());
        WriteBitmap(stream, image.mask.get());
    }
}

void TCustomImageList::ReadImages(TStream* stream) {
    if (Read32(stream) != 1) throw EReadError("Image list data is not valid");
    std::uint32_t count = Read32(stream);
    Integer width = Integer(Read32(stream)), height = Integer(Read32(stream));
    Resize(width, height);
    for (std::uint32_t i = 0; i < count; ++i) {
        TBitmap picture, mask;
        ReadBitmap(stream, &picture);
        ReadBitmap(stream, &mask);
        images_.push_back(MakeImage(&picture, 0, &mask));
    }
    Change();
}

void TCustomImageList::DefineProperties(TFiler* filer) {
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "Bitmap", [this](TStream* s) { ReadImages(s); }, [this](TStream* s) { WriteImages(s); }, Count() > 0);
}

TCustomImageList* TCustomImageList::CreateSize(Integer width, Integer height) {
    auto* list = new TCustomImageList(nullptr);
    list->SetWidth(width);
    list->SetHeight(height);
    return list;
}

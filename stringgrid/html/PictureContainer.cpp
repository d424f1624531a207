// THTMLPicture keeps the picture's file bytes and decodes them on each load,
// frame change and copy; a GIF is cut at its frame markers so that the
// platform's reader, which shows the first frame, shows the one wanted.
#include "stringgrid/html/PictureContainer.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphics.h"
#include "platform/win/resources.h"
#include "platform/ui/resourcestream.h"
#include "stringgrid/html/BavGDIP.h"

namespace {

Word ReadWord(const std::string& data, std::size_t at) {
    return Word(Byte(data[at]) | (Byte(data[at + 1]) << 8));
}

// A graphic control extension of block size 4 directly followed by an image
// descriptor, accepted only when the descriptor lies wholly in the data.
bool IsFrameMarker(const std::string& data, std::size_t p) {
    return p + 17 <= data.size() && Byte(data[p]) == 0x21 && Byte(data[p + 1]) == 0xF9 &&
           Byte(data[p + 2]) == 0x04 && Byte(data[p + 8]) == 0x2C;
}

int CountFrameMarkers(const std::string& data) {
    int count = 0;
    for (std::size_t p = 0; p < data.size(); ++p) count += IsFrameMarker(data, p);
    return count;
}

bool StartsWithText(const AnsiString& s, const AnsiString& prefix) {
    return SameText(s.substr(0, prefix.size()), prefix);
}

}  // namespace

// ---- THTMLPicture ----------------------------------------------------------------------------

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

void THTMLPicture::Published(TPublished<THTMLPicture>& p) {
    p.Property("Stretch", &THTMLPicture::Stretch, &THTMLPicture::SetStretch).Default(false);
    p.Property("Frame", &THTMLPicture::Frame, &THTMLPicture::SetFrame).Default(1);
    p.Property("OnFrameChange", &THTMLPicture::OnFrameChange, &THTMLPicture::SetOnFrameChange);
    p.Property("OnDownLoadError", &THTMLPicture::OnDownLoadError, &THTMLPicture::SetOnDownLoadError);
    p.Property("OnDownLoadComplete", &THTMLPicture::OnDownLoadComplete, &THTMLPicture::SetOnDownLoadComplete);
    p.Property("OnDownLoadCancel", &THTMLPicture::OnDownLoadCancel, &THTMLPicture::SetOnDownLoadCancel);
    p.Property("OnDownLoadProgress", &THTMLPicture::OnDownLoadProgress, &THTMLPicture::SetOnDownLoadProgress);
}

int THTMLPicture::Width() const { return picture_ ? picture_->Width() : 0; }
int THTMLPicture::Height() const { return picture_ ? picture_->Height() : 0; }
int THTMLPicture::GetMaxWidth() const { return screenWidth_ ? screenWidth_ : Width(); }
int THTMLPicture::GetMaxHeight() const { return screenHeight_ ? screenHeight_ : Height(); }

bool THTMLPicture::IsGIFFile() const { return data_.size() >= 5 && data_.compare(0, 4, "GIF8") == 0; }

int THTMLPicture::FrameCount() {
    if (frameCount_ >= 0) return frameCount_;
    if (!IsGIFFile()) return -1;
    return frameCount_ = CountFrameMarkers(data_);
}

void THTMLPicture::LoadPicture() {
    frameLeft_ = frameTop_ = frameWidth_ = frameHeight_ = 0;
    screenWidth_ = screenHeight_ = 0;
    std::string bytes;
    const std::string* source = &data_;
    if (IsGIFFile() && CountFrameMarkers(data_) > 0) {
        screenWidth_ = ReadWord(data_, 6);
        screenHeight_ = ReadWord(data_, 8);
        // The header and global colour table before the first marker are
        // always kept; the frames before the wanted one are left out.
        int counter = 1;
        bool copying = true;
        for (std::size_t p = 0; p < data_.size(); ++p) {
            if (IsFrameMarker(data_, p)) {
                if (frame_ == counter) {
                    frameLeft_ = ReadWord(data_, p + 9);
                    frameTop_ = ReadWord(data_, p + 11);
                    frameWidth_ = ReadWord(data_, p + 13);
                    frameHeight_ = ReadWord(data_, p + 15);
                }
                ++counter;
                copying = frame_ < counter;
            }
            if (copying) bytes.push_back(data_[p]);
        }
        source = &bytes;
    }
    const PictureCrop crop{frameLeft_, frameTop_, frameWidth_, frameHeight_};
    picture_ = DecodePictureBitmap(*source, &crop);
    if (!picture_) throw EInvalidGraphic("Could not load image. Invalid format");
}

void THTMLPicture::SetFrame(int value) {
    frame_ = value;
    if (data_.empty()) return;
    LoadPicture();
    if (onFrameChange_) onFrameChange_(this);
}

void THTMLPicture::Decode() {
    frameCount_ = -1;
    LoadPicture();
}

void THTMLPicture::LoadFromURL(const AnsiString& url) {
    id_ = url;
    if (StartsWithText(url, "RES://")) {
        LoadFromResourceName(HInstance, url.substr(6));
    } else if (StartsWithText(url, "FILE://")) {
        LoadFromFile(url.substr(7));
    } else {
        url_ = url;
    }
}

void THTMLPicture::LoadFromResourceName(HINSTANCE instance, const AnsiString& name) {
    if (!FindEmbeddedResource(RT_RCDATA, name.c_str())) return;
    TResourceStream stream(instance, name, RT_RCDATA);
    LoadFromStream(&stream);
}

void THTMLPicture::Assign(TPersistent* source) {
    empty_ = true;
    picture_.reset();
    frameCount_ = -1;
    SetFrame(1);
    if (!source) {
        data_.clear();
        picture_.reset();
    } else if (auto* other = dynamic_cast<THTMLPicture*>(source)) {
        TakeData(other->data_);
        Changed();
    }
}

void THTMLPicture::Draw(TCanvas* canvas, const TRect& rect) {
    if (empty_ || !picture_) return;
    canvas->StretchDraw(stretch_ ? rect : NaturalPictureRect(canvas, rect, Width(), Height()), picture_.get());
}

// ---- THTMLPictureCache -----------------------------------------------------------------------

THTMLPicture* THTMLPictureCache::AddPicture() {
    pictures_.push_back(std::make_unique<THTMLPicture>());
    return pictures_.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const AnsiString& id) const {
    for (const auto& picture : pictures_)
        if (picture->ID() == id) return picture.get();
    return nullptr;
}

// ---- TPictureItem, TPictureContainer ---------------------------------------------------------

TPictureItem::TPictureItem(TCollection* collection)
    : TCollectionItem(collection), picture_(std::make_unique<THTMLPicture>()) {}
TPictureItem::~TPictureItem() = default;

void TPictureItem::Published(TPublished<TPictureItem>& p) {
    p.Property("Picture", &TPictureItem::Picture, &TPictureItem::SetPicture);
    p.Property("Name", &TPictureItem::Name, &TPictureItem::SetName);
    p.Property("Tag", &TPictureItem::Tag, &TPictureItem::SetTag).Default(0);
}

void TPictureItem::Assign(TPersistent* source) {
    if (auto* item = dynamic_cast<TPictureItem*>(source)) {
        name_ = item->name_;
        tag_ = item->tag_;
        picture_->Assign(item->picture_.get());
        return;
    }
    TCollectionItem::Assign(source);
}

TPictureContainer::TPictureContainer(TComponent* owner)
    : TComponent(owner), items_(std::make_unique<TPictureCollection>(this)) {}
TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::Published(TPublished<TPictureContainer>& p) {
    p.Property("Items", &TPictureContainer::Items, &TPictureContainer::SetItems);
    p.Property("Version", &TPictureContainer::Version, &TPictureContainer::SetVersion);
}

THTMLPicture* TPictureContainer::FindPicture(const AnsiString& name) const {
    const AnsiString wanted = AnsiUpperCase(name);
    for (int i = 0; i < items_->Count(); ++i)
        if (AnsiUpperCase(items_->Items(i)->Name()) == wanted) return items_->Items(i)->Picture();
    return nullptr;
}

// Pictures that markup shows: THTMLPicture (any picture the platform reads,
// with the choice of one frame of an animated GIF), the cache of pictures
// named by address, and the component holding pictures by name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/collection.h"
#include "platform/rtl/component.h"
#include "platform/rtl/events.h"
#include "stringgrid/html/PictureData.h"

SERVIORA_EVENT_TYPE(TDownloadErrorEvent, void(TObject* Sender, const AnsiString& err));
// Its signature is that of TNotifyEvent, so it shares that type.
using TDownloadCompleteEvent = TNotifyEvent;
SERVIORA_EVENT_TYPE(TDownloadCancelEvent, void(TObject* Sender, bool& Cancel));
SERVIORA_EVENT_TYPE(TDownloadProgressEvent, void(TObject* Sender, Cardinal dwSize, Cardinal dwTotSize));

class THTMLPicture : public TPictureData {
    SERVIORA_CLASS(THTMLPicture, TPictureData)
    SERVIORA_PUBLISHED
public:
    THTMLPicture();
    ~THTMLPicture() override;

    void Assign(TPersistent* source) override;

    int Width() const override;
    int Height() const override;

    // "RES://name" loads the RCDATA resource, "FILE://path" the file; any
    // other address only sets ID and URL: pictures are never downloaded.
    void LoadFromURL(const AnsiString& url);
    // Nothing when the program has no such RCDATA resource.
    void LoadFromResourceName(HINSTANCE instance, const AnsiString& name);

    // The number of frames of a GIF, -1 for any other picture.
    int FrameCount();
    // The GIF's logical screen, or the picture's size when it has none.
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    bool IsGIFFile() const;
    // Decodes the data, keeping only the frame Frame of a GIF.
    void LoadPicture();

    bool Stretch() const { return stretch_; }
    void SetStretch(bool value) { stretch_ = value; }
    int Frame() const { return frame_; }
    void SetFrame(int value);
    Word FrameXPos() const { return frameLeft_; }
    Word FrameYPos() const { return frameTop_; }
    Word FrameWidth() const { return frameWidth_; }
    Word FrameHeight() const { return frameHeight_; }

    const AnsiString& ID() const { return id_; }
    void SetID(const AnsiString& value) { id_ = value; }
    const AnsiString& URL() const { return url_; }

    const TNotifyEvent& OnFrameChange() const { return onFrameChange_; }
    void SetOnFrameChange(TNotifyEvent value) { onFrameChange_ = std::move(value); }
    const TDownloadErrorEvent& OnDownLoadError() const { return onDownLoadError_; }
    void SetOnDownLoadError(TDownloadErrorEvent value) { onDownLoadError_ = std::move(value); }
    const TDownloadCompleteEvent& OnDownLoadComplete() const { return onDownLoadComplete_; }
    void SetOnDownLoadComplete(TDownloadCompleteEvent value) { onDownLoadComplete_ = std::move(value); }
    const TDownloadCancelEvent& OnDownLoadCancel() const { return onDownLoadCancel_; }
    void SetOnDownLoadCancel(TDownloadCancelEvent value) { onDownLoadCancel_ = std::move(value); }
    const TDownloadProgressEvent& OnDownLoadProgress() const { return onDownLoadProgress_; }
    void SetOnDownLoadProgress(TDownloadProgressEvent value) { onDownLoadProgress_ = std::move(value); }

protected:
    void Draw(TCanvas* canvas, const TRect& rect) override;
    void Decode() override;

private:
    std::unique_ptr<TBitmap> picture_;
    bool stretch_ = false;
    int frame_ = 1;
    int frameCount_ = -1;
    Word frameLeft_ = 0, frameTop_ = 0, frameWidth_ = 0, frameHeight_ = 0;
    Word screenWidth_ = 0, screenHeight_ = 0;
    AnsiString id_, url_;
    TNotifyEvent onFrameChange_;
    TDownloadErrorEvent onDownLoadError_;
    TDownloadCompleteEvent onDownLoadComplete_;
    TDownloadCancelEvent onDownLoadCancel_;
    TDownloadProgressEvent onDownLoadProgress_;
};

// The pictures the renderer met by address; it owns and frees them.
class THTMLPictureCache {
public:
    THTMLPicture* AddPicture();
    // The first picture whose ID equals `id` exactly, or nullptr.
    THTMLPicture* FindPicture(const AnsiString& id) const;
    THTMLPicture* GetPicture(int index) const { return pictures_.at(std::size_t(index)).get(); }
    int Count() const { return int(pictures_.size()); }
    void Clear() { pictures_.clear(); }

private:
    std::vector<std::unique_ptr<THTMLPicture>> pictures_;
};

class TPictureItem : public TCollectionItem {
    SERVIORA_CLASS(TPictureItem, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TPictureItem(TCollection* collection);
    ~TPictureItem() override;
    void Assign(TPersistent* source) override;

    THTMLPicture* Picture() const { return picture_.get(); }
    void SetPicture(THTMLPicture* value) { picture_->Assign(value); }
    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& value) { name_ = value; }
    Integer Tag() const { return tag_; }
    void SetTag(Integer value) { tag_ = value; }

private:
    std::unique_ptr<THTMLPicture> picture_;
    AnsiString name_;
    Integer tag_ = 0;
};

class TPictureCollection : public TOwnedCollection {
    SERVIORA_CLASS(TPictureCollection, TOwnedCollection)
public:
    explicit TPictureCollection(TComponent* owner)
        : TOwnedCollection(owner, TPictureItem::StaticClass()) {}
    TPictureItem* Items(int index) const { return static_cast<TPictureItem*>(TCollection::Items(index)); }
    TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
};

class TPictureContainer : public TComponent {
    SERVIORA_CLASS(TPictureContainer, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TPictureContainer(TComponent* owner);
    ~TPictureContainer() override;

    // The picture of the first item named `name`, case ignored; nullptr
    // when there is none.
    virtual THTMLPicture* FindPicture(const AnsiString& name) const;

    TPictureCollection* Items() const { return items_.get(); }
    void SetItems(TPictureCollection* value) { items_->Assign(value); }
    AnsiString Version() const { return "1.0.0.0"; }
    void SetVersion(const AnsiString&) {}

private:
    std::unique_ptr<TPictureCollection> items_;
};

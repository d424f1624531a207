// TSkinData's settings and its stored skin package.
#include "skin/WinSkinData.h"

#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TSkinData);

namespace {

TSkinControlTypes DefaultSkinControls() {
    TSkinControlTypes kinds;
    for (int kind = xcMainMenu; kind <= xcQmReport; ++kind) kinds.Include(static_cast<TSkinControlType>(kind));
    kinds.Exclude(xcMenuItem);
    kinds.Exclude(xcQmReport);
    return kinds;
}

}  // namespace

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      skinControls_(DefaultSkinControls()),
      skin3rd_(std::make_unique<TStringList>()),
      skinStream_(std::make_unique<TMemoryStream>()),
      title_(std::make_unique<TDataSkinTitle>()),
      buttons_(std::make_unique<TDataSkinButton>()),
      comboArrow_(std::make_unique<TDataSkinObject>()) {
    for (auto& frame : frames_) frame = std::make_unique<TDataSkinBorder>();
}

TSkinData::~TSkinData() {
    if (faceBrush_) DeleteObject(faceBrush_);
}

AnsiString TSkinData::Version() const { return "1.0"; }

void TSkinData::DefineProperties(TFiler* filer) {
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "SkinStream",
        [this](TStream* stream) {
            skinStream_->Clear();
            skinStream_->CopyFrom(stream, 0);
        },
        [this](TStream* stream) {
            stream->CopyFrom(skinStream_.get(), 0);
        },
        skinStream_->Size() > 0);
}

void TSkinData::Published(TPublished<TSkinData>& p) {
    p.Property("Active", &TSkinData::Active, &TSkinData::SetActive).Default(false);
    p.Property("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag).Default(99);
    p.Property("SkinControls", &TSkinData::SkinControls, &TSkinData::SetSkinControls);
    p.Property("Options", &TSkinData::Options, &TSkinData::SetOptions);
    p.Property("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd);
    p.Property("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile);
    p.Property("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore);
    p.Property("SkinFormtype", &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype).Default(sfMainform);
    p.Property("Version", &TSkinData::Version, &TSkinData::SetVersion);
    p.Property("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate).Default(true);
    p.Property("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge).Default(false);
}

// TSkinData: the component that carries a skin package into the program and
// switches skinning on. A first version that keeps its settings and the
// package bytes exactly as its description stores them ("SkinStream") and
// paints nothing.
#pragma once

#include <memory>

#include "platform/rtl/component.h"
#include "platform/rtl/set.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TSkinControlType, xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox,
              xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel,
              xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcQmReport)
using TSkinControlTypes = TSet<TSkinControlType>;
SERVIORA_ENUM(TSkinOption, xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect,
              xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoFormScrollbar)
using TSkinOptions = TSet<TSkinOption>;
SERVIORA_ENUM(TSkinFormType, sfMainform, sfOnlyThisForm, sfDialog, sfDLL)

class TSkinData : public TComponent {
    SERVIORA_CLASS(TSkinData, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    Integer DisableTag() const { return disableTag_; }
    void SetDisableTag(Integer v) { disableTag_ = v; }
    TSkinControlTypes SkinControls() const { return skinControls_; }
    void SetSkinControls(TSkinControlTypes v) { skinControls_ = v; }
    TSkinOptions Options() const { return options_; }
    void SetOptions(TSkinOptions v) { options_ = v; }
    // Class name "=" control kind per line, for controls of other libraries.
    TStrings* Skin3rd() const { return skin3rd_.get(); }
    void SetSkin3rd(TStrings* v) { skin3rd_->Assign(v); }
    const AnsiString& SkinFile() const { return skinFile_; }
    void SetSkinFile(const AnsiString& v) { skinFile_ = v; }
    // A status text; writing it changes nothing.
    AnsiString SkinStore() const { return "(none)"; }
    void SetSkinStore(const AnsiString&) {}
    TSkinFormType SkinFormtype() const { return skinFormtype_; }
    void SetSkinFormtype(TSkinFormType v) { skinFormtype_ = v; }
    // The component's version text; writing it changes nothing.
    AnsiString Version() const;
    void SetVersion(const AnsiString&) {}
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool v) { menuUpdate_ = v; }
    bool MenuMerge() const { return menuMerge_; }
    void SetMenuMerge(bool v) { menuMerge_ = v; }

    // The skin package as stored (empty when the description holds none).
    TMemoryStream* SkinStream() const { return skinStream_.get(); }

protected:
    void DefineProperties(TFiler* filer) override;

private:
    bool active_ = false;
    Integer disableTag_ = 99;
    TSkinControlTypes skinControls_;
    TSkinOptions options_{xoPreview, xoToolbarBK};
    std::unique_ptr<TStringList> skin3rd_;
    AnsiString skinFile_;
    TSkinFormType skinFormtype_ = sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;
    std::unique_ptr<TMemoryStream> skinStream_;
};

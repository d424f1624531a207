// TSkinData: the component that carries a skin package into the program and
// switches skinning on. It keeps its settings and the package bytes exactly
// as its description stores them ("SkinStream"), and holds the skin
// elements and colours read from a package's description.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/set.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/controls.h"
#include "platform/ui/imagelist.h"
#include "skin/QuickIni.h"
#include "skin/SkinElements.h"
#include "skin/SkinReader.h"
#include "platform/win/winscroll.h"

SERVIORA_ENUM(TSkinControlType, xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox,
              xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel,
              xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcQmReport)
using TSkinControlTypes = TSet<TSkinControlType>;
SERVIORA_ENUM(TSkinOption, xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect,
              xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoFormScrollbar)
using TSkinOptions = TSet<TSkinOption>;
SERVIORA_ENUM(TSkinFormType, sfMainform, sfOnlyThisForm, sfDialog, sfDLL)

class TSkinData;
// Asked for each top-level window (its class name); DoSkin arrives True.
SERVIORA_EVENT_TYPE_SHARED(TOnFormSkin, void(TObject* Sender, const AnsiString& aName, bool& DoSkin));
// Before and after a form is skinned.
SERVIORA_EVENT_TYPE(TOnSkinForm, void(TObject* Sender, HWND ahwnd, const AnsiString& aName));
// Asked for each child control; may supply a painter of its own.
SERVIORA_EVENT_TYPE(TOnSkinControl, void(TComponent* Sender, TSkinData* SkinData, TControl* Form, TControl* Control,
                                         const AnsiString& ControlClass, TComponent*& SkinnedControl));

class TSkinData : public TComponent {
    SERVIORA_CLASS(TSkinData, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    bool Active() const { return active_; }
    // At run time switches skinning on or off through the manager's timer.
    void SetActive(bool v);
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
    // At run time loads the named package and applies it.
    void SetSkinFile(const AnsiString& v);
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

    const TOnFormSkin& OnFormSkin() const { return onFormSkin_; }
    void SetOnFormSkin(TOnFormSkin v) { onFormSkin_ = std::move(v); }
    const TOnSkinForm& OnBeforeSkinForm() const { return onBeforeSkinForm_; }
    void SetOnBeforeSkinForm(TOnSkinForm v) { onBeforeSkinForm_ = std::move(v); }
    const TOnSkinForm& OnAfterSkinForm() const { return onAfterSkinForm_; }
    void SetOnAfterSkinForm(TOnSkinForm v) { onAfterSkinForm_ = std::move(v); }
    const TNotifyEvent& OnSkinChanged() const { return onSkinChanged_; }
    void SetOnSkinChanged(TNotifyEvent v) { onSkinChanged_ = std::move(v); }
    const TOnSkinControl& OnSkinControl() const { return onSkinControl_; }
    void SetOnSkinControl(TOnSkinControl v) { onSkinControl_ = std::move(v); }

    // The skin package as stored (empty when the description holds none).
    TMemoryStream* SkinStream() const { return skinStream_.get(); }
    // "SkinStream": an int32 length N, then N bytes; N <= 0 loads nothing.
    void ReadSkinStream(TStream* stream);
    void WriteSkinStream(TStream* stream);
    // Unpacks the package and reads its description; True when both worked.
    bool LoadSkin();
    void Loaded() override;
    // Applies a skin loaded from SkinFile after start-up.
    void UpdateSkin();
    // The manager's question for each top-level window.
    void DoFormSkin(HWND handle, const AnsiString& className, bool& doSkin);
    void DoSkinChanged();

    // True until a description has been read completely.
    bool NoSkin() const { return noSkin_; }
    // Form skinning paints the skinned frame only while this is on.
    bool FramePainting() const { return framePainting_; }
    void SetFramePainting(bool v) { framePainting_ = v; }
    TFont* CaptionFont() const { return captionFont_.get(); }
    // The application's small icon on magenta.
    TBitmap* AppIcon() const { return appIcon_.get(); }
    // Restore, maximize, minimize and close glyphs, 16 pixels wide.
    TImageList* MenuGlyphs() const { return menuGlyphs_.get(); }
    int MaximizedWidth() const { return maximizedWidth_; }
    int MaximizedHeight() const { return maximizedHeight_; }
    // The window of the latest OnFormSkin question.
    HWND FormSkinWindow() const { return formSkinWindow_; }

    // ---- the skin description ----
    // Reads every element and colour of the description from the package's
    // reader and its ini member, replacing what an earlier one left.
    void LoadDescription(TSkinReader* reader, TQuickIni* ini);

    static constexpr int kColourCount = 19;
    // Entries of the colour table.
    static constexpr int kTitleTextActiveIndex = 1, kTitleTextNoActiveIndex = 2, kButtonFaceIndex = 3,
                         kButtonTextIndex = 4, kButtonHilightIndex = 5, kButtonShadowIndex = 7,
                         kHilightTextIndex = 11, kHilightIndex = 12, kMenubarIndex = 13, kMenuBarTextIndex = 14,
                         kMenuTextIndex = 15, kMenuIndex = 16;
    // The colour table: system colours stay class-library system colour
    // values, resolved when painted.
    TColor Colour(int index) const { return colours_[index]; }
    // Whether the description gave the entry.
    bool ColourGiven(int index) const { return colourGiven_[index]; }
    const std::vector<TColor>& ColourList() const { return colourList_; }
    const std::array<TColor, 10>& CustomColours() const { return customColours_; }
    HBRUSH FaceBrush() const { return faceBrush_; }
    const AnsiString& SkinName() const { return skinName_; }

    TDataSkinBorder* FrameLeft() const { return frames_[0].get(); }
    TDataSkinBorder* FrameRight() const { return frames_[1].get(); }
    TDataSkinBorder* FrameTop() const { return frames_[2].get(); }
    TDataSkinBorder* FrameBottom() const { return frames_[3].get(); }
    TDataSkinTitle* Title() const { return title_.get(); }
    TDataSkinButton* Buttons() const { return buttons_.get(); }
    const std::vector<std::unique_ptr<TDataSkinSysButton>>& SystemButtons() const { return systemButtons_; }
    TDataSkinBorder* Progress() const { return progress_.get(); }
    TDataSkinObject* ProgressChunk() const { return progressChunk_.get(); }
    TDataSkinObject* MenuBar() const { return menuBar_.get(); }
    TDataSkinObject* GroupBoxEdge() const { return groupBoxEdge_.get(); }
    TDataSkinBoxLabel* GroupBox() const { return groupBox_.get(); }
    TDataSkinBorder* Tabs() const { return tabs_.get(); }
    TDataSkinObject* StatusBarEdges() const { return statusBarEdges_.get(); }
    TDataSkinObject* TabPane() const { return tabPane_.get(); }
    TDataSkinObject* ToolBars() const { return toolBars_.get(); }
    TDataSkinBorder* ComboButton() const { return comboButton_.get(); }
    TDataSkinObject* SunkEdge() const { return sunkEdge_.get(); }
    TDataSkinObject* ExtraImages() const { return extraImages_.get(); }
    TDataSkinObject* Headerbar() const { return headerbar_.get(); }
    TDataSkinObject* MenuItem() const { return menuItem_.get(); }
    TDataSkinObject* MenuBackground() const { return menuBackground_.get(); }
    TDataSkinObject* Scrollbar() const { return scrollbar_.get(); }
    TDataSkinObject* HorzScroll() const { return horzScroll_.get(); }
    TDataSkinObject* VertScroll() const { return vertScroll_.get(); }
    TDataSkinObject* HorzScrollThumb() const { return horzScrollThumb_.get(); }
    TDataSkinObject* VertScrollThumb() const { return vertScrollThumb_.get(); }
    TDataSkinObject* TrackbarThumbHorz() const { return trackbarThumbs_[0].get(); }
    TDataSkinObject* TrackbarThumbVert() const { return trackbarThumbs_[1].get(); }
    TDataSkinObject* TrackbarThumbLeft() const { return trackbarThumbs_[2].get(); }
    TDataSkinObject* TrackbarThumbRight() const { return trackbarThumbs_[3].get(); }
    TDataSkinObject* TrackbarThumbUp() const { return trackbarThumbs_[4].get(); }
    TDataSkinObject* TrackbarThumbDown() const { return trackbarThumbs_[5].get(); }
    TDataSkinBorder* UpDownHorz() const { return upDownHorz_.get(); }
    TDataSkinBorder* UpDownVert() const { return upDownVert_.get(); }
    TDataSkinObject* Track() const { return track_.get(); }
    TDataSkinObject* TrackVert() const { return trackVert_.get(); }
    TDataSkinObject* ComboArrow() const { return comboArrow_.get(); }
    TDataSkinObject* Toolbar() const { return toolbar_.get(); }

protected:
    void DefineProperties(TFiler* filer) override;

private:
    void MakeCaptionFont();
    void CaptureAppIcon();
    // The steps of LoadDescription, in their order.
    void LoadBitmap(TBitmap* bitmap, const AnsiString& value);
    std::unique_ptr<TDataSkinObject> LoadSkinObject(const AnsiString& section);
    std::unique_ptr<TDataSkinBorder> LoadSkinBorderObject(const AnsiString& section, const AnsiString& secondKey);
    std::unique_ptr<TDataSkinBorder> LoadProgressObject(const AnsiString& section);
    std::unique_ptr<TDataSkinBoxLabel> LoadBoxLabelObject(const AnsiString& section);
    std::unique_ptr<TDataSkinObject> LoadBuiltinObject(const AnsiString& name);
    // The image, margins, style, transparency, tiling and colours every
    // element kind shares; False (nothing read) without an "Image".
    bool ReadSkinObject(TDataSkinObject& element, const AnsiString& section, bool readFrame);
    void ReadMargins(TDataSkinObject& element, const AnsiString& section) const;
    void LoadFrameBorders();
    void LoadColours();
    void LoadSystemButtons();
    void LoadMDIButtons();
    void LoadButtons();
    void LoadTitle();
    void LoadMenuBarObject();
    void SetFrameCounts();
    void MakeComboEdge();
    void MakeComboArrow();
    void MakeToolbarGradient();
    TColor SampleFrameColour() const;
    // Lets the drawing routines keep the cells they draw from these images.
    void RegisterCellImages();
    TColor ReadRGBKeys(const AnsiString& section, const AnsiString& name, TColor defaultValue) const;
    TColor ReadColourValue(const AnsiString& section, const AnsiString& key, TColor defaultValue) const;
    Integer ReadInteger(const AnsiString& section, const AnsiString& key, Integer defaultValue) const;
    AnsiString ReadString(const AnsiString& section, const AnsiString& key) const;

private:
    bool active_ = false;
    bool noSkin_ = true;
    bool framePainting_ = true;
    TOnFormSkin onFormSkin_;
    TOnSkinForm onBeforeSkinForm_, onAfterSkinForm_;
    TNotifyEvent onSkinChanged_;
    TOnSkinControl onSkinControl_;
    std::unique_ptr<TFont> captionFont_;
    std::unique_ptr<TBitmap> appIcon_;
    std::unique_ptr<TImageList> menuGlyphs_;
    int maximizedWidth_ = 0, maximizedHeight_ = 0;
    HWND formSkinWindow_ = 0;
    Integer disableTag_ = 99;
    TSkinControlTypes skinControls_;
    TSkinOptions options_{xoPreview, xoToolbarBK};
    std::unique_ptr<TStringList> skin3rd_;
    AnsiString skinFile_;
    TSkinFormType skinFormtype_ = sfMainform;
    bool menuUpdate_ = true;
    bool menuMerge_ = false;
    std::unique_ptr<TMemoryStream> skinStream_;

    // The reader and description being loaded, for the steps of LoadDescription.
    TSkinReader* reader_ = nullptr;
    TQuickIni* ini_ = nullptr;
    std::unique_ptr<TStringList> sections_;

    std::array<TColor, kColourCount> colours_{};
    std::array<bool, kColourCount> colourGiven_{};
    std::vector<TColor> colourList_;
    std::array<TColor, 10> customColours_{};
    HBRUSH faceBrush_ = 0;
    AnsiString skinName_;

    std::array<std::unique_ptr<TDataSkinBorder>, 4> frames_;
    std::unique_ptr<TDataSkinTitle> title_;
    std::unique_ptr<TDataSkinButton> buttons_;
    std::vector<std::unique_ptr<TDataSkinSysButton>> systemButtons_;
    std::unique_ptr<TDataSkinBorder> progress_;
    std::unique_ptr<TDataSkinObject> progressChunk_, menuBar_, groupBoxEdge_;
    std::unique_ptr<TDataSkinBoxLabel> groupBox_;
    std::unique_ptr<TDataSkinBorder> tabs_;
    std::unique_ptr<TDataSkinObject> statusBarEdges_, tabPane_, toolBars_;
    std::unique_ptr<TDataSkinBorder> comboButton_;
    std::unique_ptr<TDataSkinObject> sunkEdge_, extraImages_, headerbar_, menuItem_, menuBackground_, scrollbar_,
        horzScroll_, vertScroll_, horzScrollThumb_, vertScrollThumb_;
    std::array<std::unique_ptr<TDataSkinObject>, 6> trackbarThumbs_;
    std::unique_ptr<TDataSkinBorder> upDownHorz_, upDownVert_;
    std::unique_ptr<TDataSkinObject> track_, trackVert_, comboArrow_, toolbar_;
};

// Keeps the skin's embedded bitmaps linked into programs that use it.
void KeepSkinResources();

// The optional platform functions, looked up in "user32" at start-up.
BOOL SkinGetScrollBarInfo(HWND handle, LONG objectId, SCROLLBARINFO* info);
void SkinTrackMouseLeave(HWND handle);
WideString SkinAnsiToWide(const AnsiString& text);
// The whole zero-terminated text for Count -1, else its first Count characters.
WideString SkinWideCopy(const WCHAR* buffer, int count);
int SkinDrawText(HDC dc, const WideString& text, RECT* rect, UINT format);
// The class-library control that owns a window; nullptr for 0 or a foreign window.
TControl* ControlOfWindow(HWND handle);

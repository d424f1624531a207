// TSkinData: construction, the stored package, loading a skin and switching
// skinning on and off through the skin manager.
#include "skin/WinSkinData.h"
#include "skin/WinSkinFormDraw.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/forms.h"
#include "platform/win/msgqueue.h"
#include "platform/win/resources.h"
#include "platform/win/screens.h"
#include "platform/win/userdraw.h"
#include "skin/SkinManage.h"

SERVIORA_REGISTER_CLASS(TSkinData);

namespace {

TSkinControlTypes DefaultSkinControls() {
    TSkinControlTypes kinds;
    for (int kind = xcMainMenu; kind <= xcQmReport; ++kind) kinds.Include(static_cast<TSkinControlType>(kind));
    kinds.Exclude(xcMenuItem);
    kinds.Exclude(xcQmReport);
    return kinds;
}

// The class map for controls of the platform's class library and of this
// program's own libraries.
constexpr const char* kDefaultSkin3rd[] = {
    "TCategoryButtons=scrollbar", "TBavPanelGroup=scrollbar",  "TComboboxex=combobox",
    "TKySpeedButton=speedbutton", "TDBCtrlGrid=scrollbar",     "TControlBar=Panel",
    "TBavMemo=scrollbar",         "TDBBavMemo=scrollbar",      "TKyLookupEdit=combobox",
    "TKyDBLookupCombo=combobox",  "TVxGroup=panel",            "TVxButton=button",
    "TVxBitbtn=bitbtn",           "TVxMenuButton=menubtn",     "TVxButtonEdit=Edit",
    "TVxDBRadioGroup=Radiogroup", "TVxDBRadioButton=Radiobutton", "TVxDateTimeEdit=combobox",
    "TVxColorEdit=combobox",      "TVxDateTimePicker=combobox", "TVxDBDateTimeEdit=combobox",
    "TVxDbColorEdit=combobox",    "TVxDBDateTimePicker=combobox", "TDBCheckboxVyn=Checkbox",
    "TDBLookupCombobox=Combobox", "TVxRadioGroup=Radiogroup",  "TVxCheckGroup=CheckGroup",
};

constexpr int kCommandDelay = 250;

}  // namespace

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner),
      appIcon_(std::make_unique<TBitmap>()),
      menuGlyphs_(std::make_unique<TImageList>(nullptr)),
      skinControls_(DefaultSkinControls()),
      skin3rd_(std::make_unique<TStringList>()),
      skinStream_(std::make_unique<TMemoryStream>()),
      title_(std::make_unique<TDataSkinTitle>()),
      buttons_(std::make_unique<TDataSkinButton>()),
      comboArrow_(std::make_unique<TDataSkinObject>()) {
    appIcon_->SetPixelFormat(pf24bit);
    for (const char* line : kDefaultSkin3rd) skin3rd_->Add(line);
    for (auto& frame : frames_) frame = std::make_unique<TDataSkinBorder>();
    KeepSkinResources();
    TBitmap glyphs;
    glyphs.LoadFromResourceName(HInstance, "LUMIVEXMENU");
    menuGlyphs_->SetWidth(16);
    menuGlyphs_->SetHeight(16);
    menuGlyphs_->AddMasked(&glyphs, clWhite);
    maximizedWidth_ = GetSystemMetrics(SM_CXMAXIMIZED);
    maximizedHeight_ = GetSystemMetrics(SM_CYMAXIMIZED);
}

TSkinData::~TSkinData() {
    if (TSkinManage* manager = SkinManager()) manager->RemoveSkinData(this);
    // Its images go; no cell drawn from them may be kept.
    SetSkinCellImages({});
    if (faceBrush_) DeleteObject(faceBrush_);
}

AnsiString TSkinData::Version() const { return "1.0"; }

void TSkinData::DefineProperties(TFiler* filer) {
    TComponent::DefineProperties(filer);
    filer->DefineBinaryProperty(
        "SkinStream", [this](TStream* stream) { ReadSkinStream(stream); },
        [this](TStream* stream) { WriteSkinStream(stream); }, true);
}

void TSkinData::ReadSkinStream(TStream* stream) {
    Integer length = 0;
    if (stream->Read(&length, sizeof length) != sizeof length || length <= 0) return;
    // A length beyond the stored bytes is a damaged description: no skin.
    if (length > stream->Size() - stream->Position()) return;
    skinStream_->SetSize(length);
    stream->ReadBuffer(skinStream_->Memory(), length);
    if (!ComponentState().Contains(csDesigning)) LoadSkin();
}

void TSkinData::WriteSkinStream(TStream* stream) {
    const Integer length = Integer(skinStream_->Size());
    stream->WriteBuffer(&length, sizeof length);
    if (length > 0) stream->WriteBuffer(skinStream_->Memory(), length);
}

bool TSkinData::LoadSkin() {
    noSkin_ = true;
    if (ComponentState().Contains(csDesigning)) return false;
    TSkinReader reader;
    skinStream_->SetPosition(0);
    if (!reader.Load(skinStream_.get())) return false;
    TMemoryStream member;
    AnsiString name;
    reader.FindMember(".ini", &member, name);
    member.SetPosition(0);
    TQuickIni ini;
    ini.LoadFromStream(&member);
    LoadDescription(&reader, &ini);
    return true;
}

void TSkinData::MakeCaptionFont() {
    NONCLIENTMETRICS metrics;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0)) return;
    captionFont_ = std::make_unique<TFont>();
    captionFont_->SetHandle(CreateFontIndirect(&metrics.lfCaptionFont));
}

void TSkinData::CaptureAppIcon() {
    const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    appIcon_->SetSize(width, height);
    appIcon_->Canvas()->Brush()->SetColor(clFuchsia);
    appIcon_->Canvas()->FillRect(TRect(0, 0, width, height));
    const HWND application = Application ? Application->Handle() : 0;
    HICON icon = application ? HICON(SendMessage(application, WM_GETICON, ICON_SMALL, 0)) : 0;
    if (!icon && application) icon = HICON(SendMessage(application, WM_GETICON, ICON_BIG, 0));
    if (icon) {
        const HICON small = CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE);
        DrawIconEx(appIcon_->Canvas()->Handle(), 0, 0, small, width, height, 0, 0, DI_NORMAL);
        DestroyIcon(small);
    }
    appIcon_->SetTransparentColor(clFuchsia);
    appIcon_->SetTransparent(true);
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (ComponentState().Contains(csDesigning)) return;
    if (!GetProcAddress(GetModuleHandle("user32"), "GetScrollBarInfo")) skinControls_.Exclude(xcScrollbar);
    TSkinManage* manager = CreateSkinManager();
    manager->AddSkinData(this);
    MakeCaptionFont();
    if (skinFormtype_ == sfMainform) {
        manager->InstallHook();
        if (active_) {
            if (noSkin_)
                active_ = false;
            else
                manager->PostCommand(TSkinManage::kSkinAll, kCommandDelay);
        }
        if (skinControls_.Contains(xcMainMenu))
            skinControls_.Exclude(xcMenuItem);
        else
            skinControls_.Exclude(xcSystemMenu);
        CaptureAppIcon();
    } else {
        manager->Active = true;
        manager->Started = true;
        auto* form = dynamic_cast<TCustomForm*>(Owner());
        if (form && active_) manager->SkinWindow(form->Handle());
    }
}

void TSkinData::SetActive(bool v) {
    if (v == active_) return;
    active_ = v;
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csReading))
        return;
    TSkinManage* manager = SkinManager();
    if (!manager) return;
    switch (skinFormtype_) {
    case sfMainform:
        if (v && noSkin_) return;
        manager->CommandSkinData = this;
        manager->PostCommand(v ? TSkinManage::kSkinAll : TSkinManage::kUnskinAll, kCommandDelay);
        if (v) manager->Started = true;
        break;
    case sfOnlyThisForm:
        manager->CommandSkinData = this;
        if (v && noSkin_) return;
        manager->PostCommand(v ? TSkinManage::kSkinAll : TSkinManage::kUnskinAll, kCommandDelay);
        break;
    default: break;
    }
}

void TSkinData::SetSkinFile(const AnsiString& v) {
    noSkin_ = true;
    skinFile_ = v;
    if (ComponentState().Contains(csDesigning)) {
        if (!v.empty() && skinStream_->Size() > 0) skinStream_->Clear();
        return;
    }
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading) || !FileExists(v)) return;
    skinStream_->Clear();
    skinStream_->LoadFromFile(v);
    LoadSkin();
    UpdateSkin();
}

void TSkinData::UpdateSkin() {
    if (ComponentState().Contains(csDesigning)) return;
    if (!SkinManager()) Loaded();
    TSkinManage* manager = SkinManager();
    manager->CommandSkinData = this;
    manager->RefreshSkinnedForms();
    if (manager->Started) manager->PostCommand(TSkinManage::kRefresh, kCommandDelay);
}

void TSkinData::DoFormSkin(HWND handle, const AnsiString& className, bool& doSkin) {
    formSkinWindow_ = handle;
    if (onFormSkin_) {
        onFormSkin_(this, className, doSkin);
        return;
    }
    if (className == "SysMonthCal32") doSkin = false;
    if (className.rfind("TQm", 0) == 0 && skinControls_.Contains(xcQmReport)) doSkin = false;
}

void TSkinData::DoSkinChanged() {
    if (onSkinChanged_) onSkinChanged_(this);
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
    p.Property("OnFormSkin", &TSkinData::OnFormSkin, &TSkinData::SetOnFormSkin).TypeName("TOnFormSkin");
    p.Property("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm, &TSkinData::SetOnBeforeSkinForm);
    p.Property("OnAfterSkinForm", &TSkinData::OnAfterSkinForm, &TSkinData::SetOnAfterSkinForm);
    p.Property("OnSkinChanged", &TSkinData::OnSkinChanged, &TSkinData::SetOnSkinChanged);
    p.Property("OnSkinControl", &TSkinData::OnSkinControl, &TSkinData::SetOnSkinControl);
}

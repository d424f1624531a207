// The skin component, the skin manager and form skinning on test windows
// with a frozen clock: which windows are skinned and when, the deferred
// commands, and what a skinned window answers and gives back.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/testseams.h"
#include "platform/win/msgqueue.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "platform/ui/stdctrls.h"
#include "tests/support/temp_dir.h"
#include "tools/skinpack/SkinPackage.h"

namespace {

constexpr TColor kSkinFace = TColor(0xF4F4F4);  // 244, 244, 244

class SkinManageTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Windows of classes the program does not make itself.
        for (const char* name : {"#32770", "TPreviewWindow"}) {
            WNDCLASS windowClass;
            windowClass.lpfnWndProc = DefWindowProcValue();
            windowClass.lpszClassName = name;
            RegisterClass(&windowClass);
        }
        saved_ = Application;
        application_.reset(TApplication::Create(nullptr));
        Application = application_.get();
        ResetModalResponder();
    }
    void TearDown() override {
        FreeSkinManager();
        skins_.clear();
        application_.reset();
        Application = saved_;
        ProcessMessages();
        ResetModalResponder();
    }

    // A loaded component with the project's skin (or the given package).
    TSkinData* NewSkin(TComponent* owner, TSkinFormType type = sfMainform, bool active = true,
                       const std::vector<Byte>* package = nullptr) {
        auto* skin = new TSkinData(owner);
        if (!owner) skins_.emplace_back(skin);
        TMemoryStream framed;
        if (package) {
            const Integer length = Integer(package->size());
            framed.WriteBuffer(&length, sizeof length);
            framed.WriteBuffer(package->data(), length);
        } else {
            TMemoryStream file;
            file.LoadFromFile(SERVIORA_SKIN_PACKAGE);
            const Integer length = Integer(file.Size());
            framed.WriteBuffer(&length, sizeof length);
            framed.CopyFrom(&file, 0);
        }
        framed.SetPosition(0);
        skin->SetComponentState(csLoading, true);
        skin->SetSkinFormtype(type);
        skin->SetActive(active);
        skin->ReadSkinStream(&framed);
        skin->SetComponentState(csLoading, false);
        skin->Loaded();
        return skin;
    }
    TForm* ShownForm(const AnsiString& caption = "窗体") {
        TForm* form = TForm::Create(Application, 0);
        form->SetCaption(caption);
        form->SetBounds(40, 40, 320, 200);
        form->Show();
        ProcessMessages();
        return form;
    }
    static bool Skinned(HWND window) { return SendMessage(window, WM_SKINQUERY, 0, 0) == 1; }

    FrozenClockScope clock_{EncodeDate(2026, 12, 10)};
    TApplication* saved_ = nullptr;
    std::unique_ptr<TApplication> application_;
    std::vector<std::unique_ptr<TSkinData>> skins_;
};

// ---- the component ----------------------------------------------------------------

TEST_F(SkinManageTest, TheStreamFramingRoundTripsEmptyIncluded) {
    for (const Integer size : {0, 5}) {
        TSkinData source(nullptr);
        source.SkinStream()->SetSize(size);
        TMemoryStream written;
        source.WriteSkinStream(&written);
        EXPECT_EQ(written.Size(), 4 + size);
        written.SetPosition(0);
        TSkinData copy(nullptr);
        copy.ReadSkinStream(&written);
        EXPECT_EQ(copy.SkinStream()->Size(), size);
        EXPECT_TRUE(copy.NoSkin());
    }
    // A length past the stored bytes loads nothing.
    TMemoryStream lying;
    const Integer length = 1000;
    lying.WriteBuffer(&length, sizeof length);
    lying.SetPosition(0);
    TSkinData skin(nullptr);
    skin.ReadSkinStream(&lying);
    EXPECT_EQ(skin.SkinStream()->Size(), 0);
}

TEST_F(SkinManageTest, WithoutASkinActiveTurnsOffAndNothingIsQueued) {
    const std::vector<Byte> empty;
    TSkinData* none = NewSkin(nullptr, sfMainform, true, &empty);
    EXPECT_TRUE(none->NoSkin());
    EXPECT_FALSE(none->Active());
    EXPECT_FALSE(SkinManager()->Active);
    EXPECT_EQ(SkinManager()->Command, 0);

    PushModalAnswer({IDOK});
    const std::vector<Byte> older = WriteSkinPackage(80000, {{"a.ini", {}}});
    TSkinData* old = NewSkin(nullptr, sfMainform, true, &older);
    EXPECT_TRUE(old->NoSkin());
    EXPECT_FALSE(old->Active());
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "This is Older Skin File\rPlease update to new version !");
    EXPECT_FALSE(SkinManager()->Active);
}

TEST_F(SkinManageTest, LoadedSettlesTheMenuKindsAndTheFixedTexts) {
    TSkinData* skin = NewSkin(nullptr);
    EXPECT_FALSE(skin->NoSkin());
    EXPECT_TRUE(skin->SkinControls().Contains(xcSystemMenu));
    EXPECT_FALSE(skin->SkinControls().Contains(xcMenuItem));
    EXPECT_EQ(skin->Colour(TSkinData::kButtonFaceIndex), kSkinFace);
    EXPECT_EQ(skin->MenuGlyphs()->Count(), 4);
    EXPECT_EQ(skin->AppIcon()->Width(), GetSystemMetrics(SM_CXSMICON));

    auto* plain = new TSkinData(nullptr);
    skins_.emplace_back(plain);
    plain->SetSkinControls(TSkinControlTypes{xcMenuItem, xcSystemMenu, xcButton});
    plain->Loaded();
    EXPECT_EQ(plain->SkinControls(), (TSkinControlTypes{xcMenuItem, xcButton}));

    skin->SetSkinStore("(Good)");
    skin->SetVersion("9.9");
    EXPECT_EQ(skin->SkinStore(), "(none)");
    EXPECT_EQ(skin->Version(), "1.0");
    ASSERT_EQ(skin->Skin3rd()->Count(), 27);
    EXPECT_EQ(skin->Skin3rd()->Strings(1), "TBavPanelGroup=scrollbar");
    EXPECT_EQ(skin->Skin3rd()->Strings(14), "TVxButtonEdit=Edit");
}

TEST_F(SkinManageTest, TheFormSkinQuestionRefusesCalendarsUnlessAHandlerDecides) {
    TSkinData* skin = NewSkin(nullptr);
    bool doSkin = true;
    skin->DoFormSkin(0, "SysMonthCal32", doSkin);
    EXPECT_FALSE(doSkin);
    skin->SetOnFormSkin([](TObject*, const AnsiString&, bool&) {});
    doSkin = true;
    skin->DoFormSkin(0, "SysMonthCal32", doSkin);
    EXPECT_TRUE(doSkin);
}

TEST_F(SkinManageTest, PropertiesByNameTolerateWhatAControlLacks) {
    TForm* form = ShownForm("标题");
    form->SetTag(7);
    EXPECT_EQ(GetIntPropByName(form, "Tag"), 7);
    EXPECT_EQ(GetIntPropByName(form, "NoSuchThing"), -1);
    EXPECT_EQ(GetIntPropByName(form, "Caption"), -1);  // another kind
    EXPECT_EQ(GetIntPropByName(nullptr, "Tag"), -1);
    EXPECT_EQ(GetEnumPropByName(form, "Visible"), "True");
    EXPECT_EQ(GetTextPropByName(form, "Caption"), u"标题");
    EXPECT_EQ(GetTextPropByName(form, "Tag"), u"");
    EXPECT_EQ(GetObjectPropByName(form, "Font", TFont::StaticClass()), form->Font());
    EXPECT_EQ(GetObjectPropByName(form, "Font", TForm::StaticClass()), nullptr);
    SetPropByName(form, "Tag", "12");
    SetPropByName(form, "Caption", "新标题");
    SetPropByName(form, "NoSuchThing", "1");
    EXPECT_EQ(form->Tag(), 12);
    EXPECT_EQ(form->Caption(), "新标题");
    EXPECT_THROW(SetPropByName(form, "Tag", "twelve"), EConvertError);
    EXPECT_EQ(GetWindowTextWide(form->Handle()), u"新标题");
}

// ---- the manager --------------------------------------------------------------

TEST_F(SkinManageTest, TheFirstWindowIsSkinnedByItsActivationNotByTheTimer) {
    TSkinData* skin = NewSkin(nullptr);
    EXPECT_TRUE(SkinManager()->Active);
    EXPECT_FALSE(SkinManager()->Started);
    EXPECT_FALSE(SkinManager()->Timer->Enabled());
    TForm* form = ShownForm();
    EXPECT_TRUE(SkinManager()->Started);
    ASSERT_TRUE(Skinned(form->Handle()));
    EXPECT_EQ(SkinManager()->Forms.size(), 1u);
    EXPECT_EQ(form->Color(), kSkinFace);
    // A second activation finds it skinned.
    EXPECT_FALSE(SkinManager()->SkinWindow(form->Handle()));
    EXPECT_EQ(SkinManager()->FindForm(form->Handle())->SkinData, skin);
    // The skinned form as a user sees it: the skin's face behind its controls.
    TButton* button = TButton::Create(form);
    button->SetParent(form);
    button->SetCaption("确定");
    button->SetBounds(20, 20, 90, 28);
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "skin-form.png"));
}

TEST_F(SkinManageTest, TheSkinnedWindowConfirmsAndFiresTheFormEvents) {
    TSkinData* skin = NewSkin(nullptr);
    std::vector<AnsiString> events;
    skin->SetOnBeforeSkinForm([&](TObject*, HWND, const AnsiString& name) { events.push_back("before " + name); });
    skin->SetOnAfterSkinForm([&](TObject*, HWND, const AnsiString& name) { events.push_back("after " + name); });
    int notices = 0;
    const int observer = AddSentMessageObserver([&](const MSG& msg) {
        if (msg.message == WM_SKINNOTICE && msg.lParam == kSkinMagic) ++notices;
    });
    TForm* form = ShownForm();
    RemoveObserver(observer);
    EXPECT_EQ(events, (std::vector<AnsiString>{"before TForm", "after TForm"}));
    EXPECT_EQ(notices, 1);
    MSG posted;
    EXPECT_EQ(SendMessage(form->Handle(), WM_SKINQUERY, 0, 0), 1);
    ASSERT_TRUE(PeekMessage(&posted, form->Handle(), WM_SKINNOTICE, WM_SKINNOTICE, PM_REMOVE));
    EXPECT_EQ(posted.lParam, kSkinMagic);
    EXPECT_EQ(SendMessage(form->Handle(), WM_SKINPROBE, 0, kSkinMagic), kSkinMagic);
    EXPECT_EQ(SendMessage(form->Handle(), WM_SKINPROBE, 0, 0), 1);
}

TEST_F(SkinManageTest, UnskinningRestoresTheColourAfterTheDelay) {
    TSkinData* skin = NewSkin(nullptr);
    TForm* form = ShownForm();
    form->SetColor(kSkinFace);
    ASSERT_TRUE(Skinned(form->Handle()));
    int changed = 0;
    skin->SetOnSkinChanged([&](TObject*) { ++changed; });
    skin->SetActive(false);
    AdvanceClock(200);
    ProcessMessages();
    EXPECT_TRUE(Skinned(form->Handle()));
    AdvanceClock(60);
    ProcessMessages();
    EXPECT_FALSE(Skinned(form->Handle()));
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(SkinManager()->Forms.empty());
    // Setting Active to its value queues nothing.
    skin->SetActive(false);
    EXPECT_FALSE(SkinManager()->Timer->Enabled());
}

TEST_F(SkinManageTest, AnUnskinFollowedByASkinWithinTheDelayRunsOnlyTheSkin) {
    TSkinData* skin = NewSkin(nullptr);
    TForm* form = ShownForm();
    skin->SetActive(false);
    AdvanceClock(100);
    ProcessMessages();
    skin->SetActive(true);
    AdvanceClock(300);
    ProcessMessages();
    EXPECT_TRUE(Skinned(form->Handle()));
    EXPECT_EQ(SkinManager()->Forms.size(), 1u);

    int changed = 0;
    skin->SetOnSkinChanged([&](TObject*) { ++changed; });
    SkinManager()->CommandSkinData = skin;
    SkinManager()->PostCommand(7, 250);
    AdvanceClock(260);
    ProcessMessages();
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(Skinned(form->Handle()));
}

struct TWindowCase {
    const char* name;
    const char* className;
    DWORD style;
    DWORD exStyle;
    int width;
    bool skinned;
};

class SkinWindowCases : public SkinManageTest, public testing::WithParamInterface<TWindowCase> {};

TEST_P(SkinWindowCases, AreSkinnedOnlyWhenTheyQualify) {
    NewSkin(nullptr);
    SkinManager()->Started = true;
    const TWindowCase& c = GetParam();
    const HWND window = CreateWindowEx(c.exStyle, c.className, "窗口", c.style, 10, 10, c.width, 100, 0, 0,
                                       c.className == AnsiString("#32770") ? 0 : HInstance, nullptr);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(SkinManager()->SkinWindow(window), c.skinned);
    EXPECT_EQ(Skinned(window), c.skinned);
    DestroyWindow(window);
    SkinManager()->PurgeForms();
    EXPECT_TRUE(SkinManager()->Forms.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SkinWindowCases,
    testing::Values(TWindowCase{"Dialog", "#32770", WS_POPUP | WS_CAPTION, 0, 200, true},
                    TWindowCase{"ForegroundDialog", "#32770", WS_POPUP | WS_CAPTION | DS_SETFOREGROUND, 0, 200, false},
                    TWindowCase{"ZeroSize", "#32770", WS_POPUP | WS_CAPTION, 0, 0, false},
                    TWindowCase{"Preview", "TPreviewWindow", WS_POPUP | WS_CAPTION, 0, 200, true},
                    TWindowCase{"Calendar", "SysMonthCal32", WS_POPUP, 0, 200, false}),
    [](const testing::TestParamInfo<TWindowCase>& info) { return std::string(info.param.name); });

TEST_F(SkinManageTest, PreviewWindowsNeedTheirOptionAndTag99IsNeverSkinned) {
    TSkinData* skin = NewSkin(nullptr);
    skin->SetOptions(TSkinOptions{xoToolbarBK});
    SkinManager()->Started = true;
    const HWND preview = CreateWindowEx(0, "TPreviewWindow", "预览", WS_POPUP | WS_CAPTION, 0, 0, 100, 100, 0, 0,
                                        HInstance, nullptr);
    EXPECT_FALSE(SkinManager()->SkinWindow(preview));
    DestroyWindow(preview);
    skin->SetDisableTag(5);
    TForm* form = TForm::Create(Application, 0);
    form->SetTag(99);
    form->Show();
    ProcessMessages();
    EXPECT_FALSE(Skinned(form->Handle()));
}

TEST_F(SkinManageTest, AComponentForOnlyItsFormSkinsThatFormAlone) {
    TSkinData* main = NewSkin(nullptr);
    main->SetActive(false);
    SkinManager()->Active = false;
    TForm* other = ShownForm("其他");
    TForm* own = TForm::Create(Application, 0);
    own->SetBounds(0, 0, 200, 100);
    own->Show();
    ProcessMessages();
    NewSkin(own, sfOnlyThisForm);
    EXPECT_TRUE(Skinned(own->Handle()));
    EXPECT_FALSE(Skinned(other->Handle()));
    EXPECT_EQ(SkinManager()->MainSkinData, main);
}

// ---- the form skin --------------------------------------------------------------

TEST_F(SkinManageTest, TheFrameIsLeftAloneUntilTheStartMessage) {
    NewSkin(nullptr);
    SkinManager()->Started = true;
    const HWND window = CreateWindowEx(0, "#32770", "对话框", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 200, 100,
                                       0, 0, 0, nullptr);
    SkinManager()->SkinWindow(window);  // unless its activation skinned it
    TWinSkinForm* skin = SkinManager()->FindForm(window);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->State, TWinSkinForm::kAttached);
    EXPECT_EQ(SendMessage(window, WM_NCACTIVATE, TRUE, 0), 0);
    ProcessMessages();  // WM_SKINSTART
    EXPECT_EQ(skin->State, TWinSkinForm::kSkinned);
    EXPECT_TRUE(skin->IsDialog);
    EXPECT_EQ(skin->FrameType, TWinSkinForm::kDialogFrame);
    EXPECT_NE(SendMessage(window, WM_NCACTIVATE, TRUE, 0), 0);
    DestroyWindow(window);
}

TEST_F(SkinManageTest, SystemCommandsAndTitleDoubleClicksSetTheWindowState) {
    NewSkin(nullptr);
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinManager()->FindForm(form->Handle());
    ASSERT_NE(skin, nullptr);
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(skin->WindowState, TWinSkinForm::kMaximized);
    EXPECT_TRUE(IsZoomed(form->Handle()));
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(skin->WindowState, TWinSkinForm::kNormal);
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(skin->WindowState, TWinSkinForm::kMinimized);
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);

    RECT bounds;
    GetWindowRect(form->Handle(), &bounds);
    const LPARAM title = MAKELPARAM(bounds.left + 60, bounds.top + 8);
    SendMessage(form->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, title);
    ProcessMessages();
    EXPECT_TRUE(IsZoomed(form->Handle()));
    SendMessage(form->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, title);
    ProcessMessages();
    EXPECT_FALSE(IsZoomed(form->Handle()));
}

TEST_F(SkinManageTest, TheSystemMenuCopyOpensAtTheClientCornerAndOnTheTitle) {
    NewSkin(nullptr);
    TForm* form = ShownForm();
    std::vector<POINT> shown;
    HWND menu = 0;
    const int creation = AddCreationObserver([&](const WindowCreation& created) {
        if (ClassNameOf(created.window) == "#32768") menu = created.window;
    });
    const int filter = AddMessageFilter([&](int code, MSG&) {
        if (code != MSGF_MENU) return false;
        if (IsWindow(menu)) {
            RECT r;
            GetWindowRect(menu, &r);
            if (shown.empty() || shown.back().x != r.left || shown.back().y != r.top) shown.push_back({r.left, r.top});
        }
        return false;
    });
    const auto escape = [] {
        SimulateKey(VK_ESCAPE, true);
        SimulateKey(VK_ESCAPE, false);
    };
    POINT corner{0, 0};
    ClientToScreen(form->Handle(), &corner);
    escape();
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].x, corner.x);
    EXPECT_EQ(shown[0].y, corner.y);
    TWinSkinForm* skin = SkinManager()->FindForm(form->Handle());
    ASSERT_NE(skin->SystemMenu, nullptr);
    EXPECT_EQ(skin->SystemMenu->Tag(), kSystemMenuTag);

    // A right-click on the title within the double-click time does nothing.
    RECT bounds;
    GetWindowRect(form->Handle(), &bounds);
    SendMessage(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(bounds.left + 70, bounds.top + 9));
    EXPECT_EQ(shown.size(), 1u);
    AdvanceClock(skin->DoubleClickTime + 1);
    escape();
    SendMessage(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(bounds.left + 70, bounds.top + 9));
    RemoveObserver(filter);
    RemoveObserver(creation);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].x, bounds.left + 70);
    EXPECT_EQ(shown[1].y, bounds.top + 9);
}

TEST_F(SkinManageTest, TheFixedSystemMenuOfOlderPlatformsHasItsOwnItems) {
    NewSkin(nullptr);
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinManager()->FindForm(form->Handle());
    const DWORD savedVersion = SkinVersionWord;
    SkinVersionWord = 4;  // NT 4
    skin->BuildSystemMenu();
    SkinVersionWord = savedVersion;
    TMenuItem* items = skin->SystemMenu->Items();
    ASSERT_EQ(items->Count(), 5);
    EXPECT_EQ(items->Items(0)->Caption(), " Restore ");
    EXPECT_EQ(items->Items(3)->Tag(), 100);
    EXPECT_EQ(items->Items(4)->ShortCut(), TextToShortCut("ALT+F4"));
    EXPECT_TRUE(skin->HasSystemClose());
}

}  // namespace

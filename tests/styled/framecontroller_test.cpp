// The frame controller pushing its settings, the shared blink timer, the
// registry/ini holder and the legacy stored properties.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/clock.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxBlinkingControls.h"
#include "styled/VxFrameController.h"
#include "support/temp_dir.h"

namespace {

// Publishes some of the controller's settings, as the styled edits do.
class TFramedTestControl : public TGraphicControl {
    SERVIORA_CLASS(TFramedTestControl, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    using TGraphicControl::TGraphicControl;
    TColor focusColor = clNone;
    TFrameStyle frameStyle = fsNone;
    TSides frameSides;
    Word notifications = AllFrameControllerNotifications;
    int colorChanges = 0;

    TColor FocusColor() const { return focusColor; }
    void SetFocusColor(TColor v) { focusColor = v; }
    TFrameStyle FrameStyle() const { return frameStyle; }
    void SetFrameStyle(TFrameStyle v) { frameStyle = v; }
    TSides FrameSides() const { return frameSides; }
    void SetFrameSides(TSides v) { frameSides = v; }
    TVxFrameControllerNotifications Notifications() const {
        return TVxFrameControllerNotifications::FromBits(notifications);
    }
    void SetNotifications(TVxFrameControllerNotifications v) { notifications = Word(v.Bits()); }
};

void TFramedTestControl::Published(TPublished<TFramedTestControl>& p) {
    p.Property("FocusColor", &TFramedTestControl::FocusColor, &TFramedTestControl::SetFocusColor);
    p.Property("FrameStyle", &TFramedTestControl::FrameStyle, &TFramedTestControl::SetFrameStyle);
    p.Property("FrameSides", &TFramedTestControl::FrameSides, &TFramedTestControl::SetFrameSides);
    p.Property("FrameControllerNotifications", &TFramedTestControl::Notifications,
               &TFramedTestControl::SetNotifications);
}

// Applies the settings itself.
class TListeningTestControl : public TGraphicControl, public IVxFramingNotification {
public:
    using TGraphicControl::TGraphicControl;
    int notified = 0;
    void FrameSettingsChanged() override { ++notified; }
};

class FrameController : public testing::Test {
protected:
    TFramedTestControl* NewControl() { return new TFramedTestControl(&owner_); }
    TComponent owner_{nullptr};
    TVxFrameController controller_{&owner_};
};

TEST_F(FrameController, LinkingPushesEverySettingAtOnce) {
    TFramedTestControl* control = NewControl();
    controller_.SetFrameSides(TSides{sdTop});
    controller_.LinkControl(control);
    EXPECT_EQ(control->Color(), clWindow);
    EXPECT_EQ(control->focusColor, clWindow);
    EXPECT_EQ(control->frameStyle, fsFlat);
    EXPECT_EQ(control->frameSides, TSides{sdTop});
    EXPECT_FALSE(control->ParentColor());
}

TEST_F(FrameController, AControlKeepsWhatItsNotificationsLeaveOut) {
    TFramedTestControl* control = NewControl();
    control->SetColor(clRed);
    control->notifications = AllFrameControllerNotifications & ~(1u << fcpColor);
    controller_.LinkControl(control);
    EXPECT_EQ(control->Color(), clRed);
    EXPECT_EQ(control->frameStyle, fsFlat);
    controller_.SetColor(clYellow);
    EXPECT_EQ(control->Color(), clRed);
    EXPECT_EQ(control->focusColor, clWindow);  // FocusColor follows only on the controller
}

TEST_F(FrameController, ParentColourLeavesColourToTheParent) {
    TFramedTestControl* control = NewControl();
    control->SetColor(clRed);
    controller_.SetParentColor(true);
    controller_.LinkControl(control);
    EXPECT_TRUE(control->ParentColor());
}

TEST_F(FrameController, ColourDragsAFocusColourEqualToIt) {
    controller_.SetColor(clYellow);
    EXPECT_EQ(controller_.FocusColor(), clYellow);
    controller_.SetFocusColor(clAqua);
    controller_.SetColor(clLime);
    EXPECT_EQ(controller_.FocusColor(), clAqua);
    controller_.SetParentColor(true);
    controller_.SetColor(clRed);
    EXPECT_FALSE(controller_.ParentColor());
}

TEST_F(FrameController, SuspendedPushesGoOutOnceOnResume) {
    auto* listener = new TListeningTestControl(&owner_);
    TFramedTestControl* control = NewControl();
    controller_.LinkControl(listener);
    controller_.LinkControl(control);
    EXPECT_EQ(listener->notified, 1);
    controller_.SuspendPushes();
    controller_.SuspendPushes();
    controller_.SetFrameStyle(fsGroove);
    controller_.SetColor(clRed);
    controller_.ResumePushes();
    EXPECT_EQ(control->frameStyle, fsFlat);
    EXPECT_EQ(listener->notified, 1);
    controller_.ResumePushes();
    EXPECT_EQ(control->frameStyle, fsGroove);
    EXPECT_EQ(control->Color(), clRed);
    EXPECT_EQ(listener->notified, 2);
    controller_.UnlinkControl(listener);
    controller_.SetFrameStyle(fsBump);
    EXPECT_EQ(listener->notified, 2);
    EXPECT_EQ(control->frameStyle, fsBump);
}

TEST_F(FrameController, HotTrackingShowsTheFrameOnAllSides) {
    controller_.SetFrameSides(TSides{sdLeft});
    controller_.SetFrameHotTrack(true);
    EXPECT_TRUE(controller_.FrameVisible());
    EXPECT_EQ(controller_.FrameSides(), AllSides);
}

TEST_F(FrameController, AssignCopiesTheSettingsButNotTheHolder) {
    TVxRegIniFile holder(&owner_);
    TVxFrameController other(&owner_);
    other.SetFrameStyle(fsButtonUp);
    other.SetParentColor(true);
    other.SetRegIniFile(&holder);
    controller_.Assign(&other);
    EXPECT_EQ(controller_.FrameStyle(), fsButtonUp);
    EXPECT_TRUE(controller_.ParentColor());
    EXPECT_EQ(controller_.RegIniFile(), nullptr);
}

TEST_F(FrameController, AFreedHolderIsForgotten) {
    auto* holder = new TVxRegIniFile(&owner_);
    controller_.SetRegIniFile(holder);
    delete holder;
    EXPECT_EQ(controller_.RegIniFile(), nullptr);
}

class TFrameTestForm : public TForm {
    SERVIORA_CLASS(TFrameTestForm, TForm)
public:
    using TForm::TForm;
};

TEST(FrameControllerStream, LegacyPropertiesLoad) {
    std::unique_ptr<TForm> form(new TFrameTestForm(nullptr, 0));
    ReadComponentFromString(Utf8(u8R"(object FrameTestForm: TFrameTestForm
  object Old: TVxFrameController
    FrameFlat = True
    FrameFlatStyle = fsFlat
  end
  object Focus: TVxFrameController
    FrameFocusStyle = fsBump
  end
end
)"),
                            form.get());
    auto* old = dynamic_cast<TVxFrameController*>(form->FindComponent("Old"));
    ASSERT_NE(old, nullptr);
    EXPECT_TRUE(old->FrameHotTrack());
    EXPECT_EQ(old->FrameStyle(), fsStatus);
    EXPECT_EQ(old->FrameHotStyle(), fsLowered);
    EXPECT_EQ(dynamic_cast<TVxFrameController*>(form->FindComponent("Focus"))->FrameHotStyle(), fsBump);
}

// FrameStyle properties take the styles up to fsFlatBold: a stored form
// names only those, and a rounded frame given in code draws flat.
TEST(FrameControllerStream, FrameStylesStopAtTheBoldFlatOne) {
    TVxFrameController controller(nullptr);
    controller.SetName("Styles");
    ReadComponentFromString("object Styles: TVxFrameController\n  FrameStyle = fsFlatBold\nend\n", &controller);
    EXPECT_EQ(controller.FrameStyle(), fsFlatBold);
    EXPECT_ANY_THROW(ReadComponentFromString(
        "object Styles: TVxFrameController\n  FrameStyle = fsFlatRounded\nend\n", &controller));
    controller.SetFrameStyle(fsFlatRounded);
    EXPECT_EQ(controller.FrameStyle(), fsFlat);
    EXPECT_EQ(GetEnumName(GetPropInfo(&controller, "FrameStyle")->PropType(), fsFlatBold), "fsFlatBold");
}

// Answers the blink query as its `blinking` says and records each phase.
class TBlinkTestControl : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    bool blinking = true;
    std::vector<WPARAM> phases;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == VXM_QUERYBLINKING)
            message.Result = blinking ? 1 : 0;
        else if (message.Msg == VXM_BLINKPHASE)
            phases.push_back(message.WParam);
        else
            TGraphicControl::WndProc(message);
    }
};

TEST(BlinkingControls, BlinkingControlsSwitchTogetherOnTheClock) {
    FreezeClock(EncodeDate(2024, 5, 1));
    TComponent owner(nullptr);
    auto* first = new TBlinkTestControl(&owner);
    auto* second = new TBlinkTestControl(&owner);
    auto* still = new TBlinkTestControl(&owner);
    still->blinking = false;
    for (TControl* control : {static_cast<TControl*>(first), static_cast<TControl*>(second),
                              static_cast<TControl*>(still)})
        TVxBlinkingControlsList::Add(control);
    TVxBlinkingControlsList* list = TVxBlinkingControlsList::Instance();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Count(), 3);
    list->SetIntervalOn(300);
    DispatchQueuedMessages();
    AdvanceClock(499);
    DispatchQueuedMessages();
    EXPECT_TRUE(first->phases.empty());
    AdvanceClock(1);  // the normal colour first, for IntervalOff
    DispatchQueuedMessages();
    EXPECT_EQ(first->phases, (std::vector<WPARAM>{0}));
    AdvanceClock(500);  // then the blink colour, for IntervalOn
    DispatchQueuedMessages();
    AdvanceClock(299);
    DispatchQueuedMessages();
    EXPECT_EQ(first->phases, (std::vector<WPARAM>{0, 1}));
    AdvanceClock(1);
    DispatchQueuedMessages();
    EXPECT_EQ(first->phases, (std::vector<WPARAM>{0, 1, 0}));
    EXPECT_EQ(second->phases, first->phases);
    EXPECT_TRUE(still->phases.empty());
    for (TControl* control : {static_cast<TControl*>(first), static_cast<TControl*>(second),
                              static_cast<TControl*>(still)})
        TVxBlinkingControlsList::Remove(control);
    EXPECT_EQ(TVxBlinkingControlsList::Instance(), nullptr);
    ReleaseClock();
}

class RegIniHolder : public testing::Test {
protected:
    void SetUp() override { SetRegistryFileName(dir_.file("registry.dat")); }
    void TearDown() override { SetRegistryFileName(""); }
    TempDir dir_;
};

TEST_F(RegIniHolder, OpensWhatItsSettingsName) {
    TVxRegIniFile holder(nullptr);
    holder.SetPath(dir_.file("settings.ini"));
    ASSERT_NE(holder.IniFile(), nullptr);
    EXPECT_EQ(holder.Registry(), nullptr);
    holder.SetPathType(ptRegistry);
    holder.SetPath("\\Software\\Serviora");
    EXPECT_EQ(holder.IniFile(), nullptr);
    ASSERT_NE(holder.Registry(), nullptr);
    EXPECT_EQ(holder.Registry()->RootKey(), HKEY_CURRENT_USER);
    holder.SetRegKey(hkeyLocalMachine);
    EXPECT_EQ(holder.Registry()->RootKey(), HKEY_LOCAL_MACHINE);
}

}  // namespace

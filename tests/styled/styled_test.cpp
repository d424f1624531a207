// The styled controls read from form descriptions, as the main window's.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/clock.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxButton.h"
#include "styled/VxStatus.h"

namespace {

class TStyledTestForm : public TForm {
    SERVIORA_CLASS(TStyledTestForm, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    int clicks = 0;
    void ButtonClick(TObject*) { ++clicks; }
};

void TStyledTestForm::Published(TPublished<TStyledTestForm>& p) {
    p.Method("ButtonClick", &TStyledTestForm::ButtonClick);
}

class StyledTest : public ::testing::Test {
protected:
    void Read(const char8_t* description) {
        form_.reset(new TStyledTestForm(nullptr, 0));
        ReadComponentFromString(Utf8(description), form_.get());
    }
    template <class T>
    T* Find(const char* name) {
        return dynamic_cast<T*>(form_->FindComponent(name));
    }

    std::unique_ptr<TStyledTestForm> form_;
};

// Three buttons and two spacers, declared in another order than the stored
// layout order.
const char8_t kToolbar[] = u8R"(object StyledTestForm: TStyledTestForm
  Left = 0
  Top = 0
  Width = 800
  Height = 300
  object VxToolbar2: TVxToolbar
    Left = 0
    Top = 0
    Width = 800
    Height = 64
    RowHeight = 60
    ButtonLayout = blGlyphTop
    ButtonWidth = 60
    ButtonHeight = 60
    ShowButtonCaptions = True
    TextOptions = ttoCustom
    BorderInner = fsNone
    BorderOuter = fsGroove
    BorderSides = [sdTop]
    Transparent = True
    ToolbarControls = (
      VxToolButton9
      VxSpacer1
      VxToolButton12
      VxSpacer2
      VxToolButton6)
    object VxToolButton6: TVxToolButton
      Width = 60
      Height = 60
      Caption = '退出'
      OnClick = ButtonClick
    end
    object VxSpacer2: TVxSpacer
    end
    object VxToolButton9: TVxToolButton
      Width = 68
      Height = 60
      Caption = '售后接待'
      ImageIndex = 6
      OnClick = ButtonClick
    end
    object VxSpacer1: TVxSpacer
    end
    object VxToolButton12: TVxToolButton
      Width = 98
      Height = 60
      Caption = '报表查询'
      Enabled = False
      OnClick = ButtonClick
    end
  end
end
)";

TEST_F(StyledTest, ToolbarLinesUpItsControlsInTheStoredOrder) {
    Read(kToolbar);
    auto* toolbar = Find<TVxToolbar>("VxToolbar2");
    ASSERT_NE(toolbar, nullptr);
    struct Expected {
        const char* name;
        int left, top;
    } expected[] = {{"VxToolButton9", 4, 2},
                    {"VxSpacer1", 72, 20},
                    {"VxToolButton12", 80, 2},
                    {"VxSpacer2", 178, 20},
                    {"VxToolButton6", 186, 2}};
    for (const Expected& e : expected) {
        auto* control = Find<TControl>(e.name);
        ASSERT_NE(control, nullptr) << e.name;
        EXPECT_EQ(control->Left(), e.left) << e.name;
        EXPECT_EQ(control->Top(), e.top) << e.name;
    }
    EXPECT_EQ(toolbar->Height(), 64) << "groove, top margin and one row of 60";
    EXPECT_EQ(Find<TVxToolButton>("VxToolButton9")->Layout(), blGlyphTop) << "follows the toolbar";
    EXPECT_TRUE(Find<TVxToolButton>("VxToolButton9")->ShowCaption());

    const std::string written = ComponentToText(form_.get());
    EXPECT_NE(written.find("ToolbarControls = (\n      VxToolButton9\n      VxSpacer1\n      VxToolButton12"),
              std::string::npos)
        << written;
}

TEST_F(StyledTest, AToolButtonClickedWithTheMouseFiresItsHandlerOnceAndADisabledOneNever) {
    Read(kToolbar);
    form_->Show();
    ProcessMessages();
    const HWND toolbar = Find<TVxToolbar>("VxToolbar2")->Handle();
    ASSERT_TRUE(SimulateClick(toolbar, POINT{4 + 30, 2 + 30}));
    ProcessMessages();
    EXPECT_EQ(form_->clicks, 1);
    ASSERT_TRUE(SimulateClick(toolbar, POINT{80 + 40, 2 + 30}));
    ProcessMessages();
    EXPECT_EQ(form_->clicks, 1) << "the disabled button does nothing";
}

// A stored order naming a control that has since moved to a panel, and a
// toolbar child the order does not name.
const char8_t kMovedControl[] = u8R"(object StyledTestForm: TStyledTestForm
  Width = 800
  Height = 300
  object VxToolbar2: TVxToolbar
    Width = 800
    ToolbarControls = (
      VxSpacer2
      VxSpacer1
      VxSpacer3)
    object VxSpacer1: TVxSpacer
    end
    object VxSpacer2: TVxSpacer
    end
    object VxSpacer4: TVxSpacer
    end
  end
  object Panel1: TPanel
    object VxSpacer3: TVxSpacer
    end
  end
end
)";

TEST_F(StyledTest, AStoredOrderDropsControlsThatMovedAwayAndAppendsUnlistedChildren) {
    Read(kMovedControl);
    const std::vector<TControl*> order = Find<TVxToolbar>("VxToolbar2")->ToolbarControls();
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0]->Name(), "VxSpacer2");
    EXPECT_EQ(order[1]->Name(), "VxSpacer1");
    EXPECT_EQ(order[2]->Name(), "VxSpacer4");
    EXPECT_EQ(order[2]->Left(), 4 + 8 + 8);
    const std::string written = ComponentToText(form_.get());
    EXPECT_NE(written.find("ToolbarControls = (\n      VxSpacer2\n      VxSpacer1\n      VxSpacer4)"),
              std::string::npos)
        << written;
}

const char8_t kStatusBar[] = u8R"(object StyledTestForm: TStyledTestForm
  Width = 1000
  Height = 300
  object VxStatusBar1: TVxStatusBar
    Height = 24
    AutoStyle = False
    BorderInner = fsNone
    BorderOuter = fsNone
    BorderSides = [sdLeft, sdTop, sdRight, sdBottom]
    BorderWidth = 0
    object VxStatusPane1: TVxStatusPane
      Width = 227
      Align = alLeft
      Alignment = taCenter
    end
    object VxMarqueeStatus1: TVxMarqueeStatus
      Left = 227
      Width = 372
      Align = alLeft
      ScrollDelay = 20
    end
    object VxClockStatus1: TVxClockStatus
      Left = 599
      Width = 259
      Align = alLeft
      Alignment = taCenter
      Format = 'dddddd tt'
    end
  end
end
)";

TEST_F(StyledTest, StatusBarKeepsItsStoredLookAndPanesLineUpFromTheLeft) {
    FreezeClock(EncodeDate(2024, 5, 1) + EncodeTime(9, 30, 0, 0));
    Read(kStatusBar);
    auto* bar = Find<TVxStatusBar>("VxStatusBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Height(), 24) << "AutoStyle off keeps the stored height";
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(Find<TControl>("VxStatusPane1")->Left(), 0);
    EXPECT_EQ(Find<TControl>("VxMarqueeStatus1")->Left(), 227);
    EXPECT_EQ(Find<TControl>("VxClockStatus1")->Left(), 599);

    auto* marquee = Find<TVxMarqueeStatus>("VxMarqueeStatus1");
    EXPECT_EQ(marquee->ScrollDelay(), 20);
    marquee->SetCaption("请修改滚动字幕");
    form_->Show();
    ProcessMessages();
    AdvanceClock(100);
    ProcessMessages();
    EXPECT_GT(marquee->ScrollOffset(), 0) << "the caption scrolls on the pane's own timer";
    marquee->SetCaption("新的");
    TBitmap measure;
    measure.Canvas()->SetFont(marquee->Font());
    EXPECT_EQ(marquee->ScrollLength(), measure.Canvas()->TextWidth("新的") + 372)
        << "a new caption crosses the pane and its own width";
    ReleaseClock();
}

TEST_F(StyledTest, ClockShowsTheTimeInItsFormatAndFollowsTheClock) {
    FreezeClock(EncodeDate(2024, 5, 1) + EncodeTime(23, 59, 59, 0));
    auto clock = std::make_unique<TVxClockStatus>(nullptr);
    clock->SetFormat("yyyy-mm-dd hh:nn:ss");
    TVxPollingStatus* polling = clock.get();
    EXPECT_TRUE(polling->Active());
    EXPECT_EQ(polling->Interval(), 500u);
    EXPECT_EQ(clock->Caption(), "2024-05-01 23:59:59");
    AdvanceClock(1000);
    clock->PollTick();
    EXPECT_EQ(clock->Caption(), "2024-05-02 00:00:00");
    ReleaseClock();
}

}  // namespace

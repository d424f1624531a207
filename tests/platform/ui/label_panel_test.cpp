// TLabel's mnemonic focusing its FocusControl, and TPanel's border style.
#include "platform/rtl/writer.h"
#include "tests/platform/ui/control_fixture.h"

class LabelPanelTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(320, 200);
        first = new TFocusBox(form);
        first->SetParent(form);
        second = new TFocusBox(form);
        second->SetParent(form);
        second->SetTop(40);
        label = TLabel::Create(form);
        label->SetParent(form);
        label->SetTop(80);
        label->SetCaption("&Name 姓名");
        label->SetFocusControl(second);
        form->Show();
        first->SetFocus();
        ProcessMessages();
    }
    static void AltChar(int vk, const char* text) {
        SimulateKey(VK_MENU, true);
        SimulateKey(vk, true, text);
        SimulateKey(vk, false);
        SimulateKey(VK_MENU, false);
        ProcessMessages();
    }
    TForm* form = nullptr;
    TFocusBox* first = nullptr;
    TFocusBox* second = nullptr;
    TLabel* label = nullptr;
};

TEST_F(LabelPanelTest, AltMnemonicFocusesTheLabelsFocusControl) {
    AltChar('X', "x");
    EXPECT_TRUE(first->Focused()) << "a character that is no mnemonic moves nothing";
    AltChar('N', "n");
    EXPECT_TRUE(second->Focused());
}

TEST_F(LabelPanelTest, MnemonicIgnoredWithoutAccelCharsOrOnceTheControlIsGone) {
    label->SetShowAccelChar(false);
    AltChar('N', "n");
    EXPECT_TRUE(first->Focused());
    label->SetShowAccelChar(true);
    delete second;
    EXPECT_EQ(label->FocusControl(), nullptr);
    AltChar('N', "n");
    EXPECT_TRUE(first->Focused());
}

TEST_F(LabelPanelTest, SingleBorderGivesTheClientEdgeAndReadsBack) {
    TPanel* panel = TPanel::Create(form);
    panel->SetName("Panel1");
    panel->SetParent(form);
    panel->SetBounds(100, 10, 100, 60);
    EXPECT_EQ(GetWindowLong(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    panel->SetBorderStyle(bsSingle);
    EXPECT_NE(GetWindowLong(panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_LT(panel->ClientWidth(), 100);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    const std::string text = ComponentToText(panel);
    for (const char* line : {"BorderStyle = bsSingle", "BevelInner = bvLowered", "BevelWidth = 2", "BorderWidth = 3"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    std::unique_ptr<TComponent> copy(ReadComponentFromString(text, nullptr));
    auto* back = dynamic_cast<TPanel*>(copy.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->BorderStyle(), bsSingle);
    EXPECT_EQ(back->BorderWidth(), 3);
}

TEST_F(ControlTest, APanelTellsOfItsNewSizeAfterItsChildrenTookIt) {
    TForm* form = NewForm(320, 200);
    auto* outer = Place<TPanel>(form, 0, 0, 200, 100);
    outer->SetBevelOuter(bvNone);
    auto* inner = Place<TPanel>(outer, 0, 0, 10, 10);
    inner->SetAlign(alClient);
    std::vector<int> seen;
    outer->SetOnResize([&](TObject*) { seen.push_back(inner->Width()); });
    outer->SetWidth(150);  // no window yet
    form->Show();
    ASSERT_TRUE(outer->HandleAllocated());
    outer->SetWidth(250);  // through the window
    EXPECT_EQ(seen, (std::vector<int>{150, 250}));
}

// The Unicode editors keep wide text whole, also characters outside GBK and
// across window re-creation; the combo's wide items and its keys.
#include "stringgrid/editors/BqgUniEdits.h"

#include "platform/ui/control_fixture.h"

namespace {

class UniEditsTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(400, 300);
    }
    TForm* form = nullptr;
};

TEST_F(UniEditsTest, EditsReturnWideTextAcrossWindowRecreation) {
    auto* edit = Place<TBqgUniEdit>(form, 10, 10, 200, 24);
    auto* memo = Place<TBqgUniMemo>(form, 10, 40, 200, 100);
    auto* button = Place<TBqgUniEditBtn>(form, 10, 150, 200, 24);
    EXPECT_EQ(button->Text(), u"") << "the button edit starts empty";
    EXPECT_EQ(memo->Width(), 200);
    const WideString text = u"中文𠀀\u0100";
    edit->SetText(text);
    memo->SetText(text);
    button->SetText(text);
    EXPECT_EQ(edit->Text(), text) << "before the window exists";
    form->Show();
    ProcessMessages();
    EXPECT_EQ(edit->Text(), text);
    edit->RecreateWnd();
    memo->RecreateWnd();
    ProcessMessages();
    EXPECT_EQ(edit->Text(), text);
    EXPECT_EQ(memo->Text(), text);
    EXPECT_EQ(button->Text(), text);
    EXPECT_EQ(edit->Font()->Charset(), 255);

    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });
    edit->SetText(text);
    EXPECT_EQ(changes, 0) << "the same text again changes nothing";
    edit->SetText(u"x");
    EXPECT_EQ(changes, 1);
}

TEST_F(UniEditsTest, ComboKeepsWideItemsAndBackspaceOnlyReachesKeyPress) {
    auto* combo = Place<TBQGUniComboBox>(form, 10, 10, 200, 24);
    form->Show();
    ProcessMessages();
    combo->WideItems()->Add(u"维修");
    combo->WideItems()->Add(u"𠀀");
    EXPECT_EQ(combo->WideItems()->Count(), 2);
    EXPECT_EQ(combo->WideItems()->Strings(1), u"𠀀");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), u"𠀀");
    // Widths outside 14 to 32 are ignored.
    for (const auto& [width, taken] : {std::pair{32, 32}, {33, 32}, {14, 14}, {13, 14}}) {
        combo->SetButtonWidth(width);
        EXPECT_EQ(combo->ButtonWidth(), taken) << width;
    }

    std::vector<char> pressed;
    combo->SetOnKeyPress([&](TObject*, char& key) { pressed.push_back(key); });
    combo->SetFocus();
    Key(VK_BACK);
    EXPECT_EQ(pressed, std::vector<char>{'\b'});
}

}  // namespace

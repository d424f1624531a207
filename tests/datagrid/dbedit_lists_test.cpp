// The data-aware edit's most-recently-used list as its user meets it while
// typing, its buttons' drop-downs and menus, its auto height, and a picture
// of editors in their looks for people to look at.
#include <fstream>

#include "datagrid/DBCtrlsVynEdit.h"
#include "platform/gdi/imagecodecs.h"
#include "platform/ui/menus.h"
#include "platform/win/testseams.h"
#include "platform/win/winuser.h"
#include "support/temp_dir.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class TListDBEdit : public TCustomDBEditVyn {
    SERVIORA_CLASS(TListDBEdit, TCustomDBEditVyn)
public:
    using TCustomDBEditVyn::TCustomDBEditVyn;
    using TCustomDBEditVyn::SetDroppedDown;
    // A drop-down that only marks itself open, as descendants' lists do.
    void DropDownStart() override {
        TCustomDBEditVyn::DropDownStart();
        SetDroppedDown(true);
    }
    void CloseUpButton(bool accept) override {
        TCustomDBEditVyn::CloseUpButton(accept);
        SetDroppedDown(false);
    }
};

class DBEditListsTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        edit = Place<TListDBEdit>(form, 10, 10, 160, 21);
        edit->MRUList()->SetActive(true);
        for (const char* phone : {"13800001111", "13800002222", "13912345678", "15000000000"})
            edit->MRUList()->RememberText(phone);
        edit->SetFocus();
        ProcessMessages();
    }
    void Type(const AnsiString& text) {
        SimulateTyping(text);
        ProcessMessages();
    }
    void Key(int vk) {
        SimulateKey(vk, true);
        SimulateKey(vk, false);
        ProcessMessages();
    }
    TListDBEdit* edit = nullptr;
};

TEST_F(DBEditListsTest, TheListOpensWhileTheTextDiffersFromTheEmptyMaskText) {
    EXPECT_FALSE(edit->MRUList()->DroppedDown());
    Type("1");
    ASSERT_TRUE(edit->MRUList()->DroppedDown());
    EXPECT_TRUE(IsWindowVisible(edit->MRUListBox()->Handle()));
    Key(VK_BACK);
    EXPECT_FALSE(edit->MRUList()->DroppedDown());
    // Masked: the blank mask text counts as empty.
    edit->SetEditMask("000-0000;1;_");
    edit->MRUList()->RememberText("5  -    ");
    edit->SelectAll();
    Key(VK_DELETE);
    EXPECT_FALSE(edit->MRUList()->DroppedDown());
    Type("5");
    ASSERT_TRUE(edit->MRUList()->DroppedDown());
    Key(VK_BACK);
    EXPECT_FALSE(edit->MRUList()->DroppedDown());
}

TEST_F(DBEditListsTest, TheListFiltersAndEnterTakesTheSelectedItem) {
    Type("138");
    ASSERT_TRUE(edit->MRUList()->DroppedDown());
    EXPECT_EQ(edit->MRUListBox()->Items()->Count(), 2);
    Key(VK_DOWN);
    EXPECT_EQ(edit->MRUListBox()->ItemIndex(), 0);
    Key(VK_RETURN);
    EXPECT_FALSE(edit->MRUList()->DroppedDown());
    EXPECT_EQ(edit->Text(), "13800001111");
    Type("9");
    Key(VK_ESCAPE);
    EXPECT_FALSE(edit->MRUList()->DroppedDown());
}

TEST_F(DBEditListsTest, AResizedListReopensWithItsRowsAtTheEditorsWidth) {
    Type("1");
    TMRUListboxVyn* list = edit->MRUListBox();
    ASSERT_TRUE(edit->MRUList()->DroppedDown());
    list->SetBounds(list->Left(), list->Top(), 260, list->Height() / 2);
    list->SizeGrip()->NotifyParentResized();
    const int rows = list->RowCount();
    EXPECT_EQ(edit->MRUList()->Rows(), rows);
    EXPECT_EQ(edit->MRUList()->DropDownWidth(), 260);
    Key(VK_ESCAPE);
    Key(VK_BACK);
    Type("1");
    ASSERT_TRUE(edit->MRUList()->DroppedDown());
    EXPECT_EQ(list->RowCount(), rows);
    EXPECT_EQ(list->Width(), edit->Width());
}

TEST_F(DBEditListsTest, TheOpeningClickLeavesTheDropDownOpenAndTheNextClosesIt) {
    edit->EditButton()->SetVisible(true);
    ProcessMessages();
    TEditButtonControlVyn* button = edit->ButtonControls()[0].second;
    const POINT centre{button->Left() + button->Width() / 2, button->Height() / 2};
    SimulateClick(edit->Handle(), centre);
    ProcessMessages();
    EXPECT_TRUE(edit->DroppedDown());
    SimulateClick(edit->Handle(), centre);
    ProcessMessages();
    EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(DBEditListsTest, ThePressThatClosesAButtonsMenuDoesNotReopenIt) {
    TEditButtonVyn* extra = edit->EditButtons()->Add();
    extra->SetVisible(true);
    auto* menu = new TPopupMenu(form);
    extra->SetDropdownMenu(menu);
    int downs = 0;
    extra->SetOnDown([&](TObject*, bool, bool&, bool& handled) {
        ++downs;
        handled = true;  // no menu loop in the test
    });
    ProcessMessages();
    TEditButtonControlVyn* control = edit->ButtonControls()[1].second;
    bool autoRepeat = false, handled = false;
    // The menu was shown by an earlier press: its message still waits.
    PostMessage(edit->Handle(), ButtonMenuShownMessage, static_cast<WPARAM>(control->Tag()), 0);
    control->OnButtonDown()(control, true, autoRepeat, handled);
    EXPECT_EQ(downs, 0);
    MSG waiting{};
    EXPECT_FALSE(PeekMessage(&waiting, edit->Handle(), ButtonMenuShownMessage, ButtonMenuShownMessage, PM_NOREMOVE));
    control->OnButtonDown()(control, true, autoRepeat, handled);
    EXPECT_EQ(downs, 1);
}

TEST_F(DBEditListsTest, AutoHeightFollowsTheFontTheLookAndTheImages) {
    const int border = GetSystemMetrics(SM_CYBORDER);
    edit->SetFlat(true);
    const int flat = edit->Height();
    edit->SetFlat(false);
    EXPECT_EQ(edit->Height(), flat + 2 * border);
    EXPECT_GT(flat, 6 * border);
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(40);
    edit->SetImages(&images);
    EXPECT_EQ(edit->Height(), 8 * border + 40);
    edit->EditImage()->SetUseImageHeight(false);
    EXPECT_EQ(edit->Height(), flat + 2 * border);
    edit->SetImages(nullptr);
}

}  // namespace

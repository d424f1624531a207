// Owner-drawn TListBox and TComboBox: OnMeasureItem sizes variable items,
// OnDrawItem draws each item (and a combo box's selection field) on the
// control's Canvas with the item's state, and ItemHeight reaches the window.
#include "tests/platform/ui/control_fixture.h"
#include "platform/win/commctrl.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_listbox.h"

namespace {

struct Drawn {
    int index;
    TRect rect;
    TOwnerDrawState state;
    TColor brush;
};

}  // namespace

class OwnerDrawTest : public FormControlTest {
protected:
    // Records what `control` draws; variable items are 10 + 5 * index high.
    void Watch(TCustomListControl* control) {
        control->SetOnMeasureItem([this](TWinControl*, int index, int& height) {
            measured.push_back(index);
            height = 10 + 5 * index;
        });
        control->SetOnDrawItem([this, control](TWinControl* sender, int index, TRect rect, TOwnerDrawState state) {
            EXPECT_EQ(sender, control);
            drawn.push_back({index, rect, state, control->Canvas()->Brush()->Color()});
            control->Canvas()->FillRect(rect);
        });
    }
    const Drawn* LastDrawOf(int index, bool field = false) const {
        for (auto it = drawn.rbegin(); it != drawn.rend(); ++it)
            if (it->index == index && it->state.Contains(odComboBoxEdit) == field) return &*it;
        return nullptr;
    }
    std::vector<int> measured;
    std::vector<Drawn> drawn;
};

TEST_F(OwnerDrawTest, ListBoxItemsAreMeasuredAndDrawnByTheProgram) {
    struct Case {
        TListBoxStyle style;
        std::vector<int> heights;
        std::vector<int> measured;
    };
    for (const Case& c : {Case{lbOwnerDrawFixed, {20, 20, 20}, {}},
                          Case{lbOwnerDrawVariable, {10, 15, 20}, {0, 1, 2}}}) {
        SCOPED_TRACE(int(c.style));
        measured.clear();
        drawn.clear();
        TListBox* list = TListBox::Create(form);
        list->SetStyle(c.style);
        list->SetItemHeight(20);
        Watch(list);
        for (const char* text : {"电池", "屏幕", "主板"}) list->Items()->Add(text);
        list->SetParent(form);
        list->SetBounds(10, 10, 150, 100);
        list->SetItemIndex(1);
        ProcessMessages();

        EXPECT_EQ(measured, c.measured);
        int top = 0;
        for (int i = 0; i < 3; ++i) {
            const Drawn* item = LastDrawOf(i);
            ASSERT_NE(item, nullptr) << i;
            EXPECT_EQ(item->rect, TRect(0, top, list->ClientWidth(), top + c.heights[std::size_t(i)])) << i;
            EXPECT_EQ(list->ItemRect(i), item->rect) << i;
            EXPECT_EQ(item->state.Contains(odSelected), i == 1) << i;
            EXPECT_EQ(item->brush, i == 1 ? clHighlight : clWindow) << i;
            top += c.heights[std::size_t(i)];
        }
        // The mouse finds the items where they were drawn.
        SimulateClick(list->Handle(), {5, LastDrawOf(2)->rect.top + 1});
        ProcessMessages();
        EXPECT_EQ(list->ItemIndex(), 2);
        delete list;
    }
}

TEST_F(OwnerDrawTest, ComboBoxDrawsItsFieldAndDroppedItemsThroughTheProgram) {
    struct Case {
        TComboBoxStyle style;
        std::vector<int> heights;
    };
    for (const Case& c : {Case{csOwnerDrawFixed, {18, 18, 18}}, Case{csOwnerDrawVariable, {10, 15, 20}}}) {
        SCOPED_TRACE(int(c.style));
        drawn.clear();
        TComboBox* combo = TComboBox::Create(form);
        combo->SetStyle(c.style);
        combo->SetItemHeight(18);
        Watch(combo);
        for (const char* text : {"电池", "屏幕", "主板"}) combo->Items()->Add(text);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 150, 24);
        combo->SetItemIndex(1);
        int changes = 0;
        combo->SetOnChange([&](TObject*) { ++changes; });
        ProcessMessages();

        // The selection field is an item of ItemHeight.
        const Drawn* field = LastDrawOf(1, true);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->rect.bottom - field->rect.top, 18);
        EXPECT_EQ(SendMessage(combo->Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0), 18);

        combo->SetDroppedDown(true);
        ProcessMessages();
        COMBOBOXINFO info;
        GetComboBoxInfo(combo->Handle(), &info);
        for (int i = 0; i < 3; ++i) {
            const Drawn* item = LastDrawOf(i);
            ASSERT_NE(item, nullptr) << i;
            EXPECT_EQ(item->rect.bottom - item->rect.top, c.heights[std::size_t(i)]) << i;
            EXPECT_EQ(SendMessage(info.hwndList, LB_GETITEMHEIGHT, WPARAM(i), 0), c.heights[std::size_t(i)]) << i;
        }
        RECT list;
        GetClientRect(info.hwndList, &list);
        EXPECT_EQ(list.bottom, c.heights[0] + c.heights[1] + c.heights[2]);
        const TRect last = LastDrawOf(2)->rect;
        SimulateClick(info.hwndList, {5, last.top + 2});
        ProcessMessages();
        EXPECT_EQ(combo->ItemIndex(), 2);
        EXPECT_EQ(changes, 1);
        EXPECT_NE(LastDrawOf(2, true), nullptr);

        combo->SetItemHeight(22);
        EXPECT_EQ(SendMessage(combo->Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0), 22);
        EXPECT_EQ(combo->Height(), 28);
        EXPECT_EQ(combo->ItemIndex(), 2);
        delete combo;
    }
}

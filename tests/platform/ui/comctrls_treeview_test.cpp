// TTreeView: nodes kept by the control and mirrored into its
// "SysTreeView32" window (before and after the window is made, and when it
// is made again), selection by click and keys with OnChanging/OnChange,
// expanding through the buttons, and deleting nodes the selection is in.
#include <cstring>
#include <optional>

#include "tests/platform/ui/control_fixture.h"
#include "platform/ui/comctrls_treeview.h"

class TreeViewTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        tree = TTreeView::Create(form);
        TTreeNodes* items = tree->Items();
        items->BeginUpdate();
        first = items->AddChildObject(nullptr, "第一章", &data);
        items->AddChild(first, "1.1");
        TTreeNode* second = items->AddChild(first, "1.2");
        deepest = items->AddChild(second, "1.2.1");
        last = items->Add(first, "第二章");
        items->EndUpdate();
        tree->SetBounds(0, 0, 200, 150);
        tree->SetParent(form);
        tree->SetOnChange([this](TObject*, TTreeNode* node) { log.push_back("change " + (node ? node->Text() : "-")); });
        tree->SetOnClick([this](TObject*) { log.push_back("click"); });
        ProcessMessages();
    }
    // TVM_GETITEMRECT: the label's rectangle, or nothing without a row.
    std::optional<RECT> LabelRect(TTreeNode* node) {
        RECT r{};
        const HTREEITEM item = node->ItemId();
        std::memcpy(static_cast<void*>(&r), &item, sizeof item);
        if (!SendMessage(tree->Handle(), TVM_GETITEMRECT, TRUE, LPARAM(&r))) return std::nullopt;
        return r;
    }
    // The middle of a node's label in the window.
    POINT LabelOf(TTreeNode* node) {
        const RECT r = LabelRect(node).value_or(RECT{});
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    int data = 7;
    TTreeView* tree = nullptr;
    TTreeNode *first = nullptr, *deepest = nullptr, *last = nullptr;
    std::vector<AnsiString> log;
};

TEST_F(TreeViewTest, NodesReachTheWindowAndAClickSelectsOne) {
    EXPECT_EQ(SendMessage(tree->Handle(), TVM_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(tree->Items()->Count(), 5);
    EXPECT_EQ(tree->Items()->Item(3), deepest);
    EXPECT_EQ(deepest->Level(), 2);
    EXPECT_EQ(last->AbsoluteIndex(), 4);
    EXPECT_EQ(first->Data(), &data);
    char text[16] = {};
    TVITEMA item;
    item.mask = TVIF_TEXT;
    item.hItem = deepest->ItemId();
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessage(tree->Handle(), TVM_GETITEM, 0, LPARAM(&item)));
    EXPECT_EQ(AnsiString(text), AnsiString("1.2.1"));

    // Collapsed, the deepest node has no row; expanded, a click selects it.
    EXPECT_FALSE(LabelRect(deepest));
    tree->FullExpand();
    EXPECT_TRUE(deepest->Parent()->Expanded());
    SimulateClick(tree->Handle(), LabelOf(deepest));
    ProcessMessages();
    EXPECT_EQ(tree->Selected(), deepest);
    EXPECT_EQ(log, (std::vector<AnsiString>{"change 1.2.1", "click"}));

    // The keys move the selection through the rows; Left goes up to the parent.
    Key(VK_DOWN);
    EXPECT_EQ(tree->Selected(), last);
    Key(VK_UP);
    Key(VK_LEFT);
    EXPECT_EQ(tree->Selected(), deepest->Parent());
}

TEST_F(TreeViewTest, TheButtonCollapsesAndTheSelectionMovesUpOutOfIt) {
    tree->FullExpand();
    tree->SetSelected(deepest);
    POINT button = LabelOf(first);
    button.x = LabelRect(first)->left - 2 - int(SendMessage(tree->Handle(), TVM_GETINDENT, 0, 0)) / 2;
    SimulateClick(tree->Handle(), button);
    ProcessMessages();
    EXPECT_FALSE(first->Expanded());
    EXPECT_EQ(tree->Selected(), first);

    // A refused change keeps the selection.
    tree->SetOnChanging([](TObject*, TTreeNode* node, bool& allow) { allow = node->Text() != "第二章"; });
    tree->SetSelected(last);
    EXPECT_EQ(tree->Selected(), first);
}

TEST_F(TreeViewTest, DeletingAroundTheSelectionAndMakingTheWindowAgain) {
    tree->FullExpand();
    tree->SetSelected(deepest);
    // A window made again shows the same nodes, open and selected as they were.
    tree->SetShowLines(false);
    EXPECT_EQ(SendMessage(tree->Handle(), TVM_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(HTREEITEM(SendMessage(tree->Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0)), deepest->ItemId());
    EXPECT_TRUE(first->Expanded());

    log.clear();
    first->Item(1)->Delete();
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(log, std::vector<AnsiString>{"change -"});
    EXPECT_EQ(first->Count(), 1);
    EXPECT_EQ(SendMessage(tree->Handle(), TVM_GETCOUNT, 0, 0), 3);

    tree->Items()->Clear();
    EXPECT_EQ(tree->Items()->Count(), 0);
    EXPECT_EQ(SendMessage(tree->Handle(), TVM_GETCOUNT, 0, 0), 0);
    EXPECT_THROW(tree->Items()->Item(0), EListError);
}

// TTreeView over the platform's "SysTreeView32" class: Items (TTreeNodes)
// holding TTreeNode (Text, Data, children, Expanded, Selected), kept by the
// control and mirrored into the window while it has one; Selected with
// OnChanging/OnChange, FullExpand/FullCollapse, ReadOnly, ShowButtons,
// ShowLines, ShowRoot and HideSelection.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/stdctrls_edit.h"
#include "platform/win/commctrl_treeview.h"

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
    TTreeNode(TTreeNodes* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& v);
    void* Data() const { return data_; }
    void SetData(void* v) { data_ = v; }
    TTreeNode* Parent() const { return parent_; }
    TTreeNodes* Owner() const { return owner_; }
    TCustomTreeView* TreeView() const;
    int Count() const { return int(children_.size()); }
    TTreeNode* Item(int index) const { return children_.at(std::size_t(index)).get(); }
    bool HasChildren() const { return !children_.empty(); }
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The node after this one in the whole tree, children first.
    TTreeNode* GetNext() const;
    int Index() const;
    // 0 for a top-level node.
    int Level() const;
    int AbsoluteIndex() const;

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool v);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool v);
    // The node's item in the window (nullptr while the control has none).
    HTREEITEM ItemId() const { return item_; }
    // Deletes the node with its children.
    void Delete();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;

    TTreeNodes* owner_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    AnsiString text_;
    void* data_ = nullptr;
    bool expanded_ = false;
    HTREEITEM item_ = nullptr;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* owner) : owner_(owner) {}
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    TCustomTreeView* Owner() const { return owner_; }
    // A node after the last sibling of `sibling` (a top-level node without one).
    TTreeNode* Add(TTreeNode* sibling, const AnsiString& text) { return AddObject(sibling, text, nullptr); }
    TTreeNode* AddObject(TTreeNode* sibling, const AnsiString& text, void* data);
    // A node after the last child of `parent` (a top-level node without one).
    TTreeNode* AddChild(TTreeNode* parent, const AnsiString& text) { return AddChildObject(parent, text, nullptr); }
    TTreeNode* AddChildObject(TTreeNode* parent, const AnsiString& text, void* data);
    void Delete(TTreeNode* node) { node->Delete(); }
    void Clear();
    // Nested updates; the window is redrawn once at the end of the outermost.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    // Every node of the tree.
    int Count() const;
    // A node by its place in the whole tree.
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(TTreeNode* parent) {
        return parent ? parent->children_ : roots_;
    }
    // Puts a node, and its children, into the window.
    void Mirror(TTreeNode* node);

    TCustomTreeView* owner_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    int updateCount_ = 0;
};

SERVIORA_EVENT_TYPE(TTVChangedEvent, void(TObject* Sender, TTreeNode* Node));
SERVIORA_EVENT_TYPE(TTVChangingEvent, void(TObject* Sender, TTreeNode* Node, bool& AllowChange));

class TCustomTreeView : public TWinControl {
    SERVIORA_CLASS(TCustomTreeView, TWinControl)
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return items_.get(); }
    TTreeNode* Selected() const { return selected_; }
    void SetSelected(TTreeNode* node);
    void FullExpand();
    void FullCollapse();
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { SetStyleBit(readOnly_, v); }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool v) { SetStyleBit(showButtons_, v); }
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool v) { SetStyleBit(showLines_, v); }
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool v) { SetStyleBit(showRoot_, v); }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v) { SetStyleBit(hideSelection_, v); }

    const TTVChangedEvent& OnChange() const { return onChange_; }
    void SetOnChange(TTVChangedEvent v) { onChange_ = std::move(v); }
    const TTVChangingEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TTVChangingEvent v) { onChanging_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual bool CanChange(TTreeNode* node);
    virtual void Change(TTreeNode* node);
    void CNNotify(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_NOTIFY, CNNotify)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void SetStyleBit(bool& field, bool v);
    // The selected node (or one above it) leaves the tree.
    void ForgetSelection();

    std::unique_ptr<TTreeNodes> items_;
    TTreeNode* selected_ = nullptr;
    bool readOnly_ = false, showButtons_ = true, showLines_ = true, showRoot_ = true, hideSelection_ = true;
    TTVChangedEvent onChange_;
    TTVChangingEvent onChanging_;
};

class TTreeView : public TCustomTreeView {
    SERVIORA_CLASS(TTreeView, TCustomTreeView)
    SERVIORA_PUBLISHED
public:
    explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
};

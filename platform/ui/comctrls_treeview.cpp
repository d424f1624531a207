// TTreeView and its nodes over "SysTreeView32".
#include "platform/ui/comctrls_treeview.h"

#include <algorithm>

// ---- nodes -----------------------------------------------------------------------------

TCustomTreeView* TTreeNode::TreeView() const { return owner_->Owner(); }

void TTreeNode::SetText(const AnsiString& v) {
    text_ = v;
    TCustomTreeView* view = TreeView();
    if (!view->HandleAllocated() || !item_) return;
    TVITEMA item;
    item.mask = TVIF_TEXT;
    item.hItem = item_;
    item.pszText = const_cast<char*>(text_.c_str());
    SendMessage(view->Handle(), TVM_SETITEM, 0, LPARAM(&item));
}

TTreeNode* TTreeNode::GetNextSibling() const {
    const auto& siblings = owner_->SiblingsOf(parent_);
    const std::size_t next = std::size_t(Index()) + 1;
    return next < siblings.size() ? siblings[next].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    const int index = Index();
    return index > 0 ? owner_->SiblingsOf(parent_)[std::size_t(index - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (TTreeNode* child = GetFirstChild()) return child;
    for (const TTreeNode* at = this; at; at = at->parent_)
        if (TTreeNode* sibling = at->GetNextSibling()) return sibling;
    return nullptr;
}

int TTreeNode::Index() const {
    const auto& siblings = owner_->SiblingsOf(parent_);
    return int(std::find_if(siblings.begin(), siblings.end(), [this](const auto& n) { return n.get() == this; }) -
               siblings.begin());
}

int TTreeNode::Level() const { return parent_ ? parent_->Level() + 1 : 0; }

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (TTreeNode* at = owner_->GetFirstNode(); at && at != this; at = at->GetNext()) ++index;
    return index;
}

void TTreeNode::SetExpanded(bool v) {
    expanded_ = v;
    TCustomTreeView* view = TreeView();
    if (view->HandleAllocated() && item_)
        SendMessage(view->Handle(), TVM_EXPAND, v ? TVE_EXPAND : TVE_COLLAPSE, LPARAM(item_));
}

void TTreeNode::Expand(bool recurse) {
    SetExpanded(true);
    if (recurse)
        for (const auto& child : children_) child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    SetExpanded(false);
    if (recurse)
        for (const auto& child : children_) child->Collapse(true);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool v) {
    if (v)
        TreeView()->SetSelected(this);
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

void TTreeNode::Delete() {
    TCustomTreeView* view = TreeView();
    for (TTreeNode* at = view->Selected(); at; at = at->parent_)
        if (at == this) {
            view->ForgetSelection();
            break;
        }
    if (view->HandleAllocated() && item_) SendMessage(view->Handle(), TVM_DELETEITEM, 0, LPARAM(item_));
    auto& siblings = owner_->SiblingsOf(parent_);
    siblings.erase(siblings.begin() + Index());
}

// ---- the node list ---------------------------------------------------------------------

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const AnsiString& text, void* data) {
    return AddChildObject(sibling ? sibling->parent_ : nullptr, text, data);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const AnsiString& text, void* data) {
    auto& siblings = SiblingsOf(parent);
    siblings.push_back(std::make_unique<TTreeNode>(this, parent));
    TTreeNode* node = siblings.back().get();
    node->text_ = text;
    node->data_ = data;
    Mirror(node);
    return node;
}

void TTreeNodes::Mirror(TTreeNode* node) {
    if (!owner_->HandleAllocated()) return;
    TVINSERTSTRUCTA insert;
    insert.hParent = node->parent_ ? node->parent_->item_ : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(node->text_.c_str());
    insert.item.lParam = LPARAM(node);
    const HWND window = owner_->Handle();
    node->item_ = HTREEITEM(SendMessage(window, TVM_INSERTITEM, 0, LPARAM(&insert)));
    for (const auto& child : node->children_) Mirror(child.get());
    if (node->expanded_) SendMessage(window, TVM_EXPAND, TVE_EXPAND, LPARAM(node->item_));
}

void TTreeNodes::Clear() {
    owner_->ForgetSelection();
    if (owner_->HandleAllocated()) SendMessage(owner_->Handle(), TVM_DELETEITEM, 0, LPARAM(TVI_ROOT));
    roots_.clear();
}

void TTreeNodes::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) owner_->Invalidate();
}

int TTreeNodes::Count() const {
    int count = 0;
    for (TTreeNode* at = GetFirstNode(); at; at = at->GetNext()) ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
    TTreeNode* at = GetFirstNode();
    for (int i = 0; at && i < index; ++i) at = at->GetNext();
    if (!at || index < 0) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return at;
}

// ---- the control -----------------------------------------------------------------------

void TTreeView::Published(TPublished<TTreeView>& p) {
    p.Property("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection).Default(true);
    p.Property("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly).Default(false);
    p.Property("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons).Default(true);
    p.Property("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines).Default(true);
    p.Property("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot).Default(true);
    p.Property("OnChange", &TTreeView::OnChange, &TTreeView::SetOnChange);
    p.Property("OnChanging", &TTreeView::OnChanging, &TTreeView::SetOnChanging);
}

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TTreeNodes>(this)) {
    // The window tracks the mouse and holds the capture itself.
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
}

TCustomTreeView::~TCustomTreeView() {
    selected_ = nullptr;
    items_->roots_.clear();
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, WC_TREEVIEW);
    params.Style |= WS_VSCROLL | (showButtons_ ? TVS_HASBUTTONS : 0) | (showLines_ ? TVS_HASLINES : 0) |
                    (showRoot_ ? TVS_LINESATROOT : 0) | (hideSelection_ ? 0 : TVS_SHOWSELALWAYS) |
                    (readOnly_ ? 0 : TVS_EDITLABELS);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
    TWinControl::CreateWnd();
    for (const auto& root : items_->roots_) items_->Mirror(root.get());
    if (selected_) SendMessage(Handle(), TVM_SELECTITEM, TVGN_CARET, LPARAM(selected_->item_));
}

void TCustomTreeView::SetStyleBit(bool& field, bool v) {
    if (field == v) return;
    field = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
    if (HandleAllocated()) {
        SendMessage(Handle(), TVM_SELECTITEM, TVGN_CARET, LPARAM(node ? node->item_ : nullptr));
        return;
    }
    if (node == selected_ || !CanChange(node)) return;
    selected_ = node;
    Change(node);
}

void TCustomTreeView::FullExpand() {
    for (const auto& root : items_->roots_) root->Expand(true);
}

void TCustomTreeView::FullCollapse() {
    for (const auto& root : items_->roots_) root->Collapse(true);
}

bool TCustomTreeView::CanChange(TTreeNode* node) {
    bool allow = true;
    onChanging_(this, node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* node) { onChange_(this, node); }

void TCustomTreeView::ForgetSelection() {
    if (!selected_) return;
    selected_ = nullptr;
    Change(nullptr);
}

void TCustomTreeView::CNNotify(TMessage& Message) {
    const auto& notice = *reinterpret_cast<const NMTREEVIEWA*>(Message.LParam);
    auto* node = reinterpret_cast<TTreeNode*>(notice.itemNew.lParam);
    switch (notice.hdr.code) {
    case TVN_SELCHANGING:
        Message.Result = CanChange(node) ? FALSE : TRUE;
        break;
    case TVN_SELCHANGED:
        selected_ = node;
        Change(node);
        break;
    case TVN_ITEMEXPANDED:
        if (node) node->expanded_ = notice.action == TVE_EXPAND;
        break;
    default:
        break;
    }
}

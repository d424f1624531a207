#include "datagrid/DBGridVynTitleTree.h"

#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"

THeadTreeNode::THeadTreeNode(const AnsiString& text, int width, int height)
    : NextSibling(this), NodeText(text), NodeWidth(width), NodeHeight(height) {}

THeadTreeNode::~THeadTreeNode() {
    if (!ParentNode) FreeChildren();
}

void THeadTreeNode::FreeChildren() {
    if (!FirstChild) return;
    std::vector<THeadTreeNode*> ring;
    THeadTreeNode* node = FirstChild;
    do {
        ring.push_back(node);
        node = node->NextSibling;
    } while (node != FirstChild);
    FirstChild = nullptr;
    for (THeadTreeNode* child : ring) {
        child->FreeChildren();
        delete child;
    }
}

bool THeadTreeNode::Contains(const THeadTreeNode* node) const {
    const THeadTreeNode* sibling = this;
    do {
        if (sibling == node) return true;
        if (sibling->FirstChild && sibling->FirstChild->Contains(node)) return true;
        sibling = sibling->NextSibling;
    } while (sibling != this);
    return false;
}

void THeadTreeNode::CheckInTree(const THeadTreeNode* node) const {
    if (!Contains(node)) throw Exception("Node not in Tree");
}

int THeadTreeNode::Depth() const {
    int depth = 0;
    for (const THeadTreeNode* node = ParentNode; node; node = node->ParentNode) ++depth;
    return depth;
}

THeadTreeNode* THeadTreeNode::InsertAfter(THeadTreeNode* after, const AnsiString& text, int width, int height) {
    CheckInTree(after);
    auto* node = new THeadTreeNode(text, width, height);
    node->ParentNode = after->ParentNode;
    node->NextSibling = after->NextSibling;
    after->NextSibling = node;
    return node;
}

THeadTreeNode* THeadTreeNode::AppendChild(THeadTreeNode* node, const AnsiString& text, int width, int height) {
    CheckInTree(node);
    if (!node->FirstChild) {
        auto* child = new THeadTreeNode(text, width, height);
        child->ParentNode = node;
        node->FirstChild = child;
        return child;
    }
    THeadTreeNode* last = node->FirstChild;
    while (last->NextSibling != node->FirstChild) last = last->NextSibling;
    return InsertAfter(last, text, width, height);
}

void THeadTreeNode::GroupSiblings(THeadTreeNode* first, THeadTreeNode* last, int height, const AnsiString& text) {
    CheckInTree(first);
    THeadTreeNode* parent = first->ParentNode;
    THeadTreeNode* ringStart = parent ? parent->FirstChild : first;
    if (first != last) {
        // A run never wraps past the first child of its ring.
        for (THeadTreeNode* walk = first->NextSibling; walk != last; walk = walk->NextSibling)
            if (walk == ringStart) throw Exception("ATo not in level");
        if (last == ringStart) throw Exception("ATo not in level");
    }
    THeadTreeNode* before = first;
    while (before->NextSibling != first) before = before->NextSibling;
    THeadTreeNode* header = InsertAfter(last, text, 0, height);
    header->LineWidth = last->LineWidth;
    // The header takes the run's place in the ring; the run becomes its ring.
    if (before == last) {
        header->NextSibling = header;
    } else {
        before->NextSibling = header;
    }
    if (parent && parent->FirstChild == first) parent->FirstChild = header;
    header->FirstChild = first;
    last->NextSibling = first;
    int width = 0;
    THeadTreeNode* node = first;
    do {
        node->NodeHeight -= height;
        node->ParentNode = header;
        width += node->NodeWidth + header->LineWidth;
        node = node->NextSibling;
    } while (node != first);
    header->NodeWidth = header->LineWidth >= 1 ? width - header->LineWidth : width;
}

void THeadTreeNode::ForEachNode(THeadTreeNode* node, const std::function<void(THeadTreeNode*)>& visit) {
    if (!node->FirstChild) return;
    THeadTreeNode* child = node->FirstChild;
    do {
        visit(child);
        ForEachNode(child, visit);
        child = child->NextSibling;
    } while (child != node->FirstChild);
}

namespace {

bool IsDelimiterAt(const AnsiString& text, std::size_t pos, const AnsiString& delimiters) {
    return delimiters.find(text[pos]) != AnsiString::npos;
}

}  // namespace

int FindWordStart(int n, const AnsiString& text, const AnsiString& delimiters) {
    int count = 0;
    bool inWord = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = AnsiCharSize(text, pos);
        const bool delimiter = size == 1 && IsDelimiterAt(text, pos, delimiters);
        if (!delimiter && !inWord && ++count == n) return static_cast<int>(pos) + 1;
        inWord = !delimiter;
        pos += size;
    }
    return 0;
}

AnsiString GetWordAndStart(int n, const AnsiString& text, const AnsiString& delimiters, int& start) {
    start = FindWordStart(n, text, delimiters);
    if (start == 0) return AnsiString();
    std::size_t end = static_cast<std::size_t>(start - 1);
    while (end < text.size()) {
        const std::size_t size = AnsiCharSize(text, end);
        if (size == 1 && IsDelimiterAt(text, end, delimiters)) break;
        end += size;
    }
    return text.substr(static_cast<std::size_t>(start - 1), end - static_cast<std::size_t>(start - 1));
}

AnsiString GetWord(int n, const AnsiString& text, const AnsiString& delimiters) {
    int start = 0;
    return GetWordAndStart(n, text, delimiters, start);
}

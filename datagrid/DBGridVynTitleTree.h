// The multi-level title: captions split at "|" into levels, adjacent
// columns sharing leading parts grouped under common header cells. The
// tree's nodes form rings of siblings under their parent; the grid owns the
// root, the root the whole tree.
#pragma once

#include <functional>

#include "platform/rtl/sysutils.h"

class TColumnVyn;
class TCustomDBGridVyn;

class THeadTreeNode {
public:
    THeadTreeNode(const AnsiString& text, int width, int height);
    ~THeadTreeNode();
    THeadTreeNode(const THeadTreeNode&) = delete;
    THeadTreeNode& operator=(const THeadTreeNode&) = delete;

    // A new node in the ring right after `after`; "Node not in Tree" when
    // `after` cannot be reached from this node.
    THeadTreeNode* InsertAfter(THeadTreeNode* after, const AnsiString& text, int width, int height);
    // A new last child of `node`.
    THeadTreeNode* AppendChild(THeadTreeNode* node, const AnsiString& text, int width, int height);
    void FreeChildren();
    // This node, one of its ring siblings or any of their descendants.
    bool Contains(const THeadTreeNode* node) const;
    int Depth() const;
    // A header node over the sibling run first..last, taking `height` of
    // their heights.
    void GroupSiblings(THeadTreeNode* first, THeadTreeNode* last, int height, const AnsiString& text);
    // Calls `visit` for every descendant of `node`.
    static void ForEachNode(THeadTreeNode* node, const std::function<void(THeadTreeNode*)>& visit);

    THeadTreeNode* ParentNode = nullptr;
    THeadTreeNode* FirstChild = nullptr;
    THeadTreeNode* NextSibling;
    TColumnVyn* LeafColumn = nullptr;
    AnsiString NodeText;
    int NodeWidth;
    int NodeHeight;
    int PrintWidth = 0;
    int PrintHeight = 0;
    int LineWidth = 0;
    int MarkerIndent = 0;
    bool Drawn = false;

private:
    void CheckInTree(const THeadTreeNode* node) const;
};

// Words of a text separated by runs of delimiter characters; a byte of a
// double-byte character is never a delimiter. Starts are 1-based, 0 when
// there are fewer than n words.
int FindWordStart(int n, const AnsiString& text, const AnsiString& delimiters);
AnsiString GetWord(int n, const AnsiString& text, const AnsiString& delimiters);
AnsiString GetWordAndStart(int n, const AnsiString& text, const AnsiString& delimiters, int& start);

// The grid's multi-level titles: the tree built from the columns' captions,
// its band heights, and the header bands painted above each title cell.
#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "platform/gdi/measuringdc.h"
#include "platform/win/userdraw.h"

namespace {

constexpr char kLevelDelimiter[] = "|";

// The height of `text` broken into lines `width` wide in `font`.
int WrappedTextHeight(TFont* font, const AnsiString& text, int width) {
    MeasuringDC dc(font->Handle());
    RECT r{0, 0, std::max(width, 1), 0};
    AnsiString copy = text.empty() ? AnsiString(" ") : text;
    return DrawText(dc.dc(), copy.data(), static_cast<int>(copy.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace

THeadTreeNode* TCustomDBGridVyn::LeafNode(int index) const {
    return index >= 0 && index < static_cast<int>(leafNodes_.size()) ? leafNodes_[static_cast<std::size_t>(index)]
                                                                      : nullptr;
}

void TCustomDBGridVyn::BuildTitleTree() {
    THeadTreeNode* root = titleRoot_.get();
    root->FreeChildren();
    leafNodes_.assign(static_cast<std::size_t>(columns_->Count()), nullptr);
    const bool colLines = options_.Contains(dgColLines);
    const int height = RowCount() > 0 ? RowHeights(0) : 0;
    for (int i = 0; i < columns_->Count(); ++i) {
        TColumnVyn* column = columns_->Items(i);
        const int width = column->Visible() ? column->Width() : colLines ? -1 : 0;
        THeadTreeNode* leaf = root->AppendChild(root, column->Title()->Caption(), width, height);
        leaf->LeafColumn = column;
        leaf->MarkerIndent = column->Title()->SortMarker() != smNoneVyn ? 16 : 0;
        leaf->LineWidth = colLines ? 1 : 0;
        leafNodes_[static_cast<std::size_t>(i)] = leaf;
    }
    const int count = static_cast<int>(leafNodes_.size());
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 0; i < count && !changed; ++i) {
            THeadTreeNode* first = leafNodes_[static_cast<std::size_t>(i)];
            int secondStart = 0;
            GetWordAndStart(2, first->NodeText, kLevelDelimiter, secondStart);
            if (secondStart == 0) continue;
            const AnsiString word = GetWord(1, first->NodeText, kLevelDelimiter);
            auto dropFirstWord = [&](THeadTreeNode* leaf) {
                leaf->NodeText = leaf->NodeText.substr(std::min<std::size_t>(secondStart - 1, leaf->NodeText.size()));
            };
            int last = i;
            while (last + 1 < count &&
                   GetWord(1, leafNodes_[static_cast<std::size_t>(last + 1)]->NodeText, kLevelDelimiter) == word) {
                dropFirstWord(leafNodes_[static_cast<std::size_t>(last)]);
                ++last;
            }
            THeadTreeNode* lastLeaf = leafNodes_[static_cast<std::size_t>(last)];
            dropFirstWord(lastLeaf);
            // Only siblings share a header (leaves of one depth under
            // different headers would not form a run of one ring); the
            // others keep their shortened texts and the scan goes on.
            if (first->Depth() != lastLeaf->Depth() || first->ParentNode != lastLeaf->ParentNode) {
                i = last;
                continue;
            }
            root->GroupSiblings(first, lastLeaf, 20, word);
            changed = true;
        }
    }
}

int TCustomDBGridVyn::MeasureTitleTree(THeadTreeNode* node) {
    if (!node->FirstChild) return 0;
    std::vector<std::pair<THeadTreeNode*, int>> subtrees;
    int height = 0;
    THeadTreeNode* child = node->FirstChild;
    do {
        const int subtree = MeasureTitleTree(child);
        int caption = 0;
        if (child->NodeWidth != 0) {
            TColumnVyn* column = child->LeafColumn;
            if (column && column->Title()->Orientation() == tohVertical) {
                std::unique_ptr<TBitmap> measure = std::make_unique<TBitmap>();
                measure->Canvas()->SetFont(column->Title()->Font());
                caption = DrawCellTextVertical(measure->Canvas(), TRect{0, 0, 1, 1}, false, 0, 0, child->NodeText,
                                               taLeftJustify, tlTop, true) +
                          6;
            } else {
                TFont* font = column ? column->Title()->Font() : titleFont_.get();
                caption = WrappedTextHeight(font, child->NodeText, child->NodeWidth - child->MarkerIndent - 4) +
                          vTitleMargin_;
            }
        }
        subtrees.emplace_back(child, subtree);
        height = std::max(height, subtree + caption);
        child = child->NextSibling;
    } while (child != node->FirstChild);
    for (auto [each, subtree] : subtrees) each->NodeHeight = height - subtree;
    return height;
}

void TCustomDBGridVyn::DrawTitleTreeNodes(THeadTreeNode* node, const TRect& cell, bool endEllipsis) {
    THeadTreeNode* parent = node->ParentNode;
    if (!parent || parent == titleRoot_.get()) return;
    TCanvas* canvas = Canvas();
    const int line = options_.Contains(dgColLines) ? 1 : 0;
    TRect band;
    band.bottom = cell.top - (options_.Contains(dgRowLines) ? 1 : 0);
    band.top = band.bottom - parent->NodeHeight;
    band.left = cell.left;
    for (THeadTreeNode* sibling = parent->FirstChild; sibling != node; sibling = sibling->NextSibling)
        band.left -= std::max(sibling->NodeWidth, 0) + line;
    band.right = band.left + parent->NodeWidth;
    const bool begins = band.left >= cell.left;
    const bool continues = band.right > cell.right;
    TRect part{cell.left, band.top, cell.right + (continues ? 1 : 0), band.bottom};
    {
        SavedClipRegion clip(canvas->Handle());
        IntersectClipRect(canvas->Handle(), part.left, part.top, part.right, part.bottom);
        canvas->FillRect(part);
        WriteCellText(canvas, band, 0, 0, endEllipsis, true, tlCenter, taCenter, parent->NodeText, 1, 2, true);
    }
    parent->Drawn = true;
    if (optionsVyn_.Contains(dghFixed3D)) {
        TRect frame = part;
        UINT sides = BF_TOP | BF_BOTTOM;
        if (begins) sides |= BF_LEFT;
        if (!continues) sides |= BF_RIGHT;
        DrawEdge(canvas->Handle(), &frame, BDR_RAISEDINNER, sides);
    }
    if (options_.Contains(dgRowLines)) {
        canvas->Pen()->SetColor(flat_ ? clGray : clBlack);
        canvas->Pen()->SetWidth(1);
        canvas->MoveTo(part.left, band.bottom);
        canvas->LineTo(part.right, band.bottom);
    }
    TRect parentCell = cell;
    parentCell.top = band.top;
    DrawTitleTreeNodes(parent, parentCell, endEllipsis);
}

// The preview panel's outline: the tree built from the prepared pages'
// outline lines (caption, page index, position and level separated by
// character 1), and the jump to where a clicked line was printed.
#include <cmath>

#include "report/core/qm_endpages.h"
#include "report/core/qm_units.h"
#include "report/ui/qm_preview.h"

void TQmPreview::CreateOutline() {
    outline_ = new TTreeView(this);
    outline_->SetParent(this);
    outline_->SetAlign(alLeft);
    outline_->SetWidth(180);
    outline_->SetVisible(false);
    outline_->SetReadOnly(true);
    outline_->SetOnClick([this](TObject*) { OutlineClick(); });
    splitter_ = new TSplitter(this);
    splitter_->SetParent(this);
    splitter_->SetLeft(10);
    splitter_->SetVisible(false);
}

void TQmPreview::ShowOutline(bool visible) {
    outline_->SetVisible(visible);
    splitter_->SetVisible(visible);
    splitter_->SetLeft(outline_->Left() + 10);
}

void TQmPreview::BuildOutline() {
    TTreeNodes* nodes = outline_->Items();
    nodes->Clear();
    outlineTargets_.clear();
    TQmEndPages* pages = GetEndPages();
    nodes->BeginUpdate();
    TTreeNode* parent = nullptr;
    TTreeNode* lastAdded = nullptr;
    int previousLevel = 0;
    TStrings* lines = pages ? pages->Outline() : nullptr;
    for (int i = 0; lines && i < lines->Count(); ++i) {
        const AnsiString line = lines->Strings(i);
        std::vector<AnsiString> fields;
        std::size_t start = 0;
        for (std::size_t at; (at = line.find('\x01', start)) != AnsiString::npos; start = at + 1)
            fields.push_back(line.substr(start, at - start));
        fields.push_back(line.substr(start));
        if (fields.size() < 4) continue;
        const int level = StrToIntDef(fields[3], 0);
        if (level > previousLevel) {
            parent = lastAdded;
        } else if (level < previousLevel) {
            // Up from the last node as many steps as the level fell, plus one.
            parent = lastAdded;
            for (int step = 0; step < previousLevel - level + 1 && parent; ++step) parent = parent->Parent();
        }
        previousLevel = level;
        outlineTargets_.push_back(
            std::make_unique<OutlineTarget>(OutlineTarget{StrToIntDef(fields[1], 0), StrToIntDef(fields[2], 0)}));
        lastAdded = nodes->AddChildObject(parent, fields[0], outlineTargets_.back().get());
    }
    outline_->FullExpand();
    nodes->EndUpdate();
    ShowOutline(nodes->Count() > 0);
}

void TQmPreview::OutlineClick() {
    TTreeNode* node = outline_->Selected();
    const auto* target = node ? static_cast<const OutlineTarget*>(node->Data()) : nullptr;
    if (!target || target->PageIndex < 0 || target->PageIndex >= GetPageCount()) return;
    TQmEndPages* pages = GetEndPages();
    const TQmEndPage* page = pages->GetPage(target->PageIndex);
    const auto roundEven = [](double v) { return int(std::nearbyint(v)); };
    // Where the line lies below the page's top, stretched by the page's
    // share of the layout to the page's height on screen.
    const int b = UnitsToScreenPixels(qmutMMThousandths, page->Margins[1] * scale_) + roundEven(target->Position * scale_);
    const int previousBottom = target->PageIndex > 0 ? pages->GetPage(target->PageIndex - 1)->PreviewRect.bottom : 0;
    const int e = page->PreviewRect.bottom - previousBottom - 10;
    const int p = roundEven(page->PageInfo.ScreenHeight * scale_);
    currentPage_ = -1;
    SetCurrentPage(target->PageIndex + 1);
    SetVertPosition(VertBar()->Position() + roundEven(double(b) * e / std::max(1, p)) + 5);
}

// The grid's side of the search footer: creating and configuring the panel,
// the automatic search with its red edit, find next and previous, the
// highlight and close buttons, and keeping the current cell above the
// panel.
#include <algorithm>

#include "stringgrid/BavGrid.h"
#include "stringgrid/BavOptions.h"
#include "stringgrid/BavSearchFooter.h"

void TBavStringGrid::CreateSearchFooter() {
    searchPanel_ = new TSearchPanel(this);
    searchPanel_->SetParent(this);
    searchPanel_->SetOnEditChange([this](TObject* sender) { SearchFooterTextChanged(sender); });
    searchPanel_->SetOnForwardClick([this](TObject* sender) { SearchFooterFindNext(sender); });
    searchPanel_->SetOnBackwardClick([this](TObject* sender) { SearchFooterFindPrev(sender); });
    searchPanel_->SetOnExitClick([this](TObject* sender) { SearchFooterClose(sender); });
    searchPanel_->SetOnHighlightClick([this](TObject* sender) { SearchFooterHighlight(sender); });
    searchFooter_ = std::make_unique<TSearchFooter>();
    searchFooter_->SetOnChange([this](TObject*) { UpdateSearchFooter(); });
    UpdateSearchFooter();
}

void TBavStringGrid::SetSearchFooter(TSearchFooter* v) { searchFooter_->Assign(v); }

void TBavStringGrid::UpdateSearchFooter() {
    TSearchFooter* footer = searchFooter_.get();
    TSearchPanel* panel = searchPanel_;
    panel->SetColor(footer->Color());
    panel->SetColorTo(footer->ColorTo());
    panel->SetVisible(footer->Visible());
    TBavGridButton* next = panel->FindNextButton();
    TBavGridButton* prev = panel->FindPrevButton();
    TBavGridButton* highlight = panel->HighlightButton();
    TBavGridButton* close = panel->CloseButton();
    TCheckBox* matchCase = panel->MatchCaseBox();
    next->SetCaption(footer->FindNextCaption());
    prev->SetCaption(footer->FindPrevCaption());
    highlight->SetCaption(footer->HighLightCaption());
    matchCase->SetCaption(footer->MatchCaseCaption());
    panel->Font()->Assign(footer->Font());
    for (TBavGridButton* button : {next, prev, highlight}) {
        switch (controlLook_->ControlStyle()) {
        case csFlat: button->SetFlat(true); break;
        case csWinXP:
            if (!autoThemeAdapt_) {
                button->SetAutoXPStyle(true);
                button->SetFlat(false);
            }
            break;
        case csClassic:
            button->SetAutoXPStyle(false);
            button->SetFlat(false);
            break;
        default: break;
        }
        if (autoThemeAdapt_) {
            button->SetAutoThemeAdapt(true);
            button->SetFlat(true);
        }
    }
    highlight->SetVisible(footer->ShowHighLight());
    close->SetVisible(footer->ShowClose());
    matchCase->SetVisible(footer->ShowMatchCase());
    prev->SetVisible(footer->ShowFindPrev());
    next->SetVisible(footer->ShowFindNext());
    const std::pair<TBavGridButton*, const AnsiString*> hints[] = {{close, &footer->HintClose()},
                                                                   {next, &footer->HintFindNext()},
                                                                   {prev, &footer->HintFindPrev()},
                                                                   {highlight, &footer->HintHighlight()}};
    for (const auto& [button, hint] : hints) {
        button->SetHint(*hint);
        button->SetShowHint(!hint->empty());
    }
    panel->ArrangeButtons();
    for (TBavGridButton* button : {next, prev, highlight}) button->SetHeight(button->Visible() ? 23 : 0);
    matchCase->SetHeight(matchCase->Visible() ? 17 : 0);
    panel->SetHeight(footer->Visible() ? 32 : 0);
    if (HandleAllocated()) {
        UpdateScrollRange();
        KeepCurrentCellAboveSearchPanel();
    }
}

void TBavStringGrid::FindCellWithProgress(TGridCoord start, const AnsiString& text, TGridCoord& found,
                                          TGridFindOptions options) {
    ProgressHook(0, -1);
    FindCell(start, text, found, options);
    ProgressHook(found.X < 0 ? 2 : 4, -1);
}

// The panel covers the grid's last rows: a current row down there scrolls
// up by two.
void TBavStringGrid::KeepCurrentRowAboveSearchPanel() {
    if (Row() - TopRow() > VisibleRowCount() - 2 && VisibleRowCount() < RowCount() - TBaseGrid::FixedRows())
        SetTopRow(TopRow() + 2);
}

void TBavStringGrid::SearchFooterTextChanged(TObject*) {
    if (!searchFooter_->AutoSearch()) return;
    TEdit* edit = searchPanel_->SearchEdit();
    const AnsiString text = edit->Text();
    if (text.empty()) {
        edit->SetColor(clWindow);
        UnHighlightAllCells(true);
    } else {
        SearchFooterAutoFind(text);
    }
    KeepCurrentRowAboveSearchPanel();
}

void TBavStringGrid::SearchFooterAutoFind(const AnsiString& text) {
    TEdit* edit = searchPanel_->SearchEdit();
    const bool highlightDown = searchPanel_->HighlightButton()->Down();
    TGridFindOptions options;
    options.Include(gfGotoFound);
    if (highlightDown) options.Include(gfIgnoreHTMLTags);
    if (searchPanel_->MatchCaseBox()->Checked()) options.Include(gfMatchCase);
    if (searchFooter_->SearchActiveColumnOnly()) options.Include(gfCurrentColumnOnly);
    const int column = searchFooter_->SearchColumn();
    if (column >= 0 && column < ColCount()) {
        options.Include(gfGivenColumnOnly);
        givenColumn_ = column;
    }
    TGridCoord found;
    FindCellWithProgress({-1, -1}, text, found, options);
    lastFound_ = found;
    UnHighlightAllCells(true);
    if (found.X < 0) {
        edit->SetColor(clRed);
    } else {
        edit->SetColor(clWindow);
        ScrollCellIntoView(found.X, found.Y);
        if (highlightDown) HighlightAllCells(true, false, text);
    }
}

void TBavStringGrid::SearchFooterFind(bool backward) {
    const AnsiString text = searchPanel_->SearchEdit()->Text();
    if (!searchFooter_->AutoSearch()) {
        if (text != searchFooter_->LastSearch()) lastFound_ = {-1, -1};
        searchFooter_->SetLastSearch(text);
    }
    TGridFindOptions options;
    options.Include(gfGotoFound);
    if (backward) options.Include(gfBackward);
    TGridCoord found;
    FindCellWithProgress(lastFound_, text, found, options);
    lastFound_ = found;
    KeepCurrentRowAboveSearchPanel();
}

void TBavStringGrid::SearchFooterFindNext(TObject*) { SearchFooterFind(false); }

void TBavStringGrid::SearchFooterFindPrev(TObject*) { SearchFooterFind(true); }

void TBavStringGrid::SearchFooterHighlight(TObject*) {
    if (searchPanel_->HighlightButton()->Down())
        HighlightAllCells(true, false, searchPanel_->SearchEdit()->Text());
    else
        UnHighlightAllCells(true);
}

void TBavStringGrid::SearchFooterClose(TObject*) { searchFooter_->SetVisible(false); }

TRect TBavStringGrid::ClientRect() const {
    TRect client = TBaseGrid::ClientRect();
    if (searchPanel_ && searchPanel_->Visible()) client.bottom = std::max(client.top, client.bottom - searchPanel_->Height());
    return client;
}

void TBavStringGrid::AdjustClientRect(TRect& rect) const {
    rect = TBaseGrid::ClientRect();
    TBaseGrid::AdjustClientRect(rect);
}

void TBavStringGrid::KeepCurrentCellAboveSearchPanel() {
    if (!searchFooter_ || !searchFooter_->Visible() || !HandleAllocated()) return;
    // Each step scrolls through TopLeftChanged, which comes back here.
    if (Row() >= TopRow() + VisibleRowCount() && Row() > TopRow()) SetTopRow(TopRow() + 1);
}

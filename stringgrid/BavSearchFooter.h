// The search footer: the option object TSearchFooter (published as the
// grid's SearchFooter) and the strip TSearchPanel along the grid's bottom
// with its search edit, find-next, find-previous, highlight and close
// buttons and match-case box.
#pragma once

#include <memory>

#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "stringgrid/BavGridButton.h"

class TSearchFooter : public TPersistent {
    SERVIORA_CLASS(TSearchFooter, TPersistent)
    SERVIORA_PUBLISHED
public:
    TSearchFooter();
    // Copies everything but AutoSearch from another search footer, without
    // OnChange; other sources are ignored.
    void Assign(TPersistent* source) override;

    bool AutoSearch() const { return autoSearch_; }
    void SetAutoSearch(bool v) { Store(autoSearch_, v); }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { Store(color_, v); }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor v) { Store(colorTo_, v); }
    const AnsiString& FindNextCaption() const { return findNextCaption_; }
    void SetFindNextCaption(const AnsiString& v) { Store(findNextCaption_, v); }
    const AnsiString& FindPrevCaption() const { return findPrevCaption_; }
    void SetFindPrevCaption(const AnsiString& v) { Store(findPrevCaption_, v); }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v);
    const AnsiString& HighLightCaption() const { return highLightCaption_; }
    void SetHighLightCaption(const AnsiString& v) { Store(highLightCaption_, v); }
    const AnsiString& HintClose() const { return hintClose_; }
    void SetHintClose(const AnsiString& v) { Store(hintClose_, v); }
    const AnsiString& HintFindNext() const { return hintFindNext_; }
    void SetHintFindNext(const AnsiString& v) { Store(hintFindNext_, v); }
    const AnsiString& HintFindPrev() const { return hintFindPrev_; }
    void SetHintFindPrev(const AnsiString& v) { Store(hintFindPrev_, v); }
    const AnsiString& HintHighlight() const { return hintHighlight_; }
    void SetHintHighlight(const AnsiString& v) { Store(hintHighlight_, v); }
    const AnsiString& MatchCaseCaption() const { return matchCaseCaption_; }
    void SetMatchCaseCaption(const AnsiString& v) { Store(matchCaseCaption_, v); }
    bool SearchActiveColumnOnly() const { return searchActiveColumnOnly_; }
    void SetSearchActiveColumnOnly(bool v) { Store(searchActiveColumnOnly_, v); }
    Integer SearchColumn() const { return searchColumn_; }
    void SetSearchColumn(Integer v) { Store(searchColumn_, v); }
    bool ShowClose() const { return showClose_; }
    void SetShowClose(bool v) { Store(showClose_, v); }
    bool ShowFindNext() const { return showFindNext_; }
    void SetShowFindNext(bool v) { StoreChange(showFindNext_, v); }
    bool ShowFindPrev() const { return showFindPrev_; }
    void SetShowFindPrev(bool v) { StoreChange(showFindPrev_, v); }
    bool ShowHighLight() const { return showHighLight_; }
    void SetShowHighLight(bool v) { StoreChange(showHighLight_, v); }
    bool ShowMatchCase() const { return showMatchCase_; }
    void SetShowMatchCase(bool v) { StoreChange(showMatchCase_, v); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { StoreChange(visible_, v); }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }

    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool v) { autoThemeAdapt_ = v; }
    // The text of the last search a button started (used without AutoSearch).
    const AnsiString& LastSearch() const { return lastSearch_; }
    void SetLastSearch(const AnsiString& v) { lastSearch_ = v; }
    void Changed();

private:
    template <class T, class V>
    void Store(T& field, const V& v) {
        field = v;
        Changed();
    }
    void StoreChange(bool& field, bool v) {
        if (field != v) Store(field, v);
    }

    bool autoSearch_ = true;
    TColor color_ = TColor(0xFFFFFF), colorTo_ = clBtnFace;
    AnsiString findNextCaption_ = "Find next", findPrevCaption_ = "Find previous", highLightCaption_ = "Highlight";
    AnsiString hintClose_ = "Close", hintFindNext_ = "Find next occurence", hintFindPrev_ = "Find previous occurence",
               hintHighlight_ = "Highlight occurences", matchCaseCaption_ = "Match case";
    std::unique_ptr<TFont> font_;
    bool searchActiveColumnOnly_ = false;
    Integer searchColumn_ = -1;
    bool showClose_ = true, showFindNext_ = true, showFindPrev_ = true, showHighLight_ = true, showMatchCase_ = true;
    bool visible_ = false;
    bool autoThemeAdapt_ = false;
    AnsiString lastSearch_;
    TNotifyEvent onChange_;
};

class TSearchPanel : public TPanel {
    SERVIORA_CLASS(TSearchPanel, TPanel)
    SERVIORA_PUBLISHED
public:
    explicit TSearchPanel(TComponent* owner);

    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor v);

    TEdit* SearchEdit() const { return edit_; }
    TBavGridButton* FindNextButton() const { return forward_; }
    TBavGridButton* FindPrevButton() const { return backward_; }
    TBavGridButton* CloseButton() const { return close_; }
    TBavGridButton* HighlightButton() const { return highlight_; }
    TCheckBox* MatchCaseBox() const { return matchCase_; }

    const TNotifyEvent& OnForwardClick() const { return onForwardClick_; }
    void SetOnForwardClick(TNotifyEvent v) { onForwardClick_ = std::move(v); }
    const TNotifyEvent& OnBackwardClick() const { return onBackwardClick_; }
    void SetOnBackwardClick(TNotifyEvent v) { onBackwardClick_ = std::move(v); }
    const TNotifyEvent& OnEditChange() const { return onEditChange_; }
    void SetOnEditChange(TNotifyEvent v) { onEditChange_ = std::move(v); }
    const TNotifyEvent& OnExitClick() const { return onExitClick_; }
    void SetOnExitClick(TNotifyEvent v) { onExitClick_ = std::move(v); }
    const TNotifyEvent& OnHighlightClick() const { return onHighlightClick_; }
    void SetOnHighlightClick(TNotifyEvent v) { onHighlightClick_ = std::move(v); }

    void DoForwardClick(TObject* sender) { Fire(onForwardClick_, sender); }
    void DoBackwardClick(TObject* sender) { Fire(onBackwardClick_, sender); }
    void DoExitClick(TObject* sender) { Fire(onExitClick_, sender); }
    void DoHighlightClick(TObject* sender) { Fire(onHighlightClick_, sender); }
    // The buttons that search are usable exactly while the edit holds text.
    void EditChange(TObject* sender);
    // Places the caption buttons side by side, each 90 pixels wide or as
    // wide as its glyph and caption need, and the match-case box after the
    // highlight button (in its place when that is hidden).
    void ArrangeButtons();

protected:
    void CreateWnd() override;
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    // The panel's face (plain or gradient), its client rectangle placed at
    // `client` on the canvas.
    void PaintFace(TCanvas* canvas, const TRect& client);
    static void Fire(const TNotifyEvent& event, TObject* sender) {
        if (event) event(sender);
    }

    TColor colorTo_ = clNone;
    TEdit* edit_;
    TBavGridButton *forward_, *backward_, *close_, *highlight_;
    TCheckBox* matchCase_;
    TNotifyEvent onForwardClick_, onBackwardClick_, onEditChange_, onExitClick_, onHighlightClick_;
};

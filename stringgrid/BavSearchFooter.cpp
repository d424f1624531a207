// The search footer's options and its panel: children, layout, glyphs and
// the gradient behind them.
#include "stringgrid/BavSearchFooter.h"

#include <algorithm>

#include "platform/win/resources.h"
#include "stringgrid/BavUtil.h"

// ---- TSearchFooter ---------------------------------------------------------------------------

TSearchFooter::TSearchFooter()
    : font_(std::make_unique<TFont>()) {}

void TSearchFooter::SetFont(TFont* v) {
    font_->Assign(v);
    Changed();
}

void TSearchFooter::Changed() {
    if (onChange_) onChange_(this);
}

void TSearchFooter::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TSearchFooter*>(source);
    if (!other) return;
    color_ = other->color_;
    colorTo_ = other->colorTo_;
    findNextCaption_ = other->findNextCaption_;
    findPrevCaption_ = other->findPrevCaption_;
    highLightCaption_ = other->highLightCaption_;
    matchCaseCaption_ = other->matchCaseCaption_;
    hintClose_ = other->hintClose_;
    hintFindNext_ = other->hintFindNext_;
    hintFindPrev_ = other->hintFindPrev_;
    hintHighlight_ = other->hintHighlight_;
    showClose_ = other->showClose_;
    showFindNext_ = other->showFindNext_;
    showFindPrev_ = other->showFindPrev_;
    showHighLight_ = other->showHighLight_;
    showMatchCase_ = other->showMatchCase_;
    searchActiveColumnOnly_ = other->searchActiveColumnOnly_;
    searchColumn_ = other->searchColumn_;
    visible_ = other->visible_;
    font_->Assign(other->font_.get());
}

void TSearchFooter::Published(TPublished<TSearchFooter>& p) {
    p.Property("AutoSearch", &TSearchFooter::AutoSearch, &TSearchFooter::SetAutoSearch).Default(true);
    p.Property("Color", &TSearchFooter::Color, &TSearchFooter::SetColor).Default(TColor(0xFFFFFF));
    p.Property("ColorTo", &TSearchFooter::ColorTo, &TSearchFooter::SetColorTo).Default(clBtnFace);
    p.Property("FindNextCaption", &TSearchFooter::FindNextCaption, &TSearchFooter::SetFindNextCaption);
    p.Property("FindPrevCaption", &TSearchFooter::FindPrevCaption, &TSearchFooter::SetFindPrevCaption);
    p.Property("Font", &TSearchFooter::Font, &TSearchFooter::SetFont);
    p.Property("HighLightCaption", &TSearchFooter::HighLightCaption, &TSearchFooter::SetHighLightCaption);
    p.Property("HintClose", &TSearchFooter::HintClose, &TSearchFooter::SetHintClose);
    p.Property("HintFindNext", &TSearchFooter::HintFindNext, &TSearchFooter::SetHintFindNext);
    p.Property("HintFindPrev", &TSearchFooter::HintFindPrev, &TSearchFooter::SetHintFindPrev);
    p.Property("HintHighlight", &TSearchFooter::HintHighlight, &TSearchFooter::SetHintHighlight);
    p.Property("MatchCaseCaption", &TSearchFooter::MatchCaseCaption, &TSearchFooter::SetMatchCaseCaption);
    p.Property("SearchActiveColumnOnly", &TSearchFooter::SearchActiveColumnOnly,
               &TSearchFooter::SetSearchActiveColumnOnly)
        .Default(false);
    p.Property("SearchColumn", &TSearchFooter::SearchColumn, &TSearchFooter::SetSearchColumn).Default(-1);
    p.Property("ShowClose", &TSearchFooter::ShowClose, &TSearchFooter::SetShowClose).Default(true);
    p.Property("ShowFindNext", &TSearchFooter::ShowFindNext, &TSearchFooter::SetShowFindNext).Default(true);
    p.Property("ShowFindPrev", &TSearchFooter::ShowFindPrev, &TSearchFooter::SetShowFindPrev).Default(true);
    p.Property("ShowHighLight", &TSearchFooter::ShowHighLight, &TSearchFooter::SetShowHighLight).Default(true);
    p.Property("ShowMatchCase", &TSearchFooter::ShowMatchCase, &TSearchFooter::SetShowMatchCase).Default(true);
    p.Property("Visible", &TSearchFooter::Visible, &TSearchFooter::SetVisible).Default(false);
    p.Property("OnChange", &TSearchFooter::OnChange, &TSearchFooter::SetOnChange);
}

// ---- TSearchPanel ----------------------------------------------------------------------------

namespace {

// Room beside a caption button's glyph and text.
constexpr int kButtonPadding = 6;

void LoadGlyph(TBitmap* bitmap, const char* name) { bitmap->LoadFromResourceName(HInstance, name); }

TBavGridButton* MakeButton(TSearchPanel* panel, const char* glyph, const char* disabledGlyph,
                           void (TSearchPanel::*fire)(TObject*)) {
    auto* button = new TBavGridButton(panel);
    button->SetParent(panel);
    TBitmap bitmap;
    LoadGlyph(&bitmap, glyph);
    if (disabledGlyph) LoadGlyph(button->GlyphDisabled(), disabledGlyph);
    button->SetGlyph(&bitmap);
    button->SetOnClick([panel, fire](TObject* sender) { (panel->*fire)(sender); });
    return button;
}

}  // namespace

TSearchPanel::TSearchPanel(TComponent* owner)
    : TPanel(owner) {
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
    edit_ = new TEdit(this);
    edit_->SetParent(this);
    edit_->SetOnChange([this](TObject* sender) { EditChange(sender); });
    forward_ = MakeButton(this, "BQGARDOWN", "BQGARDOWND", &TSearchPanel::DoForwardClick);
    backward_ = MakeButton(this, "BQGARUP", "BQGARUPD", &TSearchPanel::DoBackwardClick);
    close_ = MakeButton(this, "BQGCLOSE", nullptr, &TSearchPanel::DoExitClick);
    LoadGlyph(close_->GlyphHot(), "BQGCLOSEH");
    LoadGlyph(close_->GlyphDown(), "BQGCLOSED");
    highlight_ = MakeButton(this, "BQGHI", "BQGHID", &TSearchPanel::DoHighlightClick);
    highlight_->SetStyle(tasCheck);
    matchCase_ = new TCheckBox(this);
    matchCase_->SetParent(this);
    for (TBavGridButton* button : {forward_, backward_, highlight_}) {
        button->SetEnabled(false);
        button->SetParentFont(true);
    }
}

void TSearchPanel::CreateWnd() {
    TPanel::CreateWnd();
    edit_->SetBounds(25, 6, 110, edit_->Height());
    for (TBavGridButton* button : {forward_, backward_, highlight_}) button->SetBounds(0, 5, 90, 23);
    close_->SetBounds(5, 7, 14, 14);
    matchCase_->SetBounds(0, 8, matchCase_->Width(), 17);
    ArrangeButtons();
}

void TSearchPanel::ArrangeButtons() {
    TBitmap measure;
    measure.Canvas()->Font()->Assign(Font());
    int left = 140;
    for (TBavGridButton* button : {forward_, backward_, highlight_}) {
        const int content = button->Glyph()->Width() + std::max(0, button->Spacing()) +
                            measure.Canvas()->TextWidth(button->Caption());
        const int width = std::max(90, content + 2 * kButtonPadding);
        button->SetBounds(left, button->Top(), width, button->Height());
        left += width + 5;
    }
    matchCase_->SetLeft(highlight_->Visible() ? left : highlight_->Left());
}

void TSearchPanel::SetColorTo(TColor v) {
    colorTo_ = v;
    Invalidate();
}

void TSearchPanel::EditChange(TObject* sender) {
    const bool hasText = !edit_->Text().empty();
    for (TBavGridButton* button : {forward_, backward_, highlight_}) button->SetEnabled(hasText);
    Fire(onEditChange_, sender);
}

void TSearchPanel::Paint() {
    TPanel::Paint();
    PaintFace(Canvas(), ClientRect());
}

// The match-case box is a window of its own: it shows the panel's face
// behind its mark and caption, as the windowless buttons do, rather than a
// plain fill of the panel's colour across the gradient.
void TSearchPanel::WndProc(TMessage& message) {
    TPanel::WndProc(message);
    if (message.Msg != WM_CTLCOLORSTATIC || !matchCase_->HandleAllocated() ||
        HWND(message.LParam) != matchCase_->Handle())
        return;
    const HDC dc = HDC(message.WParam);
    TCanvas canvas;
    canvas.SetHandle(dc);
    TRect face = ClientRect();
    OffsetRect(&face, -matchCase_->Left(), -matchCase_->Top());
    PaintFace(&canvas, face);
    canvas.SetHandle(0);
    SetBkMode(dc, TRANSPARENT);
    message.Result = LRESULT(GetStockObject(NULL_BRUSH));
}

void TSearchPanel::PaintFace(TCanvas* canvas, const TRect& client) {
    if (colorTo_ == clNone) {
        canvas->Brush()->SetColor(Color());
        canvas->Pen()->SetColor(Color());
        canvas->Rectangle(client);
    } else {
        DrawGradient(canvas, Color(), colorTo_, 32, client, false);
    }
}

void TSearchPanel::Published(TPublished<TSearchPanel>& p) {
    p.Property("ColorTo", &TSearchPanel::ColorTo, &TSearchPanel::SetColorTo).Default(clNone);
    p.Property("OnForwardClick", &TSearchPanel::OnForwardClick, &TSearchPanel::SetOnForwardClick);
    p.Property("OnBackwardClick", &TSearchPanel::OnBackwardClick, &TSearchPanel::SetOnBackwardClick);
    p.Property("OnEditChange", &TSearchPanel::OnEditChange, &TSearchPanel::SetOnEditChange);
    p.Property("OnExitClick", &TSearchPanel::OnExitClick, &TSearchPanel::SetOnExitClick);
    p.Property("OnHighlightClick", &TSearchPanel::OnHighlightClick, &TSearchPanel::SetOnHighlightClick);
}

// TStatusBar and its panels over "msctls_statusbar32".
#include "platform/ui/comctrls_statusbar.h"

#include <algorithm>
#include <vector>

#include "platform/ui/forms.h"
#include "platform/win/commctrl_statusbar.h"

// ---- panels ----------------------------------------------------------------------------

void TStatusPanel::Published(TPublished<TStatusPanel>& p) {
    p.Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment).Default(taLeftJustify);
    p.Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel).Default(pbLowered);
    p.Property("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle).Default(psText);
    p.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    p.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50);
}

TStatusPanel::TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}

void TStatusPanel::Assign(TPersistent* source) {
    auto* panel = dynamic_cast<TStatusPanel*>(source);
    if (!panel) {
        TCollectionItem::Assign(source);
        return;
    }
    text_ = panel->text_;
    width_ = panel->width_;
    alignment_ = panel->alignment_;
    bevel_ = panel->bevel_;
    style_ = panel->style_;
    Changed(false);
}

template <class T>
void TStatusPanel::Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed(false);
}

void TStatusPanel::SetText(const AnsiString& v) { Change(text_, v); }
void TStatusPanel::SetWidth(Integer v) { Change(width_, v); }
void TStatusPanel::SetAlignment(TAlignment v) { Change(alignment_, v); }
void TStatusPanel::SetBevel(TStatusPanelBevel v) { Change(bevel_, v); }
void TStatusPanel::SetStyle(TStatusPanelStyle v) { Change(style_, v); }

TStatusPanels::TStatusPanels(TCustomStatusBar* statusBar)
    : TOwnedCollection(statusBar, TStatusPanel::StaticClass()), statusBar_(statusBar) {}

void TStatusPanels::Update(TCollectionItem*) { statusBar_->UpdatePanels(); }

// ---- the bar ---------------------------------------------------------------------------

void TStatusBar::Published(TPublished<TStatusBar>& p) {
    p.Property("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    p.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
    p.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
    p.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
    p.Property("OnDrawPanel", &TStatusBar::OnDrawPanel, &TStatusBar::SetOnDrawPanel);
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(this)), canvas_(std::make_unique<TControlCanvas>()) {
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 150, 19);
    SetColor(clBtnFace);
    SetAlign(alBottom);
}

TCustomStatusBar::~TCustomStatusBar() = default;

void TCustomStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, STATUSCLASSNAME);
    // The control places itself (Align); the window only paints.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    auto* form = dynamic_cast<TCustomForm*>(Parent());
    if (sizeGrip_ && form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin))
        params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateWnd() {
    TWinControl::CreateWnd();
    UpdatePanels();
    UpdateSimpleText();
    if (simplePanel_) SendMessage(Handle(), SB_SIMPLE, TRUE, 0);
}

void TCustomStatusBar::UpdatePanels() {
    if (!HandleAllocated()) return;
    const int count = std::min(panels_->Count(), SB_MAXPARTS);
    if (count == 0) {
        const int whole = -1;
        SendMessage(Handle(), SB_SETPARTS, 1, LPARAM(&whole));
        SendMessage(Handle(), SB_SETTEXT, 0, LPARAM(""));
        return;
    }
    std::vector<int> edges(std::size_t(count), -1);
    int right = 0;
    for (int i = 0; i + 1 < count; ++i) {
        right += panels_->Items(i)->Width();
        edges[std::size_t(i)] = right;
    }
    SendMessage(Handle(), SB_SETPARTS, WPARAM(count), LPARAM(edges.data()));
    for (int i = 0; i < count; ++i) {
        const TStatusPanel* panel = panels_->Items(i);
        const WPARAM type = (panel->Bevel() == pbNone ? SBT_NOBORDERS : panel->Bevel() == pbRaised ? SBT_POPOUT : 0) |
                            (panel->Style() == psOwnerDraw ? SBT_OWNERDRAW : 0);
        // The window centres what follows a tab and right-aligns what follows two.
        const AnsiString text = (panel->Alignment() == taCenter         ? "\t"
                                 : panel->Alignment() == taRightJustify ? "\t\t"
                                                                        : "") +
                                panel->Text();
        SendMessage(Handle(), SB_SETTEXT, WPARAM(i) | type,
                    panel->Style() == psOwnerDraw ? LPARAM(panel) : LPARAM(text.c_str()));
    }
}

void TCustomStatusBar::UpdateSimpleText() {
    if (HandleAllocated()) SendMessage(Handle(), SB_SETTEXT, SB_SIMPLEID, LPARAM(simpleText_.c_str()));
}

void TCustomStatusBar::SetSimplePanel(bool v) {
    if (simplePanel_ == v) return;
    simplePanel_ = v;
    if (HandleAllocated()) SendMessage(Handle(), SB_SIMPLE, WPARAM(v), 0);
}

void TCustomStatusBar::SetSimpleText(const AnsiString& v) {
    if (simpleText_ == v) return;
    simpleText_ = v;
    UpdateSimpleText();
}

void TCustomStatusBar::SetSizeGrip(bool v) {
    if (sizeGrip_ == v) return;
    sizeGrip_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TCustomStatusBar::DrawPanel(TStatusPanel* panel, const TRect& rect) {
    if (onDrawPanel_)
        onDrawPanel_(this, panel, rect);
    else
        canvas_->FillRect(rect);
}

void TCustomStatusBar::CNDrawItem(TMessage& Message) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    if (int(item.itemID) >= panels_->Count()) return;
    const CanvasOnDC onDC(canvas_.get(), item.hDC);
    canvas_->Font()->Assign(Font());
    canvas_->Brush()->SetColor(Color());
    canvas_->Brush()->SetStyle(bsSolid);
    DrawPanel(panels_->Items(int(item.itemID)), item.rcItem);
    Message.Result = TRUE;
}

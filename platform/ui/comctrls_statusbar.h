// TStatusBar over the platform's "msctls_statusbar32" class: Panels (Text,
// Width, Alignment, Bevel, Style; a streamed collection) side by side, the
// last one reaching the bar's right edge; SimplePanel showing SimpleText
// over the whole bar instead; a size grip on a sizeable form; OnDrawPanel
// painting psOwnerDraw panels on the bar's Canvas.
#pragma once

#include <memory>

#include "platform/rtl/collection.h"
#include "platform/ui/graphics.h"
#include "platform/ui/stdctrls_edit.h"

SERVIORA_ENUM(TStatusPanelStyle, psText, psOwnerDraw)
SERVIORA_ENUM(TStatusPanelBevel, pbNone, pbLowered, pbRaised)

class TCustomStatusBar;

class TStatusPanel : public TCollectionItem {
    SERVIORA_CLASS(TStatusPanel, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TStatusPanel(TCollection* collection);
    void Assign(TPersistent* source) override;

    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& v);
    // 50 pixels until set.
    Integer Width() const { return width_; }
    void SetWidth(Integer v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel v);
    TStatusPanelStyle Style() const { return style_; }
    void SetStyle(TStatusPanelStyle v);

private:
    template <class T>
    void Change(T& field, const T& value);

    AnsiString text_;
    Integer width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    TStatusPanelBevel bevel_ = pbLowered;
    TStatusPanelStyle style_ = psText;
};

class TStatusPanels : public TOwnedCollection {
    SERVIORA_CLASS(TStatusPanels, TOwnedCollection)
public:
    explicit TStatusPanels(TCustomStatusBar* statusBar);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }

protected:
    // Any change puts every panel back into the window: edges depend on
    // the widths before them.
    void Update(TCollectionItem* item) override;

private:
    TCustomStatusBar* statusBar_;
};

SERVIORA_EVENT_TYPE(TDrawPanelEvent, void(TCustomStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect));

class TCustomStatusBar : public TWinControl {
    SERVIORA_CLASS(TCustomStatusBar, TWinControl)
public:
    explicit TCustomStatusBar(TComponent* owner);
    ~TCustomStatusBar() override;

    TStatusPanels* Panels() const { return panels_.get(); }
    void SetPanels(TStatusPanels* v) { panels_->Assign(v); }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    const AnsiString& SimpleText() const { return simpleText_; }
    void SetSimpleText(const AnsiString& v);
    // Shown only while the bar sits on a sizeable form.
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    // Lent the window's DC while an owner-drawn panel is painted.
    TCanvas* Canvas() const { return canvas_.get(); }

    const TDrawPanelEvent& OnDrawPanel() const { return onDrawPanel_; }
    void SetOnDrawPanel(TDrawPanelEvent v) { onDrawPanel_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void DrawPanel(TStatusPanel* panel, const TRect& rect);
    void CNDrawItem(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_DRAWITEM, CNDrawItem)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    friend class TStatusPanels;
    // Puts the panels' edges, texts and kinds into the window.
    void UpdatePanels();
    void UpdateSimpleText();

    std::unique_ptr<TStatusPanels> panels_;
    std::unique_ptr<TControlCanvas> canvas_;
    bool simplePanel_ = false;
    bool sizeGrip_ = true;
    AnsiString simpleText_;
    TDrawPanelEvent onDrawPanel_;
};

class TStatusBar : public TCustomStatusBar {
    SERVIORA_CLASS(TStatusBar, TCustomStatusBar)
    SERVIORA_PUBLISHED
public:
    explicit TStatusBar(TComponent* owner) : TCustomStatusBar(owner) {}
};

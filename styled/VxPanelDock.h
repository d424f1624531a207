// The styled panel's dock manager: docked clients under caption strips
// (on the left of a panel aligned to the top or bottom, else on top) with
// the client's text and a close glyph, active in the caption colours while
// the client has the focus.
#pragma once

#include <memory>

#include "platform/ui/docktree.h"
#include "platform/ui/graphics.h"

class TVxCustomPanel;

class TVxPanelDockManager : public TDockTree {
    SERVIORA_CLASS(TVxPanelDockManager, TDockTree)
public:
    explicit TVxPanelDockManager(TVxCustomPanel* panel);
    ~TVxPanelDockManager() override;

    TFont* CaptionFont() const { return captionFont_.get(); }
    TFont* CloseGlyphFont() const { return closeGlyphFont_.get(); }

protected:
    void AdjustDockRect(TControl* control, TRect& rect) override;
    void PaintDockFrame(TCanvas* canvas, TControl* control, const TRect& rect) override;
    // Commands and activation reaching the site repaint its captions.
    void WindowProc(TMessage& message) override;

private:
    // The strip runs down the left side rather than across the top.
    bool LeftStrip() const;

    TVxCustomPanel* panel_;
    std::unique_ptr<TFont> captionFont_;
    std::unique_ptr<TFont> closeGlyphFont_;
};

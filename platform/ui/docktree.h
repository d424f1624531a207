// TDockTree: the dock manager of a dock site. It lays the site's docked
// clients out one below the other, each zone keeping a grabber strip on top
// where the client's frame is painted, and takes over the site's window
// procedure to paint those frames after the site (the previous procedure is
// given back when the tree is freed).
#pragma once

#include <vector>

#include "platform/ui/controls.h"

class TDockTree : public TObject {
    SERVIORA_CLASS(TDockTree, TObject)
public:
    explicit TDockTree(TWinControl* dockSite);
    ~TDockTree() override;

    TWinControl* DockSite() const { return dockSite_; }
    int GrabberSize() const { return grabberSize_; }
    void SetGrabberSize(int v) { grabberSize_ = v; }

    // A client joins the layout at its end, or leaves it.
    virtual void InsertControl(TControl* control);
    virtual void RemoveControl(TControl* control);
    // Gives every client its zone again.
    void ResetBounds();
    // The zone of a client: an equal share of the site's client area.
    TRect ZoneRect(const TControl* control) const;

protected:
    // The part of a zone the client covers: below the grabber strip.
    virtual void AdjustDockRect(TControl* control, TRect& rect);
    // The client's frame in its zone: a caption bar of grabber lines.
    virtual void PaintDockFrame(TCanvas* canvas, TControl* control, const TRect& rect);
    // The site's messages pass here first.
    virtual void WindowProc(TMessage& message);
    // Paints every client's frame over the site.
    void PaintSite(HDC dc);
    const TWndMethod& PreviousWindowProc() const { return previous_; }

private:
    TWinControl* dockSite_;
    int grabberSize_ = 12;
    std::vector<TControl*> clients_;
    TWndMethod previous_;
};

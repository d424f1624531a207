// The dock site's layout of its docked clients and the frames it paints.
#include "platform/ui/docktree.h"

#include <algorithm>

#include "platform/ui/graphics.h"
#include "platform/win/winpaint.h"

TDockTree::TDockTree(TWinControl* dockSite) : dockSite_(dockSite), previous_(dockSite->WindowProc()) {
    if (!dockSite->ComponentState().Contains(csDesigning))
        dockSite->SetWindowProc(TWndMethod(this, &TDockTree::WindowProc));
}

TDockTree::~TDockTree() {
    if (!dockSite_->ComponentState().Contains(csDesigning)) dockSite_->SetWindowProc(previous_);
}

void TDockTree::InsertControl(TControl* control) {
    if (std::find(clients_.begin(), clients_.end(), control) == clients_.end()) clients_.push_back(control);
    ResetBounds();
}

void TDockTree::RemoveControl(TControl* control) {
    std::erase(clients_, control);
    ResetBounds();
}

TRect TDockTree::ZoneRect(const TControl* control) const {
    const auto found = std::find(clients_.begin(), clients_.end(), control);
    if (found == clients_.end()) return TRect();
    TRect client = dockSite_->ClientRect();
    dockSite_->AdjustClientRect(client);
    const int index = int(found - clients_.begin()), count = int(clients_.size());
    const int height = client.bottom - client.top;
    return TRect(client.left, client.top + height * index / count, client.right,
                 client.top + height * (index + 1) / count);
}

void TDockTree::ResetBounds() {
    for (TControl* client : clients_) {
        TRect rect = ZoneRect(client);
        AdjustDockRect(client, rect);
        client->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }
    if (dockSite_->HandleAllocated()) dockSite_->Invalidate();
}

void TDockTree::AdjustDockRect(TControl*, TRect& rect) { rect.top += grabberSize_; }

// Two raised lines along the grabber strip.
void TDockTree::PaintDockFrame(TCanvas* canvas, TControl*, const TRect& rect) {
    for (int line = 0; line < 2; ++line) {
        const int y = rect.top + 3 + line * 3;
        canvas->Pen()->SetColor(clBtnHighlight);
        canvas->MoveTo(rect.left + 2, y);
        canvas->LineTo(rect.right - 2, y);
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(rect.left + 2, y + 1);
        canvas->LineTo(rect.right - 2, y + 1);
    }
}

void TDockTree::PaintSite(HDC dc) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    for (TControl* client : clients_)
        if (client->Visible()) PaintDockFrame(&canvas, client, ZoneRect(client));
    canvas.SetHandle(0);
}

void TDockTree::WindowProc(TMessage& message) {
    previous_(message);
    if (message.Msg == WM_PAINT && dockSite_->HandleAllocated() && !clients_.empty()) {
        const HDC dc = GetDC(dockSite_->Handle());
        PaintSite(dc);
        ReleaseDC(dockSite_->Handle(), dc);
    } else if (message.Msg == WM_SIZE) {
        ResetBounds();
    }
}

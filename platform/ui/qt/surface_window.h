// The Qt window behind a shown top-level window: frameless, painted from
// the window's backing bitmap, turning Qt's input into queued messages.
// Private to platform/ui/qt.
#pragma once

#include <QBackingStore>
#include <QWindow>

#include "platform/ui/windef.h"

namespace ws {

class SurfaceWindow : public QWindow {
public:
    explicit SurfaceWindow(HWND window);
    HWND Handle() const { return window_; }
    // Copies a part of the backing bitmap (window coordinates) to the screen.
    void Flush(const QRect& area);
    QObject* focusObject() const override;

protected:
    bool event(QEvent* e) override;

private:
    HWND window_;
    QBackingStore store_;
};

// The surface of a top-level window, nullptr while it has none.
SurfaceWindow* SurfaceOf(HWND window);

}  // namespace ws

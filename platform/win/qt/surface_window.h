// The Qt window behind a shown top-level window: frameless, painted from
// the window's backing bitmap, turning Qt's input into queued messages.
// Private to platform/win/qt.
#pragma once

#include <QBackingStore>
#include <QWindow>

#include "platform/gdi/windef.h"

namespace ws {

// At exit the surfaces are let go without being destroyed (the process
// takes them with it): Qt may already have dropped globals that destroying
// a window needs. Windows destroyed later find no surface.
void AbandonSurfaces();

class SurfaceWindow : public QWindow {
public:
    explicit SurfaceWindow(HWND window);
    HWND Handle() const { return window_; }
    // Schedules a part of the backing bitmap (window coordinates) for the
    // screen; FlushNow copies what is scheduled.
    void Flush(const QRect& area);
    void FlushNow();
    QObject* focusObject() const override;

protected:
    bool event(QEvent* e) override;

private:
    HWND window_;
    QBackingStore store_;
    QRegion dirty_;
    bool painted_ = false;
};

// The surface of a top-level window, nullptr while it has none.
SurfaceWindow* SurfaceOf(HWND window);

// A drag entering, moving over, leaving or dropping on a surface.
bool HostDragEvent(SurfaceWindow* surface, QEvent* e);

}  // namespace ws

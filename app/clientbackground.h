// The background of a multiple-document frame: the frame's client window
// ("MDIClient") covers the frame's own graphic controls (a background
// picture, the labels over it), so the client window paints them as its
// background, under the child windows.
#pragma once

#include "platform/ui/forms.h"

class MDIClientBackground {
public:
    // Takes over the background of `frame`'s client window, which must exist.
    explicit MDIClientBackground(TCustomForm* frame);
    // Gives the background back while the client window still exists.
    ~MDIClientBackground();
    MDIClientBackground(const MDIClientBackground&) = delete;
    MDIClientBackground& operator=(const MDIClientBackground&) = delete;

    // Paints the background again (after a graphic control changed).
    void Invalidate() const;

private:
    void ClientWindowProc(TMessage& message);
    // Fills with the client's own colour, then the frame's graphic
    // controls, placed as on the frame.
    void EraseBackground(HDC dc);

    TCustomForm* frame_;
    HWND client_;
    WNDPROC instance_;
    WNDPROC previous_;
};

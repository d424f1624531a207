// Drags that cross the program's edge. The host's window system carries
// them as MIME data: a drag of ours that leaves our windows goes on as a
// host drag, and a host drag over our windows is handed, step by step, to
// the sink the OLE layer installs.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win/winuser.h"

// Effects as bits, shared with the host: copy, move, link.
constexpr DWORD DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2, DROPEFFECT_LINK = 4;

// Data by MIME type; "text/plain" is UTF-8.
using TMimeData = std::vector<std::pair<std::string, std::string>>;

enum class THostDragStep { Over, Leave, Drop };
// One step of a host drag over our windows: the screen point, the MK_ key
// state and the effects the dragging program allows; the effect taken.
// The data is the same for every step of one drag.
using THostDropSink =
    std::function<DWORD(THostDragStep step, POINT screen, const TMimeData& data, DWORD keys, DWORD allowed)>;
void SetHostDropSink(THostDropSink sink);
// The installed sink; empty while there is none.
const THostDropSink& HostDropSink();

// Carries `data` on as a host drag from `origin`'s top-level window until
// another program drops or refuses it. False when the host carries no
// drags (offscreen); else true with the effect taken in `effect`.
bool RunHostDrag(HWND origin, const TMimeData& data, DWORD allowed, DWORD* effect);

// The script binding of the Windows unit: points, rectangles, the message
// box and the SDK's message-box and virtual-key constants, and the
// converters through which the other bindings pass points and rectangles.
#pragma once

#include "platform/gdi/windef.h"
#include "platform/rtl/variant.h"
#include "platform/rtl/types.h"

class TKpInterpreterAdapter;

// Registers the unit "Windows" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterWindowsBindings(TKpInterpreterAdapter& adapter);
// The records TPoint and TRect, Point, Rect, Bounds, TopLeft and
// BottomRight under the unit's name (Windows and Types carry the same).
void RegisterGeometryBindings(TKpInterpreterAdapter& adapter, const AnsiString& unit);

// Points and rectangles as record Variants holding a copy of their own.
Variant PointToVariant(const TPoint& point);
Variant RectToVariant(const TRect& rect);
// A record whose type lays integers at the offsets of a point's two (a
// rectangle's four) fields; 109 for any other value. A rectangle where a
// point is expected gives its Left and Top.
TPoint VariantToPoint(const Variant& value);
TRect VariantToRect(const Variant& value);

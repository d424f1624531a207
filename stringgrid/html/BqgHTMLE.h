// The HTML mini-language of cells, hints, footers and captions: one engine
// that lays markup out in a rectangle and draws it, only measures it, or only
// hit-tests it, and the text operations around it (plain text, search
// highlighting, tag removal, the in-text form controls, entities, colours).
#pragma once

#include "platform/rtl/types.h"
#include "platform/ui/colors.h"
#include "platform/gdi/windef.h"

class TCanvas;
class TCustomImageList;
class TPictureContainer;
class THTMLPictureCache;

// What DrawHTMLText is asked to do.
struct THTMLDrawParams {
    TCanvas* Canvas = nullptr;  // its font, brush colour and pen are restored at the end
    AnsiString HTMLText;
    TRect Rect{};  // lines start 1 pixel right of its left edge
    TCustomImageList* Images = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    THTMLPictureCache* PictureCache = nullptr;  // none: pictures by address are not shown
    HWND WindowHandle = 0;
    int XPos = -1, YPos = -1;  // the point to hit-test; -1, -1 for none
    int FocusLink = -1;        // 0-based anchor with a focus frame
    int HoverLink = 0;         // 1-based hovered anchor
    bool HoverStyle = false;   // hover looks only on HoverLink
    TColor HoverColor = clNone, HoverFontColor = clNone;
    TColor URLColor = clBlue;
    TColor ShadowColor = clGray;
    int ShadowOffset = 1;
    bool WordWrap = false;
    bool Selected = false;  // colour tags leave font colour and background alone
    bool Blink = false;     // the blink phase: clear hides <BLINK> text
    bool MouseDown = false;
    bool ScaleImages = false;
    double ImageScale = 1.0;
    bool MeasureOnly = false;
    bool HitTestOnly = false;
};

// What DrawHTMLText found. Anchor and HoverRect keep what the caller put in
// when nothing under the point sets them; ControlID is the control looked
// up with HitTestOnly, and is cleared otherwise.
struct THTMLDrawResult {
    AnsiString Anchor, AnchorTitle, FocusAnchor, PlainText;
    int MaxLineWidth = 0, TotalHeight = 0, LinkCount = 0;
    int HoveredLink = -1;
    TRect HoverRect{};
    TRect ControlRect{};
    AnsiString ControlID, ControlValue, ControlType;
};

// True when the point lies on a form control or a linked picture (with
// HitTestOnly also on an anchor's text); always false with MeasureOnly.
bool DrawHTMLText(const THTMLDrawParams& params, THTMLDrawResult& result);

// ---- Text operations -------------------------------------------------------------------------

// <BR> and <HR> become CR LF, other tags go; a "<" without ">" stays with
// the rest of the text.
AnsiString StripHTMLTags(const AnsiString& text);
// The visible characters of markup: StripHTMLTags without the line breaks.
AnsiString StripTags(const AnsiString& text);
// Every visible occurrence of `search` wrapped in <tag> and </tag>.
AnsiString HighlightHTMLText(const AnsiString& markup, const AnsiString& search, const AnsiString& tag,
                             bool matchCase);
// Every <tag> and </tag> without attributes removed, in any case.
AnsiString RemoveHTMLTag(const AnsiString& markup, const AnsiString& tag);

struct THTMLControl {
    AnsiString Type;  // upper case
    AnsiString ID, Value, Width, Prop;
};

bool HasHTMLControls(const AnsiString& markup);
// The first editable control (not BUTTON, CHECK or RADIO) after the one
// named `id`, or the first of all for an empty id; empty when none.
AnsiString GetNextEditControlID(const AnsiString& markup, const AnsiString& id);
AnsiString GetControlProp(const AnsiString& markup, const AnsiString& id);
// Rewrites the tag of control `id` with a new VALUE: 1, or 0 (markup
// unchanged) when no control has that id.
int SetControlValue(AnsiString& markup, const AnsiString& id, const AnsiString& value);
// The attributes of one <CONTROL> tag's text.
THTMLControl ParseControlTag(const AnsiString& tag);

AnsiString DecodeHTMLEntities(const AnsiString& text);
AnsiString EncodeHTMLEntities(const AnsiString& text);
// One of the 40 colour names (any case); black for any other name.
TColor ColorFromName(const AnsiString& name);
// "#RRGGBB".
TColor ColorFromHex(const AnsiString& text);

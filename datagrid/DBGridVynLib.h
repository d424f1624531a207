// The grid library's start-up and shut-down, and the library-wide objects
// they make: the default style, the sort-index font, the cursors and the
// key and search settings.
//
// InitializeDataGridLibrary runs once (further calls only count) before the
// first grid exists; FinalizeDataGridLibrary undoes it when the last caller
// finishes. Programs call both around their message loop.
#pragma once

#include "platform/ui/graphics.h"
#include "platform/ui/menus.h"
#include "platform/gdi/windef.h"

void InitializeDataGridLibrary();
void FinalizeDataGridLibrary();

// The font of the sort index in titles: one pixel lower than the marker glyph.
TFont* SortIndexFont();

// The cursors of column selection (pointing down over titles) and of row
// selection (pointing right or left over the indicator).
HCURSOR DownCursorVyn();
HCURSOR RightCursorVyn();
HCURSOR LeftCursorVyn();

// The keys that the grid's and its editor's key handling compare against.
struct TDBGridVynKeySettings {
    TShortCut IncSearchShortCut = 0;
    TShortCut FindDialogShortCut = 0;
    TShortCut NextMatchShortCut = 0;
    TShortCut PriorMatchShortCut = 0;
    TShortCut CopyFromAboveShortCut = 0;
    int IncSearchTimeout = 0;  // milliseconds; -1 without a time-out
    TColor IncSearchColor = clYellow;
    TColor IncSearchFontColor = clBlack;
};
TDBGridVynKeySettings& DBGridVynKeySettings();

// The grid library's start-up and shut-down, and the library-wide objects
// they make: the default style, the sort-index font, the cursors and the
// key and search settings.
//
// InitializeDataGridLibrary runs once (further calls only count) before the
// first grid exists; FinalizeDataGridLibrary undoes it when the last caller
// finishes. Programs call both around their message loop.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/ui/graphics.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"
#include "platform/gdi/windef.h"

class TColumnVyn;
class TCustomDBGridVyn;

void InitializeDataGridLibrary();
void FinalizeDataGridLibrary();

// The font of the sort index in titles: one pixel lower than the marker glyph.
TFont* SortIndexFont();

// The indicator column's glyphs (10 by 10 pixels): 0 the current record,
// 1 editing, 2 inserting, 3 a marked record, 4 the current marked record,
// 5 the current record on the search highlight's field, 6 the same in the
// highlight colour (RebuildSearchIndicator). The indicator column is 11
// pixels wide.
TCustomImageList* IndicatorImages();
// The sort-marker glyphs (9 by 9 pixels): 0 smDownVyn, 1 smUpVyn.
TCustomImageList* SortMarkerImages();
// Makes indicator image 6 again in the current search highlight colour.
void RebuildSearchIndicator();

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

// The find dialog a grid opens: grid, search text, a second text, whether
// modal, and (caption, column) pairs to search. Empty until a find dialog
// is linked in.
using TDBGridVynFindColumns = std::vector<std::pair<AnsiString, TColumnVyn*>>;
using TDBGridVynFindDialogProc = std::function<void(TCustomDBGridVyn* grid, const AnsiString& text,
                                                    const AnsiString& text2, bool modal,
                                                    const TDBGridVynFindColumns& columns)>;
TDBGridVynFindDialogProc& DBGridVynFindDialogHook();

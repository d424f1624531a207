#include "datagrid/DBGridVynLib.h"

#include <memory>

#include "datagrid/DBGridVynStyle.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/graphic.h"
#include "platform/win/resources.h"
#include "platform/win/userinput.h"

// Defined beside the embedded cursors and glyphs (see CMakeLists.txt).
void KeepDataGridResources();

namespace {

struct Library {
    int initCount = 0;
    std::unique_ptr<TDBGridVynStyle> defaultStyle;
    std::unique_ptr<TFont> sortIndexFont;
    HCURSOR downCursor = 0;
    HCURSOR rightCursor = 0;
    HCURSOR leftCursor = 0;
    TDBGridVynKeySettings keys;
};

Library& TheLibrary() {
    static Library library;
    return library;
}

HCURSOR LoadLibraryCursor(const char* name) {
    const HCURSOR cursor = LoadCursor(HInstance, name);
    if (!cursor) throw EOutOfResources("Cannot load cursor resource");
    return cursor;
}

std::unique_ptr<TFont> MakeSortIndexFont() {
    auto font = std::make_unique<TFont>();
    auto glyph = std::make_unique<TBitmap>();
    glyph->LoadFromResourceName(HInstance, "DBSMDOWNVYN");
    font->SetHeight(1 - glyph->Height());
    font->SetName("Arial");
    return font;
}

}  // namespace

void InitializeDataGridLibrary() {
    Library& lib = TheLibrary();
    if (lib.initCount++ > 0) return;
    KeepDataGridResources();
    lib.defaultStyle = std::make_unique<TDBGridVynStyle>();
    SetDefaultGridStyle(lib.defaultStyle.get());
    lib.sortIndexFont = MakeSortIndexFont();
    lib.downCursor = LoadLibraryCursor("DOWNCURVYN");
    lib.rightCursor = LoadLibraryCursor("RIGHTCURVYN");
    lib.leftCursor = LoadLibraryCursor("LEFTCURVYN");
    TDBGridVynKeySettings& keys = lib.keys;
    keys.IncSearchShortCut = ShortCut('F', TShiftState{ssCtrl});
    keys.FindDialogShortCut = ShortCut('F', TShiftState{ssCtrl});
    keys.NextMatchShortCut = ShortCut(VK_RETURN, TShiftState{ssCtrl});
    keys.PriorMatchShortCut = ShortCut(VK_RETURN, TShiftState{ssCtrl, ssShift});
    keys.CopyFromAboveShortCut = ShortCut(0xDE, TShiftState{ssCtrl});
    keys.IncSearchTimeout = 1500;
    keys.IncSearchColor = 0x00FFFF;
    keys.IncSearchFontColor = 0;
}

void FinalizeDataGridLibrary() {
    Library& lib = TheLibrary();
    if (lib.initCount == 0 || --lib.initCount > 0) return;
    // Loaded cursors are shared by name for the whole program; nothing to free.
    lib.downCursor = lib.rightCursor = lib.leftCursor = 0;
    lib.sortIndexFont.reset();
    lib.defaultStyle.reset();
    lib.keys = {};
}

TFont* SortIndexFont() { return TheLibrary().sortIndexFont.get(); }
HCURSOR DownCursorVyn() { return TheLibrary().downCursor; }
HCURSOR RightCursorVyn() { return TheLibrary().rightCursor; }
HCURSOR LeftCursorVyn() { return TheLibrary().leftCursor; }
TDBGridVynKeySettings& DBGridVynKeySettings() { return TheLibrary().keys; }

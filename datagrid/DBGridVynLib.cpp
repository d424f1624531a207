#include "datagrid/DBGridVynLib.h"

#include <memory>

#include "datagrid/DBGridVynClipboard.h"
#include "datagrid/DBGridVynDataService.h"
#include "datagrid/DBGridVynFindDlgs.h"
#include "datagrid/DBGridVynStyle.h"
#include "datagrid/PrViewVyn.h"
#include "datagrid/PrnDbgvyn.h"
#include "datagrid/PrntsVyn.h"
#include "datagrid/PropFilerVyn.h"
#include "datagrid/ToolCtrlsVyn.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "datagrid/VynLibADO.h"
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
    std::unique_ptr<TImageList> indicatorImages;
    std::unique_ptr<TImageList> sortMarkerImages;
    std::unique_ptr<TDBGridVynDataService> dataService;
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

std::unique_ptr<TBitmap> LoadGlyph(const char* name) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromResourceName(HInstance, name);
    return bitmap;
}

// A list sized to its first glyph, holding the glyphs with their
// transparent colours.
std::unique_ptr<TImageList> MakeImageList(std::initializer_list<std::pair<const char*, TColor>> glyphs) {
    auto list = std::make_unique<TImageList>(nullptr);
    for (const auto& [name, transparent] : glyphs) {
        std::unique_ptr<TBitmap> glyph = LoadGlyph(name);
        if (list->Count() == 0) {
            list->SetWidth(glyph->Width());
            list->SetHeight(glyph->Height());
        }
        list->AddMasked(glyph.get(), transparent);
    }
    return list;
}

constexpr TColor kIndicatorTransparent = 0x808000;

void LoadIndicatorImages(Library& lib) {
    lib.indicatorImages = MakeImageList({{"DBGARROWVYN", clWhite},
                                         {"DBEDITVYN", clWhite},
                                         {"DBINSERTVYN", clWhite},
                                         {"DBMULTIDOTVYN", clWhite},
                                         {"DBMULTIARROWVYN", clWhite},
                                         {"DBGARROWVYNW", kIndicatorTransparent}});
    RebuildSearchIndicator();
    lib.sortMarkerImages = MakeImageList({{"DBSMDOWNVYN", 0xFF00FF}, {"DBSMUPVYN", 0xFF00FF}});
}

}  // namespace

void RebuildSearchIndicator() {
    Library& lib = TheLibrary();
    std::unique_ptr<TBitmap> glyph = LoadGlyph("DBGARROWVYNW");
    // The glyph's white field in the highlight colour; a highlight equal to
    // the transparent colour would vanish, so it is shifted a little.
    TColor field = lib.keys.IncSearchColor;
    if (ColorToRGB(field) == kIndicatorTransparent) field = RGB(0, 127, 127);
    TImageList shape(nullptr);
    shape.SetWidth(glyph->Width());
    shape.SetHeight(glyph->Height());
    shape.AddMasked(glyph.get(), clWhite);
    TCanvas* canvas = glyph->Canvas();
    canvas->Brush()->SetColor(field);
    canvas->FillRect({0, 0, glyph->Width(), glyph->Height()});
    shape.Draw(canvas, 0, 0, 0);
    if (lib.indicatorImages->Count() == 7) lib.indicatorImages->Delete(6);
    lib.indicatorImages->AddMasked(glyph.get(), kIndicatorTransparent);
}

void InitializeDataGridLibrary() {
    Library& lib = TheLibrary();
    if (lib.initCount++ > 0) return;
    KeepDataGridResources();
    RegisterStandardReadInterceptors();
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
    LoadIndicatorImages(lib);
    // The edit buttons' sizes are measured once, at start-up.
    FlatButtonWidth();
    CheckGlyphWidth();
    RegisterADODatasetFeatures();
    RegisterGridClipboardFormats();
    lib.dataService = std::make_unique<TDBGridVynDataService>();
    InitializePrntsVyn();
    InitializePrViewVyn();
    InitializePrnDbgvyn();
    InitializeFindDialog();
}

void FinalizeDataGridLibrary() {
    Library& lib = TheLibrary();
    if (lib.initCount == 0 || --lib.initCount > 0) return;
    // Loaded cursors are shared by name for the whole program; nothing to free.
    lib.downCursor = lib.rightCursor = lib.leftCursor = 0;
    lib.indicatorImages.reset();
    lib.sortMarkerImages.reset();
    lib.sortIndexFont.reset();
    lib.defaultStyle.reset();
    lib.keys = {};
    ClearReadInterceptors();
    FlushButtonFaceCache();
    lib.dataService.reset();
    FreeDatasetFeaturesRegistry();
    FinalizePrntsVyn();
    FinalizePrnDbgvyn();
    DBGridVynFindDialogHook() = nullptr;
}

TFont* SortIndexFont() { return TheLibrary().sortIndexFont.get(); }
TCustomImageList* IndicatorImages() { return TheLibrary().indicatorImages.get(); }
TCustomImageList* SortMarkerImages() { return TheLibrary().sortMarkerImages.get(); }
HCURSOR DownCursorVyn() { return TheLibrary().downCursor; }
HCURSOR RightCursorVyn() { return TheLibrary().rightCursor; }
HCURSOR LeftCursorVyn() { return TheLibrary().leftCursor; }
TDBGridVynKeySettings& DBGridVynKeySettings() { return TheLibrary().keys; }

TDBGridVynFindDialogProc& DBGridVynFindDialogHook() {
    static TDBGridVynFindDialogProc hook;
    return hook;
}
TDBGridVynDataService* DBGridVynDataService() { return TheLibrary().dataService.get(); }

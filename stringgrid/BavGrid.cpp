// The string grid component: construction with its defaults, the unit's
// start (OLE, registration, clipboard format), the integral height, the
// scroll bars kept in view and the hooks of cell questions.
#include "stringgrid/BavGrid.h"

#include "platform/rtl/classregistry.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/clipboard.h"
#include "platform/win/msgqueue.h"
#include "platform/rtl/ole2.h"
#include "platform/win/userdraw.h"
#include "platform/win/winscroll.h"
#include "stringgrid/BavFilter.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGridDragDrop.h"
#include "stringgrid/BavRichEdit.h"
#include "stringgrid/BavSearchFooter.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/editors/GridEditors.h"
#include "stringgrid/editors/bqgcheck.h"
#include "stringgrid/themes/BavXPVS.h"

// Defined beside the embedded glyphs and cursors; calling it keeps them.
void KeepStringGridResources();

namespace {

struct UnitStart {
    UINT cellsFormat = 0, richTextFormat = 0;
    UnitStart() {
        KeepStringGridResources();
        xpvs::LoadThemeLibrary();
        OleInitialize(nullptr);
        try {
            RegisterClass(TBavStringGrid::StaticClass());
        } catch (const Exception&) {
        }
        cellsFormat = RegisterClipboardFormat("TBavStringGrid Cells");
        richTextFormat = RegisterClipboardFormat("Rich Text Format");
    }
    ~UnitStart() {
        xpvs::FreeThemeLibrary();
        OleUninitialize();
    }
};

const UnitStart& TheUnit() {
    static const UnitStart start;
    return start;
}

// The unit starts with the program, as the platform starts its units.
const bool started = (TheUnit(), true);

}  // namespace

UINT CellsClipboardFormat() { return TheUnit().cellsFormat; }
UINT RichTextClipboardFormat() { return TheUnit().richTextFormat; }

TBavStringGrid::TBavStringGrid(TComponent* owner)
    : TBaseGrid(owner),
      printSettings_(std::make_unique<TPrintSettings>()),
      htmlSettings_(std::make_unique<THTMLSettings>()),
      sortSettings_(std::make_unique<TSortSettings>(this)),
      dragDropSettings_(std::make_unique<TDragDropSettings>(this)),
      dragScrollOptions_(std::make_unique<TDragScrollOptions>()),
      controlLook_(std::make_unique<TControlLook>(this)),
      navigation_(std::make_unique<TNavigation>()),
      columnSize_(std::make_unique<TColumnSize>(this)),
      cellNode_(std::make_unique<TCellNode>(this)),
      bands_(std::make_unique<TBands>(this)),
      sizeWhileTyping_(std::make_unique<TSizeWhileTyping>()),
      mouseActions_(std::make_unique<TMouseActions>(this)),
      grouping_(std::make_unique<TGrouping>()),
      activeCellFont_(std::make_unique<TFont>()),
      fixedFont_(std::make_unique<TFont>()),
      pictureCache_(std::make_unique<THTMLPictureCache>()),
      sharedGraphic_(std::make_unique<TCellGraphic>()) {
    (void)started;
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    SetControlStyle(style);
    footerPanel_ = new TFooterPanel(this);
    // Parented at once, so the panel's window comes and goes with the grid's.
    footerPanel_->SetParent(this);
    footerPanel_->SetVisible(false);
    CreateSearchFooter();
    floatingFooter_ = std::make_unique<TFloatingFooter>(this);
    fixedGradientTo_ = TColor(ColorToRGB(clBtnFace));
    themes_ = xpvs::ThemesActive();
    columnHeaders_ = std::make_unique<TStringList>();
    columnHeaders_->SetOnChange([this](TObject*) {
        ColumnSizeHook();
        ApplyColumnHeaders();
    });
    fixedFont_->SetName("Tahoma");
    TFontStyles bold;
    bold.Include(fsBold);
    fixedFont_->SetStyle(bold);
    activeCellFont_->SetStyle(bold);
    if (ComponentState().Contains(csDesigning)) activeCellFont_->SetName("Tahoma");
    fixedFont_->SetOnChange([this](TObject*) { RepaintUnlocked(); });
    activeCellFont_->SetOnChange([this](TObject*) { RepaintUnlocked(); });
    rowHeaders_ = std::make_unique<TStringList>();
    rowHeaders_->SetOnChange([this](TObject*) { ApplyRowHeaders(); });
    lookupItems_ = std::make_unique<TStringList>();
    sortIndexes_ = std::make_unique<TSortIndexList>();
    backGround_ = std::make_unique<TBackGround>(this);
    cellControls_ = std::make_unique<TControlList>();
    progressAppearance_ = std::make_unique<TGridProgressAppearance>();
    progressAppearance_->SetOnChange([this](TObject*) { RepaintUnlocked(); });
    SetRowCount(10);
    SetWidth(400);
    SetHeight(250);
    filter_ = std::make_unique<TFilter>(this);
    balloon_ = std::make_unique<TBalloonSettings>();
    balloon_->SetOnEnableChange([this](TObject*) { BalloonEnableChanged(); });
    showModified_ = std::make_unique<TShowModified>();
    showModified_->SetOnChange([this](TObject*) { ShowModifiedChanged(); });
    SetDefaultRowHeight(21);
    fixedRowHeight_ = DefaultRowHeight();
    measuringRichEdit_ = new TBavRichEdit(this);
    editingRichEdit_ = new TBavRichEdit(this);
    editingRichEdit_->SetVisible(false);
    measuringRichEdit_->SetVisible(false);
    editors_ = std::make_unique<TGridEditors>(this);
    ownerForm_ = dynamic_cast<TCustomForm*>(owner);
    if (ownerForm_ && !ComponentState().Contains(csDesigning)) {
        formOnResize_ = ownerForm_->OnResize();
        ownerForm_->SetOnResize([this](TObject* sender) { FormResize(sender); });
        formWidth_ = ownerForm_->Width();
        formHeight_ = ownerForm_->Height();
    } else {
        ownerForm_ = nullptr;
    }
    officeHint_ = std::make_unique<TBavHintInfo>();
    if (!ComponentState().Contains(csDesigning)) {
        for (int direction = 0; direction < 4; ++direction) arrows_[direction] = new TArrowWindow(this, direction);
        moveButton_ = new TPopupButton(this);
        moveButton_->SetParent(this);
        moveButton_->SetVisible(false);
        moveButton_->SetEnabled(false);
    }
}

TBavStringGrid::~TBavStringGrid() {
    if (oleDropWindow_) RevokeDragDrop(oleDropWindow_);
    if (ownerForm_ && !ownerForm_->ComponentState().Contains(csDestroying)) ownerForm_->SetOnResize(formOnResize_);
    DoneBalloonTooltip();
    if (columnSize_->Save()) SaveColumnSizes();
    // The cells' graphics are the cells'; the properties go with the base grid.
    for (int row = 0; row < RowCount(); ++row)
        for (int col = 0; col < AllColCount(); ++col) {
            TCellGraphic* graphic = GetGraphicObject(col, row);
            if (graphic && graphic->OwnedByCell()) delete graphic;
        }
    // Hidden columns lie past the base grid's columns.
    if (NumHiddenColumns() > 0) FreeCellObjects(ColCount(), 0, AllColCount() - 1, RowCount() - 1);
    // Hidden rows' cell objects are out of the base grid's reach.
    for (int i = 0; i < hiddenRows_->Count(); ++i) {
        TStrings* items = HiddenRowAt(i)->Items();
        for (int col = 0; col < items->Count(); ++col) {
            auto* properties = dynamic_cast<TCellProperties*>(items->Objects(col));
            if (properties && properties->GraphicObject() && properties->GraphicObject()->OwnedByCell())
                delete properties->GraphicObject();
            delete items->Objects(col);
        }
    }
}

void TBavStringGrid::Published(TPublished<TBavStringGrid>& p) {
    // The platform grid's counts, published again (they keep their place)
    // so that a form sets them through the grid's own setters; the grid
    // starts with 10 rows and 21-pixel rows, so neither takes the
    // platform's default.
    p.Property("ColCount", &TBavStringGrid::ColCount, &TBavStringGrid::SetColCount).Default(5);
    p.Property("RowCount", &TBavStringGrid::RowCount, &TBavStringGrid::SetRowCount).Default(10);
    p.Property("FixedCols", &TBavStringGrid::FixedCols, &TBavStringGrid::SetFixedCols).Default(1);
    p.Property("FixedRows", &TBavStringGrid::FixedRows, &TBavStringGrid::SetFixedRows).Default(1);
    p.Property("DefaultRowHeight", &TBavStringGrid::DefaultRowHeight, &TBavStringGrid::SetDefaultRowHeight);
    p.Property("DragDropSettings", &TBavStringGrid::DragDropSettings, &TBavStringGrid::SetDragDropSettings);
    p.Property("OfficeHint", &TBavStringGrid::OfficeHint, &TBavStringGrid::SetOfficeHint);
    p.Property("HintColor", &TBavStringGrid::HintColor, &TBavStringGrid::SetHintColor)
        .TypeName("TColor")
        .Default(clInfoBk);
    p.Property("HintShowCells", &TBavStringGrid::HintShowCells, &TBavStringGrid::SetHintShowCells).Default(false);
    p.Property("HintShowLargeText", &TBavStringGrid::HintShowLargeText, &TBavStringGrid::SetHintShowLargeText)
        .Default(false);
    p.Property("HintShowSizing", &TBavStringGrid::HintShowSizing, &TBavStringGrid::SetHintShowSizing).Default(false);
    p.Property("HTMLHint", &TBavStringGrid::HTMLHint, &TBavStringGrid::SetHTMLHint).Default(false);
    p.Property("OemConvert", &TBavStringGrid::OemConvert, &TBavStringGrid::SetOemConvert).Default(false);
    p.Property("AnchorHint", &TBavStringGrid::AnchorHint, &TBavStringGrid::SetAnchorHint).Default(false);
    p.Property("ActiveCellShow", &TBavStringGrid::ActiveCellShow, &TBavStringGrid::SetActiveCellShow).Default(false);
    p.Property("ActiveCellFont", &TBavStringGrid::ActiveCellFont, &TBavStringGrid::SetActiveCellFont);
    p.Property("ActiveCellColor", &TBavStringGrid::ActiveCellColor, &TBavStringGrid::SetActiveCellColor)
        .TypeName("TColor")
        .Default(clGray);
    p.Property("ActiveCellColorTo", &TBavStringGrid::ActiveCellColorTo, &TBavStringGrid::SetActiveCellColorTo)
        .TypeName("TColor")
        .Default(clNone);
    p.Property("AutoNumAlign", &TBavStringGrid::AutoNumAlign, &TBavStringGrid::SetAutoNumAlign).Default(false);
    p.Property("AutoSize", &TBavStringGrid::AutoSize, &TBavStringGrid::SetAutoSize).Default(false);
    p.Property("AutoThemeAdapt", &TBavStringGrid::AutoThemeAdapt, &TBavStringGrid::SetAutoThemeAdapt)
        .Default(false);
    p.Property("Balloon", &TBavStringGrid::Balloon, &TBavStringGrid::SetBalloon);
    p.Property("Bands", &TBavStringGrid::Bands, &TBavStringGrid::SetBands);
    p.Property("BackGround", &TBavStringGrid::BackGround, &TBavStringGrid::SetBackGround);
    p.Property("CellNode", &TBavStringGrid::CellNode, &TBavStringGrid::SetCellNode);
    p.Property("CellChecker", &TBavStringGrid::CellChecker, &TBavStringGrid::SetCellChecker);
    p.Property("ColumnHeaders", &TBavStringGrid::ColumnHeaders, &TBavStringGrid::SetColumnHeaders);
    p.Property("ColumnSize", &TBavStringGrid::ColumnSize, &TBavStringGrid::SetColumnSize);
    p.Property("ControlLook", &TBavStringGrid::ControlLook, &TBavStringGrid::SetControlLook);
    p.Property("DefaultEditor", &TBavStringGrid::DefaultEditor, &TBavStringGrid::SetDefaultEditor).Default(edNormal);
    p.Property("DragScrollOptions", &TBavStringGrid::DragScrollOptions, &TBavStringGrid::SetDragScrollOptions);
    p.Property("EditWithTags", &TBavStringGrid::EditWithTags, &TBavStringGrid::SetEditWithTags).Default(false);
    p.Property("EnableBlink", &TBavStringGrid::EnableBlink, &TBavStringGrid::SetEnableBlink).Default(false);
    p.Property("EnableHTML", &TBavStringGrid::EnableHTML, &TBavStringGrid::SetEnableHTML).Default(true);
    p.Property("EnableWheel", &TBavStringGrid::EnableWheel, &TBavStringGrid::SetEnableWheel).Default(true);
    p.Property("EnhTextSize", &TBavStringGrid::EnhTextSize, &TBavStringGrid::SetEnhTextSize).Default(false);
    p.Property("EnhRowColMove", &TBavStringGrid::EnhRowColMove, &TBavStringGrid::SetEnhRowColMove).Default(true);
    p.Property("ExcelStyleDecimalSeparator", &TBavStringGrid::ExcelStyleDecimalSeparator,
               &TBavStringGrid::SetExcelStyleDecimalSeparator)
        .Default(false);
    p.Property("Filter", &TBavStringGrid::Filter, &TBavStringGrid::SetFilter);
    p.Property("FilterActive", &TBavStringGrid::FilterActive, &TBavStringGrid::SetFilterActive).Default(false);
    p.Property("FixedAsButtons", &TBavStringGrid::FixedAsButtons, &TBavStringGrid::SetFixedAsButtons).Default(false);
    p.Property("FixedFooters", &TBavStringGrid::FixedFooters, &TBavStringGrid::SetFixedFooters).Default(0);
    p.Property("FixedRightCols", &TBavStringGrid::FixedRightCols, &TBavStringGrid::SetFixedRightCols).Default(0);
    p.Property("FixedColWidth", &TBavStringGrid::FixedColWidth, &TBavStringGrid::SetFixedColWidth).Default(64);
    p.Property("FixedRowHeight", &TBavStringGrid::FixedRowHeight, &TBavStringGrid::SetFixedRowHeight).Default(21);
    p.Property("FixedRowAlways", &TBavStringGrid::FixedRowAlways, &TBavStringGrid::SetFixedRowAlways).Default(false);
    p.Property("FixedColAlways", &TBavStringGrid::FixedColAlways, &TBavStringGrid::SetFixedColAlways).Default(false);
    p.Property("FixedFont", &TBavStringGrid::FixedFont, &TBavStringGrid::SetFixedFont);
    p.Property("Flat", &TBavStringGrid::Flat, &TBavStringGrid::SetFlat).Default(false);
    p.Property("FloatFormat", &TBavStringGrid::FloatFormat, &TBavStringGrid::SetFloatFormat);
    p.Property("FloatingFooter", &TBavStringGrid::FloatingFooter, &TBavStringGrid::SetFloatingFooter);
    p.Property("GridImages", &TBavStringGrid::GridImages, &TBavStringGrid::SetGridImages);
    p.Property("Grouping", &TBavStringGrid::Grouping, &TBavStringGrid::SetGrouping);
    p.Property("HideFocusRect", &TBavStringGrid::HideFocusRect, &TBavStringGrid::SetHideFocusRect).Default(false);
    p.Property("Hovering", &TBavStringGrid::Hovering, &TBavStringGrid::SetHovering).Default(false);
    p.Property("HTMLSettings", &TBavStringGrid::HTMLSettings, &TBavStringGrid::SetHTMLSettings);
    p.Property("IntegralHeight", &TBavStringGrid::IntegralHeight, &TBavStringGrid::SetIntegralHeight).Default(false);
    p.Property("IntelliPan", &TBavStringGrid::IntelliPan, &TBavStringGrid::SetIntelliPan).Default(ipVertical);
    p.Property("IntelliZoom", &TBavStringGrid::IntelliZoom, &TBavStringGrid::SetIntelliZoom).Default(true);
    p.Property("Look", &TBavStringGrid::Look, &TBavStringGrid::SetLook).Default(glXP);
    p.Property("LookupItems", &TBavStringGrid::LookupItems, &TBavStringGrid::SetLookupItems);
    p.Property("Lookup", &TBavStringGrid::Lookup, &TBavStringGrid::SetLookup).Default(false);
    p.Property("LookupCaseSensitive", &TBavStringGrid::LookupCaseSensitive, &TBavStringGrid::SetLookupCaseSensitive)
        .Default(false);
    p.Property("LookupHistory", &TBavStringGrid::LookupHistory, &TBavStringGrid::SetLookupHistory).Default(false);
    p.Property("MaxEditLength", &TBavStringGrid::MaxEditLength, &TBavStringGrid::SetMaxEditLength).Default(0);
    p.Property("MouseActions", &TBavStringGrid::MouseActions, &TBavStringGrid::SetMouseActions);
    p.Property("Multilinecells", &TBavStringGrid::Multilinecells, &TBavStringGrid::SetMultilinecells).Default(false);
    p.Property("Navigation", &TBavStringGrid::Navigation, &TBavStringGrid::SetNavigation);
    p.Property("PictureContainer", &TBavStringGrid::PictureContainer, &TBavStringGrid::SetPictureContainer);
    p.Property("PrintSettings", &TBavStringGrid::PrintSettings, &TBavStringGrid::SetPrintSettings);
    p.Property("ProgressAppearance", &TBavStringGrid::ProgressAppearance, &TBavStringGrid::SetProgressAppearance);
    p.Property("RowHeaders", &TBavStringGrid::RowHeaders, &TBavStringGrid::SetRowHeaders);
    p.Property("RowIndicator", &TBavStringGrid::RowIndicator, &TBavStringGrid::SetRowIndicator);
    p.Property("ScrollBarAlways", &TBavStringGrid::ScrollBarAlways, &TBavStringGrid::SetScrollBarAlways)
        .Default(saNone);
    p.Property("ScrollColor", &TBavStringGrid::ScrollColor, &TBavStringGrid::SetScrollColor)
        .TypeName("TColor")
        .Default(clNone);
    p.Property("ScrollProportional", &TBavStringGrid::ScrollProportional, &TBavStringGrid::SetScrollProportional)
        .Default(false);
    p.Property("ScrollSynch", &TBavStringGrid::ScrollSynch, &TBavStringGrid::SetScrollSynch).Default(false);
    p.Property("ScrollType", &TBavStringGrid::ScrollType, &TBavStringGrid::SetScrollType).Default(ssNormal);
    p.Property("ScrollWidth", &TBavStringGrid::ScrollWidth, &TBavStringGrid::SetScrollWidth).Default(17);
    p.Property("ScrollHints", &TBavStringGrid::ScrollHints, &TBavStringGrid::SetScrollHints).Default(shNone);
    p.Property("SearchFooter", &TBavStringGrid::SearchFooter, &TBavStringGrid::SetSearchFooter);
    p.Property("SelectionColor", &TBavStringGrid::SelectionColor, &TBavStringGrid::SetSelectionColor)
        .TypeName("TColor")
        .Default(TColor(0xEACAB6));
    p.Property("SelectionColorTo", &TBavStringGrid::SelectionColorTo, &TBavStringGrid::SetSelectionColorTo)
        .TypeName("TColor")
        .Default(clNone);
    p.Property("SelectionRectangle", &TBavStringGrid::SelectionRectangle, &TBavStringGrid::SetSelectionRectangle)
        .Default(false);
    p.Property("SelectionResizer", &TBavStringGrid::SelectionResizer, &TBavStringGrid::SetSelectionResizer)
        .Default(false);
    p.Property("SelectionRTFKeep", &TBavStringGrid::SelectionRTFKeep, &TBavStringGrid::SetSelectionRTFKeep)
        .Default(false);
    p.Property("SelectionTextColor", &TBavStringGrid::SelectionTextColor, &TBavStringGrid::SetSelectionTextColor)
        .TypeName("TColor")
        .Default(clBlack);
    p.Property("ShowSelection", &TBavStringGrid::ShowSelection, &TBavStringGrid::SetShowSelection).Default(true);
    p.Property("ShowModified", &TBavStringGrid::ShowModified, &TBavStringGrid::SetShowModified);
    p.Property("SizeWhileTyping", &TBavStringGrid::SizeWhileTyping, &TBavStringGrid::SetSizeWhileTyping);
    p.Property("SizeWithForm", &TBavStringGrid::SizeWithForm, &TBavStringGrid::SetSizeWithForm).Default(false);
    p.Property("SortSettings", &TBavStringGrid::SortSettings, &TBavStringGrid::SetSortSettings);
    p.Property("URLColor", &TBavStringGrid::URLColor, &TBavStringGrid::SetURLColor).TypeName("TColor").Default(clBlue);
    p.Property("URLShow", &TBavStringGrid::URLShow, &TBavStringGrid::SetURLShow).Default(false);
    p.Property("URLFull", &TBavStringGrid::URLFull, &TBavStringGrid::SetURLFull).Default(false);
    p.Property("URLEdit", &TBavStringGrid::URLEdit, &TBavStringGrid::SetURLEdit).Default(false);
    p.Property("VAlignment", &TBavStringGrid::VAlignment, &TBavStringGrid::SetVAlignment).Default(vtaTop);
    p.Property("Version", &TBavStringGrid::Version, &TBavStringGrid::SetVersion);
    p.Property("WordWrap", &TBavStringGrid::WordWrap, &TBavStringGrid::SetWordWrap).Default(true);
    // Events whose signature a type declared earlier already names carry
    // their own type's name.
    p.Property("OnAutoAdvance", &TBavStringGrid::OnAutoAdvance, &TBavStringGrid::SetOnAutoAdvance);
    p.Property("OnCustomCellDraw", &TBavStringGrid::OnCustomCellDraw, &TBavStringGrid::SetOnCustomCellDraw);
    p.Property("OnCustomCellSize", &TBavStringGrid::OnCustomCellSize, &TBavStringGrid::SetOnCustomCellSize);
    p.Property("OnGetCellColor", &TBavStringGrid::OnGetCellColor, &TBavStringGrid::SetOnGetCellColor);
    p.Property("OnGetCellPrintColor", &TBavStringGrid::OnGetCellPrintColor, &TBavStringGrid::SetOnGetCellPrintColor);
    p.Property("OnGetCellPrintBorder", &TBavStringGrid::OnGetCellPrintBorder, &TBavStringGrid::SetOnGetCellPrintBorder);
    p.Property("OnGetCellBorder", &TBavStringGrid::OnGetCellBorder, &TBavStringGrid::SetOnGetCellBorder);
    p.Property("OnGetCellBorderProp", &TBavStringGrid::OnGetCellBorderProp, &TBavStringGrid::SetOnGetCellBorderProp);
    p.Property("OnGetAlignment", &TBavStringGrid::OnGetAlignment, &TBavStringGrid::SetOnGetAlignment);
    p.Property("OnGetWordWrap", &TBavStringGrid::OnGetWordWrap, &TBavStringGrid::SetOnGetWordWrap)
        .TypeName("TWordWrapEvent");
    p.Property("OnGetFormat", &TBavStringGrid::OnGetFormat, &TBavStringGrid::SetOnGetFormat);
    p.Property("OnGetCheckTrue", &TBavStringGrid::OnGetCheckTrue, &TBavStringGrid::SetOnGetCheckTrue)
        .TypeName("TGetCheckEvent");
    p.Property("OnGetCheckFalse", &TBavStringGrid::OnGetCheckFalse, &TBavStringGrid::SetOnGetCheckFalse)
        .TypeName("TGetCheckEvent");
    p.Property("OnGridHint", &TBavStringGrid::OnGridHint, &TBavStringGrid::SetOnGridHint).TypeName("TGridHintEvent");
    p.Property("OnOfficeHint", &TBavStringGrid::OnOfficeHint, &TBavStringGrid::SetOnOfficeHint);
    p.Property("OnRowUpdate", &TBavStringGrid::OnRowUpdate, &TBavStringGrid::SetOnRowUpdate)
        .TypeName("TRowChangedEvent");
    p.Property("OnRowChanging", &TBavStringGrid::OnRowChanging, &TBavStringGrid::SetOnRowChanging)
        .TypeName("TRowChangingEvent");
    p.Property("OnColChanging", &TBavStringGrid::OnColChanging, &TBavStringGrid::SetOnColChanging)
        .TypeName("TColChangingEvent");
    p.Property("OnCellChanging", &TBavStringGrid::OnCellChanging, &TBavStringGrid::SetOnCellChanging);
    p.Property("OnCellBalloon", &TBavStringGrid::OnCellBalloon, &TBavStringGrid::SetOnCellBalloon);
    p.Property("OnPrintPage", &TBavStringGrid::OnPrintPage, &TBavStringGrid::SetOnPrintPage);
    p.Property("OnPrintPageDone", &TBavStringGrid::OnPrintPageDone, &TBavStringGrid::SetOnPrintPageDone);
    p.Property("OnPrintStart", &TBavStringGrid::OnPrintStart, &TBavStringGrid::SetOnPrintStart);
    p.Property("OnPrintCancel", &TBavStringGrid::OnPrintCancel, &TBavStringGrid::SetOnPrintCancel)
        .TypeName("TGridPrintCancelEvent");
    p.Property("OnFitToPage", &TBavStringGrid::OnFitToPage, &TBavStringGrid::SetOnFitToPage);
    p.Property("OnPrintNewPage", &TBavStringGrid::OnPrintNewPage, &TBavStringGrid::SetOnPrintNewPage)
        .TypeName("TGridPrintNewPageEvent");
    p.Property("OnPrintSetColumnWidth", &TBavStringGrid::OnPrintSetColumnWidth,
               &TBavStringGrid::SetOnPrintSetColumnWidth).TypeName("TGridPrintColumnWidthEvent");
    p.Property("OnPrintSetRowHeight", &TBavStringGrid::OnPrintSetRowHeight, &TBavStringGrid::SetOnPrintSetRowHeight)
        .TypeName("TGridPrintRowHeightEvent");
    p.Property("OnCanAddRow", &TBavStringGrid::OnCanAddRow, &TBavStringGrid::SetOnCanAddRow)
        .TypeName("TCanAddRowEvent");
    p.Property("OnAutoAddRow", &TBavStringGrid::OnAutoAddRow, &TBavStringGrid::SetOnAutoAddRow)
        .TypeName("TAutoAddRowEvent");
    p.Property("OnCanInsertRow", &TBavStringGrid::OnCanInsertRow, &TBavStringGrid::SetOnCanInsertRow)
        .TypeName("TCanInsertRowEvent");
    p.Property("OnAutoInsertRow", &TBavStringGrid::OnAutoInsertRow, &TBavStringGrid::SetOnAutoInsertRow);
    p.Property("OnRowDisjunctSelected", &TBavStringGrid::OnRowDisjunctSelected,
               &TBavStringGrid::SetOnRowDisjunctSelected);
    p.Property("OnAutoInsertCol", &TBavStringGrid::OnAutoInsertCol, &TBavStringGrid::SetOnAutoInsertCol)
        .TypeName("TAutoInsertColEvent");
    p.Property("OnCanDeleteRow", &TBavStringGrid::OnCanDeleteRow, &TBavStringGrid::SetOnCanDeleteRow)
        .TypeName("TCanDeleteRowEvent");
    p.Property("OnAutoDeleteRow", &TBavStringGrid::OnAutoDeleteRow, &TBavStringGrid::SetOnAutoDeleteRow)
        .TypeName("TAutoDeleteRowEvent");
    p.Property("OnClickSort", &TBavStringGrid::OnClickSort, &TBavStringGrid::SetOnClickSort)
        .TypeName("TClickSortEvent");
    p.Property("OnCanSort", &TBavStringGrid::OnCanSort, &TBavStringGrid::SetOnCanSort).TypeName("TCanSortEvent");
    p.Property("OnExpandNode", &TBavStringGrid::OnExpandNode, &TBavStringGrid::SetOnExpandNode)
        .TypeName("TNodeClickEvent");
    p.Property("OnContractNode", &TBavStringGrid::OnContractNode, &TBavStringGrid::SetOnContractNode)
        .TypeName("TNodeClickEvent");
    p.Property("OnBeforeExpandNode", &TBavStringGrid::OnBeforeExpandNode, &TBavStringGrid::SetOnBeforeExpandNode)
        .TypeName("TNodeAllowEvent");
    p.Property("OnBeforeContractNode", &TBavStringGrid::OnBeforeContractNode,
               &TBavStringGrid::SetOnBeforeContractNode).TypeName("TNodeAllowEvent");
    p.Property("OnCustomCompare", &TBavStringGrid::OnCustomCompare, &TBavStringGrid::SetOnCustomCompare);
    p.Property("OnRawCompare", &TBavStringGrid::OnRawCompare, &TBavStringGrid::SetOnRawCompare);
    p.Property("OnClickCell", &TBavStringGrid::OnClickCell, &TBavStringGrid::SetOnClickCell)
        .TypeName("TClickCellEvent");
    p.Property("OnRightClickCell", &TBavStringGrid::OnRightClickCell, &TBavStringGrid::SetOnRightClickCell)
        .TypeName("TClickCellEvent");
    p.Property("OnComboCloseUp", &TBavStringGrid::OnComboCloseUp, &TBavStringGrid::SetOnComboCloseUp)
        .TypeName("TClickCellEvent");
    p.Property("OnDblClickCell", &TBavStringGrid::OnDblClickCell, &TBavStringGrid::SetOnDblClickCell)
        .TypeName("TDblClickCellEvent");
    p.Property("OnCanClickCell", &TBavStringGrid::OnCanClickCell, &TBavStringGrid::SetOnCanClickCell)
        .TypeName("TCanClickCellEvent");
    p.Property("OnCanEditCell", &TBavStringGrid::OnCanEditCell, &TBavStringGrid::SetOnCanEditCell)
        .TypeName("TCanEditCellEvent");
    p.Property("OnIsFixedCell", &TBavStringGrid::OnIsFixedCell, &TBavStringGrid::SetOnIsFixedCell)
        .TypeName("TIsFixedCellEvent");
    p.Property("OnIsPasswordCell", &TBavStringGrid::OnIsPasswordCell, &TBavStringGrid::SetOnIsPasswordCell)
        .TypeName("TIsPasswordCellEvent");
    p.Property("OnAnchorClick", &TBavStringGrid::OnAnchorClick, &TBavStringGrid::SetOnAnchorClick);
    p.Property("OnAnchorEnter", &TBavStringGrid::OnAnchorEnter, &TBavStringGrid::SetOnAnchorEnter);
    p.Property("OnAnchorExit", &TBavStringGrid::OnAnchorExit, &TBavStringGrid::SetOnAnchorExit);
    p.Property("OnAnchorHint", &TBavStringGrid::OnAnchorHint, &TBavStringGrid::SetOnAnchorHint)
        .TypeName("TAnchorHintEvent");
    p.Property("OnControlClick", &TBavStringGrid::OnControlClick, &TBavStringGrid::SetOnControlClick);
    p.Property("OnControlEditDone", &TBavStringGrid::OnControlEditDone, &TBavStringGrid::SetOnControlEditDone);
    p.Property("OnControlComboList", &TBavStringGrid::OnControlComboList, &TBavStringGrid::SetOnControlComboList);
    p.Property("OnClipboardPaste", &TBavStringGrid::OnClipboardPaste, &TBavStringGrid::SetOnClipboardPaste)
        .TypeName("TClipboardEvent");
    p.Property("OnClipboardCopy", &TBavStringGrid::OnClipboardCopy, &TBavStringGrid::SetOnClipboardCopy)
        .TypeName("TClipboardEvent");
    p.Property("OnClipboardCut", &TBavStringGrid::OnClipboardCut, &TBavStringGrid::SetOnClipboardCut)
        .TypeName("TClipboardEvent");
    p.Property("OnClipboardBeforePasteCell", &TBavStringGrid::OnClipboardBeforePasteCell,
               &TBavStringGrid::SetOnClipboardBeforePasteCell)
        .TypeName("TBeforeCellPasteEvent");
    p.Property("OnClipboardBeforePasteWideCell", &TBavStringGrid::OnClipboardBeforePasteWideCell,
               &TBavStringGrid::SetOnClipboardBeforePasteWideCell);
    p.Property("OnCellValidate", &TBavStringGrid::OnCellValidate, &TBavStringGrid::SetOnCellValidate);
    p.Property("OnCellValidateWide", &TBavStringGrid::OnCellValidateWide, &TBavStringGrid::SetOnCellValidateWide)
        .TypeName("TCellValidateWideEvent");
    p.Property("OnCellsChanged", &TBavStringGrid::OnCellsChanged, &TBavStringGrid::SetOnCellsChanged)
        .TypeName("TCellsChangedEvent");
    p.Property("OnFileProgress", &TBavStringGrid::OnFileProgress, &TBavStringGrid::SetOnFileProgress);
    p.Property("OnFilterProgress", &TBavStringGrid::OnFilterProgress, &TBavStringGrid::SetOnFilterProgress);
    p.Property("OnHasComboBox", &TBavStringGrid::OnHasComboBox, &TBavStringGrid::SetOnHasComboBox)
        .TypeName("THasComboEvent");
    p.Property("OnGetEditorType", &TBavStringGrid::OnGetEditorType, &TBavStringGrid::SetOnGetEditorType);
    p.Property("OnGetEditorProp", &TBavStringGrid::OnGetEditorProp, &TBavStringGrid::SetOnGetEditorProp);
    p.Property("OnGetFloatFormat", &TBavStringGrid::OnGetFloatFormat, &TBavStringGrid::SetOnGetFloatFormat);
    p.Property("OnEllipsClick", &TBavStringGrid::OnEllipsClick, &TBavStringGrid::SetOnEllipsClick)
        .TypeName("TEllipsClickEvent");
    p.Property("OnButtonClick", &TBavStringGrid::OnButtonClick, &TBavStringGrid::SetOnButtonClick)
        .TypeName("TButtonClickEvent");
    p.Property("OnCheckBoxClick", &TBavStringGrid::OnCheckBoxClick, &TBavStringGrid::SetOnCheckBoxClick);
    p.Property("OnCheckBoxMouseUp", &TBavStringGrid::OnCheckBoxMouseUp, &TBavStringGrid::SetOnCheckBoxMouseUp);
    p.Property("OnRadioClick", &TBavStringGrid::OnRadioClick, &TBavStringGrid::SetOnRadioClick);
    p.Property("OnRadioMouseUp", &TBavStringGrid::OnRadioMouseUp, &TBavStringGrid::SetOnRadioMouseUp);
    p.Property("OnComboChange", &TBavStringGrid::OnComboChange, &TBavStringGrid::SetOnComboChange);
    p.Property("OnComboObjectChange", &TBavStringGrid::OnComboObjectChange, &TBavStringGrid::SetOnComboObjectChange);
    p.Property("OnSpinClick", &TBavStringGrid::OnSpinClick, &TBavStringGrid::SetOnSpinClick);
    p.Property("OnFloatSpinClick", &TBavStringGrid::OnFloatSpinClick, &TBavStringGrid::SetOnFloatSpinClick);
    p.Property("OnTimeSpinClick", &TBavStringGrid::OnTimeSpinClick, &TBavStringGrid::SetOnTimeSpinClick)
        .TypeName("TDateTimeSpinClickEvent");
    p.Property("OnDateSpinClick", &TBavStringGrid::OnDateSpinClick, &TBavStringGrid::SetOnDateSpinClick)
        .TypeName("TDateTimeSpinClickEvent");
    p.Property("OnRichEditSelectionChange", &TBavStringGrid::OnRichEditSelectionChange,
               &TBavStringGrid::SetOnRichEditSelectionChange);
    p.Property("OnEditingDone", &TBavStringGrid::OnEditingDone, &TBavStringGrid::SetOnEditingDone);
    p.Property("OnDragScroll", &TBavStringGrid::OnDragScroll, &TBavStringGrid::SetOnDragScroll);
    p.Property("OnEditChange", &TBavStringGrid::OnEditChange, &TBavStringGrid::SetOnEditChange)
        .TypeName("TEditChangeEvent");
    p.Property("OnDateTimeChange", &TBavStringGrid::OnDateTimeChange, &TBavStringGrid::SetOnDateTimeChange);
    p.Property("OnFooterPaint", &TBavStringGrid::OnFooterPaint, &TBavStringGrid::SetOnFooterPaint);
    p.Property("OnRowDisjunctSelect", &TBavStringGrid::OnRowDisjunctSelect, &TBavStringGrid::SetOnRowDisjunctSelect);
    p.Property("OnSelectionChanged", &TBavStringGrid::OnSelectionChanged, &TBavStringGrid::SetOnSelectionChanged);
    p.Property("OnOleDrop", &TBavStringGrid::OnOleDrop, &TBavStringGrid::SetOnOleDrop).TypeName("TOleDragDropEvent");
    p.Property("OnOleDrag", &TBavStringGrid::OnOleDrag, &TBavStringGrid::SetOnOleDrag).TypeName("TOleDragDropEvent");
    p.Property("OnOleDropped", &TBavStringGrid::OnOleDropped, &TBavStringGrid::SetOnOleDropped);
    p.Property("OnOleDragOver", &TBavStringGrid::OnOleDragOver, &TBavStringGrid::SetOnOleDragOver)
        .TypeName("TOleDragOverEvent");
    p.Property("OnOleDragStart", &TBavStringGrid::OnOleDragStart, &TBavStringGrid::SetOnOleDragStart)
        .TypeName("TOleDragStartEvent");
    p.Property("OnOleDragStop", &TBavStringGrid::OnOleDragStop, &TBavStringGrid::SetOnOleDragStop)
        .TypeName("TOleDragStopEvent");
    p.Property("OnOleDropCol", &TBavStringGrid::OnOleDropCol, &TBavStringGrid::SetOnOleDropCol)
        .TypeName("TOleDropColEvent");
    p.Property("OnOleDropFile", &TBavStringGrid::OnOleDropFile, &TBavStringGrid::SetOnOleDropFile)
        .TypeName("TOleDropFileEvent");
    p.Property("OnScrollHint", &TBavStringGrid::OnScrollHint, &TBavStringGrid::SetOnScrollHint);
    p.Property("OnColumnSize", &TBavStringGrid::OnColumnSize, &TBavStringGrid::SetOnColumnSize);
    p.Property("OnColumnMove", &TBavStringGrid::OnColumnMove, &TBavStringGrid::SetOnColumnMove);
    p.Property("OnRowSize", &TBavStringGrid::OnRowSize, &TBavStringGrid::SetOnRowSize).TypeName("TRowSizeEvent");
    p.Property("OnRowMove", &TBavStringGrid::OnRowMove, &TBavStringGrid::SetOnRowMove).TypeName("TRowSizeEvent");
    p.Property("OnEndColumnSize", &TBavStringGrid::OnEndColumnSize, &TBavStringGrid::SetOnEndColumnSize)
        .TypeName("TEndColumnSizeEvent");
    p.Property("OnUpdateColumnSize", &TBavStringGrid::OnUpdateColumnSize, &TBavStringGrid::SetOnUpdateColumnSize);
    p.Property("OnEndRowSize", &TBavStringGrid::OnEndRowSize, &TBavStringGrid::SetOnEndRowSize)
        .TypeName("TEndRowSizeEvent");
    p.Property("OnSelectionResize", &TBavStringGrid::OnSelectionResize, &TBavStringGrid::SetOnSelectionResize);
    p.Property("OnSelectionResized", &TBavStringGrid::OnSelectionResized, &TBavStringGrid::SetOnSelectionResized);
    p.Property("OnSetEditWideText", &TBavStringGrid::OnSetEditWideText, &TBavStringGrid::SetOnSetEditWideText);
    p.Property("OnGetEditWideText", &TBavStringGrid::OnGetEditWideText, &TBavStringGrid::SetOnGetEditWideText)
        .TypeName("TGetEditWideTextEvent");
    p.Property("OnSaveCell", &TBavStringGrid::OnSaveCell, &TBavStringGrid::SetOnSaveCell)
        .TypeName("TCellSaveLoadEvent");
    p.Property("OnLoadCell", &TBavStringGrid::OnLoadCell, &TBavStringGrid::SetOnLoadCell)
        .TypeName("TCellSaveLoadEvent");
}

// ---- Setters that repaint ----------------------------------------------------------------

void TBavStringGrid::RepaintUnlocked() {
    if (updateCount_ == 0) Invalidate();
}

#define SERVIORA_REPAINTING_SETTER(Name, Type, field) \
    void TBavStringGrid::Set##Name(Type v) {          \
        field = v;                                    \
        RepaintUnlocked();                            \
    }
SERVIORA_REPAINTING_SETTER(AutoNumAlign, bool, autoNumAlign_)
SERVIORA_REPAINTING_SETTER(VAlignment, TVAlignment, vAlignment_)
SERVIORA_REPAINTING_SETTER(EnableHTML, bool, enableHTML_)
SERVIORA_REPAINTING_SETTER(URLColor, TColor, urlColor_)
SERVIORA_REPAINTING_SETTER(SelectionColor, TColor, selectionColor_)
SERVIORA_REPAINTING_SETTER(SelectionColorTo, TColor, selectionColorTo_)
SERVIORA_REPAINTING_SETTER(SelectionTextColor, TColor, selectionTextColor_)
SERVIORA_REPAINTING_SETTER(ShowSelection, bool, showSelection_)
SERVIORA_REPAINTING_SETTER(ActiveCellShow, bool, activeCellShow_)
SERVIORA_REPAINTING_SETTER(ActiveCellColor, TColor, activeCellColor_)
SERVIORA_REPAINTING_SETTER(ActiveCellColorTo, TColor, activeCellColorTo_)
SERVIORA_REPAINTING_SETTER(Look, TGridLook, look_)
SERVIORA_REPAINTING_SETTER(Flat, bool, flat_)
SERVIORA_REPAINTING_SETTER(HideFocusRect, bool, hideFocusRect_)
SERVIORA_REPAINTING_SETTER(URLShow, bool, urlShow_)
SERVIORA_REPAINTING_SETTER(URLFull, bool, urlFull_)
SERVIORA_REPAINTING_SETTER(EnhTextSize, bool, enhTextSize_)
SERVIORA_REPAINTING_SETTER(SelectionRectangle, bool, selectionRectangle_)
SERVIORA_REPAINTING_SETTER(SelectionResizer, bool, selectionResizer_)
SERVIORA_REPAINTING_SETTER(FixedFooters, int, fixedFooters_)
SERVIORA_REPAINTING_SETTER(FixedRightCols, int, fixedRightCols_)
#undef SERVIORA_REPAINTING_SETTER

void TBavStringGrid::SetIntegralHeight(bool v) {
    integralHeight_ = v;
    if (v) SetBounds(Left(), Top(), Width(), Height());
}

void TBavStringGrid::SetScrollBarAlways(TScrollBarAlways v) {
    scrollBarAlways_ = v;
    UpdateScrollBarsAlways(false);
}

// ---- Life cycle ---------------------------------------------------------------------------

void TBavStringGrid::Loaded() {
    TBaseGrid::Loaded();
    if (columnHeaders_->Count() > 0) ApplyColumnHeaders();
    if (rowHeaders_->Count() > 0) ApplyRowHeaders();
    if (columnSize_->Save()) LoadColumnSizes();
    rememberedFixedRows_ = TBaseGrid::FixedRows();
    rememberedFixedCols_ = TBaseGrid::FixedCols();
    minRowHeight_ = DefaultRowHeight();
    minColWidth_ = 10;
    allocatedRows_ = std::max(allocatedRows_, RowCount());
    if (!themes_ && controlLook_->ControlStyle() == csTheme && !ComponentState().Contains(csDesigning))
        controlLook_->SetControlStyle(csClassic);
    if (Options().Contains(goAlwaysShowEditor)) {
        TGridOptions options = Options();
        options.Exclude(goAlwaysShowEditor);
        SetOptions(options);
    }
    if (balloon_->Enable()) InitBalloonTooltip();
    searchFooter_->SetAutoThemeAdapt(autoThemeAdapt_);
    UpdateSearchFooter();
    UpdateScrollBarsAlways(false);
}

void TBavStringGrid::CreateWnd() {
    if (ComponentState().Contains(csDestroying)) return;
    TBaseGrid::CreateWnd();
    UpdateOleDropTarget();
    if (Parent()) {
        measuringRichEdit_->SetParent(this);
        measuringRichEdit_->SetBorderStyle(bsNone);
        measuringRichEdit_->SetBounds(0, 0, 0, 0);
        SetTimer(Handle(), kGridTimer, 500);
        // The balloon window went with the grid's earlier window.
        if (balloon_->Enable() && !IsWindow(tooltip_)) InitBalloonTooltip();
    }
    UpdateScrollBarsAlways(false);
    // Flat bars belong to a window: a new window takes them up again.
    flatScrollActive_ = false;
    if (scrollType_ != ssNormal) {
        InitFlatScrollBars();
        UpdateFlatScrollBars();
    }
}

void TBavStringGrid::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TBavStringGrid*>(source);
    if (!other) return;
    Font()->Assign(other->Font());
    activeCellColor_ = other->activeCellColor_;
    activeCellColorTo_ = other->activeCellColorTo_;
    activeCellFont_->Assign(other->activeCellFont_.get());
    activeCellShow_ = other->activeCellShow_;
    SetActiveRowShow(other->ActiveRowShow());
    SetAlign(other->Align());
    anchorHint_ = other->anchorHint_;
    autoNumAlign_ = other->autoNumAlign_;
    autoThemeAdapt_ = other->autoThemeAdapt_;
    mouseActions_->Assign(other->mouseActions_.get());
    navigation_->Assign(other->navigation_.get());
    grouping_->Assign(other->grouping_.get());
    printSettings_->Assign(other->printSettings_.get());
    filter_->Assign(other->filter_.get());
    htmlSettings_->Assign(other->htmlSettings_.get());
    bands_->Assign(other->bands_.get());
    cellNode_->Assign(other->cellNode_.get());
    sortSettings_->Assign(other->sortSettings_.get());
    dragScrollOptions_->Assign(other->dragScrollOptions_.get());
    progressAppearance_->Assign(other->progressAppearance_.get());
    officeHint_->Assign(other->officeHint_.get());
    SetColCount(other->ColCount());
    SetRowCount(other->RowCount());
    SetFixedRows(other->FixedRows());
    SetFixedCols(other->FixedCols());
    SetDefaultColWidth(other->DefaultColWidth());
    SetDefaultRowHeight(other->DefaultRowHeight());
    SetOptions(other->Options());
    TMemoryStream cells;
    other->SaveCellsToStream(&cells);
    cells.SetPosition(0);
    LoadCellsFromStream(&cells);
}

void TBavStringGrid::Invalidate() {
    if (optionsChangedByGrid_) {
        optionsChangedByGrid_ = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!ComponentState().Contains(csLoading) && floatingFooter_ && floatingFooter_->Visible()) footerPanel_->Invalidate();
}

void TBavStringGrid::Resize() {
    TBaseGrid::Resize();
    const TBackGroundDisplay display = backGround_->Display();
    if ((display == bdGradientHorz || display == bdGradientVert) && backGround_->ColorTo() != clNone) Invalidate();
    UpdateScrollBarsAlways(false);
}

void TBavStringGrid::SetFilter(TFilter* v) { filter_->Assign(v); }

void TBavStringGrid::ApplyColumnHeaders() {
    if (TBaseGrid::FixedRows() == 0) return;
    for (int col = 0; col < ColCount(); ++col) SetCells(col, 0, "");
    for (int i = 0; i < std::min(columnHeaders_->Count(), ColCount()); ++i) SetCells(i, 0, HeaderText(columnHeaders_->Strings(i)));
}

void TBavStringGrid::ApplyRowHeaders() {
    if (TBaseGrid::FixedCols() == 0) return;
    if (ComponentState().Contains(csDesigning))
        for (int row = 0; row < RowCount(); ++row) SetCells(0, row, "");
    for (int i = 0; i < std::min(rowHeaders_->Count(), RowCount()); ++i) SetCells(0, i, HeaderText(rowHeaders_->Strings(i)));
}

// ---- Height and scroll bars ---------------------------------------------------------------

bool TBavStringGrid::AllRowsInView() const { return VisibleRowCount() + FixedRows() >= RowCount(); }
bool TBavStringGrid::AllColsInView() const { return VisibleColCount() + FixedCols() >= ColCount(); }

void TBavStringGrid::SetBounds(int left, int top, int width, int height) {
    if (integralHeight_ && updateCount_ == 0 && DefaultRowHeight() > 0) {
        const int scrollBar = AllColsInView() ? 0 : GetSystemMetrics(SM_CYHSCROLL);
        const int border = BorderStyle() == bsSingle ? 2 : 0;
        const int inner = height - scrollBar - border;
        height = inner - inner % DefaultRowHeight() + scrollBar + 2 * border;
    }
    TBaseGrid::SetBounds(left, top, width, height);
}

bool TBavStringGrid::ScrollBarAlwaysShown(int bar) const {
    return scrollBarAlways_ == saBoth || (bar == SB_VERT ? scrollBarAlways_ == saVert : scrollBarAlways_ == saHorz);
}

void TBavStringGrid::UpdateScrollBarsAlways(bool hide) {
    if (!HandleAllocated()) return;
    const HWND window = Handle();
    const bool rowsInView = AllRowsInView(), colsInView = AllColsInView();
    if (scrollBarAlways_ != saNone) {
        // The platform grid keeps the wanted bars shown; here they are
        // disabled while there is nothing to scroll.
        if (rowsInView) ShowScrollBar(window, SB_VERT, ScrollBarAlwaysShown(SB_VERT));
        if (colsInView) ShowScrollBar(window, SB_HORZ, ScrollBarAlwaysShown(SB_HORZ));
        EnableScrollBar(window, SB_VERT, rowsInView ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
        EnableScrollBar(window, SB_HORZ, colsInView ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    } else if (hide) {
        if (rowsInView) ShowScrollBar(window, SB_VERT, FALSE);
        if (colsInView) ShowScrollBar(window, SB_HORZ, FALSE);
    }
}

// ---- Hooks -------------------------------------------------------------------------------

void TBavStringGrid::GetCellFormat(int col, int row, TFont* font, TBrush* brush, TColor& colorTo,
                                   TAlignment& alignment, TVAlignment& vAlignment, bool& wordWrap,
                                   TCellGradientDirection& direction) {
    TBaseGrid::GetCellFormat(col, row, font, brush, colorTo, alignment, vAlignment, wordWrap, direction);
    GetCellColor(col, row, TGridDrawState(), brush, font, colorTo, direction, false, false, false);
    // With bands the cell takes the band's colour when painted, not one of its own.
    if (bands_->Active()) brush->SetColor(clNone);
}

void TBavStringGrid::GetCellColorHook(int col, int row, TFont* font, TBrush* brush, TGridDrawState state) {
    if (activeCellShow_ && ((FixedCols() > 0 && col == 0 && row == Row()) ||
                            (FixedRows() > 0 && row == 0 && col == Col()))) {
        font->Assign(activeCellFont_.get());
        brush->SetColor(activeCellColor_);
    }
    if (HasCellProperties(col, row)) {
        TCellProperties* properties = GetCellProperties(col, row);
        TCellGraphic* graphic = properties->GraphicObject();
        const bool plain = !graphic || graphic->CellType() == ctNone || graphic->CellType() == ctEmpty;
        if (properties->BrushColor() != clNone && plain) brush->SetColor(properties->BrushColor());
        if (properties->FontColor() != clNone) font->SetColor(properties->FontColor());
        if (!(properties->FontStyle() == TFontStyles())) font->SetStyle(properties->FontStyle());
        if (properties->FontSize() != 0) font->SetSize(properties->FontSize());
        if (!properties->FontName().empty()) font->SetName(properties->FontName());
    }
    if (onGetCellColor_) onGetCellColor_(this, row, col, state, brush, font);
}

void TBavStringGrid::GetCellBorder(int col, int row, TCellBorders& borders, TPen* pen) {
    if (onGetCellBorder_) onGetCellBorder_(this, row, col, pen, borders);
}

void TBavStringGrid::DoGetAlignment(int col, int row, TAlignment& horizontal, TVAlignment& vertical) {
    if (col == 0 && mouseActions_->HotmailRowSelect()) horizontal = taCenter;
    if (onGetAlignment_) onGetAlignment_(this, row, col, horizontal, vertical);
}

void TBavStringGrid::GetCellAlignment(int col, int row, TAlignment& horizontal, TVAlignment& vertical) {
    vertical = vAlignment_;
    horizontal = taLeftJustify;
    AnsiString text = GetDisplayText(col, row);
    const bool formula = GetCellTextKind(text, false) == ctkFormula;
    if (autoNumAlign_) {
        if (formula) text = CalcCellValue(col, row);
        const int kind = ClassifyNumericText(Trim(text));
        if (kind == ntInteger || kind == ntFloat || kind == ntScientific) horizontal = taRightJustify;
    }
    if (HasCellProperties(col, row) && !(autoNumAlign_ && formula))
        horizontal = GetCellProperties(col, row)->Alignment();
    DoGetAlignment(col, row, horizontal, vertical);
}

void TBavStringGrid::IsFixedCellHook(int col, int row, bool& fixed) {
    if (!fixed)
        fixed = (fixedRowAlways_ && RowCount() == rememberedFixedRows_ && row < rememberedFixedRows_) ||
                (fixedColAlways_ && ColCount() == rememberedFixedCols_ && col < rememberedFixedCols_) ||
                col < FixedCols() || row < FixedRows();
    if (!fixed && onIsFixedCell_) onIsFixedCell_(this, row, col, fixed);
}

void TBavStringGrid::CanEditCellHook(int col, int row, bool& allow) {
    const TGridCoord base = GetBaseCell(col, row);
    if (HasCellProperties(base.X, base.Y) && allow)
        allow = !GetCellProperties(base.X, base.Y)->ReadOnly() &&
                (Options().Contains(goEditing) || editingSwitchedOff_ || mouseActions_->RangeSelectAndEdit());
    DoCanEditCell(base.X, base.Y, allow);
}

void TBavStringGrid::DoCanEditCell(int col, int row, bool& allow) {
    if (onCanEditCell_) onCanEditCell_(this, row, col, allow);
}

void TBavStringGrid::DoGridHint(int col, int row, AnsiString& hint) {
    if (onGridHint_) {
        onGridHint_(this, row, col, hint);
        officeHint_->Notes()->SetText(hint);
    }
    if (onOfficeHint_) onOfficeHint_(this, col, row, officeHint_.get());
}

void TBavStringGrid::GetCheckTrueText(int col, int row, AnsiString& text) {
    text = checkTrue_;
    if (onGetCheckTrue_) onGetCheckTrue_(this, col, row, text);
}

void TBavStringGrid::GetCheckFalseText(int col, int row, AnsiString& text) {
    text = checkFalse_;
    if (onGetCheckFalse_) onGetCheckFalse_(this, col, row, text);
}

bool TBavStringGrid::HasComboBox(int col, int row) {
    bool has = false;
    if (onHasComboBox_) onHasComboBox_(this, col, row, has);
    return has;
}

bool TBavStringGrid::HasFilterButton(int) { return false; }

void TBavStringGrid::DoGetCellPrintColor(int col, int row, TFont* font, TBrush* brush, TGridDrawState state) {
    if (onGetCellPrintColor_) onGetCellPrintColor_(this, row, col, state, brush, font);
}

void TBavStringGrid::DoGetCellPrintBorder(int col, int row, TCellBorders& borders, TPen* pen) {
    if (onGetCellPrintBorder_) onGetCellPrintBorder_(this, row, col, pen, borders);
}

void TBavStringGrid::DoGetEditorType(int col, int row, TEditorType& editor) {
    if (onGetEditorType_) onGetEditorType_(this, col, row, editor);
}

void TBavStringGrid::DoIsPasswordCell(int col, int row, bool& password) {
    if (onIsPasswordCell_) onIsPasswordCell_(this, row, col, password);
}

void TBavStringGrid::DoGetWordWrap(int col, int row, bool& wordWrap) {
    if (onGetWordWrap_) onGetWordWrap_(this, col, row, wordWrap);
}

void TBavStringGrid::DoSelectionChanged(int left, int top, int right, int bottom) {
    if (onSelectionChanged_) onSelectionChanged_(this, left, top, right, bottom);
}

void TBavStringGrid::SelectionChangedSince(const TGridRect& before) {
    const TGridRect after = Selection();
    if (after.Left != before.Left || after.Top != before.Top || after.Right != before.Right ||
        after.Bottom != before.Bottom)
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// ---- Change notifications ---------------------------------------------------------------

void TBavStringGrid::SaveEditStart(int col, int row) {
    editCol_ = col;
    editRow_ = row;
    const int realCol = RealColIndex(col);
    editOriginalText_ = GetRawCellText(realCol, row);
    editOriginalWideText_ = CellTextToWide(editOriginalText_);
}

void TBavStringGrid::CellChanged(int col) { RecalcFooter(col); }

void TBavStringGrid::CellsChanged(const TRect& cells) {
    if (onCellsChanged_) onCellsChanged_(this, cells);
    for (ICellsChangedListener* listener : changeListeners_) listener->CellsChanged(cells);
    RecalcFooter(-1);
}

void TBavStringGrid::AllCellsChanged() { RecalcFooter(-1); }

AnsiString TBavStringGrid::DoEllipsClick(const AnsiString& text) {
    AnsiString result = text;
    if (onEllipsClick_) onEllipsClick_(this, RealColIndex(Col()), Row(), result);
    return result;
}

AnsiString TBavStringGrid::CalcCellValue(int col, int row) { return GetDisplayText(col, row); }

bool TBavStringGrid::IsRadioCell(int col, int row, int& index) {
    TCellGraphic* graphic = GetGraphicObject(col, row);
    if (!graphic || graphic->CellType() != ctRadio) return false;
    index = graphic->CellIndex();
    return true;
}

Cardinal TBavStringGrid::GetVersionNr() const { return 0x01000000; }
AnsiString TBavStringGrid::GetVersionString() const { return "1.0.0.0"; }

// The option objects of the grid.
#include "stringgrid/BavOptions.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/typinfo.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/dragdrop/bqgdd.h"

namespace {

// A change that shows repaints the grid, unless an update lock holds.
void Repaint(TBavStringGrid* grid) {
    if (grid && grid->UpdateCount() == 0) grid->Invalidate();
}

bool Designing(TBavStringGrid* grid) { return grid && grid->ComponentState().Contains(csDesigning); }

// Copies the named published properties; owned objects through their
// setters, which copy.
void CopyProperties(TPersistent* source, TPersistent* dest, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (GetPropInfo(source, name)->Kind() == tkClass)
            SetObjectProp(dest, name, GetObjectProp(source, name));
        else
            SetPropValue(dest, name, GetPropValue(source, name));
    }
}

}  // namespace

// ---- TCellNode -------------------------------------------------------------------------------

TCellNode::TCellNode(TBavStringGrid* grid)
    : grid_(grid),
      expandGlyph_(std::make_unique<TBitmap>()),
      contractGlyph_(std::make_unique<TBitmap>()) {}
TCellNode::~TCellNode() = default;

void TCellNode::Published(TPublished<TCellNode>& p) {
    p.Property("Color", &TCellNode::Color, &TCellNode::SetColor).TypeName("TColor").Default(clSilver);
    p.Property("NodeType", &TCellNode::NodeType, &TCellNode::SetNodeType).Default(cnXP);
    p.Property("NodeColor", &TCellNode::NodeColor, &TCellNode::SetNodeColor).TypeName("TColor").Default(clBlack);
    p.Property("ExpandGlyph", &TCellNode::ExpandGlyph, &TCellNode::SetExpandGlyph);
    p.Property("ExpandOne", &TCellNode::ExpandOne, &TCellNode::SetExpandOne).Default(false);
    p.Property("ContractGlyph", &TCellNode::ContractGlyph, &TCellNode::SetContractGlyph);
    p.Property("ShowTree", &TCellNode::ShowTree, &TCellNode::SetShowTree).Default(true);
    p.Property("ShowTreeFull", &TCellNode::ShowTreeFull, &TCellNode::SetShowTreeFull).Default(true);
    p.Property("NodeIndent", &TCellNode::NodeIndent, &TCellNode::SetNodeIndent).Default(12);
    p.Property("TreeColor", &TCellNode::TreeColor, &TCellNode::SetTreeColor).TypeName("TColor").Default(clGray);
}

void TCellNode::SetNodeType(TNodeType value) {
    if (nodeType_ == value) return;
    nodeType_ = value;
    Repaint(grid_);
}

void TCellNode::SetExpandGlyph(TBitmap* value) {
    expandGlyph_->Assign(value);
}

void TCellNode::SetContractGlyph(TBitmap* value) {
    contractGlyph_->Assign(value);
}

void TCellNode::SetShowTree(bool value) {
    if (showTree_ == value) return;
    showTree_ = value;
    Repaint(grid_);
}

void TCellNode::SetShowTreeFull(bool value) {
    if (showTreeFull_ == value) return;
    showTreeFull_ = value;
    Repaint(grid_);
}

void TCellNode::SetNodeIndent(int value) {
    if (nodeIndent_ == value) return;
    nodeIndent_ = value;
    Repaint(grid_);
}

void TCellNode::SetTreeColor(TColor value) {
    if (treeColor_ == value) return;
    treeColor_ = value;
    Repaint(grid_);
}

void TCellNode::Assign(TPersistent* source) {
    if (!dynamic_cast<TCellNode*>(source)) return;
    CopyProperties(source, this, {"Color", "ExpandOne", "NodeType", "NodeColor", "NodeIndent", "ExpandGlyph", "ContractGlyph", "ShowTree", "ShowTreeFull", "TreeColor"});
}

// ---- TSizeWhileTyping ------------------------------------------------------------------------

TSizeWhileTyping::TSizeWhileTyping() = default;

void TSizeWhileTyping::Published(TPublished<TSizeWhileTyping>& p) {
    p.Property("Height", &TSizeWhileTyping::Height, &TSizeWhileTyping::SetHeight).Default(false);
    p.Property("Width", &TSizeWhileTyping::Width, &TSizeWhileTyping::SetWidth).Default(false);
}

void TSizeWhileTyping::Assign(TPersistent* source) {
    if (!dynamic_cast<TSizeWhileTyping*>(source)) return;
    CopyProperties(source, this, {"Height", "Width"});
}

// ---- TMouseActions ---------------------------------------------------------------------------

TMouseActions::TMouseActions(TBavStringGrid* grid)
    : grid_(grid) {}

void TMouseActions::Published(TPublished<TMouseActions>& p) {
    p.Property("ColSelect", &TMouseActions::ColSelect, &TMouseActions::SetColSelect).Default(false);
    p.Property("RowSelect", &TMouseActions::RowSelect, &TMouseActions::SetRowSelect).Default(false);
    p.Property("AllSelect", &TMouseActions::AllSelect, &TMouseActions::SetAllSelect).Default(false);
    p.Property("DirectEdit", &TMouseActions::DirectEdit, &TMouseActions::SetDirectEdit).Default(false);
    p.Property("DirectComboDrop", &TMouseActions::DirectComboDrop, &TMouseActions::SetDirectComboDrop).Default(false);
    p.Property("DirectDateDrop", &TMouseActions::DirectDateDrop, &TMouseActions::SetDirectDateDrop).Default(false);
    p.Property("DisjunctRowSelect", &TMouseActions::DisjunctRowSelect, &TMouseActions::SetDisjunctRowSelect).Default(false);
    p.Property("DisjunctColSelect", &TMouseActions::DisjunctColSelect, &TMouseActions::SetDisjunctColSelect).Default(false);
    p.Property("AllColumnSize", &TMouseActions::AllColumnSize, &TMouseActions::SetAllColumnSize).Default(false);
    p.Property("AllRowSize", &TMouseActions::AllRowSize, &TMouseActions::SetAllRowSize).Default(false);
    p.Property("CaretPositioning", &TMouseActions::CaretPositioning, &TMouseActions::SetCaretPositioning).Default(false);
    p.Property("SizeFixedCol", &TMouseActions::SizeFixedCol, &TMouseActions::SetSizeFixedCol).Default(false);
    p.Property("SizeFixedRow", &TMouseActions::SizeFixedRow, &TMouseActions::SetSizeFixedRow).Default(false);
    p.Property("DisjunctCellSelect", &TMouseActions::DisjunctCellSelect, &TMouseActions::SetDisjunctCellSelect).Default(false);
    p.Property("FixedRowsEdit", &TMouseActions::FixedRowsEdit, &TMouseActions::SetFixedRowsEdit).Default(fceNone);
    p.Property("FixedColsEdit", &TMouseActions::FixedColsEdit, &TMouseActions::SetFixedColsEdit).Default(fceNone);
    p.Property("HotmailRowSelect", &TMouseActions::HotmailRowSelect, &TMouseActions::SetHotmailRowSelect).Default(false);
    p.Property("RangeSelectAndEdit", &TMouseActions::RangeSelectAndEdit, &TMouseActions::SetRangeSelectAndEdit).Default(false);
    p.Property("NoAutoRangeScroll", &TMouseActions::NoAutoRangeScroll, &TMouseActions::SetNoAutoRangeScroll).Default(false);
    p.Property("PreciseCheckBoxCheck", &TMouseActions::PreciseCheckBoxCheck, &TMouseActions::SetPreciseCheckBoxCheck).Default(false);
    p.Property("CheckAllCheck", &TMouseActions::CheckAllCheck, &TMouseActions::SetCheckAllCheck).Default(false);
    p.Property("NodeAllExpandContract", &TMouseActions::NodeAllExpandContract, &TMouseActions::SetNodeAllExpandContract).Default(false);
    p.Property("MoveRowOnNodeClick", &TMouseActions::MoveRowOnNodeClick, &TMouseActions::SetMoveRowOnNodeClick).Default(false);
    p.Property("RowSelectPersistent", &TMouseActions::RowSelectPersistent, &TMouseActions::SetRowSelectPersistent).Default(false);
    p.Property("SelectOnRightClick", &TMouseActions::SelectOnRightClick, &TMouseActions::SetSelectOnRightClick).Default(false);
    p.Property("NoScrollOnPartialRow", &TMouseActions::NoScrollOnPartialRow, &TMouseActions::SetNoScrollOnPartialRow).Default(false);
    p.Property("WheelIncrement", &TMouseActions::WheelIncrement, &TMouseActions::SetWheelIncrement).Default(0);
    p.Property("WheelAction", &TMouseActions::WheelAction, &TMouseActions::SetWheelAction).Default(waMoveSelection);
    p.Property("AutoSizeColOnDblClick", &TMouseActions::AutoSizeColOnDblClick, &TMouseActions::SetAutoSizeColOnDblClick).Default(true);
}

void TMouseActions::SetDisjunctRowSelect(bool value) {
    disjunctRowSelect_ = value;
    if (value && Designing(grid_)) disjunctColSelect_ = disjunctCellSelect_ = false;
}

void TMouseActions::SetDisjunctColSelect(bool value) {
    disjunctColSelect_ = value;
    if (value && Designing(grid_)) disjunctRowSelect_ = disjunctCellSelect_ = false;
}

void TMouseActions::SetDisjunctCellSelect(bool value) {
    disjunctCellSelect_ = value;
    if (value && Designing(grid_)) disjunctRowSelect_ = disjunctColSelect_ = false;
}

void TMouseActions::SetHotmailRowSelect(bool value) {
    hotmailRowSelect_ = value;
    Repaint(grid_);
}

void TMouseActions::Assign(TPersistent* source) {
    if (!dynamic_cast<TMouseActions*>(source)) return;
    CopyProperties(source, this, {"AllColumnSize", "AllRowSize", "AllSelect", "AutoSizeColOnDblClick", "CaretPositioning", "CheckAllCheck", "ColSelect", "DirectComboDrop", "DirectDateDrop", "DirectEdit", "DisjunctRowSelect", "DisjunctColSelect", "DisjunctCellSelect", "FixedRowsEdit", "FixedColsEdit", "MoveRowOnNodeClick", "NoAutoRangeScroll", "NodeAllExpandContract", "NoScrollOnPartialRow", "PreciseCheckBoxCheck", "RangeSelectAndEdit", "RowSelect", "RowSelectPersistent", "SelectOnRightClick", "SizeFixedCol", "SizeFixedRow", "WheelIncrement", "WheelAction"});
}

// ---- TColumnSize -----------------------------------------------------------------------------

TColumnSize::TColumnSize(TBavStringGrid* grid)
    : grid_(grid) {}

void TColumnSize::Published(TPublished<TColumnSize>& p) {
    p.Property("Save", &TColumnSize::Save, &TColumnSize::SetSave).Default(false);
    p.Property("Key", &TColumnSize::Key, &TColumnSize::SetKey);
    p.Property("Section", &TColumnSize::Section, &TColumnSize::SetSection);
    p.Property("Stretch", &TColumnSize::Stretch, &TColumnSize::SetStretch).Default(false);
    p.Property("StretchColumn", &TColumnSize::StretchColumn, &TColumnSize::SetStretchColumn).Default(-1);
    p.Property("SynchWithGrid", &TColumnSize::SynchWithGrid, &TColumnSize::SetSynchWithGrid).Default(false);
    p.Property("Location", &TColumnSize::Location, &TColumnSize::SetLocation).Default(clRegistry);
}

void TColumnSize::SetStretch(bool value) {
    stretch_ = value;
    if (grid_ && grid_->Parent()) grid_->StretchColumn(stretchColumn_);
}

void TColumnSize::Assign(TPersistent* source) {
    if (!dynamic_cast<TColumnSize*>(source)) return;
    CopyProperties(source, this, {"Save", "Key", "Section", "Stretch", "StretchColumn", "SynchWithGrid", "Location"});
}

// ---- TNavigation -----------------------------------------------------------------------------

TNavigation::TNavigation() = default;

void TNavigation::Published(TPublished<TNavigation>& p) {
    p.Property("AllowInsertRow", &TNavigation::AllowInsertRow, &TNavigation::SetAllowInsertRow).Default(false);
    p.Property("AllowDeleteRow", &TNavigation::AllowDeleteRow, &TNavigation::SetAllowDeleteRow).Default(false);
    p.Property("AdvanceOnEnter", &TNavigation::AdvanceOnEnter, &TNavigation::SetAdvanceOnEnter).Default(false);
    p.Property("AdvanceInsert", &TNavigation::AdvanceInsert, &TNavigation::SetAdvanceInsert).Default(false);
    p.Property("AutoGotoWhenSorted", &TNavigation::AutoGotoWhenSorted, &TNavigation::SetAutoGotoWhenSorted).Default(false);
    p.Property("AutoGotoIncremental", &TNavigation::AutoGotoIncremental, &TNavigation::SetAutoGotoIncremental).Default(false);
    p.Property("AutoComboDropSize", &TNavigation::AutoComboDropSize, &TNavigation::SetAutoComboDropSize).Default(false);
    p.Property("AllowClipboardShortCuts", &TNavigation::AllowClipboardShortCuts, &TNavigation::SetAllowClipboardShortCuts).Default(false);
    p.Property("AllowRTFClipboard", &TNavigation::AllowRTFClipboard, &TNavigation::SetAllowRTFClipboard).Default(false);
    p.Property("AllowSmartClipboard", &TNavigation::AllowSmartClipboard, &TNavigation::SetAllowSmartClipboard).Default(false);
    p.Property("AllowClipboardAlways", &TNavigation::AllowClipboardAlways, &TNavigation::SetAllowClipboardAlways).Default(false);
    p.Property("AllowClipboardColGrow", &TNavigation::AllowClipboardColGrow, &TNavigation::SetAllowClipboardColGrow).Default(true);
    p.Property("AllowClipboardRowGrow", &TNavigation::AllowClipboardRowGrow, &TNavigation::SetAllowClipboardRowGrow).Default(true);
    p.Property("CopyHTMLTagsToClipboard", &TNavigation::CopyHTMLTagsToClipboard, &TNavigation::SetCopyHTMLTagsToClipboard).Default(true);
    p.Property("AdvanceDirection", &TNavigation::AdvanceDirection, &TNavigation::SetAdvanceDirection).Default(adLeftRight);
    p.Property("AdvanceAuto", &TNavigation::AdvanceAuto, &TNavigation::SetAdvanceAuto).Default(false);
    p.Property("CursorWalkEditor", &TNavigation::CursorWalkEditor, &TNavigation::SetCursorWalkEditor).Default(false);
    p.Property("MoveRowOnSort", &TNavigation::MoveRowOnSort, &TNavigation::SetMoveRowOnSort).Default(false);
    p.Property("ImproveMaskSel", &TNavigation::ImproveMaskSel, &TNavigation::SetImproveMaskSel).Default(false);
    p.Property("AlwaysEdit", &TNavigation::AlwaysEdit, &TNavigation::SetAlwaysEdit).Default(false);
    p.Property("InsertPosition", &TNavigation::InsertPosition, &TNavigation::SetInsertPosition).Default(pInsertBefore);
    p.Property("LineFeedOnEnter", &TNavigation::LineFeedOnEnter, &TNavigation::SetLineFeedOnEnter).Default(false);
    p.Property("HomeEndKey", &TNavigation::HomeEndKey, &TNavigation::SetHomeEndKey).Default(heFirstLastColumn);
    p.Property("KeepHorizScroll", &TNavigation::KeepHorizScroll, &TNavigation::SetKeepHorizScroll).Default(false);
    p.Property("AllowFmtClipboard", &TNavigation::AllowFmtClipboard, &TNavigation::SetAllowFmtClipboard).Default(false);
    p.Property("TabToNextAtEnd", &TNavigation::TabToNextAtEnd, &TNavigation::SetTabToNextAtEnd).Default(false);
    p.Property("EditSelectAll", &TNavigation::EditSelectAll, &TNavigation::SetEditSelectAll).Default(true);
    p.Property("TabAdvanceDirection", &TNavigation::TabAdvanceDirection, &TNavigation::SetTabAdvanceDirection).Default(adLeftRight);
    p.Property("SkipFixedCells", &TNavigation::SkipFixedCells, &TNavigation::SetSkipFixedCells).Default(true);
    p.Property("AllowCtrlEnter", &TNavigation::AllowCtrlEnter, &TNavigation::SetAllowCtrlEnter).Default(true);
    p.Property("AppendOnArrowDown", &TNavigation::AppendOnArrowDown, &TNavigation::SetAppendOnArrowDown).Default(false);
}

void TNavigation::Assign(TPersistent* source) {
    if (!dynamic_cast<TNavigation*>(source)) return;
    CopyProperties(source, this, {"AllowInsertRow", "AllowDeleteRow", "AdvanceOnEnter", "AdvanceInsert", "AutoGotoWhenSorted", "AutoGotoIncremental", "AutoComboDropSize", "AllowClipboardShortCuts", "AllowRTFClipboard", "AllowSmartClipboard", "AllowClipboardAlways", "AllowClipboardColGrow", "AllowClipboardRowGrow", "CopyHTMLTagsToClipboard", "AdvanceDirection", "AdvanceAuto", "CursorWalkEditor", "MoveRowOnSort", "ImproveMaskSel", "AlwaysEdit", "InsertPosition", "LineFeedOnEnter", "HomeEndKey", "KeepHorizScroll", "AllowFmtClipboard", "TabToNextAtEnd", "EditSelectAll", "TabAdvanceDirection", "SkipFixedCells", "AllowCtrlEnter", "AppendOnArrowDown"});
}

// ---- THTMLSettings ---------------------------------------------------------------------------

THTMLSettings::THTMLSettings()
    : colWidths_(std::make_unique<TIntList>(0, 0)) {}

void THTMLSettings::Published(TPublished<THTMLSettings>& p) {
    p.Property("AutoPreview", &THTMLSettings::AutoPreview, &THTMLSettings::SetAutoPreview).Default(false);
    p.Property("ConvertSpecialChars", &THTMLSettings::ConvertSpecialChars, &THTMLSettings::SetConvertSpecialChars).Default(false);
    p.Property("NonBreakingText", &THTMLSettings::NonBreakingText, &THTMLSettings::SetNonBreakingText).Default(false);
    p.Property("SaveColor", &THTMLSettings::SaveColor, &THTMLSettings::SetSaveColor).Default(true);
    p.Property("SaveFonts", &THTMLSettings::SaveFonts, &THTMLSettings::SetSaveFonts).Default(true);
    p.Property("FooterFile", &THTMLSettings::FooterFile, &THTMLSettings::SetFooterFile);
    p.Property("HeaderFile", &THTMLSettings::HeaderFile, &THTMLSettings::SetHeaderFile);
    p.Property("BorderSize", &THTMLSettings::BorderSize, &THTMLSettings::SetBorderSize).Default(1);
    p.Property("CellSpacing", &THTMLSettings::CellSpacing, &THTMLSettings::SetCellSpacing).Default(0);
    p.Property("CellPadding", &THTMLSettings::CellPadding, &THTMLSettings::SetCellPadding).Default(0);
    p.Property("TableStyle", &THTMLSettings::TableStyle, &THTMLSettings::SetTableStyle);
    p.Property("PrefixTag", &THTMLSettings::PrefixTag, &THTMLSettings::SetPrefixTag);
    p.Property("SuffixTag", &THTMLSettings::SuffixTag, &THTMLSettings::SetSuffixTag);
    p.Property("Width", &THTMLSettings::Width, &THTMLSettings::SetWidth).Default(100);
    p.Property("XHTML", &THTMLSettings::XHTML, &THTMLSettings::SetXHTML).Default(false);
}

void THTMLSettings::Assign(TPersistent* source) {
    if (!dynamic_cast<THTMLSettings*>(source)) return;
    CopyProperties(source, this, {"BorderSize", "CellSpacing", "CellPadding", "SaveColor", "SaveFonts", "FooterFile", "HeaderFile", "TableStyle", "PrefixTag", "SuffixTag", "Width", "XHTML", "ConvertSpecialChars", "AutoPreview", "NonBreakingText"});
}

// ---- TPrintSettings --------------------------------------------------------------------------

TPrintSettings::TPrintSettings()
    : font_(std::make_unique<TFont>()),
      headerFont_(std::make_unique<TFont>()),
      footerFont_(std::make_unique<TFont>()),
      fixedFont_(std::make_unique<TFont>()),
      titleLines_(std::make_unique<TStringList>()) {}
TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Published(TPublished<TPrintSettings>& p) {
    p.Property("Time", &TPrintSettings::Time, &TPrintSettings::SetTime).Default(ppNone);
    p.Property("Date", &TPrintSettings::Date, &TPrintSettings::SetDate).Default(ppNone);
    p.Property("PageNr", &TPrintSettings::PageNr, &TPrintSettings::SetPageNr).Default(ppNone);
    p.Property("Title", &TPrintSettings::Title, &TPrintSettings::SetTitle).Default(ppNone);
    p.Property("PageNumSep", &TPrintSettings::PageNumSep, &TPrintSettings::SetPageNumSep);
    p.Property("DateFormat", &TPrintSettings::DateFormat, &TPrintSettings::SetDateFormat);
    p.Property("Font", &TPrintSettings::Font, &TPrintSettings::SetFont);
    p.Property("HeaderFont", &TPrintSettings::HeaderFont, &TPrintSettings::SetHeaderFont);
    p.Property("FooterFont", &TPrintSettings::FooterFont, &TPrintSettings::SetFooterFont);
    p.Property("FixedFont", &TPrintSettings::FixedFont, &TPrintSettings::SetFixedFont);
    p.Property("Borders", &TPrintSettings::Borders, &TPrintSettings::SetBorders).Default(pbSingle);
    p.Property("BorderStyle", &TPrintSettings::BorderStyle, &TPrintSettings::SetBorderStyle).Default(psSolid);
    p.Property("TitleText", &TPrintSettings::TitleText, &TPrintSettings::SetTitleText);
    p.Property("TitleLines", &TPrintSettings::TitleLines, &TPrintSettings::SetTitleLines);
    p.Property("Centered", &TPrintSettings::Centered, &TPrintSettings::SetCentered).Default(true);
    p.Property("RepeatFixedRows", &TPrintSettings::RepeatFixedRows, &TPrintSettings::SetRepeatFixedRows).Default(false);
    p.Property("RepeatFixedCols", &TPrintSettings::RepeatFixedCols, &TPrintSettings::SetRepeatFixedCols).Default(false);
    p.Property("FooterSize", &TPrintSettings::FooterSize, &TPrintSettings::SetFooterSize).Default(0);
    p.Property("HeaderSize", &TPrintSettings::HeaderSize, &TPrintSettings::SetHeaderSize).Default(0);
    p.Property("LeftSize", &TPrintSettings::LeftSize, &TPrintSettings::SetLeftSize).Default(0);
    p.Property("RightSize", &TPrintSettings::RightSize, &TPrintSettings::SetRightSize).Default(0);
    p.Property("ColumnSpacing", &TPrintSettings::ColumnSpacing, &TPrintSettings::SetColumnSpacing).Default(0);
    p.Property("RowSpacing", &TPrintSettings::RowSpacing, &TPrintSettings::SetRowSpacing).Default(0);
    p.Property("TitleSpacing", &TPrintSettings::TitleSpacing, &TPrintSettings::SetTitleSpacing).Default(0);
    p.Property("Orientation", &TPrintSettings::Orientation, &TPrintSettings::SetOrientation).Default(poPortrait);
    p.Property("PagePrefix", &TPrintSettings::PagePrefix, &TPrintSettings::SetPagePrefix);
    p.Property("PageSuffix", &TPrintSettings::PageSuffix, &TPrintSettings::SetPageSuffix);
    p.Property("FixedHeight", &TPrintSettings::FixedHeight, &TPrintSettings::SetFixedHeight).Default(0);
    p.Property("UseFixedHeight", &TPrintSettings::UseFixedHeight, &TPrintSettings::SetUseFixedHeight).Default(false);
    p.Property("FixedWidth", &TPrintSettings::FixedWidth, &TPrintSettings::SetFixedWidth).Default(0);
    p.Property("UseFixedWidth", &TPrintSettings::UseFixedWidth, &TPrintSettings::SetUseFixedWidth).Default(false);
    p.Property("FitToPage", &TPrintSettings::FitToPage, &TPrintSettings::SetFitToPage).Default(fpNever);
    p.Property("NoAutoSize", &TPrintSettings::NoAutoSize, &TPrintSettings::SetNoAutoSize).Default(false);
    p.Property("PrintGraphics", &TPrintSettings::PrintGraphics, &TPrintSettings::SetPrintGraphics).Default(false);
    p.Property("JobName", &TPrintSettings::JobName, &TPrintSettings::SetJobName);
    p.Property("NoAutoSizeRow", &TPrintSettings::NoAutoSizeRow, &TPrintSettings::SetNoAutoSizeRow).Default(false);
    p.Property("PageNumberOffset", &TPrintSettings::PageNumberOffset, &TPrintSettings::SetPageNumberOffset).Default(0);
    p.Property("MaxPagesOffset", &TPrintSettings::MaxPagesOffset, &TPrintSettings::SetMaxPagesOffset).Default(0);
    p.Property("UseDisplayFont", &TPrintSettings::UseDisplayFont, &TPrintSettings::SetUseDisplayFont).Default(true);
    p.Property("UseDefaultOrientation", &TPrintSettings::UseDefaultOrientation, &TPrintSettings::SetUseDefaultOrientation).Default(false);
}

void TPrintSettings::SetFont(TFont* value) {
    font_->Assign(value);
}

void TPrintSettings::SetHeaderFont(TFont* value) {
    headerFont_->Assign(value);
}

void TPrintSettings::SetFooterFont(TFont* value) {
    footerFont_->Assign(value);
}

void TPrintSettings::SetFixedFont(TFont* value) {
    fixedFont_->Assign(value);
}

void TPrintSettings::SetTitleLines(TStrings* value) {
    titleLines_->Assign(value);
}

void TPrintSettings::Assign(TPersistent* source) {
    // Printing settings take nothing but printing settings.
    if (!dynamic_cast<TPrintSettings*>(source)) throw EInvalidCast("Invalid class typecast");
    CopyProperties(source, this, {"Time", "Date", "PageNr", "Title", "PageNumSep", "DateFormat", "Font", "HeaderFont", "FooterFont", "FixedFont", "Borders", "BorderStyle", "TitleText", "TitleLines", "Centered", "RepeatFixedRows", "RepeatFixedCols", "FooterSize", "HeaderSize", "LeftSize", "RightSize", "ColumnSpacing", "RowSpacing", "TitleSpacing", "Orientation", "PagePrefix", "PageSuffix", "FixedHeight", "UseFixedHeight", "FixedWidth", "UseFixedWidth", "FitToPage", "NoAutoSize", "PrintGraphics", "JobName", "NoAutoSizeRow", "PageNumberOffset", "MaxPagesOffset", "UseDisplayFont", "UseDefaultOrientation"});
}

// ---- TBackGround -----------------------------------------------------------------------------

TBackGround::TBackGround(TBavStringGrid* grid)
    : grid_(grid),
      bitmap_(std::make_unique<TBitmap>()) {}
TBackGround::~TBackGround() = default;

void TBackGround::Published(TPublished<TBackGround>& p) {
    p.Property("Top", &TBackGround::Top, &TBackGround::SetTop).Default(0);
    p.Property("Left", &TBackGround::Left, &TBackGround::SetLeft).Default(0);
    p.Property("Display", &TBackGround::Display, &TBackGround::SetDisplay).Default(bdTile);
    p.Property("Cells", &TBackGround::Cells, &TBackGround::SetCells).Default(bcNormal);
    p.Property("ColorTo", &TBackGround::ColorTo, &TBackGround::SetColorTo).TypeName("TColor").Default(clBtnFace);
    p.Property("Color", &TBackGround::Color, &TBackGround::SetColor).TypeName("TColor").Default(clWindow);
    p.Property("Bitmap", &TBackGround::Bitmap, &TBackGround::SetBitmap);
}

void TBackGround::SetTop(int value) {
    top_ = value;
    Repaint(grid_);
}

void TBackGround::SetLeft(int value) {
    left_ = value;
    Repaint(grid_);
}

void TBackGround::SetDisplay(TBackGroundDisplay value) {
    display_ = value;
    Repaint(grid_);
}

void TBackGround::SetCells(TBackGroundCells value) {
    cells_ = value;
    Repaint(grid_);
}

void TBackGround::SetColorTo(TColor value) {
    colorTo_ = value;
    Repaint(grid_);
}

void TBackGround::SetColor(TColor value) {
    color_ = value;
    Repaint(grid_);
}

void TBackGround::SetBitmap(TBitmap* value) {
    bitmap_->Assign(value);
    Repaint(grid_);
}

void TBackGround::Assign(TPersistent* source) {
    if (!dynamic_cast<TBackGround*>(source)) return;
    CopyProperties(source, this, {"Top", "Left", "Display", "Cells", "ColorTo", "Color", "Bitmap"});
}

// ---- TBands ----------------------------------------------------------------------------------

TBands::TBands(TBavStringGrid* grid)
    : grid_(grid) {}

void TBands::Published(TPublished<TBands>& p) {
    p.Property("Print", &TBands::Print, &TBands::SetPrint).Default(false);
    p.Property("Active", &TBands::Active, &TBands::SetActive).Default(false);
    p.Property("SecondaryLength", &TBands::SecondaryLength, &TBands::SetSecondaryLength).Default(1);
    p.Property("PrimaryLength", &TBands::PrimaryLength, &TBands::SetPrimaryLength).Default(1);
    p.Property("SecondaryColor", &TBands::SecondaryColor, &TBands::SetSecondaryColor).TypeName("TColor").Default(clWindow);
    p.Property("PrimaryColor", &TBands::PrimaryColor, &TBands::SetPrimaryColor).TypeName("TColor").Default(clInfoBk);
}

void TBands::SetActive(bool value) {
    active_ = value;
    Repaint(grid_);
}

void TBands::SetSecondaryLength(int value) {
    secondaryLength_ = value;
    if (active_) Repaint(grid_);
}

void TBands::SetPrimaryLength(int value) {
    primaryLength_ = value;
    if (active_) Repaint(grid_);
}

void TBands::SetSecondaryColor(TColor value) {
    secondaryColor_ = value;
    if (active_) Repaint(grid_);
}

void TBands::SetPrimaryColor(TColor value) {
    primaryColor_ = value;
    if (active_) Repaint(grid_);
}

void TBands::Assign(TPersistent* source) {
    if (!dynamic_cast<TBands*>(source)) return;
    CopyProperties(source, this, {"Active", "PrimaryColor", "PrimaryLength", "SecondaryColor", "SecondaryLength", "Print"});
}

// ---- TSortSettings ---------------------------------------------------------------------------

TSortSettings::TSortSettings(TBavStringGrid* grid)
    : grid_(grid),
      upGlyph_(std::make_unique<TBitmap>()),
      downGlyph_(std::make_unique<TBitmap>()),
      indexUpGlyph_(std::make_unique<TBitmap>()),
      indexDownGlyph_(std::make_unique<TBitmap>()) {}
TSortSettings::~TSortSettings() = default;

void TSortSettings::Published(TPublished<TSortSettings>& p) {
    p.Property("Show", &TSortSettings::Show, &TSortSettings::SetShow).Default(false);
    p.Property("IndexShow", &TSortSettings::IndexShow, &TSortSettings::SetIndexShow).Default(false);
    p.Property("Full", &TSortSettings::Full, &TSortSettings::SetFull).Default(true);
    p.Property("SingleColumn", &TSortSettings::SingleColumn, &TSortSettings::SetSingleColumn).Default(false);
    p.Property("IgnoreBlanks", &TSortSettings::IgnoreBlanks, &TSortSettings::SetIgnoreBlanks).Default(false);
    p.Property("BlankPos", &TSortSettings::BlankPos, &TSortSettings::SetBlankPos).Default(blFirst);
    p.Property("AutoFormat", &TSortSettings::AutoFormat, &TSortSettings::SetAutoFormat).Default(true);
    p.Property("Direction", &TSortSettings::Direction, &TSortSettings::SetDirection).Default(sdAscending);
    p.Property("UpGlyph", &TSortSettings::UpGlyph, &TSortSettings::SetUpGlyph);
    p.Property("DownGlyph", &TSortSettings::DownGlyph, &TSortSettings::SetDownGlyph);
    p.Property("IndexUpGlyph", &TSortSettings::IndexUpGlyph, &TSortSettings::SetIndexUpGlyph);
    p.Property("IndexDownGlyph", &TSortSettings::IndexDownGlyph, &TSortSettings::SetIndexDownGlyph);
    p.Property("NormalCellsOnly", &TSortSettings::NormalCellsOnly, &TSortSettings::SetNormalCellsOnly).Default(false);
    p.Property("FixedCols", &TSortSettings::FixedCols, &TSortSettings::SetFixedCols).Default(false);
    p.Property("Column", &TSortSettings::Column, &TSortSettings::SetColumn).Default(0);
    p.Property("Row", &TSortSettings::Row, &TSortSettings::SetRow).Default(0);
    p.Property("AutoColumnMerge", &TSortSettings::AutoColumnMerge, &TSortSettings::SetAutoColumnMerge).Default(false);
    p.Property("IndexColor", &TSortSettings::IndexColor, &TSortSettings::SetIndexColor).TypeName("TColor").Default(clYellow);
    p.Property("InitSortDirection", &TSortSettings::InitSortDirection, &TSortSettings::SetInitSortDirection).Default(sdAscending);
    p.Property("UndoSort", &TSortSettings::UndoSort, &TSortSettings::SetUndoSort).Default(false);
    p.Property("AutoSortForGrouping", &TSortSettings::AutoSortForGrouping, &TSortSettings::SetAutoSortForGrouping).Default(true);
}

void TSortSettings::SetShow(bool value) {
    if (show_ == value) return;
    show_ = value;
    Repaint(grid_);
}

void TSortSettings::SetUpGlyph(TBitmap* value) {
    upGlyph_->Assign(value);
}

void TSortSettings::SetDownGlyph(TBitmap* value) {
    downGlyph_->Assign(value);
}

void TSortSettings::SetIndexUpGlyph(TBitmap* value) {
    indexUpGlyph_->Assign(value);
}

void TSortSettings::SetIndexDownGlyph(TBitmap* value) {
    indexDownGlyph_->Assign(value);
}

void TSortSettings::SetRow(int value) {
    if (grid_ && value >= grid_->FixedRows()) throw Exception("Sort row should be smaller than number of fixed rows");
    row_ = value;
}

void TSortSettings::Assign(TPersistent* source) {
    if (!dynamic_cast<TSortSettings*>(source)) return;
    CopyProperties(source, this, {"AutoSortForGrouping", "AutoColumnMerge", "Column", "Show", "IndexShow", "IndexColor", "Full", "SingleColumn", "IgnoreBlanks", "BlankPos", "AutoFormat", "Direction", "UpGlyph", "DownGlyph", "IndexUpGlyph", "IndexDownGlyph", "InitSortDirection", "FixedCols", "NormalCellsOnly", "Row", "UndoSort"});
}

// ---- TControlLook ----------------------------------------------------------------------------

TControlLook::TControlLook(TBavStringGrid* grid)
    : grid_(grid),
      unCheckedGlyph_(std::make_unique<TBitmap>()),
      checkedGlyph_(std::make_unique<TBitmap>()),
      radioOffGlyph_(std::make_unique<TBitmap>()),
      radioOnGlyph_(std::make_unique<TBitmap>()) {}
TControlLook::~TControlLook() = default;

void TControlLook::Published(TPublished<TControlLook>& p) {
    p.Property("CheckSize", &TControlLook::CheckSize, &TControlLook::SetCheckSize).Default(15);
    p.Property("UnCheckedGlyph", &TControlLook::UnCheckedGlyph, &TControlLook::SetUnCheckedGlyph);
    p.Property("CheckedGlyph", &TControlLook::CheckedGlyph, &TControlLook::SetCheckedGlyph);
    p.Property("ControlStyle", &TControlLook::ControlStyle, &TControlLook::SetControlStyle).Default(csWinXP);
    p.Property("Color", &TControlLook::Color, &TControlLook::SetColor).TypeName("TColor").Default(clBlack);
    p.Property("RadioSize", &TControlLook::RadioSize, &TControlLook::SetRadioSize).Default(10);
    p.Property("RadioOffGlyph", &TControlLook::RadioOffGlyph, &TControlLook::SetRadioOffGlyph);
    p.Property("RadioOnGlyph", &TControlLook::RadioOnGlyph, &TControlLook::SetRadioOnGlyph);
    p.Property("FlatButton", &TControlLook::FlatButton, &TControlLook::SetFlatButton).Default(false);
    p.Property("ProgressMarginY", &TControlLook::ProgressMarginY, &TControlLook::SetProgressMarginY).Default(2);
    p.Property("ProgressMarginX", &TControlLook::ProgressMarginX, &TControlLook::SetProgressMarginX).Default(2);
    p.Property("ProgressXP", &TControlLook::ProgressXP, &TControlLook::SetProgressXP).Default(false);
    p.Property("DropDownAlwaysVisible", &TControlLook::DropDownAlwaysVisible, &TControlLook::SetDropDownAlwaysVisible).Default(false);
    p.Property("NoDisabledCheckRadioLook", &TControlLook::NoDisabledCheckRadioLook, &TControlLook::SetNoDisabledCheckRadioLook).Default(false);
    p.Property("NoDisabledButtonLook", &TControlLook::NoDisabledButtonLook, &TControlLook::SetNoDisabledButtonLook).Default(false);
    p.Property("CommentColor", &TControlLook::CommentColor, &TControlLook::SetCommentColor).TypeName("TColor").Default(clRed);
    p.Property("ProgressBorderColor", &TControlLook::ProgressBorderColor, &TControlLook::SetProgressBorderColor).TypeName("TColor").Default(clGray);
    p.Property("FixedGradientTo", &TControlLook::FixedGradientTo, &TControlLook::SetFixedGradientTo).TypeName("TColor").Default(clNone);
    p.Property("FixedGradientFrom", &TControlLook::FixedGradientFrom, &TControlLook::SetFixedGradientFrom).TypeName("TColor").Default(clNone);
    p.Property("CheckAlwaysActive", &TControlLook::CheckAlwaysActive, &TControlLook::SetCheckAlwaysActive).Default(false);
    p.Property("RadioAlwaysActive", &TControlLook::RadioAlwaysActive, &TControlLook::SetRadioAlwaysActive).Default(false);
}

void TControlLook::SetCheckSize(int value) {
    checkSize_ = value;
    Repaint(grid_);
}

void TControlLook::SetUnCheckedGlyph(TBitmap* value) {
    unCheckedGlyph_->Assign(value);
    Repaint(grid_);
}

void TControlLook::SetCheckedGlyph(TBitmap* value) {
    checkedGlyph_->Assign(value);
    Repaint(grid_);
}

void TControlLook::SetControlStyle(TGridControlStyle value) {
    controlStyle_ = value;
    Repaint(grid_);
}

void TControlLook::SetColor(TColor value) {
    color_ = value;
    Repaint(grid_);
}

void TControlLook::SetRadioSize(int value) {
    radioSize_ = value;
    Repaint(grid_);
}

void TControlLook::SetRadioOffGlyph(TBitmap* value) {
    radioOffGlyph_->Assign(value);
    Repaint(grid_);
}

void TControlLook::SetRadioOnGlyph(TBitmap* value) {
    radioOnGlyph_->Assign(value);
    Repaint(grid_);
}

void TControlLook::SetFlatButton(bool value) {
    flatButton_ = value;
    Repaint(grid_);
}

void TControlLook::SetProgressMarginY(int value) {
    progressMarginY_ = value;
    Repaint(grid_);
}

void TControlLook::SetProgressMarginX(int value) {
    progressMarginX_ = value;
    Repaint(grid_);
}

void TControlLook::SetFixedGradientFrom(TColor value) {
    fixedGradientFrom_ = value;
    if (value != clNone && grid_) grid_->SetFixedGradientFromRGB(value);
}

void TControlLook::SetFixedGradientTo(TColor value) {
    fixedGradientTo_ = value;
    if (value != clNone && grid_) grid_->SetFixedGradientToRGB(value);
}

void TControlLook::SetProgressXP(bool value) {
    progressXP_ = value;
    Repaint(grid_);
}

void TControlLook::SetDropDownAlwaysVisible(bool value) {
    dropDownAlwaysVisible_ = value;
    Repaint(grid_);
}

void TControlLook::SetNoDisabledCheckRadioLook(bool value) {
    noDisabledCheckRadioLook_ = value;
    Repaint(grid_);
}

void TControlLook::SetNoDisabledButtonLook(bool value) {
    noDisabledButtonLook_ = value;
    Repaint(grid_);
}

void TControlLook::SetCommentColor(TColor value) {
    commentColor_ = value;
    Repaint(grid_);
}

void TControlLook::Assign(TPersistent* source) {
    if (!dynamic_cast<TControlLook*>(source)) return;
    CopyProperties(source, this, {"CheckSize", "RadioSize", "ControlStyle", "UnCheckedGlyph", "CheckedGlyph", "RadioOffGlyph", "RadioOnGlyph", "ProgressMarginX", "ProgressMarginY", "CommentColor", "Color", "ProgressBorderColor", "CheckAlwaysActive", "RadioAlwaysActive"});
}

// ---- TGrouping -------------------------------------------------------------------------------

TGrouping::TGrouping() = default;

void TGrouping::Published(TPublished<TGrouping>& p) {
    p.Property("MergeHeader", &TGrouping::MergeHeader, &TGrouping::SetMergeHeader).Default(false);
    p.Property("MergeSummary", &TGrouping::MergeSummary, &TGrouping::SetMergeSummary).Default(false);
    p.Property("HeaderColor", &TGrouping::HeaderColor, &TGrouping::SetHeaderColor).TypeName("TColor").Default(clNone);
    p.Property("SummaryColor", &TGrouping::SummaryColor, &TGrouping::SetSummaryColor).TypeName("TColor").Default(clNone);
    p.Property("HeaderColorTo", &TGrouping::HeaderColorTo, &TGrouping::SetHeaderColorTo).TypeName("TColor").Default(clNone);
    p.Property("HeaderTextColor", &TGrouping::HeaderTextColor, &TGrouping::SetHeaderTextColor).TypeName("TColor").Default(clNone);
    p.Property("Summary", &TGrouping::Summary, &TGrouping::SetSummary).Default(false);
    p.Property("SummaryTextColor", &TGrouping::SummaryTextColor, &TGrouping::SetSummaryTextColor).TypeName("TColor").Default(clNone);
    p.Property("SummaryColorTo", &TGrouping::SummaryColorTo, &TGrouping::SetSummaryColorTo).TypeName("TColor").Default(clNone);
    p.Property("HeaderUnderline", &TGrouping::HeaderUnderline, &TGrouping::SetHeaderUnderline).Default(false);
    p.Property("SummaryLine", &TGrouping::SummaryLine, &TGrouping::SetSummaryLine).Default(false);
    p.Property("SummaryLineWidth", &TGrouping::SummaryLineWidth, &TGrouping::SetSummaryLineWidth).Default(2);
    p.Property("HeaderLineWidth", &TGrouping::HeaderLineWidth, &TGrouping::SetHeaderLineWidth).Default(2);
    p.Property("SummaryLineColor", &TGrouping::SummaryLineColor, &TGrouping::SetSummaryLineColor).TypeName("TColor").Default(clBlue);
    p.Property("HeaderLineColor", &TGrouping::HeaderLineColor, &TGrouping::SetHeaderLineColor).TypeName("TColor").Default(clBlue);
}

void TGrouping::Assign(TPersistent* source) {
    if (!dynamic_cast<TGrouping*>(source)) return;
    CopyProperties(source, this, {"HeaderColor", "HeaderColorTo", "HeaderTextColor", "HeaderUnderline", "MergeHeader", "MergeSummary", "SummaryColor", "SummaryColorTo", "SummaryTextColor", "SummaryLine"});
}

// ---- TDragDropSettings -----------------------------------------------------------------------

TDragDropSettings::TDragDropSettings(TBavStringGrid* grid)
    : grid_(grid) {}

void TDragDropSettings::SetOleDropRTF(bool value) {
    oleDropRTF_ = value;
    SetDragDropRichText(value);
}

void TDragDropSettings::SetOleDropTarget(bool value) {
    oleDropTarget_ = value;
    if (grid_) grid_->UpdateOleDropTarget();
}

void TDragDropSettings::Published(TPublished<TDragDropSettings>& p) {
    p.Property("OleDropRTF", &TDragDropSettings::OleDropRTF, &TDragDropSettings::SetOleDropRTF).Default(false);
    p.Property("OleAcceptText", &TDragDropSettings::OleAcceptText, &TDragDropSettings::SetOleAcceptText).Default(true);
    p.Property("OleEntireRows", &TDragDropSettings::OleEntireRows, &TDragDropSettings::SetOleEntireRows).Default(false);
    p.Property("OleDropSource", &TDragDropSettings::OleDropSource, &TDragDropSettings::SetOleDropSource).Default(false);
    p.Property("OleRemoveRows", &TDragDropSettings::OleRemoveRows, &TDragDropSettings::SetOleRemoveRows).Default(false);
    p.Property("OleAcceptFiles", &TDragDropSettings::OleAcceptFiles, &TDragDropSettings::SetOleAcceptFiles).Default(true);
    p.Property("OleDropTarget", &TDragDropSettings::OleDropTarget, &TDragDropSettings::SetOleDropTarget).Default(false);
    p.Property("OleInsertRows", &TDragDropSettings::OleInsertRows, &TDragDropSettings::SetOleInsertRows).Default(false);
    p.Property("OleCopyAlways", &TDragDropSettings::OleCopyAlways, &TDragDropSettings::SetOleCopyAlways).Default(false);
    p.Property("OleColumnDragDrop", &TDragDropSettings::OleColumnDragDrop, &TDragDropSettings::SetOleColumnDragDrop).Default(false);
}

void TDragDropSettings::Assign(TPersistent* source) {
    if (!dynamic_cast<TDragDropSettings*>(source)) return;
    CopyProperties(source, this, {"OleDropRTF", "OleAcceptText", "OleEntireRows", "OleDropSource", "OleRemoveRows", "OleAcceptFiles", "OleDropTarget", "OleInsertRows", "OleCopyAlways", "OleColumnDragDrop"});
}

// ---- TBalloonSettings ------------------------------------------------------------------------

TBalloonSettings::TBalloonSettings() = default;

void TBalloonSettings::Published(TPublished<TBalloonSettings>& p) {
    p.Property("BackgroundColor", &TBalloonSettings::BackgroundColor, &TBalloonSettings::SetBackgroundColor).TypeName("TColor").Default(clNone);
    p.Property("TextColor", &TBalloonSettings::TextColor, &TBalloonSettings::SetTextColor).TypeName("TColor").Default(clNone);
    p.Property("ReshowDelay", &TBalloonSettings::ReshowDelay, &TBalloonSettings::SetReshowDelay).Default(-1);
    p.Property("InitialDelay", &TBalloonSettings::InitialDelay, &TBalloonSettings::SetInitialDelay).Default(-1);
    p.Property("AutoHideDelay", &TBalloonSettings::AutoHideDelay, &TBalloonSettings::SetAutoHideDelay).Default(-1);
    p.Property("Transparency", &TBalloonSettings::Transparency, &TBalloonSettings::SetTransparency).Default(0);
    p.Property("Enable", &TBalloonSettings::Enable, &TBalloonSettings::SetEnable).Default(false);
    p.Property("OnEnableChange", &TBalloonSettings::OnEnableChange, &TBalloonSettings::SetOnEnableChange);
}

void TBalloonSettings::SetEnable(bool value) {
    enable_ = value;
    if (onEnableChange_) onEnableChange_(this);
}

void TBalloonSettings::Assign(TPersistent* source) {
    if (!dynamic_cast<TBalloonSettings*>(source)) return;
    CopyProperties(source, this, {"TextColor", "BackgroundColor", "InitialDelay", "AutoHideDelay", "ReshowDelay", "Enable"});
}

// ---- TShowModified ---------------------------------------------------------------------------

TShowModified::TShowModified() = default;

void TShowModified::Published(TPublished<TShowModified>& p) {
    p.Property("Enabled", &TShowModified::Enabled, &TShowModified::SetEnabled).Default(false);
    p.Property("Color", &TShowModified::Color, &TShowModified::SetColor).TypeName("TColor").Default(clYellow);
    p.Property("OnChange", &TShowModified::OnChange, &TShowModified::SetOnChange);
}

void TShowModified::SetColor(TColor value) {
    color_ = value;
    if (onChange_) onChange_(this);
}

void TShowModified::Assign(TPersistent* source) {
    if (!dynamic_cast<TShowModified*>(source)) return;
    CopyProperties(source, this, {"Color", "Enabled"});
}

// ---- TDragScrollDelays -----------------------------------------------------------------------

TDragScrollDelays::TDragScrollDelays() = default;

void TDragScrollDelays::Published(TPublished<TDragScrollDelays>& p) {
    p.Property("InitialDelay", &TDragScrollDelays::InitialDelay, &TDragScrollDelays::SetInitialDelay).Default(1000);
    p.Property("RepeatDelay", &TDragScrollDelays::RepeatDelay, &TDragScrollDelays::SetRepeatDelay).Default(250);
}

void TDragScrollDelays::Assign(TPersistent* source) {
    if (!dynamic_cast<TDragScrollDelays*>(source)) return;
    CopyProperties(source, this, {"InitialDelay", "RepeatDelay"});
}

// ---- TDragScrollMargins ----------------------------------------------------------------------

TDragScrollMargins::TDragScrollMargins() = default;

void TDragScrollMargins::Published(TPublished<TDragScrollMargins>& p) {
    p.Property("TopMargin", &TDragScrollMargins::TopMargin, &TDragScrollMargins::SetTopMargin).Default(50);
    p.Property("BottomMargin", &TDragScrollMargins::BottomMargin, &TDragScrollMargins::SetBottomMargin).Default(50);
    p.Property("LeftMargin", &TDragScrollMargins::LeftMargin, &TDragScrollMargins::SetLeftMargin).Default(50);
    p.Property("RightMargin", &TDragScrollMargins::RightMargin, &TDragScrollMargins::SetRightMargin).Default(50);
}

void TDragScrollMargins::Assign(TPersistent* source) {
    if (!dynamic_cast<TDragScrollMargins*>(source)) return;
    CopyProperties(source, this, {"TopMargin", "BottomMargin", "LeftMargin", "RightMargin"});
}

// ---- TDragScrollOptions ----------------------------------------------------------------------

TDragScrollOptions::TDragScrollOptions()
    : delays_(std::make_unique<TDragScrollDelays>()),
      margins_(std::make_unique<TDragScrollMargins>()) {}
TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::Published(TPublished<TDragScrollOptions>& p) {
    p.Property("Active", &TDragScrollOptions::Active, &TDragScrollOptions::SetActive).Default(false);
    p.Property("Delays", &TDragScrollOptions::Delays, &TDragScrollOptions::SetDelays);
    p.Property("Margins", &TDragScrollOptions::Margins, &TDragScrollOptions::SetMargins);
}

void TDragScrollOptions::SetDelays(TDragScrollDelays* value) {
    delays_->Assign(value);
}

void TDragScrollOptions::SetMargins(TDragScrollMargins* value) {
    margins_->Assign(value);
}

void TDragScrollOptions::Assign(TPersistent* source) {
    if (!dynamic_cast<TDragScrollOptions*>(source)) return;
    CopyProperties(source, this, {"Margins", "Delays", "Active"});
}

// ---- TGridProgressAppearance -----------------------------------------------------------------

TGridProgressAppearance::TGridProgressAppearance() = default;

void TGridProgressAppearance::Published(TPublished<TGridProgressAppearance>& p) {
    p.Property("UnCompleteFontColor", &TGridProgressAppearance::UnCompleteFontColor, &TGridProgressAppearance::SetUnCompleteFontColor).TypeName("TColor").Default(clWindowText);
    p.Property("CompleteColor", &TGridProgressAppearance::CompleteColor, &TGridProgressAppearance::SetCompleteColor).TypeName("TColor").Default(clRed);
    p.Property("UnCompleteColor", &TGridProgressAppearance::UnCompleteColor, &TGridProgressAppearance::SetUnCompleteColor).TypeName("TColor").Default(clNone);
    p.Property("CompleteFontColor", &TGridProgressAppearance::CompleteFontColor, &TGridProgressAppearance::SetCompleteFontColor).TypeName("TColor").Default(clBlue);
    p.Property("Stacked", &TGridProgressAppearance::Stacked, &TGridProgressAppearance::SetStacked).Default(false);
    p.Property("ShowPercentage", &TGridProgressAppearance::ShowPercentage, &TGridProgressAppearance::SetShowPercentage).Default(true);
    p.Property("ShowBorder", &TGridProgressAppearance::ShowBorder, &TGridProgressAppearance::SetShowBorder).Default(false);
    p.Property("CompletionSmooth", &TGridProgressAppearance::CompletionSmooth, &TGridProgressAppearance::SetCompletionSmooth).Default(true);
    p.Property("ShowGradient", &TGridProgressAppearance::ShowGradient, &TGridProgressAppearance::SetShowGradient).Default(true);
    p.Property("Level2Perc", &TGridProgressAppearance::Level2Perc, &TGridProgressAppearance::SetLevel2Perc).Default(90);
    p.Property("Level1Perc", &TGridProgressAppearance::Level1Perc, &TGridProgressAppearance::SetLevel1Perc).Default(70);
    p.Property("Steps", &TGridProgressAppearance::Steps, &TGridProgressAppearance::SetSteps).Default(11);
    p.Property("Level3Color", &TGridProgressAppearance::Level3Color, &TGridProgressAppearance::SetLevel3Color).TypeName("TColor").Default(clRed);
    p.Property("Level1Color", &TGridProgressAppearance::Level1Color, &TGridProgressAppearance::SetLevel1Color).TypeName("TColor").Default(clYellow);
    p.Property("Level0Color", &TGridProgressAppearance::Level0Color, &TGridProgressAppearance::SetLevel0Color).TypeName("TColor").Default(clLime);
    p.Property("Level3ColorTo", &TGridProgressAppearance::Level3ColorTo, &TGridProgressAppearance::SetLevel3ColorTo).TypeName("TColor").Default(TColor(0xCACAFF));
    p.Property("Level2ColorTo", &TGridProgressAppearance::Level2ColorTo, &TGridProgressAppearance::SetLevel2ColorTo).TypeName("TColor").Default(TColor(0xA8D3FF));
    p.Property("Level0ColorTo", &TGridProgressAppearance::Level0ColorTo, &TGridProgressAppearance::SetLevel0ColorTo).TypeName("TColor").Default(TColor(0xE1FFE1));
    p.Property("Level1ColorTo", &TGridProgressAppearance::Level1ColorTo, &TGridProgressAppearance::SetLevel1ColorTo).TypeName("TColor").Default(TColor(0xCAFFFF));
    p.Property("BorderColor", &TGridProgressAppearance::BorderColor, &TGridProgressAppearance::SetBorderColor).TypeName("TColor").Default(clBlack);
    p.Property("Level2Color", &TGridProgressAppearance::Level2Color, &TGridProgressAppearance::SetLevel2Color).TypeName("TColor").Default(TColor(0x53A9FF));
    p.Property("OnChange", &TGridProgressAppearance::OnChange, &TGridProgressAppearance::SetOnChange);
}

void TGridProgressAppearance::SetUnCompleteFontColor(TColor value) {
    if (unCompleteFontColor_ == value) return;
    unCompleteFontColor_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetCompleteColor(TColor value) {
    if (completeColor_ == value) return;
    completeColor_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetUnCompleteColor(TColor value) {
    if (unCompleteColor_ == value) return;
    unCompleteColor_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetCompleteFontColor(TColor value) {
    if (completeFontColor_ == value) return;
    completeFontColor_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetStacked(bool value) {
    if (stacked_ == value) return;
    stacked_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetShowPercentage(bool value) {
    if (showPercentage_ == value) return;
    showPercentage_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetShowBorder(bool value) {
    if (showBorder_ == value) return;
    showBorder_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetCompletionSmooth(bool value) {
    if (completionSmooth_ == value) return;
    completionSmooth_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetShowGradient(bool value) {
    if (showGradient_ == value) return;
    showGradient_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel2Perc(int value) {
    if (level2Perc_ == value) return;
    level2Perc_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel1Perc(int value) {
    if (level1Perc_ == value) return;
    level1Perc_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetSteps(int value) {
    if (steps_ == value) return;
    steps_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel3Color(TColor value) {
    if (level3Color_ == value) return;
    level3Color_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel1Color(TColor value) {
    if (level1Color_ == value) return;
    level1Color_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel0Color(TColor value) {
    if (level0Color_ == value) return;
    level0Color_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel3ColorTo(TColor value) {
    if (level3ColorTo_ == value) return;
    level3ColorTo_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel2ColorTo(TColor value) {
    if (level2ColorTo_ == value) return;
    level2ColorTo_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel0ColorTo(TColor value) {
    if (level0ColorTo_ == value) return;
    level0ColorTo_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel1ColorTo(TColor value) {
    if (level1ColorTo_ == value) return;
    level1ColorTo_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetBorderColor(TColor value) {
    if (borderColor_ == value) return;
    borderColor_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::SetLevel2Color(TColor value) {
    if (level2Color_ == value) return;
    level2Color_ = value;
    if (onChange_) onChange_(this);
}

void TGridProgressAppearance::Assign(TPersistent* source) {
    if (!dynamic_cast<TGridProgressAppearance*>(source)) return;
    CopyProperties(source, this, {"UnCompleteFontColor", "CompleteColor", "UnCompleteColor", "CompleteFontColor", "Stacked", "ShowPercentage", "ShowBorder", "CompletionSmooth", "ShowGradient", "Level2Perc", "Level1Perc", "Steps", "Level3Color", "Level1Color", "Level0Color", "Level3ColorTo", "Level2ColorTo", "Level0ColorTo", "Level1ColorTo", "BorderColor", "Level2Color"});
    style_ = static_cast<TGridProgressAppearance*>(source)->style_;
    if (onChange_) onChange_(this);
}

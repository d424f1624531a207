// The grid library's enumerations, option sets and event types, shared by
// the grid, its columns and the objects they own.
#pragma once

#include "platform/data/db_types.h"
#include "platform/rtl/events.h"
#include "platform/rtl/set.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/dbgrids.h"
#include "platform/ui/grids.h"

class TColumnVyn;
class TColCellParamsVyn;
class TField;
class TFont;

SERVIORA_ENUM(TDBGridVynOption, dghFixed3D, dghFrozen3D, dghFooter3D, dghData3D, dghResizeWholeRightPart,
              dghHighlightFocus, dghClearSelection, dghFitRowHeightToText, dghAutoSortMarking, dghMultiSortMarking,
              dghEnterAsTab, dghTraceColSizing, dghIncSearch, dghPreferIncSearch, dghRowHighlight,
              dghDblClickOptimizeColWidth, dghDialogFind)
using TDBGridVynOptions = TSet<TDBGridVynOption>;

SERVIORA_ENUM(TDBGridVynAllowedOperation, alopInsertVyn, alopUpdateVyn, alopDeleteVyn, alopAppendVyn)
using TDBGridVynAllowedOperations = TSet<TDBGridVynAllowedOperation>;

SERVIORA_ENUM(TDBGridVynSelectionType, gstNon, gstRecordBookmarks, gstRectangle, gstColumns, gstAll)
using TDBGridVynAllowedSelections = TSet<TDBGridVynSelectionType>;

SERVIORA_ENUM(TDBGridVynEditAction, geaCutVyn, geaCopyVyn, geaPasteVyn, geaDeleteVyn, geaSelectAllVyn)
using TDBGridVynEditActions = TSet<TDBGridVynEditAction>;

SERVIORA_ENUM(TColumnButtonStyleVyn, cbsAuto, cbsEllipsis, cbsNone, cbsUpDown, cbsDropDown)
SERVIORA_ENUM(TSortMarkerVyn, smNoneVyn, smDownVyn, smUpVyn)
SERVIORA_ENUM(TTextOrientationVyn, tohHorizontal, tohVertical)
SERVIORA_ENUM(TFooterValueType, fvtNon, fvtSum, fvtAvg, fvtCount, fvtFieldValue, fvtStaticText)
SERVIORA_ENUM(TDBLookupGridVynOption, dlgColumnResizeVyn, dlgColLinesVyn, dlgRowLinesVyn, dlgAutoSortMarkingVyn,
              dlgMultiSortMarkingVyn)
using TDBLookupGridVynOptions = TSet<TDBLookupGridVynOption>;
SERVIORA_ENUM(TScrollBarVisibleModeVyn, sbAlwaysShowVyn, sbNeverShowVyn, sbAutoShowVyn)

// The grid's own events.
SERVIORA_EVENT_TYPE(TDBGridVynClickEvent, void(TColumnVyn* Column));
SERVIORA_EVENT_TYPE(TCheckTitleVynBtnEvent, void(TObject* Sender, int ACol, TColumnVyn* Column, bool& Enabled));
SERVIORA_EVENT_TYPE(TDrawColumnVynCellEvent,
                    void(TObject* Sender, const TRect& Rect, int DataCol, TColumnVyn* Column, TGridDrawState State));
SERVIORA_EVENT_TYPE(TDrawDataCellEvent, void(TObject* Sender, const TRect& Rect, TField* Field, TGridDrawState State));
SERVIORA_EVENT_TYPE(TDrawFooterCellEvent, void(TObject* Sender, int DataCol, int Row, TColumnVyn* Column,
                                               const TRect& Rect, TGridDrawState State));
SERVIORA_EVENT_TYPE(TGetBtnVynParamsEvent, void(TObject* Sender, TColumnVyn* Column, TFont* AFont, TColor& Background,
                                                TSortMarkerVyn& SortMarker, bool IsDown));
SERVIORA_EVENT_TYPE(TGetCellVynParamsEvent,
                    void(TObject* Sender, TColumnVyn* Column, TFont* AFont, TColor& Background, TGridDrawState State));
SERVIORA_EVENT_TYPE(TGetFooterParamsEvent,
                    void(TObject* Sender, int DataCol, int Row, TColumnVyn* Column, TFont* AFont, TColor& Background,
                         TAlignment& Alignment, TGridDrawState State, AnsiString& Text));
SERVIORA_EVENT_TYPE(TTitleVynClickEvent, void(TObject* Sender, int ACol, TColumnVyn* Column));

// The columns' and edit buttons' events.
SERVIORA_EVENT_TYPE(TButtonClickEventVyn, void(TObject* Sender, bool& Handled));
SERVIORA_EVENT_TYPE(TButtonDownEventVyn, void(TObject* Sender, bool TopButton, bool& AutoRepeat, bool& Handled));
SERVIORA_EVENT_TYPE(TGetColCellParamsEventVyn, void(TObject* Sender, bool EditMode, TColCellParamsVyn* Params));
SERVIORA_EVENT_TYPE_SHARED(TNotInListEventVyn, void(TObject* Sender, const AnsiString& NewText, bool& RecheckInList));
SERVIORA_EVENT_TYPE(TColCellUpdateDataEventVyn,
                    void(TObject* Sender, AnsiString& Text, Variant& Value, bool& UseText, bool& Handled));

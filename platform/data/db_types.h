// The data layer's enumerations, in the platform's order (scripts and form
// descriptions use their ordinals and names), and its small shared types.
#pragma once

#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TFieldType, ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD,
              ftDate, ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo,
              ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint, ftADT,
              ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant, ftInterface, ftIDispatch, ftGuid,
              ftTimeStamp, ftFMTBcd)

SERVIORA_ENUM(TDataSetState, dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue,
              dsOldValue, dsCurValue, dsBlockRead, dsInternalCalc, dsOpening)

SERVIORA_ENUM(TFieldKind, fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate)

// What a dataset tells its data sources and links.
SERVIORA_ENUM(TDataEvent, deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange,
              deUpdateRecord, deUpdateState, deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl,
              deParentScroll, deConnectChange, deReconcileError, deDisabledStateChange)

SERVIORA_ENUM(TLocateOption, loCaseInsensitive, loPartialKey)
using TLocateOptions = TSet<TLocateOption>;

SERVIORA_ENUM(TFilterOption, foCaseInsensitive, foNoPartialCompare)
using TFilterOptions = TSet<TFilterOption>;

SERVIORA_ENUM(TResyncMode, rmExact, rmCenter)
using TResyncModes = TSet<TResyncMode>;

SERVIORA_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

// ADO connection modes.
SERVIORA_ENUM(TConnectMode, cmUnknown, cmRead, cmWrite, cmReadWrite, cmShareDenyRead, cmShareDenyWrite,
              cmShareExclusive, cmShareDenyNone)

// A bookmark: the record's identity as text (empty = none).
using TBookmarkStr = AnsiString;
using TBookmark = TBookmarkStr;

// The platform's database texts.
inline constexpr const char* SFieldNotFound = "Field '%s' not found";
inline constexpr const char* SNotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* SDataSetClosed = "Cannot perform this operation on a closed dataset";
inline constexpr const char* SDataSetOpen = "Cannot perform this operation on an open dataset";
inline constexpr const char* SDataSetReadOnly = "Cannot modify a read-only dataset";
inline constexpr const char* SDataSetEmpty = "Cannot perform this operation on an empty dataset";
inline constexpr const char* SFieldReadOnly = "Field '%s' cannot be modified";
inline constexpr const char* SFieldRequired = "Field '%s' must have a value";
inline constexpr const char* SInvalidBoolValue = "'%s' is not a valid boolean value for field '%s'";
inline constexpr const char* SInvalidIntegerValue = "'%s' is not a valid integer value for field '%s'";
inline constexpr const char* SInvalidFloatValue = "'%s' is not a valid floating point value for field '%s'";
inline constexpr const char* SFieldRangeError = "%s is not a valid value for field '%s'. The allowed range is %s to %s";
inline constexpr const char* SInvalidDateTimeValue = "'%s' is not a valid date and time";
inline constexpr const char* SInvalidBookmark = "Invalid bookmark";
inline constexpr const char* SCircularDataLink = "Circular datalinks are not allowed";
inline constexpr const char* SPropDefByLookup = "Property already defined by lookup field";
inline constexpr const char* SDataSourceFixed = "Operation not allowed in a DBCtrlGrid";
inline constexpr const char* SMissingConnection = "Missing Connection or ConnectionString";
inline constexpr const char* SNoSqlStatement = "CommandText does not return a result set";

class TComponent;

// Raises EDatabaseError with `message`, prefixed "Name: " when the
// component has a name, as the platform reports database errors.
[[noreturn]] void DatabaseError(const AnsiString& message, TComponent* component = nullptr);
[[noreturn]] void DatabaseErrorFmt(const AnsiString& format, TVarRecs args, TComponent* component = nullptr);

// The dataset-feature registry: which object sorts and filters the records
// of a dataset class for a grid. A grid's sort or filter request goes to the
// object registered for the nearest ancestor of its dataset's class. The
// SQL back ends rewrite the dataset's statement: the ORDER BY line, and the
// line that starts with SQLFilterMarker for filtering; the condition
// writers turn the grid's column filters into the local filter syntax or
// into SQL.
#pragma once

#include <array>
#include <memory>

#include "datagrid/DBGridVynFilterExpression.h"
#include "platform/data/dataset.h"
#include "platform/rtl/metaclass.h"

class TCustomDBGridVyn;
class TColumnVyn;

// The SQL literal of a date for a dataset's server.
using TDateLiteralFunc = AnsiString (*)(TDataSet* dataSet, TDateTime value);

class TDatasetFeaturesVyn : public TObject {
    SERVIORA_HIERARCHY(TDatasetFeaturesVyn, TObject)
public:
    TDatasetFeaturesVyn() = default;

    // The dataset class the object was registered for.
    TClass DatasetClass = nullptr;

    // Sender asks (a grid); IsReopen: a dataset closed for the change is
    // opened again.
    virtual void ApplySorting(TObject* Sender, TDataSet* DataSet, bool IsReopen);
    virtual void ApplyFilter(TObject* Sender, TDataSet* DataSet, bool IsReopen);
};
using TDatasetFeaturesVynClass = const TDatasetFeaturesVyn::MetaClassType*;

// Datasets whose query is a SQL text in a published property.
class TSQLDatasetFeaturesVyn : public TDatasetFeaturesVyn {
    SERVIORA_CLASS(TSQLDatasetFeaturesVyn, TDatasetFeaturesVyn)
public:
    TSQLDatasetFeaturesVyn() = default;

    // ORDER BY names fields when set, numbers them otherwise.
    bool SortByFieldNames = false;
    AnsiString SQLTextProperty = "SQL";
    TDateLiteralFunc DateLiteralFunc = nullptr;
    // The local filter writes Like/Not Like rather than = and <>.
    bool LocalFilterLike = false;

    void ApplySorting(TObject* Sender, TDataSet* DataSet, bool IsReopen) override;
    void ApplyFilter(TObject* Sender, TDataSet* DataSet, bool IsReopen) override;
};

class TCommandTextDatasetFeaturesVyn : public TSQLDatasetFeaturesVyn {
    SERVIORA_CLASS(TCommandTextDatasetFeaturesVyn, TSQLDatasetFeaturesVyn)
public:
    TCommandTextDatasetFeaturesVyn() { SQLTextProperty = "CommandText"; }
};

// The line of a statement that SQL filtering rewrites starts with this.
extern AnsiString SQLFilterMarker;
// The SQL text of each operator; fopNone and fopValue have none.
extern const std::array<const char*, 16> FilterOperatorSQLText;

// ---- The registry -------------------------------------------------------------------
// Files one new object of FeaturesClass under DataSetClass's name; a name
// already filed keeps its place and gets the new object.
void RegisterDatasetFeaturesClass(TDatasetFeaturesVynClass FeaturesClass, TClass DataSetClass);
// The object of the nearest registered ancestor (or the class itself); the
// earlier entry wins between equally near ones. nullptr when none is.
TDatasetFeaturesVyn* FindFeaturesForDatasetClass(TClass DataSetClass);
TDatasetFeaturesVyn* FindFeaturesForDataset(TDataSet* DataSet);
// Parent steps from DataSetClass up to the class named ClassName (letter
// case ignored); the largest integer when no ancestor is named so.
int DatasetClassDistance(TClass DataSetClass, const AnsiString& ClassName);
void FreeDatasetFeaturesRegistry();

// ---- Statement text -----------------------------------------------------------------
// A string property, or a string-list property as its whole text. False
// (nothing written) for a missing property or one of another kind.
bool ReadDatasetTextProperty(TDataSet* DataSet, const AnsiString& PropName, AnsiString& Text);
bool WriteDatasetTextProperty(TDataSet* DataSet, const AnsiString& PropName, const AnsiString& Text);
AnsiString DateToSQLLiteral(const AnsiString& ServerKind, TDateTime Value);
// Replaces the first line starting "ORDER BY" (any case) by the clause of
// the grid's sort-marked columns, or appends it as a new last line.
void RewriteOrderByClause(TCustomDBGridVyn* Grid, TDataSet* DataSet, bool ByFieldNames, const AnsiString& PropName,
                          bool IsReopen);
// Replaces the first line starting with SQLFilterMarker by the marker and
// the grid's SQL condition in brackets; without such a line nothing changes.
void RewriteFilterMarkerLine(TCustomDBGridVyn* Grid, TDateLiteralFunc DateLiteral, bool IsReopen,
                             const AnsiString& PropName);

// ---- Condition writers --------------------------------------------------------------
// Appends one condition (operator, operand, field) to Text.
using TConditionWriter = void (*)(AnsiString& Text, TFilterOperator Operator, const Variant& Operand,
                                  const AnsiString& FieldName, TDataSet* DataSet, TDateLiteralFunc DateLiteral,
                                  bool LikeWords);
// The conditions of every column joined by " AND ", ending in one blank.
AnsiString BuildGridFilterText(TCustomDBGridVyn* Grid, TConditionWriter ConditionWriter, TDateLiteralFunc DateLiteral,
                               bool UseOrigin, bool LikeWords);
AnsiString BuildColumnFilterText(TColumnVyn* Column, TConditionWriter ConditionWriter, TDateLiteralFunc DateLiteral,
                                 bool UseOrigin, bool LikeWords);
// The dataset's Filter syntax: " [F] > 1".
void LocalConditionText(AnsiString& Text, TFilterOperator Operator, const Variant& Operand,
                        const AnsiString& FieldName, TDataSet* DataSet, TDateLiteralFunc DateLiteral, bool LikeWords);
AnsiString LocalValueText(const Variant& Value, TDataSet* DataSet, TDateLiteralFunc DateLiteral);
// SQL: " F > 1", numbers always with ".".
void SQLConditionText(AnsiString& Text, TFilterOperator Operator, const Variant& Operand, const AnsiString& FieldName,
                      TDataSet* DataSet, TDateLiteralFunc DateLiteral, bool LikeWords);
AnsiString SQLValueText(const Variant& Value, TDataSet* DataSet, TDateLiteralFunc DateLiteral);

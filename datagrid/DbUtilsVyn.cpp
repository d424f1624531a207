// The dataset-feature registry, the SQL back ends' statement rewriting and
// the condition writers of column filters.
#include "datagrid/DbUtilsVyn.h"

#include <limits>
#include <utility>
#include <vector>

#include "datagrid/DBGridVyn.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/typinfo.h"
#include "platform/rtl/valuerestorer.h"

AnsiString SQLFilterMarker = "/*FILTER*/";

const std::array<const char*, 16> FilterOperatorSQLText = {
    "", "=", "<>", ">", "<", ">=", "<=", "LIKE", "NOT LIKE", "IN", "NOT IN", "IS NULL", "IS NOT NULL", "AND", "OR", ""};

namespace {

struct RegistryEntry {
    AnsiString className;
    std::unique_ptr<TDatasetFeaturesVyn> features;
};

std::vector<RegistryEntry>& Registry() {
    static std::vector<RegistryEntry> registry;
    return registry;
}

TCustomDBGridVyn* AsGrid(TObject* sender) { return dynamic_cast<TCustomDBGridVyn*>(sender); }

[[noreturn]] void RaiseNotSQLBased(TDataSet* dataSet) {
    throw Exception(dataSet->ClassType()->ClassName() + " is not SQL based dataset");
}

// Closes the dataset, writes the statement and opens it again when asked,
// with the dataset's controls disabled however it ends.
void WriteStatementBack(TDataSet* dataSet, const AnsiString& propName, const AnsiString& text, bool isReopen) {
    dataSet->DisableControls();
    try {
        if (dataSet->Active()) dataSet->Close();
        WriteDatasetTextProperty(dataSet, propName, text);
        if (isReopen) dataSet->Open();
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls();
}

// The statement's lines, raising when the dataset holds none.
std::unique_ptr<TStringList> ReadStatementLines(TDataSet* dataSet, const AnsiString& propName) {
    AnsiString text;
    if (!ReadDatasetTextProperty(dataSet, propName, text)) RaiseNotSQLBased(dataSet);
    auto lines = std::make_unique<TStringList>();
    lines->SetText(text);
    return lines;
}

bool LineStartsWith(const AnsiString& line, const AnsiString& head) {
    return line.size() >= head.size() && SameText(line.substr(0, head.size()), head);
}

// Calls `write` for each value of an operand: the elements of an array,
// else the operand itself.
template <class Write>
void ForEachValue(const Variant& operand, Write write) {
    if (!VarIsArray(operand)) {
        write(operand);
        return;
    }
    for (int i = VarArrayLowBound(operand, 1); i <= VarArrayHighBound(operand, 1); ++i)
        write(VarArrayGet(operand, {i}));
}

AnsiString DropTail(const AnsiString& text, std::size_t count) {
    return text.substr(0, text.size() > count ? text.size() - count : 0);
}

// A date value through the date routine when one is given; otherwise
// `otherwise` (which quotes the value's text).
template <class Otherwise>
AnsiString ValueText(const Variant& value, TDataSet* dataSet, TDateLiteralFunc dateLiteral, Otherwise otherwise) {
    if (VarType(value) == varDate && dateLiteral) return dateLiteral(dataSet, VarToDateTime(value));
    return otherwise();
}

}  // namespace

// ---- Feature objects ----------------------------------------------------------------

void TDatasetFeaturesVyn::ApplySorting(TObject*, TDataSet*, bool) {}
void TDatasetFeaturesVyn::ApplyFilter(TObject*, TDataSet*, bool) {}

void TSQLDatasetFeaturesVyn::ApplySorting(TObject* Sender, TDataSet* DataSet, bool IsReopen) {
    TCustomDBGridVyn* grid = AsGrid(Sender);
    if (!grid) return;
    if (grid->SortLocal())
        throw Exception(
            Format("TSQLDatasetFeaturesVyn can not sort data in dataset \"%s\" in local mode", {DataSet->Name()}));
    RewriteOrderByClause(grid, DataSet, SortByFieldNames, SQLTextProperty, IsReopen);
}

void TSQLDatasetFeaturesVyn::ApplyFilter(TObject* Sender, TDataSet* DataSet, bool IsReopen) {
    TCustomDBGridVyn* grid = AsGrid(Sender);
    if (!grid) return;
    if (grid->STFilter()->Local())
        DataSet->SetFilter(BuildGridFilterText(grid, LocalConditionText, nullptr, false, LocalFilterLike));
    else
        RewriteFilterMarkerLine(grid, DateLiteralFunc, IsReopen, SQLTextProperty);
}

// ---- The registry -------------------------------------------------------------------

void RegisterDatasetFeaturesClass(TDatasetFeaturesVynClass FeaturesClass, TClass DataSetClass) {
    std::unique_ptr<TDatasetFeaturesVyn> features(FeaturesClass->Create());
    features->DatasetClass = DataSetClass;
    if (!DataSetClass) return;
    for (RegistryEntry& entry : Registry())
        if (SameText(entry.className, DataSetClass->ClassName())) {
            entry.features = std::move(features);
            return;
        }
    Registry().push_back({DataSetClass->ClassName(), std::move(features)});
}

int DatasetClassDistance(TClass DataSetClass, const AnsiString& ClassName) {
    int distance = 0;
    for (TClass cls = DataSetClass; cls; cls = cls->ClassParent(), ++distance)
        if (SameText(cls->ClassName(), ClassName)) return distance;
    return std::numeric_limits<int>::max();
}

TDatasetFeaturesVyn* FindFeaturesForDatasetClass(TClass DataSetClass) {
    int best = std::numeric_limits<int>::max();
    TDatasetFeaturesVyn* result = nullptr;
    if (!DataSetClass) return result;
    for (const RegistryEntry& entry : Registry()) {
        TClass registered = entry.features->DatasetClass;
        if (!DataSetClass->InheritsFrom(registered)) continue;
        const int distance = DatasetClassDistance(DataSetClass, registered->ClassName());
        if (distance < best) {
            best = distance;
            result = entry.features.get();
        }
    }
    return result;
}

TDatasetFeaturesVyn* FindFeaturesForDataset(TDataSet* DataSet) {
    return FindFeaturesForDatasetClass(DataSet ? DataSet->ClassType() : nullptr);
}

void FreeDatasetFeaturesRegistry() {
    std::vector<RegistryEntry>& registry = Registry();
    while (!registry.empty()) registry.erase(registry.begin());
}

// ---- Statement text -----------------------------------------------------------------

bool ReadDatasetTextProperty(TDataSet* DataSet, const AnsiString& PropName, AnsiString& Text) {
    PPropInfo prop = GetPropInfo(DataSet, PropName);
    if (!prop) return false;
    switch (prop->Kind()) {
        case tkString:
        case tkLString:
            Text = GetStrProp(DataSet, PropName);
            return true;
        case tkWString:
            Text = WideToAnsi(GetWideStrProp(DataSet, PropName));
            return true;
        case tkClass:
            if (auto* lines = dynamic_cast<TStrings*>(GetObjectProp(DataSet, PropName))) {
                Text = lines->Text();
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool WriteDatasetTextProperty(TDataSet* DataSet, const AnsiString& PropName, const AnsiString& Text) {
    PPropInfo prop = GetPropInfo(DataSet, PropName);
    if (!prop) return false;
    switch (prop->Kind()) {
        case tkString:
        case tkLString:
            SetStrProp(DataSet, PropName, Text);
            return true;
        case tkWString:
            SetWideStrProp(DataSet, PropName, AnsiToWide(Text));
            return true;
        case tkClass:
            if (auto* lines = dynamic_cast<TStrings*>(GetObjectProp(DataSet, PropName))) {
                lines->SetText(Text);
                return true;
            }
            return false;
        default:
            return false;
    }
}

AnsiString DateToSQLLiteral(const AnsiString& ServerKind, TDateTime Value) {
    const AnsiString kind = UpperCase(ServerKind);
    if (kind == "ORACLE")
        return "TO_DATE('" + FormatDateTime(ShortDateFormat, Value) + "','" + ShortDateFormat + "')";
    if (kind == "MSACCESS") {
        ValueRestorer<char> separator(DateSeparator, '/');
        return "#" + FormatDateTime("MM/DD/YYYY", Value) + "#";
    }
    return "'" + DateTimeToStr(Value) + "'";
}

void RewriteOrderByClause(TCustomDBGridVyn* Grid, TDataSet* DataSet, bool ByFieldNames, const AnsiString& PropName,
                          bool IsReopen) {
    std::unique_ptr<TStringList> lines = ReadStatementLines(DataSet, PropName);
    AnsiString clause;
    TColumnsVynList* marked = Grid->SortMarkedColumns();
    for (int i = 0; i < marked->Count(); ++i) {
        TColumnVyn* column = marked->Items(i);
        TField* field = column->BoundField();
        clause += ByFieldNames ? column->FieldName() : IntToStr(field ? field->FieldNo() : 0);
        clause += column->Title()->SortMarker() == smUpVyn ? " DESC, " : ", ";
    }
    if (!clause.empty()) clause = "ORDER BY " + DropTail(clause, 2);
    int line = 0;
    while (line < lines->Count() && !LineStartsWith(lines->Strings(line), "ORDER BY")) ++line;
    if (line == lines->Count()) lines->Add("");
    lines->SetStrings(line, clause);
    WriteStatementBack(DataSet, PropName, lines->Text(), IsReopen);
}

void RewriteFilterMarkerLine(TCustomDBGridVyn* Grid, TDateLiteralFunc DateLiteral, bool IsReopen,
                             const AnsiString& PropName) {
    TDataSet* dataSet = Grid->DataSource() ? Grid->DataSource()->DataSet() : nullptr;
    if (!dataSet) return;
    std::unique_ptr<TStringList> lines = ReadStatementLines(dataSet, PropName);
    int line = 0;
    while (line < lines->Count() && !LineStartsWith(lines->Strings(line), SQLFilterMarker)) ++line;
    AnsiString condition = BuildGridFilterText(Grid, SQLConditionText, DateLiteral, true, false);
    if (condition.empty()) condition = "1=1";
    if (line == lines->Count()) return;
    lines->SetStrings(line, SQLFilterMarker + " (" + condition + ")");
    WriteStatementBack(dataSet, PropName, lines->Text(), IsReopen);
}

// ---- Condition writers --------------------------------------------------------------

AnsiString BuildGridFilterText(TCustomDBGridVyn* Grid, TConditionWriter ConditionWriter, TDateLiteralFunc DateLiteral,
                               bool UseOrigin, bool LikeWords) {
    TDataSet* dataSet = Grid->DataSource() ? Grid->DataSource()->DataSet() : nullptr;
    if (!dataSet || !dataSet->Active()) return {};
    AnsiString text;
    for (int i = 0; i < Grid->Columns()->Count(); ++i) {
        const AnsiString condition =
            BuildColumnFilterText(Grid->Columns()->Items(i), ConditionWriter, DateLiteral, UseOrigin, LikeWords);
        if (!condition.empty()) text += condition + " AND ";
    }
    return DropTail(text, 4);
}

AnsiString BuildColumnFilterText(TColumnVyn* Column, TConditionWriter ConditionWriter, TDateLiteralFunc DateLiteral,
                                 bool UseOrigin, bool LikeWords) {
    TField* field = Column->BoundField();
    const TSTColumnFilterVyn* filter = Column->STFilter();
    const TSTFilterExpressionVyn& expression = filter->Expression();
    if (!field || expression.OperandKind == fokNone || expression.Operator1 == fopNone) return {};
    const AnsiString fieldName = UseOrigin && !field->Origin().empty() && filter->DataField().empty()
                                     ? field->Origin()
                                     : filter->FilterFieldName();
    TDataSet* dataSet = field->DataSet();
    AnsiString text;
    ConditionWriter(text, expression.Operator1, filter->FirstOperand(), fieldName, dataSet, DateLiteral, LikeWords);
    if (expression.Relation == fopAnd || expression.Relation == fopOr) {
        text += AnsiString(" ") + FilterOperatorSQLText[expression.Relation];
        ConditionWriter(text, expression.Operator2, filter->SecondOperand(), fieldName, dataSet, DateLiteral,
                        LikeWords);
    }
    if (expression.Relation == fopOr) text = "(" + text + ")";
    return text;
}

void LocalConditionText(AnsiString& Text, TFilterOperator Operator, const Variant& Operand,
                        const AnsiString& FieldName, TDataSet* DataSet, TDateLiteralFunc DateLiteral, bool LikeWords) {
    switch (Operator) {
        case fopIn:
        case fopNotIn: {
            // A NOT IN is the negation of the IN's disjunction.
            AnsiString list;
            ForEachValue(Operand, [&](const Variant& value) {
                list += "[" + FieldName + "] = " + LocalValueText(value, DataSet, DateLiteral) + " OR ";
            });
            Text += AnsiString(Operator == fopNotIn ? " NOT (" : " (") + DropTail(list, 4) + ")";
            return;
        }
        case fopLike:
        case fopNotLike:
            Text += " [" + FieldName;
            if (LikeWords)
                Text += Operator == fopLike ? "] Like " : "] Not Like ";
            else
                Text += Operator == fopLike ? "] = " : "] <> ";
            Text += LocalValueText(Operand, DataSet, DateLiteral);
            return;
        default:
            Text += " [" + FieldName + "] " + FilterOperatorSQLText[Operator];
            if (Operator != fopNull && Operator != fopNotNull)
                Text += " " + LocalValueText(Operand, DataSet, DateLiteral);
    }
}

AnsiString LocalValueText(const Variant& Value, TDataSet* DataSet, TDateLiteralFunc DateLiteral) {
    if (VarType(Value) == varDouble) return FloatToStr(Value.AsDouble());
    return ValueText(Value, DataSet, DateLiteral, [&] { return QuotedStr(VarToStr(Value)); });
}

void SQLConditionText(AnsiString& Text, TFilterOperator Operator, const Variant& Operand, const AnsiString& FieldName,
                      TDataSet* DataSet, TDateLiteralFunc DateLiteral, bool) {
    if (Operator == fopIn || Operator == fopNotIn) {
        AnsiString list;
        ForEachValue(Operand, [&](const Variant& value) { list += SQLValueText(value, DataSet, DateLiteral) + ","; });
        Text += " " + FieldName + (Operator == fopNotIn ? " NOT" : "") + " IN (" + DropTail(list, 1) + ")";
        return;
    }
    Text += " " + FieldName + " " + FilterOperatorSQLText[Operator];
    if (Operator != fopNull && Operator != fopNotNull) Text += " " + SQLValueText(Operand, DataSet, DateLiteral);
}

AnsiString SQLValueText(const Variant& Value, TDataSet* DataSet, TDateLiteralFunc DateLiteral) {
    if (VarType(Value) == varDouble) {
        ValueRestorer<char> separator(DecimalSeparator, '.');
        return FloatToStr(Value.AsDouble());
    }
    return ValueText(Value, DataSet, DateLiteral, [&] { return QuotedStr(VarToStr(Value)); });
}

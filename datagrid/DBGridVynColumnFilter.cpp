// A column's filter cell: its text, the parsed condition behind it, the
// keys chosen from a list source, and how a parsed condition reads as text.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynFilterEdit.h"
#include "datagrid/DbUtilsVynFilterParser.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"

const std::array<const char*, 16> FilterOperatorDisplayText{
    "", "=", "<>", ">", "<", ">=", "<=", "~", "!~", "In", "!In", "Null", "Null", "AND", "OR", ""};

namespace {

template <class Write>
void ForEachOperandValue(const Variant& operand, Write write) {
    if (!VarIsArray(operand)) {
        write(operand);
        return;
    }
    for (int i = VarArrayLowBound(operand, 1); i <= VarArrayHighBound(operand, 1); ++i)
        write(VarArrayGet(operand, {i}));
}

}  // namespace

AnsiString FilterValueDisplayText(const Variant& value) {
    if (VarIsType(value, varDouble)) return FloatToStr(value.AsDouble());
    if (VarIsType(value, varDate)) return DateToStr(VarToDateTime(value));
    return "'" + VarToStr(value) + "'";
}

AnsiString FilterOperandListText(const Variant& operand) {
    if (!VarIsArray(operand)) return VarToStr(operand);
    AnsiString text;
    ForEachOperandValue(operand, [&](const Variant& value) {
        if (!text.empty()) text += ",";
        text += "'" + VarToStr(value) + "'";
    });
    return text;
}

AnsiString FilterConditionDisplayText(TFilterOperator op, const Variant& operand) {
    const AnsiString name = FilterOperatorDisplayText[op];
    switch (op) {
        case fopNull: return "=" + name;
        case fopNotNull: return "<>" + name;
        case fopIn:
        case fopNotIn: {
            AnsiString values;
            ForEachOperandValue(operand, [&](const Variant& value) { values += FilterValueDisplayText(value) + ","; });
            if (!values.empty()) values.pop_back();
            return name + " (" + values + ")";
        }
        default: return name + " " + FilterValueDisplayText(operand);
    }
}

// ---- The grid's filter row ----------------------------------------------------------------------

void TSTDBGridVynFilter::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (!v) grid_->StopFilterEdit();
    grid_->RequestLayout();
    if (grid_->EditorMode()) grid_->InvalidateEditor();
}

// ---- A column's filter ----------------------------------------------------------------------------

TSTColumnFilterVyn::TSTColumnFilterVyn(TColumnVyn* column)
    : column_(column), listLink_(std::make_unique<TDataLink>()) {}

TSTColumnFilterVyn::~TSTColumnFilterVyn() = default;

TPersistent* TSTColumnFilterVyn::GetOwner() const { return column_; }

TDataSource* TSTColumnFilterVyn::ListSource() const { return listLink_->DataSource(); }

void TSTColumnFilterVyn::SetListSource(TDataSource* v) { listLink_->SetDataSource(v); }

void TSTColumnFilterVyn::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    column_->NotifyChanged(false);
}

AnsiString TSTColumnFilterVyn::FilterFieldName() const {
    if (ListSource() || !dataField_.empty()) return dataField_;
    return column_->FieldName();
}

Variant TSTColumnFilterVyn::FirstOperand() const { return keyField_.empty() ? expression_.Operand1 : keyValues_; }

void TSTColumnFilterVyn::ParseWithFieldKind(const AnsiString& text) {
    if (TField* field = column_->BoundField()) expression_.OperandKind = FieldTypeOperandKind(field->DataType());
    ParseFilterText(text, expression_);
}

void TSTColumnFilterVyn::KeepExpressionText(const AnsiString& text) {
    ParseWithFieldKind(text);
    expressionText_ = text;
}

void TSTColumnFilterVyn::ApplyExpressionText(const AnsiString& text) {
    KeepExpressionText(text);
    TCustomDBGridVyn* grid = column_->OwnerGrid();
    if (!grid) return;
    grid->Invalidate();
    if (grid->FilterEditor() && grid->FilterEditor()->Visible()) grid->ShowFilterEditor(true);
}

void TSTColumnFilterVyn::AssignExpression(const TSTFilterExpressionVyn& expression) {
    expression_ = expression;
    expressionText_ = ExpressionDisplayText();
}

void TSTColumnFilterVyn::AssignKeyValues(const AnsiString& text, const Variant& keyValues) {
    ApplyExpressionText(AnsiString());
    if (VarIsNull(keyValues)) {
        keyValues_ = Null();
        return;
    }
    TSTFilterExpressionVyn expression;
    expression.OperandKind = fokString;
    expression.Operator1 = fopIn;
    expression.Operand1 = text;
    AssignExpression(expression);
    keyValues_ = keyValues;
}

AnsiString TSTColumnFilterVyn::ExpressionDisplayText() const {
    if (expression_.OperandKind == fokNone || expression_.Operator1 == fopNone) return {};
    if (ListSource()) return FilterOperandListText(expression_.Operand1);
    AnsiString text = FilterConditionDisplayText(expression_.Operator1, expression_.Operand1);
    if (expression_.Relation == fopAnd || expression_.Relation == fopOr)
        text += AnsiString(" ") + FilterOperatorDisplayText[expression_.Relation] + " " +
                FilterConditionDisplayText(expression_.Operator2, expression_.Operand2);
    return text;
}

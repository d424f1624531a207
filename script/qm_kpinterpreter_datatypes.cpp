// The fresh values of declared types.
#include "script/qm_kpinterpreter_datatypes.h"

#include "script/qm_kpinterpreter_arrays.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreter_values.h"

void TKpInterpreterRecordDataType::NewValue(Variant& value) const { value = NewRecordValue(record_); }

TKpInterpreterArrayDataType::TKpInterpreterArrayDataType(int dimCount, const std::array<int, 10>& lowBounds,
                                                         const std::array<int, 10>& highBounds, TVarType elemType,
                                                         TKpDataTypePtr elemDataType)
    : dimCount_(dimCount),
      lowBounds_(lowBounds),
      highBounds_(highBounds),
      elemType_(elemType),
      elemDataType_(std::move(elemDataType)) {}

void TKpInterpreterArrayDataType::NewValue(Variant& value) const {
    value = ArrayToVariant(NewScriptArray(dimCount_, lowBounds_.data(), highBounds_.data(), elemDataType_, elemType_));
}

TVarType TKpInterpreterArrayDataType::ValueType() const { return ArrayVarType(); }

void TKpInterpreterSimpleDataType::NewValue(Variant& value) const { value = ConvertToType(Variant(), type_); }

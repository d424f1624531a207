// Script arrays and their one-dimensional operations.
#include "script/qm_kpinterpreter_arrays.h"

#include "platform/rtl/exceptions.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

const char* const dynamicArraysText = "Sorry. Dynamic arrays support is made for one-dimensional arrays only.";
const char* const oneDimensionText = "Sorry. For one-dimensional arrays only.";
const char* const oneDimensionTextUnspaced = "Sorry.For one-dimensional arrays only.";

Variant NewElement(const TKpInterpreterArrayRec& array) {
    Variant value;
    if (array.ElemType == 0) {
        if (array.ElemDataType) array.ElemDataType->NewValue(value);
    } else if (array.ElemType == ObjectVarType()) {
        value = ObjectToVariant(nullptr);
    } else if (array.ElemType == varString) {
        value = AnsiString();
    } else if (TypeSize(array.ElemType) > 0 || array.ElemType == varBoolean) {
        value = VarAsType(Variant(0), array.ElemType);
    }
    return value;
}

void StoreElement(const TKpInterpreterArrayRec& array, Variant& element, const Variant& value) {
    const TVarType type = array.ElemType;
    if (type == ObjectVarType()) element = ObjectToVariant(VariantToObject(value));
    else if (type == 0 || (TypeSize(type) == 0 && type != varBoolean && type != varString))
        AssignScriptValue(element, value);
    else if (value.VarType() == varEmpty || value.VarType() == varNull)
        element = NewElement(array);
    else
        element = ConvertToType(value, type);
}

TKpInterpreterArrayRec& OneDimensional(const Variant& value, const char* text) {
    TKpInterpreterArrayRec* array = VariantToArray(value);
    if (!array) RaiseScriptError(176, -1);
    if (array->DimCount != 1) throw Exception(text);
    return *array;
}

void CheckIndex(const TKpInterpreterArrayRec& array, int index) {
    if (index < array.LowBound[0] || index > array.HighBound[0]) RaiseScriptError(171, -1);
}

void Recount(TKpInterpreterArrayRec& array) { array.ElemCount = int(array.Elements.size()); }

TVarRec OpenArrayConstant(const Variant& value) {
    switch (value.VarType()) {
        case varSmallint:
        case varInteger:
        case varShortInt:
        case varByte:
        case varWord: return TVarRec(value.AsInteger());
        case varLongWord:
        case varInt64: return TVarRec(static_cast<long long>(value.AsInt64()));
        case varSingle:
        case varDouble:
        case varCurrency: return TVarRec(value.AsDouble());
        case varBoolean: return TVarRec(value.AsBoolean());
        default:
            if (value.VarType() == ObjectVarType()) return TVarRec(static_cast<const void*>(VariantToObject(value)));
            return TVarRec(VarToStr(value));
    }
}

}  // namespace

int ArrayElementCount(int dimCount, const int* lowBounds, const int* highBounds) {
    int count = 1;
    for (int d = 0; d < dimCount; ++d) count *= highBounds[d] - lowBounds[d] + 1;
    return count;
}

std::shared_ptr<TKpInterpreterArrayRec> NewScriptArray(int dimCount, const int* lowBounds, const int* highBounds,
                                                       TKpDataTypePtr elemDataType, TVarType elemType) {
    if (dimCount < 1 || dimCount > MaxArrayDims) RaiseScriptError(174, -1);
    const bool emptyDynamic = dimCount == 1 && lowBounds[0] == 0 && highBounds[0] == -1;
    for (int d = 0; d < dimCount && !emptyDynamic; ++d)
        if (highBounds[d] < lowBounds[d]) RaiseScriptError(175, -1);
    auto array = std::make_shared<TKpInterpreterArrayRec>();
    array->DimCount = dimCount;
    for (int d = 0; d < dimCount; ++d) {
        array->LowBound[std::size_t(d)] = lowBounds[d];
        array->HighBound[std::size_t(d)] = highBounds[d];
    }
    array->ElemType = elemType;
    array->ElemDataType = std::move(elemDataType);
    array->ElemBytes = elemType == varString ? 0 : TypeSize(elemType);
    array->ElemCount = ArrayElementCount(dimCount, lowBounds, highBounds);
    array->Elements.reserve(std::size_t(array->ElemCount));
    for (int i = 0; i < array->ElemCount; ++i) array->Elements.push_back(NewElement(*array));
    return array;
}

// A one-dimensional index is checked here too: an element outside the
// array has no storage to read or write.
int ArrayElementIndex(const TKpInterpreterArrayRec& array, const int* indices) {
    int number = 0;
    int stride = 1;
    for (int d = 0; d < array.DimCount; ++d) {
        const int low = array.LowBound[std::size_t(d)];
        const int high = array.HighBound[std::size_t(d)];
        if (indices[d] < low || indices[d] > high) RaiseScriptError(171, -1);
        number += (indices[d] - low) * stride;
        stride *= high - low + 1;
    }
    return number;
}

Variant GetArrayElement(const TKpInterpreterArrayRec& array, const int* indices) {
    return array.Elements[std::size_t(ArrayElementIndex(array, indices))];
}

void SetArrayElement(TKpInterpreterArrayRec& array, const int* indices, const Variant& value) {
    StoreElement(array, array.Elements[std::size_t(ArrayElementIndex(array, indices))], value);
}

void ArraySetLength(const Variant& value, int newLength) {
    TKpInterpreterArrayRec& array = OneDimensional(value, dynamicArraysText);
    const std::size_t length = std::size_t(std::max(newLength, 0));
    array.Elements.resize(std::min(length, array.Elements.size()));
    while (array.Elements.size() < length) array.Elements.push_back(NewElement(array));
    array.HighBound[0] = array.LowBound[0] + int(length) - 1;
    Recount(array);
}

int ArrayLength(const Variant& value) { return OneDimensional(value, oneDimensionText).ElemCount; }

int ArrayLow(const Variant& value) { return OneDimensional(value, oneDimensionText).LowBound[0]; }

int ArrayHigh(const Variant& value) { return OneDimensional(value, oneDimensionText).HighBound[0]; }

void ArrayDelete(const Variant& value, int index) {
    TKpInterpreterArrayRec& array = OneDimensional(value, oneDimensionText);
    CheckIndex(array, index);
    array.Elements.erase(array.Elements.begin() + (index - array.LowBound[0]));
    --array.HighBound[0];
    Recount(array);
}

void ArrayInsert(const Variant& value, int index, const Variant& element) {
    TKpInterpreterArrayRec& array = OneDimensional(value, oneDimensionTextUnspaced);
    CheckIndex(array, index);
    const auto at = array.Elements.insert(array.Elements.begin() + (index - array.LowBound[0]), NewElement(array));
    ++array.HighBound[0];
    Recount(array);
    StoreElement(array, *at, element);
}

int ArrayToOpenArray(const Variant& value, std::vector<TVarRec>& constants) {
    constants.clear();
    if (VariantToArray(value)) {
        for (const Variant& element : OneDimensional(value, oneDimensionTextUnspaced).Elements)
            constants.push_back(OpenArrayConstant(element));
    } else if (VarIsArray(value) && VarArrayDimCount(value) == 1) {
        for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i)
            constants.push_back(OpenArrayConstant(VarArrayGet(value, {i})));
    }
    return int(constants.size());
}

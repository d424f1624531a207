// Indexing: characters of strings, elements of interpreter arrays and of
// Variant arrays, and the default indexed property of objects.
#include <vector>

#include "platform/rtl/exceptions.h"
#include "script/qm_kpinterpreter_arrays.h"
#include "script/qm_kpinterpreter_expression.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

std::vector<int> Indices(const TKpInterpreterArgs& args) {
    std::vector<int> indices;
    for (int i = 0; i < args.ArgCount; ++i) indices.push_back(args.ArgValues[std::size_t(i)].AsInteger());
    return indices;
}

void CheckCount(std::size_t given, int dimensions) {
    if (int(given) > dimensions) RaiseScriptError(172, -1);
    if (int(given) < dimensions) RaiseScriptError(173, -1);
}

// A character outside the text has no storage: reading and writing it is
// a range error, as the platform's range checks report it.
std::size_t CharacterIndex(const AnsiString& text, const std::vector<int>& indices) {
    if (indices.size() > 1) RaiseScriptError(172, -1);
    if (indices[0] < 1 || std::size_t(indices[0]) > text.size()) throw ERangeError("range check error");
    return std::size_t(indices[0] - 1);
}

void CheckVariantArray(const Variant& array, const std::vector<int>& indices) {
    const int dimensions = VarArrayDimCount(array);
    CheckCount(indices.size(), dimensions);
    for (int d = 0; d < dimensions; ++d)
        if (indices[std::size_t(d)] < VarArrayLowBound(array, d + 1) ||
            indices[std::size_t(d)] > VarArrayHighBound(array, d + 1))
            RaiseScriptError(171, -1);
}

}  // namespace

bool TKpInterpreterExpression::GetElement(const Variant& container, Variant& value, TKpInterpreterArgs& args) {
    if (args.ArgCount == 0) return false;
    const TVarType type = container.VarType();
    // An object's default property takes its indexes as they are (a
    // dataset's field names); only texts and arrays take numbers.
    if (type == ObjectVarType() || type == ClassVarType())
        return OwnAdapter().GetDefaultIndexed(this, container, args, value) ||
               (GlobalAdapter() && GlobalAdapter()->GetDefaultIndexed(this, container, args, value));
    const std::vector<int> indices = Indices(args);
    if (type == varString) {
        const AnsiString text = container.AsString();
        value = AnsiString(1, text[CharacterIndex(text, indices)]);
        return true;
    }
    if (const TKpInterpreterArrayRec* array = VariantToArray(container)) {
        CheckCount(indices.size(), array->DimCount);
        value = GetArrayElement(*array, indices.data());
        return true;
    }
    if (!VarIsArray(container)) RaiseScriptError(176, Position());
    CheckVariantArray(container, indices);
    value = VarArrayGet(container, indices);
    return true;
}

bool TKpInterpreterExpression::SetElement(Variant& container, const Variant& value, TKpInterpreterArgs& args) {
    if (args.ArgCount == 0) return false;
    const TVarType type = container.VarType();
    if (type == ObjectVarType() || type == ClassVarType())
        return OwnAdapter().SetDefaultIndexed(this, container, args, value) ||
               (GlobalAdapter() && GlobalAdapter()->SetDefaultIndexed(this, container, args, value));
    const std::vector<int> indices = Indices(args);
    if (type == varString) {
        AnsiString text = container.AsString();
        const AnsiString replacement = VarToStr(value);
        text[CharacterIndex(text, indices)] = replacement.empty() ? '\0' : replacement[0];
        container = text;
        return true;
    }
    if (TKpInterpreterArrayRec* array = VariantToArray(container)) {
        CheckCount(indices.size(), array->DimCount);
        SetArrayElement(*array, indices.data(), value);
        return true;
    }
    if (!VarIsArray(container)) RaiseScriptError(176, Position());
    CheckVariantArray(container, indices);
    VarArrayPut(container, value, indices);
    return true;
}

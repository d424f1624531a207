// Variant arrays: N dimensions with their own bounds, elements of one type
// (or of any type for varVariant), value semantics through copy on write.
#include <memory>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/variant_rules.h"

namespace {

using ArrayData = VariantAccess::ArrayData;

[[noreturn]] void RaiseCreateError() { throw EVariantArrayCreateError("Error creating variant or safe array"); }
[[noreturn]] void RaiseBadIndex() { throw EVariantBadIndexError("Variant or safe array index out of bounds"); }
[[noreturn]] void RaiseNotArray() { throw EVariantNotAnArrayError("Variant is not an array"); }

// The element types an array can hold: the automation types, not varString.
bool IsElementType(TVarType type) {
    switch (type) {
        case varSmallint:
        case varInteger:
        case varSingle:
        case varDouble:
        case varCurrency:
        case varDate:
        case varOleStr:
        case varDispatch:
        case varError:
        case varBoolean:
        case varVariant:
        case varUnknown:
        case varShortInt:
        case varByte:
        case varWord:
        case varLongWord:
        case varInt64: return true;
        default: return false;
    }
}

// What a fresh element holds: zero, False, an empty string, or Unassigned.
Variant BlankElement(TVarType type) {
    switch (type) {
        case varVariant:
        case varDispatch:
        case varUnknown: return Unassigned();
        case varError: return VarAsError(0);
        default: return VarAsType(Unassigned(), type);
    }
}

const ArrayData& ArrayOf(const Variant& a) {
    if (!VarIsArray(a)) RaiseNotArray();
    return *std::get<std::shared_ptr<ArrayData>>(VariantAccess::Value(a));
}

std::size_t ElementCount(const std::vector<std::pair<int, int>>& bounds) {
    std::size_t count = 1;
    for (auto [low, high] : bounds)
        if (__builtin_mul_overflow(count, std::size_t(Int64(high) - low + 1), &count)) RaiseCreateError();
    return count;
}

std::size_t Offset(const ArrayData& data, std::span<const int> indices) {
    if (indices.size() != data.bounds.size()) RaiseBadIndex();
    std::size_t offset = 0, stride = 1;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        auto [low, high] = data.bounds[i];
        if (indices[i] < low || indices[i] > high) RaiseBadIndex();
        offset += std::size_t(indices[i] - low) * stride;
        stride *= std::size_t(high - low + 1);
    }
    return offset;
}

const std::pair<int, int>& Dimension(const Variant& a, int dim) {
    const ArrayData& data = ArrayOf(a);
    if (dim < 1 || std::size_t(dim) > data.bounds.size()) RaiseBadIndex();
    return data.bounds[std::size_t(dim) - 1];
}

}  // namespace

Variant::ArrayData& Variant::MutableArray() {
    if (!VarIsArray(*this)) RaiseNotArray();
    auto& data = std::get<std::shared_ptr<ArrayData>>(value_);
    if (data.use_count() > 1) data = std::make_shared<ArrayData>(*data);
    return *data;
}

Variant Variant::GetElement(std::span<const int> indices) const { return VarArrayGet(*this, indices); }

void Variant::PutElement(std::span<const int> indices, const Variant& value) { VarArrayPut(*this, value, indices); }

Variant VarArrayCreate(std::initializer_list<int> bounds, TVarType elementType) {
    return VarArrayCreate(std::span(bounds), elementType);
}

Variant VarArrayCreate(std::span<const int> bounds, TVarType elementType) {
    if (bounds.empty() || bounds.size() % 2 != 0 || !IsElementType(elementType)) RaiseCreateError();
    auto data = std::make_shared<ArrayData>();
    data->elementType = elementType;
    for (std::size_t i = 0; i < bounds.size(); i += 2) {
        if (Int64(bounds[i + 1]) < Int64(bounds[i]) - 1) RaiseCreateError();
        data->bounds.emplace_back(bounds[i], bounds[i + 1]);
    }
    data->elements.assign(ElementCount(data->bounds), BlankElement(elementType));
    return VariantAccess::Make(TVarType(varArray | elementType), std::move(data));
}

Variant VarArrayOf(std::initializer_list<Variant> values) { return VarArrayOf(std::span(values)); }

Variant VarArrayOf(std::span<const Variant> values) {
    Variant a = VarArrayCreate({0, int(values.size()) - 1}, varVariant);
    std::copy(values.begin(), values.end(), VariantAccess::MutableArray(a).elements.begin());
    return a;
}

int VarArrayDimCount(const Variant& a) { return VarIsArray(a) ? int(ArrayOf(a).bounds.size()) : 0; }

int VarArrayLowBound(const Variant& a, int dim) { return Dimension(a, dim).first; }

int VarArrayHighBound(const Variant& a, int dim) { return Dimension(a, dim).second; }

void VarArrayRedim(Variant& a, int highBound) {
    ArrayData& data = VariantAccess::MutableArray(a);
    auto& last = data.bounds.back();
    if (Int64(highBound) < Int64(last.first) - 1) RaiseCreateError();
    last.second = highBound;
    data.elements.resize(ElementCount(data.bounds), BlankElement(data.elementType));
}

Variant VarArrayGet(const Variant& a, std::span<const int> indices) {
    const ArrayData& data = ArrayOf(a);
    return data.elements[Offset(data, indices)];
}

void VarArrayPut(Variant& a, const Variant& value, std::span<const int> indices) {
    TVarType elementType = ArrayOf(a).elementType;
    // Converted (and so copied) before the array is touched: a value that is
    // this very array then stays a separate copy, never a cycle.
    Variant stored = elementType == varVariant ? value : VarAsType(value, elementType);
    ArrayData& data = VariantAccess::MutableArray(a);
    data.elements[Offset(data, indices)] = std::move(stored);
}

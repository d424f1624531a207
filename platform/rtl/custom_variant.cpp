// The registry of custom variant types and their default operations.
#include "platform/rtl/custom_variant.h"

#include <array>
#include <atomic>
#include <mutex>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/variant_rules.h"

namespace {

constexpr std::size_t kSlotCount = varTypeMask - CFirstUserType + 1;

// Every copy and destruction of a custom value looks its type up, so the
// look-up reads an atomic slot without a lock; only registration locks.
struct Registry {
    std::mutex mutex;
    TVarType nextCode = CFirstUserType;
    std::array<std::atomic<TCustomVariantType*>, kSlotCount> slots{};
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

TCustomVariantType::TCustomVariantType(AnsiString name) : name_(std::move(name)) {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    if (r.nextCode > varTypeMask) throw EVariantError("Too many custom variant types have been registered");
    varType_ = r.nextCode++;
    r.slots[varType_ - CFirstUserType].store(this);
}

TCustomVariantType::~TCustomVariantType() {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    r.slots[varType_ - CFirstUserType].store(nullptr);
}

Variant TCustomVariantType::MakeValue(std::any data) const {
    return VariantAccess::Make(varType_, VariantAccess::Storage(std::in_place_type<std::any>, std::move(data)));
}

std::any TCustomVariantType::Copy(const std::any& source) const { return source; }

void TCustomVariantType::Clear(std::any&) const {}

bool TCustomVariantType::IsClear(const Variant& value) const {
    return !value.CustomWord() && !value.CustomData().has_value();
}

Variant TCustomVariantType::Cast(const Variant& source) const { VarCastError(source.VarType(), varType_); }

Variant TCustomVariantType::CastTo(const Variant& source, TVarType target) const {
    if (target == varString) return Variant(ToString(source));
    if (target == varOleStr) return Variant(AnsiToWide(ToString(source)));
    VarCastError(source.VarType(), target);
}

AnsiString TCustomVariantType::ToString(const Variant& value) const { VarCastError(value.VarType(), varString); }

Variant TCustomVariantType::BinaryOp(const Variant&, const Variant&, TVarOp) const { VarInvalidOp(); }

Variant TCustomVariantType::UnaryOp(const Variant&, TVarOp) const { VarInvalidOp(); }

TVarCompareResult TCustomVariantType::Compare(const Variant&, const Variant&) const { VarInvalidOp(); }

bool TCustomVariantType::CompareOp(const Variant& left, const Variant& right, TVarOp op) const {
    TVarCompareResult order = Compare(left, right);
    switch (op) {
        case opCmpEQ: return order == crEqual;
        case opCmpNE: return order != crEqual;
        case opCmpLT: return order == crLessThan;
        case opCmpLE: return order != crGreaterThan;
        case opCmpGT: return order == crGreaterThan;
        case opCmpGE: return order != crLessThan;
        default: VarInvalidOp();
    }
}

bool FindCustomVariantType(TVarType type, TCustomVariantType*& customType) {
    customType = variant_rules::CustomType(type);
    return customType != nullptr;
}

bool FindCustomVariantType(const AnsiString& name, TCustomVariantType*& customType) {
    Registry& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    for (TVarType code = CFirstUserType; code < r.nextCode; ++code) {
        TCustomVariantType* candidate = r.slots[code - CFirstUserType].load();
        if (candidate && SameText(candidate->Name(), name)) {
            customType = candidate;
            return true;
        }
    }
    customType = nullptr;
    return false;
}

namespace variant_rules {

TCustomVariantType* CustomType(TVarType type) {
    if (type < CFirstUserType || type > varTypeMask) return nullptr;
    return TheRegistry().slots[type - CFirstUserType].load();
}

TCustomVariantType& RequireCustomType(TVarType type) {
    TCustomVariantType* custom = CustomType(type);
    if (!custom) throw EVariantInvalidOpError("Invalid variant type");
    return *custom;
}

}  // namespace variant_rules

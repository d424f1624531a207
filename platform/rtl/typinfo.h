// Run-time type information: type descriptions, each class's table of
// published properties and methods, and the platform's look-ups by name.
// Streaming, the libraries' look-ups and the script bindings all use it.
//
// Publishing, one line per property (in the class body, SERVIORA_PUBLISHED):
//     void TFoo::Published(TPublished<TFoo>& p) {
//         p.Property("Caption", &TFoo::Caption, &TFoo::SetCaption);
//         p.Property("Enabled", &TFoo::Enabled, &TFoo::SetEnabled).Default(true);
//         p.Property("Color", &TFoo::Color, &TFoo::SetColor).TypeName("TColor");
//         p.Property("Font", &TFoo::Font, &TFoo::SetFont);          // owned object
//         p.Property("DataSource", &TFoo::DataSource, &TFoo::SetDataSource); // reference
//         p.Property("OnClick", &TFoo::OnClick, &TFoo::SetOnClick);
//         p.Method("Button1Click", &TFoo::Button1Click);           // a handler
//     }
// The kind follows the getter's type: bool, Integer, Int64, double, char,
// char16_t, AnsiString, WideString, an enumeration declared with
// SERVIORA_ENUM, TSet<E>, a pointer to a TObject class, TEvent<...>.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "platform/rtl/events.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/metaclass.h"
#include "platform/rtl/set.h"
#include "platform/rtl/types.h"
#include "platform/rtl/variant.h"

SERVIORA_EXCEPTION(EPropertyError, Exception);
SERVIORA_EXCEPTION(EPropertyConvertError, Exception);

enum TTypeKind {
    tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
    tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};

// A type as RTTI describes it. Booleans are the enumeration "Boolean" with
// the names False and True, as on the platform.
struct TTypeInfo {
    TTypeKind Kind = tkUnknown;
    AnsiString Name;
    std::vector<AnsiString> EnumNames;           // tkEnumeration
    const TTypeInfo* CompType = nullptr;         // tkSet: the element type
    TClass ClassType = nullptr;                  // tkClass
    const std::type_info* Signature = nullptr;   // tkMethod
};
using PTypeInfo = const TTypeInfo*;

// "" for a value outside the enumeration.
AnsiString GetEnumName(PTypeInfo type, int value);
// -1 for an unknown name; names compare without regard to ASCII case.
int GetEnumValue(PTypeInfo type, const AnsiString& name);
// Set <-> "[a,b]" text (brackets optional when reading). EPropertyConvertError
// for an unknown element name.
AnsiString SetToString(PTypeInfo setType, Int64 value, bool brackets = true);
Int64 StringToSet(PTypeInfo setType, const AnsiString& text);

PTypeInfo MakeEnumTypeInfo(const char* name, const char* commaSeparatedNames);

// SERVIORA_ENUM(TAlign, alNone, alTop, alBottom) declares the enumeration
// and its RTTI; SERVIORA_ENUM_INFO does only the latter for an existing one.
// Values must run 0, 1, 2, ... in the order named.
#define SERVIORA_ENUM_INFO(Type, ...)                                         \
    inline PTypeInfo EnumTypeInfo(Type) {                                     \
        static const PTypeInfo info = MakeEnumTypeInfo(#Type, #__VA_ARGS__);  \
        return info;                                                          \
    }
#define SERVIORA_ENUM(Type, ...)     \
    enum Type { __VA_ARGS__ };       \
    SERVIORA_ENUM_INFO(Type, __VA_ARGS__)

// The type description of a C++ type used by a published property.
template <class T, class = void>
struct TTypeInfoOf;

PTypeInfo BuiltinTypeInfo(TTypeKind kind, const char* name);
PTypeInfo BooleanTypeInfo();
PTypeInfo SetTypeInfo(PTypeInfo element);
PTypeInfo ClassTypeInfo(TClass cls);
PTypeInfo MethodTypeInfo(const std::type_info& signature, const char* name);

#define SERVIORA_BUILTIN_TYPEINFO(Type, TypeKind, Get_) \
    template <>                                         \
    struct TTypeInfoOf<Type> {                          \
        static constexpr TTypeKind kind = TypeKind;     \
        static PTypeInfo Get() { return Get_; }         \
    }
SERVIORA_BUILTIN_TYPEINFO(bool, tkEnumeration, BooleanTypeInfo());
SERVIORA_BUILTIN_TYPEINFO(Integer, tkInteger, BuiltinTypeInfo(tkInteger, "Integer"));
SERVIORA_BUILTIN_TYPEINFO(Cardinal, tkInteger, BuiltinTypeInfo(tkInteger, "Cardinal"));
SERVIORA_BUILTIN_TYPEINFO(Word, tkInteger, BuiltinTypeInfo(tkInteger, "Word"));
SERVIORA_BUILTIN_TYPEINFO(Byte, tkInteger, BuiltinTypeInfo(tkInteger, "Byte"));
SERVIORA_BUILTIN_TYPEINFO(Int64, tkInt64, BuiltinTypeInfo(tkInt64, "Int64"));
SERVIORA_BUILTIN_TYPEINFO(char, tkChar, BuiltinTypeInfo(tkChar, "Char"));
SERVIORA_BUILTIN_TYPEINFO(char16_t, tkWChar, BuiltinTypeInfo(tkWChar, "WideChar"));
SERVIORA_BUILTIN_TYPEINFO(double, tkFloat, BuiltinTypeInfo(tkFloat, "Double"));
SERVIORA_BUILTIN_TYPEINFO(AnsiString, tkLString, BuiltinTypeInfo(tkLString, "String"));
SERVIORA_BUILTIN_TYPEINFO(WideString, tkWString, BuiltinTypeInfo(tkWString, "WideString"));
SERVIORA_BUILTIN_TYPEINFO(Variant, tkVariant, BuiltinTypeInfo(tkVariant, "Variant"));
#undef SERVIORA_BUILTIN_TYPEINFO

template <class E>
struct TTypeInfoOf<E, std::enable_if_t<std::is_enum_v<E>>> {
    static constexpr TTypeKind kind = tkEnumeration;
    static PTypeInfo Get() { return EnumTypeInfo(E{}); }
};
template <class E>
struct TTypeInfoOf<TSet<E>> {
    static constexpr TTypeKind kind = tkSet;
    static PTypeInfo Get() { return SetTypeInfo(TTypeInfoOf<E>::Get()); }
};
template <class C>
struct TTypeInfoOf<C*, std::enable_if_t<std::is_base_of_v<TObject, C>>> {
    static constexpr TTypeKind kind = tkClass;
    static PTypeInfo Get() { return ClassTypeInfo(C::StaticClass()); }
};
template <class Sig>
struct TTypeInfoOf<TEvent<Sig>> {
    static constexpr TTypeKind kind = tkMethod;
    static PTypeInfo Get() { return MethodTypeInfo(typeid(Sig), EventTypeName<Sig>); }
};

// Reads and writes one property of an instance. Each accessor answers the
// operations of its kind; the others raise EPropertyConvertError.
class TPropAccessor {
public:
    virtual ~TPropAccessor() = default;
    virtual Int64 GetOrd(TObject* instance) const;
    virtual void SetOrd(TObject* instance, Int64 value) const;
    virtual double GetFloat(TObject* instance) const;
    virtual void SetFloat(TObject* instance, double value) const;
    virtual AnsiString GetStr(TObject* instance) const;
    virtual void SetStr(TObject* instance, const AnsiString& value) const;
    virtual WideString GetWideStr(TObject* instance) const;
    virtual void SetWideStr(TObject* instance, const WideString& value) const;
    virtual TObject* GetObject(TObject* instance) const;
    virtual void SetObject(TObject* instance, TObject* value) const;
    virtual TMethod GetMethod(TObject* instance) const;
    virtual void SetMethod(TObject* instance, const TMethod& value) const;
    virtual Variant GetVariant(TObject* instance) const;
    virtual void SetVariant(TObject* instance, const Variant& value) const;
    virtual bool Writable() const = 0;
};

class TPropInfo {
public:
    TPropInfo(AnsiString name, PTypeInfo type, std::unique_ptr<TPropAccessor> accessor);

    const AnsiString& Name() const { return name_; }
    PTypeInfo PropType() const { return type_; }
    TTypeKind Kind() const { return type_->Kind; }
    const TPropAccessor& Access() const { return *accessor_; }
    bool Writable() const { return accessor_->Writable(); }

    // The ordinal default: a value equal to it is not written.
    const std::optional<Int64>& Default() const { return default_; }
    // Whether the writer stores the property of this instance.
    bool IsStored(TObject* instance) const { return !stored_ || stored_(instance); }

    void SetDefault(std::optional<Int64> value) { default_ = value; }
    void SetStored(std::function<bool(TObject*)> predicate) { stored_ = std::move(predicate); }
    void SetPropType(PTypeInfo type) { type_ = type; }

private:
    AnsiString name_;
    PTypeInfo type_;
    std::unique_ptr<TPropAccessor> accessor_;
    std::optional<Int64> default_;
    std::function<bool(TObject*)> stored_;
};
using PPropInfo = const TPropInfo*;

// A published method: a handler a form description can name.
struct TPublishedMethod {
    AnsiString Name;
    std::function<TMethod(TObject* instance)> Bind;
};

// A published field: a member pointing at the owned component of that name,
// kept up to date by TComponent as components are named and removed.
struct TPublishedField {
    AnsiString Name;
    // The field's declared class; the reader finds component classes of a
    // form's description among these, as among the registered ones.
    TClass FieldClass;
    // Sets the field of owner to value, or to nullptr when value is nullptr
    // or not of the field's class.
    std::function<void(TObject* owner, TObject* value)> Set;
};

// One class's own published properties, methods and fields, in declaration order.
class TPropertyTable {
public:
    TPropInfo& Add(std::unique_ptr<TPropInfo> info);
    void AddMethod(TPublishedMethod method);
    void AddField(TPublishedField field);
    const std::vector<std::unique_ptr<TPropInfo>>& Properties() const { return properties_; }
    const std::vector<TPublishedMethod>& Methods() const { return methods_; }
    const std::vector<TPublishedField>& Fields() const { return fields_; }

private:
    std::vector<std::unique_ptr<TPropInfo>> properties_;
    std::vector<TPublishedMethod> methods_;
    std::vector<TPublishedField> fields_;
};

namespace typinfo_detail {

template <class C>
C* Cast(TObject* instance) {
    return static_cast<C*>(instance);
}

template <class V>
constexpr TTypeKind KindOf() {
    return TTypeInfoOf<V>::kind;
}

[[noreturn]] void RaiseReadOnly();
[[noreturn]] void RaiseWrongClass(TObject* value);

// The accessor of a property whose value type is V, read by Getter and
// written by Setter (nullptr_t for a read-only property).
template <class C, class V, class Getter, class Setter>
class TAccessorOf final : public TPropAccessor {
public:
    TAccessorOf(Getter getter, Setter setter) : getter_(getter), setter_(setter) {}

    bool Writable() const override { return !std::is_same_v<Setter, std::nullptr_t>; }

    Int64 GetOrd(TObject* instance) const override {
        if constexpr (IsOrdinal())
            return ToOrd(Get(instance));
        else
            return TPropAccessor::GetOrd(instance);
    }
    void SetOrd(TObject* instance, Int64 value) const override {
        if constexpr (IsOrdinal())
            Set(instance, FromOrd(value));
        else
            TPropAccessor::SetOrd(instance, value);
    }
    double GetFloat(TObject* instance) const override {
        if constexpr (std::is_floating_point_v<V>)
            return Get(instance);
        else
            return TPropAccessor::GetFloat(instance);
    }
    void SetFloat(TObject* instance, double value) const override {
        if constexpr (std::is_floating_point_v<V>)
            Set(instance, static_cast<V>(value));
        else
            TPropAccessor::SetFloat(instance, value);
    }
    AnsiString GetStr(TObject* instance) const override {
        if constexpr (std::is_same_v<V, AnsiString>)
            return Get(instance);
        else
            return TPropAccessor::GetStr(instance);
    }
    void SetStr(TObject* instance, const AnsiString& value) const override {
        if constexpr (std::is_same_v<V, AnsiString>)
            Set(instance, value);
        else
            TPropAccessor::SetStr(instance, value);
    }
    WideString GetWideStr(TObject* instance) const override {
        if constexpr (std::is_same_v<V, WideString>)
            return Get(instance);
        else
            return TPropAccessor::GetWideStr(instance);
    }
    void SetWideStr(TObject* instance, const WideString& value) const override {
        if constexpr (std::is_same_v<V, WideString>)
            Set(instance, value);
        else
            TPropAccessor::SetWideStr(instance, value);
    }
    TObject* GetObject(TObject* instance) const override {
        if constexpr (std::is_pointer_v<V>)
            return Get(instance);
        else
            return TPropAccessor::GetObject(instance);
    }
    void SetObject(TObject* instance, TObject* value) const override {
        if constexpr (std::is_pointer_v<V>) {
            using Target = std::remove_pointer_t<V>;
            Target* typed = value ? dynamic_cast<Target*>(value) : nullptr;
            if (value && !typed)
                RaiseWrongClass(value);
            Set(instance, typed);
        } else {
            TPropAccessor::SetObject(instance, value);
        }
    }
    TMethod GetMethod(TObject* instance) const override {
        if constexpr (KindOf<V>() == tkMethod)
            return Get(instance).ToMethod();
        else
            return TPropAccessor::GetMethod(instance);
    }
    void SetMethod(TObject* instance, const TMethod& value) const override {
        if constexpr (KindOf<V>() == tkMethod)
            Set(instance, V::FromMethod(value));
        else
            TPropAccessor::SetMethod(instance, value);
    }

    Variant GetVariant(TObject* instance) const override {
        if constexpr (std::is_same_v<V, Variant>)
            return Get(instance);
        else
            return TPropAccessor::GetVariant(instance);
    }
    void SetVariant(TObject* instance, const Variant& value) const override {
        if constexpr (std::is_same_v<V, Variant>)
            Set(instance, value);
        else
            TPropAccessor::SetVariant(instance, value);
    }

private:
    static constexpr bool IsOrdinal() {
        return std::is_integral_v<V> || std::is_enum_v<V> || KindOf<V>() == tkSet ||
               KindOf<V>() == tkEnumeration;
    }
    static Int64 ToOrd(const V& v) {
        if constexpr (KindOf<V>() == tkSet)
            return static_cast<Int64>(v.Bits());
        else
            return static_cast<Int64>(v);
    }
    static V FromOrd(Int64 v) {
        if constexpr (KindOf<V>() == tkSet)
            return V::FromBits(static_cast<std::uint64_t>(v));
        else
            return static_cast<V>(v);
    }
    V Get(TObject* instance) const { return std::invoke(getter_, Cast<C>(instance)); }
    template <class Arg>
    void Set(TObject* instance, Arg&& value) const {
        if constexpr (std::is_same_v<Setter, std::nullptr_t>)
            RaiseReadOnly();
        else
            std::invoke(setter_, Cast<C>(instance), std::forward<Arg>(value));
    }
    Getter getter_;
    Setter setter_;
};

}  // namespace typinfo_detail

// Refines a property just published: default, stored predicate, type name.
template <class C>
class TPropertyBuilder {
public:
    explicit TPropertyBuilder(TPropInfo& info) : info_(info) {}
    TPropertyBuilder& Default(Int64 value) {
        info_.SetDefault(value);
        return *this;
    }
    TPropertyBuilder& Stored(bool (C::*predicate)() const) {
        info_.SetStored([predicate](TObject* instance) { return (static_cast<C*>(instance)->*predicate)(); });
        return *this;
    }
    TPropertyBuilder& Stored(bool stored) {
        info_.SetStored([stored](TObject*) { return stored; });
        return *this;
    }
    // A named alias of the value type ("TColor" for an Integer property).
    TPropertyBuilder& TypeName(const char* name);

private:
    TPropInfo& info_;
};

PTypeInfo RenamedTypeInfo(PTypeInfo type, const char* name);

template <class C>
TPropertyBuilder<C>& TPropertyBuilder<C>::TypeName(const char* name) {
    info_.SetPropType(RenamedTypeInfo(info_.PropType(), name));
    return *this;
}

template <class C>
class TPublished {
public:
    explicit TPublished(TPropertyTable& table) : table_(table) {}

    // A read-write property; Getter and Setter are member functions (or any
    // callables taking C*).
    template <class Getter, class Setter>
    TPropertyBuilder<C> Property(const char* name, Getter getter, Setter setter) {
        using V = std::decay_t<std::invoke_result_t<Getter, C*>>;
        auto accessor = std::make_unique<typinfo_detail::TAccessorOf<C, V, Getter, Setter>>(getter, setter);
        auto info = std::make_unique<TPropInfo>(name, TTypeInfoOf<V>::Get(), std::move(accessor));
        return TPropertyBuilder<C>(table_.Add(std::move(info)));
    }
    template <class Getter>
    TPropertyBuilder<C> Property(const char* name, Getter getter) {
        return Property(name, getter, nullptr);
    }

    // A handler a form description may name; bound to the instance on use.
    template <class R, class M, class... Args>
        requires std::is_base_of_v<M, C>
    void Method(const char* name, R (M::*method)(Args...)) {
        AnsiString handler = name;
        table_.AddMethod({handler, [method, handler](TObject* instance) {
                              return TEvent<R(Args...)>(static_cast<C*>(instance), method, handler).ToMethod();
                          }});
    }

    // A member that points at the owned component of the same name
    // ("Button1"), set when the component is read or named.
    template <class F, class M>
        requires std::is_base_of_v<M, C> && std::is_base_of_v<TObject, F>
    void Field(const char* name, F* M::*field) {
        table_.AddField({name, F::StaticClass(), [field](TObject* owner, TObject* value) {
                             static_cast<C*>(owner)->*field = dynamic_cast<F*>(value);
                         }});
    }

private:
    TPropertyTable& table_;
};

// Look-ups along the class chain; names compare without regard to ASCII case.
PPropInfo GetPropInfo(TClass cls, const AnsiString& name);
PPropInfo GetPropInfo(const TObject* instance, const AnsiString& name);
bool IsPublishedProp(const TObject* instance, const AnsiString& name);
bool IsPublishedProp(TClass cls, const AnsiString& name);
// Ancestors' properties first, in declaration order; a property a class
// publishes again keeps its ancestor's place.
std::vector<PPropInfo> GetPropList(TClass cls);
std::vector<PPropInfo> GetPropList(const TObject* instance);
// The published method named so, bound to instance; unassigned if none.
TMethod MethodAddress(TObject* instance, const AnsiString& name);
// The published field of instance's class named so, or nullptr.
const TPublishedField* FieldAddress(const TObject* instance, const AnsiString& name);
// The class named so among the declared classes of instance's published
// fields, or nullptr.
TClass FieldClassNamed(const TObject* instance, const AnsiString& className);
// The name of the published method that method calls on instance, or "".
AnsiString MethodName(TObject* instance, const TMethod& method);

// By name: EPropertyError "Unknown property: X" when instance has none.
Int64 GetOrdProp(TObject* instance, const AnsiString& name);
void SetOrdProp(TObject* instance, const AnsiString& name, Int64 value);
AnsiString GetStrProp(TObject* instance, const AnsiString& name);
void SetStrProp(TObject* instance, const AnsiString& name, const AnsiString& value);
WideString GetWideStrProp(TObject* instance, const AnsiString& name);
void SetWideStrProp(TObject* instance, const AnsiString& name, const WideString& value);
double GetFloatProp(TObject* instance, const AnsiString& name);
void SetFloatProp(TObject* instance, const AnsiString& name, double value);
TObject* GetObjectProp(TObject* instance, const AnsiString& name);
void SetObjectProp(TObject* instance, const AnsiString& name, TObject* value);
TMethod GetMethodProp(TObject* instance, const AnsiString& name);
void SetMethodProp(TObject* instance, const AnsiString& name, const TMethod& value);
Variant GetVariantProp(TObject* instance, const AnsiString& name);
void SetVariantProp(TObject* instance, const AnsiString& name, const Variant& value);
// Any property as a Variant, converted by its kind (enumerations as their
// ordinal, Booleans as Boolean, sets as their mask, objects as their
// address); SetPropValue converts back. Methods raise EPropertyConvertError.
Variant GetPropValue(TObject* instance, const AnsiString& name);
void SetPropValue(TObject* instance, const AnsiString& name, const Variant& value);
AnsiString GetEnumProp(TObject* instance, const AnsiString& name);
void SetEnumProp(TObject* instance, const AnsiString& name, const AnsiString& value);
AnsiString GetSetProp(TObject* instance, const AnsiString& name, bool brackets = false);
void SetSetProp(TObject* instance, const AnsiString& name, const AnsiString& value);

// The same on a property already looked up.
Int64 GetOrdProp(TObject* instance, PPropInfo prop);
void SetOrdProp(TObject* instance, PPropInfo prop, Int64 value);
AnsiString GetStrProp(TObject* instance, PPropInfo prop);
void SetStrProp(TObject* instance, PPropInfo prop, const AnsiString& value);

// Metaclasses: a class as a value ("class of T"), with its name, parent,
// published properties and, per hierarchy, the constructor that creates an
// instance by class.
//
// Declaring a class:
//     class TFoo : public TBar {
//         SERVIORA_CLASS(TFoo, TBar)
//         SERVIORA_PUBLISHED   // only when TFoo publishes properties
//     public:
//         ...
//     };
// Starting a hierarchy whose classes are created by class, with that
// hierarchy's constructor arguments:
//     class TComponent : public TPersistent {
//         SERVIORA_HIERARCHY(TComponent, TPersistent, TComponent* /*owner*/)
// and `using TComponentClass = const TComponent::MetaClassType*;`.
#pragma once

#include <concepts>
#include <cstddef>
#include <memory>
#include <mutex>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "platform/rtl/object.h"

class TPropertyTable;
class TMetaClass;
struct TTypeInfo;

// The class's own published properties and methods, built on first use.
using TPublishFunction = void (*)(TPropertyTable& table);

class TMetaClass {
public:
    TMetaClass(const char* name, TClass parent, const std::type_info& type, TPublishFunction publish,
               std::size_t instanceSize = 0);
    TMetaClass(const TMetaClass&) = delete;
    TMetaClass& operator=(const TMetaClass&) = delete;
    virtual ~TMetaClass();

    const AnsiString& ClassName() const { return name_; }
    TClass ClassParent() const { return parent_; }
    TClass ClassType() const { return this; }
    bool InheritsFrom(TClass ancestor) const;
    const std::type_info& TypeInfo() const { return type_; }
    // The size of an instance in bytes (the C++ object's size).
    std::size_t InstanceSize() const { return instanceSize_; }
    // The class as RTTI describes it: a type of kind tkClass.
    const TTypeInfo* ClassInfo() const;

    // The properties and methods this class itself publishes (not those of
    // its ancestors; typinfo.h walks the chain).
    const TPropertyTable& OwnProperties() const;

private:
    AnsiString name_;
    TClass parent_;
    const std::type_info& type_;
    TPublishFunction publish_;
    std::size_t instanceSize_;
    mutable std::once_flag classInfoBuilt_;
    mutable std::unique_ptr<TTypeInfo> classInfo_;
    mutable std::once_flag built_;
    mutable std::unique_ptr<TPropertyTable> table_;
};

// The metaclass type of a hierarchy rooted at Root whose instances are
// created by class with the arguments Args (the "virtual constructor").
template <class Root, class... Args>
class TClassOf : public TMetaClass {
public:
    using TMetaClass::TMetaClass;
    // Creates an instance of this very class. Ownership follows the
    // hierarchy's rules (a component belongs to its owner, an item to its
    // collection). Raises EInvalidOperation for an abstract class.
    virtual Root* Create(Args... args) const = 0;
    // Only constructs it: AfterConstruction is the caller's (CreateInstance).
    virtual Root* NewInstance(Args... args) const = 0;
};

[[noreturn]] void RaiseAbstractClass(const AnsiString& className);

// The one metaclass object of class T.
template <class T, class Meta = typename T::MetaClassType>
class TMetaClassOf final : public Meta {
public:
    using Meta::Meta;
};

template <class T, class Root, class... Args>
class TMetaClassOf<T, TClassOf<Root, Args...>> final : public TClassOf<Root, Args...> {
public:
    using TClassOf<Root, Args...>::TClassOf;
    Root* Create(Args... args) const override {
        if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, Args...>)
            return T::Create(std::forward<Args>(args)...);
        else
            RaiseAbstractClass(this->ClassName());
    }
    Root* NewInstance(Args... args) const override {
        if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, Args...>)
            return new T(std::forward<Args>(args)...);
        else
            RaiseAbstractClass(this->ClassName());
    }
};

// The function that fills T's own table, or nullptr when T publishes nothing
// of its own (then T::Published names an ancestor's function).
template <class T>
concept PublishesOwnTable = requires {
    { &T::Published } -> std::same_as<void (*)(TPublished<T>&)>;
};

template <class T>
TPublishFunction PublishFunctionOf() {
    if constexpr (PublishesOwnTable<T>)
        return [](TPropertyTable& table) {
            TPublished<T> published(table);
            T::Published(published);
        };
    else
        return nullptr;
}

#define SERVIORA_CLASS(Class, Parent)                                                                    \
public:                                                                                                  \
    using Inherited = Parent;                                                                            \
    using ThisClass = Class;                                                                             \
    static const MetaClassType* StaticClass() {                                                          \
        static const TMetaClassOf<Class> meta(#Class, Parent::StaticClass(), typeid(Class),              \
                                              PublishFunctionOf<Class>(), sizeof(Class));                \
        return &meta;                                                                                    \
    }                                                                                                    \
    const MetaClassType* ClassType() const override { return StaticClass(); }                           \
    /* Makes an instance and runs AfterConstruction; on failure the instance is freed. */               \
    template <class... CreateArgs>                                                                       \
    static Class* Create(CreateArgs&&... args) {                                                         \
        return CreateInstance(new Class(std::forward<CreateArgs>(args)...));                            \
    }                                                                                                    \
                                                                                                         \
private:

#define SERVIORA_HIERARCHY(Class, Parent, ...) \
public:                                        \
    using MetaClassType = TClassOf<Class __VA_OPT__(, ) __VA_ARGS__>; \
    SERVIORA_CLASS(Class, Parent)

// Declares the class's table of published properties and methods, defined
// as `void TFoo::Published(TPublished<TFoo>& p) { p.Property(...); ... }`.
#define SERVIORA_PUBLISHED   \
public:                      \
    static void Published(TPublished<ThisClass>& p); \
                             \
private:

// Runs AfterConstruction on a new instance; frees it (delete, so an owner
// forgets it) when that fails.
template <class T>
T* CreateInstance(T* instance) {
    try {
        instance->AfterConstruction();
    } catch (...) {
        delete instance;
        throw;
    }
    return instance;
}

// Interfaces a caller queries on an object are abstract classes.
template <class Interface>
bool Supports(TObject* object, Interface*& result) {
    result = dynamic_cast<Interface*>(object);
    return result != nullptr;
}
template <class Interface>
bool Supports(TObject* object) {
    return dynamic_cast<Interface*>(object) != nullptr;
}

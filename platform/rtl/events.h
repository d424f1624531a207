// Events: the platform's method pointers. A TEvent<Signature> is a typed
// callable with an identity of code and data, so two events compare equal
// when they call the same handler on the same object, and with the handler's
// name for form descriptions. TMethod is the untyped form that RTTI and the
// script bindings move between events of one signature.
#pragma once

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "platform/rtl/types.h"

class TObject;

// The "code" half of a method pointer's identity: which handler is called.
// For a bound member function it is the member pointer itself (bytes plus
// its type, so equal bytes of unrelated classes never collide); for any other
// callable it is the callable's type, the instance being the "data" half.
struct TMethodCode {
    const std::type_info* type = nullptr;
    std::array<unsigned char, 2 * sizeof(void*)> bytes{};

    bool IsNull() const { return type == nullptr; }
    friend bool operator==(const TMethodCode& a, const TMethodCode& b) {
        const bool sameType = a.type == b.type || (a.type && b.type && *a.type == *b.type);
        return sameType && a.bytes == b.bytes;
    }

    template <class MemberPointer>
    static TMethodCode Of(MemberPointer member) {
        static_assert(sizeof(MemberPointer) <= sizeof(bytes), "member pointer too large for TMethodCode");
        TMethodCode code;
        code.type = &typeid(MemberPointer);
        std::memcpy(code.bytes.data(), &member, sizeof(member));
        return code;
    }
    template <class Callable>
    static TMethodCode OfCallable() {
        TMethodCode code;
        code.type = &typeid(Callable);
        return code;
    }
};

// Untyped method pointer. Assigned when Code is set; equal when Code and Data
// are. The callable is kept type-erased together with the signature it was
// made for, so it can only come back as an event of that signature.
struct TMethod {
    const void* Data = nullptr;
    TMethodCode Code;
    AnsiString Name;
    std::shared_ptr<const void> Callable;
    const std::type_info* Signature = nullptr;

    bool Assigned() const { return !Code.IsNull(); }
    friend bool operator==(const TMethod& a, const TMethod& b) { return a.Code == b.Code && a.Data == b.Data; }
};

// Raised when a TMethod is assigned to an event of another signature.
void RaiseEventSignatureMismatch(const AnsiString& handlerName);

// A name marker: a method that only names a handler, for form descriptions
// naming handlers no class publishes. Its identity is (marker, data); an
// event of any signature keeps it and does nothing when called.
TMethod MakeNameMarker(const void* marker, const void* data, AnsiString name);
bool IsNameMarker(const TMethod& method);
// The marker address a name marker was made with (nullptr for any other method).
const void* NameMarkerOf(const TMethod& method);

template <class Signature>
class TEvent;

template <class R, class... Args>
class TEvent<R(Args...)> {
public:
    using Signature = R(Args...);
    using Function = std::function<R(Args...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}

    // A member function bound to an object: identity = object + member.
    template <class C, class MemberFunction>
        requires(std::is_member_function_pointer_v<MemberFunction> &&
                 std::is_invocable_r_v<R, MemberFunction, C*, Args...>)
    TEvent(C* object, MemberFunction method, AnsiString name = {})
        : function_(std::make_shared<const Function>(
              [object, method](Args... args) -> R { return std::invoke(method, object, std::forward<Args>(args)...); })),
          data_(MostDerived(object)),
          code_(TMethodCode::Of(method)),
          name_(std::move(name)) {}

    // Any other callable: identity = this callable instance, shared by copies.
    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, TEvent> && !std::is_same_v<std::decay_t<F>, std::nullptr_t> &&
                 !std::is_same_v<std::decay_t<F>, TMethod> && std::is_invocable_r_v<R, std::decay_t<F>&, Args...>)
    TEvent(F&& callable, AnsiString name = {})
        : function_(std::make_shared<const Function>(std::forward<F>(callable))),
          data_(function_.get()),
          code_(TMethodCode::OfCallable<std::decay_t<F>>()),
          name_(std::move(name)) {}

    // Back from the untyped form; EConvertError for another signature.
    static TEvent FromMethod(const TMethod& method) {
        TEvent event;
        if (!method.Assigned())
            return event;
        if (IsNameMarker(method) && !method.Callable) {
            event.function_ = std::make_shared<const Function>([](Args...) -> R { return R(); });
            event.data_ = method.Data;
            event.code_ = method.Code;
            event.name_ = method.Name;
            return event;
        }
        if (!method.Signature || *method.Signature != typeid(Signature))
            RaiseEventSignatureMismatch(method.Name);
        event.function_ = std::static_pointer_cast<const Function>(method.Callable);
        event.data_ = method.Data;
        event.code_ = method.Code;
        event.name_ = method.Name;
        return event;
    }

    TMethod ToMethod() const {
        TMethod method;
        if (!function_)
            return method;
        method.Data = data_;
        method.Code = code_;
        method.Name = name_;
        method.Callable = function_;
        method.Signature = &typeid(Signature);
        return method;
    }

    // Calling an unassigned event does nothing and answers R{}.
    R operator()(Args... args) const {
        if (!function_)
            return R();
        return (*function_)(std::forward<Args>(args)...);
    }

    explicit operator bool() const { return function_ != nullptr; }
    bool Assigned() const { return function_ != nullptr; }

    friend bool operator==(const TEvent& a, const TEvent& b) { return a.code_ == b.code_ && a.data_ == b.data_; }
    friend bool operator==(const TEvent& a, std::nullptr_t) { return !a.function_; }

    // The handler's name as a form description spells it ("Button1Click").
    const AnsiString& Name() const { return name_; }
    void SetName(AnsiString name) { name_ = std::move(name); }

    const void* Data() const { return data_; }
    const TMethodCode& Code() const { return code_; }

private:
    // The same object seen through different bases has one identity.
    template <class C>
    static const void* MostDerived(C* object) {
        if constexpr (std::is_polymorphic_v<C>)
            return dynamic_cast<const void*>(object);
        else
            return static_cast<const void*>(object);
    }

    std::shared_ptr<const Function> function_;
    const void* data_ = nullptr;
    TMethodCode code_;
    AnsiString name_;
};

// The type name RTTI reports for an event property of a signature
// ("TNotifyEvent"). SERVIORA_EVENT_TYPE declares an event type with its
// name; a second type of the same signature names itself per property
// (TPropertyBuilder::TypeName).
template <class Signature>
inline constexpr const char* EventTypeName = "TMethod";

#define SERVIORA_EVENT_TYPE(Name, ...)                                   \
    using Name = TEvent<__VA_ARGS__>;                                    \
    template <>                                                          \
    inline constexpr const char* EventTypeName<__VA_ARGS__> = #Name

// An event type whose signature another library's type may share: it
// claims no name for the signature, so both can be used in one unit; its
// properties give their type name through TypeName.
#define SERVIORA_EVENT_TYPE_SHARED(Name, ...) using Name = TEvent<__VA_ARGS__>

SERVIORA_EVENT_TYPE(TNotifyEvent, void(TObject* Sender));
// Help requests: the command, its data, whether help should still be called.
SERVIORA_EVENT_TYPE(THelpEvent, bool(Word Command, Integer Data, bool& CallHelp));

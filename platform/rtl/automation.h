// Late-bound automation: objects that answer member names with ids and are
// called by id with Variant arguments, the programmatic-identifier factories
// that create them, and the table of running objects. No automation server
// exists on this platform, so both tables start empty: creating an object
// raises the platform's automation error unless a caller (a test, a future
// server of our own) has registered its identifier.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/ole2.h"
#include "platform/rtl/variant.h"

// The root of every interface a Variant can carry (varUnknown); copies of
// the Variant share the object.
class IInterface {
public:
    virtual ~IInterface() = default;
};

// An object counted by the references held to it: it lives in shared
// pointers (as IInterface or as itself), and RefCount answers how many
// hold it (0 before the first).
class TInterfacedObject : public TObject, public IInterface, public std::enable_shared_from_this<TInterfacedObject> {
    SERVIORA_CLASS(TInterfacedObject, TObject)
public:
    Integer RefCount() const { return Integer(weak_from_this().use_count()); }
};

SERVIORA_EXCEPTION(EOleError, Exception);
// A failure an OLE call reported, with its result code.
class EOleSysError : public EOleError {
    SERVIORA_CLASS(EOleSysError, EOleError)
public:
    using EOleError::EOleError;
    EOleSysError(AnsiString message, HRESULT errorCode) : EOleError(std::move(message)), errorCode_(errorCode) {}
    HRESULT ErrorCode() const { return errorCode_; }
    [[noreturn]] void ThrowCopy() const override { throw *this; }

private:
    HRESULT errorCode_ = 0;
};
// A failure reported by the automation object itself.
SERVIORA_EXCEPTION(EOleException, EOleSysError);

// Raises EOleSysError with the code and its message when the result reports
// a failure.
void OleCheck(HRESULT result);

using TDispID = Integer;

constexpr Word DISPATCH_METHOD = 1;
constexpr Word DISPATCH_PROPERTYGET = 2;
constexpr Word DISPATCH_PROPERTYPUT = 4;

// The arguments of one call in the caller's order, each with the type code
// it is passed as (varInteger, varDouble, varBoolean, varStrArg...).
struct TDispParams {
    std::vector<Variant> Args;
    std::vector<TVarType> ArgTypes;
    // The names of named arguments, which follow the positional ones: one
    // per trailing argument, empty for a call without any.
    std::vector<AnsiString> ArgNames;
};

class IAutomationObject : public IInterface {
public:
    // The id of a member name; false when the object has no such member.
    virtual bool GetIDsOfNames(const AnsiString& name, TDispID& id) = 0;
    // Calls member `id` as a method, property read or property write
    // (`flags`); `result` is null when the caller wants none. Failures are
    // raised as EOleException with the object's own message.
    virtual void Invoke(TDispID id, Word flags, const TDispParams& params, Variant* result) = 0;
};

using IAutomationObjectPtr = std::shared_ptr<IAutomationObject>;
using TAutomationFactory = std::function<IAutomationObjectPtr()>;

// Identifiers compare without regard to ASCII case.
void RegisterOleClass(const AnsiString& progId, TAutomationFactory factory);
void UnregisterOleClass(const AnsiString& progId);
void RegisterActiveObject(const AnsiString& progId, IAutomationObjectPtr object);
void RevokeActiveObject(const AnsiString& progId);

// A new object of the identifier's factory; EOleSysError "Invalid class
// string" for an unknown identifier.
IAutomationObjectPtr CreateOleObject(const AnsiString& progId);
// The running object of the identifier; EOleSysError "Operation
// unavailable" when none runs.
IAutomationObjectPtr GetActiveOleObject(const AnsiString& progId);
// The running object, else a new one.
IAutomationObjectPtr GetOleObject(const AnsiString& progId);

// A varDispatch Variant holding the object, and back: nullptr for a value
// that holds no automation object.
Variant DispatchToVariant(IAutomationObjectPtr object);
IAutomationObjectPtr VarToDispatch(const Variant& value);


// A late-bound call by member name on a Variant holding an automation
// object, as compiled code makes it: `namedArgs` are passed after `args`
// under their names. EOleError "Method 'name' not supported by OLE object"
// when the object lacks the member, EOleError "Variant does not reference
// an automation object" when the Variant holds none.
Variant OleInvoke(const Variant& object, const AnsiString& member, Word flags, const std::vector<Variant>& args = {},
                  const std::vector<std::pair<AnsiString, Variant>>& namedArgs = {});
inline Variant OleGet(const Variant& object, const AnsiString& member, const std::vector<Variant>& args = {}) {
    return OleInvoke(object, member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args);
}
inline Variant OleCall(const Variant& object, const AnsiString& member, const std::vector<Variant>& args = {},
                       const std::vector<std::pair<AnsiString, Variant>>& namedArgs = {}) {
    return OleInvoke(object, member, DISPATCH_METHOD, args, namedArgs);
}

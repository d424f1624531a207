// Exception and the platform's exception classes, thrown and caught as C++
// exceptions; resource strings by numeric id.
#pragma once

#include <exception>
#include <string>

#include "platform/rtl/format.h"
#include "platform/rtl/metaclass.h"
#include "platform/rtl/types.h"

// Resource strings: each library adds its table at start-up; LoadStr looks
// an id up and answers "" for an unknown id, as the platform does.
struct TResourceString {
    int id;
    const char* text;
};
void AddResourceStrings(std::initializer_list<TResourceString> table);
AnsiString LoadStr(int id);

// Selects the resource-string constructors of an exception class.
struct ResId {
    int id;
};

class Exception : public TObject, public std::exception {
    SERVIORA_CLASS(Exception, TObject)
public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}
    // CreateFmt (defined beside Format).
    Exception(const AnsiString& format, TVarRecs args);
    // CreateRes, and CreateResFmt (defined beside Format).
    explicit Exception(ResId id);
    Exception(ResId id, TVarRecs args);

    Exception(const Exception& other)
        : TObject(), std::exception(other), message_(other.message_), helpContext_(other.helpContext_) {}

    const AnsiString& Message() const { return message_; }
    void SetMessage(AnsiString message) {
        message_ = std::move(message);
        utf8_.clear();
    }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { helpContext_ = value; }

    // The message as UTF-8, so logs and test reports read it.
    const char* what() const noexcept override;

    // Throws a copy of this exception as its most derived class, so code
    // that holds an exception object (a script's raise) throws what a
    // `throw` of that class would. Every exception class overrides it
    // (SERVIORA_EXCEPTION does).
    [[noreturn]] virtual void ThrowCopy() const { throw *this; }

private:
    AnsiString message_;
    int helpContext_ = 0;
    mutable std::string utf8_;
};

// An exception class with its metaclass, so ClassName and InheritsFrom
// answer for it as for any class.
#define SERVIORA_EXCEPTION(Name, Base)                          \
    class Name : public Base {                                  \
        SERVIORA_CLASS(Name, Base)                              \
    public:                                                     \
        using Base::Base;                                       \
        [[noreturn]] void ThrowCopy() const override { throw *this; } \
    }

// Throws the heap exception `instance` as its own class and frees it.
[[noreturn]] void RaiseHeapException(Exception* instance);

SERVIORA_EXCEPTION(EAbort, Exception);
SERVIORA_EXCEPTION(EConvertError, Exception);
SERVIORA_EXCEPTION(EInOutError, Exception);
SERVIORA_EXCEPTION(EStreamError, Exception);
SERVIORA_EXCEPTION(EFCreateError, EStreamError);
SERVIORA_EXCEPTION(EFOpenError, EStreamError);
SERVIORA_EXCEPTION(EReadError, EStreamError);
SERVIORA_EXCEPTION(EWriteError, EStreamError);
SERVIORA_EXCEPTION(EListError, Exception);
SERVIORA_EXCEPTION(EStringListError, Exception);
SERVIORA_EXCEPTION(EVariantError, Exception);
SERVIORA_EXCEPTION(EVariantTypeCastError, EVariantError);
SERVIORA_EXCEPTION(EVariantOverflowError, EVariantError);
SERVIORA_EXCEPTION(EVariantInvalidOpError, EVariantError);
SERVIORA_EXCEPTION(EVariantInvalidArgError, EVariantError);
SERVIORA_EXCEPTION(EVariantBadIndexError, EVariantError);
SERVIORA_EXCEPTION(EVariantArrayLockedError, EVariantError);
SERVIORA_EXCEPTION(EVariantNotAnArrayError, EVariantError);
SERVIORA_EXCEPTION(EVariantArrayCreateError, EVariantError);
SERVIORA_EXCEPTION(EExternal, Exception);
SERVIORA_EXCEPTION(EIntError, EExternal);
SERVIORA_EXCEPTION(EDivByZero, EIntError);
SERVIORA_EXCEPTION(ERangeError, EIntError);
SERVIORA_EXCEPTION(EIntOverflow, EIntError);
SERVIORA_EXCEPTION(EMathError, EExternal);
SERVIORA_EXCEPTION(EInvalidOp, EMathError);
SERVIORA_EXCEPTION(EZeroDivide, EMathError);
SERVIORA_EXCEPTION(EOverflow, EMathError);
SERVIORA_EXCEPTION(EUnderflow, EMathError);
SERVIORA_EXCEPTION(EInvalidOperation, Exception);
SERVIORA_EXCEPTION(EInvalidCast, Exception);
SERVIORA_EXCEPTION(EInvalidPointer, Exception);
SERVIORA_EXCEPTION(EOutOfMemory, Exception);
SERVIORA_EXCEPTION(EOutOfResources, Exception);
SERVIORA_EXCEPTION(EDatabaseError, Exception);
SERVIORA_EXCEPTION(EOSError, Exception);
SERVIORA_EXCEPTION(EThread, Exception);
SERVIORA_EXCEPTION(EAccessViolation, EExternal);
SERVIORA_EXCEPTION(EPrivilege, EExternal);
SERVIORA_EXCEPTION(EControlC, EExternal);
SERVIORA_EXCEPTION(EExternalException, EExternal);
SERVIORA_EXCEPTION(EPropReadOnly, Exception);
SERVIORA_EXCEPTION(EPropWriteOnly, Exception);
SERVIORA_EXCEPTION(EAssertionFailed, Exception);
SERVIORA_EXCEPTION(EAbstractError, Exception);
SERVIORA_EXCEPTION(EIntfCastError, Exception);
SERVIORA_EXCEPTION(EInvalidContainer, Exception);
SERVIORA_EXCEPTION(EInvalidInsert, Exception);
// No packages exist on this platform: loading one always raises it.
SERVIORA_EXCEPTION(EPackageError, Exception);

// Ends the current operation silently: the application's handler shows
// nothing for EAbort.
[[noreturn]] void Abort();
// Raises EOutOfMemory.
[[noreturn]] void OutOfMemoryError();
// The exception being handled by the innermost active handler of the
// thread, or nullptr; ExceptAddr stands for where it was raised (this
// platform keeps no code addresses: the object's address, nullptr when
// none is handled).
Exception* ExceptObject();
void* ExceptAddr();
// The exception's class and message as one text, at most size - 1
// characters of it into buffer (zero-terminated); answers its length.
int ExceptionErrorMessage(TObject* exceptObject, void* exceptAddr, char* buffer, int size);

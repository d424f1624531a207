// The interpreter's error codes with their message texts, its one exception
// class and the routines that raise it.
#pragma once

#include "platform/rtl/exceptions.h"

// The text of a code; "" for a code the table does not know.
AnsiString ErrorText(int code);

class EKpInterpreterError : public Exception {
    SERVIORA_CLASS(EKpInterpreterError, Exception)
public:
    // The message is the code's text formatted with the two arguments. The
    // defaults make an interpreter's fresh error record.
    explicit EKpInterpreterError(int code = -1, int position = -1, AnsiString arg1 = {}, AnsiString arg2 = {});

    // Copies the message of any exception, and of an interpreter error also
    // its code, position, arguments and base message.
    void Assign(const Exception& source);
    [[noreturn]] void ThrowCopy() const override { throw *this; }

    // Forgets where the error happened (code and messages stay).
    void Reset();

    // Puts unit and line into the message: the position becomes
    // `currentPosition` when unknown, the unit `unitName` when unknown; with
    // a unit the line is counted in `source` and the message reads "Error in
    // unit 'U' on line N : base message". Nothing happens once located.
    void Locate(const AnsiString& unitName, int currentPosition, const AnsiString& source);
    // Takes over an error that is not the interpreter's own (a platform
    // error in a host call), unless this record is already located: code
    // 6, the foreign message, located as above.
    void TakeOverForeign(const AnsiString& message, const AnsiString& unitName, int currentPosition,
                         const AnsiString& source);

    bool Located = false;
    int Code = -1;
    int Position = -1;
    AnsiString Arg1;
    AnsiString Arg2;
    AnsiString UnitName;
    int Line = -1;
    AnsiString BaseMessage;
};

[[noreturn]] void RaiseScriptError(int code, int position);
[[noreturn]] void RaiseScriptError1(int code, int position, const AnsiString& arg1);
[[noreturn]] void RaiseScriptError2(int code, int position, const AnsiString& arg1, const AnsiString& arg2);
// Code 2 with "<what> not implemented".
[[noreturn]] void RaiseNotImplemented(const AnsiString& what);

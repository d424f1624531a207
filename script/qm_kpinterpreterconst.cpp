// Error texts, the interpreter exception and its locating rule.
#include "script/qm_kpinterpreterconst.h"

#include <array>

#include "script/qm_kpinterpreterparser.h"

namespace {

struct ErrorEntry {
    int code;
    const char* text;
};

// Texts are used exactly as the users' reports have always shown them.
constexpr std::array<ErrorEntry, 49> errorTable{{
    {0, "Ok"},
    {1, "Unknown error"},
    {2, "Internal interpreter error: %s"},
    {3, "User break"},
    {4, "Re-raising an exception only allowed in exception handler"},
    {5, "Error in unit '%s' on line %d : %s"},
    {6, "External error in unit '%s' on line %d : %s"},
    {7, "Access denied to '%s'"},
    {8, "Expression is too complex - overflow"},
    {31, "Record '%s' not defined"},
    {52, "Stack overflow"},
    {53, "Type mistmatch"},
    {55, "Function 'main' undefined"},
    {56, "Unit '%s' not found"},
    {57, "Event '%s' not registered"},
    {58, "Dfm '%s' not found"},
    {101, "Error in remark"},
    {103, "%s expected but %s found"},
    {104, "Undeclared Identifier '%s'"},
    {105, "Type of expression must be boolean"},
    {106, "Class type required"},
    {107, " not allowed before else"},
    {108, "Type of expression must be integer"},
    {109, "Record, object or class type required"},
    {110, "Missing operator or semicolon"},
    {111, "Identifier redeclared: '%s'"},
    {171, "Array index out of bounds"},
    {172, "Too many array bounds"},
    {173, "Not enough array bounds"},
    {174, "Invalid array dimension"},
    {175, "Invalid array range"},
    {176, "Array type required"},
    {181, "Too many actual parameters"},
    {182, "Not enough parameters"},
    {183, "Incompatible types: '%s' and '%s'"},
    {184, "Error loading library '%s'"},
    {185, "Invalid type of argument in call to function '%s'"},
    {186, "Invalid type of result in call to function '%s'"},
    {187, "Can't get proc address for function '%s'"},
    {188, "Invalid type of argument in call to function '%s'"},
    {189, "Invalid type of result in call to function '%s'"},
    {190, "Invalid call convention for function '%s'"},
    {201, "Calling '%s' failed: '%s'"},
    {301, "Expression"},
    {302, "Identifier"},
    {303, "Declaration"},
    {304, "End of File"},
    {305, "Class declaration"},
    {401, "Implementation of unit not found"},
}};

}  // namespace

AnsiString ErrorText(int code) {
    for (const ErrorEntry& entry : errorTable)
        if (entry.code == code) return entry.text;
    return AnsiString();
}

EKpInterpreterError::EKpInterpreterError(int code, int position, AnsiString arg1, AnsiString arg2)
    : Exception(Format(ErrorText(code), {arg1, arg2})),
      Code(code),
      Position(position),
      Arg1(std::move(arg1)),
      Arg2(std::move(arg2)),
      BaseMessage(Message()) {}

void EKpInterpreterError::Assign(const Exception& source) {
    SetMessage(source.Message());
    if (const auto* error = dynamic_cast<const EKpInterpreterError*>(&source)) {
        Code = error->Code;
        Position = error->Position;
        Arg1 = error->Arg1;
        Arg2 = error->Arg2;
        BaseMessage = error->BaseMessage;
    }
}

void EKpInterpreterError::Reset() {
    Located = false;
    Arg1.clear();
    Arg2.clear();
    Position = -1;
    Line = -1;
    UnitName.clear();
}

void EKpInterpreterError::Locate(const AnsiString& unitName, int currentPosition, const AnsiString& source) {
    if (Located) return;
    if (Position == -1) Position = currentPosition;
    if (UnitName.empty()) UnitName = unitName;
    if (UnitName.empty()) return;
    Line = CountLineBreaks(source, Position) + 1;
    SetMessage(Format(ErrorText(5), {UnitName, Line, BaseMessage}));
    Located = true;
}

void EKpInterpreterError::TakeOverForeign(const AnsiString& message, const AnsiString& unitName,
                                          int currentPosition, const AnsiString& source) {
    if (Located) return;
    Code = 6;
    SetMessage(message);
    BaseMessage = message;
    Locate(unitName, currentPosition, source);
}

void RaiseScriptError(int code, int position) { throw EKpInterpreterError(code, position); }

void RaiseScriptError1(int code, int position, const AnsiString& arg1) {
    throw EKpInterpreterError(code, position, arg1);
}

void RaiseScriptError2(int code, int position, const AnsiString& arg1, const AnsiString& arg2) {
    throw EKpInterpreterError(code, position, arg1, arg2);
}

void RaiseNotImplemented(const AnsiString& what) { RaiseScriptError1(2, -1, what + " not implemented"); }

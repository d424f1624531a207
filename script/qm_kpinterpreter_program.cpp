// Programs and their script lines.
#include "script/qm_kpinterpreter_program.h"

#include "platform/rtl/sysutils.h"

void TKpInterpreterProgramStrings::Changed() {
    TStringList::Changed();
    AnsiString text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0) text += "\r\n";
        text += Strings(i);
    }
    program_.SetSource(text);
}

TKpInterpreterProgram::TKpInterpreterProgram(TComponent* owner)
    : TKpInterpreterUnit(owner), pas_(std::make_unique<TKpInterpreterProgramStrings>(*this)) {}

void TKpInterpreterProgram::Run() {
    if (!SameText(Source().substr(0, 8), "program ")) {
        TKpInterpreterUnit::Run();
        return;
    }
    Reset();
    try {
        const bool endedWithoutBlock = ReadDeclarations(true);
        Compiled = true;
        OwnAdapter().DefineScriptUnit(CurrentUnitName, Source(), AnsiString());
        if (endedWithoutBlock) NextToken();
        else RunBlock();
        if (TokenKind != ttDot) RaiseExpected("'.'");
    } catch (std::exception& e) {
        NoteError(e, CurrentUnitName);
        throw;
    }
}

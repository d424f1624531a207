// TKpInterpreterProgram: the interpreter a host drops a script into. Its
// text is the string list Pas, and a text that begins with "program" runs
// its main block after its declarations.
#pragma once

#include <memory>

#include "platform/rtl/stringlist.h"
#include "script/qm_kpinterpreter_unit.h"

class TKpInterpreterProgram;

// Hands every change of the lines to its program as the program's source.
class TKpInterpreterProgramStrings : public TStringList {
    SERVIORA_CLASS(TKpInterpreterProgramStrings, TStringList)
public:
    explicit TKpInterpreterProgramStrings(TKpInterpreterProgram& program) : program_(program) {}

protected:
    void Changed() override;

private:
    TKpInterpreterProgram& program_;
};

class TKpInterpreterProgram : public TKpInterpreterUnit {
    SERVIORA_CLASS(TKpInterpreterProgram, TKpInterpreterUnit)
public:
    explicit TKpInterpreterProgram(TComponent* owner);

    TStrings* Pas() const { return pas_.get(); }
    void SetPas(TStrings* lines) { pas_->Assign(lines); }

    void Run() override;
    void StatementHook() override { OnStatement(this); }

    TNotifyEvent OnStatement;

private:
    std::unique_ptr<TKpInterpreterProgramStrings> pas_;
};

// TKpInterpreterFm: the program with script forms. A script class declared
// in a unit ("TForm1 = class(TForm)") becomes a TKpInterpreterForm read
// from that unit's form file, whose handlers are the unit's procedures.
// Units and form files are found through the host's events, else beside
// the current directory.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/reader.h"
#include "platform/ui/forms.h"
#include "script/qm_kpinterpreter_event.h"
#include "script/qm_kpinterpreter_program.h"

class TKpInterpreterFm;

using TKpInterpreterGetDfmFileName =
    TEvent<void(TObject* Sender, const AnsiString& UnitName, AnsiString& FileName, bool& Done)>;
using TKpInterpreterCreateDfmStream =
    TEvent<void(TObject* Sender, const AnsiString& UnitName, TStream*& Stream, bool& Done)>;
using TKpInterpreterFreeDfmStream = TEvent<void(TObject* Sender, TStream* Stream)>;

// A form described by a script unit's form file. Its event properties
// first hold name markers of the handler names read, which become handlers
// calling the unit's procedures once the form's state has been read.
class TKpInterpreterForm : public TForm {
    SERVIORA_CLASS(TKpInterpreterForm, TForm)
public:
    // Made as a new form: nothing is read until LoadForm.
    explicit TKpInterpreterForm(TComponent* owner) : TForm(owner, 0) {}

    TKpInterpreterFm* Interpreter = nullptr;
    // The handler names read from the form file; a marker's identity is
    // the address of its copy here.
    std::vector<std::unique_ptr<AnsiString>> HandlerNames;
    AnsiString ScriptClassName;
    AnsiString UnitName;
    // The handlers bound to the form's events; they go with the form.
    std::vector<std::unique_ptr<TKpInterpreterEvent>> Handlers;

protected:
    void ReadState(TReader* reader) override;

private:
    void BindHandlers(TComponent* component);
};

// Reads a script form's file: every handler name becomes a name marker
// owned by the form.
class TKpInterpreterReader : public TReader {
    SERVIORA_CLASS(TKpInterpreterReader, TReader)
public:
    TKpInterpreterReader(TStream* stream, TKpInterpreterForm& form);
};

class TKpInterpreterFm : public TKpInterpreterProgram {
    SERVIORA_CLASS(TKpInterpreterFm, TKpInterpreterProgram)
public:
    explicit TKpInterpreterFm(TComponent* owner) : TKpInterpreterProgram(owner) {}

    // An empty unit for a name in an interface uses clause (unless
    // InterfaceUses), the host's answer, else "<name>.pas" in the current
    // directory.
    bool GetUnitSource(const AnsiString& unitName, AnsiString& source) override;
    // The form file of a unit: the host's stream, else the file the host
    // names; 58 when there is none.
    virtual void CreateDfmStream(const AnsiString& unitName, TStream*& stream);
    virtual void FreeDfmStream(TStream* stream);
    // Reads the form from its unit's form file, binds its handlers, runs
    // OnCreate and hides it (unless it is an MDI child).
    void LoadForm(TKpInterpreterForm* form);

    bool GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) override;
    bool SetValue(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args) override;

    TKpInterpreterForm* CurrentForm = nullptr;
    bool InterfaceUses = false;
    TKpInterpreterGetDfmFileName OnGetDfmFileName;
    TKpInterpreterCreateDfmStream OnCreateDfmStream;
    TKpInterpreterFreeDfmStream OnFreeDfmStream;

protected:
    // A form's components and the script's classes answer before the locals.
    bool LocalsAnswerFirst() const override { return false; }

private:
    void ReadForm(TKpInterpreterForm* form, TStream* stream);
    bool GetFormMember(TKpInterpreterForm* form, const AnsiString& identifier, Variant& value,
                       TKpInterpreterArgs& args);
};

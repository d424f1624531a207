// Script forms: unit and form files, reading a form with its handler
// names, binding the handlers, and names resolved inside a form's routines.
#include "script/qm_kpinterpreter_fm.h"

#include <algorithm>

#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/typinfo.h"
#include "platform/rtl/valuerestorer.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

// Gives a frame another call object for the life of a scope.
class CallObjectScope {
public:
    CallObjectScope(TKpInterpreterArgs& args, Variant object) : args_(args), saved_(args.CallObject()) {
        args_.SetCallObject(std::move(object));
    }
    ~CallObjectScope() { args_.SetCallObject(std::move(saved_)); }
    CallObjectScope(const CallObjectScope&) = delete;
    CallObjectScope& operator=(const CallObjectScope&) = delete;

private:
    TKpInterpreterArgs& args_;
    Variant saved_;
};

}  // namespace

void TKpInterpreterForm::ReadState(TReader* reader) {
    TForm::ReadState(reader);
    if (!Interpreter) return;
    BindHandlers(this);
    for (int i = 0; i < ComponentCount(); ++i) BindHandlers(Components(i));
}

void TKpInterpreterForm::BindHandlers(TComponent* component) {
    for (PPropInfo prop : GetPropList(component)) {
        if (prop->Kind() != tkMethod) continue;
        const TMethod method = prop->Access().GetMethod(component);
        const void* marker = NameMarkerOf(method);
        if (!marker || method.Data != static_cast<const void*>(this)) continue;
        const auto name = std::find_if(HandlerNames.begin(), HandlerNames.end(),
                                       [&](const std::unique_ptr<AnsiString>& copy) { return copy.get() == marker; });
        if (name == HandlerNames.end()) continue;
        TKpEventHandler handler = Interpreter->CreateEventHandler(UnitName, **name, prop->PropType()->Name, this);
        prop->Access().SetMethod(component, handler.Method);
        Handlers.push_back(std::move(handler.Handler));
    }
}

TKpInterpreterReader::TKpInterpreterReader(TStream* stream, TKpInterpreterForm& form) : TReader(stream) {
    SetOnFindMethod([&form](TReader*, const AnsiString& name, TMethod& address, bool& error) {
        form.HandlerNames.push_back(std::make_unique<AnsiString>(name));
        address = MakeNameMarker(form.HandlerNames.back().get(), static_cast<const void*>(&form), name);
        error = false;
    });
}

bool TKpInterpreterFm::GetUnitSource(const AnsiString& unitName, AnsiString& source) {
    if (!InterfaceUses && SectionState == 1) {
        source = "unit " + unitName + "; end.";
        return true;
    }
    if (TKpInterpreterProgram::GetUnitSource(unitName, source)) return true;
    const AnsiString fileName = ExtractFileExt(unitName).empty() ? unitName + ".pas" : unitName;
    if (!FileExists(fileName)) return false;
    TStringList lines;
    lines.LoadFromFile(fileName);
    source.clear();
    for (int i = 0; i < lines.Count(); ++i) {
        if (i > 0) source += "\r\n";
        source += lines.Strings(i);
    }
    return true;
}

void TKpInterpreterFm::CreateDfmStream(const AnsiString& unitName, TStream*& stream) {
    bool done = false;
    if (OnCreateDfmStream) OnCreateDfmStream(this, unitName, stream, done);
    if (!done) {
        AnsiString fileName;
        if (OnGetDfmFileName) OnGetDfmFileName(this, unitName, fileName, done);
        if (done && FileExists(fileName)) stream = new TFileStream(fileName, fmOpenRead | fmShareDenyWrite);
    }
    if (!stream) RaiseScriptError1(58, -1, unitName);
}

void TKpInterpreterFm::FreeDfmStream(TStream* stream) {
    if (OnFreeDfmStream) OnFreeDfmStream(this, stream);
    else delete stream;
}

void TKpInterpreterFm::ReadForm(TKpInterpreterForm* form, TStream* stream) {
    TMemoryStream converted;
    if (TestStreamFormat(stream) == sofText) {
        ObjectTextToResource(stream, &converted);
        converted.SetPosition(0);
        stream = &converted;
    }
    stream->ReadResHeader();
    TKpInterpreterReader reader(stream, *form);
    reader.ReadRootComponent(form);
}

void TKpInterpreterFm::LoadForm(TKpInterpreterForm* form) {
    CurrentForm = form;
    form->Interpreter = this;
    TStream* stream = nullptr;
    CreateDfmStream(form->UnitName, stream);
    try {
        ReadForm(form, stream);
    } catch (...) {
        FreeDfmStream(stream);
        throw;
    }
    FreeDfmStream(stream);
    if (form->OnCreate()) {
        try {
            form->OnCreate()(form);
        } catch (...) {
            Application->HandleException(form);
        }
    }
    if (form->FormStyle() != fsMDIChild) form->Hide();
}

bool TKpInterpreterFm::GetFormMember(TKpInterpreterForm* form, const AnsiString& identifier, Variant& value,
                                     TKpInterpreterArgs& args) {
    CallObjectScope scope(args, ObjectToVariant(form));
    return TKpInterpreterProgram::GetValue(identifier, value, args);
}

bool TKpInterpreterFm::GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) {
    auto* instanceForm = dynamic_cast<TKpInterpreterForm*>(CurrentInstance);
    if (args.CallObjectType() == varEmpty && instanceForm) {
        if (SameText(identifier, "Self")) {
            value = ObjectToVariant(instanceForm);
            return true;
        }
        if (TComponent* component = instanceForm->FindComponent(identifier)) {
            value = ObjectToVariant(component);
            return true;
        }
        if (Frame* frame = CurFrame(); frame && frame->Vars.ReadVar(identifier, value, args)) return true;
        if (GetFormMember(instanceForm, identifier, value, args)) return true;
    }
    TKpInterpreterForm* objectForm = nullptr;
    if (args.CallObjectType() == ObjectVarType())
        objectForm = dynamic_cast<TKpInterpreterForm*>(VariantToObject(args.CallObject()));
    if (objectForm) {
        if (SameText(identifier, "Create")) {
            if (const TKpInterpreterIdentifier* scriptClass = OwnAdapter().FindScriptClass(objectForm->ScriptClassName))
                objectForm->UnitName = scriptClass->EntryUnit;
            LoadForm(objectForm);
            value = ObjectToVariant(objectForm);
            return true;
        }
        ValueRestorer<TObject*> instance(CurrentInstance, objectForm);
        return TKpInterpreterProgram::GetValue(identifier, value, args);
    }
    if (args.CallObjectType() == varEmpty) {
        if (const TKpInterpreterIdentifier* scriptClass = OwnAdapter().FindScriptClass(identifier)) {
            auto* form = TKpInterpreterForm::Create(Application);
            form->ScriptClassName = scriptClass->EntryName;
            value = ObjectToVariant(form);
            return true;
        }
    }
    return TKpInterpreterProgram::GetValue(identifier, value, args);
}

bool TKpInterpreterFm::SetValue(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args) {
    auto* instanceForm = dynamic_cast<TKpInterpreterForm*>(CurrentInstance);
    if (args.CallObjectType() == varEmpty && instanceForm) {
        if (Frame* frame = CurFrame(); frame && frame->Vars.WriteVar(identifier, value, args)) return true;
        CallObjectScope scope(args, ObjectToVariant(instanceForm));
        if (TKpInterpreterProgram::SetValue(identifier, value, args)) return true;
    }
    return TKpInterpreterProgram::SetValue(identifier, value, args);
}

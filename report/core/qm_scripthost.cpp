// The report as the host of its script: the interpreter's four hooks, the
// script compiled and run in a build's first pass with the object events
// bound before or after its main block, and the names the script reads and
// writes (objects, pages, forms, variables, the report's own functions).
#include <algorithm>
#include <cmath>

#include "platform/rtl/fileutils.h"
#include "platform/rtl/moduleregistry.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "report/core/qm_band.h"
#include "report/core/qm_const1.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_factory.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_stdfunctions.h"
#include "report/core/qm_units.h"
#include "script/qm_kpinterpreter_fm.h"
#include "script/qm_kpinterpreter_values.h"

void TQmReport::CreateInterpreter() {
    interpreter_.reset(TKpInterpreterFm::Create(nullptr));
    interpreter_->OnGetValue = TKpInterpreterGetValue(
        [this](TObject* sender, const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args, bool& done) {
            ScriptGetValue(sender, identifier, value, args, done);
        });
    interpreter_->OnSetValue = TKpInterpreterSetValue([this](TObject* sender, const AnsiString& identifier,
                                                             const Variant& value, TKpInterpreterArgs& args,
                                                             bool& done) {
        ScriptSetValue(sender, identifier, value, args, done);
    });
    interpreter_->OnGetUnitSource =
        TKpInterpreterGetUnitSource([](const AnsiString& unitName, AnsiString& source, bool& done) {
            const AnsiString file = QmApplicationPath() + unitName + ".pas";
            if (!FileExists(file)) return;
            std::unique_ptr<TStringList> lines(TStringList::Create());
            lines->LoadFromFile(file);
            source = lines->Text();
            done = true;
        });
    interpreter_->OnGetDfmFileName = TKpInterpreterGetDfmFileName(
        [](TObject* /*sender*/, const AnsiString& unitName, AnsiString& fileName, bool& done) {
            const AnsiString file = QmApplicationPath() + unitName + ".dfm";
            if (!FileExists(file)) return;
            fileName = file;
            done = true;
        });
}

void TQmReport::RunScript(bool firstPass) {
    interpreter_->SetPas(script_.get());
    if (!firstPass) return;
    const bool runnable = script_->Count() > 1;
    if (runnable) interpreter_->Compile();
    const AnsiString upper = UpperCase(script_->Text());
    const bool runFirst = upper.find(".ONBEFORECREATEOBJECTS") != AnsiString::npos ||
                          upper.find(".ONAFTERCREATEOBJECTS") != AnsiString::npos;
    auto bind = [this] {
        for (int i = 0; i < pages_->GetCount(); ++i) pages_->GetPage(i)->BindScriptEvents();
    };
    if (!runFirst) bind();
    if (runnable) interpreter_->Run();
    if (runFirst) bind();
}

namespace {

// "Arr_" + name + "_" + index, the variable an array element of the
// script lives in.
AnsiString ArrayVariableName(const Variant& name, const Variant& index) {
    return "Arr_" + VarToStr(name) + "_" + VarToStr(index);
}

}  // namespace

bool TQmReport::ScriptFunction(const AnsiString& name, TKpInterpreterArgs& args, Variant& value) {
    const auto arg = [&args](int i) { return args.ArgValues[static_cast<std::size_t>(i)]; };
    if (AnsiSameText(name, "GetFieldValue") || AnsiSameText(name, "Get")) {
        const AnsiString field = VarToStr(arg(0));
        if (Measuring) {
            TQmDataset* source = nullptr;
            AnsiString fieldName;
            value = AnsiString();
            if (dictionary_->FieldOf(field, source, fieldName)) {
                Variant sample;
                source->GetFieldValue(fieldName, true, sample);
                if (sample.VarType() == varBoolean) value = false;
                else if (VarIsNumeric(sample)) value = 0;
            }
        } else {
            dictionary_->IsVariable(field);
            dictionary_->GetValue(field, value);
        }
        return true;
    }
    if (AnsiSameText(name, "FieldIsNull")) {
        const AnsiString field = VarToStr(arg(0));
        dictionary_->IsVariable(field);
        value = dictionary_->FieldIsNull(field);
        return true;
    }
    if (AnsiSameText(name, "GetArray") || AnsiSameText(name, "GetVariable")) {
        dictionary_->GetValue(ArrayVariableName(arg(0), arg(1)), value);
        return true;
    }
    if (AnsiSameText(name, "SetArray") || AnsiSameText(name, "SetVariable")) {
        dictionary_->Variables()->SetVariable(ArrayVariableName(arg(0), arg(1)), arg(2));
        return true;
    }
    std::vector<Variant> arguments;
    for (int i = 0; i < args.ArgCount; ++i) arguments.push_back(arg(i));
    return CallFunction(name, arguments, value);
}

bool TQmReport::BuiltInName(const AnsiString& name, TKpInterpreterArgs& args, Variant& value) {
    const AnsiString upper = UpperCase(name);
    const Variant first = args.ArgCount > 0 ? args.ArgValues[0] : Variant();
    auto* page = dynamic_cast<TQmReportPage*>(CurrentPage);
    auto* band = dynamic_cast<TQmCustomBandView*>(CurrentBand);
    if (upper == "INT") value = std::trunc(VarAsType(first, varDouble).AsDouble());
    else if (upper == "FRAC") {
        const double x = VarAsType(first, varDouble).AsDouble();
        value = x - std::trunc(x);
    } else if (upper == "ROUND") value = static_cast<Int64>(Round(VarAsType(first, varDouble).AsDouble()));
    else if (upper == "STR") value = VarToStr(first);
    else if (upper == "STOPREPORT") {
        SetTerminated(true);
        MasterReport->SetTerminated(true);
        DialogCancelled = true;
    } else if (upper == "NEWCOLUMN") {
        if (page) page->NewColumn(band);
    } else if (upper == "NEWPAGE") {
        if (page) page->NewPage();
    } else if (upper == "SHOWBAND") {
        if (page)
            if (TQmCustomBandView* named = page->FindBandByName(VarToStr(first))) page->ShowBand(named);
    } else if (upper == "CURY") value = page ? page->CurY : 0;
    else if (upper == "FREESPACE") value = page ? page->BottomLimit - page->CurY : 0;
    else if (upper == "FINALPASS") value = FinalPass;
    else if (upper == "PAGEHEIGHT") value = page ? page->BottomLimit : 0;
    else if (upper == "PAGEWIDTH") value = page ? page->PrintableWidth() : 0;
    else if (upper == "QMCREATEOBJECT") {
        std::unique_ptr<TQmPersistent> made =
            CreateReportObject(static_cast<Byte>(first.AsInteger()), args.ArgCount > 1 ? VarToStr(args.ArgValues[1]) : "");
        auto* view = dynamic_cast<TQmView*>(made.get());
        if (!view) return false;
        made.release();
        view->ParentReport = this;
        value = ObjectToVariant(view);
    } else if (upper == "QMCREATEBAND") {
        std::unique_ptr<TQmPersistent> made = CreateBandByType(first.AsInteger());
        auto* view = dynamic_cast<TQmView*>(made.get());
        if (!view) return false;
        made.release();
        view->ParentReport = this;
        value = ObjectToVariant(view);
    } else return false;
    return true;
}

TQmPersistent* TQmReport::FindScriptObject(const AnsiString& name) {
    if (TQmView* view = FindObject(name)) return view;
    for (int i = 0; i < pages_->GetCount(); ++i)
        if (AnsiSameText(pages_->GetPage(i)->Name(), name)) return pages_->GetPage(i);
    return nullptr;
}

void TQmReport::ScriptGetValue(TObject* sender, const AnsiString& identifier, Variant& value,
                               TKpInterpreterArgs& args, bool& done) {
    value = Variant();
    if (OnGetValue) {
        OnGetValue(identifier, value);
        if (!VarIsEmpty(value)) {
            done = true;
            return;
        }
    }
    std::vector<Variant> arguments(args.ArgValues.begin(), args.ArgValues.begin() + std::max(0, args.ArgCount));
    if (!VarIsEmpty(args.CallObject())) {
        if (args.CallObjectType() != ObjectVarType()) return;
        TObject* object = VariantToObject(args.CallObject());
        const AnsiString upper = UpperCase(identifier);
        if (auto* persistent = dynamic_cast<TQmPersistent*>(object)) {
            done = persistent->GetPropValue(persistent, upper, value, arguments);
        } else if (object == this) {
            done = BuiltInName(identifier, args, value) || GetPropValue(this, upper, value, arguments);
        } else if (auto* component = dynamic_cast<TQmComponent*>(object)) {
            done = component->GetPropValue(component, upper, value, arguments);
        } else if (auto* owner = dynamic_cast<TComponent*>(object)) {
            if (TComponent* owned = owner->FindComponent(identifier)) {
                value = ObjectToVariant(owned);
                done = true;
            }
        }
        if (!done && OnScriptGetValue) OnScriptGetValue(sender, identifier, value, args, done);
        return;
    }
    done = true;
    if (TQmPersistent* object = FindScriptObject(identifier)) {
        value = ObjectToVariant(object);
        return;
    }
    if (AnsiSameText(identifier, "Self") || AnsiSameText(identifier, "QmCurReport") ||
        AnsiSameText(identifier, "CurReport")) {
        value = ObjectToVariant(this);
        return;
    }
    if (ResolveSystemVariable(identifier, value)) return;
    if (dictionary_->IsVariable(identifier)) {
        dictionary_->GetValue(identifier, value);
        return;
    }
    if (GlobalVariables()->IndexOf(identifier) >= 0) {
        value = GlobalVariables()->GetVariable(identifier);
        return;
    }
    if (ScriptFunction(identifier, args, value) || BuiltInName(identifier, args, value)) return;
    TComponent* component = FindGlobalComponent(identifier);
    if (!component && Owner()) component = Owner()->FindComponent(identifier);
    if (component) {
        value = ObjectToVariant(component);
        return;
    }
    done = false;
    if (OnScriptGetValue) OnScriptGetValue(sender, identifier, value, args, done);
}

bool TQmReport::SetOwnName(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args) {
    const AnsiString upper = UpperCase(identifier);
    if (upper == "MODALRESULT") {
        auto* dialog = dynamic_cast<TQmDialogPage*>(CurrentPage);
        if (dialog && dialog->Form()) dialog->Form()->SetModalResult(value.AsInteger());
    } else if (upper == "PROGRESS") {
        ShowProgressText(VarToStr(value));
    } else if (upper == "CURY") {
        if (auto* page = dynamic_cast<TQmReportPage*>(CurrentPage)) page->CurY = value.AsInteger();
    } else if (upper == "SETARRAY" || upper == "SETVARIABLE") {
        dictionary_->Variables()->SetVariable(ArrayVariableName(args.ArgValues[0], args.ArgValues[1]), value);
    } else {
        return false;
    }
    return true;
}

void TQmReport::ScriptSetValue(TObject* sender, const AnsiString& identifier, const Variant& value,
                               TKpInterpreterArgs& args, bool& done) {
    if (!VarIsEmpty(args.CallObject())) {
        TObject* object = args.CallObjectType() == ObjectVarType() ? VariantToObject(args.CallObject()) : nullptr;
        if (object == this) done = SetOwnName(identifier, value, args) || SetPropValue(this, identifier, value);
        else if (auto* persistent = dynamic_cast<TQmPersistent*>(object))
            done = persistent->SetPropValue(persistent, identifier, value);
        if (!done && OnScriptSetValue) {
            Variant copy = value;
            OnScriptSetValue(sender, identifier, copy, args, done);
        }
        return;
    }
    if (const int index = dictionary_->Variables()->IndexOf(identifier); index >= 0) {
        dictionary_->Variables()->SetValue(index, value);
        done = true;
        return;
    }
    done = SetOwnName(identifier, value, args);
    if (!done && OnScriptSetValue) {
        Variant copy = value;
        OnScriptSetValue(sender, identifier, copy, args, done);
    }
}

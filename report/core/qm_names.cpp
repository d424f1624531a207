// What a name in a report expression means: the application's answer, a
// data field, a system variable, a variable, a property of an object, page,
// form or component, or a dictionary variable — in that order — and the
// function calls no expression operator handles.
#include <algorithm>

#include "platform/rtl/moduleregistry.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "report/core/qm_band.h"
#include "report/core/qm_const1.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_stdfunctions.h"
#include "report/core/qm_utils.h"

bool TQmReport::ResolveSystemVariable(const AnsiString& name, Variant& value) {
    const auto found = std::find_if(QmSystemVariableNames.begin(), QmSystemVariableNames.end(),
                                    [&name](const char* known) { return AnsiSameText(name, known); });
    if (found == QmSystemVariableNames.end()) return false;
    const auto* band = dynamic_cast<const TQmCustomBandView*>(CurrentBand);
    const auto* page = dynamic_cast<const TQmReportPage*>(CurrentPage);
    switch (found - QmSystemVariableNames.begin()) {
    case 0: value = page && page->ResetPageNo ? PageNo + 1 - page->StartPageNo : PageNo + 1; break;
    case 1: value = QmApplicationPath(); break;
    case 2: value = VarFromDateTime(BuildDate); break;
    case 3: value = VarFromDateTime(BuildTime); break;
    case 4: value = VarFromDateTime(BuildDateTime); break;
    case 5: value = band ? band->RowCount : 0; break;
    case 6: value = band ? band->LineCount : 0; break;
    case 7: value = page ? page->CrossColumn : 1; break;
    case 8: value = CurrentRecordNo; break;
    default: value = TotalPages;
    }
    return true;
}

bool TQmReport::ResolvePropertyPath(const AnsiString& name, Variant& value) {
    const std::size_t dot = name.find('.');
    if (dot == AnsiString::npos) {
        auto* object = dynamic_cast<TQmView*>(CurrentObject);
        return object && object->GetPropValue(object, name, value, {});
    }
    std::vector<AnsiString> parts;
    for (std::size_t start = 0;;) {
        const std::size_t next = name.find('.', start);
        parts.push_back(name.substr(start, next == AnsiString::npos ? AnsiString::npos : next - start));
        if (next == AnsiString::npos) break;
        start = next + 1;
    }
    const AnsiString& first = parts.front();
    TQmPersistent* persistent = FindObject(first);
    for (int i = 0; !persistent && i < pages_->GetCount(); ++i)
        if (AnsiSameText(pages_->GetPage(i)->Name(), first)) persistent = pages_->GetPage(i);
    const AnsiString property = parts.back();
    if (parts.size() == 2 && persistent) return persistent->GetPropValue(persistent, property, value, {});
    if (parts.size() == 2 && (AnsiSameText(first, "Self") || AnsiSameText(first, "QmCurReport") ||
                              AnsiSameText(first, "CurReport")))
        return GetPropValue(this, property, value, {});
    TComponent* component = FindGlobalComponent(first);
    if (!component && Owner()) component = Owner()->FindComponent(first);
    for (std::size_t i = 1; component && i + 1 < parts.size(); ++i) component = component->FindComponent(parts[i]);
    if (!component) return false;
    if (auto* qm = dynamic_cast<TQmComponent*>(component); qm && qm->GetPropValue(qm, property, value, {}))
        return true;
    return ReadPublishedProp(component, property, value);
}

void TQmReport::GetValue(const AnsiString& name, Variant& value) {
    if (name.empty()) return;
    if (OnGetValue) {
        value = Variant();
        OnGetValue(name, value);
        if (!VarIsEmpty(value)) return;
    }
    value = 0;
    TQmDataset* source = nullptr;
    AnsiString field;
    if (dictionary_->FieldOf(name, source, field)) {
        dictionary_->GetValue(name, value);
        return;
    }
    if (ResolveSystemVariable(name, value)) return;
    if (GlobalVariables()->IndexOf(name) >= 0) {
        value = GlobalVariables()->GetVariable(name);
        return;
    }
    if (variables_->IndexOf(name) >= 0) {
        value = variables_->GetVariable(name);
        return;
    }
    if (ResolvePropertyPath(name, value)) return;
    const bool resolving = std::any_of(resolving_.begin(), resolving_.end(),
                                       [&name](const AnsiString& other) { return AnsiSameText(other, name); });
    if (!resolving) {
        resolving_.push_back(name);
        struct Pop {
            std::vector<AnsiString>& names;
            ~Pop() { names.pop_back(); }
        } pop{resolving_};
        if (dictionary_->Variables()->IndexOf(name) >= 0) {
            dictionary_->GetValue(name, value);
            return;
        }
        AnsiString translated = name;
        if (dictionary_->IsExprCached(name)) {
            translated = dictionary_->GetExprCache(name);
        } else {
            translated = dictionary_->RealDataSetName(name);
            if (translated != name && translated != name + " ") dictionary_->AddExprCache(name, translated);
        }
        value = parser_->Calc(Variant(translated));
        return;
    }
    if (LiteralVariables) {
        value = name;
        return;
    }
    if (CallFunction(name, {}, value)) return;
    value = BracketUnknownNames ? Variant("[" + name + "]") : Null();
}

bool TQmReport::CallFunction(const AnsiString& name, const std::vector<Variant>& arguments, Variant& value) {
    std::vector<Variant> padded = arguments;
    padded.resize(QmMaxArguments, Variant(AnsiString()));
    for (int i = 0; i < GetFunctionLibraryCount(); ++i)
        if (GetFunctionLibrary(i)->HandleFunction(parser_.get(), name, padded, value)) return true;
    if (!OnUserFunction) return false;
    bool found = false;
    OnUserFunction(name, arguments, value, found);
    return found;
}

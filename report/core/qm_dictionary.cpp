// The report dictionary: its block in the template stream, the name
// lookups of a build with their caches, and the alias dictionary component.
#include "report/core/qm_dictionary.h"

#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "report/core/qm_class.h"
#include "report/core/qm_datafield.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_stdfunctions.h"
#include "report/core/qm_utils.h"

SERVIORA_REGISTER_CLASS(TQmDataDictionary);

namespace {

constexpr Word kDictionaryVersion = 62;
constexpr Word kLastUntypedVersion = 60;
const AnsiString kDictionarySignature = AnsiString("Tamberquistor Dictionary File 30") + char(26);

void LoadVariables(TStream* stream, TQmVariables* variables, bool typed) {
    const Integer count = ReadInteger(stream);
    for (Integer i = 0; i < count; ++i) {
        AnsiString name, text;
        ReadString(stream, name);
        const Word type = typed ? ReadWord(stream) : Word(varString);
        ReadString(stream, text);
        switch (type) {
        case varSingle:
        case varDouble: variables->SetVariable(name, StrToFloat(text)); break;
        case varCurrency: variables->SetVariable(name, StrToCurr(text)); break;
        case varDate: variables->SetVariable(name, VarFromDateTime(StrToFloat(text))); break;
        default: variables->SetVariable(name, text);
        }
    }
}

void SaveVariables(TStream* stream, const TQmVariables* variables) {
    WriteInteger(stream, variables->Count());
    for (int i = 0; i < variables->Count(); ++i) {
        Variant value = variables->GetValue(i);
        const Word type = value.VarType();
        if (type == varDate) value = VarAsType(value, varDouble);
        WriteString(stream, variables->GetName(i));
        WriteWord(stream, type);
        WriteString(stream, VarToStr(value));
    }
}

}  // namespace

TQmDictionary::TQmDictionary(TQmReport* report)
    : report_(report), variables_(TQmVariables::Create()), aliases_(TQmVariables::Create()) {}

TQmDictionary::~TQmDictionary() = default;

void TQmDictionary::Clear() {
    variables_->Clear();
    aliases_->Clear();
    ClearCache();
}

void TQmDictionary::ClearCache() {
    fieldCache_.clear();
    exprCache_.clear();
}

bool TQmDictionary::LoadFromStream(TStream* stream) {
    const Word version = ReadWord(stream);
    AnsiString signature;
    ReadString(stream, signature);
    if (signature != kDictionarySignature) {
        Application->MessageBox(LoadReportString(qmsNotDictionaryFile), LoadReportString(qmsErrorCaption),
                                MB_ICONERROR);
        return false;
    }
    LoadVariables(stream, variables_.get(), version > kLastUntypedVersion);
    LoadVariables(stream, aliases_.get(), version > kLastUntypedVersion);
    return true;
}

void TQmDictionary::SaveToStream(TStream* stream) const {
    WriteWord(stream, kDictionaryVersion);
    WriteString(stream, kDictionarySignature);
    SaveVariables(stream, variables_.get());
    SaveVariables(stream, aliases_.get());
}

void TQmDictionary::AddFieldCache(const AnsiString& name, TQmDataset* source, const AnsiString& field) {
    fieldCache_[name] = {source, field};
}

AnsiString TQmDictionary::GetExprCache(const AnsiString& text) const {
    const auto found = exprCache_.find(text);
    return found == exprCache_.end() ? AnsiString() : found->second;
}

bool TQmDictionary::ResolveField(const AnsiString& name, const AnsiString& reference) {
    TQmDataset* source = nullptr;
    const AnsiString field = ParseDataField(report_, reference, source);
    if (!source || field.empty()) return false;
    AddFieldCache(name, source, field);
    return true;
}

int TQmDictionary::FindAlias(const AnsiString& alias, const AnsiString& prefix) const {
    const AnsiString upperPrefix = AnsiUpperCase(prefix);
    for (int i = 0; i < aliases_->Count(); ++i)
        if (VarToStr(aliases_->GetValue(i)) == alias && AnsiUpperCase(aliases_->GetName(i)).starts_with(upperPrefix))
            return i;
    return -1;
}

bool TQmDictionary::ResolveDotted(const AnsiString& name) {
    AnsiString source, field;
    SplitFieldName(name, source, field);
    source = RealDataSetName(source);
    const int alias = FindAlias(field, source);
    if (alias >= 0) {
        AnsiString aliasSource;
        SplitFieldName(aliases_->GetName(alias), aliasSource, field);
    }
    if (ResolveField(name, source + ".\"" + field + "\"")) return true;
    if (alias < 0) return false;
    // An alias that leads nowhere is dropped and the name tried as it is.
    aliases_->Delete(alias);
    return ResolveDotted(name);
}

bool TQmDictionary::IsVariable(const AnsiString& name) {
    if (fieldCache_.count(name)) return true;
    if (const int index = variables_->IndexOf(name); index >= 0) {
        const Variant value = variables_->GetValue(index);
        const AnsiString text = VarIsEmpty(value) || VarIsNull(value) ? AnsiString() : VarToStr(value);
        if (text.find('.') != AnsiString::npos) ResolveField(name, text);
        return true;
    }
    if (name.find('.') != AnsiString::npos) return ResolveDotted(name);
    AnsiString field = name;
    if (auto* source = dynamic_cast<TQmDBDataSet*>(GetBandDataset(report_)))
        if (const int alias = FindAlias(name, source->Name()); alias >= 0) {
            AnsiString aliasSource;
            SplitFieldName(aliases_->GetName(alias), aliasSource, field);
        }
    return ResolveField(name, field);
}

bool TQmDictionary::FieldOf(const AnsiString& name, TQmDataset*& source, AnsiString& field) {
    if (!IsVariable(name)) return false;
    const auto found = fieldCache_.find(name);
    if (found == fieldCache_.end()) return false;
    source = found->second.first;
    field = found->second.second;
    return true;
}

bool TQmDictionary::FieldIsNull(const AnsiString& name) {
    const auto found = fieldCache_.find(name);
    return found != fieldCache_.end() && found->second.first->FieldIsNull(found->second.second);
}

Variant TQmDictionary::VariableValue(int index) {
    const Variant value = variables_->GetValue(index);
    if (value.VarType() != varString) return value;
    const AnsiString text = VarToStr(value);
    if (text.empty()) return value;
    TQmParser* parser = report_->Parser();
    const ValueRestorer evaluating(report_->EvaluatingDictionary, true);
    if (IsExprCached(text)) return parser->CalcPostfix(GetExprCache(text));
    if (text.size() > 1 && text.front() == '\'' && text.back() == '\'') return text.substr(1, text.size() - 2);
    const AnsiString prepared = parser->ToPostfix(text);
    if (prepared != text && prepared != text + " ") AddExprCache(text, prepared);
    try {
        return parser->CalcPostfix(prepared);
    } catch (const Exception&) {
        return text;
    }
}

void TQmDictionary::GetValue(const AnsiString& name, Variant& value) {
    value = Variant();
    if (const auto found = fieldCache_.find(name); found != fieldCache_.end()) {
        TQmDataset* source = found->second.first;
        if (!source->Active()) source->Open();
        source->GetFieldValue(found->second.second, report_->ConvertNulls(), value);
        return;
    }
    const int index = variables_->IndexOf(name);
    if (index < 0) {
        if (GlobalVariables()->IndexOf(name) >= 0) value = GlobalVariables()->GetVariable(name);
        else if (report_->Variables()->IndexOf(name) >= 0) value = report_->Variables()->GetVariable(name);
        return;
    }
    value = VariableValue(index);
}

AnsiString TQmDictionary::RealDataSetName(const AnsiString& alias) const {
    if (alias.empty()) return alias;
    for (int i = 0; i < aliases_->Count(); ++i)
        if (SameTextLen(VarToStr(aliases_->GetValue(i)), alias)) return aliases_->GetName(i);
    return alias;
}

void TQmDictionary::SplitFieldName(const AnsiString& text, AnsiString& source, AnsiString& field) {
    std::size_t dot = AnsiString::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        else if (text[i] == '.' && !quoted) dot = i;
    }
    if (dot == AnsiString::npos) return;
    source = text.substr(0, dot);
    field = RemoveQuotes(text.substr(dot + 1)).substr(0, 255);
}

// ---- TQmFieldFieldNames, TQmDataDictionary -----------------------------------

void TQmFieldFieldNames::Published(TPublished<TQmFieldFieldNames>& p) {
    p.Property("DataSet", &TQmFieldFieldNames::DataSet, &TQmFieldFieldNames::SetDataSet);
    p.Property("TableName", [](const TQmFieldFieldNames* f) { return f->TableName; },
               [](TQmFieldFieldNames* f, const AnsiString& v) { f->TableName = v; });
    p.Property("FieldName", [](const TQmFieldFieldNames* f) { return f->FieldName; },
               [](TQmFieldFieldNames* f, const AnsiString& v) { f->FieldName = v; });
    p.Property("FieldAlias", [](const TQmFieldFieldNames* f) { return f->FieldAlias; },
               [](TQmFieldFieldNames* f, const AnsiString& v) { f->FieldAlias = v; });
}

TQmDataDictionary::TQmDataDictionary(TComponent* owner)
    : TQmComponent(owner), fieldFieldNames_(TQmFieldFieldNames::Create()) {}

TQmDataDictionary::~TQmDataDictionary() = default;

void TQmDataDictionary::SetFieldFieldNames(TQmFieldFieldNames* v) {
    fieldFieldNames_->SetDataSet(v->DataSet());
    fieldFieldNames_->TableName = v->TableName;
    fieldFieldNames_->FieldName = v->FieldName;
    fieldFieldNames_->FieldAlias = v->FieldAlias;
    if (v->DataSet()) v->DataSet()->FreeNotification(this);
}

bool TQmDataDictionary::FindFieldAlias(const AnsiString& tableName, const AnsiString& fieldName,
                                       AnsiString& alias) const {
    TDataSet* data = fieldFieldNames_->DataSet();
    if (!data) return false;
    if (!data->Locate(fieldFieldNames_->TableName + ";" + fieldFieldNames_->FieldName,
                      VarArrayOf({Variant(tableName), Variant(fieldName)}), TLocateOptions{loCaseInsensitive}))
        return false;
    alias = data->FieldByName(fieldFieldNames_->FieldAlias)->AsString();
    return true;
}

void TQmDataDictionary::Notification(TComponent* component, TOperation operation) {
    TQmComponent::Notification(component, operation);
    if (operation == opRemove && component == fieldFieldNames_->DataSet()) fieldFieldNames_->SetDataSet(nullptr);
}

void TQmDataDictionary::Published(TPublished<TQmDataDictionary>& p) {
    p.Property("FieldFieldNames", &TQmDataDictionary::FieldFieldNames, &TQmDataDictionary::SetFieldFieldNames);
}

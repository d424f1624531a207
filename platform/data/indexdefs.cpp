// Index definitions and check constraints.
#include "platform/data/indexdefs.h"

#include "platform/data/dataset.h"
#include "platform/rtl/sysutils.h"

TIndexDef::TIndexDef(TIndexDefs* owner, const AnsiString& name, const AnsiString& fields, TIndexOptions options)
    : TCollectionItem(owner), name_(name), fields_(fields), options_(options) {}

void TIndexDef::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TIndexDef*>(source)) {
        name_ = other->name_;
        fields_ = other->fields_;
        source_ = other->source_;
        options_ = other->options_;
        return;
    }
    TCollectionItem::Assign(source);
}

AnsiString TIndexDef::GetDisplayName() const { return name_.empty() ? TCollectionItem::GetDisplayName() : name_; }

void TIndexDef::Published(TPublished<TIndexDef>& p) {
    p.Property("Expression", &TIndexDef::Expression, &TIndexDef::SetExpression);
    p.Property("Fields", &TIndexDef::Fields, &TIndexDef::SetFields);
    p.Property("Name", &TIndexDef::Name, &TIndexDef::SetName);
    p.Property("Options", &TIndexDef::Options, &TIndexDef::SetOptions);
    p.Property("Source", &TIndexDef::Source, &TIndexDef::SetSource);
}

TIndexDefs::TIndexDefs(TDataSet* dataSet) : TOwnedCollection(dataSet, TIndexDef::StaticClass()) {}

void TIndexDefs::Add(const AnsiString& name, const AnsiString& fields, TIndexOptions options) {
    new TIndexDef(this, name, fields, options);
}

int TIndexDefs::IndexOf(const AnsiString& name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Items(i)->Name(), name)) return i;
    return -1;
}

TIndexDef* TIndexDefs::GetIndexForFields(const AnsiString& fields, bool caseInsensitive) const {
    for (int i = 0; i < Count(); ++i) {
        TIndexDef* def = Items(i);
        if (caseInsensitive != def->Options().Contains(ixCaseInsensitive)) continue;
        const AnsiString own = def->Fields();
        if (own.size() >= fields.size() && SameText(own.substr(0, fields.size()), fields) &&
            (own.size() == fields.size() || own[fields.size()] == ';'))
            return def;
    }
    return nullptr;
}

TIndexDef* TIndexDefs::FindIndexForFields(const AnsiString& fields) const {
    TIndexDef* def = GetIndexForFields(fields, false);
    if (!def) def = GetIndexForFields(fields, true);
    if (!def) DatabaseErrorFmt("No index for fields '%s'", {fields});
    return def;
}

void TCheckConstraint::Assign(TPersistent* source) {
    if (auto* other = dynamic_cast<TCheckConstraint*>(source)) {
        customConstraint_ = other->customConstraint_;
        errorMessage_ = other->errorMessage_;
        importedConstraint_ = other->importedConstraint_;
        fromDictionary_ = other->fromDictionary_;
        return;
    }
    TCollectionItem::Assign(source);
}

AnsiString TCheckConstraint::GetDisplayName() const {
    if (!importedConstraint_.empty()) return importedConstraint_;
    if (!customConstraint_.empty()) return customConstraint_;
    return TCollectionItem::GetDisplayName();
}

void TCheckConstraint::Published(TPublished<TCheckConstraint>& p) {
    p.Property("CustomConstraint", &TCheckConstraint::CustomConstraint, &TCheckConstraint::SetCustomConstraint);
    p.Property("ErrorMessage", &TCheckConstraint::ErrorMessage, &TCheckConstraint::SetErrorMessage);
    p.Property("FromDictionary", &TCheckConstraint::FromDictionary, &TCheckConstraint::SetFromDictionary)
        .Default(true);
    p.Property("ImportedConstraint", &TCheckConstraint::ImportedConstraint, &TCheckConstraint::SetImportedConstraint);
}

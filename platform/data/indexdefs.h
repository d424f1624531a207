// The descriptions a dataset keeps beside its fields: index definitions
// (name, fields, options) and check constraints (a condition with the text
// shown when a record breaks it). Both are collections of their dataset.
#pragma once

#include "platform/data/db_types.h"
#include "platform/rtl/collection.h"

class TDataSet;

SERVIORA_ENUM(TIndexOption, ixPrimary, ixUnique, ixDescending, ixCaseInsensitive, ixExpression)
using TIndexOptions = TSet<TIndexOption>;

class TIndexDefs;

class TIndexDef : public TCollectionItem {
    SERVIORA_CLASS(TIndexDef, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TIndexDef(TCollection* collection) : TCollectionItem(collection) {}
    TIndexDef(TIndexDefs* owner, const AnsiString& name, const AnsiString& fields, TIndexOptions options);
    void Assign(TPersistent* source) override;

    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& value) { name_ = value; }
    // An expression index keeps its expression in place of field names.
    AnsiString Fields() const { return options_.Contains(ixExpression) ? AnsiString() : fields_; }
    void SetFields(const AnsiString& value) { fields_ = value; }
    AnsiString Expression() const { return options_.Contains(ixExpression) ? fields_ : AnsiString(); }
    void SetExpression(const AnsiString& value) { fields_ = value; }
    TIndexOptions Options() const { return options_; }
    void SetOptions(TIndexOptions value) { options_ = value; }
    const AnsiString& Source() const { return source_; }
    void SetSource(const AnsiString& value) { source_ = value; }

protected:
    AnsiString GetDisplayName() const override;

private:
    AnsiString name_, fields_, source_;
    TIndexOptions options_;
};

class TIndexDefs : public TOwnedCollection {
    SERVIORA_CLASS(TIndexDefs, TOwnedCollection)
public:
    explicit TIndexDefs(TDataSet* dataSet);

    TIndexDef* Items(int index) const { return static_cast<TIndexDef*>(TCollection::Items(index)); }
    TIndexDef* AddIndexDef() { return static_cast<TIndexDef*>(TCollection::Add()); }
    void Add(const AnsiString& name, const AnsiString& fields, TIndexOptions options);
    // -1 when no definition has the name (case ignored).
    int IndexOf(const AnsiString& name) const;
    // The first definition whose fields begin with `fields`: FindIndexForFields
    // raises "No index for fields 'X'" where GetIndexForFields answers nil.
    TIndexDef* FindIndexForFields(const AnsiString& fields) const;
    TIndexDef* GetIndexForFields(const AnsiString& fields, bool caseInsensitive) const;
    // The definitions are the dataset's own; nothing to read again.
    void Update() { updated_ = true; }
    bool Updated() const { return updated_; }
    void SetUpdated(bool value) { updated_ = value; }

private:
    bool updated_ = false;
};

class TCheckConstraint : public TCollectionItem {
    SERVIORA_CLASS(TCheckConstraint, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TCheckConstraint(TCollection* collection) : TCollectionItem(collection) {}
    void Assign(TPersistent* source) override;
    AnsiString DisplayText() const { return GetDisplayName(); }

    const AnsiString& CustomConstraint() const { return customConstraint_; }
    void SetCustomConstraint(const AnsiString& value) { customConstraint_ = value; }
    const AnsiString& ErrorMessage() const { return errorMessage_; }
    void SetErrorMessage(const AnsiString& value) { errorMessage_ = value; }
    const AnsiString& ImportedConstraint() const { return importedConstraint_; }
    void SetImportedConstraint(const AnsiString& value) { importedConstraint_ = value; }
    bool FromDictionary() const { return fromDictionary_; }
    void SetFromDictionary(bool value) { fromDictionary_ = value; }

protected:
    // The imported condition, else the custom one, else the class name.
    AnsiString GetDisplayName() const override;

private:
    AnsiString customConstraint_, errorMessage_, importedConstraint_;
    bool fromDictionary_ = true;
};

class TCheckConstraints : public TOwnedCollection {
    SERVIORA_CLASS(TCheckConstraints, TOwnedCollection)
public:
    explicit TCheckConstraints(TPersistent* owner) : TOwnedCollection(owner, TCheckConstraint::StaticClass()) {}
    TCheckConstraint* Add() { return static_cast<TCheckConstraint*>(TCollection::Add()); }
    TCheckConstraint* Items(int index) const { return static_cast<TCheckConstraint*>(TCollection::Items(index)); }
    void SetItems(int index, TCheckConstraint* value) { TCollection::SetItems(index, value); }
};

// Qm_Dictionary: a report's named variables and the aliases that give data
// sources and fields the names templates use, with the caches that make
// the many lookups of a build cheap; and the dictionary component a form
// places to supply field aliases from a table.
#pragma once

#include <map>
#include <memory>
#include <utility>

#include "report/core/qm_common.h"

class TQmReport;
class TQmDataset;
class TDataSet;

class TQmDictionary {
public:
    explicit TQmDictionary(TQmReport* report);
    ~TQmDictionary();
    TQmDictionary(const TQmDictionary&) = delete;
    TQmDictionary& operator=(const TQmDictionary&) = delete;

    TQmVariables* Variables() const { return variables_.get(); }
    // Name: a data source's name, or source "." field; value: the alias.
    TQmVariables* Aliases() const { return aliases_.get(); }

    void Clear();
    // Forgets every cached field and prepared expression.
    void ClearCache();
    // The block after tag 254: version 62 with typed values (60 and older
    // without). A wrong signature shows its message and answers False
    // with nothing read past it.
    bool LoadFromStream(TStream* stream);
    void SaveToStream(TStream* stream) const;

    // A field the name reaches (cached) or a dictionary variable.
    bool IsVariable(const AnsiString& name);
    void GetValue(const AnsiString& name, Variant& value);
    // Whether the cached field of the name is null; False for other names.
    bool FieldIsNull(const AnsiString& name);
    // The data source and field the name reaches; False when it reaches none.
    bool FieldOf(const AnsiString& name, TQmDataset*& source, AnsiString& field);

    bool IsExprCached(const AnsiString& text) const { return exprCache_.count(text) != 0; }
    AnsiString GetExprCache(const AnsiString& text) const;
    void AddExprCache(const AnsiString& text, const AnsiString& prepared) { exprCache_[text] = prepared; }
    void AddFieldCache(const AnsiString& name, TQmDataset* source, const AnsiString& field);

    // The data source whose alias this is; the alias itself otherwise.
    AnsiString RealDataSetName(const AnsiString& alias) const;
    // Splits at the last "." outside double quotes; the field part loses
    // its quotes and is cut to 255 bytes. Without such a dot the outputs
    // stay as they were.
    static void SplitFieldName(const AnsiString& text, AnsiString& source, AnsiString& field);

private:
    bool ResolveField(const AnsiString& name, const AnsiString& reference);
    bool ResolveDotted(const AnsiString& name);
    // The alias entry whose value is `alias` and whose name begins with
    // `prefix` (letter case ignored); -1 for none.
    int FindAlias(const AnsiString& alias, const AnsiString& prefix) const;
    Variant VariableValue(int index);

    TQmReport* report_;
    std::unique_ptr<TQmVariables> variables_;
    std::unique_ptr<TQmVariables> aliases_;
    std::map<AnsiString, std::pair<TQmDataset*, AnsiString>> fieldCache_;
    std::map<AnsiString, AnsiString> exprCache_;
};

// The dataset that lists field aliases and its three columns' names.
class TQmFieldFieldNames : public TPersistent {
    SERVIORA_CLASS(TQmFieldFieldNames, TPersistent)
    SERVIORA_PUBLISHED
public:
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* v) { dataSet_ = v; }
    AnsiString TableName = "TableName";
    AnsiString FieldName = "FieldName";
    AnsiString FieldAlias = "FieldAlias";

private:
    TDataSet* dataSet_ = nullptr;
};

class TQmDataDictionary : public TQmComponent {
    SERVIORA_CLASS(TQmDataDictionary, TQmComponent)
    SERVIORA_PUBLISHED
public:
    explicit TQmDataDictionary(TComponent* owner);
    ~TQmDataDictionary() override;

    TQmFieldFieldNames* FieldFieldNames() const { return fieldFieldNames_.get(); }
    void SetFieldFieldNames(TQmFieldFieldNames* v);
    // The alias of the table's field from the alias dataset's row of that
    // table and field (letter case ignored); False without a dataset or row.
    bool FindFieldAlias(const AnsiString& tableName, const AnsiString& fieldName, AnsiString& alias) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TQmFieldFieldNames> fieldFieldNames_;
};

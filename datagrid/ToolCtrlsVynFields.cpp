#include "datagrid/ToolCtrlsVynFields.h"

#include "datagrid/ToolCtrlsVyn.h"
#include "platform/data/field.h"

namespace {

// The names of a ";"-separated list, without the blanks around them.
std::vector<AnsiString> FieldNamesOf(const AnsiString& fieldNames) {
    std::vector<AnsiString> names;
    std::size_t start = 0;
    while (start <= fieldNames.size()) {
        std::size_t end = fieldNames.find(';', start);
        if (end == AnsiString::npos) end = fieldNames.size();
        AnsiString name = fieldNames.substr(start, end - start);
        const std::size_t first = name.find_first_not_of(' ');
        name = first == AnsiString::npos ? AnsiString() : name.substr(first, name.find_last_not_of(' ') - first + 1);
        if (!name.empty()) names.push_back(name);
        start = end + 1;
    }
    return names;
}

}  // namespace

void CollectFieldsByNames(TList* list, TDataSet* dataSet, TComponent* component, const AnsiString& fieldNames) {
    for (const AnsiString& name : FieldNamesOf(fieldNames)) {
        TField* field = dataSet->FindField(name);
        if (!field) DatabaseErrorFmt(SFieldNotFound, {name}, component);
        if (list) list->Add(field);
    }
}

TFieldsArrVyn FieldsArrayByNames(TDataSet* dataSet, TComponent* component, const AnsiString& fieldNames) {
    TList list;
    CollectFieldsByNames(&list, dataSet, component, fieldNames);
    TFieldsArrVyn fields;
    for (int i = 0; i < list.Count(); ++i) fields.push_back(static_cast<TField*>(list.Items(i)));
    return fields;
}

void AssignFieldsValue(TDataSet* dataSet, const AnsiString& fieldNames, const Variant& value) {
    if (SameVariantValue(value, Null())) {
        for (TField* field : dataSet->GetFieldList(fieldNames)) field->Clear();
        return;
    }
    dataSet->SetFieldValues(fieldNames, value);
}

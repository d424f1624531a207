#include "platform/ui/dbctrls.h"

#include "platform/data/field.h"

TField* GetFieldProperty(TDataSet* dataSet, TComponent* control, const AnsiString& fieldName) {
    TField* field = dataSet->FindField(fieldName);
    if (!field) DatabaseErrorFmt(SFieldNotFound, {fieldName}, control);
    return field;
}

bool DBUseRightToLeftAlignment(TControl* control, TField*) { return control && control->UseRightToLeftAlignment(); }

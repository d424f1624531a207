// TPersistent and TFiler.
#include "platform/rtl/persistent.h"

#include "platform/rtl/exceptions.h"

void TFiler::CallDefineProperties(TPersistent* instance, TFiler* filer) {
    instance->DefineProperties(filer);
}

void TPersistent::Assign(TPersistent* source) {
    if (!source)
        throw EConvertError("Cannot assign a nil to a " + ClassName());
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

void TPersistent::DefineProperties(TFiler*) {}

TPersistent* TPersistent::GetOwner() const {
    return nullptr;
}

AnsiString TPersistent::GetNamePath() const {
    AnsiString path = ClassName();
    if (TPersistent* owner = GetOwner()) {
        const AnsiString ownerPath = owner->GetNamePath();
        if (!ownerPath.empty())
            path = ownerPath + "." + path;
    }
    return path;
}

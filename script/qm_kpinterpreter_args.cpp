// The argument frame.
#include "script/qm_kpinterpreter_args.h"

#include "script/qm_kpinterpreter_arrays.h"

void TKpInterpreterArgs::Clear() {
    Reset();
    for (Variant& value : ArgValues)
        if (!VarIsEmpty(value)) value = Variant();
    for (AnsiString& name : VarArgNames)
        if (!name.empty()) name.clear();
    ArgTypes.fill(0);
    CallName.clear();
    ResultWanted = false;
    Assignment = false;
    openConsts_.clear();
}

std::span<const TVarRec> TKpInterpreterArgs::ToOpenArray(int index) {
    openConsts_.clear();
    ArrayToOpenArray(ArgValues.at(std::size_t(index)), openConsts_);
    return openConsts_;
}

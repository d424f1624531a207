// The argument frame.
#include "script/qm_kpinterpreter_args.h"

#include "script/qm_kpinterpreter_arrays.h"

void TKpInterpreterArgs::Reset() {
    ArgCount = 0;
    callObject_ = Variant();
    HasVarArgs = false;
    Indexed = false;
    IndexedDone = false;
    DispatchTarget = Variant();
}

std::span<const TVarRec> TKpInterpreterArgs::ToOpenArray(int index) {
    openConsts_.clear();
    ArrayToOpenArray(ArgValues.at(std::size_t(index)), openConsts_);
    return openConsts_;
}

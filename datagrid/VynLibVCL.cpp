#include "datagrid/VynLibVCL.h"

#include "platform/data/datasource.h"
#include "platform/rtl/typinfo.h"

TDataSet* DataSetOfDataSourceProperty(TComponent* component) {
    if (!component) return nullptr;
    try {
        PPropInfo info = GetPropInfo(component, "DataSource");
        if (!info || info->PropType()->Kind != tkClass) return nullptr;
        auto* source = dynamic_cast<TDataSource*>(GetObjectProp(component, "DataSource"));
        return source ? source->DataSet() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

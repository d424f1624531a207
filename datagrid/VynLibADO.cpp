// The ADO back ends: the sort string of local sorting, the inherited
// statement rewriting otherwise.
#include "datagrid/VynLibADO.h"

#include <cctype>

#include "datagrid/DBGridVyn.h"
#include "platform/data/ado.h"

namespace {

// A name the sort parser reads as it is: letters (any non-ASCII character
// counts as one), digits and underscores.
bool IsPlainName(const AnsiString& name) {
    if (name.empty()) return false;
    for (unsigned char c : name)
        if (c < 0x80 && !std::isalnum(c) && c != '_') return false;
    return true;
}

template <class Base>
void ApplyADOSorting(Base* self, TObject* sender, TDataSet* dataSet, bool isReopen) {
    auto* grid = dynamic_cast<TCustomDBGridVyn*>(sender);
    if (!grid) return;
    if (grid->SortLocal())
        BuildADOSortString(grid, dataSet);
    else
        self->Base::ApplySorting(sender, dataSet, isReopen);
}

}  // namespace

AnsiString ADODateLiteral(TDataSet*, TDateTime Value) { return DateToSQLLiteral("MSACCESS", Value); }

void BuildADOSortString(TCustomDBGridVyn* Grid, TDataSet* DataSet) {
    AnsiString sort;
    TColumnsVynList* marked = Grid->SortMarkedColumns();
    for (int i = 0; i < marked->Count(); ++i) {
        TColumnVyn* column = marked->Items(i);
        const AnsiString& name = column->FieldName();
        sort += IsPlainName(name) ? name : "[" + name + "]";
        sort += column->Title()->SortMarker() == smUpVyn ? " DESC, " : ", ";
    }
    sort = sort.substr(0, sort.size() >= 2 ? sort.size() - 2 : 0);
    if (auto* ado = dynamic_cast<TCustomADODataSet*>(DataSet)) ado->SetSort(sort);
}

TADOSQLDatasetFeaturesVyn::TADOSQLDatasetFeaturesVyn() {
    DateLiteralFunc = ADODateLiteral;
    LocalFilterLike = true;
}

void TADOSQLDatasetFeaturesVyn::ApplySorting(TObject* Sender, TDataSet* DataSet, bool IsReopen) {
    ApplyADOSorting<TSQLDatasetFeaturesVyn>(this, Sender, DataSet, IsReopen);
}

TADOCommandTextDatasetFeaturesVyn::TADOCommandTextDatasetFeaturesVyn() {
    DateLiteralFunc = ADODateLiteral;
    LocalFilterLike = true;
}

void TADOCommandTextDatasetFeaturesVyn::ApplySorting(TObject* Sender, TDataSet* DataSet, bool IsReopen) {
    ApplyADOSorting<TCommandTextDatasetFeaturesVyn>(this, Sender, DataSet, IsReopen);
}

void RegisterADODatasetFeatures() {
    RegisterDatasetFeaturesClass(TADOSQLDatasetFeaturesVyn::StaticClass(), TADOQuery::StaticClass());
    RegisterDatasetFeaturesClass(TADOCommandTextDatasetFeaturesVyn::StaticClass(),
                                 TCustomADODataSet::StaticClass());
}

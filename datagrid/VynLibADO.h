// The ADO back ends of the dataset-feature registry: queries sort through
// the recordset's sort string when the grid sorts locally, else through
// their statement's ORDER BY line; dates are written as "#MM/DD/YYYY#".
#pragma once

#include "datagrid/DbUtilsVyn.h"

class TADOSQLDatasetFeaturesVyn : public TSQLDatasetFeaturesVyn {
    SERVIORA_CLASS(TADOSQLDatasetFeaturesVyn, TSQLDatasetFeaturesVyn)
public:
    TADOSQLDatasetFeaturesVyn();
    void ApplySorting(TObject* Sender, TDataSet* DataSet, bool IsReopen) override;
};

class TADOCommandTextDatasetFeaturesVyn : public TCommandTextDatasetFeaturesVyn {
    SERVIORA_CLASS(TADOCommandTextDatasetFeaturesVyn, TCommandTextDatasetFeaturesVyn)
public:
    TADOCommandTextDatasetFeaturesVyn();
    void ApplySorting(TObject* Sender, TDataSet* DataSet, bool IsReopen) override;
};

AnsiString ADODateLiteral(TDataSet* DataSet, TDateTime Value);
// The grid's sort-marked columns as a recordset sort string ("A, B DESC"),
// assigned to the dataset's Sort; names that are not plain identifiers are
// written in brackets.
void BuildADOSortString(TCustomDBGridVyn* Grid, TDataSet* DataSet);
// Files TADOQuery and TCustomADODataSet; run once at the library's start.
void RegisterADODatasetFeatures();

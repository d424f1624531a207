// Data-field references of report expressions: "品牌", QmDBDataSet1."品牌",
// Form.Source."Field" — the data source they name and the field in it.
#pragma once

#include "platform/rtl/types.h"

class TQmReport;
class TQmDataset;

// The field named by the reference, or "" when the source has no such
// field. Without a dot the field is one of `source`; with dots `source`
// becomes the data source the reference names (among the report owner's
// components, or in a live form), or nullptr.
AnsiString ParseDataField(TQmReport* report, const AnsiString& reference, TQmDataset*& source);
// The name itself when it is among the source's fields; "" otherwise.
AnsiString FindDatasetField(TQmDataset* source, const AnsiString& name);
// A band's data source: with `isCount` a new user data source (the caller
// frees it) that runs the number of records the text gives; otherwise the
// data source of that name among the report owner's components, or none.
// The source is initialised; its failure becomes the report's error.
void CreateBandDataset(TQmReport* report, const AnsiString& text, bool isCount, TQmDataset*& source);
// The database source behind the band being printed: the page's master
// data band's for the title, summary, page and column headers and footers,
// master data and group bands; the detail band's for a detail band; the
// cross data band's for cross data and footer bands; the report's own for
// the rest. nullptr without a current band or page, or when the source is
// no TQmDBDataSet.
TQmDataset* GetBandDataset(TQmReport* report);

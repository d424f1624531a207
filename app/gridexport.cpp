// The list export's steps.
#include "app/gridexport.h"

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynImpExp.h"
#include "platform/data/dataset.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/forms.h"

namespace {

struct ExportFormat {
    const char* extension;
    TDBGridVynExportClass exporter;
};

ExportFormat FormatOfFilter(int index) {
    switch (index) {
    case 1: return {"txt", TDBGridVynExportAsText::StaticClass()};
    case 2: return {"csv", TDBGridVynExportAsCSV::StaticClass()};
    case 3: return {"htm", TDBGridVynExportAsHTML::StaticClass()};
    case 4: return {"rtf", TDBGridVynExportAsRTF::StaticClass()};
    default: return {"xls", TDBGridVynExportAsXLS::StaticClass()};
    }
}

// The name's last three characters (a double-byte character counts as one).
AnsiString LastCharacters(const AnsiString& name, int count) {
    std::size_t start = name.size();
    for (int n = 0; n < count && start > 0; ++n) start = AnsiCharStart(name, start - 1);
    return name.substr(start);
}

}  // namespace

void ExportListToFile(TDataSet* list, TDBGridVyn* grid, TSaveDialog* dialog) {
    if (list->Eof()) return;
    dialog->SetFileName("file1");
    if (!dialog->Execute()) return;
    const ExportFormat format = FormatOfFilter(dialog->FilterIndex());
    AnsiString name = dialog->FileName();
    if (UpperCase(LastCharacters(name, 3)) != UpperCase(format.extension)) name += AnsiString(".") + format.extension;
    ExportDBGridVynToFile(format.exporter, grid, name, true);
    Application->MessageBox("导出数据成功！", "提示", MB_ICONINFORMATION);
}

// The find dialog's Find next over a list grid on the service-order table
// (100,000 rows, 35 columns), for a text no row holds, so that the scan
// walks every record: direction All, one text column (顾客姓名), timed side by
// side with a plain loop over the same column's texts held in a vector,
// upper-cased and searched the same way (goal: under 10 times). With Match
// Format off the dialog compares the field's text; the same search with
// Match Format on, comparing the shown text, is reported beside it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/list_window.h"
#include "datagrid/DBGridVynFindDlgs.h"
#include "gui_bench_main.h"
#include "platform/data/field.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/modalresponder.h"
#include "side_by_side.h"

namespace {

using namespace service_orders;

const char* const kAbsentText = "no customer has this name";

void FindNextBesideLoop(benchmark::State& state) {
    static ListWindow window;
    const bool useFormat = state.range(0) != 0;
    std::unique_ptr<TADOQuery> query = window.NewQuery();
    window.source->SetDataSet(query.get());
    query->Open();
    ProcessMessages();
    std::vector<AnsiString> names;
    for (query->First(); !query->Eof(); query->Next()) names.push_back(query->FieldByName("顾客姓名")->AsString());
    query->First();

    ExecuteDBGridVynFindDialog(window.grid, kAbsentText, AnsiString(), false, {});
    TDBGridVynFindDlg* dialog = DBGridVynFindDlg();
    dialog->cbFindIn->SetText("顾客姓名");
    dialog->cbFindDirection->SetText("All");
    dialog->cbMatchinType->SetText("From any part of field");
    dialog->cbUseFormat->SetChecked(useFormat);
    ProcessMessages();
    if (dialog->FindColumns().Count() != 1) return state.SkipWithError("no column to search");
    const AnsiString search = AnsiUpperCase(kAbsentText);
    int loopFound = 0;
    TimeSideBySide(
        state,
        [&] {
            PushModalAnswer({mrOk});  // the not-found message
            dialog->cbTextChange(dialog);
            dialog->bFindClick(dialog->bFind);
        },
        [&] {
            for (const AnsiString& name : names)
                if (AnsiPos(search, AnsiUpperCase(name)) > 0) ++loopFound;
        });
    ResetModalResponder();
    if (loopFound != 0 || query->RecNo() != 1) state.SkipWithError("the text was found");
    dialog->Close();
    window.source->SetDataSet(nullptr);
}

}  // namespace

BENCHMARK(FindNextBesideLoop)->ArgName("match_format")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }

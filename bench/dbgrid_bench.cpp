// The data-aware grid over the service-order table (100,000 rows, 35
// columns) as the application's list windows configure it, timed side by
// side with the query alone:
// - opening the query and the grid's first paint, the footer's count of
//   every record included, against opening the same query (goal: under
//   1.3 times);
// - repainting with the last record current against the first (goal:
//   under 1.2 times): only the rows in view are read;
// - a title click with its sort and repaint against the same sort through
//   a second query's Sort alone (goal: under 1.3 times).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/list_window.h"
#include "gui_bench_main.h"
#include "side_by_side.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"

namespace {

using namespace service_orders;

ListWindow& Window() {
    static ListWindow window;
    return window;
}

void OpenAndFirstPaint(benchmark::State& state) {
    ListWindow& window = Window();
    double counted = 0;
    TimeSideBySide(
        state,
        [&] {
            std::unique_ptr<TADOQuery> query = window.NewQuery();
            window.source->SetDataSet(query.get());
            query->Open();
            window.Paint();
            counted = std::atof(window.grid->FooterCellText(0, window.grid->Columns()->Items(1)).c_str());
            window.source->SetDataSet(nullptr);
        },
        [&] {
            std::unique_ptr<TADOQuery> query = window.NewQuery();
            query->Open();
            benchmark::DoNotOptimize(query->RecordCount());
        });
    state.counters["footer_count"] = counted;
}

void RepaintAtTheLastRecord(benchmark::State& state) {
    ListWindow atFirst;
    ListWindow atLast;
    std::unique_ptr<TADOQuery> first = atFirst.NewQuery();
    std::unique_ptr<TADOQuery> last = atLast.NewQuery();
    atFirst.source->SetDataSet(first.get());
    atLast.source->SetDataSet(last.get());
    first->Open();
    last->Open();
    last->Last();
    ProcessMessages();
    TimeSideBySide(state, [&] { atLast.Paint(); }, [&] { atFirst.Paint(); });
    atFirst.source->SetDataSet(nullptr);
    atLast.source->SetDataSet(nullptr);
}

// Clicks on the customer-name title, the sort alternating ascending and
// descending; the reference sorts its own query the same way.
void TitleClickSort(benchmark::State& state) {
    ListWindow& window = Window();
    TDBGridVyn* grid = window.grid;
    grid->ColumnDefValues()->Title()->SetTitleButton(true);
    grid->SetOptionsVyn(grid->OptionsVyn() + TDBGridVynOptions{dghAutoSortMarking, dghMultiSortMarking});
    grid->SetSortLocal(true);
    std::unique_ptr<TADOQuery> query = window.NewQuery(), reference = window.NewQuery();
    window.source->SetDataSet(query.get());
    query->Open();
    reference->Open();
    ProcessMessages();
    const TRect cell = grid->CellRect(grid->DataToRawColumn(7), 0);  // 顾客姓名
    int clicks = 0;
    TimeSideBySide(
        state,
        [&] {
            // Ten pixels apart, so that no click is a double click.
            const POINT p{(cell.left + cell.right) / 2 + (clicks % 2 ? 5 : -5), (cell.top + cell.bottom) / 2};
            SimulateClick(grid->Handle(), p);
            ProcessMessages();
        },
        [&] { reference->SetSort(clicks++ % 2 ? "顾客姓名 DESC" : "顾客姓名"); });
    if (query->Sort() != reference->Sort()) state.SkipWithError("the click did not sort the query");
    window.source->SetDataSet(nullptr);
}

}  // namespace

BENCHMARK(OpenAndFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(RepaintAtTheLastRecord)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(TitleClickSort)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }

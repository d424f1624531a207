// The data-aware grid over the service-order table (100,000 rows, 35
// columns): a title click with its sort and repaint, side by side with the
// same sort through a second query's Sort alone (goal: under 1.3 times).
#include <benchmark/benchmark.h>

#include "gui_bench_main.h"
#include "service_orders.h"
#include "side_by_side.h"
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"

namespace {

struct ListWindow {
    ListWindow() {
        InitializeDataGridLibrary();
        if (!Application) Application = TApplication::Create(nullptr);
        connection = Connect(kRows);
        query = OpenAll(connection.get());
        reference = OpenAll(connection.get());
        source = std::make_unique<TDataSource>(nullptr);
        source->SetDataSet(query.get());
        form = TForm::Create(Application, 0);
        form->SetBounds(0, 0, 1280, 800);
        grid = TDBGridVyn::Create(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1280, 800);
        grid->ColumnDefValues()->Title()->SetTitleButton(true);
        grid->SetOptionsVyn(grid->OptionsVyn() + TDBGridVynOptions{dghAutoSortMarking, dghMultiSortMarking});
        grid->SetSortLocal(true);
        grid->SetDataSource(source.get());
        form->Show();
        ProcessMessages();
    }
    std::unique_ptr<TADOConnection> connection;
    std::unique_ptr<TADOQuery> query;
    std::unique_ptr<TADOQuery> reference;
    std::unique_ptr<TDataSource> source;
    TForm* form = nullptr;
    TDBGridVyn* grid = nullptr;
};

// Clicks on the customer-name title, the sort alternating ascending and
// descending; the reference sorts its own copy of the rows the same way.
void TitleClickSort(benchmark::State& state) {
    static ListWindow window;
    TDBGridVyn* grid = window.grid;
    const int column = grid->DataToRawColumn(8);  // 顾客姓名
    grid->SetLeftCol(column);
    ProcessMessages();
    const TRect cell = grid->CellRect(column, 0);
    int clicks = 0;
    TimeSideBySide(
        state,
        [&] {
            // Ten pixels apart, so that no click is a double click.
            const POINT p{(cell.left + cell.right) / 2 + (clicks % 2 ? 5 : -5), (cell.top + cell.bottom) / 2};
            SimulateClick(grid->Handle(), p);
            ProcessMessages();
        },
        [&] { window.reference->SetSort(clicks++ % 2 ? "顾客姓名 DESC" : "顾客姓名"); });
    if (window.query->Sort() != window.reference->Sort()) state.SkipWithError("the click did not sort the query");
}
BENCHMARK(TitleClickSort)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }

// The string grid's repaint cost does not grow with the row it shows: a
// 1280x800 grid of 50,000 rows x 20 columns repainted with the first row
// at the top and with row 49,001 at the top (which shows the same texts)
// should cost the same: only the cells in view are visited.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "platform/ui/forms.h"
#include "platform/ui/grids.h"
#include "gui_bench_main.h"
#include "platform/ui/testseams.h"

namespace {

constexpr int kRows = 50000, kCols = 20;

struct GridOnForm {
    GridOnForm() {
        Application = TApplication::Create(nullptr);
        form = TForm::Create(Application, 0);
        form->SetBounds(0, 0, 1280, 800);
        grid = new TStringGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 1280, 800);
        grid->SetColCount(kCols);
        grid->SetRowCount(kRows);
        // Texts that repeat every 1,000 rows, so both positions draw the same glyphs.
        char text[16];
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                std::snprintf(text, sizeof text, "%05d,%02d", r % 1000, c);
                grid->SetCells(c, r, text);
            }
        form->Show();
        ProcessMessages();
    }
    TForm* form = nullptr;
    TStringGrid* grid = nullptr;
};

GridOnForm& Fixture() {
    static GridOnForm fixture;
    return fixture;
}

void RepaintStringGridAtRow(benchmark::State& state) {
    TStringGrid* grid = Fixture().grid;
    grid->SetTopRow(static_cast<int>(state.range(0)));
    ProcessMessages();
    for (auto _ : state) {
        grid->Invalidate();
        ProcessMessages();
    }
    state.counters["TopRow"] = grid->TopRow();
}
BENCHMARK(RepaintStringGridAtRow)->Arg(1)->Arg(49001)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv);
}

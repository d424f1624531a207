// The string grid's repaint at its last screen against the same repaint at
// its first, side by side in one run: a 1,000,000-row, 10-column grid in a
// 1280x800 window should cost the same wherever it is scrolled, since only
// the cells in view are visited (goal: last within 1.2 times first).
// And sorting such a grid on a column of distinct texts against std::sort
// of the same strings (goal: within 2 times).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "gui_bench_main.h"
#include "side_by_side.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "stringgrid/BavGrid.h"

namespace {

constexpr int kRows = 1000000, kCols = 10, kWidth = 1280, kHeight = 800;

struct GridOnForm {
    GridOnForm() {
        if (!Application) Application = TApplication::Create(nullptr);
        form = TForm::Create(Application, 0);
        form->SetBounds(0, 0, kWidth, kHeight);
        grid = new TBavStringGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, kWidth, kHeight);
        grid->SetColCount(kCols);
        grid->SetRowCount(kRows);
        grid->Bands()->SetActive(true);
        form->Show();
        ProcessMessages();
        // The texts of both screens measured; the rows between stay empty.
        const int screen = grid->VisibleRowCount() + 2;
        for (int r = 0; r < screen; ++r)
            for (int c = 0; c < kCols; ++c) {
                char text[24];
                std::snprintf(text, sizeof text, "%07d,%02d", r, c);
                grid->SetCells(c, r, text);
                grid->SetCells(c, kRows - 1 - r, text);
            }
    }
    TForm* form = nullptr;
    TBavStringGrid* grid = nullptr;
};

GridOnForm& Grid() {
    static GridOnForm grid;
    return grid;
}

void Repaint(TBavStringGrid* grid, int topRow) {
    grid->SetTopRow(topRow);
    ProcessMessages();
    grid->Invalidate();
    ProcessMessages();
}

void RepaintLastAgainstFirst(benchmark::State& state) {
    TBavStringGrid* grid = Grid().grid;
    const int first = grid->FixedRows(), last = grid->RowCount() - grid->VisibleRowCount();
    std::vector<double> atLast, atFirst;
    for (auto _ : state) {
        grid->SetTopRow(last);
        ProcessMessages();
        double start = ThreadMicroseconds();
        Repaint(grid, last);
        const double lastTime = ThreadMicroseconds() - start;
        grid->SetTopRow(first);
        ProcessMessages();
        start = ThreadMicroseconds();
        Repaint(grid, first);
        const double firstTime = ThreadMicroseconds() - start;
        atLast.push_back(lastTime);
        atFirst.push_back(firstTime);
        state.SetIterationTime((lastTime + firstTime) / 1e6);
    }
    state.counters["last_us"] = Median(atLast);
    state.counters["first_us"] = Median(atFirst);
    state.counters["ratio"] = Median(atLast) / Median(atFirst);
}
BENCHMARK(RepaintLastAgainstFirst)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

// The keys in a shuffled order, the same each run.
std::vector<std::string> ShuffledKeys() {
    std::vector<std::string> keys;
    keys.reserve(kRows);
    for (int r = 0; r < kRows; ++r) {
        char text[24];
        std::snprintf(text, sizeof text, "K%07d", r);
        keys.emplace_back(text);
    }
    std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
    return keys;
}

void SortAgainstStdSort(benchmark::State& state) {
    TForm* form = TForm::Create(Application ? Application : (Application = TApplication::Create(nullptr)), 0);
    auto* grid = new TBavStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, kWidth, kHeight);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows + 1);
    grid->SortSettings()->SetAutoFormat(false);
    grid->SortSettings()->SetColumn(2);
    const std::vector<std::string> keys = ShuffledKeys();
    std::vector<std::string> copy;
    TimeSideBySide(
        state, [&] { grid->QSort(); }, [&] { std::sort(copy.begin(), copy.end()); },
        [&] {
            for (int r = 0; r < kRows; ++r) grid->SetCells(2, r + 1, keys[std::size_t(r)]);
            copy = keys;
        });
    delete form;
}
BENCHMARK(SortAgainstStdSort)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }

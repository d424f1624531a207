// The string grid's repaint at its last screen against the same repaint at
// its first, side by side in one run: a 1,000,000-row, 10-column grid in a
// 1280x800 window should cost the same wherever it is scrolled, since only
// the cells in view are visited (goal: last within 1.2 times first).
// And sorting such a grid on a column of distinct texts against std::sort
// of the same strings (goal: within 2 times).
// And loading a 1,000,000-row, 10-column CSV file beside Python's csv
// module reading the same file into its lists (goal: ratio at most 1),
// with the memory a loaded cell takes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "gui_bench_main.h"
#include "peer_seconds.h"
#include "side_by_side.h"
#include "platform/ui/forms.h"
#include "platform/rtl/codepage.h"
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

// A GB18030 file of kRows lines of kCols fields: numbers, Chinese text,
// and every seventh field quoted with the delimiter inside.
std::string CsvFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() / "stringgrid_bench.csv").string();
        std::ofstream out(file, std::ios::binary);
        const std::string chinese = Utf8ToAnsi("维修客户");
        std::string line;
        for (int r = 0; r < kRows; ++r) {
            line.clear();
            for (int c = 0; c < kCols; ++c) {
                if (c) line += ',';
                const int n = r * kCols + c;
                if (n % 7 == 0)
                    line += "\"a," + std::to_string(n) + "\"";
                else if (n % 3 == 0)
                    line += chinese + std::to_string(r);
                else
                    line += std::to_string(n);
            }
            line += "\r\n";
            out << line;
        }
        return file;
    }();
    return path;
}

double WallSeconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// Python reads the file into its lists and reports its own time, so its
// start-up is not counted.
double PythonSeconds(const std::string& file) {
    const std::string command =
        "python3 -c \"import csv, time, sys; t = time.perf_counter(); "
        "rows = list(csv.reader(open(sys.argv[1], encoding='gb18030', newline=''))); "
        "print(time.perf_counter() - t)\" " + file;
    return PeerSelfReportedSeconds(command);
}

void LoadCsvBesidePython(benchmark::State& state) {
    if (std::system("command -v python3 > /dev/null 2>&1") != 0) return state.SkipWithError("python3 missing");
    const std::string file = CsvFile();
    const double bytesPerCell = double(std::filesystem::file_size(file)) / (double(kRows) * kCols);
    std::vector<double> ours, python;
    double bytesPerLoadedCell = 0;
    for (auto _ : state) {
        auto* grid = new TBavStringGrid(Application);
        const long before = ResidentBytes();
        const auto start = std::chrono::steady_clock::now();
        grid->LoadCSVFile(file);
        ours.push_back(WallSeconds(start));
        // Measured on the first load only: later loads reuse the memory the
        // earlier grid gave back.
        if (ours.size() == 1) bytesPerLoadedCell = double(ResidentBytes() - before) / (double(kRows) * kCols);
        delete grid;
        python.push_back(PythonSeconds(file));
        state.SetIterationTime(ours.back() + python.back());
    }
    state.counters["platform_s"] = Median(ours);
    state.counters["python_s"] = Median(python);
    state.counters["ratio"] = Median(ours) / Median(python);
    state.counters["bytes_per_cell"] = bytesPerLoadedCell;
    state.counters["file_bytes_per_cell"] = bytesPerCell;
}
BENCHMARK(LoadCsvBesidePython)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }

// Saving a spreadsheet: 100,000 rows of 20 columns of numbers and short
// texts, two sheets of 50,000 rows, written as BIFF8 by our writer, side by
// side with LibreOffice converting the same two halves from CSV to xls in
// one headless run. Reports both times, their ratio and the writer's peak
// memory (the process's peak resident size while it saves).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/rtl/sysutils.h"
#include "report/ui/qm_buzwriters.h"

namespace {

constexpr int kRowsPerSheet = 50000, kColumns = 20;

std::string TempFolder() {
    char pattern[] = "/tmp/workbook-bench-XXXXXX";
    return std::string(mkdtemp(pattern)) + "/";
}

AnsiString Text(int row, int column) { return "r" + IntToStr(row) + "c" + IntToStr(column); }

void Fill(TbuzXLSWorkbook& book) {
    for (int s = 0; s < 2; ++s) {
        TbuzXLSWorksheet* sheet = book.AddSheet();
        for (int row = 0; row < kRowsPerSheet; ++row)
            for (int column = 0; column < kColumns; ++column) {
                TbuzXLSRange* range = sheet->GetRange(column, row, column, row);
                if (column % 2) range->SetValue(Text(row, column));
                else range->SetValue(double(row) * 0.5 + column);
            }
    }
}

void WriteCsv(const std::string& file, int sheet) {
    std::ofstream out(file);
    for (int row = 0; row < kRowsPerSheet; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (column) out << ',';
            if (column % 2) out << Text(row, column);
            else out << double(row) * 0.5 + column;
        }
        out << '\n';
    }
    (void)sheet;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void SaveBesideLibreOffice(benchmark::State& state) {
    const std::string folder = TempFolder();
    TbuzXLSWorkbook book;
    Fill(book);
    WriteCsv(folder + "half1.csv", 0);
    WriteCsv(folder + "half2.csv", 1);
    const bool haveLibreOffice = std::system("command -v soffice >/dev/null 2>&1") == 0;
    if (!haveLibreOffice) std::puts("workbook_bench: LibreOffice (libreoffice-calc-nogui) is missing; timing our writer alone");
    const long before = PeakKilobytes();
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        TbuzExcelWriter().Save(&book, folder + "book.xls");
        ours = Seconds(start);
        if (haveLibreOffice) {
            start = std::chrono::steady_clock::now();
            const std::string command = "cd " + folder + " && HOME=" + folder +
                                        " soffice --headless --convert-to xls half1.csv half2.csv >/dev/null 2>&1";
            if (std::system(command.c_str()) != 0) state.SkipWithError("LibreOffice failed");
            theirs = Seconds(start);
        }
        state.SetIterationTime(ours);
    }
    state.counters["writer_s"] = ours;
    state.counters["writer_peak_MB"] = double(PeakKilobytes()) / 1024;
    state.counters["writer_peak_growth_MB"] = double(PeakKilobytes() - before) / 1024;
    if (haveLibreOffice) {
        state.counters["libreoffice_s"] = theirs;
        state.counters["times_faster"] = theirs / ours;
    }
    std::system(("rm -rf " + folder).c_str());
}
BENCHMARK(SaveBesideLibreOffice)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

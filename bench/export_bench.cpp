// Export of service orders x 20 columns (numbers and ASCII text) through
// ExportDBGridVynToFile as CSV (100,000 rows) and as XLS (the 65,535 rows
// the format can number under its title row), beside LibreOffice converting
// the same CSV to XLS (goal: the exporter at least 10 times faster). The resident memory's growth during an export, measured after
// the query is open, is reported for 10,000 and 100,000 rows: it should be
// the same small constant. LibreOffice also converts the exported XLS back
// to CSV, and its cells are compared with ours, as a check of the format
// by an independent reader. `make bench` installs LibreOffice
// (libreoffice-calc-nogui); without it those parts are skipped and said so.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "gui_bench_main.h"
#include "bench/service_orders_db.h"
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/ui/forms.h"

namespace {

using namespace service_orders;

// Twenty columns of numbers and ASCII text under ASCII titles.
const char* const kQuery =
    "select 编号 as No, 串码 as Imei, 型号 as Model, 价格 as Price, 电话 as Phone, 接待日期 as Received, "
    "接待经手人 as ReceivedBy, 已返厂 as Sent, 返厂日期 as SentOn, 返厂经手人 as SentBy, 已返回 as Back, "
    "退货 as Refused, 返回日期 as BackOn, 返回经手人 as BackBy, 已换机 as Swapped, 新串码 as NewImei, "
    "新价格 as NewPrice, 已交付 as Delivered, 交付日期 as DeliveredOn, 交付经手人 as DeliveredBy from 流水记录";

// The worksheet rows the XLS record stream can number, less the title row.
constexpr int kXlsRecords = 65535;

struct ExportedList {
    explicit ExportedList(int rows, int limit = 0) {
        InitializeDataGridLibrary();
        if (!Application) Application = TApplication::Create(nullptr);
        connection = Connect(rows);
        query = std::make_unique<TADOQuery>(nullptr);
        query->SetConnection(connection.get());
        query->SQL()->Add(kQuery);
        if (limit > 0) query->SQL()->Add("limit " + std::to_string(limit));
        query->Open();
        source = std::make_unique<TDataSource>(nullptr);
        source->SetDataSet(query.get());
        grid.reset(TDBGridVyn::Create(nullptr));
        grid->SetDataSource(source.get());
    }
    std::unique_ptr<TADOConnection> connection;
    std::unique_ptr<TADOQuery> query;
    std::unique_ptr<TDataSource> source;
    std::unique_ptr<TDBGridVyn> grid;
};

// The exports' folder, removed at exit: the exported files are large.
std::string Folder() {
    static const struct Made {
        Made() {
            char pattern[] = "/tmp/serviora-export-XXXXXX";
            path = mkdtemp(pattern);
        }
        ~Made() { std::filesystem::remove_all(path); }
        std::string path;
    } folder;
    return folder.path;
}

bool HaveSoffice() { return std::system("command -v soffice > /dev/null 2>&1") == 0; }

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The peak resident bytes since the last reset (VmHWM); resets it.
double PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    double kilobytes = 0;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) kilobytes = std::atof(line.c_str() + 6);
    return kilobytes * 1024;
}
void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The cells of a CSV file with `separator`, quotes removed.
std::vector<std::vector<std::string>> ReadCsv(const std::string& file, char separator) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::vector<std::string>> rows(1);
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') cell += text[++i];
            else if (c == '"') quoted = false;
            else cell += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            rows.back().push_back(cell);
            cell.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            rows.back().push_back(cell);
            cell.clear();
            rows.emplace_back();
        } else {
            cell += c;
        }
    }
    rows.back().push_back(cell);
    if (rows.back().size() == 1 && rows.back()[0].empty()) rows.pop_back();
    return rows;
}

void ExportBesideLibreOffice(benchmark::State& state) {
    static ExportedList list(kRows);
    static ExportedList sheet(kRows, kXlsRecords);
    const std::string xls = Folder() + "/list.xls", csv = Folder() + "/list.csv";
    double xlsSeconds = 0, csvSeconds = 0, sofficeSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        ExportDBGridVynToFile(TDBGridVynExportAsXLS::StaticClass(), sheet.grid.get(), xls, true);
        xlsSeconds = Seconds(start);
        start = std::chrono::steady_clock::now();
        ExportDBGridVynToFile(TDBGridVynExportAsCSV::StaticClass(), list.grid.get(), csv, true);
        csvSeconds = Seconds(start);
        state.SetIterationTime(xlsSeconds + csvSeconds);
    }
    state.counters["xls_s"] = xlsSeconds;
    state.counters["csv_s"] = csvSeconds;
    if (!HaveSoffice()) {
        std::fprintf(stderr, "export_bench: soffice is missing (make bench installs libreoffice-calc-nogui); "
                             "the LibreOffice comparison and the read-back check are skipped\n");
        return;
    }
    const std::string out = Folder() + "/soffice";
    auto start = std::chrono::steady_clock::now();
    std::system(("soffice --headless --convert-to xls --outdir " + out + " " + csv + " > /dev/null 2>&1").c_str());
    sofficeSeconds = Seconds(start);
    state.counters["soffice_s"] = sofficeSeconds;
    // Per row, since the XLS holds fewer rows than the CSV.
    state.counters["soffice_over_xls"] = sofficeSeconds / kRows / (xlsSeconds / kXlsRecords);
    state.counters["soffice_over_csv"] = sofficeSeconds / csvSeconds;
    // Our XLS read back by LibreOffice, cell by cell against our CSV.
    const std::string back = Folder() + "/back";
    std::system(("soffice --headless --convert-to 'csv:Text - txt - csv (StarCalc):59,34,76,1' --outdir " + back +
                 " " + xls + " > /dev/null 2>&1")
                    .c_str());
    auto ours = ReadCsv(csv, ';');
    ours.resize(kXlsRecords + 1);
    const auto theirs = ReadCsv(back + "/list.csv", ';');
    long differing = ours.size() == theirs.size() ? 0 : -1;
    for (std::size_t r = 0; differing >= 0 && r < ours.size(); ++r)
        for (std::size_t c = 0; c < ours[r].size(); ++c)
            if (c >= theirs[r].size() || ours[r][c] != theirs[r][c]) {
                if (differing++ == 0)
                    std::fprintf(stderr, "export_bench: row %zu column %zu: ours \"%s\", read back \"%s\"\n", r, c,
                                 ours[r][c].c_str(), c < theirs[r].size() ? theirs[r][c].c_str() : "(none)");
            }
    state.counters["cells_differing"] = static_cast<double>(differing);
}
BENCHMARK(ExportBesideLibreOffice)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// The peak resident growth of one XLS export over `rows` rows.
void ExportMemory(benchmark::State& state) {
    ExportedList list(kRows, static_cast<int>(state.range(0)));
    const std::string xls = Folder() + "/memory.xls";
    double growth = 0;
    for (auto _ : state) {
        ResetPeakResident();
        const double base = PeakResidentBytes();
        ExportDBGridVynToFile(TDBGridVynExportAsXLS::StaticClass(), list.grid.get(), xls, true);
        growth = PeakResidentBytes() - base;
    }
    state.counters["growth_kb"] = growth / 1024;
}
BENCHMARK(ExportMemory)->Arg(6000)->Arg(kXlsRecords)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }

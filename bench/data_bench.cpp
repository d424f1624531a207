// The service-order table (the application's 35 columns) in a query's
// snapshot, measured side by side with what SQLite and the standard library
// do for the same work:
// - open and sort 100,000 rows against SQLite reading them with ORDER BY
//   (goal: within twice SQLite's time, the snapshot under 200 MB);
// - open 100,000 and 1,000,000 rows against SQLite reading every cell
//   through its C API (goal at 1,000,000: at most 1.3 times), with the
//   resident bytes each row takes;
// - sort them by customer name against std::sort of the same keys, the
//   names as the sort compares them (goal at 1,000,000: at most twice).
// Each side-by-side case reports both times and their ratio as counters.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/data/ado.h"
#include "platform/data/field.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "bench/service_orders_db.h"

namespace {

using namespace service_orders;

constexpr int kManyRows = 1000000;

// Resident set size in bytes.
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Reads every cell of `sql` through SQLite's C API; answers a checksum.
std::size_t ReadEveryCell(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), db);
    const int columns = sqlite3_column_count(stmt);
    std::size_t sum = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER: sum += static_cast<std::size_t>(sqlite3_column_int64(stmt, c)) & 1; break;
            case SQLITE_FLOAT: sum += sqlite3_column_double(stmt, c) > 0; break;
            case SQLITE_TEXT:
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                sum += static_cast<std::size_t>(sqlite3_column_bytes(stmt, c));
                break;
            default: break;
            }
        }
    }
    sqlite3_finalize(stmt);
    return sum;
}

void ReportSideBySide(benchmark::State& state, const char* reference, double referenceSeconds, const char* ours,
                      double oursSeconds) {
    const double iterations = static_cast<double>(state.iterations());
    state.counters[reference] = referenceSeconds * 1000 / iterations;
    state.counters[ours] = oursSeconds * 1000 / iterations;
    state.counters["ratio"] = oursSeconds / referenceSeconds;
}

void BM_QueryOpenAndSort(benchmark::State& state) {
    auto connection = Connect(kRows);
    double growth = 0;
    for (auto _ : state) {
        const double before = ResidentBytes();
        auto query = OpenAll(connection.get());
        query->SetSort("顾客姓名");
        growth = std::max(growth, ResidentBytes() - before);
        benchmark::DoNotOptimize(query->RecordCount());
        state.PauseTiming();
        query.reset();
        state.ResumeTiming();
    }
    state.counters["snapshot_MB"] = growth / (1024.0 * 1024.0);
}

void BM_SqliteOrderBy(benchmark::State& state) {
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(Database().File().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db);
    const std::string sql = U(u8"select * from 流水记录 order by 顾客姓名");
    for (auto _ : state) benchmark::DoNotOptimize(ReadEveryCell(db, sql));
    sqlite3_close(db);
}

// SQLite reading every cell, then the query opening its snapshot of the
// same rows; the time reported is the query's.
void BM_OpenBesideSqlite(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto connection = Connect(rows);
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(Database(rows).File().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db);
    const std::string sql = U(u8"select * from 流水记录");
    double sqliteSeconds = 0, openSeconds = 0, growth = 0;
    for (auto _ : state) {
        auto started = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ReadEveryCell(db, sql));
        sqliteSeconds += Seconds(started);

        const double before = ResidentBytes();
        started = std::chrono::steady_clock::now();
        auto query = OpenAll(connection.get());
        const double seconds = Seconds(started);
        openSeconds += seconds;
        growth = std::max(growth, ResidentBytes() - before);
        benchmark::DoNotOptimize(query->RecordCount());
        state.SetIterationTime(seconds);
    }
    sqlite3_close(db);
    ReportSideBySide(state, "sqlite_ms", sqliteSeconds, "open_ms", openSeconds);
    state.counters["bytes_per_row"] = growth / rows;
}

// std::sort of the customer names as the sort compares them (code-page
// bytes, ASCII letters folded), then the query's Sort on that column; the
// time reported is the query's.
void BM_SortBesideStdSort(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto connection = Connect(rows);
    auto query = OpenAll(connection.get());
    std::vector<std::string> keys;
    for (query->First(); !query->Eof(); query->Next()) keys.push_back(UpperCase(query->FieldByName("顾客姓名")->AsString()));
    double stdSortSeconds = 0, sortSeconds = 0;
    for (auto _ : state) {
        std::vector<std::string> copy = keys;
        auto started = std::chrono::steady_clock::now();
        std::sort(copy.begin(), copy.end());
        stdSortSeconds += Seconds(started);

        started = std::chrono::steady_clock::now();
        query->SetSort("顾客姓名");
        const double seconds = Seconds(started);
        sortSeconds += seconds;
        state.SetIterationTime(seconds);
        query->SetSort("");
    }
    ReportSideBySide(state, "std_sort_ms", stdSortSeconds, "sort_ms", sortSeconds);
}

}  // namespace

BENCHMARK(BM_SqliteOrderBy)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_QueryOpenAndSort)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenBesideSqlite)->Arg(kRows)->Arg(kManyRows)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortBesideStdSort)->Arg(kRows)->Arg(kManyRows)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();

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
#include "tools/createdb/create_database.h"

namespace {

constexpr int kRows = 100000;
constexpr int kManyRows = 1000000;

std::string U(const char8_t* text) { return Utf8(text); }

// Resident set size in bytes.
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

void Check(int rc, sqlite3* db) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "sqlite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

// A database file filled once per run, removed at exit.
class Fixture {
public:
    explicit Fixture(int rows) : rows_(rows) {
        char pattern[] = "/tmp/serviora-bench-XXXXXX";
        folder_ = mkdtemp(pattern);
        file_ = folder_ + "/database.mdb";
        serviora::CreateApplicationDatabase(file_);
        Fill();
    }
    ~Fixture() { std::filesystem::remove_all(folder_); }
    const std::string& File() const { return file_; }

private:
    void Fill() {
        sqlite3* db = nullptr;
        Check(sqlite3_open(file_.c_str(), &db), db);
        Check(sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), db);
        std::string sql = U(u8"insert into 流水记录 values (");
        for (int c = 0; c < 35; ++c) sql += c ? ",?" : "?";
        sql += ")";
        sqlite3_stmt* stmt = nullptr;
        Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), db);

        const std::vector<std::string> brands = {U(u8"诺基亚"), U(u8"摩托罗拉"), U(u8"三星"), "Apple", "nokia",
                                                 U(u8"华为"), U(u8"中兴"), "Sony Ericsson", U(u8"联想"), "LG"};
        const std::vector<std::string> family = {U(u8"张"), U(u8"王"), U(u8"李"), U(u8"赵"), U(u8"刘"),
                                                 U(u8"陈"), U(u8"杨"), U(u8"黄"), U(u8"周"), U(u8"吴")};
        const std::vector<std::string> given = {U(u8"伟"), U(u8"芳"), U(u8"娜"), U(u8"敏"), U(u8"静"),
                                                U(u8"丽"), U(u8"强"), U(u8"磊"), U(u8"军"), U(u8"洋")};
        std::mt19937 random(42);
        auto pick = [&](const std::vector<std::string>& list) { return list[random() % list.size()]; };
        char text[64];
        for (int row = 0; row < rows_; ++row) {
            int column = 1;
            auto bindText = [&](const std::string& value) {
                sqlite3_bind_text(stmt, column++, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
            };
            auto bindDate = [&](int offset) {
                std::snprintf(text, sizeof text, "20%02d-%02d-%02d", 10 + (row + offset) % 15,
                              1 + (row + offset) % 12, 1 + (row + offset) % 28);
                bindText(text);
            };
            std::snprintf(text, sizeof text, "%010d", row + 1);
            bindText(text);                                     // 编号
            std::snprintf(text, sizeof text, "35%013u", static_cast<unsigned>(random()));
            bindText(text);                                     // 串码
            bindText(pick(brands));                             // 品牌
            bindText("N" + std::to_string(random() % 300));     // 型号
            bindText(U(u8"充电器，电池"));                       // 配件
            bindText(U(u8"黑色"));                               // 颜色
            bindText(U(u8"厂家维修中心"));                       // 厂家
            sqlite3_bind_double(stmt, column++, (random() % 200000) / 100.0);  // 价格
            bindText(pick(family) + pick(given) + (row % 3 ? pick(given) : std::string()));  // 顾客姓名
            std::snprintf(text, sizeof text, "13%09u", static_cast<unsigned>(random() % 1000000000));
            bindText(text);                                     // 电话
            bindText(U(u8"不开机，屏幕无显示"));                 // 故障现象
            bindText(U(u8"返厂维修"));                           // 处理意见
            bindDate(0);                                        // 接待日期
            bindText("0001");                                   // 接待经手人
            bindText(U(u8"顾客要求尽快修好"));                   // 接待备注
            sqlite3_bind_int(stmt, column++, 1);                // 已返厂
            bindDate(3);                                        // 返厂日期
            bindText("0002");                                   // 返厂经手人
            bindText("");                                       // 返厂备注
            sqlite3_bind_int(stmt, column++, row % 2);          // 已返回
            sqlite3_bind_int(stmt, column++, 0);                // 退货
            bindDate(10);                                       // 返回日期
            bindText("0002");                                   // 返回经手人
            bindText(U(u8"已修好"));                             // 返回备注
            sqlite3_bind_int(stmt, column++, 0);                // 已换机
            for (int k = 0; k < 5; ++k) sqlite3_bind_null(stmt, column++);  // 新串码..新配件
            sqlite3_bind_double(stmt, column++, 0);             // 新价格
            sqlite3_bind_int(stmt, column++, row % 4 == 0);     // 已交付
            bindDate(12);                                       // 交付日期
            bindText("0001");                                   // 交付经手人
            bindText("");                                       // 交付备注
            Check(sqlite3_step(stmt), db);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        Check(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), db);
        sqlite3_close(db);
    }

    int rows_;
    std::string folder_;
    std::string file_;
};

// The database of `rows` rows, filled on first use.
const Fixture& Database(int rows = kRows) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    std::unique_ptr<Fixture>& fixture = fixtures[rows];
    if (!fixture) fixture = std::make_unique<Fixture>(rows);
    return *fixture;
}

std::unique_ptr<TADOConnection> Connect(int rows) {
    auto connection = std::make_unique<TADOConnection>(nullptr);
    connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
                                    Utf8ToAnsi(Database(rows).File()));
    connection->SetConnected(true);
    return connection;
}

std::unique_ptr<TADOQuery> OpenAll(TADOConnection* connection) {
    auto query = std::make_unique<TADOQuery>(nullptr);
    query->SetConnection(connection);
    query->SQL()->Add("select * from 流水记录");
    query->Open();
    return query;
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

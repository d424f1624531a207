// The service-order table filled for benchmarks: a database file with the
// application's schema and `rows` made-up orders (35 columns), created once
// per run and removed at exit, and an ADO connection and query on it.
#pragma once

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/data/ado.h"
#include "platform/rtl/codepage.h"
#include "tools/createdb/create_database.h"

namespace service_orders {

constexpr int kRows = 100000;

inline std::string U(const char8_t* text) { return Utf8(text); }

inline void Check(int rc, sqlite3* db) {
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
inline const Fixture& Database(int rows = kRows) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    std::unique_ptr<Fixture>& fixture = fixtures[rows];
    if (!fixture) fixture = std::make_unique<Fixture>(rows);
    return *fixture;
}

inline std::unique_ptr<TADOConnection> Connect(int rows) {
    auto connection = std::make_unique<TADOConnection>(nullptr);
    connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
                                    Utf8ToAnsi(Database(rows).File()));
    connection->SetConnected(true);
    return connection;
}

inline std::unique_ptr<TADOQuery> OpenAll(TADOConnection* connection) {
    auto query = std::make_unique<TADOQuery>(nullptr);
    query->SetConnection(connection);
    query->SQL()->Add("select * from 流水记录");
    query->Open();
    return query;
}

}  // namespace service_orders

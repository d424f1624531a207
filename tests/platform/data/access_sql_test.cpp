#include "platform/data/access_sql.h"

#include <gtest/gtest.h>

TEST(TranslateAccessSql, TurnsDateLiteralsIntoIsoTextAndLeavesTheRest) {
    const struct {
        const char* access;
        const char* sqlite;
    } cases[] = {
        {"select * from t where d between #2024-01-05# and #2024-02-01#",
         "select * from t where d between min('2024-01-05', '2024-02-01') and max('2024-01-05', '2024-02-01')"},
        {"where d=#2024-1-5#", "where d='2024-01-05'"},
        {"where d=#1/5/2024#", "where d='2024-01-05'"},
        {"where d=#2024-01-05 8:30#", "where d='2024-01-05 08:30:00'"},
        {"where a=true and b=false", "where a=true and b=false"},
        // Text and names are never touched, even when they hold a date literal.
        {"where 备注='#2024-01-05#' and x=#2024-01-05#", "where 备注='#2024-01-05#' and x='2024-01-05'"},
        {"where 名='it''s #2024-01-05#'", "where 名='it''s #2024-01-05#'"},
        {"where [#1#]=1", "where [#1#]=1"},
        // "癩" ends in the byte of "]": the bracketed name still ends at the real bracket.
        {"where [癩]=#2024-01-05#", "where [癩]='2024-01-05'"},
        {"where a='#' and b=#x#", "where a='#' and b=#x#"},
        {"where a=#2024-13-01#", "where a=#2024-13-01#"},
    };
    for (const auto& c : cases) EXPECT_EQ(TranslateAccessSql(c.access), c.sqlite) << c.access;
}

TEST(TranslateAccessSql, TakesTheBoundsOfBetweenInEitherOrder) {
    const struct {
        const char* access;
        const char* sqlite;
    } cases[] = {
        {"where not(d between #2024-05-05# and #2024-05-02#)",
         "where not(d between min('2024-05-05', '2024-05-02') and max('2024-05-05', '2024-05-02'))"},
        // The upper bound ends at the next condition, clause or separator.
        {"where x between 1 and 5 and y=2 order by x", "where x between min(1, 5) and max(1, 5) and y=2 order by x"},
        {"select x between a+1 and (b and c), y from t",
         "select x between min(a+1, (b and c)) and max(a+1, (b and c)), y from t"},
        {"where x not between f(1, 2) and 3;", "where x not between min(f(1, 2), 3) and max(f(1, 2), 3);"},
        // Text holding the words is not SQL; incomplete or nested forms stay as written.
        {"where 备注='a between b and c'", "where 备注='a between b and c'"},
        {"where x between 1", "where x between 1"},
        {"where x between (y between 1 and 2) and 3", "where x between (y between 1 and 2) and 3"},
    };
    for (const auto& c : cases) EXPECT_EQ(TranslateAccessSql(c.access), c.sqlite) << c.access;
}

TEST(AnalysePlainSelect, FindsTheTableOfOneTableSelects) {
    const struct {
        const char* sql;
        const char* table;  // nullptr: not a plain select
    } cases[] = {
        {"select * from 流水记录", "流水记录"},
        {"select *  from 流水记录 where (串码 ='x')and (已交付=false)", "流水记录"},
        {"Select * from 操作员 where 操作员='0001'", "操作员"},
        {"select * from 领用记录  order by 领用日期", "领用记录"},
        {"select 串码,品牌 from [备用机库] where (型号 like '%a%')and (领用=false)", "备用机库"},
        {"select * from 流水记录 where 编号 in (select 编号 from 流水记录)", "流水记录"},
        {"select distinct 品牌 from 流水记录", nullptr},
        {"select max(编号) as 最大编号 from 流水记录 group by 品牌", nullptr},
        {"select * from 流水记录 a join 操作员 b on a.接待经手人=b.操作员", nullptr},
        {"select * from 流水记录, 操作员", nullptr},
        {"select * from 流水记录 union select * from 流水记录", nullptr},
        {"update 流水记录 set 退货=true", nullptr},
        {"select 'from x' from 操作员", "操作员"},
    };
    for (const auto& c : cases) {
        const auto plain = AnalysePlainSelect(c.sql);
        if (c.table) {
            ASSERT_TRUE(plain) << c.sql;
            EXPECT_EQ(plain->table, c.table) << c.sql;
            EXPECT_EQ(AnsiString(c.sql).substr(0, plain->afterSelect), AnsiString(c.sql).substr(0, 6));
        } else {
            EXPECT_FALSE(plain) << c.sql;
        }
    }
}

#include "platform/data/row_store.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/data/record_list.h"

TEST(RowStore, KeepsEveryCellKindAndReplacesRows) {
    RowStore store(4);
    store.BeginRow();
    store.AddText("abc");
    store.AddNull();
    store.AddInteger(-7);
    store.AddReal(2.5);
    EXPECT_EQ(store.EndRow(), 0u);
    store.AppendRow({CellValue::Blob(std::string("\0x", 2)), CellValue::Text(""), CellValue::Null(),
                     CellValue::Integer(1)});

    EXPECT_EQ(store.Cell(0, 0).bytes, "abc");
    EXPECT_EQ(store.Cell(0, 1).type, CellType::Null);
    EXPECT_EQ(store.Cell(0, 2).integer, -7);
    EXPECT_EQ(store.Cell(0, 3).real, 2.5);
    EXPECT_EQ(store.Cell(1, 0).bytes, std::string("\0x", 2));
    EXPECT_EQ(store.Cell(1, 1).type, CellType::Text);
    EXPECT_TRUE(store.Cell(1, 1).bytes.empty());

    std::vector<CellValue> row = store.Row(0);
    row[1] = CellValue::Text("now set");
    store.ReplaceRow(0, row);
    EXPECT_EQ(store.Cell(0, 1).bytes, "now set");
    EXPECT_EQ(store.Cell(0, 0).bytes, "abc");
    EXPECT_EQ(store.Cell(0, 3).real, 2.5);
}

TEST(RowStore, IntegersOfEverySizeAndRowsOfEveryLengthComeBackAsStored) {
    const std::int64_t integers[] = {0,          1,           -1,          127,       128,        -128,
                                     -129,       32767,       -32768,      65536,     1LL << 40,  -(1LL << 40),
                                     INT64_MAX,  INT64_MIN,   INT32_MIN,   255};
    // Payloads that need one-, two- and four-byte offsets, and a row larger
    // than the blocks rows are cut from.
    const std::size_t textSizes[] = {0, 3, 300, 70000, 600000};
    RowStore store(3);
    for (std::size_t size : textSizes)
        for (std::int64_t integer : integers)
            store.AppendRow({CellValue::Integer(integer), CellValue::Text(std::string(size, 'x')), CellValue::Real(-0.5)});
    std::size_t row = 0;
    for (std::size_t size : textSizes)
        for (std::int64_t integer : integers) {
            ASSERT_EQ(store.Cell(row, 0).type, CellType::Integer);
            EXPECT_EQ(store.Cell(row, 0).integer, integer) << row;
            EXPECT_EQ(store.Cell(row, 1).bytes.size(), size) << row;
            EXPECT_EQ(store.Cell(row, 2).real, -0.5) << row;
            ++row;
        }
    EXPECT_EQ(store.Cell(0, 1).bytes, "");
    EXPECT_EQ(store.Cell(store.RowCount() - 1, 1).bytes, std::string(600000, 'x'));
}

TEST(RecordList, InsertedRowsKeepTheirPlaceWhenTheSortIsUndone) {
    RowStore store(1);
    for (int v : {3, 1, 2}) store.AppendRow({CellValue::Integer(v)});
    RecordList list(std::move(store));
    list.Sort({{0, false, false}});
    ASSERT_EQ(list.RowAt(0), 1u);
    // Inserted in front of the row with 2 (row 2) while sorted.
    const RecordList::Row added = list.Insert(1, {CellValue::Integer(9)});
    list.Sort({});
    std::vector<RecordList::Row> order;
    for (int p = 0; p < list.Count(); ++p) order.push_back(list.RowAt(p));
    EXPECT_EQ(order, (std::vector<RecordList::Row>{0, 1, added, 2}));
}

TEST(RecordList, SortsTextsSharingTheirFirstBytesNumbersAndNullsStably) {
    // Texts around the seven bytes a sort compares first, with case folded.
    const std::vector<std::vector<CellValue>> rows = {
        {CellValue::Text("ABCDEFGZ"), CellValue::Integer(1)},  {CellValue::Text("ABCDEFGHI"), CellValue::Integer(2)},
        {CellValue::Text("ABCDEFG"), CellValue::Integer(3)},   {CellValue::Null(), CellValue::Integer(4)},
        {CellValue::Text("abcdefgh"), CellValue::Integer(5)},  {CellValue::Text("ABCDEFGHI"), CellValue::Integer(1)},
        {CellValue::Integer(12), CellValue::Integer(6)},       {CellValue::Text("ABCDEFG"), CellValue::Integer(0)},
    };
    RowStore store(2);
    for (const auto& row : rows) store.AppendRow(row);
    RecordList list(std::move(store));
    const auto order = [&list] {
        std::vector<RecordList::Row> rows;
        for (int p = 0; p < list.Count(); ++p) rows.push_back(list.RowAt(p));
        return rows;
    };
    const struct {
        std::vector<RecordList::SortKey> keys;
        std::vector<RecordList::Row> order;
    } cases[] = {
        {{{0, false, false}}, {3, 6, 2, 7, 4, 1, 5, 0}},
        {{{0, true, false}}, {0, 1, 5, 4, 2, 7, 6, 3}},
        {{{0, true, false}, {1, false, false}}, {0, 5, 1, 4, 7, 2, 6, 3}},
        {{{1, false, false}, {0, true, false}}, {7, 0, 5, 1, 2, 3, 4, 6}},
    };
    for (const auto& c : cases) {
        list.Sort(c.keys);
        EXPECT_EQ(order(), c.order) << "first key column " << c.keys[0].column << (c.keys[0].descending ? " desc" : "");
    }
}

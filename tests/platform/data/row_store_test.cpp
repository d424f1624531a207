#include "platform/data/row_store.h"

#include <gtest/gtest.h>

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

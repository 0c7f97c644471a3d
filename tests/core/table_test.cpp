// The level tables: a new table is empty in every cell, even when its memory
// held another table's values a moment before (its cells are never written
// when it is made), and a copy is equal cell for cell.

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "core/form.h"

namespace quib {
namespace {

// Makes and drops tables filled with a value several times over, so that
// later tables lie on memory the earlier ones wrote; each must still start
// empty, take what is written and copy whole.
template <class T, int MaxI, int MaxJ>
void NewTablesStartEmpty(T filled) {
    for (int round = 0; round < 4; ++round) {
        auto table = std::make_unique<Table<T, MaxI, MaxJ>>();
        int notEmpty = 0;
        for (int i = 0; i <= MaxI; ++i)
            for (int j = 0; j <= MaxJ; ++j) notEmpty += (*table)(i, j) != T{};
        ASSERT_EQ(notEmpty, 0) << "round " << round;
        for (int i = 0; i <= MaxI; ++i)
            for (int j = 0; j <= MaxJ; ++j) (*table)(i, j) = filled;
        const Table<T, MaxI, MaxJ> copy = *table;
        EXPECT_TRUE(copy == *table);
        EXPECT_EQ(copy(MaxI, MaxJ), filled);
    }
}

TEST(LevelTable, NewTablesStartEmptyOnReusedMemoryAndCopyWhole) {
    NewTablesStartEmpty<std::int16_t, kLevelIndexMax, kPieceIndexMax>(-7);
    NewTablesStartEmpty<std::optional<int>, kLevelIndexMax, kStepIndexMax>(std::optional<int>(0));
    NewTablesStartEmpty<std::int16_t, 3, 4>(12);  // a small table, from the heap
}

}  // namespace
}  // namespace quib

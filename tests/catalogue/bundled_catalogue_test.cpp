// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "catalogue/catalogue_file.h"
#include "catalogue/item_list.h"
#include "engine/item_choice.h"

namespace calquin::catalogue {
namespace {

// The catalogue shipped with the program: forty items, ten per test type, every one startable.
TEST(BundledCatalogue, ListsTenStartableItemsPerTestType) {
    auto loaded = loadCatalogueFile(CALQUIN_BUNDLED_CATALOGUE);
    ASSERT_TRUE(std::holds_alternative<std::vector<Record>>(loaded))
        << std::get<CatalogueFault>(loaded).error.what.english;
    const auto& records = std::get<std::vector<Record>>(loaded);
    ASSERT_EQ(records.size(), 40u);

    TestState state;
    storeRecords(state, records);
    const std::string_view signs[] = {"+", "-", "*", "/"};
    for (int type = 0; type < kTestTypes; ++type) {
        const auto rows = chooseTestType(state, type);
        for (int row = 0; row < kRowsPerType; ++row) {
            const int record = recordForRow(state, row);
            SCOPED_TRACE(records[static_cast<std::size_t>(record)].itemText);
            EXPECT_FALSE(rows[static_cast<std::size_t>(row)].empty());
            EXPECT_EQ(engine::chooseItem(state, record), std::nullopt);
            EXPECT_EQ(state.opSign, signs[type]);
        }
    }
}

}  // namespace
}  // namespace calquin::catalogue

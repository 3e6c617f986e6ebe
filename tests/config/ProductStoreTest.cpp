#include "config/ProductStore.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include <thread>
#include <vector>

#include "config/StoreNames.h"
#include "support/Registry.h"

// The product's own key in this Wine prefix's HKEY_CURRENT_USER; the test
// holds the product_key lock, and puts back nothing because the prefix is the
// build tree's own.
TEST(ProductOptionStore, WorksOnTheProductKeyOfTheCurrentUser)
{
    SHDeleteKeyA(HKEY_CURRENT_USER, StoreNames::ProductKey);

    TOptionStore& store = ProductOptionStore();
    EXPECT_EQ(&store, &ProductOptionStore());

    // Handlers on several threads meet one store.
    std::vector<int> counts(4, -1);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < counts.size(); ++i)
        threads.emplace_back([&, i] { counts[i] = ProductOptionStore().GetOptionCount(); });
    for (std::thread& t : threads) t.join();
    for (int count : counts) EXPECT_EQ(count, 9);

    const HKEY user = HKEY_CURRENT_USER;
    EXPECT_EQ(RegReadString(user, "Software\\Kestrix Software\\KestrixShell", "OptionCount", ""), "9");
    EXPECT_EQ(RegReadString(user, "Software\\Kestrix Software\\KestrixShell", "Indicators", ""), "0001");
    EXPECT_EQ(RegReadString(user, "Software\\Kestrix Software\\KestrixShell", "Option8", ""),
              "Set file date and time,,8,011");

    EXPECT_TRUE(store.ClearSettings());
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(user, "Software\\Kestrix Software\\KestrixShell", 0, KEY_READ, &key), ERROR_SUCCESS);
}

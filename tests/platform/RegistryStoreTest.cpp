#include "TestDrives.h"
#include "platform/RegistryStore.h"

#include <gtest/gtest.h>

namespace {

TEST(RegistryStoreTest, KeysHoldTheirUnnamedValueAndDeleteOnlyWithoutSubkeys)
{
    TestDrives temp;
    RegistryStore registry((temp.base() / "reg").string());
    EXPECT_EQ(registry.defaultValue("Software\\Tavrinoxa\\UserModelSel"), std::nullopt);

    ASSERT_TRUE(registry.setDefaultValue("Software\\Tavrinoxa\\UserModelSel", "6"));
    EXPECT_EQ(registry.defaultValue("Software\\Tavrinoxa\\UserModelSel"), "6");
    ASSERT_TRUE(registry.setDefaultValue("Software\\Tavrinoxa\\UserModelSel", "-1"));
    EXPECT_EQ(registry.defaultValue("Software\\Tavrinoxa\\UserModelSel"), "-1");

    EXPECT_FALSE(registry.deleteKey("Software\\Tavrinoxa")) << "it still has a subkey";
    EXPECT_TRUE(registry.deleteKey("Software\\Tavrinoxa\\UserModelSel"));
    EXPECT_FALSE(registry.keyExists("Software\\Tavrinoxa\\UserModelSel"));
    EXPECT_TRUE(registry.deleteKey("Software\\Tavrinoxa"));
    EXPECT_FALSE(registry.deleteKey("Software\\Tavrinoxa")) << "already gone";
    EXPECT_TRUE(registry.keyExists("Software"));
}

TEST(RegistryStoreTest, AKeyWithoutValueReadsAsMissing)
{
    TestDrives temp;
    RegistryStore registry((temp.base() / "reg").string());
    ASSERT_TRUE(registry.createKey("Software\\Tavrinoxa\\UserModelSel"));
    EXPECT_TRUE(registry.keyExists("Software\\Tavrinoxa\\UserModelSel"));
    EXPECT_EQ(registry.defaultValue("Software\\Tavrinoxa\\UserModelSel"), std::nullopt);
}

} // namespace

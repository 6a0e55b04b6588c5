// The user's settings against the real registry.
#include "../../src/framework/Handles.h"
#include "../../src/settings/SaverSettings.h"
#include "../support/Registry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct SaverSettingsTest : ::testing::Test {
    CSaverSettings settings;
    std::string keyPath;

    void SetUp() override
    {
        const std::string name =
            std::string("Settings Test ") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        settings.SetKey(name + ".1");
        keyPath = settings.registryKey;
        ::RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str());
    }
    void TearDown() override { ::RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str()); }

    void Store(const char* name, DWORD type, const void* data, DWORD size)
    {
        UniqueRegKey key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                   nullptr, key.put(), nullptr));
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size));
    }
};
}  // namespace

TEST_F(SaverSettingsTest, NoKeyKeepsTheDefaults)
{
    settings.Load();
    EXPECT_EQ(SaverOptions().ToBytes(), settings.options.ToBytes());
    EXPECT_EQ(DefaultOwnEffectList(), settings.ownEffectList);
    EXPECT_EQ(0, settings.monitorMode);
    UniqueRegKey key;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.put()))
        << "loading creates nothing";
}

TEST_F(SaverSettingsTest, SaveWritesExactlyThreeValues)
{
    settings.options.closeOnKey = 1;
    settings.options.closeKey = 'Q';
    settings.options.screenIndex = 2;
    settings.ownEffectList = "3;7;";
    settings.monitorMode = 2;
    EXPECT_TRUE(settings.Save());
    EXPECT_TRUE(settings.Save());

    UniqueRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.put()));
    DWORD values = 0, subKeys = 0;
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                                                &values, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(3u, values);
    EXPECT_EQ(0u, subKeys);

    BYTE buffer[128];
    DWORD type = 0, size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(key.get(), "data", nullptr, &type, buffer, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    ASSERT_EQ(72u, size);
    EXPECT_EQ(0, memcmp(buffer, settings.options.ToBytes().data(), 72));

    size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(key.get(), "screenmode", nullptr, &type, buffer, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(2u, *reinterpret_cast<DWORD*>(buffer));

    // The length passed leaves the terminating zero out; the NT registry may count it itself.
    size = sizeof buffer - 1;
    ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(key.get(), "transition effects", nullptr, &type, buffer, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), type);
    EXPECT_TRUE(size == 4 || size == 5) << size;
    buffer[size] = 0;
    EXPECT_STREQ("3;7;", reinterpret_cast<char*>(buffer));

    CSaverSettings loaded;
    loaded.registryKey = keyPath;
    loaded.Load();
    EXPECT_EQ(settings.options.ToBytes(), loaded.options.ToBytes());
    EXPECT_EQ("3;7;", loaded.ownEffectList);
    EXPECT_EQ(2, loaded.monitorMode);
}

TEST_F(SaverSettingsTest, ShortDataKeepsTheLastEightDefaults)
{
    std::vector<BYTE> data(40, 0);
    Store("data", REG_BINARY, data.data(), 40);
    settings.Load();
    EXPECT_EQ(0, settings.options.thresholdPosition);
    EXPECT_EQ(0, settings.options.closeKey);
    EXPECT_EQ(1, settings.options.playMusic);
    EXPECT_EQ(60, settings.options.maxRuntimeMinutes);
    EXPECT_EQ(20, settings.options.moveThreshold);
    EXPECT_EQ(1, settings.options.effectsRandom);
    EXPECT_EQ(25, settings.options.ownEffectStep);
}

TEST_F(SaverSettingsTest, LongDataIsNotRead)
{
    std::vector<BYTE> data(80, 0);
    Store("data", REG_BINARY, data.data(), 80);
    settings.Load();
    EXPECT_EQ(SaverOptions().ToBytes(), settings.options.ToBytes());
}

TEST_F(SaverSettingsTest, EmptyEffectListIsKept)
{
    Store("transition effects", REG_EXPAND_SZ, "", 0);
    settings.Load();
    EXPECT_EQ("", settings.ownEffectList);
    EXPECT_EQ(0, settings.monitorMode) << "a missing value keeps its member";
}

TEST_F(SaverSettingsTest, SaveReportsWhenTheRegistryRefusesTheKey)
{
    VolatileKey parent(keyPath + " volatile");
    settings.registryKey = parent.path + "\\settings";
    EXPECT_FALSE(settings.Save());
}

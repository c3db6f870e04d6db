// Settings written as one batch reach the store together or not at all.
#include <gtest/gtest.h>

#include "platform/registry/settings_batch.h"
#include "support/settings_store.h"
#include "support/test_support.h"

namespace {

using testing_support::OwnSettingsStore;

// The values stored under a section, as another program reading the file finds them.
std::string StoredValues(const std::string& path) {
    std::string out;
    for (const auto& row : testing_support::RawRows(path, "SELECT name, value FROM vals ORDER BY name"))
        out += row.at(0) + "=" + row.at(1) + ";";
    return out;
}

TEST(SettingsBatch, ValuesReachTheStoreTogetherAtCommitAndNotWithout) {
    testing_support::TempDir dir;
    const std::string store = dir.file("registry.db");
    OwnSettingsStore own(store);
    registry::WriteSettingOrThrow("Current Drawing", "DrawingType", "旧");
    {
        registry::SettingsBatch batch;
        registry::WriteSettingOrThrow("Current Drawing", "DrawingType", "桥型布置图");
        registry::WriteSettingOrThrow("Current Drawing", "FileName", "Draw1.dwg");
        // This process reads what it wrote; the store still holds the old value alone.
        EXPECT_EQ(registry::ReadSetting("current drawing", "drawingtype"), "桥型布置图");
        EXPECT_EQ(StoredValues(store), "DrawingType=旧;");
    }
    EXPECT_EQ(StoredValues(store), "DrawingType=旧;") << "a batch without Commit stores nothing";
    EXPECT_EQ(registry::ReadSetting("Current Drawing", "FileName"), "");
    {
        registry::SettingsBatch batch;
        registry::WriteSettingOrThrow("Current Drawing", "DrawingType", "桥型布置图");
        {
            // A batch opened inside another joins it: its Commit waits for the outer one.
            registry::SettingsBatch inner;
            registry::WriteSettingOrThrow("Current Drawing", "FileName", "Draw1.dwg");
            inner.Commit();
            EXPECT_EQ(StoredValues(store), "DrawingType=旧;");
        }
        batch.Commit();
    }
    EXPECT_EQ(StoredValues(store), "DrawingType=桥型布置图;FileName=Draw1.dwg;");
}

}  // namespace

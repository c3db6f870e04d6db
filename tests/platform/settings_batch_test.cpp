// Settings written as one batch reach the store together or not at all.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>

#include "platform/registry/settings_batch.h"
#include "support/test_support.h"

namespace {

// Points the settings store at a file of the test's own for as long as it lives.
class OwnStore {
public:
    explicit OwnStore(const std::string& path) {
        if (const char* was = std::getenv("VELTRA_REGISTRY")) previous_ = was;
        setenv("VELTRA_REGISTRY", path.c_str(), 1);
    }
    ~OwnStore() {
        if (previous_.empty())
            unsetenv("VELTRA_REGISTRY");
        else
            setenv("VELTRA_REGISTRY", previous_.c_str(), 1);
    }

private:
    std::string previous_;
};

// The values stored under a section, as another program reading the file finds them.
std::string StoredValues(const std::string& path) {
    sqlite3* db = nullptr;
    std::string out;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT name, value FROM vals ORDER BY name", -1, &stmt, nullptr) == SQLITE_OK)
            while (sqlite3_step(stmt) == SQLITE_ROW)
                out += std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))) + "=" +
                       reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)) + ";";
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return out;
}

TEST(SettingsBatch, ValuesReachTheStoreTogetherAtCommitAndNotWithout) {
    testing_support::TempDir dir;
    const std::string store = dir.file("registry.db");
    OwnStore own(store);
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

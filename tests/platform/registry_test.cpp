#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "hot_journal.h"
#include "platform/registry/registry.h"
#include "support/test_support.h"

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        store = dir.file("registry.db");
        setenv("VELTRA_REGISTRY", store.c_str(), 1);
    }
    testing_support::TempDir dir;
    std::string store;
};

TEST_F(RegistryTest, MissingValuesReadEmptyAndReadingCreatesNothing) {
    EXPECT_EQ(registry::ReadSetting("Running State", "VeltraIsRunning"), "");
    EXPECT_FALSE(std::filesystem::exists(store));
    registry::WriteSetting("Running State", "VeltraIsRunning", "Yes");
    EXPECT_TRUE(registry::KeyExists("SOFTWARE\\Veltra\\Running State"));
    EXPECT_FALSE(registry::KeyExists("SOFTWARE\\Veltra\\Current Drawing"));
    EXPECT_EQ(registry::ReadSetting("Current Drawing", "DrawingName"), "");
    EXPECT_FALSE(registry::KeyExists("SOFTWARE\\Veltra\\Current Drawing"));
}

TEST_F(RegistryTest, ValuesAreKeptWholeAndKeysCompareWithoutCase) {
    registry::WriteSetting("Current Database File", "File", "/home/u/桥梁/一号桥.vlt");
    registry::WriteSetting("Current Database File", "File", "/tmp/二号桥.vlt");
    EXPECT_EQ(registry::ReadSetting("Current Database File", "File"), "/tmp/二号桥.vlt");
    registry::WriteSetting("HelpFile Location", "Location", "/opt/veltra/Help");
    EXPECT_EQ(registry::ReadMachineValue("SoftWare\\Veltra\\HelpFile Location", "Location"), "/opt/veltra/Help");
    registry::WriteMachineValue("SoftWare\\Halvex\\Arvo3D\\Path", "Path", "/opt/arvo");
    EXPECT_EQ(registry::ReadMachineValue("SOFTWARE\\Halvex\\Arvo3D\\Path", "Path"), "/opt/arvo");
    EXPECT_EQ(registry::ReadSetting("HelpFile Location", "Other"), "");
}

TEST_F(RegistryTest, TwoProcessesWritingAndReadingNeverSeeATornValue) {
    const std::string a(4000, 'a'), b(4000, 'b');
    registry::WriteSetting("Stress", "Value", a);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (int i = 0; i < 200; ++i) registry::WriteSetting("Stress", "Value", i % 2 ? a : b);
        _exit(0);
    }
    int torn = 0;
    for (int i = 0; i < 200; ++i) {
        std::string v = registry::ReadSetting("Stress", "Value");
        if (v != a && v != b) ++torn;
        registry::WriteSetting("Other", "Counter", std::to_string(i));
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(registry::ReadSetting("Other", "Counter"), "199");
}

}  // namespace

namespace {

TEST_F(RegistryTest, AValueAWriterLeftMidTransactionReadsAsItWasBefore) {
    registry::WriteSetting("Current Database File", "File", "/tmp/一号桥.vlt");
    testing_support::LeaveHotJournal(
        store, testing_support::ManyRowsInto("vals", "value") + "UPDATE vals SET value = 'torn';");
    EXPECT_EQ(registry::ReadSetting("Current Database File", "File"), "/tmp/一号桥.vlt");
    EXPECT_TRUE(registry::KeyExists("SOFTWARE\\Veltra\\Current Database File"));
}

TEST_F(RegistryTest, AStoreThatCannotBeReadOrWrittenIsReported) {
    testing_support::WriteBytes(store, "not a settings store, just text\n");
    EXPECT_THROW(registry::ReadSetting("Running State", "VeltraIsRunning"), registry::SettingsError);
    EXPECT_THROW(registry::KeyExists("SOFTWARE\\Veltra\\Running State"), registry::SettingsError);
    EXPECT_THROW(registry::WriteSettingOrThrow("Running State", "VeltraIsRunning", "Yes"),
                 registry::SettingsError);
    EXPECT_NO_THROW(
        registry::WriteSetting("Running State", "VeltraIsRunning", "Yes"));  // the windows' silent write

    std::string uncreatable = dir.file("plain-file") + "/veltra/registry.db";  // its folder is a file
    testing_support::WriteBytes(dir.file("plain-file"), "x");
    setenv("VELTRA_REGISTRY", uncreatable.c_str(), 1);
    EXPECT_THROW(registry::WriteSettingOrThrow("Running State", "VeltraIsRunning", "Yes"),
                 registry::SettingsError);
    EXPECT_EQ(registry::ReadSetting("Running State", "VeltraIsRunning"),
              "");  // no store: nothing written yet
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/install/resource_paths.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using install::FindResourceFolder;
using install::Resource;

// A fake prefix: prefix/bin holds the program; which resource folders exist is up to each case.
class ResourceLookupTest : public ::testing::Test {
protected:
    testing_support::TempDir dir;
    fs::path root{dir.path()};
    fs::path bin = root / "prefix" / "bin";
    fs::path buildTree = root / "build" / "modules";
    void SetUp() override { fs::create_directories(bin); }
    void make(const fs::path& folder) { fs::create_directories(folder); }
    install::LookupInputs inputs(std::string overrideValue = "") const {
        return {std::move(overrideValue), bin, buildTree};
    }
};

TEST_F(ResourceLookupTest, ModulesAreLookedUpOverrideThenInstalledThenBesideThenBuildTree) {
    const fs::path installed = root / "prefix" / "lib" / "veltra" / "modules";
    const fs::path beside = bin / "modules";
    make(installed);
    make(beside);
    make(buildTree);
    // Every candidate present: each step wins over the ones after it, and falls through once removed.
    EXPECT_EQ(FindResourceFolder(Resource::Modules, inputs("/elsewhere/mods")), fs::path("/elsewhere/mods"));
    EXPECT_EQ(FindResourceFolder(Resource::Modules, inputs()), installed);
    fs::remove(installed);
    EXPECT_EQ(FindResourceFolder(Resource::Modules, inputs()), beside);
    fs::remove(beside);
    EXPECT_EQ(FindResourceFolder(Resource::Modules, inputs()), buildTree);
    fs::remove(buildTree);
    // Nothing found: the installed location, so that a message names where the modules belong.
    EXPECT_EQ(FindResourceFolder(Resource::Modules, inputs()), installed);
}

TEST_F(ResourceLookupTest, DataComesFromShareVeltraAndNeverFromAFolderBesideTheProgram) {
    struct Case {
        Resource resource;
        const char* shareFolder;
    };
    for (const Case& c : {Case{Resource::Help, "help"}, Case{Resource::Pictures, "pictures"},
                          Case{Resource::Samples, "samples"}, Case{Resource::LibraryTemplates, "library"}}) {
        SCOPED_TRACE(c.shareFolder);
        const fs::path installed = root / "prefix" / "share" / "veltra" / c.shareFolder;
        make(bin / c.shareFolder);  // a same-named folder beside the program is not a data folder
        make(buildTree);
        EXPECT_EQ(FindResourceFolder(c.resource, inputs()), buildTree);
        make(installed);
        EXPECT_EQ(FindResourceFolder(c.resource, inputs()), installed);
        EXPECT_EQ(FindResourceFolder(c.resource, inputs("/override")), fs::path("/override"));
    }
}

TEST_F(ResourceLookupTest, AnOverrideNamingAMissingFolderIsKeptSoTheCallerCanSaySo) {
    make(root / "prefix" / "lib" / "veltra" / "modules");
    EXPECT_EQ(FindResourceFolder(Resource::Modules, inputs((root / "missing").string())), root / "missing");
}

TEST(ResourceLookup, TheRunningProgramUsesItsEnvironmentOverride) {
    setenv("VELTRA_SAMPLES", "/some/samples", 1);
    EXPECT_EQ(install::ResourceFolder(Resource::Samples), "/some/samples");
    unsetenv("VELTRA_SAMPLES");
    // Without the override, this test program (in the build folder) finds the source tree's samples.
    EXPECT_TRUE(fs::exists(fs::path(install::ResourceFolder(Resource::Samples)) / "sample_bridge.json"));
}

}  // namespace

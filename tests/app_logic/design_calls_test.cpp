#include <gtest/gtest.h>

#include <cstdlib>

#include "app/command_table.h"
#include "app/design_calls.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "support/fake_modules.h"
#include "support/test_support.h"

namespace {

// Modules that exist only in the test: each entry point records its call.
std::vector<std::string> g_calls;
extern "C" void FakeDatabaseEntry(dao::Database* db) { g_calls.push_back("db " + db->GetName()); }
extern "C" void FakePathEntry(char* path) {
    g_calls.push_back(std::string("path ") + path);
    std::free(path);
}
extern "C" void FakeCalculator() { g_calls.push_back("calculator"); }

using FakeLoader = testing_support::FakeModuleLoader;

class DesignCallTest : public ::testing::Test {
protected:
    DesignCallTest() {
        g_calls.clear();
        db = projectdb::CreateProjectFile(dir.file("p.vlt"));
    }
    bool Run(std::string_view key) {
        return app::RunDesignCall(*app::FindDesignCall(app::CommandId(key)), *db, loader, prompter);
    }
    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
    FakeLoader loader;
    ui::ScriptedPrompter prompter;
};

TEST_F(DesignCallTest, EachKindOfEntryGetsItsArgument) {
    loader.modules["PierAbut.dll"]["DesignPierAbut"] = reinterpret_cast<void*>(&FakeDatabaseEntry);
    loader.modules["BoxBeamDes.dll"]["UniBoxPreStl1"] = reinterpret_cast<void*>(&FakePathEntry);
    loader.modules["RCSteel.dll"]["CirDsn"] = reinterpret_cast<void*>(&FakeCalculator);
    EXPECT_TRUE(Run("design-pier-abut"));
    EXPECT_TRUE(Run("rebar-continuous-box"));
    EXPECT_TRUE(Run("circle-design"));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"db " + db->GetName(), "path " + db->GetName(), "calculator"}));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(DesignCallTest, MissingModulesAndEntryPoints) {
    // A module the shell relies on is reported; the first cap-beam command gives the error number; the other
    // on-demand modules are silent; an entry point the module does not export is not called.
    EXPECT_FALSE(Run("design-pier-abut"));
    EXPECT_FALSE(Run("circle-design"));
    prompter.queue(ui::Answer::Yes);  // go on without the cap-beam table
    EXPECT_FALSE(Run("rebar-cap-beam-1"));
    loader.modules["Pile.dll"] = {};
    EXPECT_FALSE(Run("pile-design"));
    ASSERT_EQ(prompter.texts().size(), 3u);
    EXPECT_EQ(prompter.texts()[0], "找不到设计模块 PierAbut.dll（libPierAbut.so）。");
    EXPECT_EQ(prompter.texts()[2], "Error Code:2");
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(DesignCallTest, MemberTableConfirmations) {
    loader.modules["Detail.dll"]["PileDetail"] = reinterpret_cast<void*>(&FakeDatabaseEntry);
    loader.modules["Detail.dll"]["XiLiangDetail"] = reinterpret_cast<void*>(&FakeDatabaseEntry);
    loader.modules["Detail.dll"]["CableTBeamDetail"] = reinterpret_cast<void*>(&FakeDatabaseEntry);
    prompter.queue(ui::Answer::No);
    EXPECT_FALSE(Run("rebar-tie-beam"));
    EXPECT_EQ(prompter.texts().back(), "尚未建立系梁尺寸信息，或本项目不含系梁构造。\n继续进行系梁钢筋布置吗？");
    EXPECT_EQ(prompter.shown().back().buttons, ui::Buttons::YesNo);
    prompter.queue(ui::Answer::Yes);
    EXPECT_TRUE(Run("rebar-tie-beam"));
    // The pile question only when none of the three pile tables is there.
    db->Execute("CREATE TABLE [梅花形桩基础信息表] (PierAbutmentNum LONG)");
    prompter.clear();
    EXPECT_TRUE(Run("rebar-pile"));
    EXPECT_TRUE(prompter.shown().empty());
    // The prestressed T-beam needs its layout, and says so with OK only.
    EXPECT_FALSE(Run("rebar-prestressed-tbeam"));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].buttons, ui::Buttons::Ok);
    db->Execute("CREATE TABLE [T梁布置信息表] (SpanNum LONG)");
    EXPECT_TRUE(Run("rebar-prestressed-tbeam"));
    EXPECT_EQ(g_calls.size(), 3u);
}

TEST(SharedLibraryLoader, NamesAndAMissingFile) {
    EXPECT_EQ(modules::SharedLibraryFileName("CapBeamDes.dll"), "libCapBeamDes.so");
    testing_support::TempDir dir;
    modules::SharedLibraryLoader loader(dir.file(""));
    long error = 0;
    EXPECT_EQ(loader.Load("Nothing.dll", error), nullptr);
    EXPECT_NE(error, 0);
}

}  // namespace

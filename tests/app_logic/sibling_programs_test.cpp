// The two sibling-program launches: the interface file and its conversion for the modeller, the settings
// the installers leave, the messages for each missing piece, and the process started in its folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/sibling_programs.h"
#include "platform/interaction/scripted.h"
#include "platform/registry/registry.h"
#include "projectdb/project_file.h"
#include "support/fake_modules.h"
#include "support/test_support.h"

namespace {

std::vector<std::pair<std::string, std::string>> g_conversions;
extern "C" int FakeResetData(const char* interfaceFile, const char* dataFile) {
    g_conversions.emplace_back(interfaceFile, dataFile);
    return 1;
}


class RecordingStarter : public app::ProgramStarter {
public:
    bool Start(const std::string& program, const std::string& folder) override {
        started.emplace_back(program, folder);
        return succeeds;
    }
    bool succeeds = true;
    std::vector<std::pair<std::string, std::string>> started;
};

class SiblingProgramsTest : public ::testing::Test {
protected:
    SiblingProgramsTest() {
        g_conversions.clear();
        loader.modules["Interface.dll"]["ResetData"] = reinterpret_cast<void*>(&FakeResetData);
        db = projectdb::CreateProjectFile(dir.file("p.vlt"));
        std::filesystem::create_directories(install);
        std::filesystem::create_directories(temp);
        prompter.setDefault(ui::Answer::No);  // the empty project's interface file stops at its first question
    }
    void Install(const char* keyPath, const char* name, const std::string& value) {
        registry::WriteMachineValue(keyPath, name, value);
    }
    void Executable(const std::string& folder, const char* file) {
        std::filesystem::create_directories(folder);
        testing_support::WriteBytes(folder + "/" + file, "");
    }
    // The messages after the interface file's questions.
    std::vector<std::string> Told() {
        std::vector<std::string> told;
        for (const auto& text : prompter.texts())
            if (text.rfind("不能打开", 0) != 0) told.push_back(text);
        return told;
    }

    testing_support::TempDir dir;
    std::string temp = dir.file("temp"), install = dir.file("Halvex/Arvo3D");
    std::unique_ptr<dao::Database> db;
    ui::ScriptedPrompter prompter;
    RecordingStarter starter;
    testing_support::FakeModuleLoader loader;
    app::SiblingServices services{prompter, starter, loader, temp};
};

TEST_F(SiblingProgramsTest, TheModellerGetsItsConvertedFileAndStartsInItsFolder) {
    const std::string missing = dir.file("nowhere");
    struct Case {
        std::string folder;  // recorded by the installer
        bool executable, starts;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"", false, true, {"您没有正确安装桥梁三维造型CAD系统。"}},
        {missing,
         false,
         true,
         {"在" + missing +
          "路径下未找到桥梁三维造型CAD系统的可执行文件Arvo3D.EXE。\n建议重新安装桥梁三维造型CAD系统。"}},
        {install, true, false, {"启动桥梁三维造型CAD系统失败！"}},
        {install, true, true, {}},
    };
    for (const auto& c : cases) {
        prompter.clear();
        starter.started.clear();
        starter.succeeds = c.starts;
        g_conversions.clear();
        Install("SoftWare\\Halvex\\Arvo3D\\Path", "Path", c.folder);
        if (c.executable) Executable(install, "Arvo3D.EXE");
        app::RunModellingProgram(*db, services);
        SCOPED_TRACE(c.folder);
        EXPECT_TRUE(std::filesystem::exists(temp + "/Arvo3D.BRI"));
        EXPECT_EQ(g_conversions,
                  (std::vector<std::pair<std::string, std::string>>{{temp + "/Arvo3D.BRI", temp + "/Arvo3D.B3D"}}));
        EXPECT_EQ(Told(), c.told);
        if (c.executable)
            EXPECT_EQ(starter.started,
                      (std::vector<std::pair<std::string, std::string>>{{install + "/Arvo3D.EXE", install}}));
        else
            EXPECT_TRUE(starter.started.empty());
    }
}

TEST_F(SiblingProgramsTest, WithoutTheInterfaceLibraryTheModellerIsNotStarted) {
    loader.modules.clear();
    Install("SoftWare\\Halvex\\Arvo3D\\Path", "Path", install);
    Executable(install, "Arvo3D.EXE");
    app::RunModellingProgram(*db, services);
    EXPECT_EQ(Told(), std::vector<std::string>{"找不到接口模块 Interface.dll（libInterface.so）。"});
    EXPECT_TRUE(starter.started.empty());
}

TEST_F(SiblingProgramsTest, TheSubstructureProgramIsFoundBesideTheHelpFolder) {
    const std::string root = dir.file("Veltra");
    struct Case {
        std::string location;
        bool executable, starts;
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"", false, true, {"您没有正确安装桥梁下部构造CAD模块。"}},
        {"Hlp", false, true, {"您没有正确安装桥梁下部构造CAD模块。"}},
        {root + "/Help", false, true, {"在" + root + "/Bin路径下未找到桥梁下部构造CAD模块的可执行文件Kelsa.EXE。"}},
        {root + "/Help", true, false, {"启动桥梁下部构造CAD模块失败！"}},
        {root + "/Help", true, true, {}},
    };
    for (const auto& c : cases) {
        prompter.clear();
        starter.started.clear();
        starter.succeeds = c.starts;
        Install("SoftWare\\Veltra\\HelpFile Location", "Location", c.location);
        if (c.executable) Executable(root + "/Bin", "Kelsa.EXE");
        app::RunSubstructureProgram(services);
        SCOPED_TRACE(c.location);
        EXPECT_EQ(prompter.texts(), c.told);
        if (c.executable)
            EXPECT_EQ(starter.started,
                      (std::vector<std::pair<std::string, std::string>>{{root + "/Bin/Kelsa.EXE", root + "/Bin"}}));
        else
            EXPECT_TRUE(starter.started.empty());
    }
}

}  // namespace

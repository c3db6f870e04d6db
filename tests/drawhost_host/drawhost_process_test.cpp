// The stand-in drawing host as its own program beside the shell's drawing link: it takes the command lines
// the shell sends, opens the project, draws the chosen drawing beside it, and tells the shell when it quits.
#include "host_process.h"

#include "drawing/acad_session.h"
#include "drawing/acad_window_directory.h"
#include "platform/interaction/scripted.h"
#include "platform/registry/registry.h"
#include "platform/windows/registered_window.h"
#include "support/window_server.h"

namespace {

using drawhost_test::DrawHostTest;
using drawhost_test::HostProcess;
using drawhost_test::Strings;

TEST_F(DrawHostTest, TakesTheShellsCommandsDrawsAndAnnouncesItsEnd) {
    HostProcess host({});
    ASSERT_NE(host.WaitForLine("registered"), "");

    registry::WriteSetting("Current Database File", "File", project);
    registry::WriteSetting("Current Drawing", "DrawingType", "桥型布置图");
    registry::WriteSetting("Current Drawing", "DrawingName", "桥型布置图");
    registry::WriteSetting("Loaded ARX Application", "AppName", "");

    // The shell's side: its main window in the directory, and the drawing link.
    windows::WindowDirectory directory = windows::WindowDirectory::ForUser();
    windows::RegisteredWindow shell(directory, "LumarisOmbrix - [" + project + "]");
    Strings notices;
    shell.SetHandler([&](const windows::CopyData& data) {
        notices.push_back(windows::RecordText(data));
        return 1;
    });
    ui::ScriptedPrompter prompter;
    drawing::DirectoryWindowSystem desktop(directory);
    drawing::AcadSession acad(desktop, prompter);
    {
        testing_support::WindowServer server(shell);
        ASSERT_TRUE(acad.SendAcadCommand("LoadDBAuto "));
        // The host answers first and runs the command after: its effects are looked at once it says so.
        EXPECT_NE(host.WaitForLine("已打开项目数据库"), "");
        EXPECT_EQ(registry::ReadSetting("Loaded ARX Application", "AppName"), "Ombrix.arx");
        ASSERT_TRUE(acad.SendAcadCommand("VltIn "));
        std::string drawn = host.WaitForLine("图形文件");
        EXPECT_NE(drawn, "");
        EXPECT_EQ(drawn.find("绘图失败"), std::string::npos) << drawn;
        ASSERT_TRUE(acad.SendAcadCommand("quit "));
        EXPECT_EQ(host.Wait(), 0);
    }
    EXPECT_TRUE(prompter.texts().empty());
    EXPECT_EQ(host.Out(), "(arxload \"Ombrix.arx\") \nLOADDBAUTO \nVLTIN \nQUIT \n");
    EXPECT_EQ(notices, Strings{"AutoCAD is about quitting."});
    // The sample's bridge layout is listed as the drawing file Draw1.
    EXPECT_EQ(Drawn(temp.path().string()), (Strings{"Draw1.dxf", "Draw1.svg"}));
}

TEST_F(DrawHostTest, RendersWithoutAWindow) {
    std::string out = temp.file("out");
    HostProcess host({"--render", project, "--out", out});
    EXPECT_EQ(host.Wait(), 0);
    EXPECT_EQ(Drawn(out), (Strings{"Draw1.dxf", "Draw1.svg"}));

    HostProcess broken({"--render", temp.file("missing.vlt"), "--out", out});
    EXPECT_NE(broken.WaitForLine("无法打开项目数据库"), "");
    EXPECT_EQ(broken.Wait(), 1);
}

}  // namespace

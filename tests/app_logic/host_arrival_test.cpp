// A drawing host that starts while the shell runs: handed the open project once, never asked again when it
// did not take it, and never bothered when there is no project.
#include <gtest/gtest.h>

#include "app/drawing_host.h"
#include "drawing/fake_windows.h"
#include "platform/interaction/scripted.h"

namespace {

using Strings = std::vector<std::string>;

class HostArrivalTest : public ::testing::Test {
protected:
    void SetUp() override {
        AcadWindow() = 0;
        registry::WriteSetting("Loaded ARX Application", "AppName", "Ombrix.arx");
    }
    void TearDown() override { AcadWindow() = 0; }
    void HostStarts(std::intptr_t handle) { desktop.windows.insert(desktop.windows.begin(), {handle, "AutoCAD 2002"}); }

    FakeWindows desktop;
    ui::ScriptedInteraction ui;
    drawing::AcadSession acad{desktop, ui.prompter};
    app::AcadCommandLink link{acad};
};

TEST_F(HostArrivalTest, AHostStartedWhileAProjectIsOpenGetsItOnce) {
    desktop.windows.push_back({5, "终端"});
    link.Poll(true);
    EXPECT_TRUE(desktop.sent.empty());
    EXPECT_FALSE(link.HostHasProject(true));

    HostStarts(41);
    link.Poll(true);
    link.Poll(true);
    EXPECT_EQ(AcadWindow(), 41);
    EXPECT_EQ(desktop.texts(), Strings{"LOADDBAUTO "});
    EXPECT_EQ(desktop.sent.front().first, 41);
    EXPECT_TRUE(link.HostHasProject(true));

    // Another host in front of it (the first one ended without its notice) is told too.
    HostStarts(42);
    link.Poll(true);
    EXPECT_EQ(desktop.texts(), (Strings{"LOADDBAUTO ", "LOADDBAUTO "}));
    EXPECT_EQ(desktop.sent.back().first, 42);
    EXPECT_TRUE(ui.prompter.texts().empty());
}

TEST_F(HostArrivalTest, WithoutAProjectTheHostIsOnlyNotedAndTheNextOpenTellsIt) {
    HostStarts(41);
    link.Poll(false);
    EXPECT_EQ(AcadWindow(), 41);
    EXPECT_TRUE(desktop.sent.empty());
    EXPECT_FALSE(link.HostHasProject(false));

    link.Send("LoadDBAuto ");  // as the session does when a project opens
    link.Poll(true);
    EXPECT_EQ(desktop.texts(), Strings{"LOADDBAUTO "});
    EXPECT_TRUE(link.HostHasProject(true));
}

TEST_F(HostArrivalTest, AHostThatDoesNotTakeTheProjectIsToldOfTheFailureOnce) {
    desktop.result = windows::SendResult::Timeout;
    HostStarts(41);
    link.Poll(true);
    link.Poll(true);
    EXPECT_EQ(desktop.texts(), Strings{"LOADDBAUTO "});
    EXPECT_EQ(ui.prompter.texts(), Strings{"AutoCAD没有响应，命令“LOADDBAUTO ”未能送达。"});
}

TEST_F(HostArrivalTest, AnUnreadableWindowListIsNotRepeatedEveryFewSeconds) {
    desktop.broken = true;
    link.Poll(true);
    link.Poll(true);
    EXPECT_EQ(AcadWindow(), 0);
    EXPECT_TRUE(desktop.sent.empty());
    EXPECT_TRUE(ui.prompter.texts().empty());
}

}  // namespace

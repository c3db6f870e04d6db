// The shell and a running drawing host: found at start-up and told of every project opened, the switch that
// closes the shell, and the host's quit notice arriving at the main window.
#include <QApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <future>

#include "app/drawing_host.h"
#include "app_fixture.h"
#include "platform/windows/registered_window.h"
#include "platform/windows/ui/window_endpoint.h"
#include "projectdb/ui/wizard_sheet.h"
#include "support/window_server.h"

namespace {

using Strings = std::vector<std::string>;

class DrawingLinkTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        registry::WriteSetting("Loaded ARX Application", "AppName", "");
    }
    // The host answers every record and keeps its text in `received`.
    static void Record(windows::RegisteredWindow& host, Strings& received) {
        host.SetHandler([&received](const windows::CopyData& data) {
            received.push_back(windows::RecordText(data));
            return 1;
        });
    }
    windows::WindowDirectory directory = windows::WindowDirectory::ForUser();
};

TEST_F(DrawingLinkTest, AHostRunningAtStartUpIsToldOfEveryProjectOpenedCreatedOrSavedAs) {
    windows::RegisteredWindow host(directory, "AutoCAD 2002 - [Drawing1.dwg]");
    windows::RegisteredWindow textWindow(directory, "AutoCAD Text Window");  // above the host: skipped
    Strings received;
    host.SetHandler([&](const windows::CopyData& data) {
        received.push_back(windows::RecordText(data));
        if (received.back() == "(arxload \"Ombrix.arx\") ")
            registry::WriteSetting("Loaded ARX Application", "AppName", "Ombrix.arx");
        return 1;
    });
    {
        testing_support::WindowServer server(host);
        StartOn("a.vlt");
        EXPECT_EQ(AcadWindow(), host.Handle());
        ASSERT_TRUE(app->Session().Open(MakeProject("b.vlt"), app::OpenRoute::CloseFirst));
        ASSERT_TRUE(app->Session().SaveAs(dir.file("c.vlt")));
        // New: the open tells the host, and so does the wizard's Finish once more.
        ui.files.queue(dir.file("d.vlt"));
        QTimer::singleShot(0, [] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* sheet = qobject_cast<projectdb::CMyPropertySheet1*>(widget); sheet && sheet->isVisible()) {
                    sheet->NextButton()->click();
                    sheet->NextButton()->click();
                    sheet->FinishButton()->click();
                    if (sheet->isVisible()) sheet->reject();
                }
        });
        app->mainFrame()->OnCommand("new");
        EXPECT_EQ(app->Session().Path(), dir.file("d.vlt"));
    }
    // At start-up, the open of b, Save As, and New twice.
    EXPECT_EQ(received, (Strings{"(arxload \"Ombrix.arx\") ", "LOADDBAUTO ", "LOADDBAUTO ", "LOADDBAUTO ",
                                 "LOADDBAUTO ", "LOADDBAUTO "}));
    EXPECT_TRUE(ui.prompter.texts().empty());
}

TEST_F(DrawingLinkTest, TheSwitchClosesTheShellWhenTheUserSaysYes) {
    windows::RegisteredWindow host(directory, "AutoCAD 2002 - [Drawing1.dwg]");
    Strings received;
    Record(host, received);
    registry::WriteSetting("Loaded ARX Application", "AppName", "Ombrix.arx");
    testing_support::WindowServer server(host);
    StartOn("a.vlt");
    ui.prompter.queue(ui::Answer::No);
    ui.prompter.queue(ui::Answer::Yes);
    app->mainFrame()->OnCommand("switch-to-drawing");
    EXPECT_TRUE(app->mainFrame()->isVisible());
    app->mainFrame()->OnCommand("switch-to-drawing");
    EXPECT_FALSE(app->mainFrame()->isVisible());
    EXPECT_EQ(ui.prompter.texts(), Strings(2, "该命令将切换到绘图子系统。\n是否关闭当前应用程序？"));
    EXPECT_EQ(received, (Strings{"LOADDBAUTO ", "(arxload \"Rare.did\") ", "VLTIN ", "(arxload \"Rare.did\") ",
                                 "VLTIN "}));
}

// A host started after the project was opened: the watch hands it the project within a few seconds, and
// the switch, made at once, hands it first. Without a project the shell does not offer to close.
TEST_F(DrawingLinkTest, AHostStartedLaterGetsTheOpenProject) {
    registry::WriteSetting("Loaded ARX Application", "AppName", "Ombrix.arx");
    StartOn("a.vlt");
    ASSERT_EQ(AcadWindow(), 0);
    windows::RegisteredWindow host(directory, "AutoCAD 2002 - [Drawing1.dwg]");
    Strings received;
    std::atomic<int> arrived{0};  // read while the host's thread serves
    host.SetHandler([&](const windows::CopyData& data) {
        received.push_back(windows::RecordText(data));
        ++arrived;
        return 1;
    });
    {
        testing_support::WindowServer server(host);
        QDeadlineTimer patience(4 * app::kHostWatchMilliseconds);
        while (arrived < 2 && !patience.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    // No host at start-up cleared the recorded extension: it is loaded first.
    EXPECT_EQ(received, (Strings{"(arxload \"Ombrix.arx\") ", "LOADDBAUTO "}));
    EXPECT_EQ(AcadWindow(), host.Handle());
    EXPECT_EQ(registry::ReadSetting("Current Database File", "File"), dir.file("a.vlt"));
}

TEST_F(DrawingLinkTest, TheSwitchHandsALateHostTheProjectAndOffersToCloseOnlyWithOne) {
    registry::WriteSetting("Loaded ARX Application", "AppName", "Ombrix.arx");
    Start();
    windows::RegisteredWindow host(directory, "AutoCAD 2002 - [Drawing1.dwg]");
    Strings received;
    Record(host, received);
    testing_support::WindowServer server(host);
    app->mainFrame()->OnCommand("switch-to-drawing");
    EXPECT_TRUE(ui.prompter.texts().empty());
    EXPECT_EQ(received, (Strings{"(arxload \"Rare.did\") ", "(arxload \"Ombrix.arx\") ", "VLTIN "}));

    ASSERT_TRUE(app->Session().Open(MakeProject("b.vlt"), app::OpenRoute::CloseFirst));
    windows::RegisteredWindow laterHost(directory, "AutoCAD 2002 - [Drawing2.dwg]");
    Strings laterReceived;
    Record(laterHost, laterReceived);
    testing_support::WindowServer laterServer(laterHost);
    ui.prompter.queue(ui::Answer::No);
    app->mainFrame()->OnCommand("switch-to-drawing");
    EXPECT_EQ(laterReceived, (Strings{"(arxload \"Ombrix.arx\") ", "LOADDBAUTO ", "(arxload \"Rare.did\") ",
                                      "(arxload \"Ombrix.arx\") ", "VLTIN "}));
    EXPECT_EQ(ui.prompter.texts(), Strings{"该命令将切换到绘图子系统。\n是否关闭当前应用程序？"});
}

TEST_F(DrawingLinkTest, TheQuitNoticeReachesTheMainWindowThroughTheDirectory) {
    Start();
    CMainFrame& frame = *app->mainFrame();
    ASSERT_NE(frame.windowEndpoint(), nullptr);
    auto listed = directory.List();
    ASSERT_FALSE(listed.empty());
    EXPECT_EQ(listed.front().title, "LumarisOmbrix");
    EXPECT_EQ(listed.front().handle, frame.windowEndpoint()->handle());

    // Sent from another thread, as from another program, while the main window's event loop runs.
    auto send = [&](const std::string& text) {
        auto sent = std::async(std::launch::async, [&] {
            return directory.Send(frame.windowEndpoint()->handle(), windows::CommandLineRecord(text, 7)).result;
        });
        while (sent.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        return sent.get();
    };
    AcadWindow() = 7;
    registry::WriteSetting("Loaded ARX Application", "AppName", "Ombrix.arx");
    frame.showMinimized();
    EXPECT_EQ(send("AutoCAD is about to quit."), windows::SendResult::Delivered);
    EXPECT_EQ(AcadWindow(), 7);
    EXPECT_TRUE(frame.isMinimized());
    EXPECT_EQ(registry::ReadSetting("Loaded ARX Application", "AppName"), "Ombrix.arx");

    EXPECT_EQ(send("AutoCAD is about quitting."), windows::SendResult::Delivered);
    EXPECT_EQ(AcadWindow(), 0);
    EXPECT_FALSE(frame.isMinimized());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(registry::ReadSetting("Loaded ARX Application", "AppName"), "");
}

}  // namespace

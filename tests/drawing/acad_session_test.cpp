// The drawing link: which window is the drawing host, what reaches it and when, and the host's quit notice.
#include <gtest/gtest.h>

#include "drawing/acad_session.h"
#include "fake_windows.h"
#include "platform/interaction/scripted.h"
#include "platform/registry/registry.h"

namespace {

using Strings = std::vector<std::string>;

std::string LoadedExtension() { return registry::ReadSetting("Loaded ARX Application", "AppName"); }
void SetLoadedExtension(const std::string& v) { registry::WriteSetting("Loaded ARX Application", "AppName", v); }

class AcadSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        AcadWindow() = 0;
        SetLoadedExtension("");
    }
    void WithHost() { desktop.windows = {{11, "LumarisOmbrix - [/p/a.vlt]"}, {22, "AutoCAD 2002 - [Drawing1.dwg]"}}; }
    FakeWindows desktop;
    ui::ScriptedPrompter prompter;
    drawing::AcadSession acad{desktop, prompter};
};

TEST_F(AcadSessionTest, TheHostIsTheFirstWindowFromTheTopTitledAsItsMainWindow) {
    std::string longTitle = "AutoCAD 2002 - [" + std::string(300, 'x') + ".dwg]";
    struct Case {
        std::vector<drawing::TopLevelWindow> windows;
        std::intptr_t found;
    } cases[] = {
        {{{1, "AutoCAD Text Window"}, {2, "AutoCAD 2002 - [Drawing1.dwg]"}}, 2},
        {{{1, "LumarisOmbrix"}, {2, "AutoCAD"}, {3, "AutoCAD 2000"}}, 2},
        {{{1, "AutoCAD 2002 - [a.dwg]"}, {2, "AutoCAD 2002 - [b.dwg]"}}, 1},
        {{{1, "AutoCAD Text Window - Drawing1.dwg"}}, 1},
        {{{5, longTitle}}, 5},
        {{{1, "AutoCAD Text Window"}, {2, "autocad 2002"}, {3, "Drawing1 - AutoCAD"}}, 0},
        {{}, 0},
    };
    for (const auto& c : cases) {
        desktop.windows = c.windows;
        AcadWindow() = 99;
        SetLoadedExtension("Ombrix.arx");
        EXPECT_EQ(acad.FindAcadWindow(AcadWindow()), c.found != 0);
        EXPECT_EQ(AcadWindow(), c.found);
        // Without a host nothing holds the extension any more.
        EXPECT_EQ(LoadedExtension(), c.found ? "Ombrix.arx" : "");
    }
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(AcadSessionTest, ArxLoadSendsForwardSlashesAndNothingWithoutAHost) {
    EXPECT_FALSE(acad.ArxLoad("C:\\Program Files\\Veltra\\Rare.did"));
    EXPECT_TRUE(desktop.sent.empty());
    EXPECT_TRUE(prompter.texts().empty());

    WithHost();
    EXPECT_TRUE(acad.ArxLoad("C:\\Program Files\\Veltra\\Rare.did"));
    ASSERT_EQ(desktop.sent.size(), 1u);
    const auto& [to, data] = desktop.sent[0];
    EXPECT_EQ(to, 22);
    EXPECT_EQ(data.sender, 22);  // the host's own handle goes as the sender
    EXPECT_EQ(data.kind, 1u);
    EXPECT_EQ(data.bytes, std::string("(arxload \"C:/Program Files/Veltra/Rare.did\") \0", 46));
}

TEST_F(AcadSessionTest, CommandsGoUpperCasedAfterTheMainExtensionUnlessTheHostHoldsIt) {
    struct Case {
        std::string loaded, command;
        Strings sent;
    } cases[] = {
        {"", "LoadDBAuto ", {"(arxload \"Ombrix.arx\") ", "LOADDBAUTO "}},
        {"Rare.did", "VltIn ", {"(arxload \"Ombrix.arx\") ", "VLTIN "}},
        {"Ombrix.arx", "LoadDBAuto ", {"LOADDBAUTO "}},
        {"OMBRIX.ARX", "VltIn ", {"VLTIN "}},
        {"c:/veltra/ombrix.Arx", "VltIn ", {"VLTIN "}},
        {"", "quit ", {"QUIT "}},
    };
    WithHost();
    for (const auto& c : cases) {
        desktop.sent.clear();
        SetLoadedExtension(c.loaded);
        EXPECT_TRUE(acad.SendAcadCommand(c.command));
        EXPECT_EQ(desktop.texts(), c.sent) << c.loaded << " / " << c.command;
    }
    EXPECT_EQ(desktop.sent.back().second.bytes.size(), 6u);  // "QUIT " and its zero
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(AcadSessionTest, TheUserIsToldWhenACommandCannotReachTheHost) {
    EXPECT_FALSE(acad.SendAcadCommand("LoadDBAuto "));
    EXPECT_EQ(prompter.texts(), Strings{"请先启动AutoCAD 2002!"});
    EXPECT_TRUE(desktop.sent.empty());

    // "未能送达" only when the host did not take the command; an answer that came too late is no loss.
    WithHost();
    SetLoadedExtension("Ombrix.arx");
    using windows::SendResult;
    struct Case {
        SendResult result;
        std::int32_t answer;
        bool sent;
        std::string message;
    } cases[] = {
        {SendResult::Delivered, 1, true, ""},
        {SendResult::Delivered, 0, false, "AutoCAD没有接受命令“VLTIN ”，命令未能送达。"},
        {SendResult::Delivered, windows::kAnswerTooLarge, false, "命令行过长，AutoCAD没有接受，命令未能送达。"},
        {SendResult::NoWindow, 0, false, "AutoCAD已经关闭，命令“VLTIN ”未能送达。"},
        {SendResult::Timeout, 0, false, "AutoCAD没有响应，命令“VLTIN ”未能送达。"},
        {SendResult::Unconfirmed, 0, false,
         "AutoCAD没有及时确认命令“VLTIN ”，它可能稍后执行。\n再次发送该命令不会使它执行两次。"},
        {SendResult::Failed, 0, false, "无法向AutoCAD发送命令“VLTIN ”。"},
    };
    for (const auto& c : cases) {
        prompter.clear();
        desktop.result = c.result;
        desktop.answer = c.answer;
        EXPECT_EQ(acad.SendAcadCommand("VltIn "), c.sent) << c.message;
        EXPECT_EQ(prompter.texts(), c.message.empty() ? Strings{} : Strings{c.message});
    }

    prompter.clear();
    desktop.result = SendResult::Delivered;
    // A directory that cannot be read is said so, and counts as no host.
    prompter.clear();
    desktop.broken = true;
    AcadWindow() = 22;
    EXPECT_FALSE(acad.SendAcadCommand("VltIn "));
    EXPECT_EQ(AcadWindow(), 0);
    EXPECT_EQ(prompter.texts(), (Strings{"无法读取窗口目录“/run/user/1/veltra-windows”。", "请先启动AutoCAD 2002!"}));
}

TEST_F(AcadSessionTest, SwitchToTheDrawingSubsystem) {
    // Without a host the switch does nothing at all.
    EXPECT_FALSE(acad.SwitchToDrawing());
    EXPECT_TRUE(desktop.sent.empty());
    EXPECT_TRUE(prompter.texts().empty());

    WithHost();
    desktop.hostRecordsExtension = true;
    for (ui::Answer answer : {ui::Answer::No, ui::Answer::Yes}) {
        desktop.sent.clear();
        prompter.clear();
        prompter.queue(answer);
        EXPECT_EQ(acad.SwitchToDrawing(), answer == ui::Answer::Yes);
        EXPECT_EQ(prompter.texts(), Strings{"该命令将切换到绘图子系统。\n是否关闭当前应用程序？"});
        EXPECT_EQ(prompter.shown()[0].buttons, ui::Buttons::YesNo);
        // The main extension is loaded the first time only: the host records it.
        Strings expected{"(arxload \"Rare.did\") "};
        if (answer == ui::Answer::No) expected.push_back("(arxload \"Ombrix.arx\") ");
        expected.push_back("VLTIN ");
        EXPECT_EQ(desktop.texts(), expected);
    }
}

TEST_F(AcadSessionTest, AResendAfterAnUnconfirmedSendingKeepsItsIdSoTheHostRunsItOnce) {
    WithHost();
    SetLoadedExtension("Ombrix.arx");
    auto send = [&](const char* command, windows::SendResult result) {
        desktop.result = result;
        acad.SendAcadCommand(command);
        return desktop.sent.back().second.id;
    };
    std::uint64_t first = send("VltIn ", windows::SendResult::Delivered);
    std::uint64_t second = send("VltIn ", windows::SendResult::Unconfirmed);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, first);  // a command the host confirmed is a new command when sent again

    std::uint64_t other = send("LoadDBAuto ", windows::SendResult::Delivered);
    EXPECT_NE(other, second);
    EXPECT_EQ(send("VltIn ", windows::SendResult::Unconfirmed), second);
    EXPECT_EQ(send("VltIn ", windows::SendResult::Delivered), second);
    EXPECT_NE(send("VltIn ", windows::SendResult::Delivered), second);

    // Another host never saw the earlier sending: the command is new to it.
    std::uint64_t lost = send("VltIn ", windows::SendResult::Unconfirmed);
    desktop.windows = {{33, "AutoCAD 2002 - [Drawing1.dwg]"}};
    std::uint64_t fresh = send("VltIn ", windows::SendResult::Delivered);
    EXPECT_EQ(desktop.sent.back().first, 33);
    EXPECT_NE(fresh, lost);
}

TEST_F(AcadSessionTest, OnlyTheQuitNoticeMakesTheShellForgetTheHost) {
    for (const char* other : {"AutoCAD is about quitting", "autocad is about quitting.", "VLTIN ", ""}) {
        AcadWindow() = 22;
        SetLoadedExtension("Ombrix.arx");
        EXPECT_FALSE(drawing::HandleQuitNotice(windows::CommandLineRecord(other, 22))) << other;
        EXPECT_EQ(AcadWindow(), 22);
        EXPECT_EQ(LoadedExtension(), "Ombrix.arx");
    }
    EXPECT_TRUE(drawing::HandleQuitNotice(windows::CommandLineRecord("AutoCAD is about quitting.", 22)));
    EXPECT_EQ(AcadWindow(), 0);
    EXPECT_EQ(LoadedExtension(), "");
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>

#include "app/project_session.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "platform/registry/registry.h"
#include "projectdb/project_file.h"
#include "support/test_support.h"

namespace {

using app::OpenRoute;
using app::ProjectSession;

std::string CurrentFile() { return registry::ReadSetting("Current Database File", "File"); }

// Windows that record what the session asked of them; grids may refuse, and "typing" is a pending edit
// that CommitGridWindows writes into the open database.
struct FakeWindows : app::ProjectWindows {
    std::vector<std::string> calls;
    bool gridsRefuse = false;
    bool commitFails = false;
    std::function<void()> pendingEdit;

    bool CloseGridWindows() override {
        calls.push_back("close grids");
        return !gridsRefuse;
    }
    bool CommitGridWindows() override {
        calls.push_back("commit grids");
        if (commitFails) return false;
        if (pendingEdit) pendingEdit();
        pendingEdit = nullptr;
        return true;
    }
    void ShowProject(const std::string& caption) override { calls.push_back("show " + caption); }
    void ProjectMoved() override { calls.push_back("moved"); }
    void ProjectClosed() override { calls.push_back("closed"); }
};

struct FakeRecent : app::RecentProjects {
    std::vector<std::string> added;
    void Add(const std::string& path) override { added.push_back(path); }
};

struct FakeDrawing : app::DrawingHostLink {
    std::vector<std::string> sent;
    void Send(const std::string& line) override { sent.push_back(line); }
};

class SessionTest : public ::testing::Test {
protected:
    std::string MakeProject(const std::string& name) {
        std::string path = dir.file(name);
        auto db = projectdb::CreateProjectFile(path);
        db->Execute("CREATE TABLE [一般信息表] (Name TEXT(255))");
        db->Execute("INSERT INTO [一般信息表] VALUES ('" + name + "')");
        return path;
    }
    testing_support::TempDir dir;
    ui::ScriptedPrompter prompter;
    FakeWindows windows;
    FakeRecent recent;
    FakeDrawing drawing;
    ProjectSession session{app::SessionServices{prompter, &windows, &recent, &drawing}};
};

TEST_F(SessionTest, OpeningOverAnOpenProjectClosesItFirstOnBothRoads) {
    std::string a = MakeProject("a.vlt"), b = MakeProject("b.vlt");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    EXPECT_EQ(CurrentFile(), a);
    ASSERT_TRUE(session.Open(b, OpenRoute::CloseFirst));
    EXPECT_EQ(session.Path(), b);
    EXPECT_EQ(CurrentFile(), b);
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"show 项目数据库", "close grids", "closed", "show WorkSpace"}));
    EXPECT_EQ(recent.added, (std::vector<std::string>{a, b}));
    EXPECT_EQ(drawing.sent, (std::vector<std::string>{"LoadDBAuto ", "LoadDBAuto "}));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(SessionTest, AGridThatRefusesKeepsTheCurrentProject) {
    std::string a = MakeProject("a.vlt"), b = MakeProject("b.vlt");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    windows.gridsRefuse = true;
    for (OpenRoute route : {OpenRoute::OpenFirst, OpenRoute::CloseFirst}) {
        EXPECT_FALSE(session.Open(b, route));
        EXPECT_EQ(session.Path(), a);
        EXPECT_EQ(CurrentFile(), a);
    }
    EXPECT_FALSE(session.Close());
    EXPECT_TRUE(session.IsOpen());
}

TEST_F(SessionTest, AFileThatIsNoProjectLeavesTheCurrentOneOpenOnBothRoads) {
    std::string a = MakeProject("a.vlt");
    std::string junk = dir.file("junk.vlt");
    testing_support::WriteBytes(junk, "no database here");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    for (OpenRoute route : {OpenRoute::OpenFirst, OpenRoute::CloseFirst}) {
        EXPECT_FALSE(session.Open(junk, route));
        EXPECT_EQ(session.Path(), a);
        EXPECT_EQ(CurrentFile(), a);
    }
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"show 项目数据库"}));  // no grid was asked to close
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_NE(prompter.shown()[1].text.find("(3343)"), std::string::npos);
    EXPECT_EQ(testing_support::ReadBytes(junk), "no database here");
}

// A holder line as another program on another machine would write it.
void MarkHeldElsewhere(const std::string& project, const std::string& line) {
    testing_support::WriteBytes(app::MarkerPathOf(project), line);
}

TEST_F(SessionTest, AProjectOpenElsewhereIsOfferedReadOnly) {
    std::string a = MakeProject("a.vlt"), b = MakeProject("b.vlt");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    MarkHeldElsewhere(b, "OtherCAD\tdrafting-pc\tzhang\t4242\n");
    struct Case {
        ui::Answer answer;
        bool opened, readOnly;
    };
    for (const Case& c : {Case{ui::Answer::Cancel, false, false}, Case{ui::Answer::Yes, true, true},
                          Case{ui::Answer::No, true, false}}) {
        prompter.clear();
        prompter.queue(c.answer);
        EXPECT_EQ(session.Open(b, OpenRoute::CloseFirst), c.opened);
        ASSERT_EQ(prompter.shown().size(), 1u);
        const ui::ShownMessage& offer = prompter.shown()[0];
        EXPECT_EQ(offer.buttons, ui::Buttons::YesNoCancel);
        for (const char* part : {"OtherCAD", "drafting-pc", "zhang", "只读"}) EXPECT_NE(offer.text.find(part), std::string::npos) << part;
        EXPECT_EQ(session.Path(), c.opened ? b : a);  // 取消 keeps the current project
        EXPECT_EQ(session.IsReadOnly(), c.readOnly);
        if (c.readOnly) EXPECT_THROW(session.Database()->Execute("DELETE FROM [一般信息表]"), dao::DaoException);
    }
    // Opened for writing all the same: this process is now a holder beside the other one, until it closes.
    EXPECT_NE(testing_support::ReadBytes(app::MarkerPathOf(b)).find("drafting-pc"), std::string::npos);
    EXPECT_NE(testing_support::ReadBytes(app::MarkerPathOf(b)).find(app::ThisProcess().machine), std::string::npos);
    ASSERT_TRUE(session.Close());
    EXPECT_EQ(testing_support::ReadBytes(app::MarkerPathOf(b)), "OtherCAD\tdrafting-pc\tzhang\t4242\n");
}

TEST_F(SessionTest, AMarkerOfAProcessThatEndedIsIgnoredAndRemoved) {
    std::string a = MakeProject("a.vlt");
    // A process id above the kernel's limit never runs.
    MarkHeldElsewhere(a, "Veltra\t" + app::ThisProcess().machine + "\tli\t999999999\n");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_FALSE(session.IsReadOnly());
    session.Release();
    EXPECT_FALSE(std::filesystem::exists(app::MarkerPathOf(a)));
}

TEST_F(SessionTest, OurOwnOpenProjectDoesNotWarnAgain) {
    std::string a = MakeProject("a.vlt");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    ASSERT_TRUE(std::filesystem::exists(app::MarkerPathOf(a)));
    ASSERT_TRUE(session.Open(a, OpenRoute::CloseFirst));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(SessionTest, SaveAsWritesThePendingGridEditsIntoTheNewFile) {
    std::string a = MakeProject("a.vlt");
    std::string copy = dir.file("copy.vlt");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    windows.pendingEdit = [this] { session.Database()->Execute("INSERT INTO [一般信息表] VALUES ('typed')"); };
    ASSERT_TRUE(session.SaveAs(copy));
    EXPECT_EQ(session.Path(), copy);
    EXPECT_EQ(CurrentFile(), copy);
    EXPECT_EQ(windows.calls.back(), "moved");
    dao::Recordset rs(*session.Database());
    rs.Open("SELECT Name FROM [一般信息表] WHERE Name = 'typed'");
    EXPECT_FALSE(rs.IsEOF());
    EXPECT_EQ(recent.added.back(), copy);
    EXPECT_EQ(drawing.sent.size(), 2u);
}

TEST_F(SessionTest, SaveAsStopsWhenAGridCannotBeWrittenOrTheTargetIsTheOpenFile) {
    std::string a = MakeProject("a.vlt");
    ASSERT_TRUE(session.Open(a, OpenRoute::OpenFirst));
    windows.commitFails = true;
    EXPECT_FALSE(session.SaveAs(dir.file("copy.vlt")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("copy.vlt")));
    windows.commitFails = false;
    EXPECT_FALSE(session.SaveAs(a));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_NE(prompter.shown()[0].text.find("是当前打开的项目"), std::string::npos);
    EXPECT_EQ(session.Path(), a);
    dao::Recordset rs(*session.Database());
    rs.Open("SELECT Name FROM [一般信息表]");
    EXPECT_EQ(rs.GetFieldValue(0).text(), "a.vlt");
}

TEST_F(SessionTest, WithoutWindowsTheCommandLineSessionLeavesTheSharedSettingAlone) {
    std::string a = MakeProject("a.vlt");
    registry::WriteSetting("Current Database File", "File", "/elsewhere.vlt");
    ProjectSession quiet(app::SessionServices{prompter, nullptr, nullptr, nullptr, false});
    ASSERT_TRUE(quiet.Open(a, OpenRoute::OpenFirst));
    ASSERT_TRUE(quiet.SaveAs(dir.file("b.vlt")));
    EXPECT_TRUE(quiet.Close());
    EXPECT_EQ(CurrentFile(), "/elsewhere.vlt");
}

TEST_F(SessionTest, TablesChangedReachesEachSubscriberOnceUntilItsSubscriptionEnds) {
    std::vector<std::vector<int>> first, second;
    auto one = session.OnTablesChanged([&](const std::vector<int>& c) { first.push_back(c); });
    {
        auto two = session.OnTablesChanged([&](const std::vector<int>& c) { second.push_back(c); });
        session.AnnounceTablesChanged({1, 2, 12});
    }
    session.AnnounceTablesChanged({3});
    session.AnnounceTablesChanged({});  // nothing written, nothing announced
    EXPECT_EQ(first, (std::vector<std::vector<int>>{{1, 2, 12}, {3}}));
    EXPECT_EQ(second, (std::vector<std::vector<int>>{{1, 2, 12}}));
}

}  // namespace

#include <gtest/gtest.h>

#include "platform/interaction/scripted.h"

namespace {

TEST(ScriptedPrompter, RecordsTextsAndAnswersFromItsQueueThenWithTheFirstButton) {
    ui::ScriptedPrompter p;
    p.queue(ui::Answer::No);
    EXPECT_EQ(p.message("继续吗？", ui::Buttons::YesNo), ui::Answer::No);
    EXPECT_EQ(p.message("再来？", ui::Buttons::YesNo), ui::Answer::Yes);
    EXPECT_EQ(p.message("完成", ui::Buttons::Ok), ui::Answer::Ok);
    EXPECT_EQ(p.texts(), (std::vector<std::string>{"继续吗？", "再来？", "完成"}));
}

TEST(FileFilter, SplitsTheSystemsFilterText) {
    auto pairs = ui::ParseFilter("桥梁CAD项目数据库文件 (*.vlt)|*.vlt|所有文件 (*.*)|*.*||");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].first, "桥梁CAD项目数据库文件 (*.vlt)");
    EXPECT_EQ(pairs[0].second, "*.vlt");
    EXPECT_EQ(pairs[1].second, "*.*");
}

}  // namespace

namespace {

TEST(FileRequestFolder, DialogsStartInTheProjectFolderAndProposeAName) {
    const struct {
        bool save;
        std::string fileName, extension, project, expected;
    } cases[] = {
        {true, "", "bri", "/home/li/桥/示例大桥.vlt", "/home/li/桥/示例大桥.bri"},
        {true, "Arvo3D.bri", "bri", "/home/li/桥/示例大桥.vlt", "/home/li/桥/Arvo3D.bri"},
        {false, "", "BRF", "/home/li/桥/示例大桥.vlt", "/home/li/桥/"},  // open: the folder only
        {true, "", "", "/home/li/桥/示例大桥.vlt", "/home/li/桥/"},
        {true, "/tmp/x.bri", "bri", "/home/li/桥/示例大桥.vlt", "/tmp/x.bri"},  // a folder named stays
        {true, "", "bri", "", ""},                                              // no project: as asked
    };
    for (const auto& c : cases) {
        ui::FileRequest request;
        request.save = c.save;
        request.fileName = c.fileName;
        request.defaultExtension = c.extension;
        EXPECT_EQ(ui::InProjectFolder(request, c.project).fileName, c.expected) << c.fileName << " " << c.project;
    }
}

}  // namespace

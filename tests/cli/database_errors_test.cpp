// A project the command line cannot use: one Chinese line with the file and the code, status 1, and no
// question that a command line cannot ask.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_child.h"

namespace {

using cli_test::RunCli;

TEST(DatabaseErrorsChild, EachProblemIsOneLineWithTheFileAndTheCode) {
    testing_support::TempDir dir;
    const std::string folder = dir.file("folder.vlt");
    std::filesystem::create_directory(folder);
    const std::string text = dir.file("notes.vlt");
    testing_support::WriteBytes(text, "just some notes\n");
    const std::string damaged = dir.file("damaged.vlt");
    cli_test::MakeProject(damaged, 200);
    cli_test::DamageTable(damaged, "地形资料表");
    const std::string small = dir.file("small.vlt");
    ASSERT_EQ(RunCli({"new", small}).status, 0);
    const std::string spans = dir.file("spans.json");
    testing_support::WriteBytes(spans, R"({"sections": [["装配式简支空心板桥", "3000", "20"]]})");

    struct Case {
        std::vector<std::string> words;
        long fileSizeLimit;
        std::string told;
    } cases[] = {
        {{"tables", folder}, 0, "'" + folder + "' 是文件夹，不是项目文件。   (3051)\n"},
        {{"general", text}, 0, "无法识别的数据库格式 '" + text + "'。   (3343)\n"},
        {{"dump", damaged, "地形资料表"}, 0, "项目文件 '" + damaged + "' 已损坏，无法读取。   (3049)\n"},
        // The disk fills while three thousand spans are written.
        {{"spans", small, "--from", spans},
         static_cast<long>(std::filesystem::file_size(small)) + 8192,
         "读写项目文件 '" + small + "' 时出错：磁盘已满、文件超出允许的大小或磁盘不可用。   (3043)\n"},
    };
    for (const auto& c : cases) {
        auto run = RunCli(c.words, {{}, c.fileSizeLimit});
        EXPECT_EQ(run.status, 1) << c.words[0] << run.err;
        EXPECT_EQ(run.err, c.told) << c.words[0];
    }
}

}  // namespace

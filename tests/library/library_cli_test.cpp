// veltra-cli library: the rows as listed, the choice by row numbers, the statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/command.h"
#include "support/cli_runner.h"
#include "library_fixture.h"

namespace {

using Strings = std::vector<std::string>;

int Library(const Strings& words, std::string& out, std::string& err) {
    return testing_support::RunCli(cli::LibraryCommands(), "library", words, out, err);
}

Strings Lines(const std::string& text) {
    Strings lines;
    std::size_t start = 0, end;
    while ((end = text.find('\n', start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TEST(LibraryCommand, ListWriteTablesAndDump) {
    testing_support::TempDir dir;
    const std::string project = dir.file("bridge.vlt");
    {
        exchange_test::ProjectFile file(project);
        library_test::MakeBridge(file);
    }
    std::string out, err;
    ASSERT_EQ(Library({"list", project}, out, err), 0) << err;
    Strings lines = Lines(out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.front(), "U\t简支空心板\tZ16\t1\t1600.0\t0.8\t0.99");
    EXPECT_EQ(lines[9], "L\t6959\t2\t无\t无\t无\t无");
    EXPECT_EQ(lines.back(), "L\t4732\t0\t1类台帽\t肋板式台身\t1类承台\t多排桩基础");

    const std::string lib = dir.file("lib");
    EXPECT_EQ(Library({"write", project, lib, "--upper", "3,1,3"}, out, err), 1) << "no answer to the question";
    EXPECT_FALSE(std::filesystem::exists(dir.file("LIB.BCL")));
    EXPECT_EQ(Library({"write", project, lib, "--upper", "10"}, out, err), 2);
    EXPECT_EQ(Library({"write", project, lib, "--yes"}, out, err), 1);
    EXPECT_EQ(err, "您至少要在列表框中选择一项。\n");

    ASSERT_EQ(Library({"write", project, lib, "--upper", "3,1,3", "--lower", "1", "--yes"}, out, err), 0) << err;
    EXPECT_EQ(out, dir.file("LIB.BCL") + "：写入 4 项，删除重复记录 1 条。\n");
    ASSERT_EQ(Library({"tables", dir.file("LIB.BCL")}, out, err), 0);
    EXPECT_EQ(out, "简支T梁\t1\n简支空心板\t1\n6959\t1\n");
    ASSERT_EQ(Library({"dump", dir.file("LIB.BCL"), "6959"}, out, err), 0);
    EXPECT_EQ(out, "帽梁\t墩台身\t连接构造\t基础\n无\t无\t无\t无\n");
}

TEST(LibraryCommand, MergeReportsAnUnreadableSourceAndStillMergesTheOthers) {
    testing_support::TempDir dir;
    std::string out, err;
    const std::string a = dir.file("A.BCL");
    {
        auto db = dao::Database::Create(a);
        db->CreateTableDef({"1111", 0, {{"帽梁", dao::dbText}}});
        db->Execute("INSERT INTO [1111] VALUES ('1类墩帽')");
    }
    testing_support::WriteBytes(dir.file("B.BCL"), "junk");
    EXPECT_EQ(Library({"merge", dir.file("t"), a, dir.file("B.BCL"), a}, out, err), 1);
    EXPECT_EQ(err, "不能打开源构件库 " + dir.file("B.BCL") + "。\n该文件可能已被损坏。\n");
    ASSERT_EQ(Library({"tables", dir.file("T.BCL")}, out, err), 0);
    EXPECT_EQ(out, "1111\t1\n");
    EXPECT_EQ(Library({"frobnicate"}, out, err), 2);
    EXPECT_NE(err.find("library merge TARGET SOURCE..."), std::string::npos);
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>

#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "support/test_support.h"

namespace {

TEST(CopyProjectTo, ReplacesTheDestinationAndOpensTheCopy) {
    testing_support::TempDir dir;
    auto project = projectdb::CreateProjectFile(dir.file("a.vlt"));
    for (const auto& table : projectdb::CentralTables()) projectdb::RecreateCentralTable(*project, table);
    testing_support::WriteBytes(dir.file("b.vlt"), "not a project, replaced whole");
    std::vector<std::size_t> told;
    std::size_t total = 0;
    auto copy = projectdb::CopyProjectTo(*project, dir.file("b.vlt"), [&](std::size_t done, std::size_t all) {
        told.push_back(done);
        total = all;
    });
    ASSERT_TRUE(copy);
    EXPECT_TRUE(projectdb::IsSameFile(copy->GetName(), dir.file("b.vlt")));
    EXPECT_EQ(total, projectdb::CentralTables().size());
    EXPECT_EQ(told.size(), total);
    std::vector<std::string> names, copied;
    for (const auto& t : project->GetTableDefs()) names.push_back(t.m_strName);
    for (const auto& t : copy->GetTableDefs()) copied.push_back(t.m_strName);
    EXPECT_EQ(copied, names);
    // The open project went on unchanged, outside any transaction of the copy's.
    EXPECT_FALSE(project->InTransaction());
    project->Execute("DELETE FROM [伸缩缝信息表]");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

}  // namespace

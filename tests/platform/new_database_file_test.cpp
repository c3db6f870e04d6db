// A database file built beside its target and moved into place whole; the leftovers of killed writers;
// a write to a file that may not be written.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/dao/new_database_file.h"
#include "platform/dao/recordset.h"
#include "support/test_support.h"

namespace {

using Strings = std::vector<std::string>;

Strings FilesIn(const std::filesystem::path& folder) {
    Strings names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// The id of a process that has ended (until the system gives it to another, which takes far longer than a
// test).
pid_t EndedProcess() {
    pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

void AddTable(dao::Database& db, const std::string& name) {
    dao::TableDef def;
    def.m_strName = name;
    dao::FieldInfo field;
    field.m_strName = "Value";
    field.m_nType = dao::dbLong;
    def.fields.push_back(field);
    db.CreateTableDef(def);
}

TEST(NewDatabaseFile, TheTargetKeepsTheOldFileUntilTheNewOneIsCommitted) {
    testing_support::TempDir dir;
    const std::string target = dir.file("a.vlt");
    testing_support::WriteBytes(target, "the old file");
    {
        dao::NewDatabaseFile file(target, "项目文件");
        AddTable(file.db(), "甲表");
        EXPECT_EQ(testing_support::ReadBytes(target), "the old file");
        EXPECT_EQ(FilesIn(dir.path()).size(), 3u);  // the target, the file being built and its journal
        file.Commit();
    }
    EXPECT_EQ(FilesIn(dir.path()), Strings{"a.vlt"});
    auto db = dao::Database::Open(target);
    EXPECT_TRUE(db->HasTableDef("甲表"));
}

TEST(NewDatabaseFile, WithoutCommitNothingIsLeftAndTheTargetIsAsItWas) {
    testing_support::TempDir dir;
    const std::string target = dir.file("a.vlt");
    testing_support::WriteBytes(target, "the old file");
    try {
        dao::NewDatabaseFile file(target);
        AddTable(file.db(), "甲表");
        throw dao::DaoException(dao::kErrGeneric, "写入中止");
    } catch (const dao::DaoException&) {
    }
    EXPECT_EQ(FilesIn(dir.path()), Strings{"a.vlt"});
    EXPECT_EQ(testing_support::ReadBytes(target), "the old file");
}

TEST(NewDatabaseFile, UnusableTargetsAreRefusedWithTheirName) {
    testing_support::TempDir dir;
    std::filesystem::create_directory(dir.file("folder.BCL"));
    struct Case {
        std::string target;
        std::string told;
    } cases[] = {
        {"", "没有给出构件库文件名。"},
        {dir.file("folder.BCL"), "'" + dir.file("folder.BCL") + "' 是一个文件夹，不能用作构件库文件。"},
        {dir.file("missing/a.BCL"), "无法创建构件库文件 '" + dir.file("missing/a.BCL") + "'。"},
    };
    for (const auto& c : cases) {
        try {
            dao::NewDatabaseFile file(c.target, "构件库文件");
            ADD_FAILURE() << c.target;
        } catch (const dao::DaoException& e) {
            EXPECT_EQ(e.m_strDescription, c.told);
        }
    }
    EXPECT_EQ(FilesIn(dir.path()), Strings{"folder.BCL"});
}

TEST(Leftovers, OnlyHalfMadeFilesOfEndedWritersGo) {
    testing_support::TempDir dir;
    const std::string ended = std::to_string(EndedProcess()), running = std::to_string(getpid());
    struct Case {
        std::string name;
        bool goes;
    } cases[] = {
        {".a.vlt." + ended + ".0.tmp", true},
        {".a.vlt." + ended + ".0.tmp-journal", true},
        {".项目.BCL." + ended + ".17.tmp", true},
        {".a.vlt." + running + ".0.tmp", false},  // a writer at work
        {".a.vlt." + running + ".0.tmp-journal", false},
        {"a.vlt." + ended + ".0.tmp", false},  // not hidden: not a name our writers give
        {".a.vlt." + ended + ".tmp", false},   // no counter
        {".a.vlt.x" + ended + ".0.tmp", false},
        {".a.vlt." + ended + ".0.tmp.bak", false},
        {".tmp", false},
        {"a.vlt-journal", false},  // the project's own journal is rolled back by the next open, never removed
    };
    for (const auto& c : cases) testing_support::WriteBytes(dir.file(c.name), "x");
    std::filesystem::create_directory(dir.file(".b.vlt." + ended + ".1.tmp"));  // a folder is not ours
    EXPECT_EQ(dao::RemoveLeftoversBeside(dir.file("a.vlt")), 3);
    for (const auto& c : cases) EXPECT_EQ(std::filesystem::exists(dir.file(c.name)), !c.goes) << c.name;
}

TEST(Leftovers, OpeningAProjectForWritingClearsItsFolder) {
    testing_support::TempDir dir;
    const std::string target = dir.file("a.vlt");
    dao::Database::Create(target)->Close();
    const std::string leftover = dir.file(".a.vlt." + std::to_string(EndedProcess()) + ".3.tmp");
    testing_support::WriteBytes(leftover, "half a project");
    dao::Database::Open(target, true)->Close();
    EXPECT_TRUE(std::filesystem::exists(leftover)) << "a reader changes nothing";
    dao::Database::Open(target)->Close();
    EXPECT_FALSE(std::filesystem::exists(leftover));
}

TEST(ReadOnlyFile, AWriteIsRefusedBeforeItStartsAndNamesTheFile) {
    testing_support::TempDir dir;
    const std::string path = dir.file("a.vlt");
    {
        auto db = dao::Database::Create(path);
        AddTable(*db, "甲表");
    }
    auto db = dao::Database::Open(path, true);
    try {
        dao::Transaction write(*db);
        ADD_FAILURE() << "a read-only file took a transaction";
    } catch (const dao::DaoException& e) {
        EXPECT_EQ(e.m_lErrorCode, dao::kErrReadOnly);
        EXPECT_EQ(e.m_strDescription, "文件 '" + db->GetName() + "' 是只读的，不能写入。");
    }
    EXPECT_FALSE(db->InTransaction());
}

}  // namespace

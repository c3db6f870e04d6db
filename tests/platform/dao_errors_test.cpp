// What the database layer tells about a file it cannot use: Chinese text with the file's name and a code,
// whatever the engine underneath said.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "support/test_support.h"

namespace {

std::optional<dao::DaoException> ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const dao::DaoException& e) {
        return e;
    }
    return std::nullopt;
}

// A file with one table of `rows` records of 1 KB each.
std::string MakeFile(testing_support::TempDir& dir, const std::string& name, int rows) {
    std::string path = std::filesystem::absolute(dir.file(name)).string();
    auto db = dao::Database::Create(path);
    db->Execute("CREATE TABLE [t] (x TEXT)");
    for (int i = 0; i < rows; ++i) db->Execute("INSERT INTO [t] VALUES (printf('%.1000d', " + std::to_string(i) + "))");
    return path;
}

TEST(DaoErrors, FileProblemsAreToldWithTheFileAndACode) {
    testing_support::TempDir dir;
    const std::string folder = dir.file("folder.vlt");
    std::filesystem::create_directory(folder);
    const std::string full = MakeFile(dir, "full.vlt", 1);
    const std::string readOnly = MakeFile(dir, "readonly.vlt", 1);
    const std::string damaged = MakeFile(dir, "damaged.vlt", 40);
    {
        // Past the schema page every byte is garbage: the table's pages are no pages any more.
        std::string bytes = testing_support::ReadBytes(damaged);
        std::fill(bytes.begin() + 8192, bytes.end(), '\x5a');
        testing_support::WriteBytes(damaged, bytes);
    }
    struct Case {
        const char* what;
        std::function<void()> call;
        long code;
        std::string description;
    } cases[] = {
        {"a folder", [&] { dao::Database::Open(folder); }, dao::kErrIo,
         "'" + folder + "' 是文件夹，不是项目文件。"},
        {"a read-only file",
         [&] { dao::Database::Open(readOnly, /*readOnly=*/true)->Execute("INSERT INTO [t] VALUES ('a')"); },
         dao::kErrReadOnly, "项目文件 '" + readOnly + "' 是只读的，不能写入。"},
        {"a full disk",
         [&] {
             auto db = dao::Database::Open(full);
             db->Execute("PRAGMA max_page_count = 4");  // the disk holds four pages and no more
             for (int i = 0; i < 20; ++i) db->Execute("INSERT INTO [t] VALUES (printf('%.2000d', 1))");
         },
         dao::kErrDiskFull, "磁盘空间不足，无法写入项目文件 '" + full + "'。"},
        {"a damaged file, read",
         [&] {
             auto db = dao::Database::Open(damaged);
             dao::Recordset rs(*db);
             rs.Open("Select * From [t]");
             while (!rs.IsEOF()) rs.MoveNext();
         },
         dao::kErrCorrupt, "项目文件 '" + damaged + "' 已损坏，无法读取。"},
        {"a damaged file, written",
         [&] { dao::Database::Open(damaged)->Execute("DELETE FROM [t]"); }, dao::kErrCorrupt,
         "项目文件 '" + damaged + "' 已损坏，无法读取。"},
    };
    for (const auto& c : cases) {
        auto error = ErrorOf(c.call);
        ASSERT_TRUE(error) << c.what;
        EXPECT_EQ(error->m_lErrorCode, c.code) << c.what;
        EXPECT_EQ(error->m_strDescription, c.description) << c.what;
    }
}

}  // namespace

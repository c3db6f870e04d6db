// How the database layer meets files it did not make and files other programs hold: empty files, files locked
// by another writer, and files a writer left in the middle of a transaction.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "hot_journal.h"
#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "support/test_support.h"

namespace {

// The error a call raises, or none.
template <class Call>
std::optional<dao::DaoException> ErrorOf(Call call) {
    try {
        call();
    } catch (const dao::DaoException& e) {
        return e;
    }
    return std::nullopt;
}

TEST(DaoForeignFiles, EmptyAndForeignFilesAreRefusedAlikeAndStayUntouched) {
    testing_support::TempDir dir;
    for (const std::string& bytes :
         {std::string(), std::string("This is not a database, just some text.\n")}) {
        for (bool readOnly : {false, true}) {
            std::string path = dir.file("notes.vlt");
            testing_support::WriteBytes(path, bytes);
            auto error = ErrorOf([&] { dao::Database::Open(path, readOnly); });
            ASSERT_TRUE(error) << bytes.size() << " bytes, readOnly " << readOnly;
            EXPECT_EQ(error->m_lErrorCode, dao::kErrNotADatabase);
            EXPECT_EQ(error->m_strDescription, "无法识别的数据库格式 '" + path + "'。");
            EXPECT_EQ(testing_support::ReadBytes(path), bytes);
        }
    }
}

class DaoLockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = dir.file("p.vlt");
        dao::Database::Create(path)->Execute("CREATE TABLE [t] (x LONG)");
        // The other program: a plain connection of its own.
        ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
        dao::Database::SetBusyTimeout(20);
    }
    void TearDown() override {
        sqlite3_close(other);
        dao::Database::SetBusyTimeout(5000);
    }
    void OtherRuns(const char* sql) {
        ASSERT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    }
    void ExpectInUse(const std::optional<dao::DaoException>& error) {
        ASSERT_TRUE(error);
        EXPECT_EQ(error->m_lErrorCode, dao::kErrLocked);
        EXPECT_EQ(error->m_strDescription, "项目文件 '" + path + "' 正被另一个程序使用，请稍后再试。");
    }
    testing_support::TempDir dir;
    std::string path;
    sqlite3* other = nullptr;
};

TEST_F(DaoLockTest, AFileHeldExclusivelyCannotBeOpened) {
    OtherRuns("BEGIN EXCLUSIVE; INSERT INTO t VALUES (1);");
    ExpectInUse(ErrorOf([&] { dao::Database::Open(path); }));
    ExpectInUse(ErrorOf([&] { dao::Database::Open(path, /*readOnly=*/true); }));
    OtherRuns("COMMIT;");
    EXPECT_NO_THROW(dao::Database::Open(path));
}

TEST_F(DaoLockTest, WritesWhileAnotherProgramWritesReportTheFileInUse) {
    auto db = dao::Database::Open(path);
    OtherRuns("BEGIN IMMEDIATE; INSERT INTO t VALUES (1);");
    ExpectInUse(ErrorOf([&] { db->Execute("INSERT INTO [t] VALUES (2)"); }));
    ExpectInUse(ErrorOf([&] { dao::Transaction writing(*db); }));
    dao::Recordset rs(*db);
    rs.Open("t");  // reading goes on while the other program has not committed
    rs.AddNew();
    rs.SetFieldValue(0, dao::Value::Long(3));
    ExpectInUse(ErrorOf([&] { rs.Update(); }));
    OtherRuns("COMMIT;");
    EXPECT_EQ(db->Execute("INSERT INTO [t] VALUES (4)"), 1);
}

TEST(DaoHotJournal, AReadOnlyOpenRecoversWhatAWriterLeftMidTransaction) {
    testing_support::TempDir dir;
    std::string path = dir.file("p.vlt");
    dao::Database::Create(path)->Execute("CREATE TABLE [t] (x LONG); INSERT INTO [t] VALUES (7)");
    testing_support::LeaveHotJournal(path, testing_support::ManyRowsInto("t", "x"));

    auto db = dao::Database::Open(path, /*readOnly=*/true);
    dao::Recordset rs(*db);
    rs.Open("t");
    ASSERT_EQ(rs.GetRecordCount(), 1);  // the unfinished transaction is gone
    EXPECT_EQ(rs.GetFieldValue(0), dao::Value::Long(7));
    EXPECT_THROW(db->Execute("INSERT INTO [t] VALUES (8)"), dao::DaoException);  // still read-only
}

}  // namespace

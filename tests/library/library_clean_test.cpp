// The clean of a library: which entries count as repeats, checked case by case and against the selection
// query of each record that defines a repeat.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <optional>

#include "library/library_clean.h"
#include "library_fixture.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/interaction/scripted.h"
#include "projectdb/record_access.h"

namespace {

using Cell = std::optional<dao::Value>;  // nullopt: the field stays null

struct Entry {
    Cell name, length, count, flag;
};

std::unique_ptr<dao::Database> MakeTable(const std::string& path, const std::vector<Entry>& entries) {
    auto db = dao::Database::Create(path);
    db->CreateTableDef(
        {"构件",
         0,
         {{"名称", dao::dbText}, {"长度", dao::dbDouble, 8}, {"个数", dao::dbLong, 4}, {"标记", dao::dbInteger, 2}}});
    dao::Transaction filling(*db);
    dao::Recordset set(*db);
    set.Open("构件");
    for (const Entry& e : entries) {
        set.AddNew();
        int i = 0;
        for (const Cell& cell : {e.name, e.length, e.count, e.flag}) {
            if (cell) set.SetFieldValue(i, *cell);
            ++i;
        }
        set.Update();
    }
    set.Close();
    filling.Commit();
    return db;
}

std::vector<long> Rowids(dao::Database& db) {
    std::vector<long> ids;
    dao::Recordset set(db);
    set.Open("Select rowid From [构件] Order By rowid");
    for (; !set.IsEOF(); set.MoveNext()) ids.push_back(set.GetFieldValue(0).toLong());
    return ids;
}

dao::Value T(const char* v) { return dao::Value::Text(v); }
dao::Value D(double v) { return dao::Value::Double(v); }
dao::Value L(int v) { return dao::Value::Long(v); }

TEST(LibraryClean, FirstOfEqualEntriesStaysAndUnmatchableEntriesStay) {
    testing_support::TempDir dir;
    const std::vector<Entry> entries = {
        {T("A"), D(1.5), L(2), L(0)},      // 1 stays: the first of its group
        {T("A"), D(1.5), L(2), L(1)},      // 2 goes: a field of another type does not count
        {T("A"), D(1.5), L(2), L(0)},      // 3 goes
        {T(""), D(1.5), L(2), {}},         // 4, 5 stay: an empty text matches nothing
        {T(""), D(1.5), L(2), {}},         //
        {{}, D(1.5), L(2), {}},            // 6, 7 stay: neither does a null one
        {{}, D(1.5), L(2), {}},            //
        {T("B"), D(1.2345678), L(2), {}},  // 8, 9 stay: seven decimals differ from their print
        {T("B"), D(1.2345678), L(2), {}},  //
        {T("B"), D(1.234567), L(2), {}},   // 10 stays
        {T("B"), D(1.2345670), L(2), {}},  // 11 goes
        {T("q\"x"), D(1), L(1), {}},       // 12, 13 stay: a double quote breaks the selection
        {T("q\"x"), D(1), L(1), {}},       //
        {T("A"), {}, L(2), {}},            // 14, 15 stay: a null number matches nothing
        {T("A"), {}, L(2), {}},            //
        {T("a"), D(1.5), L(2), {}},        // 16 goes: texts compare regardless of letter case
        {T("C"), D(0.0), L(0), {}},        // 17 stays
        {T("C"), D(-0.0), L(0), {}},       // 18 goes: -0 prints as a number equal to 0
        {T("it's"), D(1e6), L(-3), {}},    // 19 stays
        {T("it's"), D(1e6), L(-3), {}},    // 20 goes: a single quote is fine
        {T("t30梁"), D(30), L(1), {}},     // 21 stays
        {T("T30梁"), D(30), L(1), {}},     // 22 goes
        {T("Ｔ30梁"), D(30), L(1), {}},    // 23 stays: a full-width letter is another character
    };
    auto db = MakeTable(dir.file("L.BCL"), entries);
    EXPECT_EQ(library::CleanTable(*db, "构件"), 7);
    EXPECT_EQ(Rowids(*db), (std::vector<long>{1, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 17, 19, 21, 23}));
}

// The defining rule, one record at a time: the record's exact-match selection (an empty text sought as
// "NULL"), all but the first of what it finds deleted; a selection that fails deletes nothing.
void CleanOneRecordAtATime(dao::Database& db) {
    const std::vector<dao::FieldInfo> fields = db.GetTableDef("构件").fields;
    dao::Transaction transaction(db);
    for (long rowid : Rowids(db)) {
        dao::Recordset record(db);
        record.Open("Select * From [构件] Where rowid = " + std::to_string(rowid));
        if (record.IsEOF()) continue;
        std::vector<dao::Value> values;
        for (int i = 0; i < record.GetFieldCount(); ++i) {
            dao::Value v = record.GetFieldValue(i);
            if (fields[i].m_nType == dao::dbText && v.toString().empty()) v = T("NULL");
            values.push_back(v);
        }
        std::string sql = dao::TranslateJetSql(projectdb::BuildMatchCondition("构件", fields, values));
        sql.replace(0, std::string("Select *").size(), "Select rowid");
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db.handle(), (sql + " Order By rowid").c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt);
            continue;
        }
        std::vector<sqlite3_int64> found;
        while (sqlite3_step(stmt) == SQLITE_ROW) found.push_back(sqlite3_column_int64(stmt, 0));
        sqlite3_finalize(stmt);
        for (std::size_t i = 1; i < found.size(); ++i)
            db.Execute("Delete From [构件] Where rowid = " + std::to_string(found[i]));
    }
    transaction.Commit();
}

TEST(LibraryClean, RemovesWhatTheOneRecordSelectionsRemove) {
    const std::vector<Cell> names = {T("A"), T("B"), T(""), T("NULL"), T("it's"), T("q\"x"), std::nullopt};
    const std::vector<Cell> lengths = {D(1.5), D(2.25), D(1.2345678), D(0), D(3.000001), D(-7), std::nullopt};
    const std::vector<Cell> counts = {L(1), L(2), std::nullopt};
    std::vector<Entry> entries;
    unsigned seed = 12345;
    auto next = [&seed](std::size_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int i = 0; i < 400; ++i)
        entries.push_back({names[next(names.size())], lengths[next(lengths.size())], counts[next(counts.size())],
                           L(static_cast<int>(next(3)))});

    testing_support::TempDir dir;
    auto ours = MakeTable(dir.file("OURS.BCL"), entries);
    auto reference = MakeTable(dir.file("REFERENCE.BCL"), entries);
    long deleted = library::CleanTable(*ours, "构件");
    CleanOneRecordAtATime(*reference);
    EXPECT_EQ(Rowids(*ours), Rowids(*reference));
    EXPECT_GT(deleted, 50);
}

TEST(LibraryClean, CleansEveryTableOfTheNamedLibrary) {
    testing_support::TempDir dir;
    {
        auto db = MakeTable(dir.file("LIB.BCL"), {{T("A"), D(1), L(1), {}}, {T("A"), D(1), L(1), {}}});
        db->CreateTableDef({"简支空心板", 0, {{"名称", dao::dbText}}});
        db->Execute("INSERT INTO [简支空心板] VALUES ('Z'), ('Z'), ('Z')");
    }
    ui::RecordingProgress progress;
    EXPECT_EQ(library::CleanLibrary(dir.file("lib"), progress), 3);
    EXPECT_EQ(progress.title, "精简构件库");
    EXPECT_EQ(progress.text, "正在删除构件库中的重复记录。请稍候...");
    EXPECT_EQ(progress.pos, progress.upper);
    EXPECT_EQ(progress.closes, 1);
    EXPECT_EQ(library_test::LibraryRecords(dir.file("LIB.BCL"), "简支空心板").size(), 1u);

    testing_support::WriteBytes(dir.file("BAD.BCL"), "no library");
    EXPECT_THROW(library::CleanLibrary(dir.file("BAD.BCL"), progress), dao::DaoException);
    EXPECT_EQ(testing_support::ReadBytes(dir.file("BAD.BCL")), "no library");
}

}  // namespace

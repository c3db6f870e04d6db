#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <optional>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "support/test_support.h"

namespace {

using dao::Value;

dao::TableDef Table(const std::string& name, std::vector<std::pair<std::string, short>> fields) {
    dao::TableDef def;
    def.m_strName = name;
    for (auto& [n, t] : fields) {
        dao::FieldInfo f;
        f.m_strName = n;
        f.m_nType = t;
        f.m_lSize = t == dao::dbText ? 255 : 8;
        def.fields.push_back(f);
    }
    return def;
}

// Runs raw SQL through SQLite itself, the way another program would write the file.
void Foreign(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class DaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("p.vlt");
        db = dao::Database::Create(path);
        db->CreateTableDef(Table("①类帽梁信息表", {{"PierAbutmentNum", dao::dbLong}, {"CopingLength", dao::dbDouble},
                                                 {"Name", dao::dbText}, {"Small", dao::dbInteger}}));
    }
    void Add(int num, double len, const std::string& name) {
        dao::Recordset rs(*db);
        rs.Open("①类帽梁信息表");
        rs.AddNew();
        rs.SetFieldValue("PierAbutmentNum", Value::Long(num));
        rs.SetFieldValue("CopingLength", Value::Double(len));
        rs.SetFieldValue("Name", Value::Text(name));
        rs.Update();
    }
    testing_support::TempDir dir;
    std::string path;
    std::unique_ptr<dao::Database> db;
};

TEST(JetSql, DoubleQuotedLiteralsBecomeSingleQuotedAndTheRestStays) {
    struct Case {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {R"(Select * From [t] Where (((t.Name)="A")))", R"(Select * From [t] Where (((t.Name)='A')))"},
        {R"(x="it's")", R"(x='it''s')"},
        {R"(x="say ""hi""")", R"(x='say "hi"')"},
        {R"(x='kept' and [a"b]=1)", R"(x='kept' and [a"b]=1)"},
        {R"(Select * From `a]"b` Where v="q")", R"(Select * From `a]"b` Where v='q')"},
        {"Select * From 桩柱式、肋板式桥台帽梁信息表 Order By PierAbutmentNum;",
         "Select * From 桩柱式、肋板式桥台帽梁信息表 Order By PierAbutmentNum;"},
    };
    for (const auto& c : cases) EXPECT_EQ(dao::TranslateJetSql(c.jet), c.sqlite) << c.jet;
    EXPECT_EQ(dao::QuoteIdentifier("一般信息表"), "[一般信息表]");
    EXPECT_EQ(dao::QuoteIdentifier("a]b`c"), "`a]b``c`");
}

TEST_F(DaoTest, JetSqlWithChineseIdentifiersAndDoubleQuotesRuns) {
    Add(2, 12.5, "B");
    Add(1, 10, "A");
    Add(3, 8, "Name");  // a literal equal to a column name must stay a literal
    dao::Recordset rs(*db);
    rs.Open("Select * From ①类帽梁信息表 Where ①类帽梁信息表.Name=\"Name\" Order By ①类帽梁信息表.PierAbutmentNum;");
    ASSERT_EQ(rs.GetRecordCount(), 1);
    EXPECT_EQ(rs.GetFieldValue("PierAbutmentNum").toLong(), 3);
    rs.Open("Select * From [①类帽梁信息表] Order By PierAbutmentNum;");
    std::vector<int> order;
    for (; !rs.IsEOF(); rs.MoveNext()) order.push_back(rs.GetFieldValue(0).toLong());
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST_F(DaoTest, TableReturnsRecordsInTheOrderTheyWereAdded) {
    for (int i : {5, 3, 9, 1}) Add(i, i, "x");
    dao::Recordset rs(*db);
    rs.Open("Select * From [①类帽梁信息表]");
    std::vector<int> order;
    for (; !rs.IsEOF(); rs.MoveNext()) order.push_back(rs.GetFieldValue("pierabutmentnum").toLong());
    EXPECT_EQ(order, (std::vector<int>{5, 3, 9, 1}));
    EXPECT_EQ(rs.GetRecordCount(), 4);
    rs.MoveLast();
    EXPECT_EQ(rs.GetFieldValue(0).toLong(), 1);
    rs.MovePrev();
    EXPECT_EQ(rs.GetFieldValue(0).toLong(), 9);
    rs.MoveFirst();
    rs.MovePrev();
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_THROW(rs.MovePrev(), dao::DaoException);
}

TEST_F(DaoTest, TextIsConvertedForNumericFieldsAndNonNumbersAreRefused) {
    dao::Recordset rs(*db);
    rs.Open("①类帽梁信息表");
    rs.AddNew();
    rs.SetFieldValue("PierAbutmentNum", Value::Text(" 12 "));
    rs.SetFieldValue("CopingLength", Value::Text("3.25"));
    rs.SetFieldValue("Name", Value::Double(2.5));
    rs.SetFieldValue("Small", Value::Text("2.5"));  // rounded half to even
    struct Bad {
        const char* field;
        Value value;
        long code;
    } bad[] = {
        {"CopingLength", Value::Text("abc"), dao::kErrConversion},
        {"CopingLength", Value::Text(""), dao::kErrConversion},
        {"PierAbutmentNum", Value::Text("12x"), dao::kErrConversion},
        {"Small", Value::Long(40000), dao::kErrOverflow},
        {"Missing", Value::Long(1), dao::kErrItemNotFound},
    };
    for (const auto& b : bad) {
        try {
            rs.SetFieldValue(b.field, b.value);
            ADD_FAILURE() << b.field;
        } catch (const dao::DaoException& e) {
            EXPECT_EQ(e.m_lErrorCode, b.code) << b.field;
            EXPECT_FALSE(e.m_strDescription.empty());
        }
    }
    rs.Update();
    rs.Requery();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetFieldValue("PierAbutmentNum"), Value::Long(12));
    EXPECT_EQ(rs.GetFieldValue("CopingLength"), Value::Double(3.25));
    EXPECT_EQ(rs.GetFieldValue("Name"), Value::Text("2.5"));
    EXPECT_EQ(rs.GetFieldValue("Small"), Value::Short(2));
}

TEST_F(DaoTest, NullReadsAsNullAndEditAndDeleteChangeTheFile) {
    Add(1, 1, "a");
    Add(2, 2, "b");
    {
        dao::Recordset rs(*db);
        rs.Open("Select * From [①类帽梁信息表] Where PierAbutmentNum = 2");
        ASSERT_TRUE(rs.CanUpdate());
        EXPECT_TRUE(rs.GetFieldValue("Small").isNull());
        rs.Edit();
        rs.SetFieldValue("Name", Value::Text("changed"));
        rs.Update();
        rs.Open("①类帽梁信息表");
        rs.Delete();
        EXPECT_EQ(rs.GetRecordCount(), 1);
        rs.MoveNext();
        EXPECT_EQ(rs.GetFieldValue("Name").text(), "changed");
    }
    auto reopened = dao::Database::Open(path);
    dao::Recordset rs(*reopened);
    rs.Open("①类帽梁信息表");
    ASSERT_EQ(rs.GetRecordCount(), 1);
    EXPECT_EQ(rs.GetFieldValue("Name").text(), "changed");
}

TEST_F(DaoTest, ATableWhoseNameHoldsABracketOrQuotesIsReachable) {
    for (std::string name : {"a]b", "x\"y", "it's", "p]\"q"}) {
        db->CreateTableDef(Table(name, {{"v", dao::dbText}}));
        dao::Recordset rs(*db);
        rs.Open("Select * From " + dao::QuoteIdentifier(name) + " Where v = \"q\"");
        EXPECT_TRUE(rs.CanUpdate()) << name;
        rs.AddNew();
        rs.SetFieldValue("v", Value::Text("q"));
        rs.Update();
        rs.Requery();
        EXPECT_EQ(rs.GetRecordCount(), 1) << name;
        db->DeleteTableDef(name);
    }
}

TEST_F(DaoTest, QueriesOverSeveralTablesAreReadOnly) {
    Add(1, 1, "a");
    dao::Recordset rs(*db);
    rs.Open("Select Count(*) As n From [①类帽梁信息表]");
    EXPECT_FALSE(rs.CanUpdate());
    EXPECT_EQ(rs.GetFieldValue("n").toLong(), 1);
    EXPECT_THROW(rs.AddNew(), dao::DaoException);
}

TEST_F(DaoTest, AddedRecordsJoinTheEndOfAnOpenSet) {
    Add(1, 1, "a");
    dao::Recordset rs(*db);
    rs.Open("①类帽梁信息表");
    rs.AddNew();
    rs.SetFieldValue(0, Value::Long(7));
    rs.Update();
    EXPECT_EQ(rs.GetFieldValue(0).toLong(), 1);  // still on the record it was on
    EXPECT_EQ(rs.GetRecordCount(), 2);
    rs.MoveLast();
    EXPECT_EQ(rs.GetFieldValue(0).toLong(), 7);
}

TEST_F(DaoTest, TransactionKeepsWhatANormalEndWroteAndUndoesWhatAnExceptionLeft) {
    auto names = [&] {
        std::vector<std::string> found;
        dao::Recordset rs(*db);
        rs.Open("①类帽梁信息表");
        for (; !rs.IsEOF(); rs.MoveNext()) found.push_back(rs.GetFieldValue("Name").text());
        return found;
    };
    auto failHalfway = [&] {
        dao::Recordset rs(*db);
        rs.Open("①类帽梁信息表");
        rs.AddNew();
        rs.SetFieldValue("CopingLength", Value::Text("not a number"));
    };
    struct Case {
        const char* what;
        std::function<void()> write;
        std::vector<std::string> kept;
    } cases[] = {
        {"an operation that stops early at a message keeps what it wrote",
         [&] {
             dao::Transaction t(*db);
             Add(2, 1, "new");
         },
         {"old", "new"}},
        {"an exception halfway undoes all of it",
         [&] {
             dao::Transaction t(*db);
             db->Execute("Delete From [①类帽梁信息表]");
             failHalfway();
         },
         {"old"}},
        {"giving up undoes all of it",
         [&] {
             dao::Transaction t(*db);
             Add(2, 1, "new");
             t.Rollback();
         },
         {"old"}},
        {"an inner part that throws is undone alone; the outer one goes on",
         [&] {
             dao::Transaction outer(*db);
             Add(2, 1, "before");
             try {
                 dao::Transaction inner(*db);
                 Add(3, 1, "inner");
                 failHalfway();
             } catch (const dao::DaoException&) {
             }
             Add(4, 1, "after");
         },
         {"old", "before", "after"}},
        {"giving up the outer one undoes the inner one committed inside it",
         [&] {
             dao::Transaction outer(*db);
             {
                 dao::Transaction inner(*db);
                 Add(2, 1, "inner");
             }
             outer.Rollback();
         },
         {"old"}},
    };
    for (const Case& c : cases) {
        db->Execute("Delete From [①类帽梁信息表]");
        Add(1, 1, "old");
        try {
            c.write();
        } catch (const dao::DaoException&) {
        }
        EXPECT_EQ(names(), c.kept) << c.what;
        EXPECT_FALSE(db->InTransaction()) << c.what;
    }
}

TEST_F(DaoTest, TableDefinitionsComeInCreationOrderWithSystemTablesMarked) {
    db->CreateTableDef(Table("b", {{"x", dao::dbLong}}));
    db->CreateTableDef(Table("a", {{"x", dao::dbLong}}));
    db->Execute("CREATE TABLE c (id INTEGER PRIMARY KEY AUTOINCREMENT, v)");  // brings sqlite_sequence
    std::vector<std::string> names;
    std::vector<bool> system;
    for (const auto& t : db->GetTableDefs()) {
        names.push_back(t.m_strName);
        system.push_back(t.isSystem());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"①类帽梁信息表", "b", "a", "c", "sqlite_sequence"}));
    EXPECT_EQ(system, (std::vector<bool>{false, false, false, false, true}));
    db->DeleteTableDef("b");
    EXPECT_FALSE(db->HasTableDef("b"));
    EXPECT_THROW(db->DeleteTableDef("b"), dao::DaoException);
    EXPECT_THROW(db->GetTableDef("b"), dao::DaoException);
}

TEST_F(DaoTest, DeclaredTypesOfOurOwnAndOfForeignTablesMapToDaoTypes) {
    auto def = db->GetTableDef("①类帽梁信息表");
    ASSERT_EQ(def.fields.size(), 4u);
    EXPECT_EQ(def.fields[0].m_nType, dao::dbLong);
    EXPECT_EQ(def.fields[1].m_nType, dao::dbDouble);
    EXPECT_EQ(def.fields[2].m_nType, dao::dbText);
    EXPECT_EQ(def.fields[2].m_lSize, 255);
    EXPECT_EQ(def.fields[3].m_nType, dao::dbInteger);
    db.reset();
    Foreign(path, "CREATE TABLE f (a INTEGER, b REAL, c TEXT, d VARCHAR(40), e DOUBLE, g LONG, h, i NUMERIC, j BOOLEAN);"
                  "INSERT INTO f VALUES (1, 2.5, 'x', 'y', 3, 4, 'z', 5, 1);"
                  "INSERT INTO f VALUES ('abc', NULL, 7, 'y', 3, 4, 8, 5, 0);");
    db = dao::Database::Open(path);
    auto foreign = db->GetTableDef("f");
    std::vector<short> types;
    for (const auto& f : foreign.fields) types.push_back(f.m_nType);
    EXPECT_EQ(types, (std::vector<short>{dao::dbLong, dao::dbDouble, dao::dbText, dao::dbText, dao::dbDouble, dao::dbLong,
                                         dao::dbText, dao::dbDouble, dao::dbBoolean}));
    EXPECT_EQ(foreign.fields[3].m_lSize, 40);
    dao::Recordset rs(*db);
    rs.Open("f");
    EXPECT_EQ(rs.GetFieldValue("a"), Value::Long(1));
    EXPECT_EQ(rs.GetFieldValue("j"), Value::Bool(true));
    rs.MoveNext();
    EXPECT_EQ(rs.GetFieldValue("a"), Value::Text("abc"));  // text kept in a numeric column stays text
    EXPECT_TRUE(rs.GetFieldValue("b").isNull());
    EXPECT_EQ(rs.GetFieldValue("c"), Value::Text("7"));
}

TEST(DaoFiles, MissingFilesRaiseAndAreNotCreated) {
    testing_support::TempDir dir;
    std::string missing = dir.file("missing.vlt");
    EXPECT_THROW(dao::Database::Open(missing), dao::DaoException);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(DaoFiles, CreateReplacesAnExistingFile) {
    testing_support::TempDir dir;
    std::string path = dir.file("p.vlt");
    {
        auto db = dao::Database::Create(path);
        db->CreateTableDef(Table("old", {{"x", dao::dbLong}}));
    }
    auto db = dao::Database::Create(path);
    EXPECT_TRUE(db->GetTableDefs().empty());
    EXPECT_NO_THROW(dao::Database::Open(path));
}

TEST(DaoFiles, FiftyFieldsAreReadInDefinitionOrderAndAppended) {
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("p.vlt"));
    std::vector<std::pair<std::string, short>> fields;
    for (int i = 50; i >= 1; --i) fields.push_back({"F" + std::to_string(i), i % 2 ? dao::dbDouble : dao::dbText});
    db->CreateTableDef(Table("wide", fields));
    auto def = db->GetTableDef("wide");
    ASSERT_EQ(def.fields.size(), 50u);
    EXPECT_EQ(def.fields.front().m_strName, "F50");
    EXPECT_EQ(def.fields.back().m_strName, "F1");
    dao::Recordset rs(*db);
    rs.Open("wide");
    rs.AddNew();
    rs.SetFieldValue(49, Value::Double(1.5));
    rs.Update();
    rs.Requery();
    EXPECT_EQ(rs.GetFieldValue("F1"), Value::Double(1.5));
}

TEST(DaoFiles, ForwardOnlySetStreamsRecords) {
    testing_support::TempDir dir;
    auto db = dao::Database::Create(dir.file("p.vlt"));
    db->CreateTableDef(Table("t", {{"x", dao::dbLong}}));
    db->Execute("INSERT INTO t VALUES (1),(2),(3)");
    dao::Recordset rs(*db);
    rs.Open("Select * From [t]", dao::dbOpenForwardOnly);
    long sum = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) sum += rs.GetFieldValue(0).toLong();
    EXPECT_EQ(sum, 6);
    EXPECT_FALSE(rs.CanUpdate());
}

}  // namespace

namespace {

TEST_F(DaoTest, BinaryFieldsKeepEveryByte) {
    const std::string bytes[] = {std::string("\x00\x01\xff\xfe\x00"
                                             "abc\x80",
                                             9),
                                 std::string(), std::string(70000, '\0')};
    dao::FieldInfo picture;
    picture.m_strName = "Picture";
    picture.m_nType = dao::dbLongBinary;
    db->CreateTableDef(dao::TableDef{"图片", 0, {picture}});
    {
        dao::Recordset rs(*db);
        rs.Open("图片");
        for (const auto& b : bytes) {
            rs.AddNew();
            rs.SetFieldValue(0, Value::Binary(b));
            rs.Update();
        }
        rs.AddNew();
        rs.SetFieldValue(0, Value::Text("text"));  // text goes in as its bytes
        rs.Update();
        rs.AddNew();
        EXPECT_THROW(rs.SetFieldValue(0, Value::Long(1)), dao::DaoException);
    }
    EXPECT_EQ(db->GetTableDef("图片").fields[0].m_nType, dao::dbLongBinary);
    dao::Recordset rs(*db);
    rs.Open("Select * From [图片]");
    for (const auto& b : bytes) {
        ASSERT_FALSE(rs.IsEOF());
        Value v = rs.GetFieldValue(0);
        EXPECT_TRUE(v.isBinary());
        EXPECT_EQ(v.bytes(), b);
        rs.MoveNext();
    }
    EXPECT_EQ(rs.GetFieldValue(0), Value::Binary("text"));
}

TEST(DaoTypes, DeclaredBinaryTypesMapToLongBinary) {
    for (const char* declared :
         {"LONGBINARY", "OLE", "OLEOBJECT", "BLOB", "image", "MEDIUMBLOB", "LONGVARBINARY"})
        EXPECT_EQ(dao::FieldFromDeclaredType("f", declared).m_nType, dao::dbLongBinary) << declared;
}

TEST(DaoTypes, TextLimitsCountCharactersNotBytes) {
    struct Case {
        std::string text;
        long limit;
        long count;
        std::string cut;
    } cases[] = {
        {"abc", 2, 3, "ab"},
        {"桥梁工程", 2, 4, "桥梁"},
        {"a桥b", 2, 3, "a桥"},
        {"①类\xF0\x9F\x98\x80x", 3, 4, "①类\xF0\x9F\x98\x80"},  // four-byte characters stay whole
        {"桥", 5, 1, "桥"},
        {"", 1, 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dao::CharacterCount(c.text), c.count) << c.text;
        EXPECT_EQ(dao::CutToCharacters(c.text, c.limit), c.cut) << c.text;
    }
}

TEST_F(DaoTest, ATextFieldHoldsAsManyChineseCharactersAsItsSize) {
    std::string chars;
    for (int i = 0; i < 255; ++i) chars += "桥";
    dao::Recordset rs(*db);
    rs.Open("①类帽梁信息表");
    rs.AddNew();
    rs.SetFieldValue("Name", Value::Text(chars));  // 765 bytes
    rs.Update();
    rs.AddNew();
    EXPECT_THROW(rs.SetFieldValue("Name", Value::Text(chars + "a")), dao::DaoException);
    rs.CancelUpdate();
    rs.Requery();
    EXPECT_EQ(rs.GetFieldValue("Name"), Value::Text(chars));
}

TEST_F(DaoTest, EachAppendedRecordKeepsItsOwnValues) {
    // One set appends records whose texts shrink, grow and vanish, from values that are gone before Update:
    // nothing of one record may reach the next, and every text is stored as it was when Update ran.
    struct Row {
        std::optional<std::string> name;
        std::optional<int> number;
    };
    const Row rows[] = {{"圆形截面柱式墩身盖梁", 1}, {"短", std::nullopt}, {std::nullopt, 3}, {"x", 4}, {"双柱式桥墩", 5}};
    {
        dao::Recordset rs(*db);
        rs.Open("①类帽梁信息表");
        for (const Row& row : rows) {
            rs.AddNew();
            if (row.name) rs.SetFieldValue("Name", Value::Text(std::string(*row.name)));
            if (row.number) rs.SetFieldValue(0, Value::Long(*row.number));
            rs.SetFieldValue("Small", Value::Short(7));
            rs.Update();
        }
    }
    dao::Recordset rs(*db);
    rs.Open("①类帽梁信息表");
    for (const Row& row : rows) {
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.GetFieldValue("Name"), row.name ? Value::Text(*row.name) : Value::Null());
        EXPECT_EQ(rs.GetFieldValue(0), row.number ? Value::Long(*row.number) : Value::Null());
        EXPECT_EQ(rs.GetFieldValue("Small"), Value::Short(7));
        rs.MoveNext();
    }
    EXPECT_TRUE(rs.IsEOF());
}

TEST_F(DaoTest, TableNamesFindTheirTableWithoutRegardToCase) {
    db->CreateTableDef(Table("Abc", {{"x", dao::dbLong}}));
    EXPECT_TRUE(db->HasTableDef("ABC"));
    EXPECT_TRUE(db->HasTableDef("abc"));
    EXPECT_FALSE(db->HasTableDef("abcd"));
    EXPECT_EQ(db->GetTableDef("aBC").m_strName, "Abc");
    try {
        db->CreateTableDef(Table("ABC", {{"y", dao::dbLong}}));
        ADD_FAILURE();
    } catch (const dao::DaoException& e) {
        EXPECT_EQ(e.m_lErrorCode, dao::kErrTableExists);
        EXPECT_EQ(e.m_strDescription, "表 'ABC' 已存在。");
    }
    db->RenameTableDef("abc", "ABC");  // only the case changes
    EXPECT_EQ(db->GetTableDefs().back().m_strName, "ABC");
    db->DeleteTableDef("abc");
    EXPECT_FALSE(db->HasTableDef("ABC"));
}

}  // namespace

namespace {

using dao::ValueRef;

// AppendRecord stores a record as AddNew, SetFieldValue and Update store the same values: exact kinds go
// straight in, other kinds are converted and checked, fields left out stay null.
TEST_F(DaoTest, AppendRecordStoresWhatTheEditBufferStores) {
    const std::string longName(300, 'x');
    const std::vector<std::vector<ValueRef>> records = {
        {ValueRef::Long(7), ValueRef::Double(2.5), ValueRef::Text("双柱式桥墩"), ValueRef::Long(3)},
        {ValueRef::Text(" 12 "), ValueRef::Text("3.25"), ValueRef::Double(2.5), ValueRef::Double(2.5)},
        {ValueRef::Double(4.5), ValueRef::Long(9)},  // rounded half to even; the rest null
        {ValueRef::Null(), ValueRef::Null(), ValueRef::Text("")},
        {},
    };
    dao::Recordset appended(*db);
    appended.Open("①类帽梁信息表");
    for (const auto& record : records) appended.AppendRecord(std::span(record));
    EXPECT_EQ(appended.GetRecordCount(), static_cast<long>(records.size()));

    db->CreateTableDef(Table("buffered", {{"PierAbutmentNum", dao::dbLong}, {"CopingLength", dao::dbDouble},
                                          {"Name", dao::dbText}, {"Small", dao::dbInteger}}));
    dao::Recordset buffered(*db);
    buffered.Open("buffered");
    for (const auto& record : records) {
        buffered.AddNew();
        for (size_t i = 0; i < record.size(); ++i) buffered.SetFieldValue(static_cast<int>(i), record[i].ToValue());
        buffered.Update();
    }

    dao::Recordset a(*db), b(*db);
    a.Open("①类帽梁信息表");
    b.Open("buffered");
    for (size_t r = 0; r < records.size(); ++r, a.MoveNext(), b.MoveNext()) {
        ASSERT_FALSE(a.IsEOF());
        ASSERT_FALSE(b.IsEOF());
        for (int f = 0; f < 4; ++f) EXPECT_EQ(a.GetFieldValue(f), b.GetFieldValue(f)) << r << "," << f;
    }
    EXPECT_TRUE(a.IsEOF());
    a.MoveFirst();
    a.MoveNext();
    a.MoveNext();
    EXPECT_EQ(a.GetFieldValue(0), dao::Value::Long(4));
    EXPECT_EQ(a.GetFieldValue(1), dao::Value::Double(9));
    EXPECT_TRUE(a.GetFieldValue(2).isNull());
}

// A number equal to the one bound before is left bound; whatever else bound the parameter in between (a
// converted value, text, null, an Update) must not leave its value behind.
TEST_F(DaoTest, AppendRecordRepeatsNumbersAfterOtherValuesWereBound) {
    dao::Recordset rs(*db);
    rs.Open("①类帽梁信息表");
    rs.AppendRecord({ValueRef::Long(7), ValueRef::Double(2.5)});
    rs.AppendRecord({ValueRef::Long(7), ValueRef::Double(2.5)});
    rs.AppendRecord({ValueRef::Text("8"), ValueRef::Text("3.5")});
    rs.AppendRecord({ValueRef::Long(7), ValueRef::Double(2.5)});
    rs.AppendRecord({ValueRef::Null(), ValueRef::Null()});
    rs.AppendRecord({ValueRef::Long(7), ValueRef::Double(2.5)});
    rs.AddNew();
    rs.SetFieldValue(0, dao::Value::Long(9));
    rs.Update();
    rs.AppendRecord({ValueRef::Long(7), ValueRef::Double(2.5)});
    rs.AppendRecord({ValueRef::Long(7), ValueRef::Double(-2.5)});

    const std::vector<std::pair<dao::Value, dao::Value>> expected = {
        {dao::Value::Long(7), dao::Value::Double(2.5)}, {dao::Value::Long(7), dao::Value::Double(2.5)},
        {dao::Value::Long(8), dao::Value::Double(3.5)}, {dao::Value::Long(7), dao::Value::Double(2.5)},
        {dao::Value::Null(), dao::Value::Null()},       {dao::Value::Long(7), dao::Value::Double(2.5)},
        {dao::Value::Long(9), dao::Value::Null()},      {dao::Value::Long(7), dao::Value::Double(2.5)},
        {dao::Value::Long(7), dao::Value::Double(-2.5)},
    };
    dao::Recordset read(*db);
    read.Open("①类帽梁信息表");
    for (size_t r = 0; r < expected.size(); ++r, read.MoveNext()) {
        ASSERT_FALSE(read.IsEOF()) << r;
        EXPECT_EQ(read.GetFieldValue(0), expected[r].first) << r;
        EXPECT_EQ(read.GetFieldValue(1), expected[r].second) << r;
    }
    EXPECT_TRUE(read.IsEOF());
}

// Text handed again from the same place is left bound: the characters found there when the record is
// written are stored, also after the caller changed them in place.
TEST_F(DaoTest, AppendRecordStoresTheTextFoundWhereItIsHanded) {
    std::string name = "甲类";
    const std::string other = "乙类";
    dao::Recordset rs(*db);
    rs.Open("①类帽梁信息表");
    auto append = [&](std::string_view text) {
        rs.AppendRecord({ValueRef::Long(1), ValueRef::Double(1), ValueRef::Text(text)});
    };
    append(name);
    append(name);
    name.replace(0, name.size(), "丙类");  // the same size, the same place
    append(name);
    append(other);
    append(name);
    rs.AppendRecord({ValueRef::Long(1), ValueRef::Double(1), ValueRef::Null()});
    append(name);
    append(std::string_view());

    const std::vector<dao::Value> expected = {
        dao::Value::Text("甲类"), dao::Value::Text("甲类"), dao::Value::Text("丙类"), dao::Value::Text("乙类"),
        dao::Value::Text("丙类"), dao::Value::Null(),        dao::Value::Text("丙类"), dao::Value::Text("")};
    dao::Recordset read(*db);
    read.Open("①类帽梁信息表");
    for (size_t r = 0; r < expected.size(); ++r, read.MoveNext()) {
        ASSERT_FALSE(read.IsEOF()) << r;
        EXPECT_EQ(read.GetFieldValue(2), expected[r]) << r;
    }
    EXPECT_TRUE(read.IsEOF());
}

TEST_F(DaoTest, AppendRecordRefusesWhatSetFieldValueRefusesAndWritesNothing) {
    const std::string tooLong(256, 'x');
    struct Bad {
        std::vector<ValueRef> record;
        long code;
    } bad[] = {
        {{ValueRef::Text("abc")}, dao::kErrConversion},
        {{ValueRef::Long(1), ValueRef::Text("")}, dao::kErrConversion},
        {{ValueRef::Long(1), ValueRef::Double(1), ValueRef::Text(tooLong)}, dao::kErrOverflow},
        {{ValueRef::Long(1), ValueRef::Double(1), ValueRef::Text("a"), ValueRef::Long(40000)}, dao::kErrOverflow},
        {{ValueRef::Long(1), ValueRef::Double(1), ValueRef::Text("a"), ValueRef::Long(1), ValueRef::Long(1)},
         dao::kErrItemNotFound},
    };
    dao::Recordset rs(*db);
    rs.Open("①类帽梁信息表");
    for (const auto& b : bad) {
        try {
            rs.AppendRecord(std::span(b.record));
            ADD_FAILURE() << b.record.size();
        } catch (const dao::DaoException& e) {
            EXPECT_EQ(e.m_lErrorCode, b.code) << b.record.size();
        }
    }
    rs.AppendRecord({ValueRef::Long(5)});  // the statement still works after the refusals
    rs.Requery();
    EXPECT_EQ(rs.GetRecordCount(), 1);
    EXPECT_EQ(rs.GetFieldValue(0), dao::Value::Long(5));
    EXPECT_TRUE(rs.GetFieldValue(2).isNull());
}

}  // namespace

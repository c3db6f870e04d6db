#include "exchange_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/gbk.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace exchange_test {

ProjectFile::ProjectFile(const std::string& path) {
    db_ = projectdb::CreateProjectFile(path);
    db_->Execute("PRAGMA synchronous = OFF");
    dao::Transaction creation(*db_);
    for (const auto& table : projectdb::CentralTables()) projectdb::RecreateCentralTable(*db_, table);
    creation.Commit();
}

void ProjectFile::create(const std::string& table) {
    const projectdb::TableSchema* schema = projectdb::FindTableSchema(table);
    if (!schema) throw std::logic_error("no schema for " + table);
    if (db_->HasTableDef(table)) db_->DeleteTableDef(table);
    db_->CreateTableDef(schema->ToTableDef());
}

void ProjectFile::drop(const std::string& table) {
    if (db_->HasTableDef(table)) db_->DeleteTableDef(table);
}

void ProjectFile::add(const std::string& table, const Fields& fields) {
    if (!db_->HasTableDef(table)) {
        if (projectdb::FindTableSchema(table)) {
            create(table);
        } else {
            dao::TableDef def{table, 0, {}};
            for (const auto& [name, value] : fields)
                def.fields.push_back({name, value.isText() ? dao::dbText : dao::dbDouble});
            db_->CreateTableDef(def);
        }
    }
    // A field the system schema lacks (one a design module adds) is appended first.
    dao::TableDef def = db_->GetTableDef(table);
    for (const auto& [name, value] : fields) {
        bool present = std::any_of(def.fields.begin(), def.fields.end(),
                                   [&name](const dao::FieldInfo& f) { return f.m_strName == name; });
        if (!present) db_->AppendField(table, {name, value.isText() ? dao::dbText : dao::dbDouble});
    }
    dao::Recordset set(*db_);
    set.Open(table);
    set.AddNew();
    for (const auto& [name, value] : fields) set.SetFieldValue(name, value);
    set.Update();
}

std::vector<std::string> ProjectFile::rows(const std::string& table) {
    std::vector<std::string> result;
    dao::Recordset set(*db_);
    set.Open(table);
    for (; !set.IsEOF(); set.MoveNext()) {
        std::string row;
        for (int i = 0; i < set.GetFieldCount(); ++i) {
            dao::Value v = set.GetFieldValue(i);
            if (i) row += "|";
            row += v.isNull() ? "NULL" : v.isNumber() ? text::Format("%g", v.toDouble()) : v.toString();
        }
        result.push_back(row);
    }
    return result;
}

std::vector<std::string> ReadCrLfLines(const std::string& path) {
    std::string bytes = testing_support::ReadBytes(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the file does not end with CR LF";
            break;
        }
        std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "a bare line feed in " << line;
        lines.push_back(text::FromGbk(line));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> LinesAfter(const std::vector<std::string>& lines, const std::string& marker, int count) {
    auto found = std::find(lines.begin(), lines.end(), marker);
    if (found == lines.end()) return {"<no " + marker + ">"};
    ++found;
    return {found, found + std::min<long>(count, lines.end() - found)};
}

}  // namespace exchange_test

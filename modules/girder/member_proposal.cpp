#include "girder/member_proposal.h"

#include <map>
#include <set>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace members {
namespace {

bool IsNumeric(short type) { return type != dao::dbText && type != dao::dbMemo; }

std::string ValueText(const dao::Value& value, short type) {
    if (value.isNull()) return "";
    if (!IsNumeric(type)) return value.toString();
    if (type == dao::dbDouble || type == dao::dbSingle) return NumberText(value.toDouble());
    return std::to_string(value.toLong());
}

dao::Value TypedValue(const std::string& text, short type) {
    if (!IsNumeric(type)) return dao::Value::Text(text);
    if (text.empty()) return dao::Value::Null();
    if (type == dao::dbDouble || type == dao::dbSingle) return dao::Value::Double(text::Atof(text));
    return dao::Value::Long(static_cast<std::int32_t>(text::Atol(text)));
}

const std::string& KeyField(const projectdb::TableSchema& schema) { return schema.fields.front().name; }

// The first stored record of every key, as texts by field name.
std::map<std::string, std::map<std::string, std::string>> StoredRecords(dao::Database& db,
                                                                        const projectdb::TableSchema& schema) {
    std::map<std::string, std::map<std::string, std::string>> stored;
    if (!db.HasTableDef(schema.name)) return stored;
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(schema.name), dao::dbOpenForwardOnly);
    const short keyType = schema.fields.front().type;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string key = ValueText(rs.GetFieldValue(KeyField(schema)), keyType);
        if (stored.count(key)) continue;
        auto& texts = stored[key];
        for (const auto& field : schema.fields)
            if (rs.FieldIndex(field.name) >= 0) texts[field.name] = ValueText(rs.GetFieldValue(field.name), field.type);
    }
    return stored;
}

void EnsureFields(dao::Database& db, const projectdb::TableSchema& schema) {
    if (!db.HasTableDef(schema.name)) {
        projectdb::EnsureTable(db, schema);
        return;
    }
    std::set<std::string> present;
    for (const auto& field : db.GetTableDef(schema.name).fields) present.insert(field.m_strName);
    for (const auto& field : schema.fields) {
        if (present.count(field.name)) continue;
        dao::FieldInfo info;
        info.m_strName = field.name;
        info.m_nType = field.type;
        info.m_lSize = field.size;
        db.AppendField(schema.name, info);
    }
}

std::string KeyLiteral(const std::string& key, short type) {
    if (!IsNumeric(type)) return dao::QuoteLiteral(key);
    return std::to_string(text::Atol(key));
}

}  // namespace

std::string NumberText(double value) { return text::Format("%.12g", value); }

ui::ProposedTable Propose(dao::Database& db, const TableProposal& proposal) {
    const projectdb::TableSchema& schema = proposal.schema;
    ui::ProposedTable table;
    table.table = schema.name;
    for (const auto& field : schema.fields) {
        table.fields.push_back(field.name);
        table.captions.push_back(field.gridCaption.empty() ? field.name : field.gridCaption);
    }
    table.keyFields = {KeyField(schema)};
    table.rowsFixed = true;
    auto stored = StoredRecords(db, schema);
    for (const modulekit::Record& record : proposal.defaults) {
        std::map<std::string, std::string> texts;
        for (const auto& [name, value] : record) {
            const projectdb::FieldDef* field = schema.field(name);
            texts[name] = ValueText(value, field ? field->type : static_cast<short>(dao::dbText));
        }
        auto existing = stored.find(texts[KeyField(schema)]);
        if (existing != stored.end())
            for (const auto& [name, text] : existing->second) texts[name] = text;
        std::vector<std::string> row;
        for (const auto& field : schema.fields) row.push_back(texts[field.name]);
        table.rows.push_back(std::move(row));
    }
    return table;
}

void WriteRows(dao::Database& db, const projectdb::TableSchema& schema, const ui::ProposedTable& rows) {
    EnsureFields(db, schema);
    const std::string table = dao::QuoteIdentifier(schema.name);
    const std::string key = dao::QuoteIdentifier(KeyField(schema));
    const short keyType = schema.fields.front().type;
    for (const auto& row : rows.rows)
        db.Execute("Delete From " + table + " Where " + key + " = " + KeyLiteral(row.front(), keyType));
    dao::Recordset rs(db);
    rs.Open("Select * From " + table);
    for (const auto& row : rows.rows) {
        rs.AddNew();
        for (size_t i = 0; i < schema.fields.size() && i < row.size(); ++i)
            rs.SetFieldValue(schema.fields[i].name, TypedValue(row[i], schema.fields[i].type));
        rs.Update();
    }
    rs.Close();
}

DesignOutcome ProposeAndWrite(dao::Database& db, const std::string& title, const std::string& note,
                              const std::vector<TableProposal>& proposals, ui::PlotMaker plots) {
    ui::EditRequest request;
    request.title = title;
    request.note = note;
    request.plots = std::move(plots);
    for (const auto& proposal : proposals) request.tables.push_back(Propose(db, proposal));
    DesignOutcome outcome;
    if (!modulekit::ModuleEditor().edit(request)) return outcome;
    outcome.accepted = true;
    dao::Transaction transaction(db);
    for (size_t i = 0; i < proposals.size() && i < request.tables.size(); ++i) {
        WriteRows(db, proposals[i].schema, request.tables[i]);
        outcome.written += static_cast<long>(request.tables[i].rows.size());
    }
    transaction.Commit();
    return outcome;
}

}  // namespace members

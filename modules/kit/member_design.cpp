#include "kit/member_design.h"

#include <map>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"

namespace modulekit {

std::string NumberText(double value) { return text::Format("%.12g", value); }

namespace {

const std::string& KeyField(const projectdb::TableSchema& schema) { return schema.fields.front().name; }

// The first stored record of every key, as texts by field name.
std::map<std::string, std::map<std::string, std::string>> StoredRecords(dao::Database& db,
                                                                        const projectdb::TableSchema& schema) {
    std::map<std::string, std::map<std::string, std::string>> stored;
    if (!db.HasTableDef(schema.name)) return stored;
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(schema.name), dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string key = CellText(rs.GetFieldValue(KeyField(schema)));
        if (stored.count(key)) continue;
        auto& texts = stored[key];
        for (const auto& field : schema.fields)
            if (rs.FieldIndex(field.name) >= 0) texts[field.name] = CellText(rs.GetFieldValue(field.name));
    }
    return stored;
}

// A default as the user would type it: a computed size without the digits a double adds (16 − 0.04 shows
// as 15.96).
std::string DefaultText(const dao::Value& value) {
    if (value.type() == dao::VT_R8 || value.type() == dao::VT_R4) return NumberText(value.toDouble());
    return CellText(value);
}

}  // namespace



ui::ProposedTable Propose(dao::Database& db, const TableProposal& proposal) {
    const projectdb::TableSchema& schema = proposal.schema;
    ui::ProposedTable table;
    table.table = schema.name;
    for (const auto& field : schema.fields) {
        table.fields.push_back(field.name);
        table.captions.push_back(
            projectdb::CaptionWithUnit(field.gridCaption.empty() ? field.name : field.gridCaption, field.unit));
    }
    table.keyFields = {KeyField(schema)};
    table.rowsFixed = true;
    auto stored = StoredRecords(db, schema);
    for (const Record& record : proposal.defaults) {
        std::map<std::string, std::string> texts;
        for (const auto& [name, value] : record) texts[name] = DefaultText(value);
        auto existing = stored.find(texts[KeyField(schema)]);
        if (existing != stored.end())
            for (const auto& [name, text] : existing->second) texts[name] = text;
        std::vector<std::string> row;
        for (const auto& field : schema.fields) row.push_back(texts[field.name]);
        table.rows.push_back(std::move(row));
    }
    return table;
}

DesignOutcome ProposeAndWrite(dao::Database& db, const std::string& title, const std::string& note,
                              const std::vector<TableProposal>& proposals, ui::PlotMaker plots,
                              const RowsCheck& check, const RowsDerive& derive,
                              const std::function<void(dao::Database&)>& alsoWrite) {
    ui::EditRequest request;
    request.title = title;
    request.note = note;
    request.plots = std::move(plots);
    std::vector<SheetSpec> specs;
    for (const auto& proposal : proposals) {
        request.tables.push_back(Propose(db, proposal));
        specs.push_back({&proposal.schema, {KeyField(proposal.schema)}, "", true, true});
    }
    if (derive) derive(request.tables);
    DesignOutcome outcome;
    if (!EditAndWrite(db, request, specs, derive, check, alsoWrite)) return outcome;
    outcome.accepted = true;
    for (const auto& table : request.tables) outcome.written += static_cast<long>(table.rows.size());
    return outcome;
}

}  // namespace modulekit

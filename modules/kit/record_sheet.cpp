#include "kit/record_sheet.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace modulekit {
namespace {

bool IsNumberType(short type) {
    switch (type) {
        case dao::dbByte:
        case dao::dbInteger:
        case dao::dbLong:
        case dao::dbCurrency:
        case dao::dbSingle:
        case dao::dbDouble: return true;
        default: return false;
    }
}

bool IsWholeNumberType(short type) { return type == dao::dbByte || type == dao::dbInteger || type == dao::dbLong; }

bool IsBlank(const std::string& cell) { return cell.find_first_not_of(" \t") == std::string::npos; }

bool IsBlankRow(const std::vector<std::string>& row) { return std::all_of(row.begin(), row.end(), IsBlank); }

const dao::FieldInfo* FindField(const std::vector<dao::FieldInfo>& fields, const std::string& name) {
    for (const auto& f : fields)
        if (f.m_strName == name) return &f;
    return nullptr;
}

// The caption the editor shows over a field, with the field's unit.
std::string CaptionOf(const projectdb::TableSchema& schema, const std::string& field) {
    const projectdb::FieldDef* def = schema.field(field);
    if (!def) return field;
    const std::string& caption = !def->gridCaption.empty()   ? def->gridCaption
                                 : !def->formCaption.empty() ? def->formCaption
                                                             : field;
    return projectdb::CaptionWithUnit(caption, def->unit);
}

// The value a cell is written as; the cell has passed CheckSheet.
dao::Value ValueOf(const std::string& cell, const dao::FieldInfo& field) {
    if (IsBlank(cell)) return dao::Value::Null();
    double number = 0;
    if (IsNumberType(field.m_nType) && text::ParseWholeNumber(cell, number))
        return IsWholeNumberType(field.m_nType) ? dao::Value::Long(static_cast<std::int32_t>(number))
                                                : dao::Value::Double(number);
    return dao::Value::Text(cell);
}

// Rows in ascending order of a numeric field; rows without a number there keep their place at the end.
std::vector<std::vector<std::string>> SortedRows(const ui::ProposedTable& sheet, const std::string& field) {
    std::vector<std::vector<std::string>> rows = sheet.rows;
    if (field.empty()) return rows;
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    auto key = [&](std::size_t i) { return CellNumber(sheet, i, field); };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        auto ka = key(a), kb = key(b);
        if (!ka || !kb) return ka.has_value() && !kb.has_value();
        return *ka < *kb;
    });
    std::vector<std::vector<std::string>> sorted;
    for (std::size_t i : order) sorted.push_back(rows[i]);
    return sorted;
}

// An older table gets the fields of the schema it lacks, so that every value of a keyed row has its place.
void EnsureFields(dao::Database& db, const projectdb::TableSchema& schema) {
    if (!db.HasTableDef(schema.name)) {
        projectdb::EnsureTable(db, schema);
        return;
    }
    const std::vector<dao::FieldInfo> present = db.GetTableDef(schema.name).fields;
    for (const auto& field : schema.ToTableDef().fields)
        if (!FindField(present, field.m_strName)) db.AppendField(schema.name, field);
}

// Removes the records the rows replace: all of them, or for a keyed sheet those under the rows' keys.
void DeleteReplaced(dao::Database& db, const SheetSpec& spec, const ui::ProposedTable& sheet,
                    const std::vector<dao::FieldInfo>& fields) {
    const std::string table = dao::QuoteIdentifier(spec.schema->name);
    if (!spec.keyed) {
        db.Execute("Delete From " + table);
        return;
    }
    const dao::FieldInfo* key = sheet.fields.empty() ? nullptr : FindField(fields, sheet.fields.front());
    if (!key) return;
    for (const auto& row : sheet.rows) {
        if (IsBlankRow(row)) continue;
        const dao::Value value = ValueOf(row.front(), *key);
        const std::string literal =
            value.isText() ? dao::QuoteLiteral(value.text()) : value.isNull() ? "Null" : CellText(value);
        db.Execute("Delete From " + table + " Where " + dao::QuoteIdentifier(key->m_strName) +
                   (value.isNull() ? " Is Null" : " = " + literal));
    }
}

void ReplaceRows(dao::Database& db, const SheetSpec& spec, const ui::ProposedTable& sheet) {
    const projectdb::TableSchema& schema = *spec.schema;
    if (spec.keyed)
        EnsureFields(db, schema);
    else
        projectdb::EnsureTable(db, schema);
    std::vector<dao::FieldInfo> fields = db.GetTableDef(schema.name).fields;
    DeleteReplaced(db, spec, sheet, fields);
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(schema.name));
    for (const auto& row : SortedRows(sheet, spec.sortBy)) {
        if (IsBlankRow(row)) continue;
        rs.AddNew();
        for (std::size_t c = 0; c < sheet.fields.size() && c < row.size(); ++c)
            if (const dao::FieldInfo* field = FindField(fields, sheet.fields[c]))
                rs.SetFieldValue(field->m_strName, ValueOf(row[c], *field));
        rs.Update();
    }
    rs.Close();
}

std::string CheckAll(const ui::EditRequest& request, const std::vector<std::vector<dao::FieldInfo>>& fields,
                     const std::vector<SheetSpec>& specs, const RowsCheck& check) {
    for (std::size_t t = 0; t < request.tables.size() && t < specs.size(); ++t) {
        std::string problem = CheckSheet(request.tables[t], fields[t], specs[t].required);
        if (!problem.empty()) return problem;
    }
    return check ? check(request.tables) : std::string();
}

// The fields a sheet's cells are checked against: a keyed sheet is written with every field of its schema
// (an older table gets the missing ones), so those count as well as the table's.
std::vector<dao::FieldInfo> CheckedFields(dao::Database& db, const SheetSpec& spec) {
    std::vector<dao::FieldInfo> fields = SheetFields(db, *spec.schema);
    if (spec.keyed)
        for (const auto& field : spec.schema->ToTableDef().fields)
            if (!FindField(fields, field.m_strName)) fields.push_back(field);
    return fields;
}

}  // namespace

std::string CellText(const dao::Value& value) {
    if (value.isNull()) return {};
    switch (value.type()) {
        case dao::VT_R4:
        case dao::VT_R8: {
            // The fewest digits that read back as the same double, written out as users write numbers;
            // only numbers no stake or size reaches get an exponent.
            const double v = value.toDouble();
            const double size = std::fabs(v);
            const bool plain = size == 0 || (size >= 1e-6 && size < 1e15);
            char text[400];
            auto end = plain ? std::to_chars(text, text + sizeof text, v, std::chars_format::fixed).ptr
                             : std::to_chars(text, text + sizeof text, v).ptr;
            return std::string(text, end);
        }
        case dao::VT_I2:
        case dao::VT_I4:
        case dao::VT_UI1:
        case dao::VT_BOOL: return std::to_string(value.integer());
        default: return value.toString();
    }
}

std::vector<dao::FieldInfo> SheetFields(dao::Database& db, const projectdb::TableSchema& schema) {
    if (db.HasTableDef(schema.name)) return db.GetTableDef(schema.name).fields;
    return schema.ToTableDef().fields;
}

ui::ProposedTable ReadSheet(dao::Database& db, const projectdb::TableSchema& schema) {
    ui::ProposedTable sheet;
    sheet.table = schema.name;
    for (const auto& field : SheetFields(db, schema)) {
        sheet.fields.push_back(field.m_strName);
        sheet.captions.push_back(CaptionOf(schema, field.m_strName));
    }
    if (!db.HasTableDef(schema.name)) return sheet;
    dao::Recordset rs(db);
    rs.Open("Select * From " + dao::QuoteIdentifier(schema.name), dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (int i = 0; i < rs.GetFieldCount(); ++i) row.push_back(CellText(rs.GetFieldValue(i)));
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

std::string CheckSheet(const ui::ProposedTable& sheet, const std::vector<dao::FieldInfo>& fields,
                       const std::vector<std::string>& required) {
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const auto& row = sheet.rows[r];
        if (IsBlankRow(row)) continue;
        for (std::size_t c = 0; c < sheet.fields.size(); ++c) {
            const std::string cell = c < row.size() ? row[c] : std::string();
            const std::string caption = c < sheet.captions.size() ? sheet.captions[c] : sheet.fields[c];
            const std::string where = text::Format("“%s”第%zu行的“%s”", sheet.table.c_str(), r + 1, caption.c_str());
            if (IsBlank(cell)) {
                if (std::find(required.begin(), required.end(), sheet.fields[c]) != required.end())
                    return where + "不能为空。";
                continue;
            }
            const dao::FieldInfo* field = FindField(fields, sheet.fields[c]);
            if (!field || !IsNumberType(field->m_nType)) continue;
            double number = 0;
            if (!text::ParseWholeNumber(cell, number)) return where + "“" + cell + "”不是数值。";
            if (IsWholeNumberType(field->m_nType) && (number != std::floor(number) || std::fabs(number) > 2147483647.0))
                return where + "“" + cell + "”不是整数。";
        }
    }
    return {};
}

bool EditAndWrite(dao::Database& db, ui::EditRequest& request, const std::vector<SheetSpec>& specs,
                  const std::function<void(std::vector<ui::ProposedTable>&)>& complete, const RowsCheck& check,
                  const std::function<void(dao::Database&)>& alsoWrite) {
    std::vector<std::vector<dao::FieldInfo>> fields;
    for (const auto& spec : specs) fields.push_back(CheckedFields(db, spec));
    for (;;) {
        const std::vector<ui::ProposedTable> before = request.tables;
        if (!ModuleEditor().edit(request)) return false;
        std::string problem = CheckAll(request, fields, specs, check);
        if (problem.empty()) break;
        ModulePrompter().message(problem, ui::Buttons::Ok, ui::Icon::Exclamation);
        bool unchanged = true;
        for (std::size_t t = 0; t < before.size() && unchanged; ++t)
            unchanged = before[t].rows == request.tables[t].rows;
        if (unchanged) return false;
    }
    if (complete) complete(request.tables);
    dao::Transaction transaction(db);
    for (std::size_t t = 0; t < specs.size(); ++t) ReplaceRows(db, specs[t], request.tables[t]);
    if (alsoWrite) alsoWrite(db);
    transaction.Commit();
    return true;
}

void AppendRecords(ui::ProposedTable& sheet, const std::vector<Record>& records) {
    for (const Record& record : records) {
        std::vector<std::string> row(sheet.fields.size());
        for (const auto& [field, value] : record) {
            auto column = std::find(sheet.fields.begin(), sheet.fields.end(), field);
            if (column != sheet.fields.end()) row[column - sheet.fields.begin()] = CellText(value);
        }
        sheet.rows.push_back(std::move(row));
    }
}

bool EditTable(dao::Database& db, const SheetSpec& spec, const std::string& title, const std::string& note,
               const std::vector<Record>& defaults) {
    ui::EditRequest request;
    request.title = title;
    request.note = note;
    request.tables.push_back(ReadSheet(db, *spec.schema));
    if (request.tables[0].rows.empty()) AppendRecords(request.tables[0], defaults);
    return EditAndWrite(db, request, {spec});
}

std::optional<double> CellNumber(const ui::ProposedTable& sheet, std::size_t row, const std::string& field) {
    auto column = std::find(sheet.fields.begin(), sheet.fields.end(), field);
    if (column == sheet.fields.end() || row >= sheet.rows.size()) return std::nullopt;
    std::size_t c = static_cast<std::size_t>(column - sheet.fields.begin());
    if (c >= sheet.rows[row].size()) return std::nullopt;
    return CellNumber(sheet.rows[row][c]);
}

std::optional<double> CellNumber(const std::string& cell) {
    double number = 0;
    if (IsBlank(cell) || !text::ParseWholeNumber(cell, number)) return std::nullopt;
    return number;
}

}  // namespace modulekit

// Lookups over the schema tables and the creation of tables from them.
#include "projectdb/schema.h"

namespace projectdb {

const FieldDef* TableSchema::field(std::string_view fieldName) const {
    for (const FieldDef& f : fields)
        if (f.name == fieldName) return &f;
    return nullptr;
}

dao::TableDef TableSchema::ToTableDef() const {
    dao::TableDef def;
    def.m_strName = name;
    for (const FieldDef& f : fields) {
        dao::FieldInfo info;
        info.m_strName = f.name;
        info.m_nType = f.type;
        info.m_lSize = f.size;
        info.m_lAttributes = f.type == dao::dbText ? dao::dbVariableField : dao::dbFixedField;
        def.fields.push_back(std::move(info));
    }
    return def;
}

bool IsDrawingStateTable(std::string_view table) {
    return table.find(kDrawingStateSuffix) != std::string_view::npos;
}

const TableSchema* FindTableSchema(std::string_view table) {
    for (const auto* list : {&CentralTables(), &RouteTables(), &MemberTables()})
        for (const TableSchema& t : *list)
            if (t.name == table) return &t;
    return nullptr;
}

std::vector<std::string> GridCaptions(std::string_view table) {
    std::vector<std::string> captions;
    if (IsDrawingStateTable(table)) {
        for (const FieldDef& f : DrawingStateTableSchema("").fields) captions.push_back(f.gridCaption);
        return captions;
    }
    const TableSchema* schema = FindTableSchema(table);
    if (!schema) return captions;
    // The list ends before the first field that has no caption, so that later columns show field names.
    for (const FieldDef& f : schema->fields) {
        if (f.gridCaption.empty()) break;
        captions.push_back(f.gridCaption);
    }
    return captions;
}

std::string FieldUnit(std::string_view table, std::string_view field) {
    if (IsDrawingStateTable(table)) return {};
    const TableSchema* schema = FindTableSchema(table);
    const FieldDef* def = schema ? schema->field(field) : nullptr;
    return def ? def->unit : std::string();
}

std::string CaptionWithUnit(const std::string& caption, std::string_view unit) {
    if (unit.empty()) return caption;
    const std::string suffix = "(" + std::string(unit) + ")";
    if (caption.size() >= suffix.size() && caption.compare(caption.size() - suffix.size(), suffix.size(), suffix) == 0)
        return caption;
    return caption + suffix;
}

void RecreateCentralTable(dao::Database& db, const TableSchema& table) {
    dao::Transaction trans(db);
    try {
        db.DeleteTableDef(table.name);
    } catch (const dao::DaoException& e) {
        if (e.m_lErrorCode != dao::kErrItemNotFound) throw;
    }
    db.CreateTableDef(table.ToTableDef());
    trans.Commit();
}

void EnsureTable(dao::Database& db, const TableSchema& table) {
    if (db.HasTableDef(table.name)) return;
    dao::Transaction trans(db);
    db.CreateTableDef(table.ToTableDef());
    trans.Commit();
}

}  // namespace projectdb

#include "drawing/drawing_kinds.h"

#include <algorithm>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/schema.h"

namespace drawing {

const std::string& KindName(DrawingKind kind) { return projectdb::DrawingTypes().at(static_cast<size_t>(kind)); }

std::optional<DrawingKind> KindFromName(const std::string& name) {
    const auto& names = projectdb::DrawingTypes();
    auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) return std::nullopt;
    return static_cast<DrawingKind>(it - names.begin());
}

std::optional<DrawingKind> KindAt(int position) {
    if (position < 0 || position >= kDrawingKindCount) return std::nullopt;
    return static_cast<DrawingKind>(position);
}

std::vector<DrawingRecord> ReadDrawingRecords(dao::Database& db) {
    dao::Recordset rs(db);
    rs.Open(dao::SelectAllFrom(projectdb::kDrawingLayoutTable), dao::dbOpenForwardOnly);
    std::vector<DrawingRecord> records;
    for (; !rs.IsEOF(); rs.MoveNext())
        records.push_back({rs.GetFieldValue("DrawingName").toString(), rs.GetFieldValue("FileName").toString(),
                           rs.GetFieldValue("DrawingType").toString()});
    return records;
}

std::vector<DrawingRecord> RecordsOfKind(const std::vector<DrawingRecord>& records, DrawingKind kind) {
    auto listed = [kind](const std::string& stored) {
        if (!IsRebarDrawing(kind)) return stored == KindName(kind);
        for (DrawingKind other : {DrawingKind::BridgeLayout, DrawingKind::SuperGeneral, DrawingKind::SubGeneral})
            if (stored == KindName(other)) return false;
        return true;
    };
    std::vector<DrawingRecord> out;
    for (const auto& r : records)
        if (listed(r.kind)) out.push_back(r);
    return out;
}

std::vector<std::string> TitlesOf(const std::vector<DrawingRecord>& records) {
    std::vector<std::string> titles;
    for (const auto& r : records) titles.push_back(r.title);
    return titles;
}

std::optional<DrawingRecord> FindRecord(const std::vector<DrawingRecord>& records, const std::string& title) {
    for (const auto& r : records)
        if (r.title == title) return r;
    return std::nullopt;
}

}  // namespace drawing

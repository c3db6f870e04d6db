#include "drawing/drawing_layout.h"

#include <functional>
#include <map>
#include <unordered_map>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "projectdb/drawing_file_name.h"
#include "projectdb/record_access.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"
#include "projectdb/wizard_texts.h"
#include "projectdb/wizard_writer.h"

namespace drawing {

namespace {

using projectdb::SubstructureCandidate;
using projectdb::SuperstructureCandidate;

void AppendNumber(std::string& list, const std::string& number) { list += (list.empty() ? "" : ",") + number; }

// A grid cell's text: numbers as the grids show them (100, 0.5), texts as stored, nothing for null.
std::string CellText(const dao::Value& v) {
    if (v.isNull()) return {};
    if (v.isText()) return v.text();
    return projectdb::VariantToText(v);
}

// Calls `read` on each record of `table` as stored. A candidate list offers what was read before an error, and
// nothing when the project has no such table.
void ForEachRecord(dao::Database& db, const char* table, const std::function<void(dao::Recordset&)>& read) {
    try {
        if (!db.HasTableDef(table)) return;
        dao::Recordset rs(db);
        rs.Open(dao::SelectAllFrom(table), dao::dbOpenForwardOnly);
        for (; !rs.IsEOF(); rs.MoveNext()) read(rs);
    } catch (const dao::DaoException&) {
    }
}

}  // namespace

std::vector<SuperstructureCandidate> MergeSpans(const std::vector<SpanEntry>& spans) {
    std::vector<SuperstructureCandidate> out;
    std::map<std::pair<std::string, std::string>, size_t> first;  // (type, printed length) -> entry
    for (size_t k = 0; k < spans.size(); ++k) {
        const SpanEntry& span = spans[k];
        if (span.type.empty()) continue;
        std::string number = std::to_string(k + 1), length = text::FormatFixed(span.length, 1);
        if (span.type.find("箱梁") == std::string::npos) {
            auto [it, added] = first.try_emplace({span.type, length}, out.size());
            if (!added) {
                AppendNumber(out[it->second].spans, number);
                continue;
            }
        }
        out.push_back({span.type, number, length});
    }
    return out;
}

std::vector<SubstructureCandidate> MergeSupports(const std::vector<SupportEntry>& supports) {
    std::vector<SubstructureCandidate> out;
    std::unordered_map<std::string, size_t> first;
    for (const SupportEntry& s : supports) {
        auto [it, added] = first.try_emplace(s.types, out.size());
        if (added)
            out.push_back({s.types, s.number});
        else
            AppendNumber(out[it->second].supports, s.number);
    }
    return out;
}

std::vector<SuperstructureCandidate> ReadSuperstructureCandidates(dao::Database& db) {
    std::vector<SpanEntry> spans;
    ForEachRecord(db, projectdb::kSuperSpanTable, [&](dao::Recordset& rs) {
        spans.push_back({rs.GetFieldValue("StructureType").toString(), rs.GetFieldValue("SpanLength").toDouble()});
    });
    return MergeSpans(spans);
}

std::vector<SubstructureCandidate> ReadSubstructureCandidates(dao::Database& db) {
    std::vector<SupportEntry> supports;
    ForEachRecord(db, projectdb::kSubLayoutTable, [&](dao::Recordset& rs) {
        std::string types;
        const char* separator = "";
        for (const char* f : {"BentCapType", "BodyType", "ConnectType", "FoundationType"}) {
            types += separator + rs.GetFieldValue(f).toString();
            separator = ",";
        }
        supports.push_back({projectdb::VariantToText(rs.GetFieldValue("PierAbutNum")), types});
    });
    return MergeSupports(supports);
}

std::vector<std::string> BridgeLayoutRow() {
    return {projectdb::kBridgeLayoutDrawing,
            "Draw1",
            projectdb::kBridgeLayoutDrawing,
            "A3",
            "100",
            "100",
            "图标1",
            "不绘制"};
}

std::vector<std::vector<std::string>> ReadDrawingRows(dao::Database& db) {
    std::vector<std::vector<std::string>> rows;
    try {
        if (db.HasTableDef(projectdb::kDrawingLayoutTable)) {
            dao::Recordset rs(db);
            rs.Open(dao::SelectAllFrom(projectdb::kDrawingLayoutTable), dao::dbOpenForwardOnly);
            const auto& fields = projectdb::FindTableSchema(projectdb::kDrawingLayoutTable)->fields;
            for (; !rs.IsEOF(); rs.MoveNext()) {
                std::vector<std::string> row;
                for (int c = 0; c < projectdb::drawing_col::kCount; ++c)
                    row.push_back(CellText(rs.GetFieldValue(fields[c].name)));
                rows.push_back(std::move(row));
            }
        }
    } catch (const dao::DaoException&) {
        // The records read before the error stay; a list that could not be read at all starts afresh.
    }
    if (rows.empty()) rows.push_back(BridgeLayoutRow());
    return rows;
}

std::optional<std::string> DrawingRowsProblem(const projectdb::TextSheet& rows) {
    for (int r = 0; r < rows.rows(); ++r)
        if (auto problem = projectdb::DrawingFileNameProblem(rows.cell(r, projectdb::drawing_col::kFile)))
            return "绘图信息第" + std::to_string(r + 1) + "行：" + *problem;
    return std::nullopt;
}

projectdb::DrawingPage LoadDrawingLayout(dao::Database& db) {
    projectdb::DrawingPage page;
    // On an open project the list is the user's own: clearing empties it, and every entry asked for is added.
    page.SetClearKeepsBridgeLayout(false);
    page.SetAddSkipsListed(false);
    page.SetCandidates(ReadSuperstructureCandidates(db), ReadSubstructureCandidates(db));
    page.SetRows(ReadDrawingRows(db));
    return page;
}

bool SaveDrawingLayout(dao::Database& db, const projectdb::DrawingPage& page, ui::Prompter& prompt) {
    if (auto problem = DrawingRowsProblem(page.drawings())) {
        prompt.message(*problem, ui::Buttons::Ok, ui::Icon::Exclamation);
        return false;
    }
    try {
        projectdb::WriteDrawingLayout(db, page.drawings());
        return true;
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return false;
    }
}

}  // namespace drawing

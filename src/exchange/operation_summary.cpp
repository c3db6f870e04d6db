#include "exchange/operation_summary.h"

#include "exchange/ifc_export.h"
#include "exchange/landxml_import.h"
#include "exchange/route_import.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace exchange {
namespace {

// "地形资料表 15 条、平曲线资料表 2 条" from (table, records) pairs.
std::string CountList(const std::vector<std::pair<std::string, long>>& counts) {
    std::string list;
    for (const auto& [table, records] : counts)
        list += (list.empty() ? "" : "、") + table + " " + std::to_string(records) + " 条";
    return list;
}

long RecordCount(dao::Database& db, const std::string& table) {
    try {
        dao::Recordset rs(db);
        rs.Open("Select Count(*) From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
        return rs.IsEOF() ? 0 : rs.GetFieldValue(0).toLong();
    } catch (const dao::DaoException&) {
        return 0;  // a table the import left unreadable adds nothing to the count
    }
}

}  // namespace

std::string RouteImportSummary(const RouteImportResult& result, const std::string& routeFile) {
    std::vector<std::pair<std::string, long>> counts;
    const std::pair<const char*, const SectionResult*> sections[] = {
        {projectdb::kGroundLineTable, &result.groundLine},
        {projectdb::kHorizontalCurveTable, &result.horizontal},
        {projectdb::kVerticalCurveTable, &result.vertical},
        {projectdb::kRoadDesignTable, &result.deck},
    };
    for (auto [table, section] : sections)
        if (section->outcome != SectionOutcome::NotRun) counts.emplace_back(table, section->written);
    const std::string from = "已从 " + projectdb::FileNameOf(routeFile) + " 导入路线资料";
    return counts.empty() ? from + "：未写入任何表。" : from + "：" + CountList(counts) + "记录。";
}

std::string LandXmlImportSummary(const LandXmlImportResult& result, const std::string& file) {
    std::vector<std::pair<std::string, long>> counts = {{projectdb::kHorizontalCurveTable, result.planRecords}};
    if (result.profileRecords >= 0) counts.emplace_back(projectdb::kVerticalCurveTable, result.profileRecords);
    if (result.slopeRecords >= 0) counts.emplace_back(projectdb::kDeckSlopeTable, result.slopeRecords);
    return "已从 " + projectdb::FileNameOf(file) + " 导入路线“" + result.alignment + "”：" + CountList(counts) +
           "记录。";
}

std::string ProjectImportSummary(dao::Database& db, const std::vector<std::string>& tables,
                                 const std::string& source) {
    long records = 0;
    std::string names;
    for (const auto& table : tables) {
        records += RecordCount(db, table);
        names += (names.empty() ? "" : "、") + table;
    }
    std::string line = "已从 " + projectdb::FileNameOf(source) + " 导入 " + std::to_string(tables.size()) + " 个表";
    return tables.empty() ? line + "。" : line + "，共 " + std::to_string(records) + " 条记录：" + names + "。";
}

std::string InterfaceWrittenSummary(InterfaceFile file, const std::string& path) {
    return text::Format(file == InterfaceFile::Arvo3d ? kArvo3dWritten : kKelsaWritten, path);
}

std::string LandXmlWrittenSummary(const std::string& path) { return text::Format(kLandXmlWritten, path); }

std::string IfcWrittenSummary(const std::string& path) { return text::Format(kIfcWritten, path); }

}  // namespace exchange

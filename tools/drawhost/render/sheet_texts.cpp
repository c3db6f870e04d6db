#include "sheet_texts.h"

#include <cmath>

#include "bridge/table_rows.h"
#include "platform/text/cformat.h"
#include "project_table.h"
#include "projectdb/schema.h"

namespace drawhost {

SheetTexts ReadSheetTexts(dao::Database& db) {
    SheetTexts t;
    std::vector<bridge::Finding> findings;
    const bridge::TableRows rows(db, projectdb::kGeneralInfoTable, findings);
    StopAtFinding(findings);
    if (rows.empty()) return t;
    t.dept = rows.Text(0, "DeptName");
    t.project = rows.Text(0, "ProjectName");
    t.bridge = rows.Text(0, "BridgeName");
    if (!rows.Text(0, "LineMark").empty()) t.lineMark = rows.Text(0, "LineMark");
    t.forwardSite = rows.Text(0, "ForwardSite");
    t.backwardSite = rows.Text(0, "BackwardSite");
    return t;
}

std::string StakeText(const std::string& lineMark, double stake) {
    const double rounded = std::round(stake * 1000) / 1000;
    const double km = std::floor(rounded / 1000);
    return text::Format("%s%.0f+%07.3f", lineMark.c_str(), km, rounded - km * 1000);
}

}  // namespace drawhost

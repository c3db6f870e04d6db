#include "sheet_texts.h"

#include <cmath>

#include "platform/text/cformat.h"
#include "projectdb/schema.h"
#include "table_rows.h"

namespace drawhost {

SheetTexts ReadSheetTexts(dao::Database& db) {
    SheetTexts t;
    auto rows = ReadTableRows(db, projectdb::kGeneralInfoTable);
    if (!rows || rows->empty()) return t;
    const TableRow& r = rows->front();
    t.dept = r.Text("DeptName");
    t.project = r.Text("ProjectName");
    t.bridge = r.Text("BridgeName");
    if (!r.Text("LineMark").empty()) t.lineMark = r.Text("LineMark");
    t.forwardSite = r.Text("ForwardSite");
    t.backwardSite = r.Text("BackwardSite");
    return t;
}

std::string StakeText(const std::string& lineMark, double stake) {
    const double rounded = std::round(stake * 1000) / 1000;
    const double km = std::floor(rounded / 1000);
    return text::Format("%s%.0f+%07.3f", lineMark.c_str(), km, rounded - km * 1000);
}

}  // namespace drawhost

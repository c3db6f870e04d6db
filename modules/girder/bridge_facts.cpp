#include "girder/bridge_facts.h"

#include <algorithm>
#include <map>

#include "platform/dao/recordset.h"
#include "projectdb/schema.h"

namespace members {

DeckWidth ReadDeckWidth(dao::Database& db) {
    dao::Recordset rs(db);
    rs.Open("Select * From [一般信息表]");
    DeckWidth width;
    if (rs.IsEOF()) return width;
    const std::string transect = rs.GetFieldValue("TransectType").toString();
    const double left = rs.GetFieldValue("LeftBridgeWidth").toDouble();
    const double right = rs.GetFieldValue("RightBridgeWidth").toDouble();
    double metres = 0;
    if (transect == "整体式") {
        metres = rs.GetFieldValue("BridgeWidth").toDouble();
        if (metres <= 0 && left + right > 0) metres = left + right + rs.GetFieldValue("DividerWidth").toDouble();
    } else {
        metres = rs.GetFieldValue("LeftOrRight").toString() == "右半桥" ? right : left;
    }
    if (metres > 0) width = {metres, false};
    return width;
}

double SkewOf(double crossingAngle) { return 90.0 - crossingAngle; }

namespace {

std::map<long, double> SupportAngles(dao::Database& db) {
    std::map<long, double> angles;
    dao::Recordset rs(db);
    rs.Open("Select PierAbutNum, PierAbutAngle From [下构布置信息表]", dao::dbOpenForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext()) angles.emplace(rs.GetFieldValue(0).toLong(), rs.GetFieldValue(1).toDouble());
    return angles;
}

// First and last span of every section, numbered through the sections in SectNumber order.
std::vector<std::pair<long, long>> SectionBounds(dao::Database& db) {
    std::vector<std::pair<long, long>> bounds;
    dao::Recordset rs(db);
    rs.Open("Select SpansInSect From [上构布置信息表] Order By 上构布置信息表.SectNumber", dao::dbOpenForwardOnly);
    long first = 1;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        long spans = rs.GetFieldValue(0).toLong();
        if (spans <= 0) continue;
        bounds.emplace_back(first, first + spans - 1);
        first += spans;
    }
    return bounds;
}

}  // namespace

std::vector<SpanFacts> ReadSpans(dao::Database& db, const std::string& structureType) {
    std::vector<SpanFacts> spans;
    {
        dao::Recordset rs(db);
        rs.Open("Select SpanNumber, StructureType, SpanLength From [上构布置明细表]", dao::dbOpenForwardOnly);
        for (; !rs.IsEOF(); rs.MoveNext()) {
            if (rs.GetFieldValue(1).toString() != structureType) continue;
            SpanFacts span;
            span.number = rs.GetFieldValue(0).toLong();
            span.length = rs.GetFieldValue(2).toDouble();
            spans.push_back(span);
        }
    }
    if (spans.empty()) return spans;
    std::stable_sort(spans.begin(), spans.end(), [](const auto& a, const auto& b) { return a.number < b.number; });
    const std::map<long, double> angles = SupportAngles(db);
    const auto bounds = SectionBounds(db);
    for (auto& span : spans) {
        if (auto it = angles.find(span.number - 1); it != angles.end()) span.startAngle = it->second;
        if (auto it = angles.find(span.number); it != angles.end()) span.endAngle = it->second;
        for (const auto& [first, last] : bounds)
            if (span.number >= first && span.number <= last) {
                span.firstOfSection = span.number == first;
                span.lastOfSection = span.number == last;
            }
    }
    return spans;
}

}  // namespace members

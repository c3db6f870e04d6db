#include <algorithm>
#include <map>
#include <memory>

#include "bridge/model_readers.h"
#include "bridge/standard_sizes.h"
#include "bridge/table_rows.h"
#include "platform/text/cformat.h"
#include "projectdb/precast_tables.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// Member tables read at their first use, each once.
class Tables {
public:
    Tables(dao::Database& db, std::vector<Finding>& findings) : db_(db), findings_(findings) {}
    const TableRows& operator[](const std::string& name) {
        auto& slot = tables_[name];
        if (!slot) slot = std::make_unique<TableRows>(db_, name, findings_);
        return *slot;
    }

private:
    dao::Database& db_;
    std::vector<Finding>& findings_;
    std::map<std::string, std::unique_ptr<TableRows>> tables_;
};

bool FromPrecast(Tables& tables, const projectdb::PrecastTables& k, const Span& span, Superstructure& s) {
    const TableRows& layout = tables[k.layoutTable];
    const int row = layout.Find(k.spanField, span.index + 1);
    if (row < 0) return false;
    s.beamCount = static_cast<int>(layout.Number(row, k.countField));
    s.beamSpacing = layout.Number(row, "TransverseDist");
    const TableRows& sizes = tables[k.innerTable];
    const int member = sizes.FindText(k.typeField, layout.Text(row, k.innerTypeField));
    if (member < 0) return false;
    s.depth = s.startDepth = s.endDepth = sizes.Number(member, k.depthField);
    s.bearingDistance = kJointHalfGap + sizes.Number(member, "DistToBearing");
    if (k.layoutTable == projectdb::kHollowSlabTables.layoutTable)
        s.voids = static_cast<int>(sizes.Number(member, "CavityNum"));
    s.table = k.innerTable;
    s.record = sizes.Record(member);
    return s.depth > 0;
}

const char* BoxTable(const std::string& type) {
    if (type == "简支等截面箱梁桥") return projectdb::kSimpleConstBoxTable;
    if (type == "简支变截面箱梁桥") return projectdb::kSimpleVarBoxTable;
    if (type == "连续等截面箱梁桥") return projectdb::kContConstBoxTable;
    if (type == "连续变截面箱梁桥") return projectdb::kContVarBoxTable;
    return nullptr;
}

bool FromBox(Tables& tables, const Span& span, Superstructure& s) {
    const char* name = BoxTable(span.structureType);
    if (!name) return false;
    const TableRows& t = tables[name];
    const int row = t.Find("InWhichSpan", span.index + 1);
    if (row < 0) return false;
    if (t.HasField("BoxHeight")) {
        s.depth = s.startDepth = s.endDepth = t.Number(row, "BoxHeight");
    } else if (t.HasField("BoxEndHeight")) {
        s.depth = t.Number(row, "BoxCenterHeight");
        s.startDepth = s.endDepth = t.Number(row, "BoxEndHeight");
    } else {
        s.depth = t.Number(row, "BoxCenterHeight");
        s.startDepth = t.Number(row, "BoxEndHeightL");
        s.endDepth = t.Number(row, "BoxEndHeightR");
    }
    s.bearingDistance = kJointHalfGap + t.Number(row, "DistToBearing");
    const std::string transect = t.Text(row, "TransectType");
    s.boxCells = 1;
    if (transect != "单箱单室") {
        const TableRows& section = tables[transect + "箱梁横断面信息表"];
        if (!section.empty()) s.boxCells = std::max(1, static_cast<int>(section.Number(0, "BoxNumber", 1)));
    }
    s.table = name;
    s.record = t.Record(row);
    return s.depth > 0;
}

void Propose(const Span& span, double deckWidth, double unitSpan, Superstructure& s) {
    const std::string& t = span.structureType;
    // A continuous girder keeps one depth through its unit, set by its longest span.
    const double governing = IsContinuousType(t) ? unitSpan : span.length;
    s.depth = StandardDepth(t, governing);
    s.startDepth = s.endDepth = StandardSupportDepth(t, governing);
    s.bearingDistance = StandardBearingDistance(t, span.length);
    s.beamSpacing = StandardBeamSpacing(t, span.length);
    s.beamCount = StandardBeamCount(t, span.length, deckWidth);
    s.boxCells = IsBox(t) ? StandardBoxCells(deckWidth) : 0;
    s.voids = t.find("空心板") != std::string::npos ? 1 : 0;
    s.proposed = true;
    s.table.clear();
    s.record = -1;
}

}  // namespace

void ReadSuperstructure(dao::Database& db, Bridge& b) {
    Tables tables(db, b.findings);
    const Deck* deck = b.DesignedDeck();
    const double width = deck ? deck->width : 0;
    std::vector<double> unitSpan(b.spans.size(), 0);
    for (const Unit& u : b.units) {
        double longest = 0;
        for (int i : u.spans) longest = std::max(longest, b.spans[i].length);
        for (int i : u.spans) unitSpan[i] = longest;
    }
    for (const Span& span : b.spans) {
        Superstructure s;
        s.span = span.index;
        s.type = span.structureType;
        bool found = false;
        if (!IsPrecast(span.structureType) && !BoxTable(span.structureType))
            b.findings.push_back({"STRUCTURE_TYPE_UNKNOWN", 'E',
                                  text::Format("第%d跨的结构类型“%s”不是已知的上部结构类型，梁高按简支箱梁拟定。",
                                               span.index + 1, span.structureType.c_str()),
                                  projectdb::kSuperSpanTable, span.record});
        if (span.structureType == "装配式简支空心板桥")
            found = FromPrecast(tables, projectdb::kHollowSlabTables, span, s);
        else if (span.structureType == "装配式简支T梁桥")
            found = FromPrecast(tables, projectdb::kTBeamTables, span, s);
        else found = FromBox(tables, span, s);
        if (found) {
            s.proposed = false;
            if (s.startDepth <= 0) s.startDepth = s.depth;
            if (s.endDepth <= 0) s.endDepth = s.depth;
        } else {
            Propose(span, width, unitSpan[span.index], s);
        }
        s.supportDepth = std::max(s.startDepth, s.endDepth);
        b.superstructures.push_back(std::move(s));
    }
}

}  // namespace bridge

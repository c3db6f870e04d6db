#include "library/library_candidates.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

#include "library/library_schema.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"
#include "projectdb/precast_tables.h"
#include "projectdb/schema.h"
#include "projectdb/table_snapshot.h"
#include "projectdb/variant_text.h"

namespace library {
namespace {

using projectdb::TableSnapshot;
using projectdb::VariantToText;

// Every record of a project table, sorted by `orderBy` when one is named. A table the project does not
// have reads as no records: the project simply has no such members.
TableSnapshot ReadRows(dao::Database& project, const std::string& table, const std::string& orderBy = {}) {
    if (!project.HasTableDef(table)) return {};
    std::string sql = "Select * From " + dao::QuoteIdentifier(table);
    if (!orderBy.empty()) sql += " Order By " + dao::QuoteIdentifier(orderBy);
    return TableSnapshot(project, sql);
}

struct SpanInfo {
    double length = 0;  // metres
    std::string structureType;
};

// The first record of each span in 上构布置明细表.
std::map<long, SpanInfo> ReadSpans(dao::Database& project) {
    std::map<long, SpanInfo> spans;
    TableSnapshot rows = ReadRows(project, projectdb::kSuperSpanTable);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        long number = rows.field(rows.record(r), "SpanNumber").toLong();
        if (!spans.count(number))
            spans[number] = {rows.field(rows.record(r), "SpanLength").toDouble(),
                             rows.field(rows.record(r), "StructureType").toString()};
    }
    return spans;
}

std::string Centimetres(double metres) { return text::Format("%.1lf", metres * 100.0); }

// The elevation table of a box girder structure type and how its depth is written.
struct ElevationKind {
    const char* structureType;
    const char* family;
    const char* table;
};
constexpr ElevationKind kElevations[] = {
    {"简支等截面箱梁桥", kSimpleConstBox, projectdb::kSimpleConstBoxTable},
    {"简支变截面箱梁桥", kSimpleVarBox, projectdb::kSimpleVarBoxTable},
    {"连续等截面箱梁桥", kContConstBox, projectdb::kContConstBoxTable},
    {"连续变截面箱梁桥", kContVarBox, projectdb::kContVarBoxTable},
};

const ElevationKind* ElevationOfStructure(const std::string& structureType) {
    for (const auto& kind : kElevations)
        if (structureType == kind.structureType) return &kind;
    return nullptr;
}

const ElevationKind* ElevationOfFamily(const std::string& family) {
    for (const auto& kind : kElevations)
        if (family == kind.family) return &kind;
    return nullptr;
}

// The depth fields of an elevation record: one for constant depth, end and centre for a simply supported
// variable depth, left end, centre and right end for a continuous one.
std::vector<std::string> DepthFields(const std::string& family) {
    if (family == kSimpleVarBox) return {"BoxEndHeight", "BoxCenterHeight"};
    if (family == kContVarBox) return {"BoxEndHeightL", "BoxCenterHeight", "BoxEndHeightR"};
    return {"BoxHeight"};
}

// Whether record r equals the record before it in the columns [first, last).
bool SameAsPrevious(const TableSnapshot& rows, std::size_t r, std::size_t first, std::size_t last) {
    if (r == 0) return false;
    for (std::size_t c = first; c < last; ++c)
        if (!(rows.at(rows.record(r), c) == rows.at(rows.record(r - 1), c))) return false;
    return true;
}

class CandidateReader {
public:
    explicit CandidateReader(dao::Database& project) : project_(project), spans_(ReadSpans(project)) {}

    void CrossSections(const std::string& kind) {
        TableSnapshot rows = ReadRows(project_, projectdb::CrossSectionTableOf(kind));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (SameAsPrevious(rows, r, 1, rows.fieldCount())) continue;
            std::string position = rows.field(rows.record(r), "Position").toString();
            auto underscore = position.find('_');
            if (underscore == std::string::npos) continue;
            long span = std::atol(position.substr(0, underscore).c_str());
            auto info = spans_.find(span);
            if (info == spans_.end()) continue;
            const ElevationKind* elevation = ElevationOfStructure(info->second.structureType);
            if (!elevation) continue;
            std::optional<std::string> depth = ElevationDepth(*elevation, span, "%.1lf");
            if (!depth) continue;
            upper_.push_back({kind, position.substr(underscore + 1), text::Format("%ld", span),
                              Centimetres(info->second.length), *depth,
                              VariantToText(rows.field(rows.record(r), "TopWidth"))});
        }
    }

    void Elevations(const std::string& family) {
        const ElevationKind* kind = ElevationOfFamily(family);
        TableSnapshot general = ReadRows(project_, projectdb::kGeneralInfoTable);
        if (general.size() == 0) return;
        std::string side = general.field(general.record(0), "LeftOrRight").toString();
        const char* widthField = side == "左半桥"   ? "LeftBridgeWidth"
                                 : side == "右半桥" ? "RightBridgeWidth"
                                                    : "BridgeWidth";
        std::string width = Centimetres(general.field(general.record(0), widthField).toDouble());

        TableSnapshot rows = ReadRows(project_, kind->table);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (SameAsPrevious(rows, r, 1, rows.fieldCount() - 1)) continue;
            dao::Value span = rows.field(rows.record(r), "InWhichSpan");
            auto info = spans_.find(span.toLong());
            if (info == spans_.end()) continue;
            std::string depth;
            for (const std::string& field : DepthFields(family))
                depth += (depth.empty() ? "" : "-") + VariantToText(rows.field(rows.record(r), field));
            upper_.push_back({family, family, VariantToText(span), Centimetres(info->second.length), depth, width});
        }
    }

    // T-beams (side or middle) and hollow slabs (side or middle) share one shape: a size table keyed by the
    // type, a layout table naming the type of each span.
    struct MemberKind {
        const char* family;
        const projectdb::PrecastTables& tables;
    };

    void Members(const MemberKind& kind, bool sideMember) {
        const projectdb::PrecastTables& tables = kind.tables;
        TableSnapshot sizes = ReadRows(project_, sideMember ? tables.outerTable : tables.innerTable);
        if (sizes.size() == 0) return;
        TableSnapshot layout = ReadRows(project_, tables.layoutTable);
        const char* layoutTypeField = sideMember ? tables.outerTypeField : tables.innerTypeField;
        for (std::size_t r = 0; r < sizes.size(); ++r) {
            std::string type = sizes.field(sizes.record(r), tables.typeField).toString();
            std::optional<long> span;
            for (std::size_t l = 0; l < layout.size() && !span; ++l)
                if (layout.field(layout.record(l), layoutTypeField).toString() == type)
                    span = layout.field(layout.record(l), tables.spanField).toLong();
            if (!span) continue;
            auto info = spans_.find(*span);
            if (info == spans_.end()) continue;
            upper_.push_back({kind.family, type, text::Format("%ld", *span), Centimetres(info->second.length),
                              VariantToText(sizes.field(sizes.record(r), tables.depthField)),
                              MemberWidth(kind, sizes, r, sideMember)});
        }
    }

    void Supports() {
        TableSnapshot rows = ReadRows(project_, projectdb::kSubLayoutTable);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            std::string cap = rows.field(rows.record(r), "BentCapType").toString(),
                        body = rows.field(rows.record(r), "BodyType").toString(),
                        connection = rows.field(rows.record(r), "ConnectType").toString(),
                        foundation = rows.field(rows.record(r), "FoundationType").toString();
            lower_.push_back({SubstructureCode(cap, body, connection, foundation),
                              VariantToText(rows.field(rows.record(r), "PierAbutNum")), cap, body, connection,
                              foundation});
        }
    }

    Candidates Take() {
        // Every row went in at the top of its list: the list shows them in the reverse of reading order.
        std::reverse(upper_.begin(), upper_.end());
        std::reverse(lower_.begin(), lower_.end());
        return {std::move(upper_), std::move(lower_)};
    }

private:
    std::optional<std::string> ElevationDepth(const ElevationKind& kind, long span, const char* format) {
        dao::Recordset set(project_);
        if (!project_.HasTableDef(kind.table)) return std::nullopt;
        const std::string quoted = dao::QuoteIdentifier(kind.table);
        set.Open(text::Format("Select * From %s Where (((%s.InWhichSpan)=%ld))", quoted, quoted, span));
        if (set.IsEOF()) return std::nullopt;
        std::string depth;
        for (const std::string& field : DepthFields(kind.family))
            depth += (depth.empty() ? "" : "-") + text::Format(format, set.GetFieldValue(field).toDouble());
        return depth;
    }

    static std::string MemberWidth(const MemberKind& kind, const TableSnapshot& sizes, std::size_t r, bool sideMember) {
        if (std::string(kind.family) == kHollowSlab) return VariantToText(sizes.field(sizes.record(r), "BottomWidth"));
        double width = sideMember ? sizes.field(sizes.record(r), "TopWidth1").toDouble() +
                                        sizes.field(sizes.record(r), "TopWidth2").toDouble()
                                  : sizes.field(sizes.record(r), "TopWidth").toDouble();
        return text::Format("%.1f", width);
    }

    dao::Database& project_;
    std::map<long, SpanInfo> spans_;
    std::vector<UpperRow> upper_;
    std::vector<LowerRow> lower_;
};

}  // namespace

const std::array<ListColumn, 6>& UpperColumns() {
    static const std::array<ListColumn, 6> columns = {
        {{"名称", 120}, {"类型", 120}, {"跨号", 40}, {"跨径 L", 60}, {"梁高 H", 150}, {"梁宽 W", 60}}};
    return columns;
}

const std::array<ListColumn, 6>& LowerColumns() {
    static const std::array<ListColumn, 6> columns = {
        {{"代码", 40}, {"墩台号", 60}, {"帽梁", 80}, {"墩台身", 170}, {"连接构造", 80}, {"基础", 156}}};
    return columns;
}

Candidates ListCandidates(dao::Database& project, ui::Progress& progress) {
    progress.setTitle(ui::kProgressDefaultTitle);
    progress.setText(ui::kProgressDefaultText);
    progress.setRange(0, 120);
    progress.setStep(10);
    progress.setPos(0);
    progress.show();
    struct Closer {
        ui::Progress& progress;
        ~Closer() { progress.close(); }
    } closer{progress};

    CandidateReader reader(project);
    for (const char* kind : {kMultiBoxSingleCell, kSingleBoxMultiCell, kSingleBoxSingleCell}) {
        reader.CrossSections(kind);
        progress.step();
    }
    for (const char* family : {kContVarBox, kContConstBox, kSimpleVarBox, kSimpleConstBox}) {
        reader.Elevations(family);
        progress.step();
    }
    using Kind = CandidateReader::MemberKind;
    const Kind beams{kTBeam, projectdb::kTBeamTables}, slabs{kHollowSlab, projectdb::kHollowSlabTables};
    for (const auto& [kind, side] : {std::pair{beams, true}, std::pair{beams, false}, std::pair{slabs, true},
                                     std::pair{slabs, false}}) {
        reader.Members(kind, side);
        progress.step();
    }
    reader.Supports();
    progress.step();
    return reader.Take();
}

}  // namespace library

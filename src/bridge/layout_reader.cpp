#include <cmath>

#include "bridge/model_readers.h"
#include "bridge/standard_sizes.h"
#include "bridge/table_rows.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// A joint this near a support line is that support's joint; the joint centre line of a pier lies on it.
constexpr double kJointReach = 0.5;
// Stations and lengths that differ by more than this do not add up.
constexpr double kLengthTolerance = 0.01;

void ReadSpans(dao::Database& db, Bridge& b, double startStake) {
    TableRows detail(db, projectdb::kSuperSpanTable, b.findings, "SpanNumber");
    TableRows sections(db, projectdb::kSuperLayoutTable, b.findings, "SectNumber");
    // The section of each span, counting the sections' spans in order.
    std::vector<int> sectionOf;
    for (std::size_t r = 0; r < sections.size(); ++r) {
        const long count = std::lround(std::floor(sections.Number(r, "SpansInSect")));
        for (long s = 0; s < count; ++s) sectionOf.push_back(static_cast<int>(sections.Number(r, "SectNumber")));
    }
    double station = startStake;
    if (!detail.empty()) {
        for (std::size_t r = 0; r < detail.size(); ++r) {
            Span s;
            s.index = static_cast<int>(r);
            s.structureType = detail.Text(r, "StructureType");
            s.length = detail.Number(r, "SpanLength");
            s.record = detail.Record(r);
            s.section = r < sectionOf.size() ? sectionOf[r] : 0;
            s.startStation = station;
            s.endStation = station += s.length;
            b.spans.push_back(s);
        }
        return;
    }
    for (std::size_t r = 0; r < sections.size(); ++r)
        for (long n = std::lround(std::floor(sections.Number(r, "SpansInSect"))); n > 0; --n) {
            Span s;
            s.index = static_cast<int>(b.spans.size());
            s.structureType = sections.Text(r, "StructureType");
            s.length = sections.Number(r, "SpanLength");
            s.section = static_cast<int>(sections.Number(r, "SectNumber"));
            s.startStation = station;
            s.endStation = station += s.length;
            b.spans.push_back(s);
        }
}

void ReadSupportLines(dao::Database& db, Bridge& b) {
    TableRows t(db, projectdb::kSubLayoutTable, b.findings, "PierAbutNum");
    for (std::size_t r = 0; r < t.size(); ++r) {
        Support s;
        s.index = static_cast<int>(t.Number(r, "PierAbutNum", static_cast<double>(r)));
        s.record = t.Record(r);
        s.station = t.Number(r, "PierAbutStake");
        s.capType = t.Text(r, "BentCapType");
        s.bodyType = t.Text(r, "BodyType");
        s.connectType = t.Text(r, "ConnectType");
        s.foundationType = t.Text(r, "FoundationType");
        s.groundToTopCm = t.Number(r, "DistToGround");
        s.deckToCapCm = t.Number(r, "DistToDeck");
        s.crossingAngle = t.Number(r, "PierAbutAngle", 90);
        if (s.crossingAngle == 0) s.crossingAngle = 90;  // the layout writes 0 for a square line as 90
        if (s.crossingAngle <= 0 || s.crossingAngle >= 180) {
            b.findings.push_back({"SKEW_INVALID", 'E',
                                  text::Format("%d号墩台的交角 %.3f° 不在 0°～180° 之间，按正交处理。", s.index,
                                               s.crossingAngle),
                                  projectdb::kSubLayoutTable, s.record});
            s.crossingAngle = 90;
        }
        s.skew = 90 - s.crossingAngle;
        b.supports.push_back(std::move(s));
    }
    for (std::size_t i = 0; i < b.supports.size(); ++i)
        b.supports[i].kind = i == 0 || i + 1 == b.supports.size() ? SupportKind::Abutment : SupportKind::Pier;
}

// Each span's stations from its two support lines; where the spans and the support lines disagree, a
// finding on the span.
void CheckSpansAgainstSupports(Bridge& b) {
    const auto& sp = b.supports;
    if (b.spans.empty()) {
        b.findings.push_back({"NO_SPANS", 'E', "项目中没有分跨信息（上构布置明细表为空）。", projectdb::kSuperSpanTable, -1});
        return;
    }
    if (sp.size() != b.spans.size() + 1) {
        b.findings.push_back({"SUPPORT_COUNT", 'E',
                              text::Format("全桥 %zu 跨，应有 %zu 个墩台，下构布置信息表中有 %zu 个。", b.spans.size(),
                                           b.spans.size() + 1, sp.size()),
                              projectdb::kSubLayoutTable, -1});
        return;
    }
    for (Span& s : b.spans) {
        const double between = sp[s.index + 1].station - sp[s.index].station;
        if (std::fabs(between - s.length) > kLengthTolerance)
            b.findings.push_back({"SPAN_STATIONS", 'E',
                                  text::Format("第%d跨跨径 %.3fm 与 %d号、%d号墩台桩号之差 %.3fm 不符。", s.index + 1,
                                               s.length, sp[s.index].index, sp[s.index + 1].index, between),
                                  projectdb::kSuperSpanTable, s.record});
        s.startStation = sp[s.index].station;
        s.endStation = sp[s.index + 1].station;
    }
}

void FormUnits(dao::Database& db, Bridge& b) {
    TableRows joints(db, projectdb::kJointTable, b.findings, "JointNum");
    std::vector<bool> breakAt(b.supports.size(), false);
    for (std::size_t r = 0; r < joints.size(); ++r) {
        const double stake = joints.Number(r, "JointStake");
        bool placed = false;
        for (std::size_t i = 0; i < b.supports.size(); ++i)
            if (std::fabs(b.supports[i].station - stake) <= kJointReach) breakAt[i] = placed = true;
        if (!placed && !b.supports.empty())
            b.findings.push_back({"JOINT_OFF_SUPPORT", 'W',
                                  text::Format("第%zu条伸缩缝（桩号 %.3f）不在任何墩台处。", r + 1, stake),
                                  projectdb::kJointTable, joints.Record(r)});
    }
    Unit unit;
    auto close = [&] {
        if (unit.spans.empty()) return;
        unit.continuous = unit.spans.size() > 1 && IsContinuousType(unit.type);
        b.units.push_back(std::move(unit));
        unit = Unit();
    };
    for (const Span& s : b.spans) {
        if (unit.spans.empty()) unit.type = s.structureType;
        else if (s.structureType != unit.type && !unit.mixed) {
            unit.mixed = true;
            b.findings.push_back(
                {"UNIT_MIXED_TYPES", 'E',
                 text::Format("第%d跨（%s）与第%d跨（%s）之间没有伸缩缝，同一联混用了两种上部结构。", s.index,
                              unit.type.c_str(), s.index + 1, s.structureType.c_str()),
                 projectdb::kJointTable, -1});
        }
        unit.spans.push_back(s.index);
        const std::size_t end = static_cast<std::size_t>(s.index) + 1;
        if (end < breakAt.size() && breakAt[end]) close();
    }
    close();
}

}  // namespace

void ReadLayout(dao::Database& db, Bridge& b) {
    TableRows division(db, projectdb::kSpanDivisionTable, b.findings);
    const double startStake = division.Number(0, "StartStake");
    ReadSpans(db, b, startStake);
    ReadSupportLines(db, b);
    CheckSpansAgainstSupports(b);
    FormUnits(db, b);
}

}  // namespace bridge

#include "member_sizes.h"

#include <algorithm>
#include <cmath>

#include "projectdb/schema.h"

namespace drawhost {

namespace {

constexpr double kSection = 15;  // metres: no cross-section dimension of a member is larger
constexpr double kLength = 120;  // metres: no member length is larger

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// A size read from a record, in metres; `fallback` when the field is empty or not positive.
double Metres(const TableRow& row, const std::string& field, double largest, double fallback) {
    double v = row.Number(field, 0);
    return v > 0 ? MemberMetres(v, largest) : fallback;
}

int Count(const TableRow& row, const std::string& field, int fallback) {
    double v = row.Number(field, 0);
    return v >= 1 ? static_cast<int>(v) : fallback;
}

}  // namespace

double MemberMetres(double value, double largestMetres) { return value > largestMetres ? value / 100 : value; }

void MemberSizes::Remember(std::vector<std::string>& list, const std::string& table) {
    if (std::find(list.begin(), list.end(), table) == list.end()) list.push_back(table);
}

void MemberSizes::WriteNotes() {
    auto joined = [](const std::vector<std::string>& tables) {
        std::string out;
        for (const std::string& t : tables) out += (out.empty() ? "“" : "、“") + t + "”";
        return out;
    };
    if (!missingTables_.empty()) notes_.push_back("项目中没有" + joined(missingTables_) + "，相应构件按常用尺寸绘制。");
    if (!incompleteTables_.empty())
        notes_.push_back(joined(incompleteTables_) + "中缺少部分构件的尺寸，这些构件按常用尺寸绘制。");
}

const std::vector<TableRow>* MemberSizes::Rows(const std::string& table) {
    auto it = cache_.find(table);
    if (it == cache_.end()) it = cache_.emplace(table, ReadTableRows(db_, table)).first;
    return it->second ? &*it->second : nullptr;
}

const TableRow* MemberSizes::Record(const std::string& table, const std::string& key, double value) {
    const auto* rows = Rows(table);
    if (!rows) {
        Remember(missingTables_, table);
        return nullptr;
    }
    for (const TableRow& row : *rows)
        if (auto v = row.Number(key); v && std::lround(*v) == std::lround(value)) return &row;
    Remember(incompleteTables_, table);
    return nullptr;
}

const TableRow* MemberSizes::RecordByText(const std::string& table, const std::string& key, const std::string& value) {
    const auto* rows = Rows(table);
    if (!rows) {
        Remember(missingTables_, table);
        return nullptr;
    }
    for (const TableRow& row : *rows)
        if (row.Text(key) == value) return &row;
    Remember(incompleteTables_, table);
    return nullptr;
}

void MemberSizes::Size(Support& s, double deckWidth) {
    SizeCap(s, deckWidth);
    SizeBody(s, deckWidth);
    SizeConnection(s);
    SizeFoundation(s);
}

void MemberSizes::SizeCap(Support& s, double deckWidth) {
    CapBeam& c = s.cap;
    c.across = std::max(deckWidth - 0.5, 2.0);
    c.along = 1.6;
    c.height = s.abutment ? 1.0 : 1.2;
    c.backWall = s.abutment;
    if (s.capType == projectdb::kNoMember) {
        c.height = 0;
        c.backWall = false;
        return;
    }
    auto table = projectdb::MemberTableOf(s.capType);
    if (!table) return;
    const TableRow* r = Record(*table, "PierAbutmentNum", s.number);
    if (!r) return;
    if (s.capType == "2类墩帽") {
        c.across = std::max(Metres(*r, "CopingLength1", kLength, 0), Metres(*r, "CopingLength2", kLength, 0));
        if (c.across <= 0) c.across = std::max(deckWidth - 0.5, 2.0);
    } else if (s.capType == "3类墩帽") {
        c.across = Metres(*r, "CopingLength", kLength, c.across);
        c.along = std::max(Metres(*r, "CopingWidth1", kSection, 0), Metres(*r, "CopingWidth2", kSection, 0));
        if (c.along <= 0) c.along = 1.6;
        c.height = std::max(Metres(*r, "CopingHeight1", kSection, 0), Metres(*r, "CopingHeight2", kSection, 0));
        if (c.height <= 0) c.height = 1.2;
        return;
    } else {
        c.across = Metres(*r, "CopingLength", kLength, c.across);
    }
    c.along = Metres(*r, "CopingWidth", kSection, c.along);
    c.height = Metres(*r, s.capType == "2类台帽" ? "CopingFrontHeight" : "CopingHeight", kSection, c.height);
}

void MemberSizes::SizeBody(Support& s, double deckWidth) {
    Body& b = s.body;
    const std::string& type = s.bodyType;
    const double width = std::max(deckWidth - 1.0, 2.0);
    if (type == projectdb::kNoMember) {
        b.kind = BodyKind::None;
        return;
    }
    // Defaults by the kind the type name tells: columns, ribs of an abutment, or one solid wall.
    if (Contains(type, "柱式") || type.empty()) {
        b = Body{BodyKind::Columns, deckWidth > 14 ? 3 : 2, 1.3, 1.3, 0, !Contains(type, "矩形")};
    } else if (type == "肋板式台身") {
        b = Body{BodyKind::Wall, deckWidth > 14 ? 3 : 2, 1.6, 1.0, 0, false};
    } else {
        b = Body{BodyKind::Wall, 1, s.abutment ? 2.5 : 1.8, width, 0, false};
    }
    b.spacing = b.count > 1 ? width * 0.8 / (b.count - 1) : 0;
    auto table = projectdb::MemberTableOf(type);
    if (!table) return;
    const TableRow* r = Record(*table, "PierAbutmentNum", s.number);
    if (!r) return;
    if (type == "圆形截面柱式墩身") {
        b.count = Count(*r, "PierColumnNum", b.count);
        b.along = b.across = Metres(*r, "SectionDiameter", kSection, b.along);
        b.spacing = Metres(*r, "SpaceBetween", kLength, b.spacing);
    } else if (type == "矩形截面柱式墩身") {
        b.count = Count(*r, "PierColumnNum", b.count);
        b.along = Metres(*r, "SectionLength", kSection, b.along);
        b.across = Metres(*r, "SectionWidth", kSection, b.across);
        b.spacing = Metres(*r, "SpaceBetween", kLength, b.spacing);
    } else if (type == "肋板式台身") {
        b.count = Count(*r, "RibSlabNum", b.count);
        b.along = Metres(*r, "RibSlabTopWidth", kSection, b.along);
        b.across = Metres(*r, "RibSlabThick", kSection, b.across);
        b.spacing = Metres(*r, "SpaceBetween", kLength, b.spacing);
    } else if (type == "U型桥台台身") {
        b.along = Metres(*r, "FrontWallWidth", kSection, b.along);
        b.across = Metres(*r, "FrontWallLength", kLength, b.across);
    } else if (type == "多边形截面薄壁墩身") {
        b.along = Metres(*r, "BodyLength1", kSection, b.along);
        b.across = Metres(*r, "BodyWidth1", kLength, b.across);
    } else if (type == "尖端形截面实体式墩身") {
        b.along = Metres(*r, "BodyTopWidth", kSection, b.along);
        b.across = Metres(*r, "BodyTopLength1", kLength, b.across);
    } else {
        b.along = Metres(*r, "BodyTopWidth", kSection, b.along);
        b.across = Metres(*r, "BodyTopLength", kLength, b.across);
    }
    if (b.count == 1) b.spacing = 0;
}

void MemberSizes::SizeConnection(Support& s) {
    Connection& c = s.connect;
    const std::string& type = s.connectType;
    const double across = std::max(s.body.spacing * (s.body.count - 1) + 2.5, s.body.across + 1.0);
    if (type == projectdb::kNoMember || type.empty()) {
        c = Connection{};
        return;
    }
    if (type == "系梁") {
        c = Connection{ConnectKind::TieBeam, 1.0, across, 1.2};
    } else {
        c = Connection{ConnectKind::PileCap, type == "桩帽" ? 2.0 : 3.0, type == "桩帽" ? 2.0 : across + 0.5,
                       type == "桩帽" ? 1.5 : 2.0};
    }
    auto table = projectdb::MemberTableOf(type);
    if (!table) return;
    const TableRow* r = Record(*table, "PierAbutmentNum", s.number);
    if (!r) return;
    if (type == "1类承台") {
        c.across = Metres(*r, "BearingPlatLength", kLength, c.across);
        c.along = Metres(*r, "BearingPlatWidth", kLength, c.along);
        c.height = Metres(*r, "BearingPlatHeight", kSection, c.height);
    } else if (type == "2类承台") {
        c.height = Metres(*r, "BearingPlatHeight", kSection, c.height);
    } else if (type == "桩帽") {
        c.across = Metres(*r, "PileCapLength", kSection, c.across);
        c.along = Metres(*r, "PileCapWidth", kSection, c.along);
        c.height = Metres(*r, "PileCapHeight", kSection, c.height);
    } else {
        c.along = Metres(*r, "ConBeamWidth", kSection, c.along);
        c.height = Metres(*r, "ConBeamHeight", kSection, c.height);
    }
}

void MemberSizes::SizeFoundation(Support& s) {
    Foundation& f = s.foundation;
    const std::string& type = s.foundationType;
    if (type == projectdb::kNoMember) {
        f.kind = FoundationKind::None;
        return;
    }
    const double across = s.connect.kind == ConnectKind::PileCap ? s.connect.across : s.cap.across;
    if (Contains(type, "桩")) {
        f.kind = FoundationKind::Piles;
        f.diameter = s.abutment ? 1.2 : 1.5;
        f.length = s.abutment ? 20 : 25;
        f.countAcross = std::max(s.body.count, 2);
        f.rowsAlong = type == "多排桩基础" || type == "梅花形桩基础" ? 2 : 1;
        f.spacingAcross = (across - 2 * f.diameter) / std::max(f.countAcross - 1, 1);
        f.spacingAlong = f.rowsAlong > 1 ? 2.5 * f.diameter : 0;
    } else {
        f.kind = FoundationKind::Footing;
        f.footingAlong = s.body.along + 2.0;
        f.footingAcross = across + 1.0;
        f.footingHeight = type == "沉井基础" ? 8.0 : 2.0;
    }
    auto table = projectdb::MemberTableOf(type);
    if (!table) return;
    const TableRow* r = Record(*table, "PierAbutmentNum", s.number);
    if (!r) return;
    if (type == "单排桩基础") {
        f.countAcross = Count(*r, "PileNum", f.countAcross);
        f.diameter = Metres(*r, "PileDiameter", kSection, f.diameter);
        f.length = Metres(*r, "PileLength", kLength, f.length);
        f.spacingAcross = Metres(*r, "SpaceBetween", kLength, f.spacingAcross);
    } else if (type == "多排桩基础") {
        f.countAcross = Count(*r, "PileNumX", f.countAcross);
        f.rowsAlong = Count(*r, "PileNumY", f.rowsAlong);
        f.diameter = Metres(*r, "PileDiameter", kSection, f.diameter);
        f.length = Metres(*r, "PileLength", kLength, f.length);
        f.spacingAcross = Metres(*r, "PilePosX", kLength, f.spacingAcross);
        f.spacingAlong = Metres(*r, "PilePosY", kLength, f.spacingAlong);
    } else if (type == "梅花形桩基础") {
        f.diameter = Metres(*r, "PileDiameter", kSection, f.diameter);
        f.length = Metres(*r, "PileLength", kLength, f.length);
        f.spacingAcross = Metres(*r, "PileDist", kLength, f.spacingAcross);
    } else if (type == "台阶形扩大基础") {
        f.footingAlong = Metres(*r, "FirstStepWidth", kLength, f.footingAlong);
        f.footingAcross = Metres(*r, "FirstStepLength", kLength, f.footingAcross);
        f.footingHeight = Metres(*r, "StepHeight", kSection, 1.0) * Count(*r, "StepNum", 2);
    } else if (type == "梯形扩大基础") {
        f.footingAlong = Metres(*r, "FoundationWidth2", kLength, f.footingAlong);
        f.footingAcross = Metres(*r, "FoundationLength2", kLength, f.footingAcross);
        f.footingHeight = Metres(*r, "FoundationHeight", kSection, f.footingHeight);
    } else if (type == "U台扩大基础(台阶形)") {
        f.footingHeight = Metres(*r, "StepHeight", kSection, 1.0) * Count(*r, "StepNum", 2);
    } else if (type == "U台扩大基础(趾板式)") {
        f.footingHeight = Metres(*r, "FoundationHeight", kSection, f.footingHeight);
    }
    if (f.rowsAlong < 2) f.spacingAlong = 0;
}

double MemberSizes::SpanDepth(const Span& span) {
    const std::string& type = span.structureType;
    const double l = span.length;
    if (Contains(type, "空心板")) {
        double fallback = std::clamp(l / 21.0, 0.5, 1.3);
        const TableRow* layout = Record(projectdb::kSlabLayoutTable, "SlabInWhichSpan", span.number);
        if (!layout) return fallback;
        const TableRow* slab = RecordByText(projectdb::kInsideSlabTable, "SlabType", layout->Text("InsideSlabType"));
        return slab ? Metres(*slab, "Height", kSection, fallback) : fallback;
    }
    if (Contains(type, "T梁")) {
        double fallback = 0.5 + 0.05 * l;
        const TableRow* layout = Record(projectdb::kTBeamLayoutTable, "TBeamInWhichSpan", span.number);
        if (!layout) return fallback;
        const TableRow* beam = RecordByText(projectdb::kInsideTBeamTable, "TBeamType", layout->Text("InsideTBeamType"));
        return beam ? Metres(*beam, "TBeamHeight", kSection, fallback) : fallback;
    }
    if (Contains(type, "箱梁")) {
        double fallback = std::max(l / 18.0, 1.2);
        auto tables = projectdb::MemberTablesOfStructure(type);
        if (tables.empty()) return fallback;
        const TableRow* box = Record(tables.front(), "InWhichSpan", span.number);
        if (!box) return fallback;
        for (const char* field : {"BoxHeight", "BoxCenterHeight", "BoxEndHeight", "BoxEndHeightL"})
            if (box->Number(field, 0) > 0) return Metres(*box, field, kSection, fallback);
        return fallback;
    }
    return std::clamp(l / 18.0, 0.6, 3.0);
}

}  // namespace drawhost

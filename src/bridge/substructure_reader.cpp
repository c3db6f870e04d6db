#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <memory>
#include <numbers>

#include "bridge/model_readers.h"
#include "bridge/standard_sizes.h"
#include "bridge/table_rows.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// The chain closes when its two readings meet within this.
constexpr double kClosure = 0.010;
// A pile cap may stand this far above the ground (its top finished flush).
constexpr double kAboveGround = 0.05;
constexpr double kLongestColumn = 40;
// Deeper than this under the ground a pile cap or footing is dug for nothing.
constexpr double kDeepestCover = 3.0;

// The member record of a type at a support: its table and row, read once per table.
class MemberRecords {
public:
    MemberRecords(dao::Database& db, std::vector<Finding>& findings) : db_(db), findings_(findings) {}

    struct Hit {
        const TableRows* table = nullptr;
        int row = -1;
        explicit operator bool() const { return table && row >= 0; }
        // The first of the fields the table has; `fallback` when it has none.
        double Number(std::initializer_list<const char*> fields, double fallback = 0) const {
            for (const char* f : fields)
                if (table->HasField(f)) return table->Number(row, f, fallback);
            return fallback;
        }
    };

    Hit Find(const std::string& type, int support) {
        auto name = projectdb::MemberTableOf(type);
        if (!name) return {};
        auto& slot = tables_[*name];
        if (!slot) slot = std::make_unique<TableRows>(db_, *name, findings_);
        return {slot.get(), slot->Find("PierAbutmentNum", support)};
    }

private:
    dao::Database& db_;
    std::vector<Finding>& findings_;
    std::map<std::string, std::unique_ptr<TableRows>> tables_;
};

bool None(const std::string& type) { return type.empty() || type == "无"; }

std::string Where(const Support& s) { return text::Format("%d号%s", s.index, s.KindText()); }

bool IsFooting(const std::string& type) { return type.find("扩大基础") != std::string::npos; }

// The pavement this project states (桥面铺装信息表, its centre thickness), else the standard one.
Allowance ReadPavement(dao::Database& db, std::vector<Finding>& findings) {
    TableRows t(db, projectdb::kDeckPavementTable, findings);
    const double thickness = t.empty() ? 0 : t.Number(0, "CenterThick");
    if (thickness > 0) return {thickness, std::string(projectdb::kDeckPavementTable) + "（中央厚）", false};
    return {kStandardPavement, "标准值（10cm沥青混凝土）", true};
}

// The girder depth a support carries and the structure type that sets its bearing: the deeper of the two
// span ends that rest on it.
void GirderAt(const Bridge& b, const Support& s, double& depth, std::string& type) {
    depth = 0;
    const int n = static_cast<int>(b.superstructures.size());
    for (int i : {s.index - 1, s.index}) {
        if (i < 0 || i >= n) continue;
        const Superstructure& g = b.superstructures[i];
        const double here = i == s.index ? g.startDepth : g.endDepth;
        if (here > depth || type.empty()) {
            depth = std::max(depth, here);
            type = g.type;
        }
    }
}

struct Members {
    double capHeight = 0, capLength = 0, capWidth = 0, backWall = 0;
    bool capKnown = false;
    double bodyLength = 0, bodyAlong = 0, bodyAcross = 0, spacing = 0;
    int bodies = 0;
    bool bodyKnown = false, round = false;
    double connectHeight = 0;
    bool connectKnown = false;
    int capRecord = -1, bodyRecord = -1, connectRecord = -1;
};

Members ReadMembers(MemberRecords& records, const Support& s) {
    Members m;
    if (auto cap = records.Find(s.capType, s.index)) {
        m.capKnown = true;
        m.capRecord = cap.table->Record(cap.row);
        m.capHeight = cap.Number({"CopingHeight", "CopingFrontHeight"});
        if (cap.table->HasField("CopingHeight1"))
            m.capHeight = std::max(cap.Number({"CopingHeight1"}), cap.Number({"CopingHeight2"}));
        m.capLength = cap.Number({"CopingLength", "CopingLength1"});
        m.capWidth = cap.Number({"CopingWidth", "CopingWidth1"});
        m.backWall = cap.Number({"BackWallWidth"});
    }
    if (auto body = records.Find(s.bodyType, s.index)) {
        const double length = body.Number({"PierColumnLength", "BodyHeight", "RibSlabHeight", "FrontWallHeight"}, -1);
        m.bodyKnown = length >= 0 || !body.table->HasField("BodyHeight1");
        m.bodyRecord = body.table->Record(body.row);
        m.bodyLength = std::max(length, 0.0);
        m.bodies = static_cast<int>(body.Number({"PierColumnNum", "RibSlabNum"}, 1));
        m.spacing = body.Number({"SpaceBetween"});
        m.round = body.table->HasField("SectionDiameter");
        m.bodyAlong = body.Number({"SectionDiameter", "SectionLength", "RibSlabThick", "BodyTopWidth", "FrontWallWidth"});
        m.bodyAcross = body.Number({"SectionDiameter", "SectionWidth", "RibSlabTopWidth", "BodyTopLength",
                                    "BodyTopLength1", "FrontWallLength"});
    }
    if (auto connect = records.Find(s.connectType, s.index)) {
        m.connectKnown = true;
        m.connectRecord = connect.table->Record(connect.row);
        m.connectHeight = connect.Number({"BearingPlatHeight", "PileCapHeight", "ConBeamHeight"});
    }
    return m;
}

Foundation ReadFoundation(MemberRecords& records, const Support& s, double longestSpan) {
    Foundation f;
    f.type = s.foundationType;
    if (None(f.type)) {
        f.kind = "无";
        return f;
    }
    f.kind = IsFooting(f.type) ? "扩大基础" : f.type == "沉井基础" ? "沉井基础" : "桩基础";
    auto hit = records.Find(f.type, s.index);
    if (!hit) {
        f.proposed = true;
        if (f.kind == "桩基础") {
            f.pileLength = longestSpan <= 20 ? 20 : longestSpan <= 30 ? 25 : 30;
            f.pileDiameter = 1.2;
        } else {
            f.depth = 2.0;
        }
        return f;
    }
    f.record = hit.table->Record(hit.row);
    if (f.kind == "桩基础") {
        f.pileLength = hit.Number({"PileLength"});
        f.pileDiameter = hit.Number({"PileDiameter"});
        f.pileCount = hit.table->HasField("PileNumX")
                          ? static_cast<int>(hit.Number({"PileNumX"}) * hit.Number({"PileNumY"}, 1))
                          : static_cast<int>(hit.Number({"PileNum"}));
        f.pileSpacing = hit.Number({"SpaceBetween", "PilePosX", "PileDist"});
        // A multi-row group stands in rows along the route; without their spacing, at the usual
        // 2.5 pile diameters.
        if (hit.table->HasField("PileNumY")) {
            f.pileRows = std::max(1, static_cast<int>(hit.Number({"PileNumY"}, 1)));
            f.rowSpacing = hit.Number({"PilePosY"});
            if (f.rowSpacing <= 0) f.rowSpacing = 2.5 * (f.pileDiameter > 0 ? f.pileDiameter : 1.2);
        }
    } else if (hit.table->HasField("StepNum")) {
        f.depth = hit.Number({"StepNum"}) * hit.Number({"StepHeight"});
    } else {
        f.depth = hit.Number({"FoundationHeight", "CaissonHeight"});
    }
    return f;
}

void PlaceColumns(const Bridge& b, Support& s, const Members& m, double width) {
    int count = m.bodies;
    double spacing = m.spacing;
    if (count <= 0) {
        // Without a body record: about one column per 7 m of deck, evenly spread.
        count = std::max(1, static_cast<int>(std::lround(width / 7)));
        spacing = count > 1 ? width / count : 0;
    }
    s.columns.clear();
    for (int k = 0; k < count; ++k) {
        const double along = (k - (count - 1) / 2.0) * spacing;
        const SupportPoint p = PointOnSupportLine(b, s, along);
        Column c;
        c.offset = along;
        c.plan = p.plan;
        c.groundZ = b.site.GroundAt(p.station, &c.groundKnown);
        s.columns.push_back(c);
    }
}

// The lowest ground under a support's connection. Its footprint is the support line across the designed deck
// (and out to any column standing beyond the deck's edge): that does not change when the members are designed,
// so a body sized on it keeps closing the chain. The ground is given along the route, so across a skewed
// support line it changes with the station; the lowest is at an end of the line or at a ground-line point in
// between. A point outside the ground data is not known and does not count.
double LowestGroundUnderConnection(const Bridge& b, const Support& s, double width, bool* known) {
    const double theta = s.crossingAngle * std::numbers::pi / 180;
    // How far the deck's edges on the support line stand from the support's station, along the route.
    const double reach = width / 2 / std::sin(theta) * std::fabs(std::cos(theta));
    double first = s.station - reach, last = s.station + reach;
    for (const Column& col : s.columns) {
        first = std::min(first, s.station + col.offset * std::cos(theta));
        last = std::max(last, s.station + col.offset * std::cos(theta));
    }
    std::vector<double> stations = {s.station, first, last};
    for (const GroundPoint& g : b.site.ground)
        if (g.station > first && g.station < last) stations.push_back(g.station);
    double lowest = s.groundZ;
    *known = false;
    for (double station : stations) {
        bool here = false;
        const double z = b.site.GroundAt(station, &here);
        if (!here) continue;
        lowest = *known ? std::min(lowest, z) : z;
        *known = true;
    }
    return lowest;
}

// What the support's chain tells against the rules: a body out of range, a layout depth that disagrees, a cap
// that misses its bearing seat, a connection buried too deep or standing above the ground. `judge` is false
// when the site has no profile or ground line, and the chain's ends are not to be judged.
void JudgeChain(const Support& s, const Members& m, bool judge, std::vector<Finding>& findings) {
    const VerticalChain& c = s.chain;
    const bool hasBody = !None(s.bodyType), hasConnect = !None(s.connectType);
    const std::string where = Where(s);
    if (hasBody && (m.bodyKnown || judge) && (c.bodyLength <= 0 || c.bodyLength > kLongestColumn))
        findings.push_back({"COLUMN_LENGTH", 'E',
                              text::Format("%s的墩台身高度 %.3fm 不在 0～40m 之间。", where.c_str(), c.bodyLength),
                              m.bodyKnown ? projectdb::MemberTableOf(s.bodyType).value_or("") : projectdb::kSubLayoutTable,
                              -1});
    // The layout keeps its own deck-to-cap depth; where it disagrees with the chain, one of them is stale.
    const double layoutDepth = s.deckToCapCm / 100;
    const double chainDepth = c.pavement.value + c.girderDepth + c.bearing.value;
    if (s.deckToCapCm > 0 && std::fabs(layoutDepth - chainDepth) > kClosure)
        findings.push_back({"DECK_TO_CAP", 'W',
                              text::Format("%s的“帽梁顶面至桥面”为 %.0fcm，铺装、梁高与支座合计 %.3fm。",
                                           where.c_str(), s.deckToCapCm, chainDepth),
                              projectdb::kSubLayoutTable, s.record});
    if (!judge) return;
    if (c.Miss() < -kClosure)
        findings.push_back({"CAP_ABOVE_GIRDER", 'E',
                              text::Format("%s帽梁顶高程 %.3f，高出支座所需的 %.3f（桥面−铺装−梁高−支座）%.3fm：帽梁伸入梁体。",
                                           where.c_str(), c.capTopZ, c.seatZ, -c.Miss()),
                              projectdb::kSubLayoutTable, s.record});
    else if (c.Miss() > kClosure)
        findings.push_back({"SEAT_GAP", 'W',
                              text::Format("%s帽梁顶高程 %.3f，低于支座所需的 %.3f（桥面−铺装−梁高−支座）%.3fm：支座下留有空隙。",
                                           where.c_str(), c.capTopZ, c.seatZ, c.Miss()),
                              projectdb::kSubLayoutTable, s.record});
    if (hasConnect || IsFooting(s.foundationType)) {
        if (c.cover > kDeepestCover)
            findings.push_back({"CONNECTION_DEEP", 'W',
                                  text::Format("%s承台（基础）顶埋深 %.3fm，超过 3m。", where.c_str(), c.cover),
                                  projectdb::kSubLayoutTable, s.record});
        if (c.groundKnown && c.connectionTopZ > c.groundZ + kAboveGround)
            findings.push_back({"CONNECTION_ABOVE_GROUND", 'E',
                                  text::Format("%s承台（基础）顶 %.3f 高出地面 %.3f 达 %.3fm。", where.c_str(),
                                               c.connectionTopZ, c.groundZ, c.connectionTopZ - c.groundZ),
                                  projectdb::kSubLayoutTable, s.record});
    }
}

// 桥梁全长: from the back wall of the start abutment to that of the end abutment; the abutment stations
// are their joints, the front faces of the back walls.
double OverallLength(const std::vector<Support>& supports) {
    auto wall = [](const Support& s) { return s.backWallWidth > 0 ? s.backWallWidth : kStandardBackWallWidth; };
    if (supports.size() < 2) return 0;
    const Support &first = supports.front(), &last = supports.back();
    return last.station - first.station + wall(first) + wall(last);
}

}  // namespace

void ReadSubstructure(dao::Database& db, Bridge& b) {
    MemberRecords records(db, b.findings);
    const Allowance pavement = ReadPavement(db, b.findings);
    const Deck* deck = b.DesignedDeck();
    const double width = deck ? deck->width : 0;
    int proposed = 0;
    // Without a profile or a ground line the chain has no ends to meet: the missing data are told once
    // (where the site is read), not as a miss at every support.
    const bool judge = b.site.hasProfile && !b.site.ground.empty();
    for (Support& s : b.supports) {
        VerticalChain& c = s.chain;
        std::string type;
        GirderAt(b, s, c.girderDepth, type);
        c.deckZ = s.deckZ;
        c.pavement = pavement;
        c.bearing = {StandardBearing(type), StandardBearingName(type), true};
        c.seatZ = c.deckZ - c.pavement.value - c.girderDepth - c.bearing.value;

        const Members m = ReadMembers(records, s);
        PlaceColumns(b, s, m, width);
        double longest = 0;
        for (int i : {s.index - 1, s.index})
            if (i >= 0 && i < static_cast<int>(b.spans.size())) longest = std::max(longest, b.spans[i].length);
        s.foundation = ReadFoundation(records, s, longest);

        const bool hasCap = !None(s.capType), hasBody = !None(s.bodyType), hasConnect = !None(s.connectType);
        c.capHeight = hasCap ? (m.capKnown ? m.capHeight : kStandardCapHeight) : 0;
        c.connectionHeight = !hasConnect   ? 0
                             : m.connectKnown ? m.connectHeight
                                              : StandardConnectionHeight(s.connectType, longest, m.bodyAlong);
        c.cover = s.groundToTopCm / 100;
        c.groundZ = LowestGroundUnderConnection(b, s, width, &c.groundKnown);
        // Read bottom-up: the connection top from the ground, then the body, then the cap. A support without
        // body and connection stands on its piles, whose heads the cap sets.
        const bool standsOnPiles = !hasBody && !hasConnect;
        c.connectionTopZ = standsOnPiles ? c.seatZ - c.capHeight : c.groundZ - c.cover;
        c.membersKnown = (!hasCap || m.capKnown) && (!hasBody || m.bodyKnown) && (!hasConnect || m.connectKnown);
        if (hasBody && m.bodyKnown) {
            c.bodyLength = m.bodyLength;
        } else if (hasBody) {
            // Not designed yet: the body the chain needs, marked as proposed.
            c.bodyLength = c.seatZ - c.capHeight - c.connectionTopZ;
        }
        c.proposed = !c.membersKnown;
        if (c.proposed) ++proposed;
        c.capTopZ = c.connectionTopZ + c.bodyLength + c.capHeight;
        s.foundation.topZ = c.connectionTopZ - c.connectionHeight;
        s.foundation.tipZ = s.foundation.topZ - (s.foundation.kind == "桩基础" ? s.foundation.pileLength
                                                                                : s.foundation.depth);
        s.capLength = m.capLength;
        s.capWidth = m.capWidth;
        s.backWallWidth = m.backWall;
        s.bodyAlong = m.bodyAlong;
        s.bodyAcross = m.bodyAcross;
        s.roundBody = m.round;
        s.capRecord = m.capRecord;
        s.bodyRecord = m.bodyRecord;
        s.connectRecord = m.connectRecord;

        JudgeChain(s, m, judge, b.findings);
    }
    if (proposed > 0)
        b.findings.push_back({"MEMBERS_PROPOSED", 'W',
                              text::Format("%d个墩台的构件尺寸尚未设计（构件表中没有），按标准值拟定。", proposed),
                              projectdb::kSubLayoutTable, -1});
    b.length = OverallLength(b.supports);
}

}  // namespace bridge

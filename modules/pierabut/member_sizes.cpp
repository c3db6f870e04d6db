#include "pierabut/member_sizes.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <numbers>

#include "bridge/standard_sizes.h"
#include "kit/standard_sizes.h"

namespace pierabut {
namespace {

using dao::Value;
using modulekit::M;
using modulekit::N;
using modulekit::S;

using modulekit::RoundUp;
double Round(double value, double step) { return modulekit::RoundTo(value, step); }

// A height the chain gives, or an empty cell where the site does not give one.
Value Height(const std::optional<double>& height) { return height ? M(*height) : Value::Null(); }

projectdb::TableSchema WithBackWallHeight() {
    projectdb::TableSchema t = modulekit::SchemaOf(projectdb::kAbutCap2Table);
    t.fields.push_back({"BackWallHeight", dao::dbDouble, projectdb::kDoubleSize, "背墙高", "背墙高"});
    return t;
}

projectdb::TableSchema CaissonTable() {
    using projectdb::FieldDef;
    projectdb::TableSchema t;
    t.name = projectdb::kCaissonTable;
    t.keyField = "PierAbutmentNum";
    auto D = [](const char* name, const char* caption) {
        return FieldDef{name, dao::dbDouble, projectdb::kDoubleSize, caption, caption};
    };
    t.fields = {FieldDef{"PierAbutmentNum", dao::dbLong, projectdb::kLongSize, "墩台号", "墩台号"},
                D("CaissonLength", "沉井长"),
                D("CaissonWidth", "沉井宽"),
                D("CaissonHeight", "沉井高"),
                D("WallThickness", "井壁厚"),
                D("CrossAngle", "交角")};
    return t;
}

// Rows of piles or footings under a support: two for a multi-row or quincunx pile group, one otherwise.
int PileRows(const std::string& foundation) {
    return foundation == "多排桩基础" || foundation == "梅花形桩基础" ? 2 : 1;
}

// Abutment caps: the pile-and-rib abutment's 1 m, the gravity abutment's 0.5 m.
constexpr double kAbutmentCapHeight = 1.0;
constexpr double kGravityCapHeight = 0.5;
// A bearing with its plate takes 40 cm along the bridge.
constexpr double kBearingPlate = 0.4;

double AbutmentCapHeight(const std::string& capType) {
    return capType == "2类台帽" ? kGravityCapHeight : kAbutmentCapHeight;
}

// What every member record of a support starts from.
struct Context {
    const modulekit::SupportFacts& s;
    const SupportSizes& z;
    double angle;
    double rowSpacing;    // friction piles at 2.5 diameters
    double footingWidth;  // across the pile rows, 0.5 m beyond the outer piles
    double bodyLength;    // a solid body a metre shorter than its cap
    // The support's number, `fields`, then the standard parts the member takes as they are.
    modulekit::Record with(const modulekit::Record& fields, std::initializer_list<modulekit::Record> parts = {}) const {
        modulekit::Record r = modulekit::Joined({{"PierAbutmentNum", N(s.number)}}, fields);
        for (const modulekit::Record& part : parts) r = modulekit::Joined(std::move(r), part);
        return r;
    }
};

// The standard parts of a cap: a 50 cm × 40 cm chamfer at its ends, and fender stops 30 cm long and 40 cm
// high at the positions the drawing takes as its own (0).
const modulekit::Record kChamfer = {{"ChamferLength", M(0.50)}, {"ChamferHeight", M(0.40)}, {"ChamferWidth", M(0)}};
const modulekit::Record kFenders = {
    {"FenderLength", M(0.30)}, {"FenderHeight", M(0.40)}, {"LeftFenderPosition", M(0)}, {"RightFenderPosition", M(0)}};

// The caps of piers: 1类 (one block), 2类 (shaped), 3类 (two halves over an expansion joint).
modulekit::Record PierCapRecord(const std::string& type, const Context& c) {
    const SupportSizes& z = c.z;
    if (type == "1类墩帽")
        return c.with(
            {{"CopingLength", M(z.capLength)}, {"CopingWidth", M(z.capWidth)}, {"CopingHeight", M(z.capHeight)}},
            {kChamfer, kFenders});
    if (type == "2类墩帽")
        return c.with({{"CopingShape", S("矩形")},
                       {"CopingLength1", M(z.capLength)},
                       {"CopingLength2", M(z.capLength)},
                       {"CopingWidth", M(z.capWidth)},
                       {"CopingHeight", M(z.capHeight)}},
                      {kFenders});
    if (type == "3类墩帽") {
        // An expansion pier: the cap in two halves, one under each span's bearings.
        const double half = Round(z.capWidth / 2, 0.05);
        return c.with({{"CopingLength", M(z.capLength)},
                       {"CopingWidth1", M(half)},
                       {"CopingWidth2", M(half)},
                       {"CopingHeight1", M(z.capHeight)},
                       {"CopingHeight2", M(z.capHeight)},
                       {"FenderLength1", M(0.30)},
                       {"FenderHeight1", M(0.40)},
                       {"LeftFenderPos1", M(0)},
                       {"RightFenderPos1", M(0)},
                       {"FenderLength2", M(0.30)},
                       {"FenderHeight2", M(0.40)},
                       {"LeftFenderPos2", M(0)},
                       {"RightFenderPos2", M(0)}},
                      {kChamfer});
    }
    return {};
}

// The caps of abutments: 1类 over columns or ribs, 2类 over a gravity U abutment.
modulekit::Record AbutmentCapRecord(const std::string& type, const Context& c) {
    const SupportSizes& z = c.z;
    if (type == "1类台帽")
        // Back wall 40 cm thick up to the deck; 3 m ear walls, 50 cm thick; a 30 cm bracket for the
        // approach slab.
        return c.with({{"CopingLength", M(z.capLength)},
                       {"CopingWidth", M(z.capWidth)},
                       {"CopingHeight", M(kAbutmentCapHeight)},
                       {"WingWallLength1", M(3.0)},
                       {"WingWallLength2", M(1.0)},
                       {"WingWallWidth", M(0.50)},
                       {"WingWallHeight1", M(z.backWall + 1.0)},
                       {"WingWallHeight2", M(0.50)},
                       {"WingWallType", S("直耳墙")},
                       {"BackWallWidth", M(0.40)},
                       {"BackWallHeight", M(z.backWall)},
                       {"BracketLength", M(z.capLength)},
                       {"BracketWidth", M(0.30)},
                       {"BracketHeight", M(0.30)},
                       {"BracketPos1", M(0.30)},
                       {"BracketPos2", M(0.30)}},
                      {kFenders});
    if (type == "2类台帽")
        return c.with({{"CopingLength", M(z.capLength)},
                       {"CopingWidth", M(1.0)},
                       {"CopingFrontHeight", M(kGravityCapHeight)},
                       {"CopingBackHeight", M(0.50)},
                       {"CopingOstiumHeight", M(0.30)},
                       {"BackWallWidth", M(0.50)},
                       {"BracketWidth", M(0.30)},
                       {"BackWallHeight", M(z.backWall)}},
                      {kFenders});
    return {};
}

modulekit::Record CapRecord(const std::string& type, const Context& c) {
    modulekit::Record pier = PierCapRecord(type, c);
    return pier.empty() ? AbutmentCapRecord(type, c) : pier;
}

modulekit::Record BodyRecord(const std::string& type, const Context& c) {
    const SupportSizes& z = c.z;
    if (type == "圆形截面柱式墩身")
        return c.with({{"PierColumnNum", N(z.columns)},
                       {"SectionDiameter", M(z.column)},
                       {"PierColumnLength", Height(z.bodyHeight)},
                       {"SpaceBetween", M(z.columnSpacing)}});
    if (type == "矩形截面柱式墩身")
        return c.with({{"PierColumnNum", N(z.columns)},
                       {"SectionLength", M(z.column)},
                       {"SectionWidth", M(z.column)},
                       {"PierColumnLength", Height(z.bodyHeight)},
                       {"SpaceBetween", M(z.columnSpacing)}});
    // Solid piers a metre shorter than their cap and 20 cm narrower, battered 1:40 (given as 0.025).
    if (type == "尖端形截面实体式墩身")
        return c.with({{"BodyTopLength1", M(c.bodyLength)},
                       {"BodyTopLength2", M(std::max(0.5, c.bodyLength - z.capWidth))},
                       {"BodyTopWidth", M(z.capWidth - 0.2)},
                       {"BodyHeight", Height(z.bodyHeight)},
                       {"BodyGradient", M(0.025)}});
    if (type == "圆端形截面实体式墩身" || type == "矩形截面实体式墩身")
        return c.with({{"BodyTopLength", M(c.bodyLength)},
                       {"BodyTopWidth", M(z.capWidth - 0.2)},
                       {"BodyHeight", Height(z.bodyHeight)},
                       {"BodyGradient", M(0.025)}});
    if (type == "多边形截面薄壁墩身")
        // A hollow wall pier: outer outline of the solid pier, 50 cm walls, 1 m solid at top and foot.
        return c.with({{"BodyLength1", M(c.bodyLength)},
                       {"BodyLength2", M(std::max(0.5, c.bodyLength - 1.0))},
                       {"BodyWidth1", M(z.capWidth - 0.2)},
                       {"BodyWidth2", M(std::max(0.2, z.capWidth - 1.2))},
                       {"BodyWidth3", M(0.50)},
                       {"BodyWidth4", M(0.50)},
                       {"BodyWidth5", M(0.20)},
                       {"BodyWidth6", M(0.20)},
                       {"BodyHeight1", M(1.0)},
                       {"BodyHeight2", M(1.0)}});
    if (type == "肋板式台身") {
        // Ribs 1 m thick, about one per 6 m of deck, 1 m wide at the top, upright.
        const long ribs = std::max(2L, static_cast<long>(std::ceil(z.capLength / z.alongLine / 6.0 - 1e-9)));
        return c.with({{"RibSlabNum", N(ribs)},
                       {"RibSlabTopWidth", M(1.0)},
                       {"RibSlabHeight", Height(z.bodyHeight)},
                       {"RibSlabThick", M(1.0)},
                       {"SpaceBetween", M(Round(z.capLength / ribs, 0.01))},
                       {"CrossAngle", M(c.angle)},
                       {"RibSlabGradient", M(0)}});
    }
    if (type == "U型桥台台身") {
        // Front wall battered 1:10 in front and 1:4 at the back; side walls long enough for a 1:1.5 cone.
        const std::optional<double> wing =
            z.bodyHeight ? std::optional<double>(RoundUp(1.5 * *z.bodyHeight, 0.1)) : std::nullopt;
        return c.with({{"FrontWallLength", M(z.capLength)},
                       {"FrontWallWidth", M(1.0)},
                       {"FrontWallHeight", Height(z.bodyHeight)},
                       {"BodyFrontGrade", M(0.1)},
                       {"BodyBackGrade", M(0.25)},
                       {"WingWallLength", Height(wing)},
                       {"WingWallWidth1", M(0.75)},
                       {"WingWallWidth2", M(0.90)},
                       {"WingWallHeight1", Height(z.bodyHeight)},
                       {"WingWallHeight2", M(0.40)},
                       {"WingWallInGrade", M(0.25)},
                       {"WingWallTopGrade", M(0)},
                       {"WingWallType", S("直墙")}});
    }
    return {};
}

modulekit::Record ConnectionRecord(const std::string& type, const Context& c) {
    const modulekit::SupportFacts& s = c.s;
    const SupportSizes& z = c.z;
    // The depth the bridge model proposes for a connection not sized yet, so that both agree.
    const double depth = bridge::StandardConnectionHeight(type, s.longestSpan, z.column);
    if (type == "1类承台")
        // One footing over the whole pile group, 0.5 m beyond the outer piles.
        return c.with({{"BearingPlatLength", M(Round((z.columns - 1) * z.columnSpacing + z.pile + 1.0, 0.01))},
                       {"BearingPlatWidth", M(c.footingWidth)},
                       {"BearingPlatHeight", M(depth)},
                       {"CrossAngle", M(c.angle)}});
    if (type == "2类承台")
        return c.with({{"BearingPlatNum", N(z.columns)},
                       {"BearingPlatLength1", M(z.pile + 1.0)},
                       {"BearingPlatLength2", M(z.pile + 1.0)},
                       {"BearingPlatWidth1", M(0.50)},
                       {"BearingPlatWidth2", M(z.pile + 1.0)},
                       {"BearingPlatWidth3", M(z.columnSpacing)},
                       {"BearingPlatHeight", M(depth)},
                       {"CrossAngle", M(c.angle)}});
    if (type == "桩帽")
        return c.with({{"SectionType", S("矩形")},
                       {"PileCapLength", M(z.pile + 0.6)},
                       {"PileCapWidth", M(z.pile + 0.6)},
                       {"PileCapHeight", M(depth)}});
    if (type == "系梁")
        return c.with({{"ConBeamWidth", M(Round(0.8 * z.column, 0.05))}, {"ConBeamHeight", M(depth)}});

    return {};
}

modulekit::Record FoundationRecord(const std::string& type, const Context& c) {
    const SupportSizes& z = c.z;
    if (type == "单排桩基础")
        return c.with({{"PileNum", N(z.columns)},
                       {"PileDiameter", M(z.pile)},
                       {"PileLength", M(z.pileLength)},
                       {"SpaceBetween", M(z.columnSpacing)}});
    if (type == "多排桩基础")
        return c.with({{"PileNumX", N(std::max(2L, z.columns))},
                       {"PileNumY", N(2)},
                       {"PileDiameter", M(z.pile)},
                       {"PileLength", M(z.pileLength)},
                       {"PilePosX", M(z.columns > 1 ? z.columnSpacing : Round(z.capLength / 2, 0.01))},
                       {"PilePosY", M(c.rowSpacing)}});
    if (type == "梅花形桩基础")
        return c.with({{"PileNum", N(2 * z.columns + 1)},
                       {"PileDiameter", M(z.pile)},
                       {"PileLength", M(z.pileLength)},
                       {"PileDist", M(c.rowSpacing)}});
    if (type == "台阶形扩大基础")
        // Two 1 m steps, each stepping out 0.5 m.
        return c.with({{"FoundationNum", N(1)},
                       {"StepNum", N(2)},
                       {"FirstStepLength", M(Round(c.bodyLength + 2.0, 0.01))},
                       {"FirstStepWidth", M(z.capWidth + 2.0)},
                       {"StepHeight", M(1.0)},
                       {"StepRisingLength", M(0.50)},
                       {"StepRisingWidth", M(0.50)},
                       {"SpaceBetween", M(0)},
                       {"CrossAngle", M(c.angle)}});
    if (type == "梯形扩大基础")
        return c.with({{"FoundationNum", N(1)},
                       {"FoundationLength1", M(Round(c.bodyLength + 1.0, 0.01))},
                       {"FoundationLength2", M(Round(c.bodyLength + 2.0, 0.01))},
                       {"FoundationWidth1", M(z.capWidth + 1.0)},
                       {"FoundationWidth2", M(z.capWidth + 2.0)},
                       {"FoundationHeight", M(2.0)},
                       {"FoundationT", M(0.50)},
                       {"SpaceBetween", M(0)},
                       {"CrossAngle", M(c.angle)}});
    if (type == "U台扩大基础(台阶形)")
        return c.with({{"StepNum", M(2)},
                       {"StepHeight", M(1.0)},
                       {"StepRising", M(0.50)},
                       {"ChamferLength1", M(0.50)},
                       {"ChamferLength2", M(0.50)}});
    if (type == "U台扩大基础(趾板式)")
        return c.with({{"FoundationHeight", M(1.5)},
                       {"ChamferLength1", M(0.50)},
                       {"ChamferLength2", M(0.50)},
                       {"ChamferWidth1", M(1.0)},
                       {"ChamferWidth2", M(1.0)},
                       {"ChamferHeight", M(0.50)}});
    if (type == "沉井基础")
        // A caisson 1 m larger than the cap all round, 10 m deep, 1 m walls.
        return c.with({{"CaissonLength", M(Round(z.capLength + 2.0, 0.01))},
                       {"CaissonWidth", M(z.capWidth + 2.0)},
                       {"CaissonHeight", M(10.0)},
                       {"WallThickness", M(1.0)},
                       {"CrossAngle", M(c.angle)}});
    return {};
}

}  // namespace

SupportSizes SizesFor(const modulekit::SupportFacts& s, double deckWidth, double bearingSpread) {
    SupportSizes z;
    z.alongLine = 1.0 / std::sin(s.angle * std::numbers::pi / 180.0);
    const double L = s.longestSpan;
    z.column = L <= 16 ? 1.0 : L <= 25 ? 1.2 : L <= 35 ? 1.5 : 1.8;
    z.pile = z.column + 0.2;
    z.pileLength = L <= 20 ? 20 : L <= 30 ? 25 : 30;
    z.columns = std::max(1L, static_cast<long>(std::ceil(deckWidth / 7.0 - 1e-9)));
    z.columnSpacing = Round(deckWidth / z.columns * z.alongLine, 0.01);
    // A pier cap stops 25 cm short of each deck edge but always covers its columns with 0.5 m to spare; an
    // abutment cap runs the full deck width.
    const double pierCap = std::max((deckWidth - 0.5) * z.alongLine,
                                    (z.columns - 1) * z.columnSpacing + z.column + 1.0);
    z.capLength = Round(s.abutment ? deckWidth * z.alongLine : pierCap, 0.01);
    // Along the bridge the cap holds its columns with 15 cm each side, and the bearing lines on it with
    // their 40 cm plates and 15 cm of edge beyond each.
    z.capWidth = std::max({1.2, RoundUp(z.column + 0.3, 0.1), RoundUp(bearingSpread + kBearingPlate + 0.3, 0.1)});
    z.capHeight = std::max(1.0, Round(z.capWidth * 0.8, 0.1));
    // The back wall rises from the cap top to the pavement: the girder and its bearing; the layout's
    // deck-to-cap depth where the model knows no girder there.
    const double underDeck = s.chain.girderDepth + s.chain.bearing;
    z.backWall = s.chain.girderDepth > 0 ? underDeck : s.deckToCap > 0 ? s.deckToCap : z.backWall;
    if (s.chain.known) {
        const double cap = s.abutment ? AbutmentCapHeight(s.types[0]) : z.capHeight;
        z.bodyHeight = BodyHeightUnder(s.chain, s.types[0] == "无" ? 0 : cap);
    }
    return z;
}

modulekit::Record MemberRecord(const std::string& type, const modulekit::SupportFacts& s, const SupportSizes& z) {
    const double rowSpacing = RoundUp(2.5 * z.pile, 0.1);
    const Context c{s,
                    z,
                    s.angle,
                    rowSpacing,
                    (PileRows(s.types[3]) - 1) * rowSpacing + z.pile + 1.0,
                    std::max(1.0, z.capLength - 1.0)};
    for (auto record : {CapRecord, BodyRecord, ConnectionRecord, FoundationRecord})
        if (modulekit::Record r = record(type, c); !r.empty()) return r;
    return {};
}

std::vector<std::string> CapHeightFields(const std::string& capType) {
    if (capType == "1类墩帽" || capType == "2类墩帽" || capType == "1类台帽") return {"CopingHeight"};
    if (capType == "3类墩帽") return {"CopingHeight1", "CopingHeight2"};
    if (capType == "2类台帽") return {"CopingFrontHeight"};
    return {};
}

std::string BodyHeightField(const std::string& bodyType) {
    if (bodyType == "圆形截面柱式墩身" || bodyType == "矩形截面柱式墩身") return "PierColumnLength";
    if (bodyType == "尖端形截面实体式墩身" || bodyType == "圆端形截面实体式墩身" || bodyType == "矩形截面实体式墩身")
        return "BodyHeight";
    if (bodyType == "肋板式台身") return "RibSlabHeight";
    if (bodyType == "U型桥台台身") return "FrontWallHeight";
    return {};
}

double BodyHeightUnder(const modulekit::ChainFacts& chain, double capHeight) {
    return Round(chain.seatZ - capHeight - chain.connectionTopZ, 0.001);
}

const projectdb::TableSchema& MemberSchema(const std::string& table) {
    static const projectdb::TableSchema abutCap2 = WithBackWallHeight();
    static const projectdb::TableSchema caisson = CaissonTable();
    if (table == abutCap2.name) return abutCap2;
    if (table == caisson.name) return caisson;
    return modulekit::SchemaOf(table.c_str());
}

}  // namespace pierabut

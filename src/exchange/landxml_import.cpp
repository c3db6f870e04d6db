#include "exchange/landxml_import.h"

#include <sqlite3.h>

#include <array>
#include <cmath>
#include <utility>

#include "calc/plan_alignment.h"
#include "calc/cross_slope.h"
#include "calc/route_tables.h"
#include "exchange/landxml_reader.h"
#include "exchange/route_import.h"
#include "exchange/route_table_writer.h"
#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "projectdb/record_access.h"
#include "projectdb/schema.h"

namespace exchange {
namespace {

// The tables keep the full precision of the file: a micrometre, a nanoradian.
std::string Number(double value) { return text::Format("%.10f", value); }

double Radius(double curvature) { return curvature == 0 ? 0 : 1 / std::abs(curvature); }

// Replaces `table`'s records with one record per item: the fields named in `fields`, in that order, take the
// texts `values` gives for the item. The number of records written.
template <class Item, std::size_t N, class Values>
long WriteRecords(dao::Database& db, const std::string& table, const std::array<const char*, N>& fields,
                  const std::vector<Item>& items, Values values) {
    RouteTableWriter writer(db, table);
    writer.prepare();
    std::array<int, N> positions{};
    for (std::size_t i = 0; i < N; ++i) positions[i] = writer.field(fields[i]);
    for (const Item& item : items) {
        const std::array<std::string, N> texts = values(item);
        writer.addNew();
        for (std::size_t i = 0; i < N; ++i) writer.set(positions[i], texts[i]);
        writer.update();
    }
    return writer.written();
}

// `xIsEasting`: the project's table stores the easting in X, as some route data do; the import keeps that.
long WritePlan(dao::Database& db, const std::vector<calc::PlanElement>& elements, bool xIsEasting) {
    static constexpr std::array fields{"CurveSectNum", "CurveType",   "CurveDirect",     "StartPointStake",
                                       "StartPointX",  "StartPointY", "StartPointAngle", "StartPointRadii",
                                       "EndPointX",    "EndPointY",   "EndPointAngle",   "EndPointRadii",
                                       "CurveLength",  "A_Value"};
    // The table's X and Y of a point: the northing first, unless the project keeps the easting in X.
    auto tableXY = [xIsEasting](double north, double east) {
        return xIsEasting ? std::pair{Number(east), Number(north)} : std::pair{Number(north), Number(east)};
    };
    int n = 0;
    return WriteRecords(db, projectdb::kHorizontalCurveTable, fields, elements, [&](const calc::PlanElement& e) {
        const calc::PlanPoint end = calc::PointOnElement(e, e.length);
        const double turn = e.k0 != 0 ? e.k0 : e.k1;
        const auto [x0, y0] = tableXY(e.x0, e.y0);
        const auto [x1, y1] = tableXY(end.x, end.y);
        // A = sqrt(L / |1/R1 − 1/R0|), also for a clothoid between two arcs.
        const double change = std::abs(e.k1 - e.k0);
        const double a = e.type == calc::PlanElementType::Clothoid && change > 0 ? std::sqrt(e.length / change) : 0;
        const char* direction = turn > 0 ? "右偏" : turn < 0 ? "左偏" : "无";
        const double endRadius = Radius(e.type == calc::PlanElementType::Line ? 0 : e.k1);
        return std::array<std::string, fields.size()>{
            std::to_string(++n), calc::ElementTypeName(e.type), direction, Number(e.startStake),  // the element
            x0, y0, Number(e.azimuth0), Number(Radius(e.k0)),                                      // its start
            x1, y1, Number(end.azimuth), Number(endRadius),                                        // its end
            Number(e.length), Number(a)};
    });
}

long WriteProfile(dao::Database& db, const std::vector<calc::TurningPoint>& points) {
    return WriteRecords(db, projectdb::kVerticalCurveTable,
                        std::array{"TurnPointStake", "TurnPointElev", "TurnPointRadii"}, points,
                        [](const calc::TurningPoint& p) {
                            return std::array{Number(p.stake), Number(p.elevation), Number(p.radius)};
                        });
}

long WriteSlopes(dao::Database& db, const std::vector<calc::SlopeSegment>& segments) {
    return WriteRecords(db, projectdb::kDeckSlopeTable, std::array{"起点桩号", "终点桩号", "左半桥横坡", "右半桥横坡"},
                        segments, [](const calc::SlopeSegment& s) {
                            return std::array{Number(s.start), Number(s.end), Number(s.left), Number(s.right)};
                        });
}

// The project's 超高过渡方法 text; empty where the project has none.
std::string TransitionMethod(dao::Database& db) {
    try {
        if (!db.HasTableDef("一般信息表")) return {};
        dao::Recordset set(db);
        set.Open("Select * From [一般信息表]");
        if (set.IsEOF()) return {};
        if (int i = set.FieldIndex("超高过渡方法"); i >= 0) return set.GetFieldValue(i).toString();
    } catch (const dao::DaoException&) {
        // an unreadable method reads as none: the default law then decides, and the import refuses if it must
    }
    return {};
}

// The stakes an alignment covers: from its first element's start to its last element's end.
RouteRange PlanExtent(const LandXmlAlignment& a) {
    const calc::PlanElement& last = a.elements.back();
    return {a.elements.front().startStake, last.startStake + last.length};
}

bool Covers(const RouteRange& outer, const RouteRange& inner) {
    constexpr double kSlack = 1e-6;
    return outer.start <= inner.start + kSlack && outer.end >= inner.end - kSlack;
}

std::string RangeText(const RouteRange& r) { return StakeText(r.start) + "～" + StakeText(r.end); }

bool Ask(ui::Prompter& prompt, const std::string& question) {
    return prompt.message(question, ui::Buttons::YesNo, ui::Icon::Question) == ui::Answer::Yes;
}

void EndUnfinishedTransaction(dao::Database& db) {
    if (db.handle() && !sqlite3_get_autocommit(db.handle()))
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

// The first alignment of that name; the first of all when no name is given.
const LandXmlAlignment* FindAlignment(const LandXmlDocument& document, const std::optional<std::string>& name) {
    for (const auto& a : document.alignments)
        if (!name || a.name == *name) return &a;
    return nullptr;
}

std::vector<std::string> AlignmentNames(const LandXmlDocument& document) {
    std::vector<std::string> names;
    for (const auto& a : document.alignments) names.push_back(a.name);
    return names;
}

std::string MissingAlignmentText(const LandXmlDocument& document, const std::string& name) {
    std::string list;
    for (const auto& n : AlignmentNames(document)) list += (list.empty() ? "" : "、") + n;
    return "文件中没有名为“" + name + "”的路线；文件中的路线：" + list + "。";
}

// Why the tables cannot hold the alignment; empty when they can.
std::string RefusalOf(const LandXmlAlignment& chosen, dao::Database& db) {
    if (!chosen.refusals.empty()) {
        std::string text = "路线“" + chosen.name + "”不能导入：";
        for (const auto& r : chosen.refusals) text += "\n" + r + "。";
        return text;
    }
    if (chosen.slopes.needsLinearTransition) {
        const std::string method = TransitionMethod(db);
        if (calc::TransitionLawFromText(method) != calc::TransitionLaw::Linear)
            return "路线“" + chosen.name + "”的超高按长度线性过渡，而本项目的超高过渡方法是“" +
                   (method.empty() ? std::string("按高次抛物线分配") : method) +
                   "”，桥面横坡资料表不能准确表示。\n请在一般信息中把超高过渡方法改为“按长度分配”后再导入。";
    }
    return {};
}

// Asks before an import that would leave the vertical curves as they are or not cover the whole bridge;
// false when the user answers No.
bool UserAcceptsGaps(const LandXmlAlignment& chosen, dao::Database& db, ui::Prompter& prompt) {
    if (!chosen.hasProfile &&
        !Ask(prompt, "路线“" + chosen.name + "”没有纵断面数据，竖曲线资料表将保持原样。\n继续导入平曲线数据?"))
        return false;
    const auto bridge = ReadBridgeExtent(db);
    if (!bridge) return true;
    RouteRange covered = PlanExtent(chosen);
    if (chosen.hasProfile) {
        covered.start = std::max(covered.start, chosen.profile.front().stake);
        covered.end = std::min(covered.end, chosen.profile.back().stake);
    }
    return Covers(covered, *bridge) || Ask(prompt, "路线“" + chosen.name + "”的数据（" + RangeText(covered) +
                                                       "）没有覆盖整座桥梁（" + RangeText(*bridge) + "）。\n继续导入?");
}

// Replaces the route tables with the alignment in one transaction, under a progress window. On a database
// error the project stays as it was and the result says nothing was written.
void WriteAlignment(dao::Database& db, const LandXmlAlignment& chosen, ui::Interaction& ui,
                    LandXmlImportResult& result) {
    const bool xIsEasting = calc::ReadRouteTables(db).xIsEasting;
    ui.progress.setTitle(kLandXmlProgressTitle);
    ui.progress.setText(kLandXmlProgressText);
    ui.progress.setRange(0, 2);
    ui.progress.setStep(1);
    ui.progress.setPos(0);
    ui.progress.show();
    try {
        dao::Transaction transaction(db);
        result.planRecords = WritePlan(db, chosen.elements, xIsEasting);
        ui.progress.step();
        if (chosen.hasProfile) result.profileRecords = WriteProfile(db, chosen.profile);
        if (chosen.slopes.present) result.slopeRecords = WriteSlopes(db, chosen.slopes.segments);
        ui.progress.step();
        transaction.Commit();
        result.outcome = LandXmlOutcome::Imported;
    } catch (const dao::DaoException& e) {
        EndUnfinishedTransaction(db);
        projectdb::ReportDaoError(e, ui.prompt);
        result.outcome = LandXmlOutcome::Failed;
        result.planRecords = 0;
        result.profileRecords = -1;
        result.slopeRecords = -1;
    }
    ui.progress.close();
}

}  // namespace

LandXmlImportResult ImportLandXml(dao::Database& db, const std::string& path,
                                  const std::optional<std::string>& alignment, const AlignmentChooser& choose,
                                  ui::Interaction& ui) {
    LandXmlImportResult result;
    auto stop = [&result](LandXmlOutcome outcome) {
        result.outcome = outcome;
        return result;
    };
    auto refuse = [&](const std::string& text) {
        ui.prompt.message(text, ui::Buttons::Ok, ui::Icon::Stop);
        return stop(LandXmlOutcome::Refused);
    };
    const LandXmlDocument document = ReadLandXmlFile(path);
    if (!document.error.empty()) return refuse(document.error);

    std::optional<std::string> wanted = alignment;
    if (!wanted && document.alignments.size() > 1) {
        wanted = choose ? choose(AlignmentNames(document)) : std::nullopt;
        if (!wanted) return stop(LandXmlOutcome::Declined);
    }
    const LandXmlAlignment* chosen = FindAlignment(document, wanted);
    if (!chosen) return refuse(MissingAlignmentText(document, *wanted));
    result.alignment = chosen->name;
    if (const std::string refusal = RefusalOf(*chosen, db); !refusal.empty()) return refuse(refusal);
    if (!UserAcceptsGaps(*chosen, db, ui.prompt)) return stop(LandXmlOutcome::Declined);

    WriteAlignment(db, *chosen, ui, result);
    return result;
}

}  // namespace exchange

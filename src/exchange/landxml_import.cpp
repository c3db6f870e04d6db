#include "exchange/landxml_import.h"

#include <sqlite3.h>

#include <cmath>

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

// `xIsEasting`: the project's table stores the easting in X, as some route data do; the import keeps that.
void WritePlan(dao::Database& db, const std::vector<calc::PlanElement>& elements, bool xIsEasting, long& written) {
    RouteTableWriter table(db, projectdb::kHorizontalCurveTable);
    table.prepare();
    const int number = table.field("CurveSectNum"), type = table.field("CurveType"),
              direct = table.field("CurveDirect"), stake = table.field("StartPointStake"),
              x0 = table.field("StartPointX"), y0 = table.field("StartPointY"), a0 = table.field("StartPointAngle"),
              r0 = table.field("StartPointRadii"), x1 = table.field("EndPointX"), y1 = table.field("EndPointY"),
              a1 = table.field("EndPointAngle"), r1 = table.field("EndPointRadii"), length = table.field("CurveLength"),
              aValue = table.field("A_Value");
    int n = 0;
    for (const calc::PlanElement& e : elements) {
        const calc::PlanPoint end = calc::PointOnElement(e, e.length);
        const double turn = e.k0 != 0 ? e.k0 : e.k1;
        table.addNew();
        table.set(number, std::to_string(++n));
        table.set(type, calc::ElementTypeName(e.type));
        table.set(direct, turn > 0 ? "右偏" : turn < 0 ? "左偏" : "无");
        table.set(stake, Number(e.startStake));
        table.set(xIsEasting ? y0 : x0, Number(e.x0));
        table.set(xIsEasting ? x0 : y0, Number(e.y0));
        table.set(a0, Number(e.azimuth0));
        table.set(r0, Number(Radius(e.k0)));
        table.set(xIsEasting ? y1 : x1, Number(end.x));
        table.set(xIsEasting ? x1 : y1, Number(end.y));
        table.set(a1, Number(end.azimuth));
        table.set(r1, Number(Radius(e.type == calc::PlanElementType::Line ? 0 : e.k1)));
        table.set(length, Number(e.length));
        // A = sqrt(L / |1/R1 − 1/R0|), also for a clothoid between two arcs.
        const double change = std::abs(e.k1 - e.k0);
        table.set(aValue, Number(e.type == calc::PlanElementType::Clothoid && change > 0 ? std::sqrt(e.length / change) : 0));
        table.update();
    }
    written = table.written();
}

void WriteProfile(dao::Database& db, const std::vector<calc::TurningPoint>& points, long& written) {
    RouteTableWriter table(db, projectdb::kVerticalCurveTable);
    table.prepare();
    const int stake = table.field("TurnPointStake"), elevation = table.field("TurnPointElev"),
              radius = table.field("TurnPointRadii");
    for (const calc::TurningPoint& p : points) {
        table.addNew();
        table.set(stake, Number(p.stake));
        table.set(elevation, Number(p.elevation));
        table.set(radius, Number(p.radius));
        table.update();
    }
    written = table.written();
}

void WriteSlopes(dao::Database& db, const std::vector<calc::SlopeSegment>& segments, long& written) {
    RouteTableWriter table(db, projectdb::kDeckSlopeTable);
    table.prepare();
    const int start = table.field("起点桩号"), end = table.field("终点桩号"), left = table.field("左半桥横坡"),
              right = table.field("右半桥横坡");
    for (const calc::SlopeSegment& s : segments) {
        table.addNew();
        table.set(start, Number(s.start));
        table.set(end, Number(s.end));
        table.set(left, Number(s.left));
        table.set(right, Number(s.right));
        table.update();
    }
    written = table.written();
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

}  // namespace

LandXmlImportResult ImportLandXml(dao::Database& db, const std::string& path, const std::optional<std::string>& alignment,
                                  const AlignmentChooser& choose, ui::Interaction& ui) {
    LandXmlImportResult result;
    auto refuse = [&](const std::string& text) {
        ui.prompt.message(text, ui::Buttons::Ok, ui::Icon::Stop);
        result.outcome = LandXmlOutcome::Refused;
        return result;
    };
    const LandXmlDocument document = ReadLandXmlFile(path);
    if (!document.error.empty()) return refuse(document.error);

    std::vector<std::string> names;
    for (const auto& a : document.alignments) names.push_back(a.name);
    std::optional<std::string> wanted = alignment;
    if (!wanted && names.size() > 1) {
        wanted = choose ? choose(names) : std::nullopt;
        if (!wanted) {
            result.outcome = LandXmlOutcome::Declined;
            return result;
        }
    }
    const LandXmlAlignment* chosen = nullptr;
    for (const auto& a : document.alignments)
        if (!wanted || a.name == *wanted) chosen = chosen ? chosen : &a;
    if (!chosen) {
        std::string list;
        for (const auto& n : names) list += (list.empty() ? "" : "、") + n;
        return refuse("文件中没有名为“" + *wanted + "”的路线；文件中的路线：" + list + "。");
    }
    result.alignment = chosen->name;
    if (!chosen->refusals.empty()) {
        std::string text = "路线“" + chosen->name + "”不能导入：";
        for (const auto& r : chosen->refusals) text += "\n" + r + "。";
        return refuse(text);
    }

    if (chosen->slopes.needsLinearTransition) {
        const std::string method = TransitionMethod(db);
        if (calc::TransitionLawFromText(method) != calc::TransitionLaw::Linear)
            return refuse("路线“" + chosen->name + "”的超高按长度线性过渡，而本项目的超高过渡方法是“" +
                          (method.empty() ? std::string("按高次抛物线分配") : method) +
                          "”，桥面横坡资料表不能准确表示。\n请在一般信息中把超高过渡方法改为“按长度分配”后再导入。");
    }

    const RouteRange plan = PlanExtent(*chosen);
    if (!chosen->hasProfile &&
        !Ask(ui.prompt, "路线“" + chosen->name + "”没有纵断面数据，竖曲线资料表将保持原样。\n继续导入平曲线数据?")) {
        result.outcome = LandXmlOutcome::Declined;
        return result;
    }
    if (auto bridge = ReadBridgeExtent(db)) {
        RouteRange covered = plan;
        if (chosen->hasProfile) {
            covered.start = std::max(covered.start, chosen->profile.front().stake);
            covered.end = std::min(covered.end, chosen->profile.back().stake);
        }
        if (!Covers(covered, *bridge) &&
            !Ask(ui.prompt, "路线“" + chosen->name + "”的数据（" + RangeText(covered) + "）没有覆盖整座桥梁（" +
                                RangeText(*bridge) + "）。\n继续导入?")) {
            result.outcome = LandXmlOutcome::Declined;
            return result;
        }
    }

    const bool xIsEasting = calc::ReadRouteTables(db).xIsEasting;
    ui.progress.setTitle(kLandXmlProgressTitle);
    ui.progress.setText(kLandXmlProgressText);
    ui.progress.setRange(0, 2);
    ui.progress.setStep(1);
    ui.progress.setPos(0);
    ui.progress.show();
    try {
        dao::Transaction transaction(db);
        WritePlan(db, chosen->elements, xIsEasting, result.planRecords);
        ui.progress.step();
        if (chosen->hasProfile) WriteProfile(db, chosen->profile, result.profileRecords);
        if (chosen->slopes.present) WriteSlopes(db, chosen->slopes.segments, result.slopeRecords);
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
    return result;
}

}  // namespace exchange

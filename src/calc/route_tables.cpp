#include "calc/route_tables.h"

#include <functional>
#include <optional>

#include "platform/dao/dao_exception.h"
#include "platform/dao/sql.h"
#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace calc {

namespace {

// A problem found in one record of a table, raised to stop reading it.
struct TableProblem {
    std::string text;
};

// One record of an open table, its values read by field name.
class RecordReader {
public:
    RecordReader(dao::Recordset& set, const std::string& table, long record)
        : set_(set), table_(table), record_(record) {}

    bool HasField(const std::string& name) const { return set_.FieldIndex(name) >= 0; }

    int Field(const std::string& name) const {
        int index = set_.FieldIndex(name);
        if (index < 0) throw TableProblem{"“" + table_ + "”没有字段 " + name + "。"};
        return index;
    }

    // None for an empty value when `mayBeEmpty`; a problem for an empty value otherwise and for text that
    // is not a number.
    std::optional<double> Number(const std::string& name, bool mayBeEmpty = false) const {
        dao::Value v = set_.GetFieldValue(Field(name));
        if (v.isNull()) {
            if (mayBeEmpty) return std::nullopt;
            throw TableProblem{Where(name) + "为空。"};
        }
        if (v.isNumber()) return v.toDouble();
        double value = 0;
        if (v.isText() && text::ParseWholeNumber(v.text(), value)) return value;
        throw TableProblem{Where(name) + "“" + v.toString() + "”不是数值。"};
    }

    std::string Text(const std::string& name) const {
        dao::Value v = set_.GetFieldValue(Field(name));
        return v.isNull() ? std::string() : v.toString();
    }

private:
    std::string Where(const std::string& name) const {
        return text::Format("“%s”第%ld条记录的 %s ", table_.c_str(), record_, name.c_str());
    }

    dao::Recordset& set_;
    const std::string& table_;
    long record_;
};

// What a database error says; a bare status code when it carries no description.
std::string DaoText(const dao::DaoException& e) {
    if (e.m_bHasErrorInfo && !e.m_strDescription.empty()) return e.m_strDescription;
    return text::Format("数据库错误（%ld）", e.m_bHasErrorInfo ? e.m_lErrorCode : e.m_scode);
}

// Calls `read` for every record of a table in stake order as stored. False, with a problem added, when the
// table cannot be read; true and nothing read when the project has no such table.
bool ForEachRecord(dao::Database& db, const std::string& table, std::vector<std::string>& problems,
                   const std::function<void(const RecordReader&)>& read) {
    try {
        if (!db.HasTableDef(table)) return true;
        dao::Recordset set(db);
        set.Open(dao::SelectAllFrom(table));
        long record = 0;
        for (; !set.IsEOF(); set.MoveNext()) read(RecordReader(set, table, ++record));
        return true;
    } catch (const TableProblem& problem) {
        problems.push_back(problem.text);
    } catch (const dao::DaoException& e) {
        problems.push_back("不能读取“" + table + "”：" + DaoText(e));
    }
    return false;
}

PlanAlignment ReadPlan(dao::Database& db, std::vector<std::string>& problems, bool& xIsEasting,
                       std::vector<PlanRecord>& records) {
    const std::string table = "平曲线资料表";
    bool ok = ForEachRecord(db, table, problems, [&](const RecordReader& r) {
        PlanRecord record;
        auto number = r.Number("CurveSectNum", true);
        record.number = number ? static_cast<int>(*number) : static_cast<int>(records.size() + 1);
        record.type = r.Text("CurveType");
        record.direction = r.Text("CurveDirect");
        record.startStake = *r.Number("StartPointStake");
        record.startX = *r.Number("StartPointX");
        record.startY = *r.Number("StartPointY");
        record.startAzimuth = *r.Number("StartPointAngle");
        record.startRadius = *r.Number("StartPointRadii");
        record.endRadius = *r.Number("EndPointRadii");
        record.length = *r.Number("CurveLength");
        // The stored end is only a check of the angle unit; a table without it still gives the alignment.
        for (auto [name, slot] : {std::pair{"EndPointX", &record.endX}, std::pair{"EndPointY", &record.endY},
                                  std::pair{"EndPointAngle", &record.endAzimuth}})
            if (r.HasField(name)) *slot = r.Number(name, true);
        records.push_back(std::move(record));
    });
    if (!ok) {
        records.clear();
        return PlanAlignment();
    }
    const PlanConvention convention = DetectConvention(records);
    ApplyConvention(records, convention);
    xIsEasting = convention.xIsEasting;
    std::vector<PlanElement> elements;
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::string error;
        elements.push_back(ElementFromRecord(records[i], error));
        elements.back().record = static_cast<int>(i);
        if (!error.empty()) {
            problems.push_back(text::Format("“%s”第%zu条记录：%s。", table.c_str(), i + 1, error.c_str()));
            records.clear();
            return PlanAlignment();
        }
    }
    return PlanAlignment(std::move(elements));
}

VerticalProfile ReadProfile(dao::Database& db, std::vector<std::string>& problems) {
    std::vector<TurningPoint> points;
    bool ok = ForEachRecord(db, "竖曲线资料表", problems, [&](const RecordReader& r) {
        // The radius of the two end points is not used and may be left empty.
        points.push_back({*r.Number("TurnPointStake"), *r.Number("TurnPointElev"),
                          r.Number("TurnPointRadii", true).value_or(0.0), static_cast<int>(points.size())});
    });
    return ok ? VerticalProfile(std::move(points)) : VerticalProfile();
}

RoadDesignTable ReadDesignTable(dao::Database& db, std::vector<std::string>& problems) {
    std::vector<DesignSection> sections;
    bool ok = ForEachRecord(db, "路基设计表", problems, [&](const RecordReader& r) {
        DesignSection s;
        s.stake = *r.Number("CenterStake");
        s.centreElevation = *r.Number("CenterElev");
        s.record = static_cast<int>(sections.size());
        for (int k = 1; k <= 8; ++k) {
            // Sections with fewer points leave the last pairs empty.
            auto dist = r.Number("Dist" + std::to_string(k), true);
            auto elev = r.Number("Elev" + std::to_string(k), true);
            if (dist && elev) s.pairs.emplace_back(*dist, *elev);
        }
        sections.push_back(std::move(s));
    });
    return ok ? RoadDesignTable(std::move(sections)) : RoadDesignTable();
}

std::vector<SlopeSegment> ReadSlopeSegments(dao::Database& db, std::vector<std::string>& problems) {
    std::vector<SlopeSegment> segments;
    bool ok = ForEachRecord(db, "桥面横坡资料表", problems, [&](const RecordReader& r) {
        segments.push_back({*r.Number("起点桩号"), *r.Number("终点桩号"), *r.Number("左半桥横坡"),
                            *r.Number("右半桥横坡"), static_cast<int>(segments.size())});
    });
    return ok ? segments : std::vector<SlopeSegment>();
}

// The two method texts of the general information; empty where the table or the field is missing.
void ReadMethods(dao::Database& db, std::string& elevation, std::string& transition,
                 std::vector<std::string>& problems) {
    try {
        if (!db.HasTableDef("一般信息表")) return;
        dao::Recordset set(db);
        set.Open("Select * From [一般信息表]");
        if (set.IsEOF()) return;
        if (int i = set.FieldIndex("高程计算方法"); i >= 0) elevation = set.GetFieldValue(i).toString();
        if (int i = set.FieldIndex("超高过渡方法"); i >= 0) transition = set.GetFieldValue(i).toString();
    } catch (const dao::DaoException& e) {
        problems.push_back("不能读取“一般信息表”：" + DaoText(e));
    }
}

}  // namespace

RouteData ReadRouteTables(dao::Database& db) {
    RouteData data;
    std::string elevationMethod, transitionMethod;
    ReadMethods(db, elevationMethod, transitionMethod, data.problems);
    data.method = elevationMethod == "按路基设计表计算" ? ElevationMethod::RoadDesignTable
                                                        : ElevationMethod::VerticalCurves;
    data.plan = ReadPlan(db, data.problems, data.xIsEasting, data.planRecords);
    data.profile = ReadProfile(db, data.problems);
    const bool designGivesElevations = data.method == ElevationMethod::RoadDesignTable;
    data.design = ReadDesignTable(db, designGivesElevations ? data.problems : data.uncheckedTables);
    data.slopes = CrossSlopes(ReadSlopeSegments(db, data.problems), TransitionLawFromText(transitionMethod));
    return data;
}

}  // namespace calc

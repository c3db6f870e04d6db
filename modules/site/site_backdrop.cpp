#include "site/site_backdrop.h"

#include <algorithm>

#include "kit/bridge_facts.h"
#include "kit/record_sheet.h"
#include "site/site_sheets.h"

namespace site {
namespace {

ui::ProposedTable Read(dao::Database& db, const modulekit::SheetSpec& spec) {
    return modulekit::ReadSheet(db, *spec.schema);
}

std::string Cell(const ui::ProposedTable& sheet, std::size_t row, const std::string& field) {
    auto column = std::find(sheet.fields.begin(), sheet.fields.end(), field);
    if (column == sheet.fields.end()) return {};
    std::size_t c = static_cast<std::size_t>(column - sheet.fields.begin());
    return c < sheet.rows[row].size() ? sheet.rows[row][c] : std::string();
}

}  // namespace

std::vector<Point> SheetPoints(const ui::ProposedTable& sheet, const std::string& x, const std::string& y) {
    std::vector<Point> points;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        auto px = modulekit::CellNumber(sheet, r, x);
        auto py = modulekit::CellNumber(sheet, r, y);
        if (px && py) points.emplace_back(*px, *py);
    }
    std::stable_sort(points.begin(), points.end(), [](const Point& a, const Point& b) { return a.first < b.first; });
    return points;
}

std::vector<calc::TurningPoint> SheetTurningPoints(const ui::ProposedTable& sheet) {
    std::vector<calc::TurningPoint> points;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        auto stake = modulekit::CellNumber(sheet, r, "TurnPointStake");
        auto elevation = modulekit::CellNumber(sheet, r, "TurnPointElev");
        if (stake && elevation)
            points.push_back({*stake, *elevation, modulekit::CellNumber(sheet, r, "TurnPointRadii").value_or(0)});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const calc::TurningPoint& a, const calc::TurningPoint& b) { return a.stake < b.stake; });
    return points;
}

std::vector<Borehole> SheetBoreholes(const ui::ProposedTable& sheet) {
    std::vector<Borehole> holes;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r)
        if (auto stake = modulekit::CellNumber(sheet, r, "CenterStake"))
            holes.push_back({Cell(sheet, r, "DrillNum"), *stake, modulekit::CellNumber(sheet, r, "HoleElev")});
    return holes;
}

std::vector<calc::SlopeSegment> SheetSlopes(const ui::ProposedTable& sheet) {
    std::vector<calc::SlopeSegment> segments;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        auto start = modulekit::CellNumber(sheet, r, "起点桩号");
        auto end = modulekit::CellNumber(sheet, r, "终点桩号");
        auto left = modulekit::CellNumber(sheet, r, "左半桥横坡");
        auto right = modulekit::CellNumber(sheet, r, "右半桥横坡");
        if (start && end && left && right) segments.push_back({*start, *end, *left, *right});
    }
    std::stable_sort(segments.begin(), segments.end(),
                     [](const calc::SlopeSegment& a, const calc::SlopeSegment& b) { return a.start < b.start; });
    return segments;
}

std::optional<double> Interpolate(const std::vector<Point>& line, double stake) {
    if (line.empty()) return std::nullopt;
    if (stake <= line.front().first) return line.front().second;
    if (stake >= line.back().first) return line.back().second;
    auto next = std::upper_bound(line.begin(), line.end(), stake, [](double s, const Point& p) { return s < p.first; });
    const Point& b = *next;
    const Point& a = *(next - 1);
    if (b.first == a.first) return b.second;
    return a.second + (b.second - a.second) * (stake - a.first) / (b.first - a.first);
}

Backdrop ReadBackdrop(dao::Database& db) {
    Backdrop backdrop;
    for (const auto& support : modulekit::ReadBridgeFacts(db).supports) backdrop.supports.push_back(support.station);
    backdrop.ground = SheetPoints(Read(db, GroundSheet()), "Stake", "Elevation");
    backdrop.profile = SheetTurningPoints(Read(db, ProfileSheet()));
    backdrop.boreholes = SheetBoreholes(Read(db, BoreholeSheet()));
    backdrop.slopes = SheetSlopes(Read(db, DeckSlopeSheet()));
    if (db.HasTableDef(projectdb::kGeneralInfoTable)) {
        ui::ProposedTable general = modulekit::ReadSheet(db, modulekit::SchemaOf(projectdb::kGeneralInfoTable));
        auto column = std::find(general.fields.begin(), general.fields.end(), "超高过渡方法");
        if (column != general.fields.end() && !general.rows.empty())
            backdrop.law = calc::TransitionLawFromText(general.rows[0][column - general.fields.begin()]);
    }
    return backdrop;
}

}  // namespace site

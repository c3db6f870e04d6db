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

namespace {

// The rows of `sheet` whose named cells all hold numbers, each made into an item by `make` from those numbers
// (in the order named) and its row, ordered by the item's `stake`; rows of equal stakes keep their order.
template <class Item, class Make>
std::vector<Item> NumberRows(const ui::ProposedTable& sheet, const std::vector<std::string>& fields, Make make,
                             double Item::*stake) {
    std::vector<Item> items;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        std::vector<double> numbers;
        for (const std::string& field : fields)
            if (auto number = modulekit::CellNumber(sheet, r, field)) numbers.push_back(*number);
        if (numbers.size() == fields.size()) items.push_back(make(numbers, r));
    }
    std::stable_sort(items.begin(), items.end(), [&](const Item& x, const Item& y) { return x.*stake < y.*stake; });
    return items;
}

}  // namespace

std::vector<Point> SheetPoints(const ui::ProposedTable& sheet, const std::string& x, const std::string& y) {
    return NumberRows<Point>(
        sheet, {x, y},
        [](const std::vector<double>& v, std::size_t) {
            return Point{v[0], v[1]};
        },
        &Point::first);
}

std::vector<calc::TurningPoint> SheetTurningPoints(const ui::ProposedTable& sheet) {
    return NumberRows<calc::TurningPoint>(
        sheet, {"TurnPointStake", "TurnPointElev"},
        [&](const std::vector<double>& v, std::size_t r) {
            return calc::TurningPoint{v[0], v[1], modulekit::CellNumber(sheet, r, "TurnPointRadii").value_or(0)};
        },
        &calc::TurningPoint::stake);
}

std::vector<Borehole> SheetBoreholes(const ui::ProposedTable& sheet) {
    std::vector<Borehole> holes;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r)
        if (auto stake = modulekit::CellNumber(sheet, r, "CenterStake"))
            holes.push_back({Cell(sheet, r, "DrillNum"), *stake, modulekit::CellNumber(sheet, r, "HoleElev")});
    return holes;
}

std::vector<calc::SlopeSegment> SheetSlopes(const ui::ProposedTable& sheet) {
    return NumberRows<calc::SlopeSegment>(
        sheet, {"起点桩号", "终点桩号", "左半桥横坡", "右半桥横坡"},
        [](const std::vector<double>& v, std::size_t) {
            return calc::SlopeSegment{v[0], v[1], v[2], v[3]};
        },
        &calc::SlopeSegment::start);
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

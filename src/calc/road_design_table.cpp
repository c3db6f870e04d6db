#include "calc/road_design_table.h"

#include <algorithm>

namespace calc {

RoadDesignTable::RoadDesignTable(std::vector<DesignSection> sections) : sections_(std::move(sections)) {
    std::stable_sort(sections_.begin(), sections_.end(),
                     [](const DesignSection& a, const DesignSection& b) { return a.stake < b.stake; });
    for (auto& s : sections_) {
        // The centre is a point of the section like the others; pairs at offset 0 are unused places.
        std::erase_if(s.pairs, [](const auto& p) { return p.first == 0; });
        s.pairs.emplace_back(0.0, s.centreElevation);
        std::stable_sort(s.pairs.begin(), s.pairs.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        stakes_.push_back(s.stake);
    }
}

double RoadDesignTable::AcrossSection(const DesignSection& section, double offset) {
    const auto& p = section.pairs;
    if (p.size() < 2) return section.centreElevation;
    // The pair interval holding the offset; the outer intervals extend outwards.
    auto after = std::upper_bound(p.begin(), p.end(), offset, [](double d, const auto& q) { return d < q.first; });
    std::size_t j = after == p.begin() ? 0 : static_cast<std::size_t>(after - p.begin()) - 1;
    j = std::min(j, p.size() - 2);
    const double run = p[j + 1].first - p[j].first;
    const double slope = run == 0 ? 0 : (p[j + 1].second - p[j].second) / run;
    return p[j].second + (offset - p[j].first) * slope;
}

double RoadDesignTable::Elevation(double stake, double offset) const {
    if (sections_.empty()) return 0;
    const auto after = std::upper_bound(stakes_.begin(), stakes_.end(), stake);
    if (after == stakes_.begin()) return AcrossSection(sections_.front(), offset);
    if (after == stakes_.end()) return AcrossSection(sections_.back(), offset);
    const std::size_t j = static_cast<std::size_t>(after - stakes_.begin()) - 1;
    const DesignSection& a = sections_[j];
    const DesignSection& b = sections_[j + 1];
    const double t = b.stake == a.stake ? 0 : (stake - a.stake) / (b.stake - a.stake);
    const double za = AcrossSection(a, offset), zb = AcrossSection(b, offset);
    return za + (zb - za) * t;
}

}  // namespace calc

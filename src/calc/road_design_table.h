#pragma once
// Elevations from the road design table: per stake the centre elevation and up to eight (offset, elevation)
// pairs across the road, offsets negative to the left. Along the route the records are interpolated
// linearly between the two around the stake (the nearest one holds beyond the first and last); across,
// linearly between the pairs, the outermost pair's slope extended beyond them.
#include <utility>
#include <vector>

namespace calc {

struct DesignSection {
    double stake = 0;
    double centreElevation = 0;
    std::vector<std::pair<double, double>> pairs;  // (offset, elevation); a pair at offset 0 is not used
    int record = -1;  // its position in 路基设计表 (0 = first), -1 when not read from it
};

class RoadDesignTable {
public:
    RoadDesignTable() = default;
    explicit RoadDesignTable(std::vector<DesignSection> sections);  // sorted by stake

    bool empty() const { return sections_.empty(); }
    double Elevation(double stake, double offset) const;  // 0 without records
    const std::vector<DesignSection>& sections() const { return sections_; }

    // The elevation of one section at an offset.
    static double AcrossSection(const DesignSection& section, double offset);

private:
    std::vector<DesignSection> sections_;
    std::vector<double> stakes_;
};

}  // namespace calc

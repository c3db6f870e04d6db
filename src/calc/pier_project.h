#pragma once
// The pier force calculation project: the piers of one bridge, the vehicle grade, the lanes and the
// temperature change. The deck's temperature change is resisted about the stiffness-weighted fixed
// point; the braking force of the design vehicle train is shared by stiffness.
#include <string>
#include <vector>

#include "calc/pier.h"
#include "platform/interaction/interaction.h"

namespace calc {

class CProject {
public:
    // The parameters a calculation window starts with.
    static constexpr int kDefaultGrade = 25;
    static constexpr int kDefaultLanes = 2;
    static constexpr double kDefaultDeltaT = 30;
    static constexpr double kDefaultAlpha = 1e-05;

    void ResetParameters();

    // Stiffness of every pier, the total braking force and each pier's share.
    void CalcBraking();
    // Stiffness of every pier, the fixed point and each pier's temperature force.
    void CalcTemperature();
    // What every change of the project runs: braking, then temperature. Returns one line per pier that
    // could not be calculated ("" when every pier could).
    std::string Recalculate();

    // The stake about which the deck expands: the stiffness-weighted mean stake, 0 without stiffness.
    double FixedPoint() const;
    // Total braking force B of the vehicle train on the loaded length (before sharing).
    double BrakingForce() const;

    // Writes the text report; on failure tells the user "文件打开错误!" and returns false.
    bool WriteReport(const std::string& path, ::ui::Prompter& prompt) const;
    // The report's bytes (GBK, CR LF line ends, no line end after the last value).
    std::string ReportText() const;

    std::vector<CPier> m_Piers;
    int m_nLanes = 0;
    int m_nGrade = 0;  // 10, 15, 20 or 25 ("汽-超20")
    double m_dAlpha = kDefaultAlpha;
    double m_dDeltaT = 0;
};

// Weight W on the loaded length L and heaviest vehicle P of the vehicle train of a grade, walked
// axle group by axle group; any grade but 10, 15, 20 and 25 gives no load.
struct TrainLoad {
    double W = 0;
    double P = 0;
};
TrainLoad WalkVehicleTrain(int nGrade, double dLength);

// Text of the pier list rows as the calculation window shows them: number, stake, column count,
// column height, Ft, Mt, Fb, Mb per column.
std::vector<std::string> PierListRow(const CProject& project, std::size_t index);
inline constexpr int kPierListColumns = 8;
extern const char* const kPierListHeadings[kPierListColumns];
extern const int kPierListWidths[kPierListColumns];

}  // namespace calc

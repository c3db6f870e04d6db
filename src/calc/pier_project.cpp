#include "calc/pier_project.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/text/cformat.h"
#include "platform/text/gbk_file.h"

namespace calc {

const char* const kPierListHeadings[kPierListColumns] = {
    "桥墩编号", "桥墩桩号", "墩柱个数", "墩柱高度(M)", "温变水平力(KN)", "温变弯矩(KN.M)", "汽车制动水平力(KN)",
    "汽车制动弯矩(KN.M)"};
const int kPierListWidths[kPierListColumns] = {72, 72, 72, 72, 96, 96, 120, 120};

void CProject::ResetParameters() {
    m_nGrade = kDefaultGrade;
    m_nLanes = kDefaultLanes;
    m_dDeltaT = kDefaultDeltaT;
    m_dAlpha = kDefaultAlpha;
}

namespace {

struct TrainStep {
    double gap;
    double w;
    double p;  // < 0: the heaviest vehicle stays
};

struct VehicleTrain {
    int grade;
    double firstAxle;
    std::vector<TrainStep> steps;
    double unitWeight;  // added with the 15 m of a repeating unit
    double unitAxles;   // added with the 4 m after it
};

const std::vector<VehicleTrain>& Trains() {
    static const std::vector<VehicleTrain> trains = {
        {10, 100, {{4, 150, 150}, {5, 180, -1}, {4, 250, -1}}, 30, 70},
        {15, 130, {{4, 200, 200}, {5, 250, -1}, {4, 350, -1}}, 50, 100},
        {20, 120, {{1.4, 240, 240}, {4, 300, 300}, {10, 370, -1}, {4, 500, -1}}, 70, 130},
        {25, 140, {{1.4, 280, 280}, {7, 400, 400}, {1.4, 520, 520}, {3, 550, 550}, {10, 620, -1}, {4, 750, -1}}, 70, 130},
    };
    return trains;
}

}  // namespace

TrainLoad WalkVehicleTrain(int nGrade, double dLength) {
    TrainLoad load;
    auto train = std::find_if(Trains().begin(), Trains().end(), [&](const VehicleTrain& t) { return t.grade == nGrade; });
    if (train == Trains().end() || !(dLength >= 0.001) || !std::isfinite(dLength)) return load;
    double l = dLength;
    load.W = load.P = train->firstAxle;
    for (const auto& step : train->steps) {
        if (l < step.gap) return load;
        l -= step.gap;
        load.W = step.w;
        if (step.p >= 0) load.P = step.p;
    }
    // A loaded length of kilometres would take many thousand units: take all but the last few at once.
    // The remainder comes from fmod, which is exact: subtracting a rounded product from a length of
    // 1e22 m or more could leave a remainder of millions of units for the loop below.
    const double unitLength = 15 + 4;
    if (l > 1000 * unitLength) {
        double rest = std::fmod(l, unitLength);
        double units = std::round((l - rest) / unitLength) - 2;
        l = rest + 2 * unitLength;
        load.W += units * (train->unitWeight + train->unitAxles);
    }
    while (l > 15) {
        l -= 15;
        load.W += train->unitWeight;
        if (l < 4) return load;
        l -= 4;
        load.W += train->unitAxles;
    }
    return load;
}

double CProject::FixedPoint() const {
    double s = 0, x = 0;
    for (const auto& pier : m_Piers) {
        if (pier.m_dK == 0) continue;  // a pier without stiffness has no say, whatever its stake
        s += pier.m_dK;
        x += pier.m_dStake * pier.m_dK;
    }
    return s > 1e-10 ? x / s : 0.0;
}

double CProject::BrakingForce() const {
    // The loaded length runs from the first to the last pier (a stake that is no number marks no place).
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& pier : m_Piers) {
        if (!std::isfinite(pier.m_dStake)) continue;
        lo = std::min(lo, pier.m_dStake);
        hi = std::max(hi, pier.m_dStake);
    }
    if (lo > hi) return 0;
    TrainLoad load = WalkVehicleTrain(m_nGrade, hi - lo);
    double b = std::max(0.1 * load.W, 0.3 * load.P);
    return m_nLanes > 2 ? 2 * b : b;
}

void CProject::CalcBraking() {
    double s = 0;
    for (auto& pier : m_Piers) {
        pier.CalcStiffness();
        s += pier.m_dK;
    }
    double b = BrakingForce();
    for (auto& pier : m_Piers) {
        pier.m_dFb = s > 1e-10 ? b * pier.m_dK / s : 0.0;
        pier.DistributeBraking();
    }
}

void CProject::CalcTemperature() {
    for (auto& pier : m_Piers) pier.CalcStiffness();
    double x0 = FixedPoint();
    for (auto& pier : m_Piers) {
        pier.m_dFt = (pier.m_dStake - x0) * m_dDeltaT * m_dAlpha * pier.m_dK;
        pier.DistributeTemperature();
    }
}

std::string CProject::Recalculate() {
    CalcBraking();
    CalcTemperature();
    std::string problems;
    for (std::size_t i = 0; i < m_Piers.size(); ++i) {
        std::string problem = m_Piers[i].CalculationProblem();
        if (problem.empty()) continue;
        if (!problems.empty()) problems += "\n";
        problems += text::Format("%d号桥墩: %s 该桥墩不参加计算。", static_cast<int>(i), problem);
    }
    return problems;
}

namespace {

const char* GradeName(int grade) {
    switch (grade) {
        case 10: return "汽车10级";
        case 15: return "汽车151级";
        case 20: return "汽车20级";
        case 25: return "汽车25级";
        default: return nullptr;
    }
}

double Diameter(const CPier& pier) {
    auto* c = dynamic_cast<const CCircle*>(pier.m_pSection.get());
    return c ? c->m_dD : 0.0;
}

// "半径或长度" and "半径或宽度": the diameter of a circle, W and H of a rectangle.
double FirstDimension(const CPier& pier) {
    if (auto* r = dynamic_cast<const CRectang*>(pier.m_pSection.get())) return r->m_dW;
    return Diameter(pier);
}

double SecondDimension(const CPier& pier) {
    if (auto* r = dynamic_cast<const CRectang*>(pier.m_pSection.get())) return r->m_dH;
    return Diameter(pier);
}

const char* SectionName(const CPier& pier) {
    switch (pier.SectionType()) {
        case CCrossection::kCircle: return "  圆形截面";
        case CCrossection::kRectangle: return "  矩形截面";
        default: return "";
    }
}

}  // namespace

std::string CProject::ReportText() const {
    std::string out;
    if (const char* grade = GradeName(m_nGrade)) out += text::FormatGbk("汽车等级: %s\n", grade);
    out += text::FormatGbk("行车道数: %d\n", m_nLanes);
    out += text::FormatGbk("温度变化(度): %8.1lf\n", m_dDeltaT);
    out += text::FormatGbk("温胀系数: %8.6lf\n\n", m_dAlpha);

    using Cell = std::function<std::string(const CPier&, int)>;
    auto real = [](const char* format, double CPier::*field) {
        return Cell([=](const CPier& p, int) { return text::Format(format, p.*field); });
    };
    auto whole = [](int CPier::*field) { return Cell([=](const CPier& p, int) { return text::Format("%10d", p.*field); }); };
    const std::vector<std::pair<const char*, Cell>> rows = {
        {"墩台编号", [](const CPier&, int i) { return text::Format("%10d", i); }},
        {"中心桩号", real("%10.3lf", &CPier::m_dStake)},
        {"墩柱个数", whole(&CPier::m_nColumns)},
        {"墩柱高度(m)", real("%10.3lf", &CPier::m_dHeight)},
        {"墩柱截面类型", [](const CPier& p, int) { return text::FormatGbk("%s", SectionName(p)); }},
        {"半径或长度(m)", [](const CPier& p, int) { return text::Format("%10.2lf", FirstDimension(p)); }},
        {"半径或宽度(m)", [](const CPier& p, int) { return text::Format("%10.2lf", SecondDimension(p)); }},
        {"混凝土编号", whole(&CPier::m_nGrade)},
        {"支座个数", whole(&CPier::m_nBearings)},
        {"支座高度(m)", real("%10.3lf", &CPier::m_dBearingHeight)},
        {"支座面积(m*m)", real("%10.3lf", &CPier::m_dBearingArea)},
        {"支座剪切模量(KN/M*M)", real("%10.3lf", &CPier::m_dShearModulus)},
        {"柱底温变水平力(KN)", real("%10.3lf", &CPier::m_dFt)},
        {"柱底温变弯矩(KN*M)", real("%10.3lf", &CPier::m_dMt)},
        {"柱底温变位移(M)", real("%10.5lf", &CPier::m_dDt)},
        {"柱底制动水平力(KN)", real("%10.3lf", &CPier::m_dFb)},
        {"柱底制动弯矩(KN*M)", real("%10.3lf", &CPier::m_dMb)},
        {"柱底制动位移(M)", real("%10.5lf", &CPier::m_dDb)},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) out += "\n";
        out += text::FormatGbk("%-21s", rows[r].first);
        for (std::size_t i = 0; i < m_Piers.size(); ++i) out += rows[r].second(m_Piers[i], static_cast<int>(i));
    }
    // The report is a text file: every line ends in CR LF. GBK trail bytes never take the value of LF.
    std::string crlf;
    crlf.reserve(out.size() + 32);
    for (char c : out) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf;
}

bool CProject::WriteReport(const std::string& path, ::ui::Prompter& prompt) const {
    // Written beside and then moved into place: a full disk or a crash leaves the previous report whole.
    if (!text::ReplaceFileContents(path, ReportText())) {
        prompt.message("文件打开错误!");
        return false;
    }
    return true;
}

std::vector<std::string> PierListRow(const CProject& project, std::size_t index) {
    const CPier& p = project.m_Piers.at(index);
    return {text::Format("%d", static_cast<int>(index)), text::Format("%.3lf", p.m_dStake),
            text::Format("%d", p.m_nColumns),            text::Format("%.3lf", p.m_dHeight),
            text::Format("%.3lf", p.m_dFt),              text::Format("%.3lf", p.m_dMt),
            text::Format("%.3lf", p.m_dFb),              text::Format("%.3lf", p.m_dMb)};
}

}  // namespace calc

#include "calc/stake_table.h"

#include <cmath>

#include "platform/text/cformat.h"

namespace calc {

std::vector<double> TableStakes(double from, double to, double step, std::string& error) {
    error.clear();
    if (!(step > 0) || !std::isfinite(step)) {
        error = "步长必须大于0。";
        return {};
    }
    if (!std::isfinite(from) || !std::isfinite(to) || to < from) {
        error = "终点桩号不能小于起点桩号。";
        return {};
    }
    const double count = std::floor((to - from) / step + 1e-9) + 1;
    if (count + 1 > static_cast<double>(kMaxStakeTableRows)) {
        error = text::Format("桩号太多（超过%zu行），请加大步长或缩小范围。", kMaxStakeTableRows);
        return {};
    }
    std::vector<double> stakes;
    const auto n = static_cast<std::size_t>(count);
    stakes.reserve(n + 1);
    // Multiplying instead of adding keeps rounding from piling up over many steps.
    for (std::size_t i = 0; i < n; ++i) stakes.push_back(from + static_cast<double>(i) * step);
    if (to - stakes.back() > 1e-9 * std::max(1.0, std::abs(to))) stakes.push_back(to);
    return stakes;
}

std::vector<std::string> StakeTableHeader() {
    return {"桩号", "X坐标", "Y坐标", "桥面高程", "方位角", "曲率半径", "左半桥横坡(%)", "右半桥横坡(%)", "所在位置"};
}

std::vector<std::string> StakeTableRow(double stake, const RoutePoint& p) {
    return {text::Format("%.3f", stake),       text::Format("%.6f", p.x),          text::Format("%.6f", p.y),
            text::Format("%.6f", p.elevation), text::Format("%.10f", p.azimuth),   text::Format("%.6f", p.radius),
            text::Format("%.6f", p.leftSlope), text::Format("%.6f", p.rightSlope), p.location};
}

}  // namespace calc

#include "calc/culvert.h"

#include <cmath>

#include "platform/text/cformat.h"

namespace calc {

const std::array<CulvertField, kCulvertFieldCount> kCulvertFields = {{
    {"B1", &CulvertValues::B1, CulvertField::Given, true},        {"B2", &CulvertValues::B2, CulvertField::Given, true},
    {"H1", &CulvertValues::H1, CulvertField::Given},        {"H2", &CulvertValues::H2, CulvertField::Given},
    {"m1", &CulvertValues::m1, CulvertField::Given, true},        {"n1", &CulvertValues::n1, CulvertField::Given, true},
    {"i", &CulvertValues::i, CulvertField::Given},          {"S", &CulvertValues::S, CulvertField::Given, true},
    {"L", &CulvertValues::L, CulvertField::Given, true},          {"H3", &CulvertValues::H3, CulvertField::SecondStage},
    {"H4", &CulvertValues::H4, CulvertField::SecondStage},  {"B3", &CulvertValues::B3, CulvertField::SecondStage, true},
    {"B4", &CulvertValues::B4, CulvertField::SecondStage, true},  {"m2", &CulvertValues::m2, CulvertField::SecondStage, true},
    {"n2", &CulvertValues::n2, CulvertField::SecondStage, true},  {"L1", &CulvertValues::L1, CulvertField::Result},
    {"L2", &CulvertValues::L2, CulvertField::Result},       {"L3", &CulvertValues::L3, CulvertField::Result},
    {"L4", &CulvertValues::L4, CulvertField::Result},       {"L5", &CulvertValues::L5, CulvertField::Result},
    {"L6", &CulvertValues::L6, CulvertField::Result},       {"S1", &CulvertValues::S1, CulvertField::Result},
    {"S2", &CulvertValues::S2, CulvertField::Result},       {"HL", &CulvertValues::HL, CulvertField::Result},
    {"HR", &CulvertValues::HR, CulvertField::Result},       {"Hs", &CulvertValues::Hs, CulvertField::Result},
}};

std::string CulvertNumberText(double value) { return text::Format("%.10g", value); }

void ApplySingleStage(CulvertValues& v) {
    v.m2 = v.m1;
    v.n2 = v.n1;
    v.H3 = v.H1;
    v.H4 = v.H2;
    v.B3 = 0;
    v.B4 = 0;
}

std::string CalculateCulvert(CulvertValues& values, bool twoStage) {
    CulvertValues v = values;
    if (!twoStage) ApplySingleStage(v);
    for (const auto& field : kCulvertFields)
        if (field.group != CulvertField::Result && !std::isfinite(v.*field.value))
            return std::string(field.name) + " 不是有效的数值，无法计算!";
    for (const auto& field : kCulvertFields)
        if (field.size && v.*field.value < 0)
            return std::string(field.name) + " 为 " + CulvertNumberText(v.*field.value) +
                   "，尺寸不能为负数（应不小于 0），无法计算!";

    const double p = v.i * 0.01;
    const double a = p * v.B1, b = p * v.B2;
    const double u = 1 - p * v.m2, w = 1 + p * v.n2;  // w is the v of the layout formulas
    if (u == 0)
        return "1 - i×m2 等于0（左侧边坡与涵洞纵坡平行），边坡与涵顶不相交，无法计算!";
    if (w == 0)
        return "1 + i×n2 等于0（右侧边坡与涵洞纵坡平行），边坡与涵顶不相交，无法计算!";
    const double d = w * v.m2 + u * v.n2;
    if (d == 0) return "(1 + i×n2)×m2 + (1 - i×m2)×n2 等于0（两侧边坡均为竖直），无法确定涵洞位置，无法计算!";

    const double A = ((v.H3 - v.S + a) * v.m2 + (v.H1 - v.H3) * v.m1 + v.B3) * w;
    const double C = ((v.H4 - v.S - b) * v.n2 + (v.H2 - v.H4) * v.n1 + v.B4) * u;
    v.Hs = (A + C - (v.L - v.B1 - v.B2) * w * u) / d;
    v.L1 = ((v.H3 - v.Hs + a - v.S) * v.m2 + (v.H1 - v.H3) * v.m1 + v.B3) / u;
    v.L2 = ((v.H4 - v.Hs - b - v.S) * v.n2 + (v.H2 - v.H4) * v.n1 + v.B4) / w;
    v.S1 = v.H1 - (v.Hs - a + v.S);
    v.S2 = v.H2 - (v.Hs + b + v.S);
    v.L3 = v.L1 + v.B1;
    v.L4 = v.L2 + v.B2;
    v.HL = v.Hs - v.L3 * p;
    v.HR = v.Hs + v.L4 * p;
    v.L5 = v.S * v.m2 / u;
    v.L6 = v.S * v.n2 / w;
    for (const auto& field : kCulvertFields)
        if (!std::isfinite(v.*field.value)) return std::string(field.name) + " 的计算结果超出数值范围，无法计算!";
    values = v;
    return {};
}

}  // namespace calc

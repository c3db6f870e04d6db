#pragma once
// Elevation layout of a slab or pipe culvert under an embankment: finds the culvert's reference
// elevation Hs at the road centre such that the culvert exactly spans the embankment (L3 + L4 = L),
// with an optional second slope stage (a berm) on both sides. Dimensions in metres, i in percent.
#include <array>
#include <string>

namespace calc {

struct CulvertValues {
    // Given.
    double B1 = 6.25, B2 = 3.75, H1 = 123.545, H2 = 122.896, m1 = 1.5, n1 = 1.75, i = 0.5, S = 2.5, L = 18.0;
    // Given, second slope stage.
    double H3 = 120.454, H4 = 120.236, B3 = 2.0, B4 = 2.0, m2 = 1.5, n2 = 1.75;
    // Results.
    double L1 = 0, L2 = 0, L3 = 0, L4 = 0, L5 = 0, L6 = 0, S1 = 0, S2 = 0, HL = 0, HR = 0, Hs = 0;
};

struct CulvertField {
    const char* name;
    double CulvertValues::*value;
    enum Group { Given, SecondStage, Result } group;
    // A width, a height, a length or a slope ratio: no culvert has a negative one. Elevations and the
    // longitudinal slope may be anything finite.
    bool size = false;
};
// The 26 values in the order the tool lists them.
inline constexpr std::size_t kCulvertFieldCount = 26;
extern const std::array<CulvertField, kCulvertFieldCount> kCulvertFields;

// Without the second stage the berm disappears: m2, n2 take m1, n1; H3, H4 take H1, H2; B3 = B4 = 0.
void ApplySingleStage(CulvertValues& v);

// A value as the tool shows and prints it ("%.10g").
std::string CulvertNumberText(double value);

// Calculates the results in place (after the one-stage substitution when `twoStage` is false). A value
// that is not finite, a negative size or a zero denominator leaves `v` untouched and returns the reason;
// "" on success.
std::string CalculateCulvert(CulvertValues& v, bool twoStage);

}  // namespace calc

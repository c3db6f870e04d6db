#pragma once
// The standard sizes the model proposes where the member tables are still empty, and the allowances it
// assumes where the project does not state them. Each is named, so that a reader of the model sees a
// standard value as one. The design modules size their members by the same rules.
#include <string>

namespace bridge {

// Superstructure depth (deck top of the girder to its bottom, without pavement) for a span of a structure
// type: precast hollow slabs after the standard slabs of 10–20 m (0.60 m at 10 m to 0.95 m at 20 m, L/21
// beyond), T-beams 0.5 m + L/20 (1.5 m at 20 m, 2.0 m at 30 m, 2.5 m at 40 m), simply supported boxes L/18,
// continuous boxes of constant depth L/20 of the longest span of the unit, variable-depth boxes L/17 over
// the supports and L/35 at mid-span; rounded up to 5 cm.
double StandardDepth(const std::string& structureType, double span);
// The depth over the supports of a variable-depth box (the span depth otherwise).
double StandardSupportDepth(const std::string& structureType, double span);

// Precast members across a deck: hollow slabs 1.0 m wide up to 13 m spans, 1.25 m beyond; T-beams at
// about 2.2 m. Box girders: one cell up to a 13 m deck, two up to 20 m, three beyond.
double StandardBeamSpacing(const std::string& structureType, double span);
int StandardBeamCount(const std::string& structureType, double span, double deckWidth);
int StandardBoxCells(double deckWidth);

// The allowances of the vertical chain.
inline constexpr double kStandardPavement = 0.10;         // 10 cm asphalt concrete
inline constexpr double kStandardPrecastBearing = 0.15;   // laminated rubber bearing and its pedestal
inline constexpr double kStandardBoxBearing = 0.25;       // pot bearing and its pedestal
double StandardBearing(const std::string& structureType);
std::string StandardBearingName(const std::string& structureType);

// Where the bearing line lies from the support's centre line: half the 4 cm joint gap plus the bearing's
// distance from the girder end (0.25 m up to 20 m precast spans, 0.45 m beyond, 0.50 m for boxes).
double StandardBearingDistance(const std::string& structureType, double span);
inline constexpr double kJointHalfGap = 0.02;

// Members of the substructure the model proposes when their tables are empty.
inline constexpr double kStandardCapHeight = 1.2;
inline constexpr double kStandardBackWallWidth = 0.4;
inline constexpr double kStandardCover = 0.5;  // ground over a pile cap or footing when the layout gives none
// The depth of a connection the layout names but no table sizes yet: a pile cap (1类/2类承台) 1.5 m, 2.0 m
// under spans over 25 m; a pile head cap (桩帽) 1.0 m; a tie beam (系梁) as deep as the column is thick
// (`columnSize`, 0 when unknown); 0 for anything else.
double StandardConnectionHeight(const std::string& connectType, double longestSpan, double columnSize);

// Kinds of structure type.
bool IsPrecast(const std::string& structureType);
bool IsBox(const std::string& structureType);
bool IsContinuousType(const std::string& structureType);
bool IsVariableDepth(const std::string& structureType);

}  // namespace bridge

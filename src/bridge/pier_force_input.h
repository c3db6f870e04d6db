#pragma once
// The piers of a bridge as the pier force calculator takes them: where each stands (the stakes the spans'
// lengths give), how many columns it has, how high they are (the body of its vertical chain) and one
// column's section. The abutments are no flexible piers and are left out.
#include <vector>

#include "bridge/bridge_model.h"
#include "calc/pier_project.h"

namespace bridge {

struct PierGeometry {
    int support = 0;      // the support's number (PierAbutNum)
    double stake = 0;     // m
    int columns = 0;
    double height = 0;    // m, the body length
    bool round = false;   // a circle of diameter `along`, else a rectangle `across` x `along`
    double along = 0, across = 0;  // m; 0 when the body's size is not known
    bool proposed = false;         // a member of its chain is the model's proposal, so the height may be too
};

std::vector<PierGeometry> PierGeometries(const Bridge& bridge);

// Puts the geometry into a calculation project: the project's piers, in order, take the stakes, column
// counts, heights and sections, and keep what the bridge model does not know (concrete grade, bearings);
// piers beyond the model's go, and the model's piers beyond the project's start as `newPier`.
void TakePierGeometry(calc::CProject& project, const std::vector<PierGeometry>& piers, const calc::CPier& newPier);

}  // namespace bridge

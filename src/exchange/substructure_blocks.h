#pragma once
// The substructure part shared by the two interface files: every pier and abutment with its member blocks,
// then the assembly relations between superstructure and substructure. The files differ in a few places,
// given as options.
#include "exchange/interface_output.h"

namespace exchange {

struct SubstructureOptions {
    bool stakeInHeader = true;      // "%d  %.3lf %20s ..." rather than "%d %20s ..."
    bool piersSorted = true;        // members listed by PierAbutNum rather than in stored order
    bool oneLineType1Cap = false;   // 1类墩帽 as one line of seven values
    bool backWallHeight = false;    // 2类台帽 line 2 ends with BackWallHeight rather than BracketWidth
    bool groundBeforeDeck = false;  // vertical relation: DistToGround before DistToDeck

    static SubstructureOptions Arvo3d() { return {}; }
    static SubstructureOptions Kelsa() { return {false, false, true, true, true}; }
};

// "//下部构造" and one block per pier or abutment.
void WriteSubstructure(InterfaceOutput& out, const SubstructureOptions& options);
// "//上、下部构造之间的装配关系" and the longitudinal, transverse and vertical relations by PierAbutNum.
void WriteAssembly(InterfaceOutput& out, const SubstructureOptions& options);

}  // namespace exchange

#include "bridge/pier_force_input.h"

namespace bridge {

std::vector<PierGeometry> PierGeometries(const Bridge& bridge) {
    std::vector<PierGeometry> piers;
    double stake = bridge.spans.empty() ? 0 : bridge.spans.front().startStation;
    for (const Support& s : bridge.supports) {
        // Support k stands where the first k spans end.
        if (s.index > 0 && s.index <= static_cast<int>(bridge.spans.size()))
            stake = bridge.spans[s.index - 1].endStation;
        if (s.kind != SupportKind::Pier) continue;
        PierGeometry p;
        p.support = s.index;
        p.stake = s.index <= static_cast<int>(bridge.spans.size()) ? stake : s.station;
        p.columns = static_cast<int>(s.columns.size());
        p.height = s.chain.bodyLength;
        p.round = s.roundBody;
        p.along = s.bodyAlong;
        p.across = s.roundBody ? s.bodyAlong : s.bodyAcross;
        p.proposed = s.chain.proposed || !s.chain.membersKnown;
        piers.push_back(p);
    }
    return piers;
}

void TakePierGeometry(calc::CProject& project, const std::vector<PierGeometry>& piers, const calc::CPier& newPier) {
    project.m_Piers.resize(piers.size(), newPier);
    for (size_t i = 0; i < piers.size(); ++i) {
        const PierGeometry& g = piers[i];
        calc::CPier& pier = project.m_Piers[i];
        pier.m_dStake = g.stake;
        pier.m_nColumns = g.columns;
        pier.m_dHeight = g.height;
        // An unknown section leaves the one the user gave.
        if (g.along > 0 && g.round)
            pier.m_pSection = std::make_unique<calc::CCircle>(g.along);
        else if (g.along > 0 && g.across > 0)
            pier.m_pSection = std::make_unique<calc::CRectang>(g.across, g.along);
    }
}

}  // namespace bridge

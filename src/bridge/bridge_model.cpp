#include "bridge/bridge_model.h"

#include <algorithm>

namespace bridge {

double Site::GroundAt(double station, bool* known) const {
    if (known) *known = false;
    if (ground.empty()) return 0;
    if (station < ground.front().station || station > ground.back().station) {
        // Outside the ground data the nearest point stands in, so that a drawing still has a line; the
        // caller learns that it is a guess.
        return station < ground.front().station ? ground.front().elevation : ground.back().elevation;
    }
    if (known) *known = true;
    auto after = std::lower_bound(ground.begin(), ground.end(), station,
                                  [](const GroundPoint& p, double s) { return p.station < s; });
    if (after == ground.begin()) return after->elevation;
    auto before = after - 1;
    const double run = after->station - before->station;
    if (run <= 0) return after->elevation;
    return before->elevation + (after->elevation - before->elevation) * (station - before->station) / run;
}

double Site::DeckAt(double station, double offset) const {
    if (!route) return 0;
    return route->Evaluate(station, offset).elevation;
}

const char* Deck::SideText() const {
    switch (side) {
        case DeckSide::Left: return "左";
        case DeckSide::Right: return "右";
        case DeckSide::Whole: break;
    }
    return "全";
}

const Deck* Bridge::DesignedDeck() const {
    for (const Deck& d : decks)
        if (d.designed) return &d;
    return decks.empty() ? nullptr : &decks.front();
}

bool Bridge::HasErrors() const {
    return std::any_of(findings.begin(), findings.end(), [](const Finding& f) { return f.severity == 'E'; });
}

}  // namespace bridge

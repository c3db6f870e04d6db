#include "site/site_sheets.h"

namespace site {

using modulekit::SchemaOf;

// The route tables must hold what the route geometry reads as numbers; an element's stored end is a check
// only and may stay empty, as may the radius of a grade line's end points.
modulekit::SheetSpec GroundSheet() { return {&SchemaOf(projectdb::kGroundLineTable), {"Stake", "Elevation"}, "Stake"}; }

modulekit::SheetSpec BoreholeSheet() { return {&SchemaOf(projectdb::kBoreholeTable), {"DrillNum", "CenterStake"}, ""}; }

modulekit::SheetSpec LayerSheet() {
    return {&SchemaOf(projectdb::kBoreholeLayerTable), {"DrillNum", "BottomElev"}, ""};
}

// One record: the hydrology of the bridge site.
modulekit::SheetSpec HydrologySheet() { return {&SchemaOf(projectdb::kHydrologyTable), {}, "", true}; }

modulekit::SheetSpec PlanSheet() {
    return {&SchemaOf(projectdb::kHorizontalCurveTable),
            {"CurveType", "StartPointStake", "StartPointX", "StartPointY", "StartPointAngle", "StartPointRadii",
             "EndPointRadii", "CurveLength"},
            "StartPointStake"};
}

modulekit::SheetSpec ProfileSheet() {
    return {&SchemaOf(projectdb::kVerticalCurveTable), {"TurnPointStake", "TurnPointElev"}, "TurnPointStake"};
}

modulekit::SheetSpec DeckSlopeSheet() {
    return {&SchemaOf(projectdb::kDeckSlopeTable), {"起点桩号", "终点桩号", "左半桥横坡", "右半桥横坡"}, "起点桩号"};
}

modulekit::SheetSpec RoadTableSheet() {
    return {&SchemaOf(projectdb::kRoadDesignTable), {"CenterStake", "CenterElev"}, "CenterStake"};
}

modulekit::SheetSpec ConeSheet() { return {&SchemaOf(projectdb::kConeTable), {}, ""}; }

}  // namespace site

#include "site/cone_slope.h"

namespace site {

// A cone at each end, its top at the expansion joint, 1:1.5 along the bridge and 1:1 across, as road
// embankments of ordinary height are built; a 1 m slope behind the abutment.
modulekit::TableOutcome DesignPrick(dao::Database& db) {
    auto cone = [](const char* position) {
        using dao::Value;
        return modulekit::Record{{"Position", Value::Text(position)},
                                 {"DistToAbutEnd", Value::Double(0)},
                                 {"RatioAlong", Value::Double(1.5)},
                                 {"RatioAcross", Value::Double(1.0)},
                                 {"BackSlopeLength", Value::Double(1.0)}};
    };
    return modulekit::EnsureDefaultRecords(db, modulekit::SchemaOf(projectdb::kConeTable),
                                           {cone("起点"), cone("终点")});
}

}  // namespace site

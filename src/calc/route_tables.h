#pragma once
// The route tables of a project read once into the parts of the route geometry: 平曲线资料表,
// 竖曲线资料表, 桥面横坡资料表, 路基设计表 and the two methods of 一般信息表. A missing table is no data;
// a table that cannot be read, a missing field or a record whose value is not a number is a problem, told
// in words, and the table counts as having no data.
#include <string>
#include <vector>

#include "calc/cross_slope.h"
#include "calc/plan_alignment.h"
#include "calc/road_design_table.h"
#include "calc/vertical_profile.h"

namespace dao {
class Database;
}

namespace calc {

enum class ElevationMethod {
    VerticalCurves,   // "按竖曲线计算"
    RoadDesignTable,  // "按路基设计表计算"
};

struct RouteData {
    PlanAlignment plan;
    VerticalProfile profile;
    CrossSlopes slopes;
    RoadDesignTable design;
    ElevationMethod method = ElevationMethod::VerticalCurves;
    // The plan works with X the northing; a table that stores the easting in X gets its points back so.
    bool xIsEasting = false;
    std::vector<std::string> problems;  // what could not be read, one sentence each
    // The elements as 平曲线资料表 stores them, in table order, in radians with X the northing: the check
    // compares their stored ends with the ends the elements reach.
    std::vector<PlanRecord> planRecords;
    // 路基设计表 is read also under the vertical-curve method, for the check that it follows the profile;
    // what could not be read of it then keeps it out of the check only, and is told as a finding.
    std::vector<std::string> uncheckedTables;
};

RouteData ReadRouteTables(dao::Database& db);

}  // namespace calc

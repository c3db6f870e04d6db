#include "site/cone_slope.h"

#include "kit/record_sheet.h"
#include "site/site_sheets.h"

namespace site {

// A cone at each end, its top at the expansion joint, 1:1.5 along the bridge and 1:1 across, as road
// embankments of ordinary height are built; a 1 m slope behind the abutment.
bool DesignPrick(dao::Database& db) {
    auto cone = [](const char* position) {
        using dao::Value;
        return modulekit::Record{{"Position", Value::Text(position)},
                                 {"DistToAbutEnd", Value::Double(0)},
                                 {"RatioAlong", Value::Double(1.5)},
                                 {"RatioAcross", Value::Double(1.0)},
                                 {"BackSlopeLength", Value::Double(1.0)}};
    };
    return modulekit::EditTable(db, ConeSheet(), "桥头锥坡",
                                "两端桥台的锥坡。表为空时起点、终点各一处：锥顶位于伸缩缝处（距离0），顺桥向坡度"
                                "1:1.5，横桥向坡度1:1，台后坡长1 m（一般高度路堤的常用做法）。",
                                {cone("起点"), cone("终点")});
}

}  // namespace site

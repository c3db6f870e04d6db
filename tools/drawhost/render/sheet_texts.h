#pragma once
// The words a sheet carries that are the project's own and not the bridge's geometry: the design office,
// the project, the bridge, the route's letter and where the road leads. Copied from 一般信息表 as text.
#include <string>

namespace dao {
class Database;
}

namespace drawhost {

struct SheetTexts {
    std::string dept, project, bridge, lineMark = "K", forwardSite, backwardSite;
};

// The texts of the project's general information; empty ones where it has none.
SheetTexts ReadSheetTexts(dao::Database& db);

// The station as engineers write it: "K1+230.000" with the route's letter.
std::string StakeText(const std::string& lineMark, double stake);

}  // namespace drawhost

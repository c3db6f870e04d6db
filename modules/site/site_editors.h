#pragma once
// The Site module's editors: each shows its table(s) with the rows the project holds (starting rows drawn
// from the bridge's layout when a table is empty) and the pictures that explain them, and writes back what
// the user accepted, making a missing table with its fields. True when something was written; Cancel
// writes nothing. A database failure raises dao::DaoException and writes nothing.
#include "platform/dao/database.h"

namespace site {

bool EditGroundLine(dao::Database& db);  // 地形资料表
bool DesignDrill(dao::Database& db);     // 钻孔资料表 and 钻孔描述表
bool DesignWater(dao::Database& db);     // 水文资料表
bool DesignHLine(dao::Database& db);     // 平曲线资料表
bool DesignVLine(dao::Database& db);     // 竖曲线资料表
bool DesignSlope(dao::Database& db);     // 桥面横坡资料表
bool DesignRdTbl(dao::Database& db);     // 路基设计表

}  // namespace site

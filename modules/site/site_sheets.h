#pragma once
// The Site module's tables as sheets: the fields each is made with, which must be given, and the order its
// rows are written in.
#include "kit/record_sheet.h"

namespace site {

modulekit::SheetSpec GroundSheet();     // 地形资料表
modulekit::SheetSpec BoreholeSheet();   // 钻孔资料表
modulekit::SheetSpec LayerSheet();      // 钻孔描述表
modulekit::SheetSpec HydrologySheet();  // 水文资料表
modulekit::SheetSpec PlanSheet();       // 平曲线资料表
modulekit::SheetSpec ProfileSheet();    // 竖曲线资料表
modulekit::SheetSpec DeckSlopeSheet();  // 桥面横坡资料表
modulekit::SheetSpec RoadTableSheet();  // 路基设计表
modulekit::SheetSpec ConeSheet();       // 锥坡信息表

}  // namespace site

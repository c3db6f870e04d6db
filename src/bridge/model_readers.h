#pragma once
// The steps of ReadBridge, each filling its part of the model from the tables and the parts before it.
#include "bridge/bridge_model.h"

namespace bridge {

// 一般信息表: the bridge's name, the decks and the design-line offset.
void ReadGeneral(dao::Database& db, Bridge& b);

}  // namespace bridge

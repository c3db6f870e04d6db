#include "bridge/bridge_model.h"

#include "bridge/model_readers.h"

namespace bridge {

Bridge ReadBridge(dao::Database& db) {
    Bridge b;
    ReadGeneral(db, b);
    return b;
}

}  // namespace bridge

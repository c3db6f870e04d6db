#include "bridge/bridge_model.h"
#include "bridge/model_readers.h"

namespace bridge {

Bridge ReadBridge(dao::Database& db) {
    Bridge b;
    ReadGeneral(db, b);
    ReadSite(db, b);
    ReadLayout(db, b);
    ReadSuperstructure(db, b);
    PlaceSupports(b);
    ReadSubstructure(db, b);
    BuildSolids(b);
    BuildDeckMembers(b);
    ReadApproachWorks(db, b);
    return b;
}

}  // namespace bridge

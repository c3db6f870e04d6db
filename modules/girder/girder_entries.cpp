// The Girder module's entry points: each designs the spans of one superstructure type on the shell's open
// project.
#include "girder/girder_design.h"

VELTRA_MODULE_PROMPTER_HOOK()

namespace {
void Run(dao::Database* db, girder::Superstructure kind) {
    modulekit::Guarded([&] { girder::Design(*db, kind); });
}
}  // namespace

VELTRA_MODULE_ENTRY void DesignSlab(dao::Database* db) { Run(db, girder::Superstructure::Slab); }
VELTRA_MODULE_ENTRY void DesignTBeam(dao::Database* db) { Run(db, girder::Superstructure::TBeam); }
VELTRA_MODULE_ENTRY void DesignSUBox(dao::Database* db) { Run(db, girder::Superstructure::SimpleConstantBox); }
VELTRA_MODULE_ENTRY void DesignSSBox(dao::Database* db) { Run(db, girder::Superstructure::SimpleVariableBox); }
VELTRA_MODULE_ENTRY void DesignCUBox(dao::Database* db) { Run(db, girder::Superstructure::ContinuousConstantBox); }
VELTRA_MODULE_ENTRY void DesignCSBox(dao::Database* db) { Run(db, girder::Superstructure::ContinuousVariableBox); }

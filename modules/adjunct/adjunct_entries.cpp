// The Adjunct module's entry points: each runs its design on the shell's open project.
#include "adjunct/adjunct_design.h"

VELTRA_MODULE_PROMPTER_HOOK()

VELTRA_MODULE_ENTRY void DesignPavement(dao::Database* db) {
    modulekit::Guarded([&] { adjunct::DesignPavement(*db); });
}
VELTRA_MODULE_ENTRY void DesignFence(dao::Database* db) {
    modulekit::Guarded([&] { adjunct::DesignFence(*db); });
}
VELTRA_MODULE_ENTRY void DesignWalkway(dao::Database* db) {
    modulekit::Guarded([&] { adjunct::DesignWalkway(*db); });
}
VELTRA_MODULE_ENTRY void DesignSubslab(dao::Database* db) {
    modulekit::Guarded([&] { adjunct::DesignSubslab(*db); });
}
VELTRA_MODULE_ENTRY void DesignDrainage(dao::Database* db) {
    modulekit::Guarded([&] { adjunct::DesignDrainage(*db); });
}
VELTRA_MODULE_ENTRY void DesignCrossway(dao::Database* db) {
    modulekit::Guarded([&] { adjunct::DesignCrossway(*db); });
}

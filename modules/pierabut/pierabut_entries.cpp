// The PierAbut module's entry point: designs the members of every pier and abutment of the open project.
#include "pierabut/pierabut_design.h"

VELTRA_MODULE_PROMPTER_HOOK()

VELTRA_MODULE_ENTRY void DesignPierAbut(dao::Database* db) {
    modulekit::Guarded([&] { pierabut::DesignPierAbut(*db); });
}

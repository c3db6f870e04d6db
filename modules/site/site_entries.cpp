// The Site module's entry points.
#include "site/cone_slope.h"

VELTRA_MODULE_PROMPTER_HOOK()

VELTRA_MODULE_ENTRY void DesignPrick(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignPrick(*db); });
}

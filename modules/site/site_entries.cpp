// The Site module's entry points.
#include "kit/module_kit.h"
#include "site/cone_slope.h"
#include "site/site_editors.h"

VELTRA_MODULE_PROMPTER_HOOK()

// The double the shell passes is always -1; the editor shows the whole ground line whatever it is.
VELTRA_MODULE_ENTRY int EditGroundLine(dao::Database* db, double) {
    bool written = false;
    modulekit::Guarded([&] { written = site::EditGroundLine(*db); });
    return written ? 1 : 0;
}
VELTRA_MODULE_ENTRY void DesignDrill(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignDrill(*db); });
}
VELTRA_MODULE_ENTRY void DesignWater(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignWater(*db); });
}
VELTRA_MODULE_ENTRY void DesignHLine(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignHLine(*db); });
}
VELTRA_MODULE_ENTRY void DesignVLine(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignVLine(*db); });
}
VELTRA_MODULE_ENTRY void DesignSlope(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignSlope(*db); });
}
VELTRA_MODULE_ENTRY void DesignRdTbl(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignRdTbl(*db); });
}
VELTRA_MODULE_ENTRY void DesignPrick(dao::Database* db) {
    modulekit::Guarded([&] { site::DesignPrick(*db); });
}

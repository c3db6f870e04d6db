// Member, site and auxiliary tables: created by the design modules, read by this system by name.
#include "projectdb/schema.h"
#include "projectdb/schema_fields.h"

namespace projectdb {

using namespace schema_detail;

namespace {

std::vector<TableSchema> BuildMemberTables() {
    std::vector<TableSchema> t;
    return t;
}

}  // namespace

const std::vector<TableSchema>& MemberTables() {
    static const std::vector<TableSchema> tables = BuildMemberTables();
    return tables;
}

const std::vector<std::string>& NamedOnlyTables() {
    static const std::vector<std::string> names = {
        kMultiBoxMultiCellTable, kCaissonTable, kStopperTable,  kCrashBarrierTable, kLightingTable,
        kRetainingWallTable,     kLibraryStructureTable,        kTendonTable,       kRebarLayoutTable,
    };
    return names;
}

}  // namespace projectdb

#pragma once
// Library files for the tests, made with plain SQL: the library's own writer is not what is tested here.
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/modules/module_loader.h"
#include "support/test_support.h"

namespace library_test {

// Creates a table whose first fields are the given (name, declared type) pairs.
void CreateTable(dao::Database& db, const std::string& table,
                 const std::vector<std::pair<std::string, std::string>>& fields);
void Insert(dao::Database& db, const std::string& table, const std::vector<std::string>& sqlValues);

// The 27 fields of a hollow slab, with `名称` and `内腔类型` text and `内腔个数` long.
void CreateHollowSlabTable(dao::Database& db);
// A hollow slab entry: name, span, then values 1, 2, 3, ... for the numbers; cavity kind and count given.
std::vector<std::string> HollowSlabRecord(const std::string& name, const std::string& cavity, int cavities);

// A substructure table for code "1111": four type names, then 22 numbers.
void CreateSubstructure1111(dao::Database& db);

// "单箱单室" with its 23 fields.
void CreateSingleCellTable(dao::Database& db);
// A section record: position, purpose, and dimensions starting at `first`.
std::vector<std::string> SingleCellRecord(const std::string& position, const std::string& purpose, int first);

// All rows of a table in stored order, as their `名称` (or first field) texts.
std::vector<std::string> FirstFields(dao::Database& db, const std::string& table);

// A viewer module that records what it was shown.
struct ViewerCall {
    std::string kind;
    std::vector<std::string> values;
    int secondCount = -1, mode = 0;
    double scale = -1;
};
class RecordingViewerLoader : public modules::ModuleLoader {
public:
    std::unique_ptr<modules::LoadedModule> Load(const std::string& moduleName, long& errorCode) override;
    std::vector<std::string> loaded;
    bool missing = false;
};
// The calls the recording viewer received, oldest first (shared by every recording loader).
std::vector<ViewerCall>& ViewerCalls();

}  // namespace library_test

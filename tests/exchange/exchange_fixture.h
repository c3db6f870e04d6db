#pragma once
// Project files for the project import and the interface writers: the central tables as the wizard creates
// them, member tables by their system schema, records given by field name (fields not given stay null).
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cli/command.h"
#include "platform/dao/database.h"
#include "platform/dao/value.h"
#include "support/test_support.h"

namespace exchange_test {

using Fields = std::vector<std::pair<std::string, dao::Value>>;

inline dao::Value N(double v) { return dao::Value::Double(v); }
inline dao::Value L(int v) { return dao::Value::Long(v); }
inline dao::Value T(const std::string& v) { return dao::Value::Text(v); }

class ProjectFile {
public:
    // A new project at `path` with the central tables, empty.
    explicit ProjectFile(const std::string& path);
    dao::Database& db() { return *db_; }
    // Creates the table from the system schema when missing, then adds one record.
    void add(const std::string& table, const Fields& fields);
    void create(const std::string& table);  // empty table from the system schema, replacing one there
    void drop(const std::string& table);
    std::vector<std::string> rows(const std::string& table);  // "v1|v2|..." per record, numbers "%g"
    void close() { db_.reset(); }

private:
    std::unique_ptr<dao::Database> db_;
};

// The lines of a GBK file with CR LF line ends, in UTF-8; a line end other than CR LF fails the test.
std::vector<std::string> ReadCrLfLines(const std::string& path);
// The `count` lines after the first line equal to `marker` (fewer at the end of the file).
std::vector<std::string> LinesAfter(const std::vector<std::string>& lines, const std::string& marker, int count);

}  // namespace exchange_test

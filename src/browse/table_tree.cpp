#include "browse/table_tree.h"

#include "projectdb/project_file.h"

namespace browse {

bool ShownInTree(const dao::TableDefInfo& table) {
    // A table counts as a system table when its attributes share any bit with the system-object value.
    if (table.m_lAttributes & dao::dbSystemObject) return false;
    return projectdb::CategoryOf(table.m_strName) != nullptr;
}

std::vector<TreeEntry> TreeEntries(const std::vector<dao::TableDefInfo>& tables) {
    std::vector<TreeEntry> entries;
    for (const auto& table : tables)
        if (ShownInTree(table)) entries.push_back({table.m_strName, projectdb::CategoryOf(table.m_strName)});
    return entries;
}

const projectdb::Category* RefreshedCategory(int number) {
    if (number < 1 || number > 12 || number == 11) return nullptr;
    return projectdb::CategoryByRefreshNumber(number);
}

std::vector<std::string> RefreshedTables(int number, const std::function<bool(const std::string&)>& exists) {
    std::vector<std::string> shown;
    const projectdb::Category* category = RefreshedCategory(number);
    if (!category) return shown;
    for (const std::string& table : category->refreshTables) {
        if (table == projectdb::kSuperLayoutTable) continue;
        if (exists(table)) shown.push_back(table);
    }
    return shown;
}

std::string RootTextOf(const std::string& databasePath) { return projectdb::FileNameOf(databasePath); }

}  // namespace browse

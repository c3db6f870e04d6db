#pragma once
// Adding, changing and deleting the entries of a library table, as the manager does. A row of the entry
// list stands for the record at the same position of the query that filled the list (EntryQuery).
// Database failures raise dao::DaoException; the caller shows them.
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace library {

inline constexpr const char* kDeleteQuestion = "此项操作将永久地删除构件库中的选定记录。\n您确定要删除吗？";

// Deletes the record list row `row` (from 0) shows.
void DeleteEntry(dao::Database& db, const std::string& table, int row);

// Gives the record of list row `row` the texts, field by field, and saves it.
void ChangeEntry(dao::Database& db, const std::string& table, int row, const std::vector<std::string>& texts);

// Appends a record holding the texts, field by field.
void AddEntry(dao::Database& db, const std::string& table, const std::vector<std::string>& texts);

// Rows of the component data editor that name the entry and cannot be edited: the four member types of a
// substructure entry, the name of any other.
bool IsEntryNameRow(const std::string& table, int row);

}  // namespace library

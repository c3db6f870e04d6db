#pragma once
// Writing members of the open project into a component library: one entry per chosen list row, appended to
// the table of its family or substructure code, which is created on first use.
#include <string>
#include <vector>

#include "library/library_candidates.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace library {

// Creates the library table with its field list when the library has none of that name.
void EnsureLibraryTable(dao::Database& library, const std::string& table);

// Appends the entry of an upper-list row: the row's four texts, then the sizes read from the project's
// member record. A member the project no longer holds raises a DaoException.
void WriteSuperstructureEntry(dao::Database& library, dao::Database& project, const UpperRow& row);

// Appends the entry of a lower-list row: the four type names, then each member's sizes read from the
// project's record of that pier or abutment.
void WriteSubstructureEntry(dao::Database& library, dao::Database& project, const LowerRow& row);

enum class WriteOutcome {
    Written,   // every chosen row was written
    Declined,  // the library did not exist and the user did not want it created: nothing written
    Unopened,  // the library could not be opened or created; the error was shown and nothing written
    Failed,    // a database error was shown; the entries written before it stay
};

inline constexpr const char* kNoLibraryNameMessage = "必须给定目标构件库文件名。";
inline constexpr const char* kNothingChosenMessage = "您至少要在列表框中选择一项。";
inline constexpr const char* kCreateLibraryQuestion = "给定构件库文件不存在。是否建立该文件?";

// The write of the dialog's 确定: opens the library named by `typedPath` (upper-cased, ".BCL" appended; see
// LibraryFilePath), offering to create it when it does not exist, and writes the rows in list order, upper
// rows first, under the progress window, then deletes the repeated entries; writing and clean are one
// transaction. A new library appears at its name only once it is complete. `repeatsRemoved`, when given,
// receives how many entries the clean deleted.
WriteOutcome WriteToLibrary(dao::Database& project, const std::string& typedPath, const std::vector<UpperRow>& upper,
                            const std::vector<LowerRow>& lower, ui::Interaction& ui, long* repeatsRemoved = nullptr);

}  // namespace library

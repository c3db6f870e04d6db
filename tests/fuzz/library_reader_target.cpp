// Any bytes as a component library file: opened, its tables listed for each dialog, every entry list and
// the overview read. A database error is an answer; anything else escaping, or a crash, is a fault.
#include <cstdlib>
#include <fstream>

#include "fuzz_targets.h"
#include "library/library_browse.h"
#include "platform/interaction/scripted.h"

namespace fuzz {

int LibraryReader(const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + "/library.BCL";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    ui::ScriptedPrompter prompter;
    try {
        auto db = library::OpenLibraryForBrowsing(path, prompter);
        if (!db) return 0;
        for (auto selection : {library::TableSelection::View, library::TableSelection::Manager,
                               library::TableSelection::Chooser}) {
            auto tables = library::LibraryTables(*db, selection);
            for (const auto& table : tables) {
                library::EntryList list = library::ReadEntries(*db, table, selection);
                for (const auto& row : list.rows)
                    if (row.size() != list.columns.size()) std::abort();
            }
            library::TableOverview(*db, tables);
        }
    } catch (const dao::DaoException&) {
    }
    return 0;
}

}  // namespace fuzz

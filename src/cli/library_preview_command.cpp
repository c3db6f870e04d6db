#include "cli/library_preview_command.h"

#include <iostream>

#include "cli/command.h"
#include "library/component_preview.h"
#include "library/library_browse.h"
#include "platform/interaction/console.h"
#include "platform/text/numbers.h"

namespace cli {
namespace {

constexpr const char* kUsage = "library preview LIB TABLE ROW [--section TABLE:ROW[:ROW]]";

// A row number as the user counts them, from 1; 0 when the text is none.
int RowNumber(const std::string& text) {
    std::optional<int> row = text::ParseInteger(text);
    return row && *row > 0 ? *row : 0;
}

// --section TABLE:ROW picks row ROW of the chooser's mid-span list and of its support list;
// TABLE:MID:SUPPORT picks them apart.
struct SectionPick {
    std::string table;
    int midSpanRow = 0, supportRow = 0;
};

std::optional<SectionPick> ParseSection(const std::string& text) {
    std::string::size_type colon = text.find(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    SectionPick pick;
    pick.table = text.substr(0, colon);
    std::string rows = text.substr(colon + 1);
    std::string::size_type second = rows.find(':');
    pick.midSpanRow = RowNumber(rows.substr(0, second));
    pick.supportRow = second == std::string::npos ? pick.midSpanRow : RowNumber(rows.substr(second + 1));
    if (pick.midSpanRow == 0 || pick.supportRow == 0) return std::nullopt;
    return pick;
}

std::optional<library::ChosenSections> PickSections(dao::Database& db, const std::optional<SectionPick>& pick,
                                                    const std::string& family) {
    if (!pick) {
        std::cerr << "预览" << family << "须用 --section 选择横断面。" << std::endl;
        return std::nullopt;
    }
    auto midSpan = library::SectionEntries(db, pick->table, family, library::kMidSpan).rows;
    auto support = library::SectionEntries(db, pick->table, family, library::kSupport).rows;
    if (pick->midSpanRow > static_cast<int>(midSpan.size()) || pick->supportRow > static_cast<int>(support.size())) {
        std::cerr << library::kChooseBothSections << std::endl;
        return std::nullopt;
    }
    return library::ChooseSections(pick->table, midSpan[pick->midSpanRow - 1], support[pick->supportRow - 1]);
}

}  // namespace

int RunLibraryPreview(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--section"});
    if (args.positional.size() != 3) return UsageError(kUsage);
    const std::string& path = args.positional[0];
    const std::string& table = args.positional[1];
    int row = RowNumber(args.positional[2]);
    std::optional<SectionPick> pick;
    if (auto section = args.option("--section")) {
        pick = ParseSection(*section);
        if (!pick) return UsageError(kUsage);
    }
    if (row == 0) return UsageError(kUsage);

    ui::ConsolePrompter prompt(args.answer());
    std::unique_ptr<dao::Database> db = library::OpenLibraryForBrowsing(path, prompt);
    if (!db) return 1;
    if (!db->HasTableDef(table)) {
        std::cerr << "构件库中没有 " << table << " 表。" << std::endl;
        return 1;
    }
    library::EntryList entries = library::ReadEntries(*db, table, library::TableSelection::Manager);
    if (row > static_cast<int>(entries.rows.size())) {
        std::cerr << table << " 表中没有第 " << row << " 项。" << std::endl;
        return 1;
    }
    library::SectionChooser choose = [&](const std::string& family) { return PickSections(*db, pick, family); };
    auto values = library::ViewerValueList(table, entries.rows[row - 1], choose, prompt);
    if (!values) return 1;
    for (const std::string& value : *values) std::cout << value << "\n";
    return 0;
}

}  // namespace cli

// library list|write|tables|dump|clean|merge: the component library commands without windows. Each word
// after "library" picks one row of the table at the bottom.
#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "cli/command.h"
#include "cli/library_preview_command.h"
#include "library/library_candidates.h"
#include "library/library_clean.h"
#include "library/library_file.h"
#include "library/library_merge.h"
#include "library/library_summary.h"
#include "library/library_writer.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/interaction/console.h"
#include "projectdb/variant_text.h"

namespace cli {
namespace {

constexpr const char* kListUsage = "library list PROJECT";
constexpr const char* kWriteUsage =
    "library write PROJECT LIB [--upper all|I,J,...] [--lower all|I,J,...] [--yes|--no]";
constexpr const char* kTablesUsage = "library tables LIB";
constexpr const char* kDumpUsage = "library dump LIB TABLE";
constexpr const char* kCleanUsage = "library clean LIB";
constexpr const char* kMergeUsage = "library merge TARGET SOURCE...";
constexpr const char* kPreviewUsage = "library preview LIB TABLE ROW [--section TABLE:ROW[:ROW]]";

void PrintRow(const char* list, const std::array<std::string, 6>& cells) {
    std::cout << list;
    for (const std::string& cell : cells) std::cout << "\t" << cell;
    std::cout << "\n";
}

int List(const std::vector<std::string>& words) {
    if (words.size() != 1) return UsageError(kListUsage);
    auto project = dao::Database::Open(words[0], true);
    ui::SilentProgress progress;
    library::Candidates candidates = library::ListCandidates(*project, progress);
    for (const auto& row : candidates.upper) PrintRow("U", row.Cells());
    for (const auto& row : candidates.lower) PrintRow("L", row.Cells());
    return 0;
}

// "all" or "1,3,4": the rows of a list numbered from 1. None for anything else.
template <class Row>
std::optional<std::vector<Row>> Choose(const std::optional<std::string>& choice, const std::vector<Row>& rows) {
    std::vector<Row> chosen;
    if (!choice) return chosen;
    if (*choice == "all") return rows;
    std::istringstream items(*choice);
    for (std::string item; std::getline(items, item, ',');) {
        std::size_t used = 0;
        int number = 0;
        try {
            number = std::stoi(item, &used);
        } catch (const std::exception&) {
            return std::nullopt;
        }
        if (used != item.size() || number < 1 || number > static_cast<int>(rows.size())) return std::nullopt;
        chosen.push_back(rows[number - 1]);
    }
    return chosen;
}

void PrintCleaned(const std::string& typedPath, long deleted) {
    std::cout << library::CleanSummary(typedPath, deleted) << "\n";
}

int CleanAfter(const std::string& typedPath) {
    ui::SilentProgress progress;
    PrintCleaned(typedPath, library::CleanLibrary(typedPath, progress));
    return 0;
}

int Write(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--upper", "--lower"});
    if (args.positional.size() != 2) return UsageError(kWriteUsage);
    ui::ConsoleInteraction console(args.answer());
    ui::Interaction interaction = console.interaction();
    auto project = dao::Database::Open(args.positional[0], true);
    library::Candidates candidates = library::ListCandidates(*project, console.progress);
    auto upper = Choose(args.option("--upper"), candidates.upper);
    auto lower = Choose(args.option("--lower"), candidates.lower);
    if (!upper || !lower) {
        std::cerr << "行号超出列表范围，或不是数字（列表见 veltra-cli library list）。" << std::endl;
        return UsageError(kWriteUsage);
    }
    const std::string& target = args.positional[1];
    if (target.empty()) {
        console.prompter.message(library::kNoLibraryNameMessage);
        return 1;
    }
    if (upper->empty() && lower->empty()) {
        console.prompter.message(library::kNothingChosenMessage);
        return 1;
    }
    long cleaned = 0;  // the write ends with the clean, in its own transaction
    switch (library::WriteToLibrary(*project, target, *upper, *lower, interaction, &cleaned)) {
        case library::WriteOutcome::Declined:
        case library::WriteOutcome::Unopened: return 1;
        case library::WriteOutcome::Failed: PrintCleaned(target, cleaned); return 1;
        case library::WriteOutcome::Written: break;
    }
    std::cout << library::WriteSummary(target, upper->size() + lower->size(), cleaned) << "\n";
    return 0;
}

int Tables(const std::vector<std::string>& words) {
    if (words.size() != 1) return UsageError(kTablesUsage);
    auto db = dao::Database::Open(words[0], true);
    for (const auto& table : db->GetTableDefs()) {
        if (table.isSystem()) continue;
        dao::Recordset set(*db);
        set.Open("Select * From " + dao::QuoteIdentifier(table.m_strName), dao::dbOpenForwardOnly);
        long count = 0;
        for (; !set.IsEOF(); set.MoveNext()) ++count;
        std::cout << table.m_strName << "\t" << count << "\n";
    }
    return 0;
}

int Dump(const std::vector<std::string>& words) {
    if (words.size() != 2) return UsageError(kDumpUsage);
    return DumpTable(words[0], words[1]);
}

int Clean(const std::vector<std::string>& words) {
    if (words.size() != 1) return UsageError(kCleanUsage);
    return CleanAfter(words[0]);
}

int Merge(const std::vector<std::string>& words) {
    if (words.size() < 2) return UsageError(kMergeUsage);
    const std::string& target = words[0];
    // The dialog lists each source once.
    std::vector<std::string> sources;
    for (auto it = words.begin() + 1; it != words.end(); ++it)
        if (std::find(sources.begin(), sources.end(), *it) == sources.end()) sources.push_back(*it);
    // A source that cannot be opened is reported and skipped; the command then fails after the others merged.
    struct CountingPrompter : ui::ConsolePrompter {
        int messages = 0;
        ui::Answer show(const std::string& text, ui::Buttons b, ui::Icon i, const std::string& c) override {
            ++messages;
            return ConsolePrompter::show(text, b, i, c);
        }
    } prompter;
    ui::SilentProgress progress;
    ui::Interaction interaction{prompter, progress};
    long cleaned = 0;  // the merge ends with the clean, in its own transaction
    if (!library::MergeLibraries(sources, target, interaction, &cleaned)) return 1;
    std::cout << library::MergeSummary(target, sources.size(), cleaned) << "\n";
    return prompter.messages > 0 ? 1 : 0;
}

// The subcommands of "library"; a new one is one more row.
const std::vector<Command>& Subcommands() {
    static const std::vector<Command> rows = {
        {"list", kListUsage, List},
        {"write", kWriteUsage, Write},
        {"tables", kTablesUsage, Tables},
        {"dump", kDumpUsage, Dump},
        {"clean", kCleanUsage, Clean},
        {"merge", kMergeUsage, Merge},
        {"preview", kPreviewUsage, RunLibraryPreview},
    };
    return rows;
}

int Library(const std::vector<std::string>& words) {
    if (!words.empty()) {
        for (const Command& sub : Subcommands())
            if (sub.name == words[0]) return sub.run(std::vector<std::string>(words.begin() + 1, words.end()));
    }
    std::cerr << "usage:\n";
    for (const Command& sub : Subcommands()) std::cerr << "  veltra-cli " << sub.usage << "\n";
    return 2;
}

}  // namespace

std::vector<Command> LibraryCommands() {
    return {{"library", "library list|write|tables|dump|clean|merge|preview ...", Library}};
}

}  // namespace cli

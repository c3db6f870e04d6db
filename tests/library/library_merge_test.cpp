// Merging libraries: what reaches the target, which sources are skipped or reported.
#include <gtest/gtest.h>

#include <filesystem>

#include "library/library_candidates.h"
#include "library/library_clean.h"
#include "library/library_merge.h"
#include "library/library_writer.h"
#include "library_fixture.h"
#include "platform/interaction/scripted.h"

namespace {

using namespace library_test;
using Strings = std::vector<std::string>;

class LibraryMerge : public ::testing::Test {
protected:
    void SetUp() override {
        exchange_test::ProjectFile file(dir.file("bridge.vlt"));
        MakeBridge(file);
        file.close();
        auto project = dao::Database::Open(dir.file("bridge.vlt"));
        library::Candidates rows = library::ListCandidates(*project, ui.progress);
        ui::Interaction interaction = ui.interaction();
        ASSERT_EQ(library::WriteToLibrary(*project, source, rows.upper, rows.lower, interaction),
                  library::WriteOutcome::Written);
        ui.prompter.clear();
    }
    bool Merge(const Strings& sources, const std::string& target, long* removed = nullptr) {
        ui::Interaction interaction = ui.interaction();
        return library::MergeLibraries(sources, target, interaction, removed);
    }
    // Record count of every table, in library order.
    std::vector<std::pair<std::string, std::size_t>> Counts(const std::string& path) {
        std::vector<std::pair<std::string, std::size_t>> counts;
        for (const auto& table : LibraryTables(path)) counts.emplace_back(table, LibraryRecords(path, table).size());
        return counts;
    }

    testing_support::TempDir dir;
    ui::ScriptedInteraction ui;
    const std::string source = dir.file("SOURCE.BCL");
    const std::string target = dir.file("TARGET.BCL");
};

TEST_F(LibraryMerge, MergingTwiceLeavesOneCopy) {
    ASSERT_TRUE(Merge({source}, dir.file("target")));
    EXPECT_TRUE(ui.prompter.texts().empty()) << "a missing target is created without asking";
    EXPECT_EQ(ui.progress.title, "合并构件库");
    EXPECT_EQ(ui.progress.upper, 9);
    EXPECT_EQ(ui.progress.pos, 9);
    // The second merge brings only repeats, which go before it is committed.
    long removed = 0;
    ASSERT_TRUE(Merge({source}, target, &removed));
    EXPECT_EQ(Counts(target), Counts(source));
    std::size_t entries = 0;
    for (const auto& [table, count] : Counts(source)) entries += count;
    EXPECT_EQ(removed, static_cast<long>(entries));
    // A table the target did not have comes with the source's field types.
    EXPECT_EQ(dao::Database::Open(target)->GetTableDef("多箱单室").fields[10].m_nType, dao::dbLong);
}

TEST_F(LibraryMerge, SourceNamedAsTheTargetIsSkippedAndUnreadableOnesReported) {
    ASSERT_TRUE(Merge({source}, target));
    // The target's own path is skipped; the same name in other letters is another file on this system.
    std::filesystem::copy_file(source, dir.file("target.BCL"));
    testing_support::WriteBytes(dir.file("BROKEN.BCL"), "broken");
    ASSERT_TRUE(Merge({target, dir.file("BROKEN.BCL"), dir.file("target.BCL")}, dir.file("target")));
    EXPECT_EQ(ui.prompter.texts(), Strings{"不能打开源构件库 " + dir.file("BROKEN.BCL") + "。\n该文件可能已被损坏。"});
    EXPECT_EQ(ui.progress.upper, 9) << "tables of the readable sources other than the target";
    // target.BCL brought the source's entries once more, and the merge removed them again.
    EXPECT_EQ(Counts(target), Counts(source));
}

TEST_F(LibraryMerge, TargetThatIsNoLibraryIsLeftAlone) {
    testing_support::WriteBytes(target, "mine");
    EXPECT_FALSE(Merge({source}, target));
    EXPECT_EQ(testing_support::ReadBytes(target), "mine");
    EXPECT_EQ(ui.prompter.texts().size(), 1u);
}

}  // namespace

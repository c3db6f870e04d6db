// The import from another project: which tables of the open or the new project are replaced, which stay.
#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/project_import.h"
#include "exchange_fixture.h"
#include "platform/interaction/scripted.h"

namespace {

using exchange::ImportBox;
using exchange::ImportChoices;
using exchange::ImportMode;
using namespace exchange_test;

class ProjectImportTest : public ::testing::Test {
protected:
    ProjectImportTest() : source(dir.file("source.vlt")), target(dir.file("target.vlt")) {
        source.add("空心板布置信息表", {{"SlabInWhichSpan", L(1)}, {"SlabsEverySpan", L(9)}});
        source.add("空心板布置信息表", {{"SlabInWhichSpan", L(2)}, {"SlabsEverySpan", L(8)}});
        source.add("上构布置信息表", {{"SectNumber", L(1)}, {"StructureType", T("装配式简支空心板桥")}});
        source.add("一般信息表", {{"TransectType", T("整体式")}});
        source.add("①类帽梁信息表", {{"PierAbutmentNum", L(1)}, {"CopingLength", N(12)}});
        target.add("空心板布置信息表", {{"SlabInWhichSpan", L(7)}, {"SlabsEverySpan", L(1)}});
        target.add("上构布置信息表", {{"SectNumber", L(5)}, {"StructureType", T("装配式简支T梁桥")}});
        target.add("挡块信息表", {{"PierAbutmentNum", L(3)}, {"BlockLength", N(0.5)}});
        source.close();
    }

    ImportChoices choices(ImportMode mode, std::initializer_list<ImportBox> boxes) {
        ImportChoices c;
        c.mode = mode;
        c.sourcePath = dir.file("source.vlt");
        for (ImportBox box : boxes) c.checked[static_cast<int>(box)] = true;
        return c;
    }

    testing_support::TempDir dir;
    ProjectFile source, target;
    ui::ScriptedInteraction ui;
};

TEST_F(ProjectImportTest, ReferenceProjectReplacesOnlyTheCheckedGroups) {
    std::vector<std::string> before = target.rows("上构布置信息表");
    auto interaction = ui.interaction();
    auto copied = exchange::ImportReferenceProject(
        target.db(), choices(ImportMode::ReferenceProject, {ImportBox::Superstructure}), interaction);
    ASSERT_TRUE(copied.has_value());
    EXPECT_EQ(*copied, std::vector<std::string>{"空心板布置信息表"});
    // The old records are gone: the table holds exactly the source's.
    ASSERT_EQ(target.rows("空心板布置信息表").size(), 2u);
    EXPECT_EQ(target.rows("空心板布置信息表")[0].substr(0, 4), "1|9|");
    EXPECT_EQ(target.rows("上构布置信息表"), before);
    EXPECT_EQ(ui.progress.title, "导入数据");
    EXPECT_EQ(ui.progress.text, "正在导入数据。请稍候...");
    EXPECT_EQ(ui.progress.upper, 1);
    EXPECT_EQ(ui.progress.closes, 1);
}

TEST_F(ProjectImportTest, ReferenceProjectKeepsATableTheSourceLacks) {
    auto interaction = ui.interaction();
    auto copied = exchange::ImportReferenceProject(
        target.db(), choices(ImportMode::ReferenceProject, {ImportBox::Substructure}), interaction);
    ASSERT_TRUE(copied.has_value());
    EXPECT_EQ(*copied, std::vector<std::string>{"①类帽梁信息表"});
    EXPECT_EQ(target.rows("挡块信息表"), std::vector<std::string>{"3|0.5"});
    EXPECT_EQ(target.rows("①类帽梁信息表").size(), 1u);
}

TEST_F(ProjectImportTest, ReferenceProjectThatCannotBeOpenedIsShown) {
    auto c = choices(ImportMode::ReferenceProject, {ImportBox::Superstructure});
    c.sourcePath = dir.file("missing.vlt");
    ui.prompter.setDefault(ui::Answer::No);
    auto interaction = ui.interaction();
    EXPECT_FALSE(exchange::ImportReferenceProject(target.db(), c, interaction).has_value());
    EXPECT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_EQ(target.rows("空心板布置信息表").size(), 1u);
}

struct NewProjectCase {
    const char* name;
    std::vector<ImportBox> boxes;
    ui::Answer answer;  // to the question about the general information, when it is asked
    bool asked;
    std::vector<std::string> present, absent;
};

class NewProjectTest : public ProjectImportTest, public ::testing::WithParamInterface<NewProjectCase> {};

TEST_P(NewProjectTest, CopiesTheChosenTablesIntoANewFile) {
    const NewProjectCase& c = GetParam();
    ImportChoices chosen = choices(ImportMode::NewProject, {});
    for (ImportBox box : c.boxes) chosen.checked[static_cast<int>(box)] = true;
    std::string path = dir.file("new.vlt");
    testing_support::WriteBytes(path, "an old file that is no database");
    ui.files.queue(path);
    ui.prompter.queue(c.answer);
    std::vector<std::string> calls;
    exchange::NewProjectSteps steps{[&] {
                                        calls.push_back("close");
                                        return true;
                                    },
                                    [&](const std::string& p) {
                                        calls.push_back("open " + p);
                                        return true;
                                    }};
    auto interaction = ui.interaction();
    auto result = exchange::ImportNewProject(chosen, ui.files, interaction, steps);

    EXPECT_EQ(result.outcome, exchange::NewProjectOutcome::Opened);
    EXPECT_EQ(calls, (std::vector<std::string>{"close", "open " + path}));
    EXPECT_EQ(ui.prompter.shown().size(), c.asked ? 1u : 0u);
    ASSERT_EQ(ui.files.requests().size(), 1u);
    EXPECT_EQ(ui.files.requests()[0].title, "保存项目文件");
    auto db = dao::Database::Open(path);
    for (const auto& table : c.present) EXPECT_TRUE(db->HasTableDef(table)) << table;
    for (const auto& table : c.absent) EXPECT_FALSE(db->HasTableDef(table)) << table;
}

INSTANTIATE_TEST_SUITE_P(Choices, NewProjectTest,
                         ::testing::Values(
                             NewProjectCase{
                                 "AllContents",
                                 {ImportBox::All, ImportBox::GeneralInfo, ImportBox::SpanInfo, ImportBox::DrawingInfo},
                                 ui::Answer::Yes,
                                 false,
                                 {"空心板布置信息表", "上构布置信息表", "一般信息表", "①类帽梁信息表", "伸缩缝信息表"},
                                 {"sqlite_sequence"}},
                             NewProjectCase{"NoToTheGeneralInformation",
                                            {ImportBox::Superstructure},
                                            ui::Answer::No,
                                            true,
                                            {"空心板布置信息表"},
                                            {"一般信息表", "上构布置信息表", "①类帽梁信息表"}},
                             NewProjectCase{"YesToTheGeneralInformation",
                                            {ImportBox::Superstructure},
                                            ui::Answer::Yes,
                                            true,
                                            {"空心板布置信息表", "一般信息表", "上构布置信息表", "图形布置信息表"},
                                            {"①类帽梁信息表"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectImportTest, NewProjectWithAllContentsCopiesRecordsAsTheyAre) {
    ImportChoices chosen = choices(
        ImportMode::NewProject, {ImportBox::All, ImportBox::GeneralInfo, ImportBox::SpanInfo, ImportBox::DrawingInfo});
    std::string path = dir.file("copy.vlt");
    ui.files.queue(path);
    auto interaction = ui.interaction();
    exchange::ImportNewProject(chosen, ui.files, interaction, {});
    auto db = dao::Database::Open(path);
    auto sourceDb = dao::Database::Open(dir.file("source.vlt"));
    std::vector<std::string> expected, actual;
    for (const auto& t : sourceDb->GetTableDefs())
        if (!t.isSystem()) expected.push_back(t.m_strName);
    for (const auto& t : db->GetTableDefs())
        if (!t.isSystem()) actual.push_back(t.m_strName);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(ui.progress.upper, static_cast<int>(sourceDb->GetTableDefs().size()));
}

TEST_F(ProjectImportTest, CancelInTheSaveDialogClosesAndCreatesNothing) {
    ImportChoices chosen = choices(ImportMode::NewProject,
                                   {ImportBox::GeneralInfo, ImportBox::SpanInfo, ImportBox::DrawingInfo});
    ui.files.queue("");
    bool closed = false;
    exchange::NewProjectSteps steps{[&] { return closed = true; }, nullptr};
    auto interaction = ui.interaction();
    auto result = exchange::ImportNewProject(chosen, ui.files, interaction, steps);
    EXPECT_EQ(result.outcome, exchange::NewProjectOutcome::Cancelled);
    EXPECT_FALSE(closed);
}

TEST_F(ProjectImportTest, RefusedCloseEndsBeforeTheFileIsCreated) {
    ImportChoices chosen = choices(
        ImportMode::NewProject, {ImportBox::All, ImportBox::GeneralInfo, ImportBox::SpanInfo, ImportBox::DrawingInfo});
    std::string path = dir.file("refused.vlt");
    ui.files.queue(path);
    exchange::NewProjectSteps steps{[] { return false; }, nullptr};
    auto interaction = ui.interaction();
    auto result = exchange::ImportNewProject(chosen, ui.files, interaction, steps);
    EXPECT_EQ(result.outcome, exchange::NewProjectOutcome::CloseRefused);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ProjectImportTest, TheProjectItselfIsNeitherReferenceNorTarget) {
    auto reference = choices(ImportMode::ReferenceProject, {ImportBox::Superstructure});
    reference.sourcePath = dir.file("target.vlt");
    auto interaction = ui.interaction();
    auto copied = exchange::ImportReferenceProject(target.db(), reference, interaction);
    ASSERT_TRUE(copied.has_value());
    EXPECT_TRUE(copied->empty());
    EXPECT_EQ(target.rows("空心板布置信息表").size(), 1u);

    ImportChoices chosen = choices(
        ImportMode::NewProject, {ImportBox::All, ImportBox::GeneralInfo, ImportBox::SpanInfo, ImportBox::DrawingInfo});
    ui.files.queue(dir.file("source.vlt"));
    bool closed = false;
    exchange::NewProjectSteps steps{[&] { return closed = true; }, nullptr};
    auto result = exchange::ImportNewProject(chosen, ui.files, interaction, steps);
    EXPECT_EQ(result.outcome, exchange::NewProjectOutcome::CreateFailed);
    EXPECT_FALSE(closed);
    EXPECT_EQ(ui.prompter.texts(), std::vector<std::string>{exchange::kSourceAsTarget});
    EXPECT_TRUE(dao::Database::Open(dir.file("source.vlt"))->HasTableDef("空心板布置信息表"));
}

}  // namespace

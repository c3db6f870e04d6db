// The Site module loaded from the module folder, as the shell calls it: what each editor proposes, what it
// writes after OK, and that Cancel leaves the project as it was.
#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/design_calls.h"
#include "kit/bridge_facts.h"
#include "kit/record_sheet.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "projectdb/span_page.h"
#include "projectdb/wizard_writer.h"
#include "site_fake_editor.h"
#include "support/test_support.h"

namespace {

struct SiteEditor {
    const char* name;
    int commandId;
    std::vector<std::string> tables;
};

const SiteEditor kEditors[] = {
    {"GroundLine", app::CommandId("ground-line"), {"地形资料表"}},
    {"Drill", app::CommandId("drill"), {"钻孔资料表", "钻孔描述表"}},
    {"Water", app::CommandId("water"), {"水文资料表"}},
    {"HLine", app::CommandId("horizontal-curves"), {"平曲线资料表"}},
    {"VLine", app::CommandId("vertical-curves"), {"竖曲线资料表"}},
    {"Slope", app::CommandId("deck-slope"), {"桥面横坡资料表"}},
    {"RdTbl", app::CommandId("road-table"), {"路基设计表"}},
    {"Prick", app::CommandId("cone-slope"), {"锥坡信息表"}},
};

class SiteEditorsTest : public ::testing::TestWithParam<SiteEditor> {
protected:
    // A project with the wizard's default span layout, so that the editors have supports to start from.
    SiteEditorsTest() : db(projectdb::CreateProjectFile(dir.file("p.vlt"))), loader(VELTRA_MODULES_DIR) {
        projectdb::WriteSpanLayout(*db, projectdb::SpanPage::NewProject());
        for (const auto& support : modulekit::ReadBridgeFacts(*db).supports) supports.push_back(support.station);
    }
    bool Run(ui::RecordEditor& editor, int commandId = 0) {
        return app::RunDesignCall(*app::FindDesignCall(commandId ? commandId : GetParam().commandId), *db, loader,
                                  prompter, &editor);
    }
    std::vector<std::vector<std::string>> Stored(const std::string& table) {
        return modulekit::ReadSheet(*db, modulekit::SchemaOf(table.c_str())).rows;
    }

    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
    modules::SharedLibraryLoader loader;
    ui::ScriptedPrompter prompter;
    std::vector<double> supports;
};

TEST_P(SiteEditorsTest, CancelLeavesTheProjectAsItWas) {
    FakeRecordEditor editor = FakeRecordEditor::Cancelling();
    ASSERT_TRUE(Run(editor));
    ASSERT_EQ(editor.shown.size(), 1u);
    ASSERT_EQ(editor.shown[0].tables.size(), GetParam().tables.size());
    for (const auto& table : GetParam().tables) EXPECT_FALSE(db->HasTableDef(table)) << table;
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_P(SiteEditorsTest, ProposesEveryTableWithItsFieldsAndMakesThemOnOk) {
    FakeRecordEditor editor([](ui::EditRequest& request) {
        // Whatever must still be filled in gets a number, so that the rows can be written.
        for (auto& table : request.tables)
            for (auto& row : table.rows)
                for (auto& cell : row)
                    if (cell.empty()) cell = "1";
        return true;
    });
    ASSERT_TRUE(Run(editor));
    ASSERT_EQ(editor.shown.size(), 1u);
    const ui::EditRequest& request = editor.shown[0];
    EXPECT_FALSE(request.title.empty());
    EXPECT_FALSE(request.note.empty());
    EXPECT_TRUE(prompter.texts().empty()) << prompter.texts()[0];
    for (std::size_t t = 0; t < GetParam().tables.size(); ++t) {
        const std::string& table = GetParam().tables[t];
        std::vector<std::string> expected, made;
        for (const auto& f : modulekit::SchemaOf(table.c_str()).fields) expected.push_back(f.name);
        for (const auto& f : db->GetTableDef(table).fields) made.push_back(f.m_strName);
        EXPECT_EQ(made, expected) << table;
        EXPECT_EQ(request.tables[t].fields, expected) << table;
        EXPECT_EQ(request.tables[t].captions.size(), expected.size()) << table;
        EXPECT_EQ(request.tables[t].rowsFixed, table == "水文资料表") << table;
    }
    if (GetParam().commandId != app::CommandId("cone-slope")) {
        EXPECT_FALSE(editor.drawn[0].empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Editors, SiteEditorsTest, ::testing::ValuesIn(kEditors),
                         [](const auto& info) { return std::string(info.param.name); });

using SiteEditorTest = SiteEditorsTest;
INSTANTIATE_TEST_SUITE_P(GroundLine, SiteEditorTest, ::testing::Values(kEditors[0]),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(SiteEditorTest, GroundPointsStartAtTheSupportsAndWaitForTheirElevations) {
    ASSERT_GE(supports.size(), 2u);
    ui::AcceptingRecordEditor unchanged;
    ASSERT_TRUE(Run(unchanged));  // the elevations are missing: told, nothing written
    ASSERT_EQ(prompter.texts().size(), 1u);
    EXPECT_EQ(prompter.texts()[0], "“地形资料表”第1行的“高程(m)”不能为空。");
    EXPECT_FALSE(db->HasTableDef("地形资料表"));

    FakeRecordEditor editor([](ui::EditRequest& request) {
        auto& rows = request.tables[0].rows;
        for (std::size_t r = 0; r < rows.size(); ++r) rows[r][1] = std::to_string(90 + r);
        rows.push_back({"-5", "88"});  // typed at the end, stored in stake order
        return true;
    });
    ASSERT_TRUE(Run(editor));
    const auto& proposed = editor.shown[0].tables[0].rows;
    ASSERT_EQ(proposed.size(), supports.size());
    for (std::size_t r = 0; r < supports.size(); ++r)
        EXPECT_EQ(proposed[r], (std::vector<std::string>{modulekit::CellText(dao::Value::Double(supports[r])), ""}));
    auto stored = Stored("地形资料表");
    ASSERT_EQ(stored.size(), supports.size() + 1);
    EXPECT_EQ(stored[0], (std::vector<std::string>{"-5", "88"}));
    EXPECT_EQ(stored[1][1], "90");

    // The boreholes then start on that ground line, one under each support.
    FakeRecordEditor drill([](ui::EditRequest& request) {
        request.tables[1].rows.push_back({"1", "ZK1", "粉质黏土", "80"});
        return true;
    });
    ASSERT_TRUE(Run(drill, app::CommandId("drill")));
    const auto& holes = drill.shown[0].tables[0].rows;
    ASSERT_EQ(holes.size(), supports.size());
    EXPECT_EQ(holes[0][0], "ZK1");
    EXPECT_EQ(holes[0][2], "90");
    auto storedHoles = Stored("钻孔资料表");
    ASSERT_EQ(storedHoles.size(), supports.size());
    EXPECT_EQ(storedHoles[0][3], "1");  // its layer count follows its layers
    EXPECT_EQ(storedHoles[1][3], "");
    EXPECT_EQ(Stored("钻孔描述表"), (std::vector<std::vector<std::string>>{{"1", "ZK1", "粉质黏土", "80"}}));
    // Running an editor again shows what was written.
    FakeRecordEditor again = FakeRecordEditor::Cancelling();
    ASSERT_TRUE(Run(again));
    EXPECT_EQ(again.shown[0].tables[0].rows, stored);
}

TEST_P(SiteEditorTest, TheRoadTableStartsOnTheGradeLineWithTheDeckEdges) {
    FakeRecordEditor profile([this](ui::EditRequest& request) {
        request.tables[0].rows = {{"-100", "100", ""}, {"1000", "111", ""}};  // a 1 % grade
        return true;
    });
    ASSERT_TRUE(Run(profile, app::CommandId("vertical-curves")));
    projectdb::RecreateCentralTable(*db, modulekit::SchemaOf(projectdb::kGeneralInfoTable));
    db->Execute("Insert Into [一般信息表] (BridgeWidth) Values (12)");
    FakeRecordEditor road = FakeRecordEditor::Cancelling();
    ASSERT_TRUE(Run(road, app::CommandId("road-table")));
    const ui::ProposedTable& sheet = road.shown[0].tables[0];
    ASSERT_EQ(sheet.rows.size(), supports.size());
    const double centre = 100 + 0.01 * (supports[0] + 100);
    EXPECT_NEAR(*modulekit::CellNumber(sheet, 0, "CenterElev"), centre, 1e-9);
    EXPECT_EQ(sheet.rows[0][ColumnOf(sheet, "Dist1")], "-6");
    EXPECT_NEAR(*modulekit::CellNumber(sheet, 0, "Elev1"), centre - 0.12, 1e-9);
    EXPECT_NEAR(*modulekit::CellNumber(sheet, 0, "Elev2"), centre - 0.12, 1e-9);
    EXPECT_EQ(sheet.captions[0], "中桩桩号(m)");
}

}  // namespace

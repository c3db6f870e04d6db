// The Site, Adjunct, Girder and PierAbut editors in the shell's dialog, on the sample bridge: every proposed row is on its
// page and the pictures have something to show. With VELTRA_SHOTS set, each dialog is saved as a picture.
#include <gtest/gtest.h>

#include <QDir>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>

#include "app/command_table.h"
#include "app/design_calls.h"
#include "app/ui/plot_view.h"
#include "app/ui/record_editor_dialog.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "site_fake_editor.h"
#include "support/test_support.h"
#include "support/window_shot.h"

namespace {

using testing_support::Shot;

// Shows the proposal in the dialog, checks and pictures it, then cancels.
class ShootingEditor : public ui::RecordEditor {
public:
    explicit ShootingEditor(std::string name) : name_(std::move(name)) {}
    bool edit(ui::EditRequest& request) override {
        RecordEditorDialog dialog(request);
        dialog.show();
        for (std::size_t t = 0; t < request.tables.size(); ++t)
            EXPECT_EQ(dialog.sheet(static_cast<int>(t))->rowCount(), static_cast<int>(request.tables[t].rows.size()));
        for (const PlotView* view : dialog.plotViews())
            for (const auto& series : view->plot().series) drawnPoints += series.points.size();
        rows = request.tables.empty() ? 0 : request.tables[0].rows.size();
        Shot(dialog, name_);
        return false;
    }
    std::size_t rows = 0, drawnPoints = 0;

private:
    std::string name_;
};

struct Editor {
    const char* name;
    int commandId;
    bool drawn;  // the sample bridge gives the picture something to draw
};

class SiteEditorWindows : public ::testing::TestWithParam<Editor> {
protected:
    static void SetUpTestSuite() {
        sample = new testing_support::TempDir;
        const std::string command = std::string("bash ") + VELTRA_SAMPLE_SCRIPT + " " + VELTRA_CLI_PATH + " " +
                                    sample->file("sample.vlt") + " >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    static void TearDownTestSuite() {
        delete sample;
        sample = nullptr;
    }
    // Each case edits a copy of the sample bridge.
    void SetUp() override {
        std::filesystem::copy_file(sample->file("sample.vlt"), dir.file("p.vlt"));
        db = dao::Database::Open(dir.file("p.vlt"));
    }
    bool Run(int commandId, ui::RecordEditor& editor) {
        return app::RunDesignCall(*app::FindDesignCall(commandId), *db, loader, prompter, &editor);
    }
    static testing_support::TempDir* sample;
    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
    modules::SharedLibraryLoader loader{VELTRA_MODULES_DIR};
    ui::ScriptedPrompter prompter;
};
testing_support::TempDir* SiteEditorWindows::sample = nullptr;

TEST_P(SiteEditorWindows, ShowsTheProposalOnTheSampleBridge) {
    ShootingEditor editor(std::string("editor_") + GetParam().name);
    ASSERT_TRUE(Run(GetParam().commandId, editor));
    EXPECT_GT(editor.rows, 0u);
    if (GetParam().drawn) {
        EXPECT_GT(editor.drawnPoints, 0u);
    }
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(SiteEditorWindows, DrawsTheBoreholeColumnsAndTheNavigationClearanceOnceFilledIn) {
    FakeRecordEditor layers([](ui::EditRequest& request) {
        for (const char* hole : {"ZK1", "ZK2", "ZK3", "ZK4"}) {
            request.tables[1].rows.push_back({"1", hole, "粉质黏土", "84"});
            request.tables[1].rows.push_back({"2", hole, "强风化砂岩", "76"});
        }
        return true;
    });
    ASSERT_TRUE(Run(app::CommandId("drill"), layers));
    FakeRecordEditor water([](ui::EditRequest& request) {
        request.tables[0].rows[0] = {"95.5", "88.2", "94", "6", "20", "14", "4", "1230"};
        return true;
    });
    ASSERT_TRUE(Run(app::CommandId("water"), water));
    ShootingEditor drill("editor_Drill_layers"), hydrology("editor_Water_filled");
    ASSERT_TRUE(Run(app::CommandId("drill"), drill));
    ASSERT_TRUE(Run(app::CommandId("water"), hydrology));
    EXPECT_GT(drill.drawnPoints, 16u);  // ground line, four columns of three points, eight layer bottoms
    EXPECT_TRUE(prompter.texts().empty());
}

INSTANTIATE_TEST_SUITE_P(Editors, SiteEditorWindows,
                         ::testing::Values(Editor{"GroundLine", app::CommandId("ground-line"), true},
                                           Editor{"Drill", app::CommandId("drill"), true},
                                           Editor{"Water", app::CommandId("water"), true},
                                           Editor{"HLine", app::CommandId("horizontal-curves"), true},
                                           Editor{"VLine", app::CommandId("vertical-curves"), true},
                                           Editor{"Slope", app::CommandId("deck-slope"), true},
                                           Editor{"RdTbl", app::CommandId("road-table"), true},
                                           Editor{"Prick", app::CommandId("cone-slope"), false},
                                           Editor{"Subslab", app::CommandId("subslab"), false},
                                           Editor{"Slab", app::CommandId("design-slab"), false},
                                           Editor{"PierAbut", app::CommandId("design-pier-abut"), true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

#include "render_fixture.h"

#include <gtest/gtest.h>

#include "exchange/route_import.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "projectdb/wizard_model.h"

namespace drawhost_test {

std::string MakeProject(const std::string& path, const ProjectRecipe& recipe) {
    projectdb::NewProjectWizard wizard;
    EXPECT_FALSE(wizard.general()
                     .Apply({{"DeptName", "Veltra示例设计院"},
                             {"ProjectName", "示例高速公路"},
                             {"BridgeName", "示例大桥"},
                             {"LineMark", "K"},
                             {"ForwardSite", "东岗"},
                             {"BackwardSite", "西岭"},
                             {"TransectType", "整体式"},
                             {"LeftBridgeWidth", "12.5"},
                             {"RightBridgeWidth", "12.5"},
                             {"Dist3", "0"},
                             {"高程计算方法", "按竖曲线计算"},
                             {"超高过渡方法", "按长度分配"}})
                     .has_value());
    projectdb::SpanInput spans;
    spans.boxes = {{projectdb::SpanBox::StartStake, "1200"},
                   {projectdb::SpanBox::CenterStake, "1230"},
                   {projectdb::SpanBox::CrossAngle, "90"}};
    spans.sections = recipe.sections;
    EXPECT_FALSE(wizard.spans().Apply(spans).has_value());
    wizard.OnDrawingPageShown();
    ui::ScriptedPrompter prompter;
    EXPECT_EQ(wizard.Finish(path, projectdb::FinishSteps{}, prompter), projectdb::FinishResult::Created);
    if (recipe.withRoute) {
        auto db = dao::Database::Open(path);
        auto range = exchange::ReadBridgeExtent(*db);
        EXPECT_TRUE(range.has_value());
        ui::ScriptedInteraction ui;
        ui.prompter.setDefault(ui::Answer::Yes);
        auto interaction = ui.interaction();
        auto result = exchange::ImportRoute(*db, std::string(VELTRA_SAMPLES_DIR) + "/sample_bridge.BRF",
                                            range.value_or(exchange::RouteRange{1150, 1310}), {}, interaction);
        EXPECT_TRUE(result.complete());
    }
    return path;
}

}  // namespace drawhost_test

#include <gtest/gtest.h>

#include "exchange/import_options.h"

namespace {

using exchange::ImportBox;
using exchange::ImportMode;
using exchange::ImportOptionsState;

// One letter per box in box order (一般 桥跨 绘图 | 地面线 平曲线 竖曲线 | 上部 下部 附属 | 全部).
std::string Enabled(const ImportOptionsState& s) {
    std::string out;
    for (const auto& info : exchange::ImportBoxes()) out += s.enabled(info.box) ? 'E' : '-';
    return out;
}
std::string Checked(const ImportOptionsState& s) {
    std::string out;
    for (const auto& info : exchange::ImportBoxes()) out += s.checked(info.box) ? 'X' : '-';
    return out;
}

TEST(ImportOptions, ModesEnableAndCheckTheirBoxes) {
    struct Case {
        ImportMode mode;
        const char* enabled;   // one letter a box, in the dialog's order: E enabled
        const char* checked;   // X checked, as the mode opens
        const char* afterAll;  // X checked once 全部 is checked
    } cases[] = {
        {ImportMode::RouteFile, "---EEE---E", "----------", "---XXXXXXX"},
        {ImportMode::ReferenceProject, "---EEEEEEE", "----------", "---XXXXXXX"},
        {ImportMode::NewProject, "EEEEEEEEEE", "XXX-------", "XXXXXXXXXX"},
    };
    for (const auto& c : cases) {
        ImportOptionsState s(c.mode);
        EXPECT_EQ(Enabled(s), c.enabled) << static_cast<int>(c.mode);
        EXPECT_EQ(Checked(s), c.checked) << static_cast<int>(c.mode);
        s.setChecked(ImportBox::All, true);
        EXPECT_EQ(Checked(s), c.afterAll) << static_cast<int>(c.mode);
        // Unchecking it clears all nine, also boxes the mode disables and those checked by hand.
        s.setChecked(ImportBox::GroundLine, false);
        s.setChecked(ImportBox::All, false);
        EXPECT_EQ(Checked(s), "----------") << static_cast<int>(c.mode);
    }
    ImportOptionsState s(ImportMode::RouteFile);
    s.setChecked(ImportBox::VerticalCurve, true);
    auto choices = s.choices("/a/b.BRF");
    EXPECT_TRUE(choices.has(ImportBox::VerticalCurve));
    EXPECT_FALSE(choices.has(ImportBox::GroundLine));
    EXPECT_EQ(choices.sourcePath, "/a/b.BRF");
    EXPECT_EQ(exchange::InfoOf(ImportBox::All).controlId, 1144);
}

TEST(ImportOptions, SourceKindFollowsTheUpperCasedExtension) {
    struct Case {
        const char* path;
        exchange::ImportSource kind;
    } cases[] = {
        {"/home/a/路线.BRF", exchange::ImportSource::RouteFile},
        {"/home/a/route.brf", exchange::ImportSource::RouteFile},
        {"/home/a/route.Brf", exchange::ImportSource::RouteFile},
        {"/home/a/桥.vlt", exchange::ImportSource::Project},
        {"x.VLT", exchange::ImportSource::Project},
        {"/home/a/route.brf.txt", exchange::ImportSource::Unknown},
        {"/home/a/routeBRF", exchange::ImportSource::Unknown},
        {"BRF", exchange::ImportSource::Unknown},
        {"", exchange::ImportSource::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(exchange::ClassifyImportPath(c.path), c.kind) << c.path;
    auto request = exchange::ImportFileRequest();
    EXPECT_EQ(request.title, "导入");
    EXPECT_EQ(request.filter, "桥梁CAD项目文件 (*.VLT)|*.VLT|路线CAD参考文件 (*.BRF)|*.BRF||");
}

}  // namespace

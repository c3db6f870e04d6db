// The value lists a preview hands the viewer, the file the manager leaves beside it, and the same list
// through veltra-cli.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_child.h"
#include "library/component_preview.h"
#include "library_fixture.h"
#include "platform/interaction/scripted.h"
#include "platform/text/cformat.h"
#include "platform/text/gbk.h"

namespace {

using namespace library;
using namespace library_test;
using Texts = std::vector<std::string>;

Texts Numbered(const std::string& kind, int count) {
    Texts t;
    for (int i = 0; i < count; ++i) t.push_back(kind + std::to_string(i));
    return t;
}

// An entry of a hollow slab with the given cavity kind and count, 27 texts.
Texts Slab(const std::string& cavity, const std::string& count) {
    Texts t = Numbered("s", 27);
    t[7] = cavity;
    t[8] = count;
    return t;
}

SectionChooser Cancelled() {
    return [](const std::string&) { return std::optional<ChosenSections>(); };
}

TEST(ViewerValueList, SlabsAndBeamsGoAsTheirEntries) {
    ui::ScriptedPrompter prompt;
    Texts slab = Slab("多边形", "1");
    EXPECT_EQ(ViewerValueList("简支空心板", slab, Cancelled(), prompt), slab);
    Texts beam = Numbered("t", 40);
    EXPECT_EQ(ViewerValueList("简支T梁", beam, Cancelled(), prompt), beam);
    EXPECT_TRUE(prompt.texts().empty());
}

TEST(ViewerValueList, ShapesTheViewerCannotShowAreToldAndStop) {
    struct Case {
        std::string kind;
        Texts entry;
        std::string message;
    } cases[] = {
        {"简支空心板", Slab("圆端形", "1"), "系统目前尚不能预览内腔为圆端形的空心板。"},
        {"简支空心板", Slab("多边形", "2"), "系统目前尚不能预览多内腔的空心板。"},
        {"简支变截面箱梁", Numbered("v", 18), "系统目前尚没有变截面箱梁的预览功能。"},
        {"连续变截面箱梁", Numbered("v", 26), "系统目前尚没有变截面箱梁的预览功能。"},
        {"多箱单室", Numbered("x", 29),
         "箱梁横断面目前只能配合立面和平面进行预览。\n\n下一个版本将加入箱梁横断面预览功能。"},
    };
    for (const Case& c : cases) {
        ui::ScriptedPrompter prompt;
        bool asked = false;
        SectionChooser chooser = [&](const std::string&) {
            asked = true;
            return std::optional<ChosenSections>();
        };
        EXPECT_EQ(ViewerValueList(c.kind, c.entry, chooser, prompt), std::nullopt) << c.message;
        EXPECT_EQ(prompt.texts(), Texts{c.message});
        EXPECT_FALSE(asked);
    }
}

TEST(ViewerValueList, BoxElevationsTakeTheChosenSections) {
    ui::ScriptedPrompter prompt;
    std::string askedFor;
    SectionChooser chooser = [&](const std::string& family) {
        askedFor = family;
        return std::optional<ChosenSections>(ChosenSections{"单箱多室", {"S0", "S1"}});
    };
    Texts simple = Numbered("t", 14);
    EXPECT_EQ(ViewerValueList("简支等截面箱梁", simple, chooser, prompt),
              (Texts{"简支等截面箱梁", "单箱多室", "t4", "t3", "t2", "t4", "t2", "t5", "t6", "t7", "t8", "t9", "t10",
                     "t11", "t12", "t13", "S0", "S1"}));
    EXPECT_EQ(askedFor, "简支等截面箱梁");

    Texts continuous = Numbered("t", 16);
    auto list = ViewerValueList("连续等截面箱梁", continuous, chooser, prompt);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->size(), 21u);
    EXPECT_EQ(Texts(list->begin(), list->begin() + 8),
              (Texts{"连续等截面箱梁", "单箱多室", "t4", "t3", "t2", "", "t4", "t2"}));
    EXPECT_EQ((*list)[18], "t15");
    EXPECT_EQ(askedFor, "连续等截面箱梁");

    // Cancelling the chooser ends the preview without a word.
    EXPECT_EQ(ViewerValueList("连续等截面箱梁", continuous, Cancelled(), prompt), std::nullopt);
    EXPECT_TRUE(prompt.texts().empty());
}

TEST(ViewerValueList, SubstructureSizesWalkTheFieldGroupsOfTheCode) {
    ui::ScriptedPrompter prompt;
    // 1111: cap 10 fields, columns 4, pile cap 4, single-row piles 4.
    Texts entry = {"1类墩帽", "矩形截面柱式墩身", "桩帽", "单排桩基础"};
    for (int i = 1; i <= 22; ++i) entry.push_back(std::to_string(i * 10));
    entry[18] = "方形";  // the pile cap's kind is no number and counts as 0 where it stands
    auto list = ViewerValueList("1111", entry, Cancelled(), prompt);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 26u);
    // A = cap f0; B = cap f2 + f7, 3 x body f2, connection f3, 3 x foundation f1; C = cap f1.
    double b = 30 + 80 + 3 * 130 + 180 + 3 * 200;
    EXPECT_EQ((*list)[0], "1111");
    EXPECT_EQ((*list)[1], "10.000000");
    EXPECT_EQ((*list)[2], text::Format("%lf", b));
    EXPECT_EQ((*list)[3], "20.000000");
    EXPECT_EQ(Texts(list->begin() + 4, list->end()), Texts(entry.begin() + 4, entry.end()));

    // 6959: no member anywhere.
    EXPECT_EQ(ViewerValueList("6959", {"无", "无", "无", "无"}, Cancelled(), prompt),
              (Texts{"6959", "0.000000", "0.000000", "0.000000"}));

    // 2, 6, 4, 6: a cap of the second kind, a thin-walled body, a second-kind footing, a stepped U footing.
    Texts other = {"2类墩帽", "多边形截面薄壁墩身", "2类承台", "U台扩大基础(台阶形)"};
    for (int i = 1; i <= 9 + 10 + 8 + 5; ++i) other.push_back(std::to_string(i));
    list = ViewerValueList("2646", other, Cancelled(), prompt);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->size(), 4u + 32u);
    // A = 2 x 2 + 3; B = 5 + body f8 (18) + connection f6 (26) + foundation f1 x f0 (29 x 28); C = 4.
    EXPECT_EQ((*list)[1], "7.000000");
    EXPECT_EQ((*list)[2], text::Format("%lf", 5.0 + 18 + 26 + 29.0 * 28));
    EXPECT_EQ((*list)[3], "4.000000");
}

TEST(PreviewComponent, TheViewerReceivesTheListAndTheManagerLeavesItInAFile) {
    testing_support::TempDir dir;
    ui::ScriptedPrompter prompt;
    RecordingViewerLoader loader;
    ViewerCalls().clear();
    std::string dataFile = dir.file("ComponentData.txt");
    PreviewServices services{prompt, loader, Cancelled(), dataFile};
    Texts entry = {"无", "无", "无", "无"};
    ASSERT_TRUE(PreviewComponent("6959", entry, services));
    EXPECT_EQ(loader.loaded, Texts{"GLViewer.dll"});
    ASSERT_EQ(ViewerCalls().size(), 1u);
    const ViewerCall& call = ViewerCalls()[0];
    EXPECT_EQ(call.kind, "6959");
    EXPECT_EQ(call.values, (Texts{"6959", "0.000000", "0.000000", "0.000000"}));
    EXPECT_EQ(call.secondCount, 0);
    EXPECT_EQ(call.mode, 1);
    EXPECT_EQ(call.scale, 0.0);
    EXPECT_EQ(testing_support::ReadBytes(dataFile), "6959\r\n0.000000\r\n0.000000\r\n0.000000\r\n");

    // A slab list with a Chinese text is written in GBK, replacing the earlier list.
    ASSERT_TRUE(PreviewComponent("简支空心板", Slab("多边形", "1"), services));
    std::string written = testing_support::ReadBytes(dataFile);
    EXPECT_EQ(written.substr(0, 4), "s0\r\n");
    EXPECT_NE(written.find(text::ToGbk("多边形") + "\r\n1\r\n"), std::string::npos);

    // A stopped preview neither writes nor calls.
    testing_support::WriteBytes(dataFile, "kept");
    EXPECT_FALSE(PreviewComponent("简支空心板", Slab("圆端形", "1"), services));
    EXPECT_EQ(testing_support::ReadBytes(dataFile), "kept");
    EXPECT_EQ(ViewerCalls().size(), 2u);

    loader.missing = true;
    prompt.clear();
    services.dataFile.clear();
    EXPECT_FALSE(PreviewComponent("6959", entry, services));
    EXPECT_EQ(prompt.texts(), Texts{"找不到三维预览模块 GLViewer.dll（libGLViewer.so）。"});
}

class LibraryPreviewCli : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("LIB.BCL");
        auto db = dao::Database::Create(path);
        CreateHollowSlabTable(*db);
        Insert(*db, "简支空心板", HollowSlabRecord("B", "多边形", 1));
        Insert(*db, "简支空心板", HollowSlabRecord("A", "圆端形", 1));
        CreateTable(
            *db, "简支等截面箱梁",
            {{"名称", "TEXT(255)"}, {"跨径", "DOUBLE"}, {"梁高", "DOUBLE"}, {"梁宽", "DOUBLE"}, {"梁长", "DOUBLE"}});
        Insert(*db, "简支等截面箱梁", {"'简支等截面箱梁'", "3000", "180", "1200", "2996"});
        CreateSingleCellTable(*db);
        Insert(*db, "单箱单室", SingleCellRecord("跨中", "简支等截面箱梁", 100));
        Insert(*db, "单箱单室", SingleCellRecord("支点", "简支等截面箱梁", 200));
    }
    testing_support::TempDir dir;
    std::string path;
};

TEST_F(LibraryPreviewCli, PrintsTheValueListOfTheRowAsTheViewListsIt) {
    // Row 2 in the order of names is "B", the polygonal slab.
    cli_test::ChildRun run = cli_test::RunCli({"library", "preview", path, "简支空心板", "2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 12), "B\n1300\n60\n99");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 27);

    run = cli_test::RunCli({"library", "preview", path, "简支空心板", "1"});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("系统目前尚不能预览内腔为圆端形的空心板。"), std::string::npos);

    run = cli_test::RunCli({"library", "preview", path, "简支等截面箱梁", "1", "--section", "单箱单室:1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("\n100\n")),
              "简支等截面箱梁\n单箱单室\n2996\n1200\n180\n2996\n180\n\n\n\n\n\n\n\n\n");
    EXPECT_NE(run.out.find("\n116\n200\n"), std::string::npos);  // mid-span "内腔 d", then the support's "顶宽 TW"

    for (const Texts& words : {Texts{"library", "preview", path, "简支等截面箱梁", "1"},
                               Texts{"library", "preview", path, "简支空心板", "3"},
                               Texts{"library", "preview", dir.file("NONE.BCL"), "简支空心板", "1"}}) {
        run = cli_test::RunCli(words);
        EXPECT_NE(run.status, 0) << words[2];
        EXPECT_FALSE(run.err.empty());
    }
}

}  // namespace

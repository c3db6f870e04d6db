// The Girder module: for every span of a structure type the layout, size, elevation and cross-section
// records its layout names, defaults by span length, the records already there kept, the user's edits and
// Cancel honoured.
#include "girder_fixture.h"

#include "cli_child.h"

namespace {

using namespace girder_test;

// The mixed deck with no expansion joint over the continuous box's two inner piers.
class GirderTest : public DesignFixture {
protected:
    GirderTest() {
        db = MakeMixedDeck(dir.file("p.vlt"), std::nullopt, Rows{{"1000"}, {"1016"}, {"1032"}, {"1062"}, {"1152"}});
    }
};

TEST_F(GirderTest, EachDesignWritesExactlyTheMembersOfItsSpans) {
    struct Case {
        int command;
        std::map<std::string, std::pair<std::string, std::vector<std::string>>> keys;  // table -> key field, keys
    };
    const Case cases[] = {
        {app::CommandId("design-slab"),
         {{"空心板布置信息表", {"SlabInWhichSpan", {"1", "2"}}},
          {"中板尺寸信息表", {"SlabType", {"16m中板"}}},
          {"边板尺寸信息表", {"SlabType", {"16m边板"}}}}},
        {app::CommandId("design-tbeam"),
         {{"T梁布置信息表", {"TBeamInWhichSpan", {"3"}}},
          {"中梁尺寸信息表", {"TBeamType", {"30m中梁"}}},
          {"边梁尺寸信息表", {"TBeamType", {"30m边梁"}}}}},
        {app::CommandId("design-cu-box"),
         {{"连续等截面箱梁立面、平面信息表", {"InWhichSpan", {"4", "5", "6"}}},
          {"单箱单室箱梁横断面信息表", {"Position", {"4_跨中", "4_支点", "5_跨中", "5_支点", "6_跨中", "6_支点"}}}}},
    };
    std::set<std::string> expectedTables = Tables();
    for (const auto& c : cases) {
        ASSERT_TRUE(Run(c.command));
        for (const auto& [table, key] : c.keys) {
            EXPECT_EQ(Column(*db, table, key.first), key.second) << table;
            expectedTables.insert(table);
        }
        EXPECT_EQ(Tables(), expectedTables) << c.command;
    }
    EXPECT_EQ(Column(*db, "连续等截面箱梁立面、平面信息表", "Position"),
              (std::vector<std::string>{"边跨", "中跨", "边跨"}));
    EXPECT_EQ(Column(*db, "连续等截面箱梁立面、平面信息表", "TransectType"),
              (std::vector<std::string>{"单箱单室", "单箱单室", "单箱单室"}));
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(GirderTest, DefaultsFollowTheSpanLengthAndFillTheDeck) {
    ASSERT_TRUE(Run(app::CommandId("design-slab")));
    ASSERT_TRUE(Run(app::CommandId("design-tbeam")));
    ASSERT_TRUE(Run(app::CommandId("design-cu-box")));
    struct Case {
        const char* table;
        const char* keyField;
        const char* key;
        const char* field;
        double value;
    };
    const Case cases[] = {
        {"中板尺寸信息表", "SlabType", "16m中板", "Height", 0.80},                   // L/20
        {"中板尺寸信息表", "SlabType", "16m中板", "SlabLength", 15.96},              // 2 cm gap at each end
        {"中梁尺寸信息表", "TBeamType", "30m中梁", "TBeamHeight", 2.00},             // the standard 30 m T-beam
        {"连续等截面箱梁立面、平面信息表", "InWhichSpan", "4", "BoxHeight", 1.50},   // L/20
        {"连续等截面箱梁立面、平面信息表", "InWhichSpan", "4", "BoxLength", 29.98},  // gap at the girder end only
        {"连续等截面箱梁立面、平面信息表", "InWhichSpan", "5", "BoxLength", 30.0},
        {"单箱单室箱梁横断面信息表", "Position", "5_跨中", "TopWidth", 12.5},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Field(*db, c.table, c.keyField, c.key, c.field).toDouble(), c.value, 1e-9)
            << c.table << " " << c.key << " " << c.field;
    // Ten slabs of the 1.25 m module and the edge cantilevers make the deck; so do the T-beams.
    const double slabs = Field(*db, "空心板布置信息表", "SlabInWhichSpan", "1", "SlabsEverySpan").toDouble();
    const double slabCantilever = Field(*db, "边板尺寸信息表", "SlabType", "16m边板", "SuspendWidth").toDouble();
    EXPECT_NEAR(slabs * 1.25 - 0.01 + 2 * slabCantilever, 12.5, 1e-9);
    const double beams = Field(*db, "T梁布置信息表", "TBeamInWhichSpan", "3", "TBeamsEverySpan").toDouble();
    const double outside = Field(*db, "边梁尺寸信息表", "TBeamType", "30m边梁", "TopWidth1").toDouble();
    const double inside = Field(*db, "边梁尺寸信息表", "TBeamType", "30m边梁", "TopWidth2").toDouble();
    EXPECT_NEAR((beams - 2) * 2.25 + 2 * (outside + inside), 12.5, 1e-9);
}

TEST_F(GirderTest, RecordsOfOtherSpansStayAndStoredValuesAreProposedAgain) {
    ASSERT_TRUE(Run(app::CommandId("design-slab")));
    db->Execute("Update [中板尺寸信息表] Set Height = 0.95");
    db->Execute("Insert Into [空心板布置信息表] (SlabInWhichSpan, SlabsEverySpan) Values (9, 4)");
    db->Execute("Insert Into [中板尺寸信息表] (SlabType, Height) Values ('13m中板', 0.7)");
    ASSERT_TRUE(Run(app::CommandId("design-slab")));

    const ui::ProposedTable& inner = editor.requests.back().tables.at(1);
    ASSERT_EQ(inner.rows.size(), 1u);
    const auto height = std::find(inner.fields.begin(), inner.fields.end(), "Height") - inner.fields.begin();
    EXPECT_EQ(inner.rows[0].at(height), "0.95");  // as stored, not the default
    EXPECT_EQ(Column(*db, "空心板布置信息表", "SlabInWhichSpan"), (std::vector<std::string>{"9", "1", "2"}));
    EXPECT_EQ(Column(*db, "中板尺寸信息表", "SlabType"), (std::vector<std::string>{"13m中板", "16m中板"}));
    EXPECT_DOUBLE_EQ(Field(*db, "中板尺寸信息表", "SlabType", "16m中板", "Height").toDouble(), 0.95);
}

TEST_F(GirderTest, WritesWhatTheUserConfirmsAndNothingOnCancel) {
    editor.accept = false;
    ASSERT_TRUE(Run(app::CommandId("design-tbeam")));
    ASSERT_EQ(editor.requests.size(), 1u);
    EXPECT_EQ(editor.requests[0].tables.size(), 3u);
    EXPECT_FALSE(db->HasTableDef("T梁布置信息表"));
    EXPECT_FALSE(db->HasTableDef("中梁尺寸信息表"));

    editor.accept = true;
    editor.change = [](ui::EditRequest& request) {
        ui::ProposedTable& layout = request.tables.at(0);
        layout.rows.at(0).at(1) = "7";    // TBeamsEverySpan
        layout.rows.at(0).at(2) = "1.8";  // TransverseDist
    };
    ASSERT_TRUE(Run(app::CommandId("design-tbeam")));
    EXPECT_EQ(Field(*db, "T梁布置信息表", "TBeamInWhichSpan", "3", "TBeamsEverySpan").toLong(), 7);
    EXPECT_DOUBLE_EQ(Field(*db, "T梁布置信息表", "TBeamInWhichSpan", "3", "TransverseDist").toDouble(), 1.8);
}

// A cell that is not what its field holds is refused with the cell named; the user corrects it or the
// design writes nothing. Nothing is ever stored as 0 in its place.
TEST_F(GirderTest, AnEditedValueThatIsNotANumberIsRefusedNamingTheCell) {
    struct Case {
        size_t table, column;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {0, 2, "abc", "“T梁布置信息表”第1行的“横向间距(m)”“abc”不是数值。"},
        {0, 2, "1.8米", "“T梁布置信息表”第1行的“横向间距(m)”“1.8米”不是数值。"},
        {0, 1, "6.5", "“T梁布置信息表”第1行的“块数”“6.5”不是整数。"},
    };
    for (const auto& c : cases) {
        prompter.clear();
        editor.requests.clear();
        int calls = 0;
        editor.change = [&](ui::EditRequest& request) {
            if (++calls == 1) request.tables.at(c.table).rows.at(0).at(c.column) = c.typed;
        };
        ASSERT_TRUE(Run(app::CommandId("design-tbeam")));
        // Shown again after the refusal; the user left it as it was, so nothing is written.
        EXPECT_EQ(editor.requests.size(), 2u) << c.typed;
        EXPECT_EQ(prompter.texts(), std::vector<std::string>(2, c.message));
        EXPECT_FALSE(db->HasTableDef("T梁布置信息表")) << c.typed;
    }
}

TEST_F(GirderTest, AProjectWithoutSuchSpansIsToldSoAndLeftAlone) {
    const auto before = Tables();
    ASSERT_TRUE(Run(app::CommandId("design-ss-box")));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"本项目没有结构类型为“简支变截面箱梁桥”的桥跨。"}));
    EXPECT_TRUE(editor.requests.empty());
    EXPECT_EQ(Tables(), before);
}

// A variable-depth continuous girder of 40 + 60 + 40 m, a skewed simple box and wide decks.
TEST(GirderBoxes, DepthsFollowTheSupportsAndTheDeckChoosesTheCrossSection) {
    testing_support::TempDir dir;
    modules::SharedLibraryLoader loader(VELTRA_MODULES_DIR);
    ui::ScriptedPrompter prompter;
    RecordingEditor editor;
    auto db = MakeProject(dir.file("v.vlt"),
                          {{"TransectType", "整体式"}, {"LeftBridgeWidth", "10"}, {"RightBridgeWidth", "10"}},
                          {{"简支等截面箱梁桥", "1", "25"}, {"连续变截面箱梁桥", "3", "40"}}, std::nullopt,
                          Rows{{"1000"}, {"1025"}, {"1145"}});
    db->Execute("Update [上构布置明细表] Set SpanLength = 60 Where SpanNumber = 3");
    db->Execute("Update [下构布置信息表] Set PierAbutAngle = 75 Where PierAbutNum = 0");
    // The picture beside the rows: the first span's mid-span section as the rows stand, cells and all.
    std::vector<std::vector<double>> extents;  // left, right and bottom of the outline
    editor.change = [&](ui::EditRequest& request) {
        ASSERT_TRUE(request.plots);
        auto draw = [&] {
            const auto plots = request.plots(request.tables);
            ASSERT_EQ(plots.size(), 1u);
            EXPECT_EQ(plots[0].series.size(), 4u);  // the outline and three cells
            std::vector<double> extent = {0, 0, 0};
            for (const auto& [x, y] : plots[0].series.at(0).points)
                extent = {std::min(extent[0], x), std::max(extent[1], x), std::min(extent[2], y)};
            extents.push_back(extent);
        };
        draw();
        ui::ProposedTable& section = request.tables.at(1);
        auto topWidth = std::find(section.fields.begin(), section.fields.end(), "TopWidth") - section.fields.begin();
        section.rows.at(0).at(topWidth) = "16";
        draw();
        section.rows.at(0).at(topWidth) = "20";
    };
    ASSERT_TRUE(
        app::RunDesignCall(*app::FindDesignCall(app::CommandId("design-cs-box")), *db, loader, prompter, &editor));
    EXPECT_EQ(extents, (std::vector<std::vector<double>>{{-10, 10, -1.2}, {-8, 8, -1.2}}));
    editor.change = nullptr;
    ASSERT_TRUE(
        app::RunDesignCall(*app::FindDesignCall(app::CommandId("design-su-box")), *db, loader, prompter, &editor));
    const char* table = "连续变截面箱梁立面、平面信息表";
    struct Case {
        const char* span;
        double left, right, mid;
    };
    // Ends as deep as mid-span (L/35, at least 1.2 m); an inner support the deeper of its spans' L/17.
    const Case cases[] = {{"2", 1.2, 3.55, 1.2}, {"3", 3.55, 3.55, 1.75}, {"4", 3.55, 1.2, 1.2}};
    for (const auto& c : cases) {
        EXPECT_NEAR(Field(*db, table, "InWhichSpan", c.span, "BoxEndHeightL").toDouble(), c.left, 1e-9) << c.span;
        EXPECT_NEAR(Field(*db, table, "InWhichSpan", c.span, "BoxEndHeightR").toDouble(), c.right, 1e-9) << c.span;
        EXPECT_NEAR(Field(*db, table, "InWhichSpan", c.span, "BoxCenterHeight").toDouble(), c.mid, 1e-9) << c.span;
    }
    EXPECT_EQ(
        Column(*db, "单箱多室箱梁横断面信息表", "Position"),
        (std::vector<std::string>{"2_跨中", "2_支点", "3_跨中", "3_支点", "4_跨中", "4_支点", "1_跨中", "1_支点"}));
    EXPECT_EQ(Field(*db, "单箱多室箱梁横断面信息表", "Position", "1_跨中", "BoxNumber").toDouble(), 3);
    const char* simple = "简支等截面箱梁立面、平面信息表";
    EXPECT_DOUBLE_EQ(Field(*db, simple, "InWhichSpan", "1", "StartPitch").toDouble(), 15);  // skew off square
    EXPECT_DOUBLE_EQ(Field(*db, simple, "InWhichSpan", "1", "EndPitch").toDouble(), 0);
    EXPECT_DOUBLE_EQ(Field(*db, simple, "InWhichSpan", "1", "BoxHeight").toDouble(), 1.4);  // 25 / 18
}

// The deck the girders span: the whole bridge, the designed half of a divided one, or a 12 m road.
TEST(GirderDeck, TheDeckWidthIsTheDesignedPartOfTheBridge) {
    using General = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        General general;
        double topWidth;
        bool assumed;
    };
    const Case cases[] = {
        {{{"TransectType", "整体式"}, {"LeftBridgeWidth", "6.25"}, {"RightBridgeWidth", "6.25"}}, 12.5, false},
        {{{"TransectType", "分离式(左右半桥不同)"},
          {"LeftOrRight", "右半桥"},
          {"LeftBridgeWidth", "10"},
          {"RightBridgeWidth", "11.5"}},
         11.5,
         false},
        {{{"TransectType", "分离式(左右半桥相同)"}, {"LeftBridgeWidth", "10.5"}}, 10.5, false},
        {{{"TransectType", "整体式"}}, 12, true},  // widths cleared below: the page remembers the last ones
    };
    modules::SharedLibraryLoader loader(VELTRA_MODULES_DIR);
    for (const auto& c : cases) {
        testing_support::TempDir dir;
        ui::ScriptedPrompter prompter;
        RecordingEditor editor;
        auto db = MakeProject(dir.file("p.vlt"), c.general, {{"简支等截面箱梁桥", "1", "20"}});
        if (c.assumed)
            db->Execute("Update [一般信息表] Set BridgeWidth = 0, LeftBridgeWidth = 0, RightBridgeWidth = 0");
        ASSERT_TRUE(app::RunDesignCall(*app::FindDesignCall(app::CommandId("design-su-box")), *db, loader, prompter, &editor));
        SCOPED_TRACE(c.topWidth);
        EXPECT_DOUBLE_EQ(Field(*db, "单箱单室箱梁横断面信息表", "Position", "1_跨中", "TopWidth").toDouble(),
                         c.topWidth);
        EXPECT_EQ(editor.requests.at(0).note.find("按双车道 12 m 计") != std::string::npos, c.assumed);
    }
}

TEST_F(GirderTest, AProjectThatCannotBeWrittenIsReportedAndLeftAlone) {
    db->Close();
    db = dao::Database::Open(dir.file("p.vlt"), true);
    const auto before = Tables();
    ASSERT_TRUE(Run(app::CommandId("design-slab")));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].icon, ui::Icon::Stop);
    EXPECT_EQ(Tables(), before);
}

TEST(GirderCli, DesignRunsThroughTheCommandLineAsIfConfirmed) {
    testing_support::TempDir dir;
    MakeProject(dir.file("p.vlt"), {{"TransectType", "整体式"}}, {{"装配式简支空心板桥", "3", "20"}})->Close();
    auto run = cli_test::RunCli({"design", dir.file("p.vlt"), "Girder.dll", "DesignSlab"},
                                cli_test::ChildOptions{{{"VELTRA_MODULES", VELTRA_MODULES_DIR}}});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "新建表 中板尺寸信息表：1 条记录\n新建表 空心板布置信息表：3 条记录\n新建表 边板尺寸信息表：1 条记录\n");
}

}  // namespace

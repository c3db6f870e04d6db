#include <gtest/gtest.h>

#include "cli/command.h"
#include "support/cli_runner.h"
#include "projectdb/schema.h"
#include "support/test_support.h"
#include "wizard_test_support.h"

namespace {

using wizard_test::Column;
using wizard_test::ReadRows;
using wizard_test::Rows;
using Strings = std::vector<std::string>;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunCommand(const std::string& name, const Strings& words) {
    Outcome outcome;
    outcome.status = testing_support::RunCli(cli::WizardCommands(), name, words, outcome.out, outcome.err);
    return outcome;
}

class WizardCommands : public testing::Test {
  protected:
    void SetUp() override { wizard_test::ForgetRememberedValues(); }
    void TearDown() override { wizard_test::ForgetRememberedValues(); }
    std::string Json(const std::string& text) {
        std::string path = dir.file("in" + std::to_string(++files) + ".json");
        testing_support::WriteBytes(path, text);
        return path;
    }
    Rows Table(const std::string& path, const std::string& source) {
        return ReadRows(*dao::Database::Open(path), source);
    }

    testing_support::TempDir dir;
    int files = 0;
};

const char* const kSupportsInOrder = "Select * From [下构布置信息表] ORDER BY [下构布置信息表].PierAbutNum;";

TEST_F(WizardCommands, NewBuildsWhatThePagesWouldBuild) {
    std::string plain = dir.file("plain.vlt");
    Outcome r = RunCommand("new", {plain});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Column(Table(plain, "图形布置信息表"), 0),
              (Strings{"桥型布置图", "空心板一般构造图(1跨)", "桥台一般构造图(0,1号)"}));

    std::string path = dir.file("bridge.vlt");
    std::string json = R"J({"general": {"BridgeName": "甲大桥", "TransectType": "分离式(左右半桥不同)",
                                        "LeftOrRight": "右半桥", "DividerWidth": 1},
                           "spans": {"StartStake": "100",
                                     "sections": [["装配式简支空心板桥", "3", "16"], ["装配式简支T梁桥", "2", "20"]]}})J";
    r = RunCommand("new", {path, "--from", Json(json)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    Rows general = Table(path, "一般信息表");
    EXPECT_EQ(general[0][2], "甲大桥");
    EXPECT_EQ(general[0][7], "右半桥");
    EXPECT_EQ(general[0][9], "13");
    EXPECT_EQ(Table(path, "桥孔划分信息表"), (Rows{{"2", "5", "2", "100", "10", "90"}}));
    Rows supports = Table(path, kSupportsInOrder);
    EXPECT_EQ(Column(supports, 1), (Strings{"100", "116", "132", "148", "168", "188"}));
    EXPECT_EQ(Column(supports, 2),
              (Strings{"1类台帽", "1类墩帽", "1类墩帽", "1类墩帽", "1类墩帽", "1类台帽"}));
    EXPECT_EQ(Column(supports, 8), (Strings{"90", "90", "90", "90", "90", "90"}));
    EXPECT_EQ(Table(path, "伸缩缝信息表"), (Rows{{"1", "100"}, {"2", "188"}}));
    EXPECT_EQ(Column(Table(path, "上构布置明细表"), 1),
              (Strings{"装配式简支空心板桥", "装配式简支空心板桥", "装配式简支空心板桥", "装配式简支T梁桥",
                       "装配式简支T梁桥"}));
    EXPECT_EQ(Column(Table(path, "图形布置信息表"), 0),
              (Strings{"桥型布置图", "空心板一般构造图(1,2,3跨)", "T梁一般构造图(4,5跨)",
                       "桥台一般构造图(0,5号)", "桥墩一般构造图(1,2,3,4号)"}));

    // Given supports, joints and drawings are written as given.
    std::string given = dir.file("given.vlt");
    json = R"J({"spans": {"SpanSum": "1", "sections": [["简支等截面箱梁桥", "1", "30"]],
                         "supports": [["0", "2类台帽", "U型桥台台身", "", "台阶形扩大基础", "", "", "0", ""],
                                      ["30", "2类台帽", "U型桥台台身", "无", "台阶形扩大基础", "1", "2", "60", "3"]],
                         "joints": [["0"], ["15"], ["30"]]},
               "drawings": [["桥型布置图", "a.dwg", "桥型布置图", "A1", "200", "50", "图标2", "绘制"]]})J";
    r = RunCommand("new", {given, "--from", Json(json)});
    ASSERT_EQ(r.status, 0) << r.err;
    supports = Table(given, kSupportsInOrder);
    EXPECT_EQ(supports[0], (Strings{"0", "0", "2类台帽", "U型桥台台身", "无", "台阶形扩大基础", "0", "0",
                                    "90", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Column(supports, 8), (Strings{"90", "60"}));
    EXPECT_EQ(Table(given, "伸缩缝信息表"), (Rows{{"1", "0"}, {"2", "15"}, {"3", "30"}}));
    EXPECT_EQ(Table(given, "桥孔划分信息表")[0][2], "3");
    EXPECT_EQ(Column(Table(given, "图形布置信息表"), 4), (Strings{"200"}));
}

TEST_F(WizardCommands, BadInputIsRefusedAndNothingIsWritten) {
    struct Case {
        std::string json, message;
    } cases[] = {
        {R"J({"general": {"BridgeName": "甲")J", "不是有效的JSON"},
        {R"J({"general": {"Bridge": "甲"}})J", "一般信息表中没有字段“Bridge”。"},
        {R"J({"spans": {"Sections": []}})J", "“spans”中没有字段“Sections”。"},
        {R"J({"layout": {}})J", "没有字段“layout”（可用 general、spans、drawings）。"},
        {R"J({"spans": {"sections": [["装配式简支空心板桥", "1"]]}})J",
         "上构布置信息第1行应有3项，实有2项。"},
        {R"J({"spans": {"sections": [["拱桥", "1", "20"]]}})J", "未知的结构类型“拱桥”。"},
        {R"J({"spans": {"supports": [["0", "1类台帽", "肋板式台身", "桩帽", "桩基础", "", "", "", ""]]}})J",
         "未知的构件类型“桩基础”。"},
        {R"J({"general": {"DeptName": ["甲"]}})J", "“general.DeptName”的值应为文本。"},
        {R"J({"general": {"TransectType": "分离式(左右半桥不同)", "LeftOrRight": "全桥"}})J",
         "对于分离式桥梁结构"},
        {R"J({"drawings": [["桥型布置图"]]})J", "绘图信息第1行应有8项。"},
        {R"J({"spans": {"sections": []}})J", "上构布置信息至少应有一段。"},
        {R"J([1, 2])J", "应为对象"},
        // The long tables are read aside while parsing; whatever they hold, the messages stay the same.
        {R"J({"spans": {"sections": [["装配式简支空心板桥", true, "20"]]}})J", "“spans.sections[0][1]”的值应为文本。"},
        {R"J({"spans": {"sections": [["装配式简支空心板桥", "1", "20"], {"a": 1}]}})J",
         "“spans.sections[1]”应为数组（[...]）。"},
        {R"J({"spans": {"sections": [["装配式简支空心板桥", "1", "20"]], "sections": "x"}})J",
         "“spans.sections”应为数组的数组"},
        {R"J({"spans": {"sections": [["装配式简支空心板桥", "1", 20.]]}})J", "不是有效的JSON"},
        {R"J({"spans": {"sections": [["装配式简支空心板桥", "1", 1e400]]}})J", "数值超出范围"},
        {R"J({"drawings": [["桥型布置图", "a.dwg", "桥型布置图", "A1", "200", "50", "图标2", null]]})J",
         "“drawings[0][7]”的值应为文本。"},
    };
    std::string path = dir.file("kept.vlt");
    for (const auto& c : cases) {
        testing_support::WriteBytes(path, "an older file");
        Outcome r = RunCommand("new", {path, "--from", Json(c.json)});
        EXPECT_EQ(r.status, 1) << c.json;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(testing_support::ReadBytes(path), "an older file");
    }
    EXPECT_EQ(RunCommand("new", {path, "--from", dir.file("missing.json")}).status, 1);
    EXPECT_EQ(RunCommand("new", {}).status, 2);
}

TEST_F(WizardCommands, TableCellsMayBeNumbersAndAKeyGivenTwiceCountsItsLastValue) {
    std::string path = dir.file("numbers.vlt");
    std::string json = R"J({"spans": {"sections": [["装配式简支T梁桥", "9", "9"]],
                                      "sections": [["装配式简支空心板桥", 2, 12.5], ["装配式简支T梁桥", "1", 2e1]]}})J";
    Outcome r = RunCommand("new", {path, "--from", Json(json)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Table(path, "上构布置明细表"),
              (Rows{{"1", "装配式简支空心板桥", "12.5"}, {"2", "装配式简支空心板桥", "12.5"}, {"3", "装配式简支T梁桥", "20"}}));
    // Stakes 0, 12.5, 25 and 45 by hand.
    EXPECT_EQ(Column(Table(path, kSupportsInOrder), 1), (Strings{"0", "12.5", "25", "45"}));
}

TEST_F(WizardCommands, GeneralPrintsAndRewritesTheRecord) {
    std::string path = dir.file("p.vlt");
    ASSERT_EQ(RunCommand("new", {path}).status, 0);
    Outcome r = RunCommand("general", {path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("DeptName=XX勘察设计院\nProjectName=XX高速公路XX至XX段\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nBridgeWidth=12\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n超高过渡方法=按三次抛物线分配\n"), std::string::npos);

    r = RunCommand("general", {path, "--set", "LeftBridgeWidth=8", "--set=DeptName="});
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunCommand("general", {path});
    EXPECT_EQ(r.out.rfind("DeptName=无\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nBridgeWidth=14\n"), std::string::npos) << r.out;

    r = RunCommand("general", {path, "--set", "Width=8"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "一般信息表中没有字段“Width”。\n");
    EXPECT_EQ(RunCommand("general", {path, "--set", "Width"}).status, 2);
    EXPECT_NE(RunCommand("general", {dir.file("none.vlt")}).status, 0);
}

TEST_F(WizardCommands, SpansRewritesTheLayoutOfAProject) {
    std::string path = dir.file("p.vlt");
    ASSERT_EQ(RunCommand("new", {path, "--from",
                                 Json(R"J({"spans": {"sections": [["装配式简支空心板桥", "3", "20"]]}})J")})
                  .status,
              0);
    {
        auto db = dao::Database::Open(path);
        projectdb::EnsureTable(*db, *projectdb::FindTableSchema(projectdb::kRibAbutBodyTable));
        db->Execute("Insert Into [肋板式台身信息表] (PierAbutmentNum) Values (3)");
    }
    Outcome r =
        RunCommand("spans", {path, "--from", Json(R"J({"sections": [["装配式简支空心板桥", "2", "25"]]})J")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Table(path, "桥孔划分信息表"), (Rows{{"1", "2", "2", "0", "10", "90"}}));
    Rows supports = Table(path, kSupportsInOrder);
    EXPECT_EQ(Column(supports, 1), (Strings{"0", "25", "50"}));
    EXPECT_EQ(Column(supports, 2), (Strings{"1类台帽", "1类墩帽", "1类墩帽"}));  // stored types stay
    EXPECT_FALSE(dao::Database::Open(path)->HasTableDef("肋板式台身信息表"));

    r = RunCommand("spans",
                   {path, "--from", Json(R"J({"sections": [["装配式简支空心板桥", "2", "25"]], "x": 1})J")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "“spans”中没有字段“x”。\n");
    EXPECT_EQ(RunCommand("spans", {path}).status, 2);
}

// Values no bridge has are refused with a message naming the field and its range; the file given to `new`
// keeps its old content, and a project given to `general` or `spans` keeps its tables.
TEST_F(WizardCommands, ValuesNoBridgeHasAreRefusedBeforeAnythingIsWritten) {
    const std::string longName(100000, 'x');
    auto sections = [](const std::string& rows) { return R"J({"spans": {"sections": [)J" + rows + "]}}"; };
    struct Case {
        std::string json, message;
    } cases[] = {
        {R"J({"spans": {"CrossAngle": 1e400}})J", "数值超出范围"},
        {R"J({"spans": {"CrossAngle": 0}})J", "“桥中心交角(°)”（CrossAngle）的值“0”超出允许范围，应为 (0, 180)"},
        {R"J({"spans": {"CrossAngle": -90}})J", "（CrossAngle）的值“-90”超出允许范围"},
        {R"J({"spans": {"CrossAngle": "180"}})J", "（CrossAngle）的值“180”超出允许范围"},
        {R"J({"spans": {"CrossAngle": "inf"}})J", "（CrossAngle）的值“inf”不是数值"},
        {R"J({"spans": {"SpanSum": "-3"}})J", "（SpanSum）的值“-3”超出允许范围，应为 [1, 10000] 之间的整数"},
        {R"J({"spans": {"SpanSum": 2000000000}})J", "（SpanSum）的值“2000000000”超出允许范围"},
        {R"J({"spans": {"SectSum": "1.5"}})J", "（SectSum）的值“1.5”不是整数"},
        {R"J({"spans": {"StartStake": "K1+100"}})J", "（StartStake）的值“K1+100”不是数值"},
        {sections(R"J(["装配式简支空心板桥", "0", "20"])J"), "上构布置信息第1行“该段所含跨数”（SpansInSect）的值“0”"},
        {sections(R"J(["装配式简支空心板桥", "1", "20"], ["装配式简支空心板桥", "-3", "20"])J"),
         "上构布置信息第2行“该段所含跨数”（SpansInSect）的值“-3”"},
        {sections(R"J(["装配式简支空心板桥", "2000000000", "20"])J"), "的值“2000000000”超出允许范围"},
        {sections(R"J(["装配式简支空心板桥", "6000", "20"], ["装配式简支空心板桥", "6000", "20"])J"),
         "全桥共 12000 跨，最多 10000 跨。"},
        {sections(R"J(["装配式简支空心板桥", "1", "NaN"])J"), "“各跨跨径(m)”（SpanLength）的值“NaN”不是数值，应为 (0, 2000]"},
        {sections(R"J(["装配式简支空心板桥", "1", "-20"])J"), "（SpanLength）的值“-20”超出允许范围"},
        {sections(R"J(["装配式简支空心板桥", "1", 1e308], ["装配式简支空心板桥", "1", "20"])J"), "（SpanLength）的值“1e+308”"},
        {R"J({"spans": {"supports": [["0", "", "", "", "", "", "", "-90", ""]]}})J",
         "下构布置信息墩台序号0“斜交角度(°，0按90)”（PierAbutAngle）的值“-90”超出允许范围，应为 [0, 180)"},
        {R"J({"spans": {"supports": [["0", "", "", "", "", "deep", "", "", ""]]}})J", "（DistToGround）的值“deep”不是数值"},
        {R"J({"spans": {"joints": [["0"], [""]]}})J", "伸缩缝信息第2行“中心桩号(m)”（JointStake）的值“”不是数值"},
        {R"J({"general": {"LeftBridgeWidth": "NaN"}})J", "一般信息“左半桥宽度 B1(m)”（LeftBridgeWidth）的值“NaN”不是数值，应为 (0, 200]"},
        {R"J({"general": {"RightBridgeWidth": -12}})J", "（RightBridgeWidth）的值“-12”超出允许范围"},
        {R"J({"general": {"TransectType": "分离式(左右半桥不同)", "DividerWidth": "wide"}})J", "（DividerWidth）的值“wide”不是数值"},
        {R"J({"general": {"BridgeName": ")J" + longName + R"J("}})J",
         "一般信息“桥梁名称”（BridgeName）有 100000 个字符，最多 255 个。"},
        {R"J({"drawings": [["桥型布置图", ")J" + std::string(256, 'd') + R"J(", "桥型布置图", "A3", "100", "100", "图标1", "不绘制"]]})J",
         "绘图信息第1行第2项有 256 个字符，最多 255 个。"},
    };
    std::string path = dir.file("kept.vlt");
    for (const auto& c : cases) {
        testing_support::WriteBytes(path, "an older file");
        Outcome r = RunCommand("new", {path, "--from", Json(c.json)});
        EXPECT_EQ(r.status, 1) << c.json.substr(0, 200);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err.substr(0, 400);
        EXPECT_LT(r.err.size(), 1000u) << "a refused value is quoted short";
        EXPECT_EQ(testing_support::ReadBytes(path), "an older file");
    }

    // The same rules on an open project: nothing of it changes.
    std::string project = dir.file("p.vlt");
    ASSERT_EQ(RunCommand("new", {project}).status, 0);
    const std::string before = RunCommand("general", {project}).out;
    const Rows layoutBefore = Table(project, kSupportsInOrder);
    for (const std::string& set : Strings{"LeftBridgeWidth=NaN", "LeftBridgeWidth=-12", "LeftBridgeWidth=wide",
                                  "Dist3=inf", "BridgeName=" + longName}) {
        Outcome r = RunCommand("general", {project, "--set", set});
        EXPECT_EQ(r.status, 1) << set.substr(0, 40);
        EXPECT_NE(r.err.find("一般信息“"), std::string::npos) << r.err.substr(0, 400);
    }
    EXPECT_EQ(RunCommand("general", {project}).out, before);
    for (const char* json : {R"J({"CrossAngle": "0"})J", R"J({"SpanSum": 1e400})J",
                             R"J({"sections": [["装配式简支空心板桥", "0", "20"]]})J"}) {
        Outcome r = RunCommand("spans", {project, "--from", Json(json)});
        EXPECT_EQ(r.status, 1) << json;
    }
    EXPECT_EQ(Table(project, kSupportsInOrder), layoutBefore);

    // Values at the edge of their range are a bridge.
    std::string edge = dir.file("edge.vlt");
    Outcome r = RunCommand("new", {edge, "--from", Json(R"J({"general": {"DividerWidth": 0, "Dist3": -1000},
        "spans": {"CrossAngle": "179.5", "sections": [["装配式简支空心板桥", "2", 2000]],
                  "supports": [["0", "", "", "", "", "-5", "", "0", "-100"], ["2000", "", "", "", "", "", "", "", ""],
                               ["4000", "", "", "", "", "", "", "", ""]]}})J")});
    EXPECT_EQ(r.status, 0) << r.err;
}

}  // namespace

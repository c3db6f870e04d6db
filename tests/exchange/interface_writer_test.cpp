// The two interface files, line by line: formats, widths in GBK bytes, span numbering, member lookups,
// the question at a block that cannot be read, and the differences between the 3D-model and the
// substructure file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "exchange/interface_line.h"
#include "exchange/interface_writer.h"
#include "exchange_fixture.h"
#include "platform/interaction/scripted.h"
#include "platform/text/gbk.h"

namespace {

using namespace exchange_test;
using Lines = std::vector<std::string>;

struct LineCase {
    const char* format;
    std::vector<dao::Value> values;
    const char* expected;
};

TEST(InterfaceLine, FormatsWidthsInGbkBytesWithoutTruncating) {
    const LineCase cases[] = {
        {"%d %10.3lf", {L(1), N(1250)}, "1   1250.000"},
        {"%12.8lf", {N(45.123456789)}, " 45.12345679"},
        {"%8s %4s", {T("直线"), T("左")}, "    直线   左"},
        {"%10s", {T("很长的结构类型名称")}, "很长的结构类型名称"},  // 18 bytes, not cut
        {"%10d %10d", {N(2.7), N(-2.7)}, "         2         -2"},  // a double truncated as a C cast
        {"%10d %10.3lf %10s",
         {dao::Value::Null(), dao::Value::Null(), dao::Value::Null()},
         "         0      0.000           "},
        {"%d  %.3lf %20s", {L(0), N(100), T("2类台帽")}, "0  100.000              2类台帽"},
    };
    for (const auto& c : cases) {
        std::vector<const dao::Value*> values;
        for (const auto& v : c.values) values.push_back(&v);
        EXPECT_EQ(text::FromGbk(exchange::FormatInterfaceLine(c.format, values)), c.expected) << c.format;
    }
}

class InterfaceWriterTest : public ::testing::Test {
protected:
    InterfaceWriterTest() : project(dir.file("bridge.vlt")) {
        project.add("一般信息表", {{"TransectType", T("分离式")}, {"LeftBridgeWidth", N(12.5)},
                                   {"RightBridgeWidth", N(12.5)}, {"DividerWidth", N(0.5)}, {"Dist3", N(0)},
                                   {"超高过渡方法", T("绕中线旋转")}});
        project.add("平曲线资料表", {{"CurveSectNum", L(1)}, {"CurveType", T("直线")}, {"CurveDirect", T("左")},
                                     {"StartPointStake", N(100)}, {"StartPointX", N(3000.1)},
                                     {"StartPointY", N(4000.2)}, {"StartPointAngle", N(45.123456789)},
                                     {"StartPointRadii", N(0)}, {"EndPointX", N(3100)}, {"EndPointY", N(4100)},
                                     {"EndPointAngle", N(46.5)}, {"EndPointRadii", N(800)}, {"CurveLength", N(120)},
                                     {"A_Value", N(0)}});
        project.add("竖曲线资料表",
                    {{"TurnPointStake", N(150)}, {"TurnPointElev", N(20.5)}, {"TurnPointRadii", N(3000)}});
        project.add("桥面横坡资料表",
                    {{"起点桩号", N(100)}, {"终点桩号", N(200)}, {"左半桥横坡", N(2)}, {"右半桥横坡", N(-2)}});
        project.add("锥坡信息表", {{"DistToAbutEnd", N(1)}, {"RatioAlong", N(1.5)}, {"RatioAcross", N(1)}});
        project.add("桥孔划分信息表", {{"SectSum", L(3)}, {"StartStake", N(100)}, {"CrossAngle", N(90)}});
        Section(1, "简支等截面箱梁桥", 3);
        Section(2, "连续等截面箱梁桥", 3);
        Section(3, "钢桁架桥", 1);
        Section(4, "装配式简支T梁桥", 1);  // beyond SectSum: never written
        project.add("简支等截面箱梁立面、平面信息表",
                    {{"InWhichSpan", L(1)}, {"BoxLength", N(20)}, {"TransectType", T("异形箱")}});
        for (int span = 4; span <= 6; ++span) {
            project.add("连续等截面箱梁立面、平面信息表", {{"InWhichSpan", L(span)}, {"Position", T("中跨")},
                                                           {"BoxLength", N(30 + span)},
                                                           {"TransectType", T("单箱单室")}});
            for (const char* place : {"跨中", "支点"})
                project.add("单箱单室箱梁横断面信息表",
                            {{"Position", T(std::to_string(span) + "_" + place)}, {"TopWidth", N(span)}});
        }
        Pier(2, "1类墩帽", "圆形截面柱式墩身", "系梁", "沉井基础", 160, 310);
        Pier(0, "2类台帽", "肋板式台身", "无", "台阶形扩大基础", 150, 300);
        Pier(1, "1类墩帽", "圆形截面柱式墩身", "无", "单排桩基础", 155, 305);
        for (int m : {1, 2}) {
            project.add("①类帽梁信息表", {{"PierAbutmentNum", L(m)}, {"CopingLength", N(10 + m)},
                                          {"FenderLength", N(0.3)}, {"RightFenderPosition", N(4.25)}});
            project.add("圆形截面柱式墩身信息表",
                        {{"PierAbutmentNum", L(m)}, {"PierColumnNum", L(2)}, {"SectionDiameter", N(1.2)}});
        }
        project.add("系梁信息表", {{"PierAbutmentNum", L(2)}, {"ConBeamWidth", N(1)}, {"ConBeamHeight", N(1.2)}});
        project.add("重力式U型桥台帽梁信息表", {{"PierAbutmentNum", L(0)}, {"CopingLength", N(13)},
                                                {"BackWallWidth", N(0.5)}, {"BackWallHeight", N(2.25)},
                                                {"BracketWidth", N(0.4)}});
        project.add("肋板式台身信息表", {{"PierAbutmentNum", L(0)}, {"RibSlabNum", L(3)}});
        project.add("台阶状扩大基础信息表", {{"PierAbutmentNum", L(0)}, {"FoundationNum", L(1)}, {"StepNum", L(2)}});
        project.add("单排桩基础信息表", {{"PierAbutmentNum", L(1)}, {"PileNum", L(3)}, {"PileDiameter", N(1.5)}});
    }

    void Section(int number, const char* type, int spans) {
        project.add(
            "上构布置信息表",
            {{"SectNumber", L(number)}, {"StructureType", T(type)}, {"SpansInSect", L(spans)}, {"SpanLength", N(20)}});
    }
    void Pier(int m, const char* cap, const char* body, const char* connect, const char* foundation, double deck,
              double ground) {
        project.add("下构布置信息表", {{"PierAbutNum", L(m)}, {"PierAbutStake", N(100 + 20 * m)},
                                       {"BentCapType", T(cap)}, {"BodyType", T(body)}, {"ConnectType", T(connect)},
                                       {"FoundationType", T(foundation)}, {"DistToDeck", N(deck)},
                                       {"DistToGround", N(ground)}});
    }

    Lines Arvo(exchange::InterfaceOutcome expected = exchange::InterfaceOutcome::Complete) {
        EXPECT_EQ(exchange::WriteArvo3dFile(project.db(), path, ui.prompter), expected);
        return ReadCrLfLines(path);
    }
    Lines Kelsa(exchange::InterfaceOutcome expected = exchange::InterfaceOutcome::Complete) {
        EXPECT_EQ(exchange::WriteKelsaFile(project.db(), path, ui.prompter), expected);
        return ReadCrLfLines(path);
    }

    testing_support::TempDir dir;
    ProjectFile project;
    std::string path = dir.file("out.bri");
    ui::ScriptedInteraction ui;
};

TEST_F(InterfaceWriterTest, Arvo3dSectionsLineByLine) {
    Lines lines = Arvo();
    EXPECT_TRUE(ui.prompter.shown().empty()) << ui.prompter.shown().front().text;
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "//LumarisOmbrix与桥梁三维造型CAD系统之间的数据接口文件Arvo3D.BRI");
    EXPECT_EQ(lines.back(), "//数据传递完毕");
    struct Expect {
        const char* marker;
        Lines following;
    };
    const Expect expected[] = {
        {"//路幅参数", {"1   1250.000   1250.000     50.000      0.000", "//桥面平曲线", "1"}},
        {"//桥面平曲线",
         {"1",
          "1     直线   左    100.000     3000.100     4000.200  45.12345679      0.000     3100.000     4100.000  "
          "46.50000000    800.000    120.000      0.000",
          "//桥面竖曲线", "1", "   150.000     20.500   3000.000"}},
        {"//行车道横坡段落及超高方式",
         {"绕中线旋转", "         1", "   100.000    200.000      2.000     -2.000", "//锥坡",
          "     1.000      1.500      1.000"}},
        {"//分段布孔",
         {"         3    100.000     90.000",
          "         1   简支等截面箱梁桥          3     20.000",
          "         2   连续等截面箱梁桥          3     20.000",
          "         3           钢桁架桥          1     20.000",
          "//上部构造",
          "//第1段:简支等截面箱梁",
          "//立面、平面信息",
          "    20.000      0.000      0.000      0.000      0.000      0.000      0.000",
          "     0.000      0.000      0.000      0.000     异形箱",
          "//跨中",
          "//支点",
          "//第2段:连续等截面箱梁",
          "//第4跨:",
          "//立面、平面信息",
          "      中跨     34.000      0.000      0.000      0.000      0.000      0.000",
          "     0.000      0.000      0.000      0.000      0.000      0.000      0.000",
          "  单箱单室",
          "//跨中",
          "     4.000      0.000      0.000      0.000      0.000      0.000      0.000",
          "     0.000      0.000      0.000      0.000      0.000      0.000      0.000",
          "     0.000      0.000      0.000",
          "//支点",
          "     4.000      0.000      0.000      0.000      0.000      0.000      0.000"}},
        {"//第6跨:",
         {"//立面、平面信息", "      中跨     36.000      0.000      0.000      0.000      0.000      0.000"}},
        {"//下部构造",
         {"//0号墩台组成",
          "0  100.000              2类台帽           肋板式台身                   无       台阶形扩大基础",
          "//重力式U型桥台帽梁", "    13.000      0.000      0.000      0.000      0.000      0.000      0.000",
          "     0.000      0.000      0.500      0.400", "//肋板式台身",
          "         3      0.000      0.000      0.000      0.000      0.000      0.000", "//台阶形扩大基础",
          "         1          2      0.000      0.000      0.000      0.000      0.000      0.000      0.000",
          "//1号墩台组成"}},
        {"//2号墩台组成",
         {"2  140.000              1类墩帽     圆形截面柱式墩身                 系梁             沉井基础", "//1类帽梁",
          "    12.000      0.000      0.000      0.000      0.000",
          "     0.000      0.300      0.000      0.000      4.250", "//圆形截面柱式墩身",
          "         2      1.200      0.000      0.000", "//系梁", "     1.000      1.200",
          "//上、下部构造之间的装配关系"}},
        {"//竖向关系",
         {"         0    150.000    300.000", "         1    155.000    305.000", "         2    160.000    310.000",
          "//数据传递完毕"}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(LinesAfter(lines, e.marker, static_cast<int>(e.following.size())), e.following) << e.marker;
}

TEST_F(InterfaceWriterTest, KelsaKeepsStoredOrderForMembersAndSortsTheRelations) {
    Lines lines = Kelsa();
    EXPECT_EQ(lines.front(), "//LumarisOmbrix与桥梁下部构造施工图CAD系统之间的数据接口文件Kelsa.BRI");
    EXPECT_EQ(LinesAfter(lines, lines.front(), 5),
              (Lines{"//下部构造", "//2号墩台组成",
                     "2              1类墩帽     圆形截面柱式墩身                 系梁             沉井基础",
                     "//1类帽梁", "    12.000      0.000      0.000      0.000      0.000      0.000      0.300"}));
    EXPECT_EQ(LinesAfter(lines, "//重力式U型桥台帽梁", 2),
              (Lines{"    13.000      0.000      0.000      0.000      0.000      0.000      0.000",
                     "     0.000      0.000      0.500      2.250"}));
    EXPECT_EQ(LinesAfter(lines, "//顺桥向关系", 1).front().substr(0, 10), "         0");
    EXPECT_EQ(LinesAfter(lines, "//竖向关系", 4),
              (Lines{"         0    300.000    150.000", "         1    305.000    155.000",
                     "         2    310.000    160.000", "//数据传递完毕"}));
    std::vector<std::string> order;
    for (const auto& line : lines)
        if (line.find("号墩台组成") != std::string::npos) order.push_back(line);
    EXPECT_EQ(order, (Lines{"//2号墩台组成", "//0号墩台组成", "//1号墩台组成"}));
}

struct StopCase {
    const char* name;
    const char* dropped;  // the table that cannot be opened
    bool arvo;
    const char* lastLine;  // the file's last line after No
};

class InterfaceStopTest : public InterfaceWriterTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(InterfaceStopTest, NoEndsTheFileAfterTheBlocksCommentYesGoesOn) {
    const StopCase& c = GetParam();
    project.drop(c.dropped);
    auto write = [&](exchange::InterfaceOutcome outcome) { return c.arvo ? Arvo(outcome) : Kelsa(outcome); };

    ui.prompter.queue(ui::Answer::No);
    Lines stopped = write(exchange::InterfaceOutcome::Stopped);
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_EQ(ui.prompter.shown()[0].text, std::string("不能打开 [") + c.dropped + "]。是否继续？");
    EXPECT_EQ(ui.prompter.shown()[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(stopped.back(), c.lastLine);

    ui.prompter.clear();
    ui.prompter.setDefault(ui::Answer::Yes);
    Lines goneOn = write(exchange::InterfaceOutcome::Complete);
    EXPECT_FALSE(ui.prompter.shown().empty());
    EXPECT_EQ(goneOn.back(), "//数据传递完毕");
}

INSTANTIATE_TEST_SUITE_P(Blocks, InterfaceStopTest,
                         ::testing::Values(StopCase{"Cone", "锥坡信息表", true, "//锥坡"},
                                           StopCase{"CrossSection", "单箱单室箱梁横断面信息表", true, "//跨中"},
                                           StopCase{"PierCap", "①类帽梁信息表", false, "//1类帽梁"},
                                           StopCase{"PierList", "下构布置信息表", false, "//下部构造"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InterfaceWriterTest, AnUnreadablePierLayoutIsAskedAboutOncePerSection) {
    project.drop("下构布置信息表");
    for (bool arvo : {true, false}) {
        ui.prompter.clear();
        ui.prompter.setDefault(ui::Answer::Yes);
        Lines lines = arvo ? Arvo() : Kelsa();
        // Once for the pier list, once for the assembly relations: their three lists share one query.
        ASSERT_EQ(ui.prompter.shown().size(), 2u) << arvo;
        for (const auto& shown : ui.prompter.shown()) EXPECT_EQ(shown.text, "不能打开 [下构布置信息表]。是否继续？");
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"//上、下部构造之间的装配关系", "//数据传递完毕"}));
    }
}

TEST_F(InterfaceWriterTest, AReadOnlyTargetIsReportedAndKeepsItsContents) {
    testing_support::WriteBytes(path, "kept");
    ::chmod(path.c_str(), 0444);
    for (bool arvo : {true, false}) {
        ui.prompter.clear();
        auto outcome = arvo ? exchange::WriteArvo3dFile(project.db(), path, ui.prompter)
                            : exchange::WriteKelsaFile(project.db(), path, ui.prompter);
        EXPECT_EQ(outcome, exchange::InterfaceOutcome::FileFailed);
        ASSERT_EQ(ui.prompter.shown().size(), 1u);
        EXPECT_EQ(ui.prompter.shown()[0].text, exchange::FileFailedMessage(path));
        EXPECT_EQ(testing_support::ReadBytes(path), "kept");
    }
}

TEST_F(InterfaceWriterTest, KelsaAsksForABackWallHeightTheTableLacks) {
    project.drop("重力式U型桥台帽梁信息表");
    project.add("重力式U型桥台帽梁信息表",
                {{"PierAbutmentNum", L(0)}, {"CopingLength", N(13)}, {"BracketWidth", N(1)}});
    ui.prompter.queue(ui::Answer::No);
    Lines lines = Kelsa(exchange::InterfaceOutcome::Stopped);
    EXPECT_EQ(ui.prompter.shown().at(0).text, "不能打开 [重力式U型桥台帽梁信息表]。是否继续？");
    // The first line was complete; the second, missing its last field, is not written.
    EXPECT_EQ(lines.back(), "    13.000      0.000      0.000      0.000      0.000      0.000      0.000");
}

TEST_F(InterfaceWriterTest, WritingTwiceReplacesTheFile) {
    testing_support::WriteBytes(path, std::string(100000, 'x'));
    Lines first = Arvo();
    Lines second = Arvo();
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.back(), "//数据传递完毕");
}

TEST_F(InterfaceWriterTest, AFileThatCannotBeCreatedIsReportedBeforeAnyQuestion) {
    project.drop("锥坡信息表");
    path = dir.file("no such folder/out.bri");
    EXPECT_EQ(exchange::WriteArvo3dFile(project.db(), path, ui.prompter), exchange::InterfaceOutcome::FileFailed);
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_NE(ui.prompter.shown()[0].text.find("out.bri"), std::string::npos);
}

}  // namespace

namespace {

TEST(InterfaceExport, SaveDialogAndSuccessMessage) {
    testing_support::TempDir dir;
    exchange_test::ProjectFile project(dir.file("bridge.vlt"));
    project.add("一般信息表", {{"TransectType", exchange_test::T("整体式")}});
    for (auto file : {exchange::InterfaceFile::Arvo3d, exchange::InterfaceFile::Kelsa}) {
        ui::ScriptedInteraction ui;
        std::string path = dir.file("out.bri");
        ui.files.queue(path);
        ui.prompter.setDefault(ui::Answer::Yes);
        EXPECT_TRUE(exchange::RunInterfaceExport(file, project.db(), ui.files, ui.prompter));
        bool arvo = file == exchange::InterfaceFile::Arvo3d;
        EXPECT_EQ(ui.files.requests().at(0).fileName, arvo ? "Arvo3D.bri" : "Kelsa.bri");
        EXPECT_EQ(ui.prompter.texts().back(),
                  std::string(arvo ? "已成功输出Arvo3D接口文件。文件名为 " : "已成功输出Kelsa接口文件。文件名为 ") +
                      path + "。");
        // Stopped at a question: no success message.
        ui.prompter.clear();
        ui.files.queue(path);
        ui.prompter.setDefault(ui::Answer::No);
        project.drop("下构布置信息表");
        EXPECT_FALSE(exchange::RunInterfaceExport(file, project.db(), ui.files, ui.prompter));
        EXPECT_EQ(ui.prompter.texts().size(), 1u);
        project.create("下构布置信息表");
    }
}

}  // namespace

namespace {

// Hollow slabs and T-beams: the layout of the section's first span names the inner and outer member types.
TEST(InterfaceBeams, LayoutOfTheFirstSpanAndMembersByType) {
    using namespace exchange_test;
    testing_support::TempDir dir;
    ProjectFile project(dir.file("bridge.vlt"));
    project.add("桥孔划分信息表", {{"SectSum", L(2)}});
    project.add("上构布置信息表", {{"StructureType", T("装配式简支T梁桥")}, {"SpansInSect", L(2)}});
    project.add("上构布置信息表", {{"StructureType", T("装配式简支空心板桥")}, {"SpansInSect", L(1)}});
    project.add("T梁布置信息表", {{"TBeamInWhichSpan", L(2)}, {"TBeamsEverySpan", L(9)}});
    project.add("T梁布置信息表", {{"TBeamInWhichSpan", L(1)}, {"TBeamsEverySpan", L(5)}, {"TransverseDist", N(2.2)},
                                  {"InsideTBeamType", T("中梁B")}, {"OutsideTBeamType", T("边梁B")}});
    project.add("中梁尺寸信息表", {{"TBeamType", T("中梁B")}, {"TBeamLength", N(19.96)}, {"DiaphragmNum", L(5)}});
    project.add("边梁尺寸信息表", {{"TBeamType", T("边梁B")}, {"TopWidth1", N(1.1)}, {"WebWidth2", N(0.2)}});
    project.add("空心板布置信息表", {{"SlabInWhichSpan", L(3)}, {"SlabsEverySpan", L(10)},
                                     {"InsideSlabType", T("中板")}, {"OutsideSlabType", T("边板")}});
    project.add("中板尺寸信息表", {{"SlabType", T("中板")}, {"CavityType", T("圆形")}, {"CavityNum", L(2)}});
    project.add(
        "边板尺寸信息表",
        {{"SlabType", T("边板")}, {"SuspendWidth", N(0.5)}, {"CavityType", T("圆形")}, {"CavityBotHeight", N(0.1)}});
    ui::ScriptedInteraction ui;
    ui.prompter.setDefault(ui::Answer::Yes);
    std::string path = dir.file("Arvo3D.bri");
    exchange::WriteArvo3dFile(project.db(), path, ui.prompter);
    // A zero as the first value of a line, and as any later one.
    const std::string f = "     0.000", z = " " + f;
    Lines expected{"//第1段:T梁",
                   "//布置信息",
                   "         5      2.200      0.000",
                   "//中梁尺寸",
                   "    19.960" + z + z + z + z + "          5" + z,
                   f + z + z + z + z + z + z,
                   f + z + z + z + z + z + z,
                   f + z + z + z + z + z + z,
                   f + z + z + z + z,
                   "//边梁尺寸",
                   f + z + z + z + z + "          0" + z,
                   f + z + "      1.100" + z + z + z + z + z,
                   f + z + z + z + z + z + z + z,
                   f + z + z + z + z + z + z,
                   f + z + z + z + "      0.200",
                   "//第2段:空心板",
                   "//布置信息",
                   "        10      0.000      0.000",
                   "//中板尺寸",
                   f + z + z + z + z + z + z,
                   f + z + z + z + z + "       圆形          2",
                   f + z + z + z + z + z + z,
                   "//边板尺寸",
                   f + z + z + z + z + z + z,
                   f + z + z + z + z + z + z,
                   "     0.500       圆形          0" + z + z + z + z,
                   f + z + "      0.100",
                   "//下部构造"};
    EXPECT_EQ(LinesAfter(ReadCrLfLines(path), "//上部构造", static_cast<int>(expected.size())), expected);
}

}  // namespace

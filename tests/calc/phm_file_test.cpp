#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "calc/phm_file.h"
#include "platform/interaction/scripted.h"
#include "support/test_support.h"

namespace {

using calc::CCircle;
using calc::CPier;
using calc::CProject;
using calc::CRectang;
using testing_support::TempDir;

CProject SampleProject() {
    CProject project;
    project.ResetParameters();
    project.m_nGrade = 20;
    project.m_nLanes = 3;
    project.m_dDeltaT = 25.5;
    project.m_dAlpha = 1.2e-5;
    for (int i = 0; i < 3; ++i) {
        CPier p;
        p.m_dStake = 1000.125 + 31.7 * i;
        p.m_nColumns = 1 + i;
        p.m_dHeight = 7.25 + i;
        p.m_nGrade = i == 2 ? 40 : 30;
        p.m_nBearings = i == 1 ? 0 : 2;
        p.m_dBearingHeight = 0.063;
        p.m_dBearingArea = 0.1225;
        p.m_dShearModulus = 1100;
        if (i == 1)
            p.m_pSection = std::make_unique<CCircle>(1.3);
        else
            p.m_pSection = std::make_unique<CRectang>(1.6, 1.2 + 0.1 * i);
        project.m_Piers.push_back(std::move(p));
    }
    project.Recalculate();
    return project;
}

// The layout written out field by field, independently of the writer.
struct Bytes {
    std::string s;
    Bytes& i32(std::int32_t v) {
        for (int k = 0; k < 4; ++k) s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF);
        return *this;
    }
    Bytes& f64(double v) {
        auto bits = std::bit_cast<std::uint64_t>(v);
        for (int k = 0; k < 8; ++k) s += static_cast<char>((bits >> (8 * k)) & 0xFF);
        return *this;
    }
};

TEST(PhmFile, IsLaidOutFieldByFieldLittleEndian) {
    CProject project = SampleProject();
    Bytes b;
    b.i32(3).i32(20).f64(1.2e-5).f64(25.5).i32(3);
    for (const CPier& p : project.m_Piers) {
        b.f64(p.m_dStake).i32(p.m_nColumns).f64(p.m_dHeight).f64(p.m_dE).i32(p.m_nGrade).i32(p.m_nBearings);
        b.f64(p.m_dBearingHeight).f64(p.m_dBearingArea).f64(p.m_dShearModulus).f64(p.m_dK).f64(p.m_dKc).f64(p.m_dKb);
        b.f64(p.m_dFt).f64(p.m_dMt).f64(p.m_dFb).f64(p.m_dMb);
        if (auto* c = dynamic_cast<const CCircle*>(p.m_pSection.get())) {
            b.i32(1).i32(1).f64(c->m_dD);
        } else {
            auto* r = dynamic_cast<const CRectang*>(p.m_pSection.get());
            b.i32(2).i32(2).f64(r->m_dW).f64(r->m_dH);
        }
    }
    EXPECT_EQ(calc::PhmBytes(project), b.s);
    EXPECT_EQ(b.s.size(), 28u + 140 + 132 + 140);
    EXPECT_EQ(project.m_Piers[2].m_dE, 3.3e7);
}

TEST(PhmFile, SaveAndOpenReproduceEveryValueAndWriteTheReportBeside) {
    TempDir dir;
    ui::ScriptedPrompter prompt;
    CProject saved = SampleProject();
    ASSERT_TRUE(calc::SavePhm(dir.file("abc.phm"), saved, prompt));
    EXPECT_TRUE(std::filesystem::exists(dir.file("abc.out")));
    EXPECT_EQ(testing_support::ReadBytes(dir.file("abc.out")), saved.ReportText());

    CProject opened;
    ASSERT_TRUE(calc::OpenPhm(dir.file("abc.phm"), opened, prompt));
    EXPECT_TRUE(prompt.texts().empty());
    EXPECT_EQ(calc::PhmBytes(opened), calc::PhmBytes(saved));
    ASSERT_EQ(opened.m_Piers.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(calc::PierListRow(opened, i), calc::PierListRow(saved, i));
        EXPECT_EQ(opened.m_Piers[i].m_dDt, saved.m_Piers[i].m_dDt) << "displacements are recomputed";
        EXPECT_EQ(opened.m_Piers[i].m_dDb, saved.m_Piers[i].m_dDb);
    }
    EXPECT_EQ(opened.ReportText(), saved.ReportText());
}

TEST(PhmFile, OpenRefusesNamesWithoutLowerCasePhmAndMissingFiles) {
    TempDir dir;
    ui::ScriptedPrompter prompt;
    CProject saved = SampleProject();
    testing_support::WriteBytes(dir.file("UPPER.PHM"), calc::PhmBytes(saved));
    CProject project;
    project.ResetParameters();
    EXPECT_FALSE(calc::OpenPhm(dir.file("UPPER.PHM"), project, prompt));
    EXPECT_FALSE(calc::OpenPhm(dir.file("missing.phm"), project, prompt));
    EXPECT_EQ(prompt.texts(), (std::vector<std::string>{"文件打开错误!", "数据文件不存在!"}));
    EXPECT_TRUE(project.m_Piers.empty());
    EXPECT_EQ(project.m_nGrade, 25);
}

TEST(PhmFile, DamagedFilesAreRefusedWithTheirReasonAndChangeNothing) {
    const std::string good = calc::PhmBytes(SampleProject());
    auto withInt = [&](std::size_t at, std::int32_t v) {
        std::string s = good;
        std::memcpy(s.data() + at, &v, 4);
        return s;
    };
    const std::size_t firstType = 28 + 124 - 8;
    struct Case {
        const char* what;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", "", "文件长度只有0字节，不是完整的桥墩水平力计算文件。"},
        {"short header", good.substr(0, 27), "文件长度只有27字节，不是完整的桥墩水平力计算文件。"},
        {"cut in a pier", good.substr(0, good.size() - 4), "文件在桥墩数据中间结束，文件不完整。"},
        {"unknown type", withInt(firstType, 3), "0号桥墩的截面类型(3)无法识别。"},
        {"types differ", withInt(firstType + 4, 1), "0号桥墩的截面类型(1)无法识别。"},
        {"negative count", withInt(24, -1), "文件中的桥墩个数(-1)与文件长度不符。"},
        {"absurd count", withInt(24, 2000000000), "文件中的桥墩个数(2000000000)与文件长度不符。"},
        {"bytes left", good + "x", "文件在3个桥墩之后还有1字节多余的数据。"},
        {"nan", [&] { std::string s = good; double nan = NAN; std::memcpy(s.data() + 28, &nan, 8); return s; }(),
         "0号桥墩的数据不是有效的数值。"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        std::string path = dir.file("damaged.phm");
        testing_support::WriteBytes(path, c.bytes);
        ui::ScriptedPrompter prompt;
        CProject project;
        project.ResetParameters();
        CPier kept;
        kept.m_dStake = 5;
        project.m_Piers.push_back(kept);
        EXPECT_FALSE(calc::OpenPhm(path, project, prompt)) << c.what;
        EXPECT_EQ(prompt.texts(),
                  std::vector<std::string>{std::string("桥墩水平力计算文件已损坏，不能读取!\n") + c.reason + "\n" + path})
            << c.what;
        ASSERT_EQ(project.m_Piers.size(), 1u) << c.what;
        EXPECT_EQ(project.m_Piers[0].m_dStake, 5) << c.what;
        EXPECT_EQ(project.m_nLanes, 2) << c.what;
    }
}

TEST(PhmFile, APierWithZeroHeightOpensWithAWarningAndNumbersOnly) {
    CProject project = SampleProject();
    project.m_Piers[1].m_dHeight = 0;
    TempDir dir;
    testing_support::WriteBytes(dir.file("zero.phm"), calc::PhmBytes(project));
    ui::ScriptedPrompter prompt;
    CProject opened;
    ASSERT_TRUE(calc::OpenPhm(dir.file("zero.phm"), opened, prompt));
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"1号桥墩: 墩柱高度必须大于0! 该桥墩不参加计算。"});
    for (std::size_t i = 0; i < 3; ++i)
        for (const auto& cell : calc::PierListRow(opened, i)) EXPECT_TRUE(std::isfinite(std::stod(cell))) << cell;
}

TEST(PhmFile, ReportPathReplacesTheLastFourCharacters) {
    EXPECT_EQ(calc::ReportPathFor("/d/abc.phm"), "/d/abc.out");
    EXPECT_EQ(calc::ReportPathFor("/d/abc.txt"), "/d/abc.out");
    EXPECT_EQ(calc::ReportPathFor("/d/ab.phmx"), "/d/ab..out");
}

TEST(PhmFile, ASaveThatCannotBeWrittenIsToldAndWritesNoReport) {
    ui::ScriptedPrompter prompt;
    EXPECT_FALSE(calc::SavePhm("/nonexistent-folder/a.phm", SampleProject(), prompt));
    EXPECT_EQ(prompt.texts(), std::vector<std::string>{"文件保存错误，不能写入:\n/nonexistent-folder/a.phm"});
}

}  // namespace

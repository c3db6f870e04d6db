#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "calc/phm_file.h"
#include "cli/command.h"
#include "platform/interaction/scripted.h"
#include "support/test_support.h"

namespace {

// Runs a calculator subcommand and returns its exit status, with what it printed on standard output.
int RunCalc(const std::string& name, const std::vector<std::string>& words, std::string& printed) {
    std::ostringstream out;
    auto* old = std::cout.rdbuf(out.rdbuf());
    int status = -1;
    for (const auto& c : cli::CalcCommands())
        if (c.name == name) status = cli::RunCommand(c, words);
    std::cout.rdbuf(old);
    printed = out.str();
    return status;
}

TEST(CalcCli, PierForceBuildsFromJsonSavesAndReadsBack) {
    testing_support::TempDir dir;
    testing_support::WriteBytes(dir.file("p.json"), R"({"grade": 20, "lanes": 3, "piers": [
        {"stake": 0, "columns": 2, "height": 8, "rect": {"W": 1.2, "H": 1.4}},
        {"stake": 30, "columns": 1, "height": 9, "bearings": 2, "bearingHeight": 0.05, "bearingArea": 0.1,
         "shearModulus": 1000, "circle": {"D": 1.3}}]})");
    std::string built, read;
    ASSERT_EQ(RunCalc("pier-force", {"--json", dir.file("p.json"), "--save", dir.file("b.phm")}, built), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("b.out")));
    ASSERT_EQ(RunCalc("pier-force", {dir.file("b.phm"), "--report", dir.file("r.out")}, read), 0);
    EXPECT_EQ(read, built);
    EXPECT_EQ(testing_support::ReadBytes(dir.file("r.out")), testing_support::ReadBytes(dir.file("b.out")));
    EXPECT_EQ(read.substr(0, read.find('\n')).rfind("0\t0.000\t2\t8.000\t", 0), 0u) << read;

    calc::CProject project;
    ui::ScriptedPrompter prompt;
    ASSERT_TRUE(calc::OpenPhm(dir.file("b.phm"), project, prompt));
    EXPECT_EQ(project.m_nGrade, 20);
    EXPECT_EQ(project.m_nLanes, 3);
    EXPECT_EQ(project.m_dDeltaT, 30);
    EXPECT_EQ(project.m_Piers[1].m_dShearModulus, 1000);
}

TEST(CalcCli, PierForceRefusesBadInput) {
    testing_support::TempDir dir;
    testing_support::WriteBytes(dir.file("bad.json"), R"({"grade": 30})");
    testing_support::WriteBytes(dir.file("zero.json"), R"({"piers": [{"stake": 1, "height": 3, "rect": {"W": 1, "H": 1}}]})");
    std::string printed;
    EXPECT_EQ(RunCalc("pier-force", {"--json", dir.file("bad.json"), "--save", dir.file("x.phm")}, printed), 1);
    EXPECT_EQ(RunCalc("pier-force", {"--json", dir.file("zero.json"), "--save", dir.file("x.phm")}, printed), 1);
    EXPECT_EQ(RunCalc("pier-force", {"--json", dir.file("zero.json")}, printed), 2);
    EXPECT_EQ(RunCalc("pier-force", {dir.file("x.PHM")}, printed), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.phm")));
}

TEST(CalcCli, CulvertPrintsTheValuesUsedThenTheResults) {
    std::string printed;
    ASSERT_EQ(RunCalc("culvert", {"--i", "0", "--H3", "1"}, printed), 0);
    std::istringstream lines(printed);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_EQ(all.size(), 26u);
    EXPECT_EQ(all[0], "B1=6.25");
    EXPECT_EQ(all[6], "i=0");
    EXPECT_EQ(all[9], "H3=123.545") << "one stage: H3 takes H1";
    EXPECT_EQ(all[25].rfind("Hs=", 0), 0u);
    EXPECT_EQ(all[23].substr(3), all[25].substr(3)) << "flat: HL = Hs";

    EXPECT_EQ(RunCalc("culvert", {"--two-stage", "--B3", "3"}, printed), 0);
    EXPECT_NE(printed.find("\nB3=3\n"), std::string::npos);
    EXPECT_EQ(RunCalc("culvert", {"--m1", "0", "--n1", "0"}, printed), 1);
    EXPECT_EQ(RunCalc("culvert", {"--B1", "wide"}, printed), 2);
    EXPECT_EQ(RunCalc("culvert", {"--L", "-18"}, printed), 1);
    EXPECT_EQ(printed, "") << "a refused culvert prints no results";
}

}  // namespace

// The STEP physical file encoding: strings, reals, references and lists, the header, and stable ids.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "exchange/step_writer.h"

namespace {

TEST(StepEncoding, StringsEscapeApostrophesBackslashesAndNonAscii) {
    struct Case {
        const char* utf8;
        const char* step;
    } cases[] = {
        {"", "''"},
        {"Bridge 1", "'Bridge 1'"},
        {"It's", "'It''s'"},
        {"a\\b", "'a\\\\b'"},
        // 示 U+793A 例 U+4F8B 大 U+5927 桥 U+6865: one run, one escape
        {"示例大桥", "'\\X2\\793A4F8B59276865\\X0\\'"},
        {"K1+200桥墩", "'K1+200\\X2\\686558A9\\X0\\'"},
        {"桥 墩", "'\\X2\\6865\\X0\\ \\X2\\58A9\\X0\\'"},
        {"°", "'\\X2\\00B0\\X0\\'"},
        {"line\nbreak", "'line\\X2\\000A\\X0\\break'"},
        // beyond the basic plane: U+1D11E
        {"\xF0\x9D\x84\x9E", "'\\X4\\0001D11E\\X0\\'"},
        // a stray byte that is not UTF-8 is kept as the character of that value
        {"a\xFF", "'a\\X2\\00FF\\X0\\'"},
    };
    for (const auto& c : cases) EXPECT_EQ(step::StringText(c.utf8), c.step) << c.utf8;
}

TEST(StepEncoding, RealsAlwaysCarryAPointAndReadBackExactly) {
    struct Case {
        double value;
        const char* step;
    } cases[] = {
        {0, "0."},           {1, "1."},           {-2.5, "-2.5"},           {0.1, "0.1"},
        {1e-7, "1.E-07"},    {1e20, "1.E20"},     {-1.5e-10, "-1.5E-10"},   {3512106.066, "3512106.066"},
        {100, "100."},       {1234567890123456789.0, "1234567890123456768."},
    };
    for (const auto& c : cases) EXPECT_EQ(step::RealText(c.value), c.step) << c.value;
    for (double v : {0.1 + 0.2, 1.0 / 3, 2.0 / 3 * 1e-5, 45.0 * 3.141592653589793 / 180, 498141.94400000001}) {
        const std::string text = step::RealText(v);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v) << text;
    }
    EXPECT_THROW(step::RealText(std::nan("")), std::invalid_argument);
    EXPECT_THROW(step::RealText(1.0 / 0.0), std::invalid_argument);
}

TEST(StepEncoding, InstancesReferencesListsAndHeader) {
    using step::Arg;
    step::File file;
    const int point = file.Add("IFCCARTESIANPOINT", {Arg::Reals({0, 1.5})});
    const int dir = file.Add("IFCDIRECTION", {Arg::Reals({1, 0})});
    const int placement = file.Add("IFCAXIS2PLACEMENT2D", {Arg::Ref(point), Arg::Ref(dir)});
    file.Add("IFCCURVESEGMENT", {Arg::Enum("CONTINUOUS"), Arg::Ref(placement),
                                 Arg::Typed("IFCLENGTHMEASURE", Arg::Real(0)),
                                 Arg::Typed("IFCLENGTHMEASURE", Arg::Real(-12.25)), Arg::Null()});
    file.Add("IFCRELNESTS", {Arg::String("示"), Arg::Null(), Arg::Derived(), Arg::Bool(false), Arg::Int(-3),
                             Arg::Refs({1, 2}), Arg::List({})});
    EXPECT_EQ(point, 1);
    EXPECT_EQ(placement, 3);
    EXPECT_EQ(file.count(), 5);
    step::Header header{"ViewDefinition [Alignment-basedView]", "桥.ifc", "2026-01-02T03:04:05", "", "", "Veltra",
                        "Veltra", "IFC4X3_ADD2"};
    EXPECT_EQ(file.Text(header),
              "ISO-10303-21;\nHEADER;\n"
              "FILE_DESCRIPTION(('ViewDefinition [Alignment-basedView]'),'2;1');\n"
              "FILE_NAME('\\X2\\6865\\X0\\.ifc','2026-01-02T03:04:05',(''),(''),'Veltra','Veltra','');\n"
              "FILE_SCHEMA(('IFC4X3_ADD2'));\nENDSEC;\nDATA;\n"
              "#1=IFCCARTESIANPOINT((0.,1.5));\n"
              "#2=IFCDIRECTION((1.,0.));\n"
              "#3=IFCAXIS2PLACEMENT2D(#1,#2);\n"
              "#4=IFCCURVESEGMENT(.CONTINUOUS.,#3,IFCLENGTHMEASURE(0.),IFCLENGTHMEASURE(-12.25),$);\n"
              "#5=IFCRELNESTS('\\X2\\793A\\X0\\',$,*,.F.,-3,(#1,#2),());\n"
              "ENDSEC;\nEND-ISO-10303-21;\n");
}

TEST(StepEncoding, GlobalIdsAreStableCompactAndDistinct) {
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    std::set<std::string> seen;
    for (int i = 0; i < 20000; ++i) {
        const std::string key = "示例大桥|pier|" + std::to_string(i);
        const std::string id = step::GlobalId(key);
        ASSERT_EQ(id.size(), 22u);
        // the first character holds the two highest bits only
        EXPECT_NE(std::string("0123").find(id[0]), std::string::npos) << id;
        for (char c : id) ASSERT_NE(alphabet.find(c), std::string::npos) << id;
        EXPECT_EQ(step::GlobalId(key), id);
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 20000u);
    EXPECT_NE(step::GlobalId("a"), step::GlobalId("b"));
}

}  // namespace

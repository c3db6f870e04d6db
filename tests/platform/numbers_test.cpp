#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/text/numbers.h"

namespace {

TEST(Numbers, AtofAndAtolReadTheWayTheCLibraryDoes) {
    struct Case {
        const char* in;
        double f;  // what atof reads
        long l;    // what atol reads
    } cases[] = {
        {"", 0, 0},    {"  12.5abc", 12.5, 12}, {"-3", -3, -3},      {"abc", 0, 0}, {"1e3", 1000, 1}, {".5", 0.5, 0},
        {"+7x", 7, 7}, {"K10+200", 0, 0},       {"\t\n 42", 42, 42}, {"1,5", 1, 1}, {"0x10", 16, 0},  {"1e", 1, 1},
        {"- 5", 0, 0}, {"3.9", 3.9, 3},         {"-0.5e1x", -5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(text::Atof(c.in), c.f) << c.in;
        EXPECT_EQ(text::Atol(c.in), c.l) << c.in;
    }
    // Bit for bit what strtod makes of decimals that round hard, underflow or overflow.
    for (const char* in : {"0.1", "2.675", "123456789.123456789", "9007199254740993", "1e-320", "1e999", "-1e999"})
        EXPECT_EQ(text::Atof(in), std::strtod(in, nullptr)) << in;
}

// A locale that writes a decimal comma, when the machine has one.
const char* CommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE", "nl_NL.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) return name;
    return nullptr;
}

TEST(Numbers, ReadAPointWhateverTheLocale) {
    std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = CommaLocale();
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
    double inLocale = std::strtod("1.5", nullptr);
    EXPECT_EQ(inLocale, 1) << comma << " reads only up to the point";
    EXPECT_EQ(text::Atof("1.5"), 1.5);
    EXPECT_EQ(text::Atof("1,5"), 1);
    EXPECT_EQ(text::Atol("12.5"), 12);
    EXPECT_EQ(text::ParseDecimal("1.5"), 1.5);
    EXPECT_EQ(text::ParseStake("K1+190.5"), 1190.5);
    std::setlocale(LC_NUMERIC, before.c_str());
}

TEST(Numbers, StrictReadersTakeTheWholeTokenOrNothing) {
    constexpr auto kNone = std::nullopt;
    const text::DecimalRules plain, code{.plusSign = false, .leadingZeros = false};
    struct Case {
        const char* in;
        text::DecimalRules rules;
        std::optional<double> expected;
    } cases[] = {
        {"12", plain, 12},         {"-0.5", plain, -0.5}, {"+3", plain, 3},        {"1.", plain, 1},
        {".5", plain, 0.5},        {"-.5", plain, -0.5},  {"1E+03", plain, 1000},  {"007", plain, 7},
        {"2e-320", plain, 2e-320}, {"", plain, kNone},    {" 1", plain, kNone},    {"1 ", plain, kNone},
        {"1e", plain, kNone},      {"1e+", plain, kNone}, {".", plain, kNone},     {"-", plain, kNone},
        {"+-5", plain, kNone},     {"--5", plain, kNone}, {"++5", plain, kNone},   {"0x10", plain, kNone},
        {"inf", plain, kNone},     {"nan", plain, kNone}, {"1e400", plain, kNone}, {"1e-400", plain, kNone},
        {"1.2.3", plain, kNone},   {"1,5", plain, kNone}, {"+3", code, kNone},     {"007", code, kNone},
        {"00.5", code, kNone},     {"-01", code, kNone},  {"0", code, 0},          {"0.25", code, 0.25},
        {"-0e5", code, 0},         {"10", code, 10},
    };
    for (const auto& c : cases) {
        std::optional<double> got = text::ParseDecimal(c.in, c.rules);
        EXPECT_EQ(got.has_value(), c.expected.has_value()) << c.in;
        if (got && c.expected) {
            EXPECT_EQ(*got, *c.expected) << c.in;
        }
    }
}

TEST(Numbers, WholeNumberAllowsBlanksAroundOnly) {
    double v = 0;
    EXPECT_TRUE(text::ParseWholeNumber(" \t12.5\n", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(text::ParseWholeNumber("-1e-3", v));
    EXPECT_EQ(v, -1e-3);
    for (const char* bad : {"", "  ", "12a", "abc", "0x10", "inf", "nan", "1 2", "- 5"})
        EXPECT_FALSE(text::ParseWholeNumber(bad, v)) << bad;
}

TEST(Numbers, IntegersFitAnInt) {
    struct Case {
        const char* in;
        std::optional<int> expected;
    } cases[] = {
        {"3", 3}, {"+4", 4}, {"-2", -2}, {"007", 7}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt}, {"3.5", std::nullopt}, {"", std::nullopt}, {"+", std::nullopt},
        {"+-1", std::nullopt}, {" 1", std::nullopt}, {"1x", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(text::ParseInteger(c.in), c.expected) << c.in;
}

TEST(Stake, KilometresPlusMetresOrAPlainNumber) {
    struct Case {
        const char* in;
        double metres;
    } cases[] = {
        {"K1+190.5", 1190.5},      {"k1+190.5", 1190.5}, {"K0+005", 5},     {"K12+345.678", 12345.678},
        {"  K1 + 190.5 ", 1190.5}, {"K0+000", 0},        {"K1+1020", 2020}, {"K100+0.25", 100000.25},
        {"1190.5", 1190.5},        {" -12.5 ", -12.5},   {"+7", 7},         {"1e3", 1000},
    };
    for (const auto& c : cases) {
        std::optional<double> got = text::ParseStake(c.in);
        ASSERT_TRUE(got) << c.in;
        // Exactly the double the plain number reads as: a stake carries no rounding of its own.
        EXPECT_EQ(*got, c.metres) << c.in;
    }
    for (const char* bad : {"", "   ", "abc", "K1+", "K+5", "K1", "1190.5m", "-K1+5", "+K1+5", "K-1+5", "K1+-5",
                            "K1+5.", "K1+.5", "K1.5+5", "K 1+5", "1+190.5", "K1+190.5m", "K1+5+3", "KK1+5"})
        EXPECT_FALSE(text::ParseStake(bad)) << bad;
}

TEST(Stake, MessageQuotesWhatWasTyped) {
    EXPECT_EQ(text::InvalidStakeMessage("abc"), "“abc”不是有效的桩号，请输入数值或K1+190.5形式的桩号。");
}

}  // namespace

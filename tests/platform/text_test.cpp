#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/dao/value.h"
#include "platform/text/cformat.h"
#include "platform/text/gbk.h"
#include "platform/text/gbk_file.h"
#include "support/test_support.h"

namespace {

TEST(Gbk, RoundTripsChineseAndCountsTwoBytesPerCharacter) {
    std::string utf8 = "桥梁CAD①类帽梁";
    std::string gbk = text::ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 3u + 2 * 6);
    EXPECT_EQ(text::FromGbk(gbk), utf8);
    EXPECT_EQ(text::GbkWidth(utf8), gbk.size());
    EXPECT_EQ(text::ToGbk("中"), "\xD6\xD0");
}

TEST(Gbk, UnrepresentableCharacterBecomesQuestionMarkAndBadBytesAreRefused) {
    EXPECT_EQ(text::ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji has no GBK form
    EXPECT_THROW(text::FromGbk("\x81"), text::EncodingError);
    EXPECT_EQ(text::FromGbkLenient("a\x81"), "a\xEF\xBF\xBD");
}

TEST(CFormat, WidthsCountGbkBytes) {
    struct Case {
        const char* format;
        const char* arg;
        std::string expectedUtf8;
    } cases[] = {
        {"%10s|", "单排桩", "    单排桩|"},  // three characters take six of the ten bytes
        {"%-8s|", "桩帽", "桩帽    |"},
        {"%-21s|", "墩台", "墩台                 |"},
        {"%3s|", "系梁信息", "系梁信息|"},  // wider than the field: nothing is cut
    };
    for (const auto& c : cases) {
        std::string gbk = text::FormatGbk(c.format, c.arg);
        EXPECT_EQ(text::FromGbk(gbk), c.expectedUtf8) << c.format;
        EXPECT_EQ(text::FormatWide(c.format, c.arg), c.expectedUtf8) << c.format;
    }
    EXPECT_EQ(text::Format("%.3lf %d %s", 1.23456, 7, std::string("x")), "1.235 7 x");
}

TEST(ReplaceFileContents, AFailedWriteLeavesTheOldFile) {
    testing_support::TempDir dir;
    std::string path = dir.file("a.phm");
    ASSERT_TRUE(text::ReplaceFileContents(path, "first"));
    ASSERT_TRUE(text::ReplaceFileContents(path, "second"));
    EXPECT_EQ(testing_support::ReadBytes(path), "second");
    // A folder in the way: the new file is written but cannot take its place, and is removed again.
    std::string folder = dir.file("b.phm");
    std::filesystem::create_directories(folder + "/inside");
    EXPECT_FALSE(text::ReplaceFileContents(folder, "third"));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
    EXPECT_FALSE(text::ReplaceFileContents(dir.file("missing/x.phm"), "x"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(GbkFileWriter, WritesGbkWithCrLf) {
    testing_support::TempDir dir;
    std::string path = dir.file("out.txt");
    {
        text::GbkFileWriter w(path);
        w.writeLine("//桥梁");
        w.writeGbk(text::FormatGbk("%6s", "墩"));
        ASSERT_TRUE(w.close());
    }
    EXPECT_EQ(testing_support::ReadBytes(path), "//\xC7\xC5\xC1\xBA\r\n    \xB6\xD5");
    text::GbkFileWriter bad;
    EXPECT_FALSE(bad.open(dir.file("missing/dir/x.txt")));
}

}  // namespace

namespace {

TEST(CFormat, FixedTextIsWhatSnprintfWrites) {
    std::vector<double> values{0.0, -0.0, 0.0005, 0.0015, 2.5e-7, -2.5e-7, 1.0005, 10.00049, 3400000.37,
                               -512000.41, 123456789.123456789, 1e300, -1e308, 5e-324, 0.125, 0.375, 99.9995};
    std::uint64_t bits = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 20000; ++i) {
        bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
        values.push_back(static_cast<double>(static_cast<std::int64_t>(bits % 2000000000000ull) - 1000000000000) / 7919.0);
    }
    for (double v : values)
        for (int precision : {3, 6}) ASSERT_EQ(text::FormatFixed(v, precision), text::Format("%.*f", precision, v)) << v;
}

}  // namespace

namespace {

TEST(CFormat, NumbersKeepThePointUnderADecimalCommaLocale) {
    std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    std::string results[] = {
        text::Format("%lf", 0.95),      text::Format("%.3f|%g", 1.5, 2.25),
        text::FormatGbk("%8.2lf", 3.5), text::FormatWide("%-6.1f|", 4.5),
        text::FormatFixed(0.5, 3),      dao::Value::Double(0.125).toString(),
    };
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_STREQ(probe, "0,5");  // the locale is in force for snprintf itself
    const char* expected[] = {"0.950000", "1.500|2.25", "    3.50", "4.5   |", "0.500", "0.125"};
    for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(results[i], expected[i]);
}

}  // namespace

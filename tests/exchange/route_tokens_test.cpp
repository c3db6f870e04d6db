#include <gtest/gtest.h>

#include <cstdint>

#include "exchange/route_tokens.h"
#include "platform/text/cformat.h"
#include "support/test_support.h"

namespace {

using exchange::RouteTokenReader;

std::vector<std::string> AllTokens(RouteTokenReader& reader) {
    std::vector<std::string> out;
    std::string_view t;
    while (reader.next(t)) out.emplace_back(t);
    return out;
}

TEST(RouteTokens, SeparatorsAndChunkBoundariesDoNotChangeTheTokens) {
    testing_support::TempDir dir;
    // Tokens straddle every chunk boundary of the reader; line ends of both kinds and tabs separate.
    std::string text, expected;
    std::vector<std::string> want;
    for (int i = 0; i < 40000; ++i) {
        std::string token = "t" + std::to_string(i * 7919) + "\xb5\xd8";  // GBK "地" after the digits
        want.push_back(token);
        text += token + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\t " : " ");
    }
    std::string path = dir.file("a.BRF");
    testing_support::WriteBytes(path, text.substr(0, text.size() - 1));  // the last token ends the file
    for (std::size_t chunk : {std::size_t{1}, std::size_t{7}, RouteTokenReader::kChunk}) {
        RouteTokenReader file(chunk);
        ASSERT_TRUE(file.open(path));
        EXPECT_EQ(AllTokens(file), want) << chunk;
    }
    RouteTokenReader memory;
    memory.openMemory(text);
    EXPECT_EQ(AllTokens(memory), want);
}

TEST(RouteTokens, OverlongTokensAreCutTheSameWayFromFileAndMemory) {
    testing_support::TempDir dir;
    // One token longer than a chunk, one shorter than a chunk but longer than any meaningful token.
    for (std::size_t length : {std::size_t{300000}, RouteTokenReader::kMaxToken + 1000}) {
        std::string text = "a " + std::string(length, '1') + " **PLAN** 7";
        std::string path = dir.file("a.BRF");
        testing_support::WriteBytes(path, text);
        RouteTokenReader file, memory;
        ASSERT_TRUE(file.open(path));
        memory.openMemory(text);
        auto tokens = AllTokens(file);
        EXPECT_EQ(AllTokens(memory), tokens);
        ASSERT_EQ(tokens.size(), 4u);
        EXPECT_EQ(tokens[1].size(), RouteTokenReader::kMaxToken + 1);
        EXPECT_EQ(tokens[2], "**PLAN**");
        double v;
        EXPECT_FALSE(exchange::ParseRouteNumber(tokens[1], v));
    }
}

TEST(RouteTokens, SeekFindsWholeCaseSensitiveMarkersOnly) {
    RouteTokenReader reader;
    std::string text = "**plan** x**PLAN** **PLAN**x **PLAN** 5";
    reader.openMemory(text);
    ASSERT_TRUE(reader.seek("**PLAN**"));
    std::string_view t;
    ASSERT_TRUE(reader.next(t));
    EXPECT_EQ(t, "5");
    EXPECT_FALSE(reader.seek("**PLAN**"));
    EXPECT_FALSE(RouteTokenReader().open("/nonexistent/route.BRF"));
    testing_support::TempDir dir;
    EXPECT_FALSE(RouteTokenReader().open(dir.path().string()));  // a folder is not a file that can be read
}

TEST(RouteTokens, NumbersAndCounts) {
    struct Case {
        const char* token;
        bool ok;  // read as a number at all
        double value;
    } numbers[] = {
        {"12.5", true, 12.5}, {"-0.5", true, -0.5}, {"+3", true, 3},    {"1e3", true, 1000}, {"1.5E-2", true, 0.015},
        {".5", true, 0.5},    {"7.", true, 7},      {"12a", false, 0},  {"1e", false, 0},    {"--1", false, 0},
        {"nan", false, 0},    {"inf", false, 0},    {"0x10", false, 0}, {"1e999", false, 0}, {"+", false, 0},
        {"JD1", false, 0},    {"", false, 0},
    };
    for (const auto& c : numbers) {
        double v = -1;
        EXPECT_EQ(exchange::ParseRouteNumber(c.token, v), c.ok) << c.token;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.token;
        }
    }
    struct CountCase {
        const char* token;
        bool ok;
        int value;
    } counts[] = {{"3", true, 3}, {"+4", true, 4}, {"-2", true, -2}, {"0", true, 0},
                  {"3.5", false, 0}, {"99999999999", false, 0}, {"N", false, 0}};
    for (const auto& c : counts) {
        int v = -7;
        EXPECT_EQ(exchange::ParseRouteCount(c.token, v), c.ok) << c.token;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.token;
        }
    }
}

}  // namespace

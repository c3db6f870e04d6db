// A short slice of fuzzing on every test run: each target gets a few hundred inputs mutated from sound
// seeds with a fixed random sequence, so that a failure repeats. A target aborts on a fault. The seeds
// themselves go through last: they are sound and must stay so.
#include <gtest/gtest.h>

#include <random>

#include "fuzz_targets.h"
#include "library_fixture.h"
#include "platform/dao/database.h"
#include "support/test_support.h"

namespace {

using Bytes = std::string;

// Values that have broken readers before: numbers beyond a double, counts no bridge has, empty and odd
// texts, and the JSON punctuation around them.
const char* const kWizardTokens[] = {
    "1e400", "-1e400", "2000000000", "-3", "0", "NaN", "inf", "1e308", "-0", "0.5", "\"\"", "null", "true",
    "[]", "{}", "[[", "]]", ",", ":", "\"sections\"", "\"supports\"", "\"joints\"", "\"drawings\"", "\"SpanSum\"",
    "\"SectSum\"", "\"JointSum\"", "\"CrossAngle\"", "\"LeftBridgeWidth\"", "\"装配式简支空心板桥\"", "\"无\"",
    "\"K1+100\"", "\"9999\"", "\"10000\"", "\"10001\"", "\"\\u0000\"", "\"\\ud800\""};

class Mutator {
public:
    explicit Mutator(unsigned seed) : rng_(seed) {}
    std::size_t Below(std::size_t n) { return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_) : 0; }

    // One to four edits: a byte changed, a run dropped or repeated, a token put in or over a run.
    Bytes Text(Bytes b, const char* const* tokens, std::size_t tokenCount) {
        for (std::size_t edits = 1 + Below(4); edits > 0; --edits) {
            std::size_t at = Below(b.size() + 1), run = 1 + Below(8);
            switch (Below(5)) {
                case 0:
                    if (at < b.size()) b[at] = static_cast<char>(Below(256));
                    break;
                case 1: b.erase(at, run); break;
                case 2: b.insert(at, b.substr(at, run)); break;
                case 3: b.insert(at, tokens[Below(tokenCount)]); break;
                default: b.replace(at, std::min(run, b.size() - std::min(at, b.size())), tokens[Below(tokenCount)]);
            }
        }
        return b;
    }

    // A database file damaged the ways disks and programs damage them: bytes changed, a page overwritten,
    // the file cut short.
    Bytes File(Bytes b, std::size_t pageSize) {
        switch (Below(4)) {
            case 0:
                for (std::size_t n = 1 + Below(16); n > 0; --n) b[Below(b.size())] = static_cast<char>(Below(256));
                break;
            case 1: {
                std::size_t page = Below(b.size() / pageSize);
                for (std::size_t i = 0; i < pageSize; ++i) b[page * pageSize + i] = static_cast<char>(Below(256));
                break;
            }
            case 2: b.resize(Below(b.size())); break;
            default:
                // Inside the pages only: the header stays, so that the reading goes deep.
                for (std::size_t n = 1 + Below(4); n > 0; --n) b[100 + Below(b.size() - 100)] ^= 1 << Below(8);
        }
        return b;
    }

private:
    std::mt19937 rng_;
};

int Feed(int (*target)(const std::uint8_t*, std::size_t), const Bytes& input) {
    return target(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

TEST(FuzzSlice, WizardDescriptions) {
    const Bytes seeds[] = {
        testing_support::ReadBytes(std::string(VELTRA_SOURCE_DIR) + "/samples/sample_bridge.json"),
        R"J({"spans": {"SpanSum": "1", "sections": [["简支等截面箱梁桥", "1", "30"]],
            "supports": [["0", "2类台帽", "U型桥台台身", "", "台阶形扩大基础", "", "", "0", ""],
                         ["30", "2类台帽", "U型桥台台身", "无", "台阶形扩大基础", "1", "2", "60", "3"]],
            "joints": [["0"], ["15"], ["30"]]},
            "drawings": [["桥型布置图", "a.dwg", "桥型布置图", "A1", "200", "50", "图标2", "绘制"]]})J",
        R"J({"general": {"TransectType": "分离式(左右半桥不同)", "LeftOrRight": "右半桥", "DividerWidth": 1}})J",
    };
    for (const auto& seed : seeds) ASSERT_FALSE(seed.empty());
    Mutator mutate(20261206);
    for (int i = 0; i < 250; ++i) {
        const Bytes& seed = seeds[mutate.Below(std::size(seeds))];
        Feed(fuzz::WizardJson, mutate.Text(seed, kWizardTokens, std::size(kWizardTokens)));
    }
    for (const auto& seed : seeds) Feed(fuzz::WizardJson, seed);
}

TEST(FuzzSlice, LibraryFiles) {
    testing_support::TempDir dir;
    const std::string path = dir.file("seed.BCL");
    {
        auto db = dao::Database::Create(path);
        library_test::CreateHollowSlabTable(*db);
        for (int i = 0; i < 30; ++i)
            library_test::Insert(*db, "简支空心板", library_test::HollowSlabRecord("板" + std::to_string(i), "圆形", i % 3));
        library_test::CreateSingleCellTable(*db);
        library_test::Insert(*db, "单箱单室", library_test::SingleCellRecord("跨中", "连续等截面箱梁", 1));
        library_test::CreateSubstructure1111(*db);
        // Values of another type than the field declares, as another program may leave them.
        library_test::CreateTable(*db, "单箱多室", {{"位置", "TEXT(255)"}, {"D1", "DOUBLE"}, {"D2", "LONG"}});
        library_test::Insert(*db, "单箱多室", {"NULL", "'宽'", "x'00ff'"});
        library_test::Insert(*db, "单箱多室", {"3.5", "1e308", "9223372036854775807"});
    }
    const Bytes seed = testing_support::ReadBytes(path);
    Mutator mutate(61202026);
    for (int i = 0; i < 300; ++i) Feed(fuzz::LibraryReader, mutate.File(seed, 4096));
    Feed(fuzz::LibraryReader, seed);
    Feed(fuzz::LibraryReader, "");
}

}  // namespace

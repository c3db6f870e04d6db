// Long passes over a sheet report their progress and stop when the user cancels: a cancelled write leaves
// the file it was to replace as it was and no partial file beside it; a cancelled find finds nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/spreadsheet/sheet_files.h"
#include "platform/spreadsheet/sheet_find.h"
#include "support/test_support.h"

namespace {

using sheet::SheetData;
using testing_support::ReadBytes;
using testing_support::TempDir;

SheetData Numbered(int rows) {
    SheetData d;
    d.setRowCount(rows);
    d.setColumnCount(2);
    for (int r = 1; r <= rows; ++r) d.setRow(r, {std::to_string(r), "x"});
    return d;
}

using Writer = std::function<bool(const std::string&, const SheetData&, std::string&, const sheet::Progress&)>;

struct WriterCase {
    const char* name;
    Writer write;
};

const WriterCase kWriters[] = {
    {"tab text", [](auto& path, auto& d, auto& error, auto& p) { return sheet::WriteTabText(path, d, error, p); }},
    {"workbook",
     [](auto& path, auto& d, auto& error, auto& p) { return sheet::WriteWorkbook(path, {{"表", &d}}, error, p); }},
};

// A cancelled write leaves the old file and no partial one; the same write let run reports every row and
// replaces the file.
TEST(WriteCancel, KeepsTheOldFileUntilAWriteRunsToTheEnd) {
    const SheetData d = Numbered(10);
    for (const WriterCase& w : kWriters) {
        TempDir dir;
        const std::string path = dir.file("grid.out");
        testing_support::WriteBytes(path, "old contents");
        std::string error;
        int calls = 0;
        EXPECT_FALSE(w.write(path, d, error, [&](std::int64_t, std::int64_t) { return ++calls < 3; })) << w.name;
        EXPECT_EQ(calls, 3) << w.name;  // stopped at once
        EXPECT_EQ(error, sheet::kWriteCancelled) << w.name;
        EXPECT_EQ(ReadBytes(path), "old contents") << w.name;
        EXPECT_FALSE(std::filesystem::exists(sheet::PartialPath(path))) << w.name;

        std::vector<std::int64_t> done;
        ASSERT_TRUE(w.write(path, d, error, [&](std::int64_t n, std::int64_t total) {
            EXPECT_EQ(total, 10);
            done.push_back(n);
            return true;
        })) << w.name << error;
        EXPECT_EQ(done.size(), 10u) << w.name;
        EXPECT_EQ(done.back(), 10) << w.name;
        EXPECT_NE(ReadBytes(path), "old contents") << w.name;
        EXPECT_FALSE(std::filesystem::exists(sheet::PartialPath(path))) << w.name;
    }
}

TEST(FindCancel, ACancelledFindFindsNothing) {
    SheetData d = Numbered(10000);  // 20,000 cells; the only "9999x" is far from the start
    d.setText(9999, 2, "9999x");
    std::int64_t told = 0;
    auto keepGoing = [&](std::int64_t, std::int64_t total) {
        told = total;
        return true;
    };
    auto hit = sheet::FindCell(d, "9999x", {1, 1}, {}, keepGoing);
    ASSERT_TRUE(hit.has_value());
    EXPECT_EQ(*hit, (sheet::CellPos{9999, 2}));
    EXPECT_EQ(told, 20000);
    EXPECT_FALSE(sheet::FindCell(d, "9999x", {1, 1}, {}, [](std::int64_t, std::int64_t) { return false; }));
}

}  // namespace

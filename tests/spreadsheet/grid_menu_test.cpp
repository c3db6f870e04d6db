// The grid menus and the file 写文件... writes, decided without a window.
#include <gtest/gtest.h>

#include "platform/spreadsheet/grid_menu.h"

namespace {

using namespace sheet;

TEST(GridFile, DialogExtensionDecidesTheFormat) {
    const struct {
        const char* chosen;  // as the file dialog returns it
        const char* path;    // what is written
        GridFileKind kind;
    } cases[] = {
        {"/t/grid", "/t/grid.XLS", GridFileKind::Workbook},  // the dialog supplies .XLS
        {"/t/grid.XLS", "/t/grid.XLS", GridFileKind::Workbook},
        {"/t/grid.xlsx", "/t/grid.xlsx", GridFileKind::Workbook},
        {"/t/grid.TXT", "/t/grid.TXT", GridFileKind::TabText},
        {"/t/grid.txt", "/t/grid.txt", GridFileKind::TabText},
        {"/t/grid.csv", "/t/grid.csv", GridFileKind::Workbook},
        {"/t.d/grid", "/t.d/grid.XLS", GridFileKind::Workbook},
        {"/t/grid.", "/t/grid.XLS", GridFileKind::Workbook},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(GridFilePath(c.chosen), c.path);
        EXPECT_EQ(GridFileKindOf(GridFilePath(c.chosen)), c.kind);
    }
}

TEST(GridMenu, SubMenusCarryTheirCommands) {
    auto ids = [](int index) {
        std::vector<int> out;
        for (const auto& e : GridMenuAt(index)->entries) out.push_back(e.id);
        return out;
    };
    EXPECT_EQ(ids(kMenuType1), (std::vector<int>{33430, 33431, 33432}));
    EXPECT_EQ(ids(kMenuType2), (std::vector<int>{33436, 0, 33430, 33431, 33432, 0, 33433, 33434, 0, 33435, 0, 33437, 33439}));
    EXPECT_EQ(ids(kMenuType3), (std::vector<int>{32963, 32964, 32965, 32966}));
    EXPECT_EQ(ids(kMenuType4), (std::vector<int>{33431}));
    EXPECT_EQ(ids(kMenuType5), (std::vector<int>{33458, 33461, 33459}));
    EXPECT_EQ(GridMenuAt(kMenuType2)->entries[9].text, "写文件...");
    EXPECT_EQ(GridMenuAt(5), nullptr);
    EXPECT_EQ(GridMenuAt(-1), nullptr);
}

}  // namespace

// The 检查 window lists what the model found and shows the table row a finding names.
#include <gtest/gtest.h>

#include <QTreeWidget>
#include <cstdlib>

#include "app/ui/bridge_check_window.h"

namespace {

TEST(BridgeCheckWindow, ListsFindingsAndJumpsToTheirRow) {
    int reads = 0;
    std::vector<bridge::Finding> findings = {
        {"CAP_ABOVE_GIRDER", 'E', "1号墩帽梁顶高出梁底", "下构布置信息表", 1},
        {"NO_GROUND", 'W', "项目中没有地形资料", "", -1},
    };
    std::vector<std::pair<std::string, int>> jumps;
    CBridgeCheckWindow window([&] { ++reads; return findings; },
                              [&](const std::string& table, int record) { jumps.emplace_back(table, record); });
    QTreeWidget* list = window.list();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0).toStdString(), "错误");
    EXPECT_EQ(list->topLevelItem(0)->text(1).toStdString(), "CAP_ABOVE_GIRDER");
    EXPECT_EQ(list->topLevelItem(0)->text(3).toStdString(), "下构布置信息表（第2行）");
    EXPECT_EQ(list->topLevelItem(1)->text(0).toStdString(), "警告");
    if (const char* shots = std::getenv("VELTRA_SHOTS")) {
        window.resize(760, 260);
        window.grab().save(QString::fromUtf8(shots) + "/bridge-check.png");
    }

    emit list->itemActivated(list->topLevelItem(0), 2);
    emit list->itemActivated(list->topLevelItem(1), 2);  // names no table: nothing to open
    ASSERT_EQ(jumps.size(), 1u);
    EXPECT_EQ(jumps[0], std::make_pair(std::string("下构布置信息表"), 1));

    // After the user fixed the tables, 重新检查 reads them again.
    findings.pop_back();
    window.Recheck();
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(list->topLevelItemCount(), 1);
}

}  // namespace

// Builds the sample bridge the run script opens: a three-span hollow-slab bridge with its general
// information, span and support layout, joints and drawings, and the route imported from
// samples/sample_bridge.BRF over the bridge extent. Usage: make_sample_bridge ROUTE.BRF OUT.vlt
#include <iostream>
#include <string>
#include <vector>

#include "exchange/route_import.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/console.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace {

using Row = std::vector<std::string>;

// Appends records given as texts, field by field in table order; the database converts the numbers.
void Append(dao::Database& db, const std::string& table, const std::vector<Row>& rows) {
    dao::Recordset rs(db);
    rs.Open(table);
    for (const Row& row : rows) {
        rs.AddNew();
        for (size_t i = 0; i < row.size() && static_cast<int>(i) < rs.GetFieldCount(); ++i)
            rs.SetFieldValue(static_cast<int>(i), dao::Value::Text(row[i]));
        rs.Update();
    }
}

void WriteCentralTables(dao::Database& db) {
    for (const auto& table : projectdb::CentralTables()) projectdb::RecreateCentralTable(db, table);
    Append(db, projectdb::kGeneralInfoTable,
           {{"Veltra示例设计院", "示例高速公路", "示例大桥", "K", "东岗", "西岭", "整体式", "全桥", "26", "25.5", "12.5",
             "12.5", "0.5", "0", "0", "0", "按竖曲线计算", "按长度分配"}});
    Append(db, projectdb::kSpanDivisionTable, {{"1", "3", "2", "1200", "1230", "90"}});
    Append(db, projectdb::kSuperLayoutTable, {{"1", "装配式简支空心板桥", "3", "20"}});
    Append(db, projectdb::kSuperSpanTable,
           {{"1", "装配式简支空心板桥", "20"}, {"2", "装配式简支空心板桥", "20"}, {"3", "装配式简支空心板桥", "20"}});
    const Row zeros(8, "0");
    std::vector<Row> supports = {
        {"0", "1200", "1类台帽", "肋板式台身", "无", "单排桩基础", "150", "120", "90", "0"},
        {"1", "1220", "1类墩帽", "圆形截面柱式墩身", "系梁", "单排桩基础", "150", "130", "90", "0"},
        {"2", "1240", "1类墩帽", "圆形截面柱式墩身", "系梁", "单排桩基础", "150", "130", "90", "0"},
        {"3", "1260", "1类台帽", "肋板式台身", "无", "单排桩基础", "150", "120", "90", "0"},
    };
    for (Row& row : supports) row.insert(row.end(), zeros.begin(), zeros.end());
    Append(db, projectdb::kSubLayoutTable, supports);
    Append(db, projectdb::kJointTable, {{"1", "1200"}, {"2", "1260"}});
    Append(db, projectdb::kDrawingLayoutTable,
           {{"桥型布置图", "qxbzt.dwg", "桥型布置图", "A3", "200", "100", "图标1", "不绘制"},
            {"上部构造一般构造图", "sbgz.dwg", "上构一般构造图", "A3", "50", "25", "图标1", "不绘制"},
            {"下部构造一般构造图", "xbgz.dwg", "下构一般构造图", "A3", "100", "50", "图标1", "不绘制"}});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_sample_bridge ROUTE.BRF OUT.vlt" << std::endl;
        return 2;
    }
    try {
        auto db = projectdb::CreateProjectFile(argv[2]);
        WriteCentralTables(*db);
        ui::ConsoleInteraction console(true);
        auto ui = console.interaction();
        exchange::ImportRoute(*db, argv[1], exchange::RouteRange{1200, 1260}, exchange::RouteSections{}, ui);
    } catch (const dao::DaoException& e) {
        std::cerr << e.m_strDescription << std::endl;
        return 1;
    }
    return 0;
}

#pragma once
// A project in a temporary folder, created by the product's own code, and route reference files to import.
#include <memory>
#include <string>
#include <vector>

#include "exchange/route_import.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "support/test_support.h"

namespace route_test {

// Section texts as a route design program writes them (UTF-8 here; written to the file in GBK).
std::string Profile(const std::vector<std::pair<double, double>>& points, int count = -1);
std::string Vert(const std::vector<double>& stakes, int count = -1);
std::string Deck(const std::vector<double>& stakes);
struct PlanElement {
    double stake;
    double direction = 1;
    double type = 1;
};
std::string Plan(const std::vector<PlanElement>& elements, int count = -1);

class Project {
public:
    // A new project with the central tables; `joints` are the JointStake values of 伸缩缝信息表 in order.
    explicit Project(const std::vector<double>& joints = {100, 200});

    dao::Database& db() { return *db_; }
    std::string writeFile(const std::string& utf8, const std::string& name = "route.BRF");
    // The records of a table, one line each: values blank-separated, numbers "%.10g", null "NULL".
    std::vector<std::string> rows(const std::string& table);
    // The first value of every record, "%.10g".
    std::vector<std::string> keys(const std::string& table);
    void fill(const std::string& table, int records);  // creates the table when missing

    testing_support::TempDir dir;
    ui::ScriptedInteraction ui;

private:
    std::unique_ptr<dao::Database> db_;
};

}  // namespace route_test

#include "route_fixture.h"

#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/gbk.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"

namespace route_test {

std::string Profile(const std::vector<std::pair<double, double>>& points, int count) {
    std::string s = text::Format("**PROFILE**\r\n%d\r\n", count < 0 ? static_cast<int>(points.size()) : count);
    for (auto [stake, elevation] : points) s += text::Format("%.4f %.4f\r\n", stake, elevation);
    return s;
}

std::string Vert(const std::vector<double>& stakes, int count) {
    std::string s = text::Format("**VERT**\r\n%d\r\n", count < 0 ? static_cast<int>(stakes.size()) : count);
    int n = 0;
    for (double stake : stakes) s += text::Format("JD%d %.3f %.3f %.1f\r\n", ++n, stake, stake / 100 + 50, 3000.0);
    return s;
}

std::string Deck(const std::vector<double>& stakes) {
    std::string s = "**DECK**\r\n";
    for (double stake : stakes) {
        s += text::Format("%.3f", stake);
        for (int k = 1; k < 18; ++k) s += text::Format(" %d", k);
        s += "\r\n";
    }
    return s;
}

std::string Plan(const std::vector<PlanElement>& elements, int count) {
    std::string s = text::Format("**PLAN**\r\n%d\r\n", count < 0 ? static_cast<int>(elements.size()) : count);
    for (const auto& e : elements)
        s += text::Format("3000.1 4000.2 45.5 0 3100.1 4100.2 46.5 800 %.3f 0 %.3f %g %g\r\n", e.stake + 1, e.stake,
                          e.direction, e.type);
    return s;
}

Project::Project(const std::vector<double>& joints) {
    db_ = projectdb::CreateProjectFile(dir.file("bridge.vlt"));
    // A test project need not survive a power cut: skip the syncs that make tests slow on a busy disk.
    db_->Execute("PRAGMA synchronous = OFF");
    dao::Transaction creation(*db_);  // one write to the disk for the whole project
    for (const auto& table : projectdb::CentralTables()) projectdb::RecreateCentralTable(*db_, table);
    dao::Recordset set(*db_);
    set.Open(projectdb::kJointTable);
    int n = 0;
    for (double stake : joints) {
        set.AddNew();
        set.SetFieldValue("JointNum", dao::Value::Long(++n));
        set.SetFieldValue("JointStake", dao::Value::Double(stake));
        set.Update();
    }
    set.Close();
    creation.Commit();
}

std::string Project::writeFile(const std::string& utf8, const std::string& name) {
    std::string path = dir.file(name);
    testing_support::WriteBytes(path, text::ToGbk(utf8));
    return path;
}

std::vector<std::string> Project::rows(const std::string& table) {
    std::vector<std::string> out;
    dao::Recordset set(*db_);
    set.Open("Select * From [" + table + "]");
    for (; !set.IsEOF(); set.MoveNext()) {
        std::string line;
        for (int i = 0; i < set.GetFieldCount(); ++i) {
            dao::Value v = set.GetFieldValue(i);
            if (i) line += ' ';
            line += v.isNull() ? "NULL" : v.isText() ? v.text() : text::Format("%.10g", v.toDouble());
        }
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> Project::keys(const std::string& table) {
    std::vector<std::string> out;
    for (const auto& row : rows(table)) out.push_back(row.substr(0, row.find(' ')));
    return out;
}

void Project::fill(const std::string& table, int records) {
    projectdb::EnsureTable(*db_, *projectdb::FindTableSchema(table));
    dao::Recordset set(*db_);
    set.Open(table);
    for (int i = 0; i < records; ++i) {
        set.AddNew();
        set.SetFieldValue(0, dao::Value::Long(-1 - i));
        set.Update();
    }
}

}  // namespace route_test

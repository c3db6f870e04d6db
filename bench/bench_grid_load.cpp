// Loads a 100,000-record, 20-field table into the grid editor (CBriFormView::Load: the order and the
// fingerprint; the records are read as the grid shows them) and, in the same run, lets the sqlite3 shell read the same table
// to /dev/null. Prints "grid-load: ours=<s> reference=<s> ratio=<ours/reference>" (target: ratio <= 1.5).
// Then saves the grid the way closing the window does (only what changed, one transaction) and prints "grid-save: ours=<s> reference=<s> ratio=<r>" against the shell copying the same
// rows into the table in one transaction; "grid-save-edits" is the same save after one cell of each of
// 1,000 rows spread over the table was changed.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/spreadsheet/grid_menu.h"
#include "browse/ui/bri_form_view.h"
#include "grid_bench_host.h"
#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

using grid_bench::BenchHost;
using grid_bench::Seconds;

constexpr int kRecords = 100000;
constexpr int kFields = 20;
const char* const kTable = "墩台计算结果表";
const std::string kText = "圆形截面柱式墩身";

void MakeTable(dao::Database& db) {
    dao::TableDef def;
    def.m_strName = kTable;
    for (int i = 0; i < kFields; ++i) {
        dao::FieldInfo f;
        f.m_strName = "Field" + std::to_string(i);
        f.m_nType = i % 4 == 0 ? dao::dbLong : i % 4 == 1 ? dao::dbText : dao::dbDouble;
        def.fields.push_back(f);
    }
    db.CreateTableDef(def);
    dao::Transaction transaction(db);
    dao::Recordset rs(db);
    rs.Open(kTable);
    for (int r = 0; r < kRecords; ++r) {
        rs.AddNew();
        for (int i = 0; i < kFields; ++i) {
            if (i == 0) rs.SetFieldValue(i, dao::Value::Long(r));
            else if (i % 4 == 0) rs.SetFieldValue(i, dao::Value::Long(r % 97));
            else if (i % 4 == 1) rs.SetFieldValue(i, dao::Value::Text(kText));
            else rs.SetFieldValue(i, dao::Value::Double(r * 0.125 + i));
        }
        rs.Update();
    }
    transaction.Commit();
}

double Shell(const std::string& path, const std::string& sql) {
    const std::string command = "sqlite3 '" + path + "' \"" + sql + "\" > /dev/null";
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "sqlite3 failed: %s\n", command.c_str());
    return Seconds(start);
}

void Print(const char* name, double ours, double reference) {
    std::printf("%s: ours=%.3f reference=%.3f ratio=%.2f\n", name, ours, reference, ours / reference);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string path = (std::filesystem::temp_directory_path() / "bench_grid_load.vlt").string();
    {
        auto db = dao::Database::Create(path);
        MakeTable(*db);
    }
    auto db = dao::Database::Open(path);
    BenchHost host(db.get());
    host.prompter.setDefault(ui::Answer::Yes);  // every save question answered 是
    browse::CBriFormView view(host);

    // Best of three each, alternating, so that both read a warm file.
    double ours = 1e9, reference = 1e9;
    const std::string select = std::string("select * from [") + kTable + "]";
    for (int run = 0; run < 3; ++run) {
        reference = std::min(reference, Shell(path, select));
        auto start = std::chrono::steady_clock::now();
        view.Load(kTable);
        ours = std::min(ours, Seconds(start));
    }
    if (view.Grid().rowCount() != kRecords || view.Grid().columnCount() != kFields)
        std::fprintf(stderr, "grid holds %d x %d\n", view.Grid().rowCount(), view.Grid().columnCount());
    Print("grid-load", ours, reference);

    // Saving: the shell's copy of the same rows from a side table, in one transaction, is the reference.
    // It runs on a copy of the file: its writes into the grid's file would be another program's, which the
    // save then has to read the table again to notice.
    const std::string referencePath = path + ".reference";
    std::filesystem::copy_file(path, referencePath, std::filesystem::copy_options::overwrite_existing);
    Shell(referencePath, std::string("create table [copy] as select * from [") + kTable + "]");
    double save = 1e9, saveReference = 1e9;
    for (int run = 0; run < 3; ++run) {
        saveReference = std::min(
            saveReference, Shell(referencePath, std::string("begin; delete from [") + kTable +
                                                 "]; insert into [" + kTable + "] select * from [copy]; commit;"));
        view.RunCommand(sheet::ID_GRID_COPY);  // marks the grid modified
        auto start = std::chrono::steady_clock::now();
        const bool closed = view.CanClose();
        save = std::min(save, Seconds(start));
        if (!closed || view.IsModified()) std::fprintf(stderr, "the grid was not saved\n");
    }
    Print("grid-save", save, saveReference);

    // The same save after real edits: one cell in each of 1,000 rows spread over the table.
    double edited = 1e9;
    for (int run = 0; run < 3; ++run) {
        for (int r = 1 + run; r <= kRecords; r += kRecords / 1000) 
            view.Grid().setText(r, 3, QString::number(run + 0.5));
        view.RunCommand(sheet::ID_GRID_COPY);
        auto start = std::chrono::steady_clock::now();
        const bool closed = view.CanClose();
        edited = std::min(edited, Seconds(start));
        if (!closed || view.IsModified()) std::fprintf(stderr, "the edited grid was not saved\n");
    }
    Print("grid-save-edits", edited, saveReference);
    db->Close();
    std::filesystem::remove(path);
    std::filesystem::remove(referencePath);
    return 0;
}

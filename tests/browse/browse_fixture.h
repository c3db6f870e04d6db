#pragma once
// Projects and a host for the table tree and grid editor tests: the host keeps grid views the way the
// application's frames do, and answers through the scripted interaction.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "browse/ui/bri_form_view.h"
#include "browse/ui/project_host.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"
#include "support/test_support.h"

namespace browse_test {

using Rows = std::vector<std::vector<std::string>>;

// A project file holding the named tables: schema tables are made by the schema's creation code, any other
// name gets the fields Name (text), Value (double), Note (text).
std::unique_ptr<dao::Database> MakeProject(const std::string& path, const std::vector<std::string>& tables);
// Appends records, values given as texts in field order.
void AddRows(dao::Database& db, const std::string& table, const Rows& rows);
// All records as texts (VariantToText), in the order the table keeps them.
Rows ReadRows(dao::Database& db, const std::string& table);
// The cell texts a grid view shows, row by row.
Rows GridRows(const browse::CBriFormView& view);
// Types `text` into a cell the way the user's paste does (asks the edit filter, announces the change); an
// empty text clears the cell. False when the grid refuses.
bool Type(browse::CBriFormView& view, int row, int col, const std::string& text);

class FakeHost : public browse::ProjectHost {
public:
    explicit FakeHost(dao::Database* db = nullptr) : db(db) {}
    ~FakeHost() override;

    dao::Database* ProjectDatabase() const override { return db; }
    bool IsAdvancedUser() const override { return advanced; }
    browse::CBriFormView* OpenGridWindow(const std::string& table) override;
    std::vector<browse::CBriFormView*> GridViews() const override;
    bool CloseGridWindow(browse::CBriFormView* view) override;
    int ProjectWindowCount() const override { return db ? 1 + static_cast<int>(grids.size()) : 0; }
    ui::Prompter& Prompter() override { return prompter; }
    ui::FileChooser& FileChooser() override { return files; }
    QWidget* MainWindow() const override { return nullptr; }
    void RunShellCommand(int commandId) override { shellCommands.push_back(commandId); }

    dao::Database* db;
    bool advanced = false;
    ui::ScriptedPrompter prompter;
    ui::ScriptedFileChooser files;
    std::vector<std::unique_ptr<browse::CBriFormView>> grids;
    std::vector<std::string> activated;  // tables whose open window was activated again
    std::vector<int> shellCommands;       // commands handed to the shell
};

// A project file in a folder of the test's own, with a host over it.
class HostedProjectTest : public ::testing::Test {
protected:
    void OpenProject(const std::vector<std::string>& tables) {
        db = MakeProject(dir.file("bridge.vlt"), tables);
        host = std::make_unique<FakeHost>(db.get());
    }
    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
    std::unique_ptr<FakeHost> host;
};

}  // namespace browse_test

#pragma once
// What the grid benches share: a project host that gives the grid window its database and scripted answers,
// and the seconds since a start (the benches' own).
#include <chrono>
#include <string>
#include <vector>

#include "bench_support.h"
#include "browse/ui/project_host.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"

namespace grid_bench {

class BenchHost : public browse::ProjectHost {
public:
    explicit BenchHost(dao::Database* db) : db_(db) {}
    dao::Database* ProjectDatabase() const override { return db_; }
    bool IsAdvancedUser() const override { return false; }
    browse::CBriFormView* OpenGridWindow(const std::string&) override { return nullptr; }
    std::vector<browse::CBriFormView*> GridViews() const override { return {}; }
    bool CloseGridWindow(browse::CBriFormView*) override { return true; }
    int ProjectWindowCount() const override { return 1; }
    ui::Prompter& Prompter() override { return prompter; }
    ui::FileChooser& FileChooser() override { return files; }
    QWidget* MainWindow() const override { return nullptr; }
    ui::ScriptedPrompter prompter;
    ui::ScriptedFileChooser files;

private:
    dao::Database* db_;
};

using bench::Seconds;

}  // namespace grid_bench

#include "cli_child.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/dao/recordset.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"
#include "support/settings_store.h"

namespace cli_test {

ChildRun RunCli(const std::vector<std::string>& words, const ChildOptions& options) {
    testing_support::TempDir streams;
    std::string outPath = streams.file("out"), errPath = streams.file("err");
    std::vector<std::string> all{VELTRA_CLI_PATH};
    all.insert(all.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (auto& w : all) argv.push_back(w.data());
    argv.push_back(nullptr);

    pid_t pid = fork();
    if (pid == 0) {
        int in = open("/dev/null", O_RDONLY);
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        for (const auto& [name, value] : options.env) setenv(name.c_str(), value.c_str(), 1);
        if (options.fileSizeLimit > 0) {
            // A write past the limit then fails with EFBIG instead of ending the process.
            signal(SIGXFSZ, SIG_IGN);
            rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                         static_cast<rlim_t>(options.fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    ChildRun run;
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return run;
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    run.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    run.out = testing_support::ReadBytes(outPath);
    run.err = testing_support::ReadBytes(errPath);
    return run;
}

TableRows ReadTables(const std::string& path, const std::vector<std::string>& only) {
    // Opened for writing, as a program opening the project after a crash would: a journal left behind is
    // rolled back first.
    auto db = dao::Database::Open(path);
    TableRows tables;
    for (const auto& t : db->GetTableDefs()) {
        if (t.isSystem()) continue;
        if (!only.empty() && std::find(only.begin(), only.end(), t.m_strName) == only.end()) continue;
        std::vector<std::string> rows;
        dao::Recordset set(*db);
        set.Open("Select * From [" + t.m_strName + "]", dao::dbOpenForwardOnly);
        for (; !set.IsEOF(); set.MoveNext()) {
            std::string line;
            for (int i = 0; i < set.GetFieldCount(); ++i)
                line += projectdb::VariantToText(set.GetFieldValue(i)) + "|";
            rows.push_back(line);
        }
        tables.emplace_back(t.m_strName, std::move(rows));
    }
    return tables;
}

std::string IntegrityCheck(const std::string& path) {
    std::string result;
    for (const auto& row : testing_support::RawRows(path, "PRAGMA integrity_check", true)) result += row.at(0);
    return result.empty() ? "cannot be read" : result;
}

void MakeProject(const std::string& path, int records) {
    auto db = projectdb::CreateProjectFile(path);
    db->Execute("PRAGMA synchronous = OFF");  // a test project need not survive a power cut
    dao::Transaction creation(*db);
    std::vector<projectdb::TableSchema> tables = projectdb::CentralTables();
    for (const auto& t : projectdb::RouteTables()) tables.push_back(t);
    for (const auto& table : tables) {
        projectdb::RecreateCentralTable(*db, table);
        dao::Recordset set(*db);
        set.Open(table.name);
        for (int i = 0; i < records; ++i) {
            set.AddNew();
            set.SetFieldValue(0, dao::Value::Text(std::to_string(i + 1)));
            set.Update();
        }
    }
    creation.Commit();
}

void DamageTable(const std::string& path, const std::string& table) {
    const auto found = testing_support::RawRows(path,
                                                "SELECT rootpage, (SELECT page_size FROM pragma_page_size) "
                                                "FROM sqlite_master WHERE name = '" + table + "'");
    ASSERT_EQ(found.size(), 1u) << table;
    const long page = std::stol(found[0].at(0)), pageSize = std::stol(found[0].at(1));
    ASSERT_GT(page, 1) << table;
    std::string bytes = testing_support::ReadBytes(path);
    std::fill_n(bytes.begin() + (page - 1) * pageSize, pageSize, '\x5a');
    testing_support::WriteBytes(path, bytes);
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace cli_test

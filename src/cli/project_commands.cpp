// create FILE / tables FILE / dump FILE TABLE / saveas SRC DST
#include <iostream>

#include "app/project_session.h"
#include "cli/command.h"
#include "platform/interaction/console.h"
#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/project_file.h"
#include "projectdb/schema.h"
#include "projectdb/variant_text.h"

namespace cli {
namespace {

int Create(const std::vector<std::string>& words) {
    if (words.size() != 1) return UsageError("create FILE");
    projectdb::CreateProjectFile(words[0]);
    return 0;
}

std::string JoinPath(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) out += (out.empty() ? "" : "/") + p;
    return out;
}

int Tables(const std::vector<std::string>& words) {
    if (words.size() != 1) return UsageError("tables FILE");
    auto db = dao::Database::Open(words[0], true);
    for (const auto& t : db->GetTableDefs()) {
        std::string path = t.isSystem() ? "(系统表)" : JoinPath(projectdb::CategoryPath(t.m_strName));
        std::cout << t.m_strName << "\t" << (path.empty() ? "-" : path) << "\n";
    }
    return 0;
}

int Dump(const std::vector<std::string>& words) {
    if (words.size() != 2) return UsageError("dump FILE TABLE");
    return DumpTable(words[0], words[1]);
}

int SaveAs(const std::vector<std::string>& words) {
    if (words.size() != 2) return UsageError("saveas SRC DST");
    // The windows' Save As, without windows: a project session that leaves the user's shared settings alone.
    ui::ConsolePrompter prompter(false);
    app::ProjectSession session(app::SessionServices{prompter, nullptr, nullptr, nullptr, false});
    return session.Open(words[0], app::OpenRoute::OpenFirst) && session.SaveAs(words[1]) ? 0 : 1;
}

}  // namespace

int DumpTable(const std::string& file, const std::string& table) {
    auto db = dao::Database::Open(file, true);
    dao::Recordset rs(*db);
    rs.Open("Select * From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    for (int i = 0; i < rs.GetFieldCount(); ++i) std::cout << (i ? "\t" : "") << rs.GetFieldInfo(i).m_strName;
    std::cout << "\n";
    for (; !rs.IsEOF(); rs.MoveNext()) {
        for (int i = 0; i < rs.GetFieldCount(); ++i)
            std::cout << (i ? "\t" : "") << projectdb::VariantToText(rs.GetFieldValue(i));
        std::cout << "\n";
    }
    return 0;
}

std::vector<Command> ProjectCommands() {
    return {
        {"create", "create FILE    (an empty project database: the tables, no records)", Create},
        {"tables", "tables FILE", Tables},
        {"dump", "dump FILE TABLE", Dump},
        {"saveas", "saveas SRC DST", SaveAs},
    };
}

}  // namespace cli

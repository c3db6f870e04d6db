#include "projectdb/project_file.h"

#include <filesystem>

#include "projectdb/record_access.h"

namespace projectdb {

std::unique_ptr<dao::Database> CreateProjectFile(const std::string& path) { return dao::Database::Create(path); }

std::unique_ptr<dao::Database> CopyProjectTo(dao::Database& project, const std::string& path) {
    {
        auto copy = CreateProjectFile(path);
        for (const auto& table : project.GetTableDefs())
            if (!table.isSystem()) CopyTable(project, *copy, table.m_strName, false);
        copy->Close();
    }
    return dao::Database::Open(path);
}

bool IsSameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return a == b || std::filesystem::equivalent(a, b, ec);
}

std::string FileNameOf(const std::string& path) {
    auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace projectdb

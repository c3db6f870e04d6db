#include "platform/interaction/interaction.h"

#include <filesystem>

namespace ui {

std::vector<std::pair<std::string, std::string>> ParseFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    std::vector<std::pair<std::string, std::string>> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) break;
        out.emplace_back(parts[i], parts[i + 1]);
    }
    return out;
}

FileRequest InProjectFolder(FileRequest request, const std::string& projectPath) {
    namespace fs = std::filesystem;
    if (projectPath.empty() || request.fileName.find('/') != std::string::npos) return request;
    const fs::path project(projectPath);
    std::string name = request.fileName;
    if (name.empty() && request.save && !request.defaultExtension.empty())
        name = project.stem().string() + "." + request.defaultExtension;
    request.fileName = name.empty() ? project.parent_path().string() + "/" : (project.parent_path() / name).string();
    return request;
}

}  // namespace ui

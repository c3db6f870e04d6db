#include "host/command_processor.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "host/drawing_files.h"
#include "platform/dao/recordset.h"
#include "platform/registry/registry.h"

namespace drawhost {
namespace {

constexpr const char* kMainExtension = "Ombrix.arx";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    return text;
}

std::string Trimmed(const std::string& text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

std::string Setting(const std::string& section, const std::string& name) {
    try {
        return registry::ReadSetting(section, name);
    } catch (const registry::SettingsError& e) {
        throw std::runtime_error(e.what());
    }
}

// The file named in "(arxload \"<file>\")", or "" when the text is no arxload.
std::string ArxLoadFile(const std::string& command) {
    if (Lower(command).rfind("(arxload", 0) != 0) return {};
    std::size_t open = command.find('"');
    std::size_t close = open == std::string::npos ? open : command.find('"', open + 1);
    return close == std::string::npos ? std::string() : command.substr(open + 1, close - open - 1);
}

}  // namespace

Reply CommandProcessor::Take(const std::string& commandLine) {
    std::string command = Trimmed(commandLine);
    std::string file = ArxLoadFile(command);
    if (!file.empty()) return ArxLoad(file);
    std::string word = Lower(command);
    if (word == "loaddbauto") return LoadProject();
    if (word == "vltin") {
        if (!m_project) return {{"没有打开的项目数据库，请先在设计程序中打开项目。"}};
        Reply reply{{"正在绘图……"}};
        reply.drawRequested = true;
        return reply;
    }
    if (word == "quit") {
        Reply reply{{"退出。"}};
        reply.quitRequested = true;
        return reply;
    }
    if (command.empty()) return {};
    return {{"未知命令“" + command + "”。"}};
}

Reply CommandProcessor::ArxLoad(const std::string& fileName) {
    std::string name = std::filesystem::path(fileName).filename().string();
    // The main extension announces itself to the shell; the plan-drawing extension has nothing to say.
    if (Lower(name) == Lower(kMainExtension)) {
        try {
            registry::WriteSettingOrThrow("Loaded ARX Application", "AppName", kMainExtension);
        } catch (const registry::SettingsError& e) {
            return {{std::string("无法记录已加载的程序：") + e.what()}};
        }
    }
    return {{name + " 已加载。"}};
}

Reply CommandProcessor::LoadProject() {
    std::string path;
    try {
        path = Setting("Current Database File", "File");
    } catch (const std::runtime_error& e) {
        return {{e.what()}};
    }
    if (path.empty()) return {{"设计程序没有打开项目数据库。"}};
    try {
        m_project = dao::Database::Open(path, true);
        m_projectPath = path;
    } catch (const dao::DaoException& e) {
        m_project.reset();
        m_projectPath.clear();
        return {{"无法打开项目数据库“" + path + "”：" + e.what()}};
    }
    return {{"已打开项目数据库“" + path + "”（只读）。"}};
}

RenderedDrawing CommandProcessor::DrawCurrent() {
    if (!m_project) throw std::runtime_error("没有打开的项目数据库。");
    std::string kind = Setting("Current Drawing", "DrawingType");
    std::string title = Setting("Current Drawing", "DrawingName");
    if (kind.empty()) kind = kBridgeLayoutKind;
    if (title.empty()) title = kind;
    std::string base = DrawingFileBase(*m_project, title, Setting("Current Drawing", "FileName"));
    std::string folder = std::filesystem::absolute(m_projectPath).parent_path().string();
    CheckDrawingFilesInside(folder, base);
    return RenderDrawing(m_projectPath, kind, title, base, folder);
}

std::string DrawingFileBase(dao::Database& project, const std::string& title, const std::string& fileNameSetting) {
    try {
        // Compared here rather than in the SQL text: a title may hold any character.
        dao::Recordset set(project);
        set.Open("SELECT [DrawingName], [FileName] FROM [图形布置信息表]", dao::dbOpenForwardOnly);
        for (; !set.IsEOF(); set.MoveNext()) {
            if (set.GetFieldValue(0).toString() != title) continue;
            std::string name = Trimmed(set.GetFieldValue(1).toString());
            if (!name.empty()) return name;
            break;
        }
    } catch (const dao::DaoException&) {
        // A project without a drawing list still gets its drawing, named as below.
    }
    std::string name = fileNameSetting;
    if (name.size() > 4 && Lower(name.substr(name.size() - 4)) == ".dwg") name.resize(name.size() - 4);
    return name.empty() ? title : name;
}

RenderedDrawing RenderProject(const std::string& projectPath, const std::string& kind, const std::string& title,
                              const std::string& outDir) {
    std::unique_ptr<dao::Database> project;
    try {
        project = dao::Database::Open(projectPath, true);
    } catch (const dao::DaoException& e) {
        throw std::runtime_error("无法打开项目数据库“" + projectPath + "”：" + e.what());
    }
    std::string base = DrawingFileBase(*project, title, "");
    project.reset();
    std::filesystem::create_directories(outDir);
    CheckDrawingFilesInside(outDir, base);
    return RenderDrawing(projectPath, kind, title, base, outDir);
}

std::string PaneLine(const std::string& line) {
    if (line.size() <= kPaneLineBytes) return line;
    std::size_t cut = kPaneLineBytes;
    // Cut before a character, never inside one.
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    return line.substr(0, cut) + "……（共" + std::to_string(line.size()) + "字节，只显示前" + std::to_string(cut) +
           "字节）";
}

}  // namespace drawhost

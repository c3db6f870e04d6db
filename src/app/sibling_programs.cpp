#include "app/sibling_programs.h"

#include <filesystem>

#include "exchange/interface_writer.h"
#include "platform/dao/field.h"
#include "platform/registry/registry.h"
#include "platform/text/cformat.h"

namespace app {
namespace {

using ResetDataEntry = int (*)(const char*, const char*);
using PrompterHook = void (*)(ui::Prompter*);

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The installers record folders the Windows way ("...\Arvo3D"); the program sits in that folder.
std::string InFolder(const std::string& folder, const char* file) {
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder + file;
    return folder + "/" + file;
}

// A settings store that cannot be read is told as such, never taken for a missing installation.
bool ReadInstalledFolder(const std::string& keyPath, const std::string& name, std::string& value,
                         ui::Prompter& prompt) {
    try {
        value = registry::ReadMachineValue(keyPath, name);
        return true;
    } catch (const registry::SettingsError& e) {
        prompt.message(e.what(), ui::Buttons::Ok, ui::Icon::Stop);
        return false;
    }
}

bool ConvertForModeller(const std::string& interfaceFile, const std::string& dataFile, SiblingServices& s) {
    long errorCode = 0;
    std::unique_ptr<modules::LoadedModule> library = s.modules.Load("Interface.dll", errorCode);
    void* entry = library ? library->Resolve("ResetData") : nullptr;
    if (!entry) {
        s.prompt.message(text::Format("找不到接口模块 Interface.dll（%s）。",
                                      modules::SharedLibraryFileName("Interface.dll").c_str()),
                         ui::Buttons::Ok, ui::Icon::Stop);
        return false;
    }
    if (void* hook = library->Resolve("SetModulePrompter")) reinterpret_cast<PrompterHook>(hook)(&s.prompt);
    reinterpret_cast<ResetDataEntry>(entry)(interfaceFile.c_str(), dataFile.c_str());
    return true;
}

void Start(const std::string& program, const std::string& folder, const char* failure, SiblingServices& s) {
    if (!s.starter.Start(program, folder)) s.prompt.message(failure);
}

}  // namespace

std::string TemporaryFolder() {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    return ec ? "/tmp" : folder.string();
}

void RunModellingProgram(dao::Database& db, SiblingServices& s) {
    const std::string interfaceFile = InFolder(s.tempFolder, "Arvo3D.BRI");
    const std::string dataFile = InFolder(s.tempFolder, "Arvo3D.B3D");
    // Whatever the writer's end (a question answered No ends the file early), the conversion follows.
    exchange::WriteArvo3dFile(db, interfaceFile, s.prompt);
    if (!ConvertForModeller(interfaceFile, dataFile, s)) return;
    std::string folder;
    if (!ReadInstalledFolder("SoftWare\\Halvex\\Arvo3D\\Path", "Path", folder, s.prompt)) return;
    if (folder.empty()) {
        s.prompt.message("您没有正确安装桥梁三维造型CAD系统。");
        return;
    }
    const std::string program = InFolder(folder, "Arvo3D.EXE");
    if (!IsFile(program)) {
        s.prompt.message(
            text::Format("在%s路径下未找到桥梁三维造型CAD系统的可执行文件Arvo3D.EXE。\n"
                         "建议重新安装桥梁三维造型CAD系统。",
                         folder.c_str()));
        return;
    }
    Start(program, folder, "启动桥梁三维造型CAD系统失败！", s);
}

void RunSubstructureProgram(SiblingServices& s) {
    std::string help;
    if (!ReadInstalledFolder("SoftWare\\Veltra\\HelpFile Location", "Location", help, s.prompt)) return;
    const long characters = dao::CharacterCount(help);
    if (characters < 4) {
        s.prompt.message("您没有正确安装桥梁下部构造CAD模块。");
        return;
    }
    // ".../Help" becomes ".../Bin": the programs are installed beside the manual.
    const std::string folder = dao::CutToCharacters(help, characters - 4) + "Bin";
    const std::string program = InFolder(folder, "Kelsa.EXE");
    if (!IsFile(program)) {
        s.prompt.message(text::Format("在%s路径下未找到桥梁下部构造CAD模块的可执行文件Kelsa.EXE。", folder.c_str()));
        return;
    }
    Start(program, folder, "启动桥梁下部构造CAD模块失败！", s);
}

}  // namespace app

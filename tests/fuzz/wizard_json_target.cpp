// Any bytes as the wizard description of `new`: the command refuses them (status 1) or writes a project
// that opens (status 0). A status 2, an error escaping the command or a crash is a fault.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/command.h"
#include "fuzz_targets.h"
#include "platform/dao/database.h"
#include "projectdb/schema.h"

namespace fuzz {

int WizardJson(const std::uint8_t* data, std::size_t size) {
    const std::string json = ScratchFolder() + "/wizard.json", project = ScratchFolder() + "/wizard.vlt";
    std::ofstream(json, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::filesystem::remove(project);
    int status = -1;
    {
        // What the command says is not looked at here; only that it ends as a command should.
        std::ostringstream silenced;
        auto* err = std::cerr.rdbuf(silenced.rdbuf());
        auto* out = std::cout.rdbuf(silenced.rdbuf());
        for (const auto& command : cli::WizardCommands())
            if (command.name == "new") status = cli::RunCommand(command, {project, "--from", json});
        std::cerr.rdbuf(err);
        std::cout.rdbuf(out);
    }
    if (status == 1) return 0;
    if (status != 0) std::abort();
    if (!dao::Database::Open(project)->HasTableDef(projectdb::kGeneralInfoTable)) std::abort();
    return 0;
}

}  // namespace fuzz

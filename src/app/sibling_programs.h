#pragma once
// The two sibling programs the shell starts: the 3D modelling program (三维造型, "run-arvo3d"), which gets the
// open project as its interface file converted by the interface library, and the substructure program (下部计算,
// "run-kelsa"). Both are found through the settings their installers write and are started without waiting.
#include <string>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "platform/modules/module_loader.h"

namespace app {

// Starts a program as a new process in `folder`, with no arguments, without waiting for it. True when the
// process was started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual bool Start(const std::string& program, const std::string& folder) = 0;
};

struct SiblingServices {
    ui::Prompter& prompt;
    ProgramStarter& starter;
    modules::ModuleLoader& modules;  // where the interface library comes from
    std::string tempFolder;          // where the interface and data files go (the system's temporary folder)
};

// The system's temporary folder.
std::string TemporaryFolder();

// Writes the interface file (Arvo3D.BRI) of `db` to the temporary folder, has the interface library
// convert it to Arvo3D.B3D beside it, then starts Arvo3D.EXE from the folder the modeller's installer
// recorded. Each failure is told to the user and ends the command.
void RunModellingProgram(dao::Database& db, SiblingServices& services);

// Starts Kelsa.EXE from the Bin folder beside the help folder the installer recorded.
void RunSubstructureProgram(SiblingServices& services);

}  // namespace app

#pragma once
// Starts the sibling programs as detached processes.
#include "app/sibling_programs.h"

class CQtProgramStarter : public app::ProgramStarter {
public:
    bool Start(const std::string& program, const std::string& folder) override;
};

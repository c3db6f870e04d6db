#pragma once
// The modules not provided yet: what each of their entry points would do, told to the user in one message.
#include <string>

#include "platform/interaction/interaction.h"

namespace standins {

// "钢筋布置模块尚未提供：将为耳墙布置钢筋。"
std::string RebarText(const std::string& member);
// A cap-beam or box-girder rebar design on the project file at `projectPath`.
std::string ProjectRebarText(const std::string& member, const std::string& projectPath);
// A section or pile calculation that works on its own.
std::string CalculationText(const std::string& module, const std::string& calculation);

void Tell(ui::Prompter& prompt, const std::string& text);

}  // namespace standins

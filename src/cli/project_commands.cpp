#include "cli/command.h"
namespace cli {
std::vector<Command> ProjectCommands() { return {}; }
}  // namespace cli

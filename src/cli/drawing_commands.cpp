// drawing send|list|target: the drawing host link and the drawing target without windows.
#include <iostream>

#include "cli/command.h"
#include "cli/drawing_layout_commands.h"
#include "drawing/acad_session.h"
#include "drawing/acad_window_directory.h"
#include "platform/interaction/console.h"

namespace cli {
namespace {

// Types TEXT into the running drawing host as the shell does (upper case, main extension loaded first).
int DrawingSend(const std::vector<std::string>& words) {
    if (words.size() != 1) return UsageError("drawing send TEXT");
    ui::ConsolePrompter prompter;
    drawing::DirectoryWindowSystem windows;
    drawing::AcadSession acad(windows, prompter);
    return acad.SendAcadCommand(words[0]) ? 0 : 1;
}

struct DrawingSubcommand {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& words);
};

const DrawingSubcommand kDrawingSubcommands[] = {
    {"send", "drawing send TEXT", DrawingSend},
    {"list", kDrawingListUsage, RunDrawingList},
    {"target", kDrawingTargetUsage, RunDrawingTarget},
};

std::string DrawingUsage() {
    std::string usage;
    for (const auto& sub : kDrawingSubcommands) usage += std::string(usage.empty() ? "" : " | ") + sub.usage;
    return usage;
}

int Drawing(const std::vector<std::string>& words) {
    if (!words.empty())
        for (const auto& sub : kDrawingSubcommands)
            if (words[0] == sub.name) return sub.run(std::vector<std::string>(words.begin() + 1, words.end()));
    return UsageError(DrawingUsage());
}

}  // namespace

std::vector<Command> DrawingCommands() { return {{"drawing", DrawingUsage(), Drawing}}; }

}  // namespace cli

#pragma once
// What the stand-in drawing host does with the command lines it is sent, without its window: it records
// the main extension as loaded, opens the project the shell names, and draws the drawing the shell chose.
#include <memory>
#include <string>
#include <vector>

#include "drawing_render.h"
#include "platform/dao/database.h"

namespace drawhost {

// The drawing kind drawn when the shell has chosen none.
inline constexpr const char* kBridgeLayoutKind = "桥型布置图";

struct Reply {
    std::vector<std::string> lines;  // what the command line pane answers
    bool drawRequested = false;      // VLTIN: draw the current drawing (DrawCurrent), after answering
    bool quitRequested = false;      // QUIT: the host ends
};

class CommandProcessor {
public:
    // One command line as received ("LOADDBAUTO ", "(arxload \"Ombrix.arx\") ", ...).
    Reply Take(const std::string& commandLine);
    // Draws the drawing of "Current Drawing" for the loaded project beside the project file, never outside
    // the project's folder. Raises
    // std::runtime_error with the reason in Chinese.
    RenderedDrawing DrawCurrent();

    // The loaded project's path, or "".
    const std::string& ProjectPath() const { return m_projectPath; }

private:
    Reply ArxLoad(const std::string& fileName);
    Reply LoadProject();

    std::unique_ptr<dao::Database> m_project;
    std::string m_projectPath;
};

// The file name (without extension) of the drawing titled `title`: its record in the drawing list, else
// `fileNameSetting` without ".dwg", else the title itself.
std::string DrawingFileBase(dao::Database& project, const std::string& title, const std::string& fileNameSetting);

// Draws `kind`/`title` of the project at `projectPath` into `outDir` without a window (drawhost --render).
// The files stay inside `outDir` whatever the project names them.
RenderedDrawing RenderProject(const std::string& projectPath, const std::string& kind, const std::string& title,
                              const std::string& outDir);

// The pane shows a few KiB of a line at most: laying out one huge line would freeze the window.
inline constexpr std::size_t kPaneLineBytes = 4096;
// `line` as the pane shows it: cut at a character boundary with a note of its full size.
std::string PaneLine(const std::string& line);

}  // namespace drawhost

#pragma once
// The shell's side of the drawing host: finding its main window, typing command lines into it, loading the
// drawing extensions, the switch from the design shell to the drawing subsystem, and the host's notice
// that it quits.
#include <cstdint>
#include <map>
#include <string>

#include "drawing/acad_window.h"
#include "platform/interaction/interaction.h"
#include "platform/windows/copy_data.h"

namespace drawing {

inline constexpr const char* kNoAcadMessage = "请先启动AutoCAD 2002!";
inline constexpr const char* kSwitchQuestion = "该命令将切换到绘图子系统。\n是否关闭当前应用程序？";
inline constexpr const char* kQuitNotice = "AutoCAD is about quitting.";
inline constexpr const char* kMainExtension = "Ombrix.arx";
inline constexpr const char* kPlanExtension = "Rare.did";

class AcadSession {
public:
    AcadSession(WindowSystem& windows, ui::Prompter& prompter) : m_windows(&windows), m_prompter(prompter) {}

    void SetWindowSystem(WindowSystem& windows) { m_windows = &windows; }

    // Looks through the top-level windows from the topmost for the host's main window and stores it in
    // `window` (the callers pass AcadWindow() itself). None found: `window` becomes 0 and the recorded
    // extension ("Loaded ARX Application"/"AppName") is cleared, since no host holds it any more.
    bool FindAcadWindow(std::intptr_t& window);
    // The host's main window as the windows show it now, or 0; unlike FindAcadWindow it changes nothing
    // and says nothing (a watch that looks every few seconds must not repeat a message).
    std::intptr_t LookForAcadWindow();
    // Loads a drawing extension: "(arxload \"<file>\") " with every backslash turned into a slash. False
    // without a host, and then without a message.
    bool ArxLoad(const std::string& fileName);
    // Types a command line into the host, upper-cased, loading the main extension first unless the host
    // has recorded it. Without a host the user is told to start it.
    bool SendAcadCommand(const std::string& command);
    // Command 32802: hands the current project and drawing target to the drawing subsystem and asks
    // whether the shell should close. True when the user wants the shell closed. A host that has no
    // project (`hostHasProject` false) is not worth closing the shell for: the question is not asked.
    bool SwitchToDrawing(bool hostHasProject = true);

private:
    // Sends one command line to the window found last; a message that did not arrive is shown. True only
    // when the host answered that it took the command.
    bool SendCommandLine(const std::string& text);
    // The id a command line goes under: the id of its last sending when the host did not confirm that one
    // (so that the host, had it taken it late, does not run it twice), else a new one.
    std::uint64_t CommandId(std::intptr_t to, const std::string& text);

    WindowSystem* m_windows;
    ui::Prompter& m_prompter;
    // Command lines sent whole to m_unconfirmedWindow without an answer in time, with their ids.
    std::intptr_t m_unconfirmedWindow = 0;
    std::map<std::string, std::uint64_t> m_unconfirmed;
};

// The text of the command line that loads `fileName`.
std::string ArxLoadCommand(const std::string& fileName);

// The host's notice that it quits: the host is forgotten and so is its extension. True when `data` was
// that notice (the main window then shows itself); any other text changes nothing.
bool HandleQuitNotice(const windows::CopyData& data);

}  // namespace drawing

#pragma once
// Command and resource ids of the application shell.

namespace cmd {

// Project menu commands.
constexpr int kNew = 32772;
constexpr int kOpen = 32773;
constexpr int kSave = 32784;
constexpr int kSaveAs = 32785;
constexpr int kClose = 32934;
constexpr int kImport = 32911;         // import into the open project
constexpr int kImportProject = 32912;  // import a project as a new project
constexpr int kPrintSetup = 57606;
constexpr int kRecentFirst = 57616;  // recent projects: 57616 .. 57630
constexpr int kRecentCount = 15;
constexpr int kExit = 57665;
constexpr int kViewToolbar = 59392;
constexpr int kViewStatusBar = 59393;
constexpr int kHelpTopics = 57667;
constexpr int kHelpContext = 57669;
constexpr int kHelpTask = 57670;
constexpr int kAbout = 57664;
constexpr int kAdvancedUser = 32977;
constexpr int kPierForces = 33468;
constexpr int kCulvert = 33470;

// The window menu of the project menu bar.
constexpr int kWindowCascade = 57650;
constexpr int kWindowTile = 57651;

// Resources.
constexpr int kMenuNoProject = 140;
constexpr int kMenuProject = 148;
constexpr int kGridMenu = 186;

}  // namespace cmd

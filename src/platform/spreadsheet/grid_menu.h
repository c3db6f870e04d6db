#pragma once
// The context menus of the spreadsheet grids (menu resource 186): five sub-menus chosen by index by the
// window that shows the menu, and the command ids they carry. The grid editor shows 类型2, the wizard,
// span, assembly and drawing-layout grids 类型1, the library manager 类型3, the table tree 类型5.
#include <string>
#include <vector>

namespace sheet {

constexpr int kGridMenuResource = 186;

// Sub-menu indexes.
enum GridMenuIndex : int { kMenuType1 = 0, kMenuType2 = 1, kMenuType3 = 2, kMenuType4 = 3, kMenuType5 = 4 };

// Shared grid commands (RunGridCommand).
constexpr int ID_GRID_CUT = 33430;
constexpr int ID_GRID_COPY = 33431;
constexpr int ID_GRID_PASTE = 33432;
constexpr int ID_GRID_INSERT_ROW = 33433;
constexpr int ID_GRID_DELETE_ROW = 33434;
constexpr int ID_GRID_WRITE_FILE = 33435;
constexpr int ID_GRID_UNDO = 33436;
// After the items above, the grid editor's menu offers the grid's own redo and find.
constexpr int ID_GRID_REDO = 33437;
constexpr int ID_GRID_FIND = 33439;
// The library manager's list (its own handlers).
constexpr int ID_LIBRARY_ADD = 32963;
constexpr int ID_LIBRARY_DELETE = 32964;
constexpr int ID_LIBRARY_EDIT = 32965;
constexpr int ID_LIBRARY_PREVIEW = 32966;
// The table tree (its own handlers).
constexpr int ID_TREE_OPEN = 33458;
constexpr int ID_TREE_DELETE = 33461;
constexpr int ID_TREE_COPY_TO_PROJECT = 33459;

struct GridMenuEntry {
    int id = 0;  // 0 for a separator
    std::string text;
    bool isSeparator() const { return id == 0; }
};

struct GridMenu {
    std::string title;  // 类型1 ... 类型5
    std::vector<GridMenuEntry> entries;
};

// The five sub-menus of resource 186, in index order.
const std::vector<GridMenu>& GridMenus();
// One sub-menu; an index outside 0–4 gives nullptr.
const GridMenu* GridMenuAt(int index);

// The "模块" popup of the grid editor's menu: the two sibling programs, run as from the main menu.
constexpr int ID_MODULE_ARVO3D = 33428;
constexpr int ID_MODULE_KELSA = 33438;
const GridMenu& GridModulesPopup();
constexpr bool IsModuleCommand(int id) { return id == ID_MODULE_ARVO3D || id == ID_MODULE_KELSA; }

// Whether a command id is one of the shared grid commands (33430–33436, 重做 and 查找).
constexpr bool IsGridCommand(int id) {
    return (id >= ID_GRID_CUT && id <= ID_GRID_UNDO) || id == ID_GRID_REDO || id == ID_GRID_FIND;
}

// ---- 写文件... ----
inline constexpr const char* kWriteFileTitle = "保存文件";
inline constexpr const char* kWriteFileFilter = "EXCEL 文件 (*.XLS)|*.XLS|EXCEL 2007 文件 (*.xlsx)|*.xlsx|文本文件 (*.TXT)|*.TXT||";
inline constexpr const char* kWriteFileDefaultExtension = "XLS";

enum class GridFileKind { Workbook = 4, TabText = 6 };

// The path the file is written to: a name typed without an extension gets ".XLS", as the dialog supplies it.
std::string GridFilePath(const std::string& chosen);
// What a path is written as: the extension "TXT" (or "txt") is tab-separated text, every other name a workbook.
GridFileKind GridFileKindOf(const std::string& path);

}  // namespace sheet

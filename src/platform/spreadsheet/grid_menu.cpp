#include "platform/spreadsheet/grid_menu.h"

#include <string_view>

namespace sheet {

const std::vector<GridMenu>& GridMenus() {
    static const std::vector<GridMenu> menus = {
        {"类型1", {{ID_GRID_CUT, "剪切 (&T)"}, {ID_GRID_COPY, "复制 (&C)"}, {ID_GRID_PASTE, "粘贴 (&P)"}}},
        {"类型2",
         {{ID_GRID_UNDO, "撤消 (&U)"},
          {0, ""},
          {ID_GRID_CUT, "剪切 (&T)"},
          {ID_GRID_COPY, "复制 (&C)"},
          {ID_GRID_PASTE, "粘贴 (&P)"},
          {0, ""},
          {ID_GRID_INSERT_ROW, "插入行"},
          {ID_GRID_DELETE_ROW, "删除行"},
          {0, ""},
          {ID_GRID_WRITE_FILE, "写文件..."},
          {0, ""},
          {ID_GRID_REDO, "重做 (&R)"},
          {ID_GRID_FIND, "查找 (&F)..."}}},
        {"类型3",
         {{ID_LIBRARY_ADD, "添加 (&A)"},
          {ID_LIBRARY_DELETE, "删除 (&D)"},
          {ID_LIBRARY_EDIT, "修改 (&E)"},
          {ID_LIBRARY_PREVIEW, "预览 (&V)"}}},
        {"类型4", {{ID_GRID_COPY, "复制到剪贴板"}}},
        {"类型5",
         {{ID_TREE_OPEN, "打开(&O)"}, {ID_TREE_DELETE, "删除(&D)"}, {ID_TREE_COPY_TO_PROJECT, "复制到另一项目数据库(&C)"}}},
    };
    return menus;
}

const GridMenu& GridModulesPopup() {
    static const GridMenu popup = {"模块", {{ID_MODULE_ARVO3D, "三维造型"}, {ID_MODULE_KELSA, "下部计算"}}};
    return popup;
}

const GridMenu* GridMenuAt(int index) {
    const auto& menus = GridMenus();
    if (index < 0 || index >= static_cast<int>(menus.size())) return nullptr;
    return &menus[index];
}

namespace {

// The extension of the file name part, without the dot; "" when the name has none.
std::string_view ExtensionOf(std::string_view path) {
    std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return name.substr(dot + 1);
}

}  // namespace

std::string GridFilePath(const std::string& chosen) {
    if (chosen.empty() || !ExtensionOf(chosen).empty()) return chosen;
    // "grid." already ends with the dot.
    return chosen + (chosen.back() == '.' ? "" : ".") + kWriteFileDefaultExtension;
}

GridFileKind GridFileKindOf(const std::string& path) {
    std::string_view ext = ExtensionOf(path);
    return ext == "TXT" || ext == "txt" ? GridFileKind::TabText : GridFileKind::Workbook;
}

}  // namespace sheet

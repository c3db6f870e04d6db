#pragma once
// The choices of the import options dialog "导入选项", shared by the three imports: a route reference file
// (mode 1), a reference project into the open one (mode 2) and another project into a new one (mode 3).
// The dialog is a thin window over ImportOptionsState; the importers read an ImportChoices.
#include <array>
#include <string>

#include "platform/interaction/interaction.h"

namespace exchange {

enum class ImportMode { RouteFile = 1, ReferenceProject = 2, NewProject = 3 };

// The ten check boxes, in the order of the table groups they stand for.
enum class ImportBox {
    GeneralInfo,     // 一般信息
    SpanInfo,        // 桥跨信息
    DrawingInfo,     // 绘图信息
    GroundLine,      // 地面线数据
    HorizontalCurve, // 平曲线数据
    VerticalCurve,   // 竖曲线数据
    Superstructure,  // 上部构造
    Substructure,    // 下部构造
    Auxiliary,       // 附属构造
    All,             // 导入全部内容
};
inline constexpr int kImportBoxCount = 10;

struct ImportBoxInfo {
    ImportBox box;
    const char* text;
    int controlId;
    const char* group;  // group box caption, empty for 导入全部内容
};
const std::array<ImportBoxInfo, kImportBoxCount>& ImportBoxes();
inline const ImportBoxInfo& InfoOf(ImportBox box) { return ImportBoxes()[static_cast<int>(box)]; }

inline constexpr const char* kImportOptionsTitle = "导入选项";

// What the user chose when the dialog ended with OK.
struct ImportChoices {
    ImportMode mode = ImportMode::RouteFile;
    std::string sourcePath;
    std::array<bool, kImportBoxCount> checked{};
    bool has(ImportBox box) const { return checked[static_cast<int>(box)]; }
};

// Check and enable state of the ten boxes while the dialog is open.
class ImportOptionsState {
public:
    explicit ImportOptionsState(ImportMode mode);

    ImportMode mode() const { return mode_; }
    bool enabled(ImportBox box) const { return enabled_[static_cast<int>(box)]; }
    bool checked(ImportBox box) const { return checked_[static_cast<int>(box)]; }
    // A click on one box. Clicking 导入全部内容 checks the site and structure boxes (in mode 3 also the
    // general boxes) when it becomes checked, and unchecks all nine when it becomes unchecked.
    void setChecked(ImportBox box, bool on);

    ImportChoices choices(const std::string& sourcePath) const;

private:
    ImportMode mode_;
    std::array<bool, kImportBoxCount> enabled_{};
    std::array<bool, kImportBoxCount> checked_{};
};

// What the import command does with the file the user picked: the decision is made on the upper-cased
// path's last four characters, so "a.brf" is a route reference file too.
enum class ImportSource { RouteFile, Project, Unknown };
ImportSource ClassifyImportPath(const std::string& path);

// The file dialog of the import command (project open) and of the import of another project (no project).
ui::FileRequest ImportFileRequest();
ui::FileRequest ImportProjectFileRequest();

}  // namespace exchange

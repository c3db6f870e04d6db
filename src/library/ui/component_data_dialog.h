#pragma once
// "构件数据": the values of one library entry in a one-column grid, headed row by row by the captions of
// its table. The rows that name the entry (a substructure entry's four member types, any other entry's
// name) refuse edits. "预览" previews the values as they stand in the grid.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

namespace sheet {
class Spreadsheet;
}
namespace ui {
struct FileChooser;
}

namespace library {

class CComponentDataDlg : public QDialog {
public:
    CComponentDataDlg(const std::vector<std::string>& captions, const std::vector<std::string>& values,
                      const std::string& table, ui::FileChooser& files, QWidget* parent = nullptr);

    void SetPreview(std::function<void(const std::vector<std::string>&)> preview) { m_preview = std::move(preview); }
    // The values in the grid, row by row.
    std::vector<std::string> Values() const;
    sheet::Spreadsheet* grid() const { return m_pGrid; }
    void OnPreview();

private:
    std::string m_strTable;
    ui::FileChooser& m_files;
    sheet::Spreadsheet* m_pGrid;
    std::function<void(const std::vector<std::string>&)> m_preview;
};

}  // namespace library

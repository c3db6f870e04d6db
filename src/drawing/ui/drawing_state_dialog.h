#pragma once
// 当前绘图状态: the project's drawings (图名, 图形文件名); 预览 or a double click shows the picture of the
// first selected one in 图形预览.
#include <QDialog>
#include <QPointer>
#include <string>
#include <vector>

#include "drawing/drawing_kinds.h"
#include "drawing/ui/drawing_viewer_dialog.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "platform/interaction/qt_printing.h"

class QTreeWidget;

namespace drawing {

class CDrawingStateDlg : public QDialog {
    Q_OBJECT
public:
    // With `print` (and `prompt` for its failures) the viewer offers 打印.
    CDrawingStateDlg(std::vector<DrawingRecord> records, std::string projectPath, QWidget* parent = nullptr,
                     ui::PrintServices print = {}, ui::Prompter* prompt = nullptr);

    QTreeWidget* List() const { return m_pList; }
    // 预览: opens the viewer beside this dialog; nothing without a selection.
    void OnPreview();
    CDrawingViewerDlg* Viewer() const { return m_pViewer; }

private:
    std::vector<DrawingRecord> m_records;
    std::string m_strProjectPath;
    QTreeWidget* m_pList = nullptr;
    QPointer<CDrawingViewerDlg> m_pViewer;
    ui::PrintServices m_print;
    ui::Prompter* m_pPrompt;
};

// The command 图形预览...: reads the drawing list and runs the dialog; "数据库中没有图形布置信息" when the
// list can't be read.
void RunDrawingPreview(dao::Database& db, ui::Prompter& prompt, QWidget* parent, ui::PrintServices print = {});

}  // namespace drawing

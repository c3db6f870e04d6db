#pragma once
// Page 2 of the new-project wizard (桥跨信息), also the body of the 桥跨信息 dialog: the six boxes, the
// spreadsheet with the sections, supports and joints, and the note on the cap-beam cross slope. The page
// model decides when the sheets follow the boxes and which cell edits are refused; this window shows it.
#include <QWidget>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "projectdb/span_page.h"
#include "projectdb/ui/page_services.h"

namespace sheet {
class Spreadsheet;
}

namespace projectdb {

class CMyPropertyPage21 : public QWidget {
    Q_OBJECT
public:
    CMyPropertyPage21(SpanPage& page, PageServices services, QWidget* parent = nullptr);

    sheet::Spreadsheet& Grid() const { return *m_pGrid; }
    // The box of a value: a QSpinBox for the two counts with an up-down control, a QLineEdit otherwise.
    QWidget* Box(SpanBox box) const { return m_boxes[static_cast<int>(box)]; }
    QString BoxText(SpanBox box) const;
    SpanSheet CurrentSheet() const;

    // Runs one command of the grid's context menu (cut, copy, paste ...) on the current sheet.
    void RunCommand(int commandId);
    // Ends a cell edit in progress, so that the model holds what was typed.
    void CommitEdits();
    // Shows the model's boxes and sheets again.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeBox(SpanBox box);
    void SetUpSheets();
    void OnBoxEdited(SpanBox box, const QString& text);
    bool AllowEdit(int row, int column);
    void OnCellChanged(int row, int column);
    void OnCellDoubleClicked(int row, int column);
    // Shows what an event of the model changed; `edited` is the sheet the user typed into, which already
    // shows its texts unless the model cut rows off.
    void Show(const SpanUpdate& update, std::optional<SpanSheet> edited = std::nullopt);
    void ShowBoxes();
    void ShowSheet(SpanSheet sheet);

    SpanPage& m_page;
    PageServices m_services;
    std::array<QWidget*, kSpanBoxCount> m_boxes{};
    sheet::Spreadsheet* m_pGrid = nullptr;
    bool m_bRefreshing = false;
    // While a grid command runs, the cells it changed, handed to the model as one block afterwards.
    std::optional<std::vector<std::pair<int, int>>> m_batch;
};

}  // namespace projectdb

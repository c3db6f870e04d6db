#include "exchange/ui/import_range_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/interaction/dialog_buttons.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace {

QString StakeText(double stake) { return QString::fromStdString(text::Format("%.3lf", stake)); }

QLineEdit* Edit(QWidget* parent, double value, bool readOnly, const char* name) {
    auto* edit = new QLineEdit(StakeText(value), parent);
    edit->setReadOnly(readOnly);
    edit->setObjectName(name);
    edit->setMinimumWidth(120);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

void Row(QGridLayout* grid, int row, const char* label, QLineEdit* start, const char* label2, QLineEdit* end) {
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(start, row, 1);
    grid->addWidget(new QLabel(label2), row, 2);
    grid->addWidget(end, row, 3);
}

}  // namespace

CImportRangeDlg::CImportRangeDlg(const exchange::RouteRange& bridge, ui::Prompter& prompt, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_bridge(bridge) {
    setWindowTitle("确定导入数据范围");
    auto* layout = new QVBoxLayout(this);

    auto* top = new QGridLayout;
    m_pBridgeStart = Edit(this, bridge.start, true, "bridgeStart");
    m_pBridgeEnd = Edit(this, bridge.end, true, "bridgeEnd");
    Row(top, 0, "桥梁起点桩号:", m_pBridgeStart, "终点桩号:", m_pBridgeEnd);
    layout->addLayout(top);

    auto* group = new QGroupBox("导入数据范围", this);
    auto* grid = new QGridLayout(group);
    m_pStart = Edit(group, bridge.start, false, "rangeStart");
    m_pEnd = Edit(group, bridge.end, false, "rangeEnd");
    Row(grid, 0, "起点桩号:", m_pStart, "终点桩号:", m_pEnd);
    layout->addWidget(group);

    auto* buttons = ui::OkCancelButtons(this);
    layout->addWidget(buttons);
    m_pStart->setFocus();
    m_pStart->selectAll();
}

std::optional<double> CImportRangeDlg::Bound(const QLineEdit* edit, double shown) {
    // An edit left as it was shown gives the bridge stake itself, not its rounding to the millimetre: a
    // record exactly at the bridge end must stay inside the range.
    if (edit->text() == StakeText(shown)) return shown;
    return text::ParseStake(edit->text().toStdString());
}

std::optional<exchange::RouteRange> CImportRangeDlg::range() const {
    std::optional<double> start = Bound(m_pStart, m_bridge.start), end = Bound(m_pEnd, m_bridge.end);
    if (!start || !end) return std::nullopt;
    return exchange::RouteRange{*start, *end};
}

void CImportRangeDlg::accept() {
    for (auto [edit, shown] : {std::pair{m_pStart, m_bridge.start}, std::pair{m_pEnd, m_bridge.end}}) {
        if (Bound(edit, shown)) continue;
        m_prompt.message(text::InvalidStakeMessage(edit->text().toStdString()), ui::Buttons::Ok, ui::Icon::Exclamation);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    QDialog::accept();
}

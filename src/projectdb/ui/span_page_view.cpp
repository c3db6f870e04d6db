#include "projectdb/ui/span_page_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/spreadsheet/grid_menu.h"
#include "platform/spreadsheet/grid_commands.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/schema.h"
#include "projectdb/span_layout.h"
#include "projectdb/ui/text_sheet_view.h"

namespace projectdb {

namespace {

struct BoxSpec {
    SpanBox box;
    const char* label;
    int minimum;  // > 0: a spin box with this lower bound
};
constexpr BoxSpec kBoxSpecs[kSpanBoxCount] = {
    {SpanBox::SectSum, "全桥分段数", 1},        {SpanBox::SpanSum, "全桥分跨数", 0},
    {SpanBox::JointSum, "全桥伸缩缝条数", 2},   {SpanBox::StartStake, "起点桥台理论跨径线桩号(m)", 0},
    {SpanBox::CenterStake, "桥中心桩号(m)", 0}, {SpanBox::CrossAngle, "桥中心交角(°)", 0},
};

struct SheetSpec {
    const char* name;
    const char* corner;
    std::vector<const char*> columns;
};
const SheetSpec kSheetSpecs[3] = {
    {"上构布置信息", "分段序号", {"该段结构类型", "该段所含跨数", "各跨跨径(m)"}},
    {"下构布置信息",
     "墩台序号",
     {"中心桩号(m)", "帽梁类型", "墩台身类型", "联接构造类型", "基础类型", "基顶埋深(cm)", "桥面至帽梁顶高差(cm)",
      "斜交角度(°)", "帽梁横坡(%)"}},
    {"伸缩缝信息", "伸缩缝序号", {"中心桩号(m)"}},
};

int SheetNumber(SpanSheet s) { return static_cast<int>(s) + 1; }

}  // namespace

CMyPropertyPage21::CMyPropertyPage21(SpanPage& page, PageServices services, QWidget* parent)
    : QWidget(parent), m_page(page), m_services(std::move(services)) {
    setObjectName("CMyPropertyPage21");
    auto* layout = new QVBoxLayout(this);
    auto* boxes = new QGridLayout;
    for (int i = 0; i < kSpanBoxCount; ++i) {
        int row = i / 3, column = (i % 3) * 2;
        boxes->addWidget(new QLabel(kBoxSpecs[i].label, this), row, column);
        boxes->addWidget(MakeBox(kBoxSpecs[i].box), row, column + 1);
        boxes->setColumnStretch(column + 1, 1);
    }
    layout->addLayout(boxes);

    m_pGrid = new sheet::Spreadsheet(this);
    m_pGrid->setPrompter(&m_services.prompt);
    SetUpSheets();
    layout->addWidget(m_pGrid, 1);
    auto* note = new QLabel(kSpanDialogNote, this);
    note->setObjectName("note");
    layout->addWidget(note);

    m_pGrid->setEditStartFilter([this](int row, int column) { return AllowEdit(row, column); });
    connect(m_pGrid, &sheet::Spreadsheet::cellChanged, this, &CMyPropertyPage21::OnCellChanged);
    connect(m_pGrid, &sheet::Spreadsheet::cellClicked, this,
            [this](int, int) { Show(m_page.OnSheetActivated(CurrentSheet())); });
    connect(m_pGrid, &sheet::Spreadsheet::cellDoubleClicked, this, &CMyPropertyPage21::OnCellDoubleClicked);
    connect(m_pGrid, &sheet::Spreadsheet::contextMenuRequested, this, [this](int, int, const QPoint& pos) {
        if (int id = sheet::ShowGridMenu(this, sheet::kMenuType1, pos, m_pGrid)) RunCommand(id);
    });
    Refresh();
}

QWidget* CMyPropertyPage21::MakeBox(SpanBox b) {
    const BoxSpec& spec = kBoxSpecs[static_cast<int>(b)];
    QWidget* widget;
    if (spec.minimum > 0) {
        auto* spin = new QSpinBox(this);
        spin->setRange(spec.minimum, 32767);
        connect(spin, &QSpinBox::textChanged, this, [this, b](const QString& text) { OnBoxEdited(b, text); });
        widget = spin;
    } else {
        auto* edit = new QLineEdit(this);
        connect(edit, &QLineEdit::textEdited, this, [this, b](const QString& text) { OnBoxEdited(b, text); });
        widget = edit;
    }
    widget->setObjectName(SpanBoxName(b));
    widget->installEventFilter(this);
    m_boxes[static_cast<int>(b)] = widget;
    return widget;
}

void CMyPropertyPage21::SetUpSheets() {
    m_pGrid->setSheetCount(3);
    const QFontMetrics metrics(m_pGrid->font());
    for (int s = 0; s < 3; ++s) {
        const SheetSpec& spec = kSheetSpecs[s];
        m_pGrid->setCurrentSheet(s + 1);
        m_pGrid->setSheetName(s + 1, spec.name);
        m_pGrid->setColumnCount(static_cast<int>(spec.columns.size()));
        m_pGrid->setCornerText(spec.corner);
        for (int c = 0; c < static_cast<int>(spec.columns.size()); ++c) {
            m_pGrid->setColumnHeaderText(c + 1, spec.columns[c]);
            int width = std::max(90, metrics.horizontalAdvance(spec.columns[c]) + 24);
            m_pGrid->setColumnWidth(c + 1, width);
        }
    }
    // The structure type is chosen from its list, never typed.
    std::string types;
    for (const auto& t : StructureTypes()) types += (types.empty() ? "" : ";") + t;
    m_pGrid->sheet(1)->setColumnDropDown(section_col::kType + 1, QString::fromStdString(types));
    // The member columns hold the longest default names whole.
    m_pGrid->setCurrentSheet(2);
    for (int column = support_col::kCap; column <= support_col::kFoundation; ++column)
        m_pGrid->setColumnWidth(column + 1, metrics.horizontalAdvance("圆形截面柱式墩身") + 16);
    m_pGrid->setCurrentSheet(1);
    m_pGrid->setColumnWidth(section_col::kType + 1,
                            metrics.horizontalAdvance(QString::fromStdString(StructureTypes().front())) + 48);
}

QString CMyPropertyPage21::BoxText(SpanBox b) const {
    QWidget* widget = Box(b);
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) return spin->text();
    return static_cast<QLineEdit*>(widget)->text();
}

SpanSheet CMyPropertyPage21::CurrentSheet() const {
    return static_cast<SpanSheet>(std::clamp(m_pGrid->currentSheet(), 1, 3) - 1);
}

void CMyPropertyPage21::OnBoxEdited(SpanBox b, const QString& text) {
    if (m_bRefreshing) return;
    Show(m_page.SetBoxText(b, text.toStdString()));
}

bool CMyPropertyPage21::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        for (int i = 0; i < kSpanBoxCount; ++i)
            if (watched == m_boxes[i]) Show(m_page.OnFocusBox(static_cast<SpanBox>(i)));
    return QWidget::eventFilter(watched, event);
}

bool CMyPropertyPage21::AllowEdit(int row, int column) {
    EditStart start = m_page.OnEditStart(CurrentSheet(), row - 1, column - 1);
    if (start.kind != EditStart::Kind::Refused) return true;
    if (start.message) ShowPageMessage(m_services.prompt, *start.message);
    if (start.moveTo) m_pGrid->setCurrentCell(start.moveTo->first + 1, start.moveTo->second + 1);
    if (start.focusBox) {
        QWidget* box = Box(*start.focusBox);
        box->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->selectAll();
        if (auto* spin = qobject_cast<QSpinBox*>(box)) spin->selectAll();
    }
    return false;
}

void CMyPropertyPage21::OnCellChanged(int row, int column) {
    if (m_batch) {
        m_batch->emplace_back(row, column);
        return;
    }
    SpanSheet s = CurrentSheet();
    Show(m_page.OnCellEdited(s, row - 1, column - 1, m_pGrid->textUtf8(row, column)), s);
}

void CMyPropertyPage21::OnCellDoubleClicked(int row, int column) {
    if (CurrentSheet() != SpanSheet::Supports || !m_services.chooseType) return;
    auto kind = m_page.MemberChoiceAt(column - 1);
    if (!kind) return;
    auto chosen = m_services.chooseType(ToMemberChoice(*kind), m_pGrid->textUtf8(row, column), this);
    if (!chosen) return;
    m_pGrid->setText(row, column, QString::fromStdString(*chosen));
    Show(m_page.OnCellEdited(SpanSheet::Supports, row - 1, column - 1, *chosen), SpanSheet::Supports);
}

void CMyPropertyPage21::RunCommand(int commandId) {
    const SpanSheet s = CurrentSheet();
    m_batch.emplace();
    sheet::RunGridCommand(commandId, *m_pGrid, m_services.files);
    std::vector<std::pair<int, int>> changed = std::move(*m_batch);
    m_batch.reset();
    if (changed.empty()) return;
    // One block over the changed cells: a paste of a thousand spans recomputes the stakes once.
    int top = changed[0].first, bottom = top, left = changed[0].second, right = left;
    for (auto [row, column] : changed) {
        top = std::min(top, row), bottom = std::max(bottom, row);
        left = std::min(left, column), right = std::max(right, column);
    }
    std::vector<std::vector<std::string>> block;
    for (int row = top; row <= bottom; ++row) {
        block.emplace_back();
        for (int column = left; column <= right; ++column) block.back().push_back(m_pGrid->textUtf8(row, column));
    }
    Show(m_page.OnCellsPasted(s, top - 1, left - 1, block), s);
}

void CMyPropertyPage21::CommitEdits() { m_pGrid->commitEdit(); }

void CMyPropertyPage21::Refresh() {
    ShowBoxes();
    for (SpanSheet s : {SpanSheet::Sections, SpanSheet::Supports, SpanSheet::Joints}) ShowSheet(s);
}

void CMyPropertyPage21::Show(const SpanUpdate& update, std::optional<SpanSheet> edited) {
    if (update.boxes) ShowBoxes();
    for (int i = 0; i < 3; ++i) {
        const auto s = static_cast<SpanSheet>(i);
        if (!update.sheets[i]) continue;
        if (s != edited || m_pGrid->sheet(SheetNumber(s))->rowCount() != m_page.sheet(s).rows()) ShowSheet(s);
    }
    if (update.show) m_pGrid->setCurrentSheet(SheetNumber(*update.show));
}

void CMyPropertyPage21::ShowBoxes() {
    m_bRefreshing = true;
    for (int i = 0; i < kSpanBoxCount; ++i) {
        const QString text = QString::fromStdString(m_page.boxText(static_cast<SpanBox>(i)));
        if (auto* spin = qobject_cast<QSpinBox*>(m_boxes[i])) {
            if (spin->text() != text) spin->setValue(text.toInt());
        } else if (auto* edit = static_cast<QLineEdit*>(m_boxes[i]); edit->text() != text) {
            edit->setText(text);
        }
    }
    m_bRefreshing = false;
}

void CMyPropertyPage21::ShowSheet(SpanSheet s) { ShowTextSheet(*m_pGrid->sheet(SheetNumber(s)), m_page.sheet(s)); }

}  // namespace projectdb

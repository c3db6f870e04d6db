#include "projectdb/ui/general_page_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "projectdb/schema.h"
#include "projectdb/ui/text_sheet_view.h"

namespace projectdb {

namespace {

using F = GeneralField;

constexpr int kPictureWidth = 304;
constexpr int kPictureHeight = 136;

const char* LabelOf(F field) {
    switch (field) {
        case F::DeptName: return "设计单位名称";
        case F::ProjectName: return "工程项目名称";
        case F::BridgeName: return "桥梁名称";
        case F::LineMark: return "路线名称";
        case F::ForwardSite: return "前进方向地名";
        case F::BackwardSite: return "后退方向地名";
        case F::TransectType: return "桥梁横断面类型";
        case F::LeftOrRight: return "当前项目仅设计";
        case F::RoadWidth: return "路基宽度 (m)";
        case F::BridgeWidth: return "全桥宽度 B(m)";
        case F::LeftBridgeWidth: return "左半桥宽度 B1(m)";
        case F::RightBridgeWidth: return "右半桥宽度 B2(m)";
        case F::DividerWidth: return "左右半桥间隔宽度 B0(m)";
        case F::Dist1: return "右半桥中心线至路中心线距离 C2(m)";
        case F::Dist2: return "左半桥中心线至路中心线距离 C1(m)";
        case F::Dist3: return "设计线至路中心线距离 D(m)";
        case F::ElevationMethod: return "高程计算方法";
        case F::SuperelevationMethod: return "超高过渡方法";
    }
    return "";
}

const std::vector<std::string>* ListOf(F field) {
    switch (field) {
        case F::TransectType: return &TransectTypes();
        case F::LeftOrRight: return &DesignedParts();
        case F::ElevationMethod: return &ElevationMethods();
        case F::SuperelevationMethod: return &SuperelevationMethods();
        default: return nullptr;
    }
}

// Boxes the page computes: never typed into.
bool Computed(F field) {
    return field == F::RoadWidth || field == F::BridgeWidth || field == F::Dist1 || field == F::Dist2;
}

QString PictureResource(int picture) {
    return picture == kIntegralSectionPicture ? QStringLiteral(":/pictures/section_integral.svg")
                                              : QStringLiteral(":/pictures/section_divided.svg");
}

// The SVG drawn at the picture's size, sharp on screens with more pixels per point.
QPixmap RenderPicture(const QString& path, qreal ratio) {
    QPixmap pixmap(QSize(kPictureWidth, kPictureHeight) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, kPictureWidth, kPictureHeight));
    return pixmap;
}

}  // namespace

CMyPropertyPage11::CMyPropertyPage11(GeneralPage& page, ui::Prompter& prompt, QWidget* parent)
    : QWidget(parent), m_page(page), m_prompt(prompt) {
    setObjectName("CMyPropertyPage11");
    auto* layout = new QVBoxLayout(this);

    auto* project = new QGroupBox("项目", this);
    auto* projectGrid = new QGridLayout(project);
    auto addRow = [this](QGridLayout* grid, int row, int column, F field, int span = 1) {
        grid->addWidget(new QLabel(LabelOf(field), grid->parentWidget()), row, column);
        grid->addWidget(MakeControl(field), row, column + 1, 1, span);
    };
    addRow(projectGrid, 0, 0, F::DeptName, 3);
    addRow(projectGrid, 1, 0, F::ProjectName, 3);
    addRow(projectGrid, 2, 0, F::BridgeName);
    addRow(projectGrid, 2, 2, F::LineMark);
    addRow(projectGrid, 3, 0, F::ForwardSite);
    addRow(projectGrid, 3, 2, F::BackwardSite);
    projectGrid->setColumnStretch(1, 1);
    projectGrid->setColumnStretch(3, 1);
    layout->addWidget(project);

    auto* section = new QGroupBox("桥梁横断面", this);
    auto* sectionGrid = new QGridLayout(section);
    const F sectionFields[] = {F::TransectType, F::LeftOrRight, F::LeftBridgeWidth, F::RightBridgeWidth,
                               F::DividerWidth, F::BridgeWidth, F::RoadWidth,       F::Dist2,
                               F::Dist1,        F::Dist3};
    int row = 0;
    for (F field : sectionFields) addRow(sectionGrid, row++, 0, field);
    m_pPicture = new QLabel(section);
    m_pPicture->setFixedSize(kPictureWidth, kPictureHeight);
    m_pPicture->setFrameShape(QFrame::NoFrame);
    sectionGrid->addWidget(m_pPicture, 0, 2, row, 1, Qt::AlignTop);
    sectionGrid->setColumnStretch(1, 1);
    layout->addWidget(section);

    auto* methods = new QGroupBox("计算方法", this);
    auto* methodGrid = new QGridLayout(methods);
    addRow(methodGrid, 0, 0, F::ElevationMethod);
    addRow(methodGrid, 0, 2, F::SuperelevationMethod);
    methodGrid->setColumnStretch(1, 1);
    methodGrid->setColumnStretch(3, 1);
    layout->addWidget(methods);
    layout->addStretch(1);

    Refresh();
}

QWidget* CMyPropertyPage11::MakeControl(F field) {
    QWidget* control;
    if (const auto* list = ListOf(field)) {
        auto* combo = new QComboBox(this);
        for (const auto& entry : *list) combo->addItem(QString::fromStdString(entry));
        connect(combo, &QComboBox::activated, this,
                [this, field, combo](int index) { OnListChosen(field, combo->itemText(index)); });
        control = combo;
    } else {
        auto* box = new QLineEdit(this);
        box->setReadOnly(Computed(field));
        connect(box, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            m_page.SetText(field, text.toStdString());
            Refresh();
        });
        control = box;
    }
    control->setObjectName(QString::fromStdString(GeneralFieldName(field)));
    m_controls[static_cast<int>(field)] = control;
    return control;
}

QLineEdit* CMyPropertyPage11::Box(F field) const { return qobject_cast<QLineEdit*>(Control(field)); }

QComboBox* CMyPropertyPage11::List(F field) const { return qobject_cast<QComboBox*>(Control(field)); }

void CMyPropertyPage11::OnListChosen(F field, const QString& text) {
    if (m_bRefreshing) return;
    if (field == F::TransectType) {
        m_page.SetTransectType(text.toStdString());
    } else if (field == F::LeftOrRight) {
        if (auto refusal = m_page.ChooseDesignedPart(text.toStdString())) {
            Refresh();  // the list shows its previous choice while the message is up
            ShowPageMessage(m_prompt, *refusal);
        }
    } else {
        m_page.SetText(field, text.toStdString());
    }
    Refresh();
}

void CMyPropertyPage11::Refresh() {
    m_bRefreshing = true;
    for (int i = 0; i < kGeneralFieldCount; ++i) {
        const F field = static_cast<F>(i);
        const QString text = QString::fromStdString(m_page.text(field));
        if (auto* combo = List(field)) {
            int index = combo->findText(text);
            if (index < 0 && !text.isEmpty()) {  // a stored text outside the list is shown as it is
                combo->addItem(text);
                index = combo->count() - 1;
            }
            combo->setCurrentIndex(index);
        } else if (auto* box = Box(field); box && box->text() != text) {
            box->setText(text);  // the box being typed into already shows its text: its cursor stays
        }
    }
    const bool offsets = m_page.DividerAndOffsetsEnabled();
    for (F field : {F::DividerWidth, F::Dist1, F::Dist2}) Control(field)->setEnabled(offsets);
    List(F::LeftOrRight)->setEnabled(m_page.DesignedPartEnabled());
    Box(F::RightBridgeWidth)->setReadOnly(m_page.RightWidthReadOnly());

    QString picture = PictureResource(m_page.SectionPicture());
    if (picture != m_picturePath) {
        m_picturePath = picture;
        m_pPicture->setPixmap(RenderPicture(picture, devicePixelRatioF()));
    }
    m_bRefreshing = false;
}

}  // namespace projectdb

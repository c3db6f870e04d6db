#include "bridge_view_3d.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuaternion>
#include <QQuick3DObject>
#include <QQuickItem>
#include <QQuickWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>
#include <tuple>

#include "part_geometry.h"
#include "view3d/picture.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QVector3D Stage(view3d::Vec3 v) { return QVector3D(float(v.x), float(v.z), float(-v.y)); }
QColor Colour(view3d::Rgb c) { return QColor(c.r, c.g, c.b); }

// A drag shorter than this is a click.
constexpr int kClickSlop = 4;
// Degrees of orbit per pixel dragged.
constexpr double kOrbitPerPixel = 0.3;
// Above this many triangles the members step aside while the camera moves (about what Mesa's software
// rasteriser draws 20 times a second on two cores).
constexpr std::size_t kSmoothTriangles = 250000;

}  // namespace

CBridgeView3d::CBridgeView3d(Read read, OpenTable openTable, QWidget* parent)
    : QWidget(parent), m_read(std::move(read)), m_openTable(std::move(openTable)) {
    Q_INIT_RESOURCE(view3d);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* tools = new QToolBar(this);
    auto add = [&](const QString& text, const QString& tip, auto slot) {
        QAction* a = tools->addAction(text, this, slot);
        a->setStatusTip(tip);
        a->setToolTip(tip);
        return a;
    };
    add("全部显示", "缩放视图以显示整座桥梁", [this] { ZoomToFit(); });
    add("平面", "从上方看桥梁（平面图）", [this] { Look(view3d::StandardView::Plan); });
    add("右侧立面", "从路线右侧看桥梁（立面图）", [this] { Look(view3d::StandardView::ElevationRight); });
    add("左侧立面", "从路线左侧看桥梁（立面图）", [this] { Look(view3d::StandardView::ElevationLeft); });
    add("轴测", "从右前上方看桥梁（轴测图）", [this] { Look(view3d::StandardView::Iso); });
    m_pPerspective = add("透视", "在透视投影与正交投影之间切换", [this] { SetPerspective(m_pPerspective->isChecked()); });
    m_pPerspective->setCheckable(true);
    m_pPerspective->setChecked(true);
    tools->addSeparator();
    add("导出图片...", "把当前视图按指定尺寸保存为PNG图片", [this] { AskAndExport(); });
    layout->addWidget(tools);

    auto* middle = new QHBoxLayout;
    m_pQuick = new QQuickWidget(this);
    m_pQuick->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_pQuick->setMinimumSize(200, 150);
    m_pQuick->installEventFilter(this);
    m_pQuick->setMouseTracking(false);
    middle->addWidget(m_pQuick, 1);
    m_pLegend = new QLabel(this);
    m_pLegend->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_pLegend->setMargin(6);
    middle->addWidget(m_pLegend);
    layout->addLayout(middle, 1);
    m_pStatus = new QStatusBar(this);
    m_pStatus->setSizeGripEnabled(false);
    layout->addWidget(m_pStatus);
    setWindowTitle("三维视图");

    m_pWheelPause = new QTimer(this);
    m_pWheelPause->setSingleShot(true);
    m_pWheelPause->setInterval(300);
    connect(m_pWheelPause, &QTimer::timeout, this, [this] { SetMoving(false); });

    BuildStage();
    Reload();
}

CBridgeView3d::~CBridgeView3d() = default;

void CBridgeView3d::BuildStage() {
    m_pQuick->setSource(QUrl("qrc:/view3d/view3d.qml"));
    m_pPartComponent = new QQmlComponent(m_pQuick->engine(), QUrl("qrc:/view3d/part.qml"), this);
    if (QQuickItem* root = m_pQuick->rootObject()) m_pParts = root->findChild<QQuick3DObject*>("parts");
    if (!m_pParts || !m_pPartComponent->isReady())
        m_pStatus->showMessage("三维显示无法启动：" + m_pQuick->errors().value(0).toString() +
                               m_pPartComponent->errorString());
}

void CBridgeView3d::Reload() {
    std::optional<bridge::Bridge> model = m_read ? m_read() : std::nullopt;
    if (!model) return;
    m_pModel = std::make_unique<bridge::Bridge>(std::move(*model));
    m_pScene = std::make_unique<view3d::Scene>(*m_pModel);
    m_nHighlighted = -1;
    if (!m_bFramed) {
        m_camera = view3d::FramedCamera(*m_pScene, view3d::StandardView::Iso,
                                        double(ViewWidth()) / ViewHeight(), m_camera.perspective);
        m_bFramed = true;
    }
    QString legend;
    for (const view3d::LegendEntry& e : m_pScene->legend())
        legend += QString("<span style='color:%1'>■</span> %2<br>").arg(Colour(e.colour).name(), Q(e.name));
    legend += "<br><span style='color:#e61e1e'>■</span> 有错误<br><span style='color:#f5c814'>■</span> 有警告";
    m_pLegend->setText(legend);
    ShowParts();
    ApplyCamera();
    m_pStatus->showMessage(QString("%1 个构件，%2 个三角形").arg(m_pModel->solids.size()).arg(m_pScene->triangleCount()));
}

// One Model per colour: a viaduct of thousands of members is a few draw calls.
void CBridgeView3d::ShowParts() {
    for (QObject* m : m_models) delete m;
    m_models.clear();
    m_memberModels.clear();
    if (!m_pScene || !m_pParts || !m_pPartComponent->isReady()) return;
    std::map<std::tuple<QRgb, bool, bool>, std::vector<int>> groups;
    const auto& parts = m_pScene->parts();
    for (int i = 0; i < int(parts.size()); ++i) {
        const view3d::Part& p = parts[i];
        const bool twoSided = p.mesh.kind != bridge::MeshKind::Member || p.mesh.voidWallsEnd > 0;
        const QRgb colour = Colour(view3d::ShownColour(p, i == m_nHighlighted)).rgb();
        if (!p.shown.empty()) groups[{colour, twoSided, false}].push_back(i);
        if (!p.mesh.lines.empty()) groups[{colour, true, true}].push_back(i);
    }
    for (const auto& [key, members] : groups) {
        const auto [colour, twoSided, lines] = key;
        QObject* model = m_pPartComponent->createWithInitialProperties(
            {{"colour", QColor(colour)}, {"twoSided", twoSided}, {"lines", lines}}, m_pQuick->engine()->rootContext());
        auto* item = qobject_cast<QQuick3DObject*>(model);
        if (!item) {
            delete model;
            continue;
        }
        auto* geometry = new PartGeometry(item);
        geometry->Fill(*m_pScene, members, lines);
        item->setProperty("geometry", QVariant::fromValue(geometry));
        item->setParentItem(m_pParts);
        item->setParent(m_pParts);
        m_models.push_back(model);
        if (!twoSided) m_memberModels.push_back(model);
    }
}

void CBridgeView3d::ApplyCamera() {
    QQuickItem* root = m_pQuick->rootObject();
    if (!root) return;
    QObject* camera = root->findChild<QObject*>(m_camera.perspective ? "perspective" : "orthographic");
    if (!camera) return;
    // Qt Quick 3D's camera looks down its own -z with y up: its axes are the view's right, up and back.
    const QQuaternion turn = QQuaternion::fromAxes(Stage(m_camera.Right()), Stage(m_camera.Up()),
                                                   Stage((-1.0) * m_camera.Forward()));
    camera->setProperty("position", Stage(m_camera.Eye()));
    camera->setProperty("rotation", turn);
    if (!m_camera.perspective) {
        const float pixels = float(ViewHeight() / (2 * m_camera.HalfHeight()));
        camera->setProperty("horizontalMagnification", pixels);
        camera->setProperty("verticalMagnification", pixels);
    }
    root->setProperty("camera", QVariant::fromValue(camera));
}

int CBridgeView3d::ViewWidth() const { return qMax(1, m_pQuick->width()); }
int CBridgeView3d::ViewHeight() const { return qMax(1, m_pQuick->height()); }

void CBridgeView3d::Look(view3d::StandardView view) {
    if (!m_pScene) return;
    m_camera.Look(view, m_pScene->along());
    ZoomToFit();
}

void CBridgeView3d::ZoomToFit() {
    if (!m_pScene) return;
    m_camera.Fit(m_pScene->box(), double(ViewWidth()) / ViewHeight());
    ApplyCamera();
}

void CBridgeView3d::SetPerspective(bool perspective) {
    m_camera.perspective = perspective;
    m_pPerspective->setChecked(perspective);
    ApplyCamera();
}

void CBridgeView3d::Orbit(double degreesRight, double degreesUp) {
    m_camera.Orbit(degreesRight, degreesUp);
    ApplyCamera();
}

void CBridgeView3d::SetMoving(bool moving) {
    if (moving == m_bMoving) return;
    m_bMoving = moving;
    const bool large = m_pScene && m_pScene->triangleCount() > kSmoothTriangles;
    for (QObject* m : m_memberModels) m->setProperty("visible", !(moving && large));
}

int CBridgeView3d::SelectAt(QPoint pixel) {
    if (!m_pScene) return -1;
    const auto hit = m_pScene->PickAt(m_camera, pixel.x() + 0.5, pixel.y() + 0.5, ViewWidth(), ViewHeight());
    const int picked = hit ? hit->part : -1;
    if (picked != m_nHighlighted) {
        m_nHighlighted = picked;
        ShowParts();
    }
    m_pStatus->showMessage(statusText());
    return picked;
}

QString CBridgeView3d::statusText() const {
    return m_pScene && m_nHighlighted >= 0 ? Q(m_pScene->Describe(m_nHighlighted)) : QString();
}

void CBridgeView3d::OpenSelected() {
    if (!m_pScene || m_nHighlighted < 0 || !m_openTable) return;
    const bridge::Mesh& m = m_pScene->parts()[m_nHighlighted].mesh;
    if (m.table.empty()) {
        m_pStatus->showMessage("这个构件的尺寸不在构件表中（按标准值拟定），没有可打开的表。");
        return;
    }
    m_openTable(m.table, m.record);
}

std::string CBridgeView3d::ExportPng(const std::string& path, int width, int height) const {
    if (!m_pScene) return "没有可导出的桥梁。";
    // The camera shows the same height of the scene at any size; a wider picture shows more at the sides.
    return view3d::WritePng(view3d::Render(*m_pScene, m_camera, width, height, m_nHighlighted), path);
}

void CBridgeView3d::AskAndExport() {
    bool ok = false;
    const QString size = QInputDialog::getText(this, "导出图片", "图片尺寸（宽x高，像素）：", QLineEdit::Normal,
                                               QString("%1x%2").arg(ViewWidth() * 2).arg(ViewHeight() * 2), &ok);
    if (!ok) return;
    int width = 0, height = 0;
    const QStringList parts = size.trimmed().split('x');
    if (parts.size() == 2) width = parts[0].toInt(), height = parts[1].toInt();
    if (width < 16 || height < 16 || width > 16000 || height > 16000) {
        QMessageBox::warning(this, "导出图片", "图片尺寸应为 宽x高，每边 16～16000 像素，如 1600x1000。");
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, "导出图片", "桥梁三维视图.png", "PNG 图片 (*.png)");
    if (path.isEmpty()) return;
    const std::string failed = ExportPng(path.toStdString(), width, height);
    if (!failed.empty()) QMessageBox::warning(this, "导出图片", Q(failed));
    else m_pStatus->showMessage("已导出 " + path);
}

bool CBridgeView3d::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_pQuick) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            m_pressAt = m_lastAt = e->position().toPoint();
            m_dragButton = e->button();
            m_bDragged = false;
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            const QPoint at = e->position().toPoint(), step = at - m_lastAt;
            m_lastAt = at;
            if ((at - m_pressAt).manhattanLength() > kClickSlop) m_bDragged = true;
            if (!m_bDragged) return true;
            SetMoving(true);
            // Left drag orbits, middle or right drag (or Shift with the left) pans, as in CAD programs.
            const bool pan = m_dragButton == Qt::MiddleButton || m_dragButton == Qt::RightButton ||
                             (e->modifiers() & Qt::ShiftModifier);
            if (pan) m_camera.Pan(step.x(), step.y(), ViewHeight());
            else m_camera.Orbit(step.x() * kOrbitPerPixel, step.y() * kOrbitPerPixel);
            ApplyCamera();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!m_bDragged && e->button() == Qt::LeftButton) SelectAt(e->position().toPoint());
            m_dragButton = Qt::NoButton;
            SetMoving(false);
            return true;
        }
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() == Qt::LeftButton && SelectAt(e->position().toPoint()) >= 0) OpenSelected();
            return true;
        }
        case QEvent::Wheel: {
            auto* e = static_cast<QWheelEvent*>(event);
            const double notches = e->angleDelta().y() / 120.0;
            m_camera.ZoomAt(std::pow(0.85, notches), e->position().x(), e->position().y(), ViewWidth(), ViewHeight());
            SetMoving(true);
            m_pWheelPause->start();
            ApplyCamera();
            return true;
        }
        case QEvent::Resize: ApplyCamera(); return false;
        default: return QWidget::eventFilter(watched, event);
    }
}

#pragma once
// The 3D view of the bridge on its site. Drawn by Qt Quick 3D in a QQuickWidget: a Qt 6 module kept with Qt
// itself (Debian qt6-quick3d), which draws through Qt's own graphics layer and so runs on Mesa's software
// rasteriser under Xvfb; VTK's Qt widget was the other candidate, but Debian builds it for Qt 5 only. The
// window is thin: the scene, the camera, the picking and the PNG pictures are the Qt-free view3d logic, so
// the command line draws the same bridge. The view only reads: it has nothing to save.
#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "bridge/bridge_model.h"
#include "view3d/camera.h"
#include "view3d/scene.h"

class QLabel;
class QQuickWidget;
class QQmlComponent;
class QQuick3DObject;
class QStatusBar;
class QAction;
class QTimer;
class PartGeometry;

class CBridgeView3d : public QWidget {
    Q_OBJECT
public:
    // `read` reads the project's model afresh (nullopt when there is no project); `openTable` shows a table
    // with one record selected.
    using Read = std::function<std::optional<bridge::Bridge>()>;
    using OpenTable = std::function<void(const std::string& table, int record)>;

    CBridgeView3d(Read read, OpenTable openTable, QWidget* parent = nullptr);
    ~CBridgeView3d() override;

    // Reads the model again and shows it, keeping the camera (the first reading frames the whole bridge).
    void Reload();

    const view3d::Camera& camera() const { return m_camera; }
    const view3d::Scene* scene() const { return m_pScene.get(); }
    int highlighted() const { return m_nHighlighted; }
    QString statusText() const;
    QQuickWidget* quickWidget() const { return m_pQuick; }

    void Look(view3d::StandardView view);
    void ZoomToFit();
    void SetPerspective(bool perspective);
    // Steps the camera around the target (the bench's orbit) and draws.
    void Orbit(double degreesRight, double degreesUp);
    // While the camera moves, a large bridge shows only its decks, the ground and the centre line, so that
    // the picture follows the mouse on software rendering; the members come back when it stops.
    void SetMoving(bool moving);
    // Selects the part under a pixel of the view, as a click does; the part's index or -1.
    int SelectAt(QPoint pixel);
    // As a double click: the selected part's table opens at its record.
    void OpenSelected();
    // The view as a PNG of the given size; the Chinese message on failure, empty on success.
    std::string ExportPng(const std::string& path, int width, int height) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildStage();
    void ShowParts();
    void ApplyCamera();
    void AskAndExport();
    int ViewWidth() const;
    int ViewHeight() const;

    Read m_read;
    OpenTable m_openTable;
    std::unique_ptr<view3d::Scene> m_pScene;
    std::unique_ptr<bridge::Bridge> m_pModel;
    view3d::Camera m_camera;
    bool m_bFramed = false;
    int m_nHighlighted = -1;

    QQuickWidget* m_pQuick = nullptr;
    QQmlComponent* m_pPartComponent = nullptr;
    QQuick3DObject* m_pParts = nullptr;
    std::vector<QObject*> m_models;  // the Model items made for the parts, rebuilt with the scene
    std::vector<QObject*> m_memberModels;  // those of them that show members
    bool m_bMoving = false;
    QTimer* m_pWheelPause = nullptr;
    QLabel* m_pLegend = nullptr;
    QStatusBar* m_pStatus = nullptr;
    QAction* m_pPerspective = nullptr;

    QPoint m_pressAt, m_lastAt;
    Qt::MouseButton m_dragButton = Qt::NoButton;
    bool m_bDragged = false;
};

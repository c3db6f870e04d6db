// The 3D view's stage: a camera of each kind with a light that moves with it; the window adds the bridge's
// parts under "parts" and steers the cameras.
import QtQuick
import QtQuick3D

View3D {
    id: view
    objectName: "view"
    environment: SceneEnvironment {
        backgroundMode: SceneEnvironment.Color
        clearColor: "#ecf1f6"
        antialiasingMode: SceneEnvironment.NoAA
    }
    camera: perspective
    PerspectiveCamera {
        id: perspective
        objectName: "perspective"
        fieldOfView: 40
        clipNear: 0.5
        clipFar: 200000
        DirectionalLight { eulerRotation: Qt.vector3d(-20, -25, 0); brightness: 0.8; ambientColor: Qt.rgba(0.45, 0.45, 0.45, 1) }
    }
    OrthographicCamera {
        id: orthographic
        objectName: "orthographic"
        clipNear: -200000
        clipFar: 200000
        DirectionalLight { eulerRotation: Qt.vector3d(-20, -25, 0); brightness: 0.8; ambientColor: Qt.rgba(0.45, 0.45, 0.45, 1) }
    }
    Node { objectName: "parts" }
}

#pragma once
// Triangles (or the centre line's segments) of some parts of the scene as one buffer for Qt Quick 3D:
// a position and a face normal per corner, so that the faces of a member read as flat faces.
#include <QQuick3DGeometry>
#include <vector>

#include "view3d/scene.h"

class PartGeometry : public QQuick3DGeometry {
    Q_OBJECT
public:
    explicit PartGeometry(QQuick3DObject* parent = nullptr);
    // The triangles of `parts` of `scene`, or their lines when `lines`.
    void Fill(const view3d::Scene& scene, const std::vector<int>& parts, bool lines);
};

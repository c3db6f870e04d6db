#include "part_geometry.h"

#include <QByteArray>
#include <QVector3D>

namespace {

// The scene's frame (x east, y north, z up) in Qt Quick 3D's (y up, z towards the viewer of a plan).
QVector3D Stage(view3d::Vec3 v) { return QVector3D(float(v.x), float(v.z), float(-v.y)); }

void Put(QByteArray& data, qsizetype& at, QVector3D v) {
    auto* f = reinterpret_cast<float*>(data.data() + at);
    f[0] = v.x(), f[1] = v.y(), f[2] = v.z();
    at += 3 * sizeof(float);
}

}  // namespace

PartGeometry::PartGeometry(QQuick3DObject* parent) : QQuick3DGeometry(parent) {}

void PartGeometry::Fill(const view3d::Scene& scene, const std::vector<int>& parts, bool lines) {
    clear();
    qsizetype corners = 0;
    for (int i : parts) {
        const view3d::Part& p = scene.parts()[i];
        corners += lines ? 2 * qsizetype(p.mesh.lines.size()) : 3 * qsizetype(p.shown.size());
    }
    const int stride = (lines ? 3 : 6) * sizeof(float);
    QByteArray data(corners * stride, Qt::Uninitialized);
    qsizetype at = 0;
    QVector3D low(1e30f, 1e30f, 1e30f), high(-1e30f, -1e30f, -1e30f);
    auto bound = [&](QVector3D v) {
        low = QVector3D(qMin(low.x(), v.x()), qMin(low.y(), v.y()), qMin(low.z(), v.z()));
        high = QVector3D(qMax(high.x(), v.x()), qMax(high.y(), v.y()), qMax(high.z(), v.z()));
    };
    for (int i : parts) {
        const view3d::Part& p = scene.parts()[i];
        if (lines) {
            for (const auto& l : p.mesh.lines)
                for (auto k : l) {
                    Put(data, at, Stage(p.points[k]));
                    bound(Stage(p.points[k]));
                }
            continue;
        }
        for (const auto& t : p.shown) {
            const view3d::Vec3 a = p.points[t[0]], b = p.points[t[1]], c = p.points[t[2]];
            const QVector3D n = Stage(view3d::Normalized(view3d::Cross(b - a, c - a)));
            for (view3d::Vec3 v : {a, b, c}) {
                Put(data, at, Stage(v));
                Put(data, at, n);
                bound(Stage(v));
            }
        }
    }
    setVertexData(data);
    setStride(stride);
    setPrimitiveType(lines ? PrimitiveType::Lines : PrimitiveType::Triangles);
    addAttribute(Attribute::PositionSemantic, 0, Attribute::F32Type);
    if (!lines) addAttribute(Attribute::NormalSemantic, 3 * sizeof(float), Attribute::F32Type);
    if (corners > 0) setBounds(low, high);
    update();
}

// One group of the bridge's parts drawn in one colour.
import QtQuick
import QtQuick3D

Model {
    id: part
    property color colour: "grey"
    property bool twoSided: false
    property bool lines: false
    materials: DefaultMaterial {
        diffuseColor: part.colour
        cullMode: part.twoSided ? Material.NoCulling : Material.BackFaceCulling
        lighting: part.lines ? DefaultMaterial.NoLighting : DefaultMaterial.FragmentLighting
    }
}

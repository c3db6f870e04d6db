// Reads IFC files with web-ifc and prints for each "file PATH", then one line per meshed product, its express
// id, its type and the volume its triangles enclose; then "alignments N". Exits 1 when a file cannot be opened.
// Usage: node web_ifc_read.js WEB_IFC_FOLDER FILE.ifc...
const path = require('path');
const fs = require('fs');
const WebIFC = require(path.join(process.argv[2], 'node_modules', 'web-ifc'));

function printModel(api, model) {
  console.log('schema ' + api.GetModelSchema(model));
  api.StreamAllMeshes(model, (mesh) => {
    // Volumes summed about the mesh's first corner: national-grid coordinates would drown them otherwise.
    let volume = 0, origin = null;
    for (let g = 0; g < mesh.geometries.size(); ++g) {
      const placed = mesh.geometries.get(g);
      const geometry = api.GetGeometry(model, placed.geometryExpressID);
      const v = api.GetVertexArray(geometry.GetVertexData(), geometry.GetVertexDataSize());
      const index = api.GetIndexArray(geometry.GetIndexData(), geometry.GetIndexDataSize());
      const m = placed.flatTransformation;
      const placed3 = (i) => {
        const x = v[6 * i], y = v[6 * i + 1], z = v[6 * i + 2];
        return [m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                m[2] * x + m[6] * y + m[10] * z + m[14]];
      };
      if (origin === null && index.length > 0) origin = placed3(index[0]);
      const at = (i) => {
        const p = placed3(i);
        return [p[0] - origin[0], p[1] - origin[1], p[2] - origin[2]];
      };
      for (let t = 0; t + 2 < index.length; t += 3) {
        const a = at(index[t]), b = at(index[t + 1]), c = at(index[t + 2]);
        volume += (a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
                   a[2] * (b[0] * c[1] - b[1] * c[0])) / 6;
      }
      geometry.delete();
    }
    const type = api.GetNameFromTypeCode(api.GetLineType(model, mesh.expressID));
    console.log(`product ${mesh.expressID} ${type} ${Math.abs(volume)}`);
  });
  console.log('alignments ' + api.GetAllAlignments(model).length);
}

(async () => {
  const api = new WebIFC.IfcAPI();
  await api.Init();
  for (const file of process.argv.slice(3)) {
    console.log('file ' + file);
    const model = api.OpenModel(new Uint8Array(fs.readFileSync(file)));
    if (model < 0) process.exit(1);
    printModel(api, model);
    api.CloseModel(model);
  }
})().catch((e) => { console.error(e); process.exit(1); });

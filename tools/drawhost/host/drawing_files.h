#pragma once
// Where the host may write a drawing: <folder>/<file name>.dxf and .svg, never outside `folder`. The file
// name comes from a project that may come from someone else, so a name with "..", an absolute name, or a
// link in the folder that leads elsewhere is refused before anything is written.
#include <string>

namespace drawhost {

// Raises std::runtime_error with the reason in Chinese when a file of drawing `fileBase` would land
// outside `folder` (which must exist).
void CheckDrawingFilesInside(const std::string& folder, const std::string& fileBase);

}  // namespace drawhost

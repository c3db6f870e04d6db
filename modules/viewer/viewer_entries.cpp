// GLViewer: the 3D preview of library entries. OpenGLView shows the value list it received in a window of
// its own and returns when the user closes it.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "kit/module_kit.h"
#include "viewer/viewer_dialog.h"

VELTRA_MODULE_ENTRY void OpenGLView(const char* kind, const char* const* values, int valueCount,
                                    const char* const* /*second*/, int /*secondCount*/, int /*mode*/,
                                    double /*scale*/) {
    std::vector<std::string> list;
    for (int i = 0; i < valueCount; ++i) list.emplace_back(values[i] ? values[i] : "");
    if (!QApplication::instance()) {
        // Loaded by a program without windows: the values are all it can show.
        for (const std::string& value : list) std::cout << value << "\n";
        return;
    }
    viewer::ViewerDialog dialog(kind ? kind : "", list, QApplication::activeWindow());
    dialog.exec();
}

#include "drawing/drawing_current.h"

#include "platform/registry/registry.h"
#include "projectdb/drawing_file_name.h"

namespace drawing {

CurrentDrawing ReadCurrentDrawing() {
    return {registry::ReadSetting(kCurrentDrawingSection, kDrawingTypeValue),
            registry::ReadSetting(kCurrentDrawingSection, kDrawingNameValue),
            registry::ReadSetting(kCurrentDrawingSection, kFileNameValue)};
}

void WriteDrawingType(const std::string& kind) {
    registry::WriteSettingOrThrow(kCurrentDrawingSection, kDrawingTypeValue, kind);
}

void WriteDrawingName(const std::string& title) {
    registry::WriteSettingOrThrow(kCurrentDrawingSection, kDrawingNameValue, title);
}

void WriteDrawingFile(const std::string& fileName) {
    // A name that leads out of the project's folder ends the choice as a store that can't be written does:
    // with its message, and without handing the name to the drawing side.
    if (auto problem = projectdb::DrawingFileNameProblem(fileName)) throw registry::SettingsError(*problem);
    registry::WriteSettingOrThrow(kCurrentDrawingSection, kFileNameValue, fileName + ".dwg");
}

}  // namespace drawing

#include "drawing/drawing_current.h"

#include "platform/registry/registry.h"

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
    registry::WriteSettingOrThrow(kCurrentDrawingSection, kFileNameValue, fileName + ".dwg");
}

}  // namespace drawing

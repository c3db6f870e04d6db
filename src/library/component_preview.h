#pragma once
// The 3D preview of a library entry: the entry's texts, in the field order of its table, become the value
// list the viewer module "GLViewer.dll" expects, handed to its entry OpenGLView(kind, value list, an empty
// second list, 1, 0.0). Box girder elevations take their cross-sections from the chooser; the shapes the
// viewer cannot show yet are told and stop the preview.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "library/component_sections.h"
#include "platform/interaction/interaction.h"
#include "platform/modules/module_loader.h"

namespace library {

inline constexpr const char* kViewerModule = "GLViewer.dll";
inline constexpr const char* kViewerEntry = "OpenGLView";
inline constexpr const char* kComponentDataFile = "ComponentData.txt";

// The viewer's entry point. The lists are arrays of UTF-8 texts with their lengths.
extern "C" {
typedef void (*OpenGLViewEntry)(const char* kind, const char* const* values, int valueCount, const char* const* second,
                                int secondCount, int mode, double scale);
}

// Asks for the cross-sections of an elevation of `family`; none when the user cancels.
using SectionChooser = std::function<std::optional<ChosenSections>(const std::string& family)>;

// The value list for an entry of `kind`, or none when the preview stops (a shape the viewer cannot show,
// told through `prompt`, or a cancelled chooser).
std::optional<std::vector<std::string>> ViewerValueList(const std::string& kind, const std::vector<std::string>& entry,
                                                        const SectionChooser& chooseSections, ui::Prompter& prompt);

// Writes the value list one text per line (GBK, CR LF), replacing what the file held. False when the file
// cannot be written.
bool WriteComponentData(const std::string& path, const std::vector<std::string>& values);

// Loads the viewer module and shows the value list in it. A missing module or entry is told; false then.
bool ShowInViewer(modules::ModuleLoader& loader, const std::string& kind, const std::vector<std::string>& values,
                  ui::Prompter& prompt);

struct PreviewServices {
    ui::Prompter& prompt;
    modules::ModuleLoader& loader;
    SectionChooser chooseSections;
    // Where the manager leaves the value list before the viewer runs; empty elsewhere.
    std::string dataFile;
};

// The whole preview of one entry. True when the viewer was shown.
bool PreviewComponent(const std::string& kind, const std::vector<std::string>& entry, PreviewServices& services);

}  // namespace library

#pragma once
// The bridge as an IFC 4.3 file (IFC4X3_ADD2): the project, the site, the bridge and its parts, the route as an
// IfcAlignment, georeferenced when the route holds national-grid coordinates. GlobalIds are derived from the
// project and each object's place in it, so the same project exported twice differs only in the timestamp.
#include <optional>
#include <string>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace exchange {

inline constexpr const char* kIfcWritten = "已输出IFC文件：%s";

struct IfcExportOptions {
    std::string timestamp;  // ISO 8601 for the header; empty: now
    // The projected CRS the route's coordinates are in, as "EPSG:4547"; empty when the user names none. No
    // project table says which zone the national-grid coordinates belong to, so it is never guessed.
    std::string crs;
};

// The EPSG code of "EPSG:NNNN" (case and spaces around the colon do not matter); nullopt when it is not of
// that form.
std::optional<int> EpsgCode(const std::string& crs);

// The file's text; empty, with the reason in `problem`, when the project cannot be exported.
std::string IfcText(dao::Database& db, const std::string& fileName, const IfcExportOptions& options,
                    std::string& problem);

// Writes the file (the old file is replaced only by a complete new one). False, with the reason shown, when the
// project cannot be exported or the file cannot be written.
bool ExportIfc(dao::Database& db, const std::string& path, ui::Interaction& ui, const IfcExportOptions& options = {});

}  // namespace exchange

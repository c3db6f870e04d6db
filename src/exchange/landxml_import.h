#pragma once
// Import of one alignment of a LandXML file into 平曲线资料表 and 竖曲线资料表, and export of the project's
// route as LandXML. The import is one write: both tables change together or the project stays as it was.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace exchange {

inline constexpr const char* kLandXmlProgressTitle = "导入LandXML";
inline constexpr const char* kLandXmlProgressText = "正在导入路线数据。请稍候...";

// Asked when the file holds several alignments and none was named: the chosen name, or none to stop.
using AlignmentChooser = std::function<std::optional<std::string>(const std::vector<std::string>& names)>;

enum class LandXmlOutcome {
    Imported,  // the tables were replaced
    Declined,  // the user answered No to a question; nothing was written
    Refused,   // the file or the alignment cannot be held in the tables (said why); nothing was written
    Failed,    // a database error (shown); the project is as it was
};

struct LandXmlImportResult {
    LandXmlOutcome outcome = LandXmlOutcome::Refused;
    std::string alignment;
    long planRecords = 0;
    long profileRecords = -1;  // -1: 竖曲线资料表 was left as it was (the alignment has no profile)
    long slopeRecords = -1;    // -1: 桥面横坡资料表 was left as it was (the alignment has no superelevation)
};

// `alignment` names the alignment to import; without a name a file of one alignment imports it and a file
// of several asks `choose`. Questions (no profile, an alignment that does not cover the bridge) go to
// `ui.prompt` as Yes/No.
LandXmlImportResult ImportLandXml(dao::Database& db, const std::string& path, const std::optional<std::string>& alignment,
                                  const AlignmentChooser& choose, ui::Interaction& ui);

// Writes the project's horizontal and vertical alignment as a LandXML 1.2 file. False, with the reason shown,
// when the route tables cannot be read or the file cannot be written.
bool ExportLandXml(dao::Database& db, const std::string& path, ui::Prompter& prompt);

inline constexpr const char* kLandXmlWritten = "已输出LandXML文件：%s";

}  // namespace exchange

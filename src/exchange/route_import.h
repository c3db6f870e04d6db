#pragma once
// Import of a route reference file (.BRF): the ground line (**PROFILE**), the horizontal alignment
// elements (**PLAN**), the vertical-curve turning points (**VERT**) and the road design table (**DECK**)
// replace the contents of their project tables, limited to a stake range (by default the bridge).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/route_check.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace exchange {

inline constexpr const char* kProfileMarker = "**PROFILE**";
inline constexpr const char* kPlanMarker = "**PLAN**";
inline constexpr const char* kVertMarker = "**VERT**";
inline constexpr const char* kDeckMarker = "**DECK**";

inline constexpr const char* kMsgCannotOpenFile = "打不开文件!";
inline constexpr const char* kMsgNoReferenceInfo = "该文件中无可参考信息!";
inline constexpr const char* kMsgInsufficientData = "项目参考文件数据不足!";
inline constexpr const char* kMsgInsufficientContinue = "项目参考文件数据不足!\n继续导入其余数据?";
inline constexpr const char* kMsgInsufficientFailed = "项目参考文件数据不足!\n导入失败。";

inline constexpr const char* kImportProgressTitle = "导入数据";
inline constexpr const char* kImportProgressText = "正在导入数据。请稍候...";

// The stakes between which records are imported: start S and end E, in metres along the route.
struct RouteRange {
    double start = 0;
    double end = 0;
};

// The sections to import, as the three route check boxes choose them. The road design table (**DECK**)
// travels with the vertical curves: it has no box of its own.
struct RouteSections {
    bool groundLine = true;  // 地面线数据: **PROFILE** -> 地形资料表
    bool horizontal = true;  // 平曲线数据: **PLAN** -> 平曲线资料表
    bool vertical = true;    // 竖曲线数据: **VERT** -> 竖曲线资料表, then **DECK** -> 路基设计表
};

// Where the reader takes its text from: a file, or bytes in memory (tests, fuzzing).
struct RouteSource {
    std::string path;
    std::optional<std::string_view> bytes;
    static RouteSource File(std::string path) { return RouteSource{std::move(path), std::nullopt}; }
    static RouteSource Memory(std::string_view bytes) { return RouteSource{{}, bytes}; }
};

enum class SectionOutcome {
    NotRun,         // the section was not chosen
    Complete,       // read to its end or to the first record beyond the range end
    CannotOpen,     // "打不开文件!"
    NoSection,      // "该文件中无可参考信息!"
    Empty,          // count below 1: nothing written, nothing said
    Insufficient,   // ended with "项目参考文件数据不足!" (or its "导入失败。" form)
    Declined,       // the user answered No to "继续导入其余数据?"
    DatabaseError,  // a database error was shown; the table is as it was before the section
    Malformed,      // the section does not read as its count promises: told with its line, nothing written
};

struct SectionResult {
    SectionOutcome outcome = SectionOutcome::NotRun;
    long written = 0;  // records written
};

struct RouteImportResult {
    SectionResult groundLine, horizontal, vertical, deck;
    // A database error or a damaged section (shown to the user) ended the import: the project is as it was
    // before it.
    bool failed = false;
    // After an import that was not rolled back: where the project's route, as it now stands, is not one
    // road. Warnings for the engineer to read; the import itself went as it went.
    std::vector<calc::RouteFinding> findings;
    // False when a chosen section could not be read as asked (no file, no section, too few records) or the
    // import failed; a section the user declined or an empty section is not a failure.
    bool complete() const;
};

// Called now and then while a section is read, so that the application can stay responsive.
using KeepAlive = std::function<void()>;

// The four sections of a route reference file, each read into its own table.
enum class RouteSection { GroundLine, Horizontal, Vertical, RoadDesign };

// Reads one section. It writes in one transaction that is committed when it ends, also when it ends early
// with a message; a database error rolls the section back and is shown with ReportDaoError. Inside
// ImportRoute that transaction is part of the import's own.
SectionResult ImportSection(RouteSection section, dao::Database& db, const RouteSource& source, const RouteRange& range,
                            ui::Prompter& prompt, const KeepAlive& keepAlive = {});

// Runs the chosen readers in the order ground line, horizontal, vertical, road design, with the progress
// window titled "导入数据" advancing by one after each. The whole import is one write: it holds the project's
// write lock from its start (another program writing waits for it, or it waits for that program up to the
// busy timeout and then fails) and commits when the last reader ends, so that a crash leaves the project as
// it was. A database error in any reader ends the import and rolls all of it back.
RouteImportResult ImportRoute(dao::Database& db, const RouteSource& source, const RouteRange& range,
                              const RouteSections& sections, ui::Interaction& ui);
RouteImportResult ImportRoute(dao::Database& db, const std::string& path, const RouteRange& range,
                              const RouteSections& sections, ui::Interaction& ui);

// What the import reports when it is done: after an import that was kept and wrote records, the route
// tables of the project checked as one road, tables that cannot be read at all included, into
// `result.findings`. An import that wrote nothing left the route as it was and has nothing to report.
void CheckImportedRoute(dao::Database& db, RouteImportResult& result);

// The bridge extent: JointStake of the first and of the last record of 伸缩缝信息表, in table order.
// None when the table is missing, empty or unreadable.
std::optional<RouteRange> ReadBridgeExtent(dao::Database& db);

}  // namespace exchange

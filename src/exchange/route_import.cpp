#include "exchange/route_import.h"

#include <sqlite3.h>

#include <utility>

#include "exchange/route_tokens.h"
#include "platform/dao/recordset.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"
#include "projectdb/schema.h"

namespace exchange {

bool RouteImportResult::complete() const {
    if (failed) return false;
    for (const SectionResult* r : {&groundLine, &horizontal, &vertical, &deck}) {
        SectionOutcome o = r->outcome;
        if (o == SectionOutcome::CannotOpen || o == SectionOutcome::NoSection ||
            o == SectionOutcome::Insufficient || o == SectionOutcome::DatabaseError)
            return false;
    }
    return true;
}

namespace {

// A COMMIT that failed (another program still reading when the busy timeout ran out, a full disk) can leave
// the connection inside the transaction; it is ended here so that the project is not kept locked.
void EndUnfinishedTransaction(dao::Database& db) {
    if (db.handle() && !sqlite3_get_autocommit(db.handle()))
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

enum class SectionProbe { CannotOpen, Absent, Present };

// Whether the file holds the section a reader looks for: its marker, and for a counted section a count
// after it. Checked before anything is written, so that a file that cannot be read, or lacks the section,
// leaves the section's table as it was.
SectionProbe Probe(const RouteSource& source, const char* marker, bool counted) {
    RouteTokenReader reader;
    if (source.bytes)
        reader.openMemory(*source.bytes);
    else if (!reader.open(source.path))
        return SectionProbe::CannotOpen;
    if (!reader.seek(marker)) return SectionProbe::Absent;
    if (!counted) return SectionProbe::Present;
    std::string_view token;
    int count = 0;
    return reader.next(token) && ParseRouteCount(token, count) ? SectionProbe::Present : SectionProbe::Absent;
}

}  // namespace

RouteImportResult ImportRoute(dao::Database& db, const RouteSource& source, const RouteRange& range,
                              const RouteSections& sections, ui::Interaction& ui) {
    RouteImportResult result;
    int readers = (sections.groundLine ? 1 : 0) + (sections.horizontal ? 1 : 0) + (sections.vertical ? 2 : 0);
    ui::Progress& progress = ui.progress;
    progress.setTitle(kImportProgressTitle);
    progress.setText(kImportProgressText);
    progress.setRange(0, readers > 0 ? readers : 1);
    progress.setStep(1);
    progress.setPos(0);
    progress.show();
    int pos = 0;
    // Between two steps the bar stays where it is; touching it lets the window handle its events.
    KeepAlive keepAlive = [&progress, &pos] { progress.setPos(pos); };
    using Reader = SectionResult (*)(dao::Database&, const RouteSource&, const RouteRange&, ui::Prompter&,
                                     const KeepAlive&);
    struct Chosen {
        SectionResult* slot;
        Reader read;
        const char* marker;
        bool counted;
    };
    const Chosen chosen[] = {
        {sections.groundLine ? &result.groundLine : nullptr, ImportGroundLine, kProfileMarker, true},
        {sections.horizontal ? &result.horizontal : nullptr, ImportHorizontalCurves, kPlanMarker, true},
        {sections.vertical ? &result.vertical : nullptr, ImportVerticalCurves, kVertMarker, true},
        {sections.vertical ? &result.deck : nullptr, ImportRoadDesign, kDeckMarker, false},
    };
    try {
        dao::Transaction transaction(db);
        for (const auto& [slot, read, marker, counted] : chosen) {
            if (!slot) continue;
            // A file that cannot be read or lacks the section is told as the reader tells it, and the
            // section's table is not touched.
            switch (Probe(source, marker, counted)) {
                case SectionProbe::CannotOpen:
                    ui.prompt.message(kMsgCannotOpenFile, ui::Buttons::Ok, ui::Icon::Exclamation);
                    *slot = SectionResult{SectionOutcome::CannotOpen, 0};
                    break;
                case SectionProbe::Absent:
                    ui.prompt.message(kMsgNoReferenceInfo, ui::Buttons::Ok, ui::Icon::Exclamation);
                    *slot = SectionResult{SectionOutcome::NoSection, 0};
                    break;
                case SectionProbe::Present:
                    *slot = read(db, source, range, ui.prompt, keepAlive);
                    break;
            }
            progress.step();
            ++pos;
            projectdb::KillHereIfTestAsks(pos);
            // The reader has shown the error and its rollback has doomed the import's transaction.
            if (slot->outcome == SectionOutcome::DatabaseError) {
                result.failed = true;
                break;
            }
        }
        if (!result.failed) {
            try {
                transaction.Commit();
            } catch (const dao::DaoException& e) {
                throw dao::DaoException(e.m_lErrorCode, "导入的数据未能写入项目文件，项目保持导入前的内容：" +
                                                            e.m_strDescription);
            }
        }
    } catch (const dao::DaoException& e) {
        EndUnfinishedTransaction(db);
        result.failed = true;
        projectdb::ReportDaoError(e, ui.prompt);
    }
    progress.close();
    CheckImportedRoute(db, result);
    return result;
}

RouteImportResult ImportRoute(dao::Database& db, const std::string& path, const RouteRange& range,
                              const RouteSections& sections, ui::Interaction& ui) {
    return ImportRoute(db, RouteSource::File(path), range, sections, ui);
}

std::optional<RouteRange> ReadBridgeExtent(dao::Database& db) {
    try {
        dao::Recordset joints(db);
        joints.Open(std::string("Select * From [") + projectdb::kJointTable + "]", dao::dbOpenDynaset);
        joints.MoveFirst();
        RouteRange extent;
        extent.start = joints.GetFieldValue("JointStake").toDouble();
        joints.MoveLast();
        extent.end = joints.GetFieldValue("JointStake").toDouble();
        return extent;
    } catch (const dao::DaoException&) {
        return std::nullopt;
    }
}

}  // namespace exchange

#include "exchange/route_import.h"


#include <utility>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"
#include "projectdb/schema.h"

namespace exchange {

bool RouteImportResult::complete() const {
    if (failed) return false;
    for (const SectionResult* r : {&groundLine, &horizontal, &vertical, &deck}) {
        SectionOutcome o = r->outcome;
        if (o == SectionOutcome::CannotOpen || o == SectionOutcome::NoSection ||
            o == SectionOutcome::Insufficient || o == SectionOutcome::DatabaseError || o == SectionOutcome::Malformed)
            return false;
    }
    return true;
}

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
    const std::pair<SectionResult*, RouteSection> chosen[] = {
        {sections.groundLine ? &result.groundLine : nullptr, RouteSection::GroundLine},
        {sections.horizontal ? &result.horizontal : nullptr, RouteSection::Horizontal},
        {sections.vertical ? &result.vertical : nullptr, RouteSection::Vertical},
        {sections.vertical ? &result.deck : nullptr, RouteSection::RoadDesign},
    };
    try {
        dao::Transaction transaction(db);
        for (const auto& [slot, section] : chosen) {
            if (!slot) continue;
            *slot = ImportSection(section, db, source, range, ui.prompt, keepAlive);
            progress.step();
            ++pos;
            projectdb::KillHereIfTestAsks(pos);
            // The reader has shown the error; the import is undone as a whole.
            if (slot->outcome == SectionOutcome::DatabaseError || slot->outcome == SectionOutcome::Malformed) {
                result.failed = true;
                transaction.Rollback();
                break;
            }
        }
        try {
            transaction.Commit();
        } catch (const dao::DaoException& e) {
            throw dao::DaoException(e.m_lErrorCode, "导入的数据未能写入项目文件，项目保持导入前的内容：" +
                                                        e.m_strDescription);
        }
    } catch (const dao::DaoException& e) {
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
        joints.Open(dao::SelectAllFrom(projectdb::kJointTable), dao::dbOpenDynaset);
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

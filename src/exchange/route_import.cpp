#include "exchange/route_import.h"

#include "platform/dao/recordset.h"
#include "projectdb/schema.h"

namespace exchange {

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
    auto advance = [&] {
        progress.step();
        ++pos;
    };
    if (sections.groundLine) {
        result.groundLine = ImportGroundLine(db, source, range, ui.prompt, keepAlive);
        advance();
    }
    if (sections.horizontal) {
        result.horizontal = ImportHorizontalCurves(db, source, range, ui.prompt, keepAlive);
        advance();
    }
    if (sections.vertical) {
        result.vertical = ImportVerticalCurves(db, source, range, ui.prompt, keepAlive);
        advance();
        result.deck = ImportRoadDesign(db, source, range, ui.prompt, keepAlive);
        advance();
    }
    progress.close();
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

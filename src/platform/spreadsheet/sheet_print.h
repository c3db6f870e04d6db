#pragma once
// A table on paper: any table model (a grid's current sheet) painted page by page with a title, the
// column headers repeated on every page, the row headers, cell lines and a page number. Columns keep
// their proportions; a table wider than the page is scaled down as a whole rather than cut off.
#include <QString>

class QAbstractItemModel;
class QPagedPaintDevice;
class QPainter;

namespace sheet {

// Paints `model` on `device` through `painter` (already begun on it), starting further pages as needed.
// Returns the number of pages.
int PaintTable(const QAbstractItemModel& model, const QString& title, QPainter& painter,
               QPagedPaintDevice& device);

}  // namespace sheet

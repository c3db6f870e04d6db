#include "platform/spreadsheet/sheet_print.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace sheet {
namespace {

QString Cell(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

QString Header(const QAbstractItemModel& model, int section, Qt::Orientation orientation) {
    return model.headerData(section, orientation, Qt::DisplayRole).toString();
}

}  // namespace

int PaintTable(const QAbstractItemModel& model, const QString& title, QPainter& painter, QPagedPaintDevice& device) {
    QFont font = painter.font();
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const double pad = metrics.averageCharWidth();
    const double rowHeight = metrics.height() * 1.5;
    const int rows = model.rowCount();
    const int columns = model.columnCount();

    // Widths: the widest text of each column, the row headers in front.
    std::vector<double> widths(columns + 1, 0);
    auto widen = [&](int slot, const QString& text) {
        widths[slot] = std::max(widths[slot], metrics.horizontalAdvance(text) + 2 * pad);
    };
    for (int c = 0; c < columns; ++c) widen(c + 1, Header(model, c, Qt::Horizontal));
    for (int r = 0; r < rows; ++r) {
        widen(0, Header(model, r, Qt::Vertical));
        for (int c = 0; c < columns; ++c) widen(c + 1, Cell(model, r, c));
    }
    double tableWidth = 0;
    for (double w : widths) tableWidth += w;

    // A table wider than the page is drawn smaller; the page then holds more rows in the same proportion.
    const double pageWidth = device.width(), pageHeight = device.height();
    const double scale = tableWidth > pageWidth ? pageWidth / tableWidth : 1.0;
    painter.save();
    painter.scale(scale, scale);
    const double height = pageHeight / scale;
    const double titleHeight = rowHeight * 1.5;
    const int rowsPerPage = std::max(1, static_cast<int>((height - titleHeight - 2 * rowHeight) / rowHeight));
    const int pages = std::max(1, (rows + rowsPerPage - 1) / rowsPerPage);

    auto paintRow = [&](double y, const std::vector<QString>& texts, bool header) {
        double x = 0;
        for (size_t i = 0; i < texts.size(); ++i) {
            const QRectF box(x, y, widths[i], rowHeight);
            if (header || i == 0) painter.fillRect(box, QColor(235, 235, 235));
            painter.drawRect(box);
            const Qt::Alignment align = header || i == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
            painter.drawText(box.adjusted(pad, 0, -pad, 0), align, texts[i]);
            x += widths[i];
        }
    };

    std::vector<QString> headers{QString()};  // over the row headers
    for (int c = 0; c < columns; ++c) headers.push_back(Header(model, c, Qt::Horizontal));
    painter.setPen(QPen(Qt::black, 0));
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(QRectF(0, 0, tableWidth, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(font);
        double y = titleHeight;
        paintRow(y, headers, true);
        y += rowHeight;
        const int first = page * rowsPerPage, last = std::min(rows, first + rowsPerPage);
        for (int r = first; r < last; ++r, y += rowHeight) {
            std::vector<QString> texts{Header(model, r, Qt::Vertical)};
            for (int c = 0; c < columns; ++c) texts.push_back(Cell(model, r, c));
            paintRow(y, texts, false);
        }
        painter.drawText(QRectF(0, height - rowHeight, std::min(tableWidth, pageWidth / scale), rowHeight),
                         Qt::AlignCenter, QString("第 %1 页，共 %2 页").arg(page + 1).arg(pages));
    }
    painter.restore();
    return pages;
}

}  // namespace sheet

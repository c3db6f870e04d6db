#include "platform/interaction/qt_print_setup.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

bool QtPrinterSetupChooser::choose(PrinterSetup& setup) {
    QPrinter printer;
    if (!setup.printer.empty()) printer.setPrinterName(QString::fromStdString(setup.printer));
    // A paper name the printer does not know leaves the printer's own default.
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        QPageSize size(static_cast<QPageSize::PageSizeId>(id));
        if (size.name() == QString::fromStdString(setup.paper)) {
            printer.setPageSize(size);
            break;
        }
    }
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle("打印设置");
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return false;
    setup.printer = printer.printerName().toStdString();
    setup.paper = printer.pageLayout().pageSize().name().toStdString();
    setup.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return true;
}

}  // namespace ui

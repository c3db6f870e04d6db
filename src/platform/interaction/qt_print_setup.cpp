#include "platform/interaction/qt_print_setup.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/interaction/qt_printing.h"

namespace ui {

bool QtPrinterSetupChooser::choose(PrinterSetup& setup) {
    QPrinter printer;
    ApplyPrinterSetup(printer, setup);
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

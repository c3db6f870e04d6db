#include "platform/interaction/qt_printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {

void ApplyPrinterSetup(QPrinter& printer, const PrinterSetup& setup) {
    if (!setup.printer.empty()) printer.setPrinterName(QString::fromStdString(setup.printer));
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        QPageSize size(static_cast<QPageSize::PageSizeId>(id));
        if (size.name() == QString::fromStdString(setup.paper)) {
            printer.setPageSize(size);
            break;
        }
    }
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrintChooser::choose(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("打印");
    return dialog.exec() == QDialog::Accepted;
}

bool PdfPrintChooser::choose(QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_path);
    return true;
}

bool RunPrint(const PrintServices& print, const QString& documentName, QWidget* parent, Prompter& prompt,
              const std::function<void(QPainter&, QPagedPaintDevice&)>& render) {
    if (!print) return false;
    QPrinter printer(QPrinter::HighResolution);
    ApplyPrinterSetup(printer, *print.setup);
    printer.setDocName(documentName);
    if (!print.chooser->choose(printer, parent)) return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        prompt.message("无法开始打印到“" + where.toStdString() + "”，请检查打印机或文件位置。", Buttons::Ok,
                       Icon::Exclamation);
        return false;
    }
    render(painter, printer);
    painter.end();
    return true;
}

}  // namespace ui

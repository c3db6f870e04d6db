#pragma once
// Printing from the windows: the application's printer set-up (打印设置) applied to a printer, the system's
// print dialog behind a seam (a PDF file in tests, with no dialog), and one call that runs a print job.
#include <QString>
#include <functional>

#include "platform/interaction/interaction.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace ui {

// The printer, paper and orientation of the set-up; a paper name the printer does not know leaves the
// printer's own default.
void ApplyPrinterSetup(QPrinter& printer, const PrinterSetup& setup);

struct PrintChooser {
    virtual ~PrintChooser() = default;
    // Lets the user confirm or change where `printer` prints (a printer, or a PDF file); false when cancelled.
    virtual bool choose(QPrinter& printer, QWidget* parent) = 0;
};

// The system's print dialog ("打印"), which also offers printing into a PDF file.
class QtPrintChooser : public PrintChooser {
public:
    bool choose(QPrinter& printer, QWidget* parent) override;
};

// Prints into one PDF file without a dialog (tests, and runs that only write files).
class PdfPrintChooser : public PrintChooser {
public:
    explicit PdfPrintChooser(QString path) : m_path(std::move(path)) {}
    bool choose(QPrinter& printer, QWidget* parent) override;

private:
    QString m_path;
};

// What a window needs to print: the application's set-up and the dialog. A window given none offers no
// printing.
struct PrintServices {
    const PrinterSetup* setup = nullptr;
    PrintChooser* chooser = nullptr;
    explicit operator bool() const { return setup && chooser; }
};

// Sets up a printer from the set-up, lets the chooser confirm it, and paints the document with `render`,
// which starts its further pages itself. False when the user cancelled, or when the printer could not start
// (then the user is told through `prompt`).
bool RunPrint(const PrintServices& print, const QString& documentName, QWidget* parent, Prompter& prompt,
              const std::function<void(QPainter&, QPagedPaintDevice&)>& render);

}  // namespace ui

#pragma once
// The printer set-up in a window: the system's print dialog on the application's printer, with the page
// range and copies left out (nothing is printed from it).
#include <QPointer>
#include <QWidget>

#include "platform/interaction/interaction.h"

namespace ui {

class QtPrinterSetupChooser : public PrinterSetupChooser {
public:
    explicit QtPrinterSetupChooser(QWidget* parent = nullptr) : parent_(parent) {}
    bool choose(PrinterSetup& setup) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace ui

#include "platform/PrinterSetup.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/Printer.h"

namespace {

PrinterSetupDialogOverride& Override() {
    static PrinterSetupDialogOverride dialog;
    return dialog;
}

}  // namespace

bool RunPrinterSetupDialog(QWidget* parent) {
    QPrinter& printer = ThePrinter().Device();
    if (Override()) return Override()(printer);
    QPrintDialog dialog(&printer, parent);
    // Only the set-up: the pages are chosen by the print scale, not here.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrinterSetupDialogOverride(PrinterSetupDialogOverride dialog) { Override() = std::move(dialog); }

#include "platform/PrinterSetup.h"

#include <QPageSetupDialog>
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
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrinterSetupDialogOverride(PrinterSetupDialogOverride dialog) { Override() = std::move(dialog); }

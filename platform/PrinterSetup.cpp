#include "platform/PrinterSetup.h"

#include <QPageLayout>
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
    // Qt's page dialog over a system printer opens on the queue's default
    // paper rather than the one set (and offers pages per sheet, which
    // would shrink the pattern): it runs over a PDF-format printer with the
    // same page, and what the user set there goes to the printer.
    QPrinter page(QPrinter::HighResolution);
    page.setOutputFormat(QPrinter::PdfFormat);
    page.setPageLayout(printer.pageLayout());
    QPageSetupDialog dialog(&page, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QPageLayout chosen = page.pageLayout();
    printer.setPageSize(chosen.pageSize());
    printer.setPageOrientation(chosen.orientation());
    printer.setPageMargins(chosen.margins(), chosen.units());
    return true;
}

void SetPrinterSetupDialogOverride(PrinterSetupDialogOverride dialog) { Override() = std::move(dialog); }

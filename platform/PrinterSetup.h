// The printer's page set-up dialog over the program's printer: paper size
// and orientation (and, for a system printer, what its driver offers on the
// page); it prints nothing.  Tests replace the dialog so that nothing modal
// opens.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

// Runs the dialog on ThePrinter().Device(); true when it ended with OK (the
// printer then holds what the user set).
bool RunPrinterSetupDialog(QWidget* parent);

// While set, RunPrinterSetupDialog calls this with the printer instead of
// opening the dialog and returns its answer.  nullptr removes it.
using PrinterSetupDialogOverride = std::function<bool(QPrinter&)>;
void SetPrinterSetupDialogOverride(PrinterSetupDialogOverride dialog);

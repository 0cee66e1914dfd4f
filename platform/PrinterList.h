// The list of installed printers, read once and kept until refreshed (the
// print commands refresh it when it is empty before they give up), and the
// printer the print commands use for this run.
//
// Beside the system's printers the list always offers the PDF-file printer
// (kPdfPrinterName): printing to it asks for the name of the file.
#pragma once

#include <QPageSize>
#include <functional>
#include <string>
#include <vector>

#include "platform/PrinterQueue.h"

// The PDF-file printer's name in the list.
extern const char* const kPdfPrinterName;

// Whether the kept list holds at least one printer (read at first use).
bool PrinterInstalled();
// The kept list of printer names (UTF-8): the system's printers, then the
// PDF-file printer.
std::vector<std::string> PrinterNames();
// Reads the list again.
void RefreshPrinters();

// The printer of the print commands, a choice for the run only (it is not
// stored): the one last chosen while it is still listed; else the system's
// default printer when it is listed; else the PDF-file printer; "" for an
// empty list.
std::string ChosenPrinter();
// Whether the chosen printer is the PDF-file printer.
bool PdfFileChosen();
// Makes a listed printer the chosen one and sends ThePrinter() to it: a
// system printer by name in its own format, or the PDF format.  A name that
// is not listed changes nothing (false).
bool ChoosePrinter(const std::string& name);
// Before a print job: once a choice has been made, ThePrinter() is sent to
// the chosen printer again when that changed since (a chosen printer gone
// from the list after a refresh gives way to the default one).  Until the
// first choice ThePrinter() keeps the printer it starts with, which is the
// system's default one.
void ApplyChosenPrinter();
// Where the list is shown to the user: a chosen printer gone from the list
// gives way to the default one, which becomes the choice (ThePrinter() is
// sent there).  True when that happened.
bool ForgetGoneChoice();
// After the printer's own set-up dialog changed ThePrinter(): the printer it
// now prints to (the PDF-file printer for PDF output) becomes the chosen one
// when it is listed.  Nothing is sent to ThePrinter().
void TakeChosenPrinterFromDevice();

// Before a print job: reads the list again and tells whether the printer of
// the job can take it.  A chosen printer gone from the list is Missing (the
// job does not silently go elsewhere), or ServerDown when the print service
// does not answer; the PDF-file printer is always Ready.
struct PrinterCheck {
    QueueState state = QueueState::Ready;
    std::string name;  // the printer checked
};
PrinterCheck CheckPrinterForJob();

// For tests: while set, the state of a system printer is read from this
// function instead of the print system.  With a test list (below) and no
// such function every listed printer is Ready.  nullptr removes it.
using PrinterQueueSource = std::function<QueueState(const std::string& name)>;
void SetPrinterQueueOverride(PrinterQueueSource source);

// A printer's own paper and orientation: the system's default page size of
// the queue and its default orientation; A4 upright for the PDF file.
struct PrinterDefaults {
    QPageSize paper;
    bool portrait = true;
};
PrinterDefaults DefaultsOfPrinter(const std::string& name);
// For tests: while set, a printer's defaults come from this function.
// nullptr removes it.
using PrinterDefaultsSource = std::function<PrinterDefaults(const std::string& name)>;
void SetPrinterDefaultsOverride(PrinterDefaultsSource source);

// For tests: while set, the system's printers are read from this function
// (its first name standing for the system's default printer), followed by
// the PDF-file printer only with `withPdfFile`, so that a test can also
// have an empty list.  The kept list and the choice are dropped so that the
// next use reads them afresh.  nullptr gives back the system's list.
using PrinterListSource = std::function<std::vector<std::string>()>;
void SetPrinterListOverride(PrinterListSource source, bool withPdfFile = false);

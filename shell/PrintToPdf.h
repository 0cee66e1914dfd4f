// Printing to the PDF-file printer: the save dialog that names the file
// ("Сохранение чертежа в PDF"), asked by the print command just before the
// job, and the printer made ready for the job.
#pragma once

#include <functional>
#include <string>

#include "platform/PrinterList.h"

class TMainForm;

// The dialog, replaceable for tests: it gets the proposed file name and
// answers the chosen path, "" when cancelled.  nullptr restores the real
// dialog.
using PdfFileDialogHook = std::function<std::string(const std::string& proposedName)>;
void SetPdfFileDialogHook(PdfFileDialogHook hook);

// The proposed file name: the order's caption and the customer (a blank
// between them when both are there), the characters a file name cannot hold
// replaced by '_', then ".pdf".  "Чертёж.pdf" when both are empty.
std::string PdfProposedName(const std::string& caption, const std::string& customer);

// Sends ThePrinter() to the chosen printer for the next job, named by the
// order's caption.  The printer list is read again first: a chosen printer
// that is gone, refuses jobs or whose print service does not answer is
// reported (false: nothing is to be printed).  With the PDF-file printer
// chosen, asks for the file (false when the dialog was cancelled).
bool PreparePrinterForJob(TMainForm& form);

// The messages of a printer that cannot take the job ("" for Ready).
std::string PrinterCheckMessage(const PrinterCheck& check);
extern const char* const kPrintCaption;

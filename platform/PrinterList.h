// The list of installed printers, read once and kept until refreshed (the
// print commands refresh it when it is empty before they give up).
#pragma once

#include <functional>
#include <string>
#include <vector>

// Whether the kept list holds at least one printer (read at first use).
bool PrinterInstalled();
// The kept list of printer names (UTF-8).
std::vector<std::string> PrinterNames();
// Reads the list again.
void RefreshPrinters();

// For tests: while set, the list is read from this function instead of the
// system; the kept list is dropped so that the next use reads it.  nullptr
// gives back the system's list.
using PrinterListSource = std::function<std::vector<std::string>()>;
void SetPrinterListOverride(PrinterListSource source);

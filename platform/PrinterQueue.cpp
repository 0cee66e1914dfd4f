#include "platform/PrinterQueue.h"

#include <QPrinterInfo>

#ifdef MODRIN_HAVE_CUPS
#include <cups/cups.h>

#include <cstring>
#endif

#ifdef MODRIN_HAVE_CUPS

QueueState SystemQueueState(const std::string& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (!dest) {
        const ipp_status_t status = cupsLastError();
        return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL
                   ? QueueState::ServerDown
                   : QueueState::Missing;
    }
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refusing = accepting && std::strcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    return refusing ? QueueState::Refusing : QueueState::Ready;
}

bool SystemDefaultPortrait(const std::string& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (!dest) return true;
    // IPP orientation-requested: 3 portrait, 4 landscape, 5 reverse
    // landscape, 6 reverse portrait.
    const char* value = cupsGetOption("orientation-requested", dest->num_options, dest->options);
    const bool portrait = !value || (std::strcmp(value, "4") != 0 && std::strcmp(value, "5") != 0);
    cupsFreeDests(1, dest);
    return portrait;
}

bool SystemTookLastJob(std::string& reason) {
    // Qt hands the job to CUPS (cupsPrintFile) when the printer's painter
    // ends and keeps no result; the library keeps it as its last error.
    const ipp_status_t status = cupsLastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) return true;
    const char* text = cupsLastErrorString();
    reason = text ? text : "";
    return false;
}

#else

QueueState SystemQueueState(const std::string& name) {
    return QPrinterInfo::printerInfo(QString::fromStdString(name)).isNull() ? QueueState::Missing
                                                                             : QueueState::Ready;
}

bool SystemDefaultPortrait(const std::string&) { return true; }

bool SystemTookLastJob(std::string&) { return true; }

#endif

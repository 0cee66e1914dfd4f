#include "platform/PrinterQueue.h"

#include <QPrinterInfo>

#ifdef MODRIN_HAVE_CUPS
#include <cups/cups.h>

#include <cstring>
#endif

#ifdef MODRIN_HAVE_CUPS

namespace {

// Whether the print service takes a connection (it tells a missing queue
// from a service that is down: both give no queue).
bool ServiceAnswers() {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 3000, nullptr);
    if (!http) return false;
    httpClose(http);
    return true;
}

}  // namespace

QueueState SystemQueueState(const std::string& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (!dest) return ServiceAnswers() ? QueueState::Missing : QueueState::ServerDown;
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

std::vector<std::string> SystemJobOptions(int dpi) {
    const char* quality = dpi >= 600 ? "5" : dpi <= 96 ? "3" : "4";
    return {"print-quality", quality, "job-hold-until", "indefinite"};
}

namespace {

// The newest held job of this user on the printer with this title since
// `since`; 0 when there is none.
int HeldJob(const std::string& printer, const std::string& title, std::time_t since) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer.c_str(), 1, CUPS_WHICHJOBS_ACTIVE);
    int id = 0;
    for (int i = 0; i < count; ++i) {
        const cups_job_t& job = jobs[i];
        if (job.state == IPP_JSTATE_HELD && job.creation_time >= since - 1 && job.id > id &&
            title == (job.title ? job.title : ""))
            id = job.id;
    }
    cupsFreeJobs(count, jobs);
    return id;
}

}  // namespace

bool ReleaseSystemJob(const std::string& printer, const std::string& title, std::time_t since) {
    const int id = HeldJob(printer, title, since);
    if (id == 0) return true;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0, "/jobs/%d", id);
    ipp_t* request = ippNewRequest(IPP_OP_RELEASE_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/"));
    return cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

void CancelSystemJob(const std::string& printer, const std::string& title, std::time_t since) {
    if (const int id = HeldJob(printer, title, since)) cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.c_str(), id, 1);
}

#else

QueueState SystemQueueState(const std::string& name) {
    return QPrinterInfo::printerInfo(QString::fromStdString(name)).isNull() ? QueueState::Missing
                                                                             : QueueState::Ready;
}

bool SystemDefaultPortrait(const std::string&) { return true; }

bool SystemTookLastJob(std::string&) { return true; }

std::vector<std::string> SystemJobOptions(int) { return {}; }

bool ReleaseSystemJob(const std::string&, const std::string&, std::time_t) { return true; }

void CancelSystemJob(const std::string&, const std::string&, std::time_t) {}

#endif

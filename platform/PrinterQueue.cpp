#include "platform/PrinterQueue.h"

#include <QPrinterInfo>

#ifdef MODRIN_HAVE_CUPS
#include <cups/cups.h>
#include <dlfcn.h>

#include <cstring>
#endif

namespace {

// What a system without CUPS, or without its library, says: a queue is
// there while Qt lists it, a job handed over is taken and none is held.
QueueState QtQueueState(const std::string& name) {
    return QPrinterInfo::printerInfo(QString::fromStdString(name)).isNull() ? QueueState::Missing
                                                                             : QueueState::Ready;
}

}  // namespace

#ifdef MODRIN_HAVE_CUPS

namespace {

// The CUPS library is loaded when the print system is first asked, not
// with the program: it brings the TLS, Kerberos and service-discovery
// libraries along, which would cost every start a third of a bare Qt
// program's start-up.  Qt's own print plugin loads the same library, so
// the last error of a job that Qt handed over is the one read here.
struct Cups {
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::httpAssembleURIf) httpAssembleURIf = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsGetOption) cupsGetOption = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsGetJobs2) cupsGetJobs2 = nullptr;
    decltype(&::cupsFreeJobs) cupsFreeJobs = nullptr;
    decltype(&::cupsUser) cupsUser = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::cupsCancelJob2) cupsCancelJob2 = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
};

template <typename F>
bool Resolve(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}

// The library's functions, or nullptr where it cannot be loaded (then the
// program does as without CUPS).  Loaded once and kept.
const Cups* LoadCups() {
    static const Cups* const cups = []() -> const Cups* {
        void* library = nullptr;
        for (const char* file : {"libcups.so.2", "libcups.2.dylib", "libcups.so"})
            if ((library = dlopen(file, RTLD_NOW | RTLD_LOCAL))) break;
        if (!library) return nullptr;
        static Cups loaded;
        Cups& c = loaded;
        const bool all =
            Resolve(library, "httpConnect2", c.httpConnect2) && Resolve(library, "httpClose", c.httpClose) &&
            Resolve(library, "httpAssembleURIf", c.httpAssembleURIf) && Resolve(library, "cupsServer", c.cupsServer) &&
            Resolve(library, "ippPort", c.ippPort) && Resolve(library, "cupsEncryption", c.cupsEncryption) &&
            Resolve(library, "cupsGetNamedDest", c.cupsGetNamedDest) &&
            Resolve(library, "cupsGetOption", c.cupsGetOption) && Resolve(library, "cupsFreeDests", c.cupsFreeDests) &&
            Resolve(library, "cupsLastError", c.cupsLastError) &&
            Resolve(library, "cupsLastErrorString", c.cupsLastErrorString) &&
            Resolve(library, "cupsGetJobs2", c.cupsGetJobs2) && Resolve(library, "cupsFreeJobs", c.cupsFreeJobs) &&
            Resolve(library, "cupsUser", c.cupsUser) && Resolve(library, "cupsDoRequest", c.cupsDoRequest) &&
            Resolve(library, "cupsCancelJob2", c.cupsCancelJob2) && Resolve(library, "ippNewRequest", c.ippNewRequest) &&
            Resolve(library, "ippAddString", c.ippAddString) && Resolve(library, "ippDelete", c.ippDelete);
        return all ? &loaded : nullptr;
    }();
    return cups;
}

// Whether the print service takes a connection (it tells a missing queue
// from a service that is down: both give no queue).
bool ServiceAnswers(const Cups& c) {
    http_t* http = c.httpConnect2(c.cupsServer(), c.ippPort(), nullptr, AF_UNSPEC, c.cupsEncryption(), 1, 3000, nullptr);
    if (!http) return false;
    c.httpClose(http);
    return true;
}

}  // namespace

QueueState SystemQueueState(const std::string& name) {
    const Cups* cups = LoadCups();
    if (!cups) return QtQueueState(name);
    const Cups& c = *cups;
    cups_dest_t* dest = c.cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (!dest) return ServiceAnswers(c) ? QueueState::Missing : QueueState::ServerDown;
    const char* accepting = c.cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refusing = accepting && std::strcmp(accepting, "false") == 0;
    c.cupsFreeDests(1, dest);
    return refusing ? QueueState::Refusing : QueueState::Ready;
}

bool SystemDefaultPortrait(const std::string& name) {
    const Cups* cups = LoadCups();
    if (!cups) return true;
    const Cups& c = *cups;
    cups_dest_t* dest = c.cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (!dest) return true;
    // IPP orientation-requested: 3 portrait, 4 landscape, 5 reverse
    // landscape, 6 reverse portrait.
    const char* value = c.cupsGetOption("orientation-requested", dest->num_options, dest->options);
    const bool portrait = !value || (std::strcmp(value, "4") != 0 && std::strcmp(value, "5") != 0);
    c.cupsFreeDests(1, dest);
    return portrait;
}

bool SystemTookLastJob(std::string& reason) {
    // Qt hands the job to CUPS (cupsPrintFile) when the printer's painter
    // ends and keeps no result; the library keeps it as its last error.
    const Cups* cups = LoadCups();
    if (!cups) return true;
    const ipp_status_t status = cups->cupsLastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) return true;
    const char* text = cups->cupsLastErrorString();
    reason = text ? text : "";
    return false;
}

std::vector<std::string> SystemJobOptions(int dpi) {
    // A job is held only where the program can release it.
    if (!LoadCups()) return {};
    const char* quality = dpi >= 600 ? "5" : dpi <= 96 ? "3" : "4";
    return {"print-quality", quality, "job-hold-until", "indefinite"};
}

namespace {

// The newest held job of this user on the printer with this title since
// `since`; 0 when there is none.
int HeldJob(const Cups& c, const std::string& printer, const std::string& title, std::time_t since) {
    cups_job_t* jobs = nullptr;
    const int count = c.cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer.c_str(), 1, CUPS_WHICHJOBS_ACTIVE);
    int id = 0;
    for (int i = 0; i < count; ++i) {
        const cups_job_t& job = jobs[i];
        if (job.state == IPP_JSTATE_HELD && job.creation_time >= since - 1 && job.id > id &&
            title == (job.title ? job.title : ""))
            id = job.id;
    }
    c.cupsFreeJobs(count, jobs);
    return id;
}

}  // namespace

bool ReleaseSystemJob(const std::string& printer, const std::string& title, std::time_t since) {
    const Cups* cups = LoadCups();
    if (!cups) return true;
    const Cups& c = *cups;
    const int id = HeldJob(c, printer, title, since);
    if (id == 0) return true;
    char uri[HTTP_MAX_URI];
    c.httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0, "/jobs/%d", id);
    ipp_t* request = c.ippNewRequest(IPP_OP_RELEASE_JOB);
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    c.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, c.cupsUser());
    c.ippDelete(c.cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/jobs/"));
    return c.cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

void CancelSystemJob(const std::string& printer, const std::string& title, std::time_t since) {
    const Cups* cups = LoadCups();
    if (!cups) return;
    if (const int id = HeldJob(*cups, printer, title, since))
        cups->cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.c_str(), id, 1);
}

#else

QueueState SystemQueueState(const std::string& name) { return QtQueueState(name); }

bool SystemDefaultPortrait(const std::string&) { return true; }

bool SystemTookLastJob(std::string&) { return true; }

std::vector<std::string> SystemJobOptions(int) { return {}; }

bool ReleaseSystemJob(const std::string&, const std::string&, std::time_t) { return true; }

void CancelSystemJob(const std::string&, const std::string&, std::time_t) {}

#endif

// What the print system says of a printer queue before a job (still there,
// accepting jobs, the print service answering) and of a job handed to it.
// Read through CUPS where the program is built with it and its library can
// be loaded when first asked; elsewhere a queue counts as there while Qt
// lists it, and a job handed over as taken.
#pragma once

#include <ctime>
#include <string>
#include <vector>

enum class QueueState { Ready, Missing, Refusing, ServerDown };

// The state of the system printer of this name.
QueueState SystemQueueState(const std::string& name);

// After a job to a system printer ended: true when the print system took
// it; else false with the system's reason in `reason` (may be empty).
bool SystemTookLastJob(std::string& reason);

// The queue's default orientation: true unless it prints turned pages
// (landscape) by default.
bool SystemDefaultPortrait(const std::string& name);

// The print system's options of a job to a system printer (name, value,
// name, value ...): the print quality of this resolution (IPP print-quality
// 3 draft, 4 normal, 5 high), and the job held when it is handed over, so
// that nothing of it prints before the program has seen the whole job end
// well (ReleaseSystemJob) and an abandoned job never prints
// (CancelSystemJob).  Empty where the program cannot release a job.
std::vector<std::string> SystemJobOptions(int dpi);

// The held job of this user on the printer with this title, handed over at
// `since` or later: released to print (true also when there is none held),
// or cancelled.
bool ReleaseSystemJob(const std::string& printer, const std::string& title, std::time_t since);
void CancelSystemJob(const std::string& printer, const std::string& title, std::time_t since);

// What the print system says of a printer queue before a job (still there,
// accepting jobs, the print service answering) and of a job handed to it.
// Read through CUPS where the program is built with it; elsewhere a queue
// counts as there while Qt lists it, and a job handed over as taken.
#pragma once

#include <string>

enum class QueueState { Ready, Missing, Refusing, ServerDown };

// The state of the system printer of this name.
QueueState SystemQueueState(const std::string& name);

// After a job to a system printer ended: true when the print system took
// it; else false with the system's reason in `reason` (may be empty).
bool SystemTookLastJob(std::string& reason);

// The queue's default orientation: true unless it prints turned pages
// (landscape) by default.
bool SystemDefaultPortrait(const std::string& name);

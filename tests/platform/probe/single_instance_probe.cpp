// A second process for the single-instance tests.
//
//   single_instance_probe <key> [acquire|crash]
//
// acquire: meets the guard of key, prints the outcome (First,
// ActivatedOther or OtherNotFound) and exits with 0, 1 or 2.
// crash: the same, then ends at once without releasing anything, as a
// crashed program would (exit code 3 when it got the lock).
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <key> [acquire|crash]\n", argv[0]);
        return 64;
    }
    const bool crash = argc > 2 && std::strcmp(argv[2], "crash") == 0;

    SingleInstanceGuard guard;
    const SingleInstanceGuard::Outcome outcome = guard.Acquire(argv[1]);
    const char* names[] = {"First", "ActivatedOther", "OtherNotFound"};
    std::printf("%s\n", names[int(outcome)]);
    std::fflush(stdout);
    if (crash && outcome == SingleInstanceGuard::Outcome::First) std::_Exit(3);
    return int(outcome);
}

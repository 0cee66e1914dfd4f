// The program's start-up as a process of its own, for the start-up
// benchmark: the application object named and Qt's translations loaded as
// the entry does, the single-instance guard (under a key of its own, so
// that a running program is left alone), the windows and dialogs as the
// entry makes them, until the main window is shown; then it ends.  The
// settings are kept in the folder given as the only argument.  Exits with 0
// when the main window was shown.
#include <QApplication>
#include <string>

#include "bench/ProgramForms.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"
#include "shell/AppInfo.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QApplication app(argc, argv);
    NameApplication();
    LoadQtTranslations();
    SingleInstanceGuard guard;
    if (guard.Acquire("Ladomirka-start-up-probe") != SingleInstanceGuard::Outcome::First) return 3;
    bench::ProgramForms forms(argv[1]);
    if (!forms.Allocated()) return 4;
    return bench::ShowUntilExposed(forms.Main()) ? 0 : 5;
}

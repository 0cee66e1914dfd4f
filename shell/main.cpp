// Program entry: one instance per user, then the forms in their order and
// the message loop.  Returns 0 in every case.
#include <QApplication>
#include <QTimer>
#include <exception>
#include <memory>

#include "kernel/Units.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"
#include "shell/AppInfo.h"
#include "shell/BuiltInModels.h"
#include "shell/MainForm.h"
#include "shell/CorrectForm.h"
#include "shell/NewPrForm.h"
#include "shell/ReporForm.h"

namespace {

// The name of the single-instance lock (any fixed text unlikely to clash).
const char* const kInstanceKey = "Ladomirka-4.23-7F3A-K9Q2-M4XR-2B8D";

// The first instance comes forward when a later start asks for it.
void BringMainFormForward() {
    if (!MainForm) return;
    MainForm->setWindowState((MainForm->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    MainForm->show();
    MainForm->raise();
    MainForm->activateWindow();
}

int Run(QApplication& app) {
    SingleInstanceGuard guard;
    switch (guard.Acquire(kInstanceKey)) {
        case SingleInstanceGuard::Outcome::ActivatedOther:
            return 0;
        case SingleInstanceGuard::Outcome::OtherNotFound:
            ShowMessage("Previos application instance not found", "Application Error!", MsgIcon::None);
            break;
        case SingleInstanceGuard::Outcome::First:
            break;
    }
    guard.SetActivationCallback([] { RunGuarded(BringMainFormForward); });

    InitModelsGlobals();
    RegisterBuiltInModels();

    // The forms, in their order.  Each sets its global on construction.
    auto mainForm = std::make_unique<TMainForm>();
    auto reporForm = std::make_unique<TReporForm>();
    reporForm->FormCreate();
    if (!reporForm->AllocateSheets()) {
        // It has shown its message; the program ends here.
        mainForm.reset();
        reporForm.reset();
        DoneModelsGlobals();
        return 0;
    }
    QObject::connect(mainForm.get(), &TMainForm::Closed, &app, &QCoreApplication::quit);
    app.setQuitOnLastWindowClosed(false);

    auto newPrForm = std::make_unique<TNewPrForm>();
    // Constructing the order-number dialog switches on the one-shot start-up
    // timer: the start-up sequence begins 666 ms after the message loop.
    auto correctForm = std::make_unique<TCorrectForm>(mainForm.get());

    mainForm->show();
    app.exec();

    correctForm.reset();
    newPrForm.reset();
    mainForm.reset();
    reporForm.reset();
    DoneModelsGlobals();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    NameApplication();
    // Qt's dialogs in Russian like the rest; English when not installed.
    LoadQtTranslations();
    RunGuarded([&app] { Run(app); });
    return 0;
}

// The program's start-up as the entry runs it once the application object
// exists: the built-in garments registered, then the main window, the
// drawing window with its sheets, the base-selection dialog and the
// order-number dialog, in that order.  The settings file lives in the given
// folder and every message box is answered at once, so that nothing of the
// user's is read or written and nothing waits for a click.  The start-up
// timer is stopped: the about box and the base dialog that it opens are
// modal and wait for the user, which is not start-up.
//
// Shared by the start-up benchmarks and the start-up probe program.
#pragma once

#include <QTimer>
#include <memory>
#include <string>

#include "bench/ShowUntilExposed.h"
#include "kernel/DrawContext.h"
#include "kernel/Units.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "shell/BuiltInModels.h"
#include "shell/CorrectForm.h"
#include "shell/MainForm.h"
#include "shell/NewPrForm.h"
#include "shell/ReporForm.h"
#include "shell/Settings.h"

namespace bench {

class ProgramForms {
public:
    explicit ProgramForms(const std::string& settingsFolder) {
        TSettings::SetFolderOverride(settingsFolder);
        SetMessageInterceptor([](const MessageRecord&) { return MsgResult::Ok; });
        InitModelsGlobals();
        RegisterBuiltInModels();
        main_ = std::make_unique<TMainForm>();
        report_ = std::make_unique<TReporForm>();
        report_->FormCreate();
        allocated_ = report_->AllocateSheets();
        newPr_ = std::make_unique<TNewPrForm>();
        correct_ = std::make_unique<TCorrectForm>(main_.get());
        main_->Timer1->stop();
    }
    ~ProgramForms() {
        correct_.reset();
        newPr_.reset();
        main_.reset();  // writes the settings into the given folder
        report_.reset();
        DoneModelsGlobals();
        SetMessageInterceptor(nullptr);
        TSettings::SetFolderOverride("");
    }
    ProgramForms(const ProgramForms&) = delete;
    ProgramForms& operator=(const ProgramForms&) = delete;

    // Whether the drawing window could allocate its sheets at some scale.
    bool Allocated() const { return allocated_; }
    // The garment chosen with its pieces and its samples in the fields, the
    // sheets at 1:1; false when that could not be had.
    bool ChooseAtOneToOne(int type, int collar, int sleeve) {
        main_->FillSamples = true;
        const bool chosen = allocated_ && main_->CreateModel(type, collar, sleeve);
        if (chosen && ScreenDC.Scale != 1) main_->MasAtMainChange(3);
        return chosen && ScreenDC.Scale == 1;
    }
    TMainForm& Main() { return *main_; }
    TReporForm& Report() { return *report_; }

private:
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TReporForm> report_;
    std::unique_ptr<TNewPrForm> newPr_;
    std::unique_ptr<TCorrectForm> correct_;
    bool allocated_ = false;
};

}  // namespace bench

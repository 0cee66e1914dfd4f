// The real main window and drawing window, built as the entry builds them,
// for tests of every folder: the settings file in a temporary folder, every
// message box, desktop request and printer list intercepted, sheets
// allocated at a coarse scale (1:1 and 1:2 would only slow the tests down),
// and printing straight to the printer (no modal set-up window).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "platform/PrinterList.h"
#include "platform/Screen.h"
#include "platform/SheetImage.h"
#include "shell/MainForm.h"
#include "shell/ReporForm.h"
#include "shell/Settings.h"

class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        TSettings::SetFolderOverride(dir_.path().toStdString());
        SetMessageInterceptor([this](const MessageRecord& m) {
            messages.push_back(m);
            return MsgResult::Ok;
        });
        SetDesktopInterceptor([this](const DesktopRequest& r) {
            desktop.push_back(r);
            return desktopAnswer;
        });
        SetPrinterListOverride([this] { return printers; });
        SetScreenPixelsPerInchOverride(96);
        SheetImage::SetAllocationLimit(3'000'000);
        BeforeWindows();

        main = std::make_unique<TMainForm>();
        Settings->Record->ShowSetupBeforePrint = 0;
        report = std::make_unique<TReporForm>();
        report->FormCreate();
        ASSERT_TRUE(report->AllocateSheets());
        AfterWindows();
        messages.clear();
    }

    void TearDown() override {
        main.reset();
        report.reset();
        AfterTearDown();
        SheetImage::SetAllocationLimit(0);
        SetScreenPixelsPerInchOverride(0);
        SetPrinterListOverride(nullptr);
        SetDesktopInterceptor(nullptr);
        SetMessageInterceptor(nullptr);
        TSettings::SetFolderOverride("");
    }

    // Hooks of the derived fixtures: registration before the windows exist,
    // a garment after, and undoing what they set.
    virtual void BeforeWindows() {}
    virtual void AfterWindows() {}
    virtual void AfterTearDown() {}

    std::string SettingsFile() const { return dir_.filePath("Madrix.dat").toStdString(); }
    std::string TempPath(const std::string& name) const {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }

    // Shows the main window and makes it the active one, so that focus and
    // keys behave as for the user.
    void ShowMain() {
        main->show();
        main->activateWindow();
        QApplication::processEvents();
    }

    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TReporForm> report;
    std::vector<MessageRecord> messages;
    std::vector<DesktopRequest> desktop;
    bool desktopAnswer = true;
    std::vector<std::string> printers;

private:
    QTemporaryDir dir_;
};

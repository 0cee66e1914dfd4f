// The main window's commands on the test garment: the calculation road with
// each way it can fail, clearing, the scale commands, printing, help and the
// links, and the shutdown and restoring through the settings file.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <functional>
#include <new>
#include <stdexcept>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "platform/SheetImage.h"
#include "platform/Printer.h"
#include "platform/PrinterList.h"
#include "shell/PageSetupFile.h"
#include "shell/PrintSetUps.h"
#include "shell/Settings.h"
#include "tests/shell/MainFormFixture.h"

namespace {

using Step = TestScript::Step;

const char* const kCheck = "Пожалуйста, проверьте измерения. ";

bool IsWhite(QRgb c) { return c == qRgb(255, 255, 255); }

}  // namespace

class MainCommandsTest : public MainFormFixture {
protected:
    // A garment whose script counters start from zero.
    void MakeFreshGarment() {
        MakeGarment();
        Script().Reset();
    }
};

TEST_F(MainCommandsTest, CalculateRoadAndItsFailures) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int runs;              // Calculate calls
        const char* text;      // the message, nullptr for none
        const char* caption;
        bool calculated;
    };
    const std::vector<Step> sevenFaults(7, Step::Float);
    const std::vector<Step> eightFaults(8, Step::Float);
    std::vector<Step> faultsThenRunAway = sevenFaults, runAwaysThenFault(7, Step::RunAway1);
    faultsThenRunAway.push_back(Step::RunAway2);
    runAwaysThenFault.push_back(Step::Float);
    const Case cases[] = {
        {"success", {}, 1, nullptr, nullptr, true},
        {"sleeve cap", {Step::Int1}, 1, "Ширина рукава больше допустимой. ", "Сбой при расчёте оката", false},
        {"armhole", {Step::Int2}, 1, kCheck, "Сбой при расчёте проймы", false},
        {"another integer", {Step::Int7}, 1, nullptr, nullptr, false},
        {"eight kernel faults", eightFaults, 8, kCheck, "Сбой при расчёте", false},
        {"seven faults, then success", sevenFaults, 8, nullptr, nullptr, true},
        {"a fault, then the sleeve cap", {Step::Float, Step::Int1}, 2, "Ширина рукава больше допустимой. ",
         "Сбой при расчёте оката", false},
        // A fitting loop that ran away is a fault, rerun like any other;
        // when every run fails, the eighth failure is reported, as its
        // piece's failure when its loop ran away.
        {"a runaway armhole, then success", {Step::RunAway2}, 2, nullptr, nullptr, true},
        {"eight runaway sleeve caps", std::vector<Step>(8, Step::RunAway1), 8, "Ширина рукава больше допустимой. ",
         "Сбой при расчёте оката", false},
        {"seven faults, then a runaway armhole", faultsThenRunAway, 8, kCheck, "Сбой при расчёте проймы", false},
        {"seven runaway sleeve caps, then a fault", runAwaysThenFault, 8, kCheck, "Сбой при расчёте", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeFreshGarment();
        report->hide();
        const int order = main->OrderNumber;
        Script().calculate.assign(c.steps.begin(), c.steps.end());

        main->Calc->trigger();

        EXPECT_EQ(Script().getMeasures, 1);
        // Cleared once before the runs, not per run; a failed draft is
        // cleared once more, so that nothing of it stays drawn.
        EXPECT_EQ(Script().clearSheets, c.calculated ? 1 : 2);
        EXPECT_EQ(Script().calculateCalls, c.runs);
        EXPECT_EQ(Script().draws, c.calculated ? 1 : 0);
        if (c.calculated) {
            EXPECT_EQ(Script().lastTableScale, 4);
        }
        EXPECT_EQ(main->Model->calculated, c.calculated);
        EXPECT_EQ(main->OrderNumber, order + 1);
        EXPECT_TRUE(report->isVisible());
        if (c.text) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, c.text);
            EXPECT_EQ(messages[0].caption, c.caption);
            EXPECT_EQ(messages[0].icon, MsgIcon::Error);
        } else {
            EXPECT_TRUE(messages.empty());
        }
        messages.clear();
    }
}

TEST_F(MainCommandsTest, FailedMeasuresLeaveBlankSheetsAndTheOrderNumber) {
    MakeFreshGarment();
    main->Calc->trigger();  // a drawn pattern first
    ASSERT_TRUE(main->Model->calculated);
    report->hide();
    Script().Reset();
    Script().measuresOk = false;
    const int order = main->OrderNumber;

    main->Calc->trigger();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Введите верные измерения  ") << "only the garment's own message";
    EXPECT_EQ(Script().calculateCalls, 0);
    EXPECT_EQ(Script().clearSheets, 1);
    EXPECT_FALSE(main->Model->calculated);
    EXPECT_EQ(main->OrderNumber, order);
    EXPECT_FALSE(report->isVisible());
    // The sheet is white with its grid: the drawn line is gone.
    const QImage& sheet = report->List1()->Bitmap();
    EXPECT_TRUE(IsWhite(sheet.pixel(100, 20)));
    EXPECT_TRUE(IsWhite(sheet.pixel(1, 1)));
    const int coarse = int(ScreenDC.PxPerCmX * 2.5f);
    const int fine = int(ScreenDC.PxPerCmX * 0.5f);
    EXPECT_EQ(sheet.pixel(coarse, 1), qRgb(220, 220, 220));
    EXPECT_EQ(sheet.pixel(fine, 1), qRgb(240, 240, 240));
}

TEST_F(MainCommandsTest, AnUnexpectedExceptionIsShownNotThrown) {
    MakeFreshGarment();
    Script().calculate = {Step::Other};
    const int order = main->OrderNumber;
    main->Calc->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(Script().calculateCalls, 1) << "not rerun";
    EXPECT_EQ(main->OrderNumber, order);
}

TEST_F(MainCommandsTest, FailuresAreToldInTheProgramsWordsNeverTheExceptions) {
    struct Case {
        const char* name;
        std::function<void()> fault;
        std::string text;
    };
    const Case cases[] = {
        {"drafting fault", [] { throw EFloatError("floating-point fault: pixel y"); }, kDraftFailedText},
        {"no memory", [] { throw std::bad_alloc(); }, kNoMemoryText},
        {"no sheet bitmap", [] { throw EOutOfResources("Not enough memory for a sheet bitmap"); }, kNoMemoryText},
        {"another exception", [] { throw std::runtime_error("Printer is not currently printing"); },
         kInternalErrorText},
        {"something else", [] { throw 3.5; }, kInternalErrorText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        RunGuarded(c.fault);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(messages[0].icon, MsgIcon::Error);
    }
}

// Should a calculated draft fail to draw at another scale, it is not left
// half drawn: the sheets are cleared and the garment counts as not
// calculated, with the program's message.
TEST_F(MainCommandsTest, ADraftThatFailsToDrawAtAScaleIsDiscarded) {
    MakeFreshGarment();
    main->Calc->trigger();
    ASSERT_TRUE(main->Model->calculated);
    messages.clear();
    Script().drawThrows = true;
    main->Mashtab14->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kDraftFailedText);
    EXPECT_FALSE(main->Model->calculated);
    EXPECT_TRUE(IsWhite(report->List1()->Bitmap().pixel(100, 20))) << "the drawn line is gone";
}

TEST_F(MainCommandsTest, ClearEmptiesTheInputsAndTheSheets) {
    MakeGarment(1, 2);
    ShowMain();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->Calc->trigger();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->Meas(2)->setFocus();
    main->CustomerData->setText("Иванова");
    Script().Reset();

    main->ClearModel->trigger();

    EXPECT_EQ(Script().log, (std::vector<std::string>{"clear(2)"}));
    EXPECT_EQ(Script().clearSheets, 1);
    EXPECT_TRUE(main->Meas(1)->text().isEmpty());
    EXPECT_TRUE(main->CustomerData->text().isEmpty());
    EXPECT_FALSE(main->Model->calculated);
    EXPECT_EQ(QApplication::focusWidget(), main->Meas(1));
}

TEST_F(MainCommandsTest, ScaleCommandsKeepBothListsAndTheMenuInStepWithoutRecalculating) {
    MakeFreshGarment();
    main->Calc->trigger();
    Script().Reset();

    main->Mashtab13->trigger();
    EXPECT_EQ(ScreenDC.Scale, 3);
    EXPECT_EQ(main->MasAtMain->currentIndex(), 1);
    EXPECT_EQ(report->MasAtReport->currentIndex(), 1);
    EXPECT_TRUE(main->Mas13->isChecked());
    EXPECT_FALSE(main->Mas14->isChecked());
    EXPECT_EQ(Script().calculateCalls, 0);
    EXPECT_EQ(Script().clearSheets, 1);
    EXPECT_EQ(Script().draws, 1);
    EXPECT_EQ(Script().lastTableScale, 3);
    EXPECT_EQ(report->List1()->Width(), int(ScreenDC.PxPerCmAt1 / 3 * kSheetWidthCm));

    // The main window's list, as the user chooses in it.
    main->MasAtMain->setCurrentIndex(0);
    emit main->MasAtMain->activated(0);
    EXPECT_EQ(ScreenDC.Scale, 4);
    EXPECT_EQ(report->MasAtReport->currentIndex(), 0);
    EXPECT_TRUE(main->Mas14->isChecked());
    EXPECT_EQ(Script().draws, 2);
    EXPECT_EQ(Script().lastTableScale, 4);

    // The drawing window's list leads the main window's.
    report->MasAtReport->setCurrentIndex(1);
    emit report->MasAtReport->activated(1);
    EXPECT_EQ(ScreenDC.Scale, 3);
    EXPECT_EQ(main->MasAtMain->currentIndex(), 1);
    EXPECT_TRUE(main->Mas13->isChecked());
    EXPECT_EQ(Script().calculateCalls, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainCommandsTest, AScaleFinerThanTheSheetsIsRefusedAndTheListsShowTheOneInForce) {
    ASSERT_EQ(ScreenDC.MinScale, 3) << "the fixture's sheets stop at 1:3";
    main->Mashtab11->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kScaleTooFineText);
    EXPECT_EQ(ScreenDC.Scale, 3);
    EXPECT_EQ(main->MasAtMain->currentIndex(), 1);
    EXPECT_EQ(report->MasAtReport->currentIndex(), 1);
    EXPECT_TRUE(main->Mas13->isChecked());
    EXPECT_FALSE(main->Mas11->isChecked());
}

TEST_F(MainCommandsTest, PrintWithoutPrinterShowsTheMessage) {
    MakeFreshGarment();
    main->ToPrint->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Принтер не установлен!  ");
    EXPECT_EQ(messages[0].caption, "");
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(Script().prints, 0);

    messages.clear();
    main->PrintSetUp->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Принтер не установлен!  ");
}

TEST_F(MainCommandsTest, PrintDisablesTheButtonsAndRestoresThemEvenWhenPrintingFails) {
    printers = {"Office"};
    MakeFreshGarment();
    main->ToPrint->trigger();
    EXPECT_EQ(Script().prints, 1);
    EXPECT_FALSE(Script().printButtonsEnabledDuringPrint);
    EXPECT_TRUE(messages.empty());

    Script().printThrows = true;
    main->ToPrint->trigger();
    EXPECT_EQ(Script().prints, 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kInternalErrorText) << "the program's words, not the exception's";
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);
    EXPECT_TRUE(main->ToolButton6->isEnabled());
    EXPECT_TRUE(main->ToolButton8->isEnabled());
    EXPECT_TRUE(report->ToPrint->isEnabled());
    EXPECT_TRUE(report->PrintSetUp->isEnabled());
}

// Start-up neither reads the printers nor makes the printer (the print
// system can be slow to answer); the print set-up window, opened first,
// finds the list and the print choices of the earlier run in force.  A run
// that never used the printer keeps those choices for the next.
TEST_F(MainCommandsTest, StartUpLeavesThePrintSystemAloneAndTheFirstUseFindsTheSavedChoices) {
    main.reset();
    std::string folder;
    {
        TSettings settings(683, 530);
        settings.Record->PrintQuality = 2;  // low
        settings.Record->Portrait = 0;
        folder = settings.Path;
    }
    ASSERT_TRUE(WritePageChoice(folder, PageChoice{true, QPageSize(QPageSize::A5), false, true}));
    static int reads;
    reads = 0;
    SetPrinterListOverride([] {
        ++reads;
        return std::vector<std::string>{"Office", "Hall"};
    });
    QPrinter& device = ThePrinter().Device();
    const QPageLayout layout = device.pageLayout();
    const int resolution = ThePrinter().QualityResolution();

    // A run that does not print.
    main = std::make_unique<TMainForm>();
    EXPECT_EQ(reads, 0);
    EXPECT_TRUE(PrinterRestorePending());
    main.reset();
    EXPECT_EQ(reads, 0);
    EXPECT_FALSE(PrinterRestorePending());
    {
        TSettings written(683, 530);
        EXPECT_EQ(written.Record->PrintQuality, 2);
        EXPECT_EQ(written.Record->Portrait, 0);
    }

    // A run that opens the print set-up window.
    main = std::make_unique<TMainForm>();
    EXPECT_EQ(reads, 0);
    main->PrintSetUpExecute();
    EXPECT_GT(reads, 0);
    ASSERT_NE(PrintSetUps, nullptr);
    EXPECT_EQ(PrintSetUps->PrinterBox->currentText().toStdString(), "Office");
    EXPECT_EQ(PrintSetUps->ComboBox1->currentIndex(), 2) << "low quality";
    EXPECT_TRUE(PrintSetUps->RadioButtonLandscape->isChecked());
    EXPECT_EQ(device.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(device.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(ThePrinter().QualityResolution(), 150);
    PrintSetUps->CloseButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main.reset();
    {
        TSettings written(683, 530);
        EXPECT_EQ(written.Record->PrintQuality, 2);
        EXPECT_EQ(written.Record->Portrait, 0);
    }

    UserPageChoice() = PageChoice();
    device.setPageLayout(layout);
    ThePrinter().SetQualityResolution(resolution);
    SetPrinterListOverride([this] { return printers; });
    main = std::make_unique<TMainForm>();
}

TEST_F(MainCommandsTest, CommandsWithoutAGarmentDoNothing) {
    printers = {"Office"};
    for (QAction* a : {main->Calc, main->ClearModel, main->ToPrint, main->Mashtab13, main->Mashtab14}) a->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(main->OrderNumber, 1);
    EXPECT_EQ(Script().getMeasures + Script().clearSheets + Script().prints, 0);
}

TEST_F(MainCommandsTest, HelpOpensTheProgramsPageOrSaysWhyNot) {
    main->OpenHelpFile->trigger();
    ASSERT_EQ(desktop.size(), 1u);
    EXPECT_EQ(desktop[0].kind, DesktopRequest::Kind::Document);
    EXPECT_EQ(desktop[0].target, main->HelpFile);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(main->HelpFile))) << "the page lies next to the program";
    EXPECT_TRUE(messages.empty());

    desktopAnswer = false;
    main->OpenHelpFile->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);
    EXPECT_NE(messages[0].text.find(main->HelpFile), std::string::npos);

    messages.clear();
    desktop.clear();
    main->HelpFile = "/nowhere/ModrinHelp.html";
    main->OpenHelpFile->trigger();
    EXPECT_TRUE(desktop.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);
}

TEST_F(MainCommandsTest, LinksOpenThroughTheDesktop) {
    for (QAction* a : {main->Answers, main->Modelling, main->QuestionMe}) a->trigger();
    ASSERT_EQ(desktop.size(), 3u);
    for (const DesktopRequest& r : desktop) EXPECT_EQ(r.kind, DesktopRequest::Kind::Url);
    EXPECT_EQ(desktop[0].target.rfind("https://", 0), 0u);
    EXPECT_EQ(desktop[1].target.rfind("https://", 0), 0u);
    EXPECT_EQ(desktop[2].target.rfind("mailto:", 0), 0u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainCommandsTest, ReOnShowsTheDrawingWindow) {
    report->hide();
    main->ReOn->trigger();
    EXPECT_TRUE(report->isVisible());
}

TEST_F(MainCommandsTest, ShutdownDeletesThePiecesAndWritesTheSettings) {
    MakeGarment(1, 2);
    main->OrderNumber = 41;
    main->FillSamples = false;
    report->show();
    report->setWindowState(Qt::WindowMinimized);
    const TSettingsRecord before = *Settings->Record;
    Script().log.clear();

    main->close();

    EXPECT_EQ(Script().log, (std::vector<std::string>{"model-", "collar-1", "sleeve-2"}));
    EXPECT_EQ(main->Model, nullptr);
    EXPECT_EQ(Settings, nullptr);
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(SettingsFile())));

    TSettings written(683, 530);
    EXPECT_EQ(written.Record->OrderNumber, 41);
    EXPECT_EQ(written.Record->FillSamples, 0);
    EXPECT_EQ(written.Record->ReportState, 2);
    EXPECT_EQ(written.Record->ReportWidth, before.ReportWidth) << "a minimized window keeps the last normal bounds";
    EXPECT_EQ(written.Record->ReportHeight, before.ReportHeight);
    EXPECT_EQ(written.Record->MainLeft, main->x());
    EXPECT_EQ(written.Record->MainTop, main->y());
}

TEST_F(MainCommandsTest, RestoringReadsTheOrderNumberSamplesAndPrinterChoices) {
    main.reset();  // writes the file of a first start
    {
        TSettings settings(683, 530);
        settings.Record->OrderNumber = 17;
        settings.Record->FillSamples = 0;
        settings.Record->PrintQuality = 0;  // best
        settings.Record->Portrait = 0;
    }
    printers = {"Office"};
    RefreshPrinters();
    QPrinter& device = ThePrinter().Device();
    const int resolution = ThePrinter().QualityResolution();
    main = std::make_unique<TMainForm>();
    EXPECT_EQ(main->OrderNumber, 17);
    EXPECT_FALSE(main->FillSamples);
    EXPECT_EQ(main->DevMode.PrintQuality, -4);
    // The printer takes them at its first use.
    EXPECT_EQ(ThePrinter().Device().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(ThePrinter().QualityResolution(), 600) << "best quality";

    main->DevMode.PrintQuality = -1;  // draft, as the print set-up window would choose
    main.reset();
    TSettings written(683, 530);
    EXPECT_EQ(written.Record->PrintQuality, 3);
    EXPECT_EQ(written.Record->Portrait, 0);
    device.setPageOrientation(QPageLayout::Portrait);
    ThePrinter().SetQualityResolution(resolution);
}

// The main window's life after construction: restoring from the settings,
// the start-up sequence, the calculation road, clearing, the screen scale,
// printing, help and the help menu's links, and the shutdown.
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/Models.h"
#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "platform/Printer.h"
#include "platform/PrinterList.h"
#include "shell/AboutForm.h"
#include "shell/AppInfo.h"
#include "shell/CorrectForm.h"
#include "shell/MainForm.h"
#include "shell/NewPrForm.h"
#include "shell/OrderFile.h"
#include "shell/PageSetupFile.h"
#include "shell/PrintSetUps.h"
#include "shell/PrintToPdf.h"
#include "shell/ReporForm.h"
#include "shell/Settings.h"

namespace {

// The calculation block runs at most this many times for one command.
constexpr int kCalcRuns = 8;

const char* const kCheckMeasuresText = "Пожалуйста, проверьте измерения. ";
const char* const kCalcFailedCaption = "Сбой при расчёте";
const char* const kCapFailedText = "Ширина рукава больше допустимой. ";
const char* const kCapFailedCaption = "Сбой при расчёте оката";
const char* const kArmholeFailedCaption = "Сбой при расчёте проймы";
const char* const kPagesFailedText =
    "Чертёж не удаётся разложить по страницам принтера. Пожалуйста, проверьте измерения и размер бумаги. ";
const char* const kDraftTooLargeText =
    "Чертёж не помещается на листах. Пожалуйста, проверьте измерения. ";

// How far (cm) a drawing may reach beyond the edges of a sheet: the labels
// of points on the edge stand a little outside it.
constexpr double kSheetSlackCm = 5.0;

// The maker's pages and mail, opened by the help menu's links.
const char* const kAnswersUrl = "https://ladomirka.ru/voprosy-i-otvety";
const char* const kModellingUrl = "https://ladomirka.ru/modelirovanie";
const char* const kQuestionUrl = "mailto:vopros@ladomirka.ru?subject=%D0%9B%D0%B0%D0%B4%D0%BE%D0%BC%D0%B8%D1%80%D0%BA%D0%B0%204.23";

// Stored print quality 0..3 <-> the driver's -4..-1 (high, medium, low,
// draft); anything else has no counterpart.
int QualityFromStored(int stored) { return stored >= 0 && stored <= 3 ? stored - 4 : 0; }
int StoredFromQuality(int quality) { return quality >= -4 && quality <= -1 ? quality + 4 : -1; }
// The printer resolution of a quality, in dots per inch.
int ResolutionOfQuality(int quality) {
    switch (quality) {
        case -4: return 600;
        case -3: return 300;
        case -2: return 150;
        default: return 96;
    }
}

// True when the drawing lies on the sheets (within the slack).
bool DrawingFitsSheets(const TDrawContext::Extent& drawn) {
    if (drawn.Empty()) return true;
    return drawn.left >= -kSheetSlackCm && drawn.right <= kSheetWidthCm + kSheetSlackCm &&
           drawn.top >= -kSheetSlackCm && drawn.bottom <= kSheetHeightCm + kSheetSlackCm;
}

void OpenLink(const char* url) {
    if (!OpenUrl(url))
        ShowMessage(std::string("Не удалось открыть адрес ") + url + ". ", kAppTitle, MsgIcon::Error);
}

// The message of a piece's own failure: 1 the sleeve cap, 2 the armhole;
// any other integer has none.
void ShowPieceFailure(int code) {
    if (code == 1)
        ShowMessage(kCapFailedText, kCapFailedCaption, MsgIcon::Error);
    else if (code == 2)
        ShowMessage(kCheckMeasuresText, kArmholeFailedCaption, MsgIcon::Error);
}

}  // namespace

void ShowNoPrinterMessage() { ShowMessage("Принтер не установлен!  ", "", MsgIcon::Error); }

// ---------------------------------------------------------------------------
// Restoring, start-up and shutdown

void TMainForm::FormCreate() {
    TSettingsRecord& r = *Settings->Record;
    move(r.MainLeft, r.MainTop);
    // A number the order-number dialog could not show or take (a damaged
    // or hand-edited file) is held within its range.
    OrderNumber = ClampedOrderNumber(r.OrderNumber);
    // The paper and orientation chosen in the page set-up of an earlier run.
    LoadUserPageChoice();
    // The print choices are given to the printer when it is first used:
    // reading the printers and making the printer waits for the print
    // system, which start-up need not do.
    const int quality = QualityFromStored(r.PrintQuality);
    if (quality != 0) DevMode.PrintQuality = quality;
    DevMode.Copies = 1;
    const PageChoice& page = UserPageChoice();
    DevMode.Portrait = page.hasOrientation ? page.portrait : r.Portrait != 0;
    SetPrinterRestore([this] { RestorePrintChoices(); });
    FillSamples = r.FillSamples != 0;
}

void TMainForm::RestorePrintChoices() {
    if (!PrinterInstalled()) return;
    const PageChoice& page = UserPageChoice();
    if (page.hasPaper) ThePrinter().Device().setPageSize(page.paper);
    ApplyDevMode(DevMode);
}

void TMainForm::Timer1Timer() {
    Timer1->stop();
    ShowAboutAtStartUp(*this);
    RunBaseSelection();
}

void TMainForm::FormClose() {
    if (closed_) return;
    closed_ = true;
    // A printer never used this run keeps the choices restored at start.
    const bool printerUsed = !PrinterRestorePending();
    SetPrinterRestore(nullptr);
    delete Model;
    Model = nullptr;
    delete Collar;
    Collar = nullptr;
    delete Sleeve;
    Sleeve = nullptr;
    if (!Settings) return;

    TSettingsRecord& r = *Settings->Record;
    r.MainLeft = x();
    r.MainTop = y();
    r.OrderNumber = OrderNumber;
    if (ReporForm) {
        const Qt::WindowStates state = ReporForm->windowState();
        if (!(state & (Qt::WindowMinimized | Qt::WindowMaximized))) {
            const QRect bounds = ReporForm->geometry();
            r.ReportLeft = ReporForm->x();
            r.ReportTop = ReporForm->y();
            r.ReportWidth = bounds.width();
            r.ReportHeight = bounds.height();
        }
        r.ReportState = (state & Qt::WindowMinimized) ? 2 : (state & Qt::WindowMaximized) ? 1 : 0;
    }
    if (!printerUsed || PrinterInstalled()) {
        const TDevMode mode = printerUsed ? LockDevMode() : DevMode;
        const int stored = StoredFromQuality(mode.PrintQuality);
        if (stored >= 0) r.PrintQuality = stored;
        r.Portrait = mode.Portrait ? 1 : 0;
    }
    r.FillSamples = FillSamples ? 1 : 0;
    delete Settings;  // writes the file
    Settings = nullptr;
}

void TMainForm::CloseProgExecute() { close(); }

void TMainForm::NewProjectExecute() { RunBaseSelection(); }

void TMainForm::PAboutExecute() { ToggleAboutBox(*this); }

void TMainForm::OpenExecute() { OpenOrderCommand(*this); }

void TMainForm::SaveModelExecute() { SaveOrderCommand(*this); }

void TMainForm::ModelTypeMouseDown(Qt::MouseButton button) {
    if (button != Qt::RightButton) return;
    RunOrderNumberDialog(*this);
}

// ---------------------------------------------------------------------------
// The calculation road

void TMainForm::CalcBlock() {
    ScreenDC.ResetDrawnExtent();
    Model->Calculate();
    Model->CalcSegments();
    Model->Draw();
    Model->DrawTables(4 - MasAtMain->currentIndex());
}

void TMainForm::DiscardDraft() {
    Model->calculated = false;
    Model->ClearSheets();
}

bool TMainForm::RunCalcBlock(const char* eighthFailureText) {
    // A floating-point fault of the kernel (EFloatError, or any other
    // exception of the standard library) reruns the whole block; the eighth
    // failure in a row is reported, as the failure of the piece whose
    // fitting ran away when that was the fault.  A thrown integer is the
    // drafting's own verdict and is never rerun.  Whatever fails, nothing
    // of the failed draft stays drawn or printable: a half-new draft would
    // mix the new measurements with the old pattern.
    for (int run = 1; run <= kCalcRuns; ++run) {
        try {
            CalcBlock();
        } catch (const std::exception& e) {
            if (run < kCalcRuns) continue;
            DiscardDraft();
            if (const auto* runAway = dynamic_cast<const EFitRunAway*>(&e))
                ShowPieceFailure(runAway->failure);
            else
                ShowMessage(eighthFailureText, kCalcFailedCaption, MsgIcon::Error);
            return false;
        } catch (int code) {
            DiscardDraft();
            ShowPieceFailure(code);
            return false;
        }
        // The pattern must lie on the sheets: what lies beyond them is seen
        // at no scale, and only a slip in the measurements puts it there.
        if (!DrawingFitsSheets(ScreenDC.DrawnExtent())) {
            DiscardDraft();
            ShowMessage(kDraftTooLargeText, kCalcFailedCaption, MsgIcon::Error);
            return false;
        }
        return true;
    }
    return false;
}

void TMainForm::CalcExecute() {
    if (!Model) return;
    if (!Model->GetMeasures()) {
        Model->ClearSheets();
        Model->calculated = false;
        return;
    }
    if (ReporForm && !ReporForm->isVisible()) ReporForm->show();
    Model->ClearSheets();
    RunCalcBlock(kCheckMeasuresText);

    if (ReporForm) {
        ReporForm->raise();
        ReporForm->activateWindow();
    }
    OrderNumber = ClampedOrderNumber(static_cast<long long>(OrderNumber) + 1);
}

void TMainForm::ClearModelExecute() {
    if (Model) {
        Model->ClearInputs(SleeveKind);
        Model->ClearSheets();
    }
    if (!Meas(1)->isHidden()) Meas(1)->setFocus();
    if (ScrollBox1->verticalScrollBar()->isVisible()) ScrollBox1->verticalScrollBar()->setValue(0);
}

void TMainForm::ReOnExecute() {
    if (!ReporForm) return;
    ReporForm->show();
    ReporForm->raise();
    ReporForm->activateWindow();
}

// ---------------------------------------------------------------------------
// Screen scale

void TMainForm::ApplyScale(int n) {
    // Setting the other lists below must not come back here through their
    // change signals.
    if (scaleChanging_) return;
    scaleChanging_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{scaleChanging_};

    if (ScreenDC.Window) {
        // A scale finer than the sheets allow is refused (with a message) and
        // the finest allowed one used instead: the lists, the menu and the
        // tables show the scale actually in force.
        ScreenDC.SetScale(n);
        if (ScreenDC.Scale >= 1 && ScreenDC.Scale <= 4) n = ScreenDC.Scale;
    }
    {
        const QSignalBlocker block(MasAtMain);
        MasAtMain->setCurrentIndex(4 - n);
    }
    if (ReporForm) {
        const QSignalBlocker block(ReporForm->MasAtReport);
        ReporForm->MasAtReport->setCurrentIndex(4 - n);
    }
    ScaleMenuItem(n)->setChecked(true);
    if (Model) {
        try {
            Model->ClearSheets();
            Model->Draw();
            Model->DrawTables(n);
        } catch (...) {
            // A draft that cannot be drawn at this scale is not left half
            // drawn (nor printable); the failure is reported by the caller.
            DiscardDraft();
            throw;
        }
    }
}

void TMainForm::MasAtMainChange(int index) {
    if (index >= 0 && index <= 3) ApplyScale(4 - index);
}

void TMainForm::Mashtab14Execute() { ApplyScale(4); }
void TMainForm::Mashtab13Execute() { ApplyScale(3); }
void TMainForm::Mashtab12Execute() { ApplyScale(2); }
void TMainForm::Mashtab11Execute() { ApplyScale(1); }

// ---------------------------------------------------------------------------
// Printing

TDevMode TMainForm::LockDevMode() {
    TDevMode mode = DevMode;
    mode.Portrait = ThePrinter().Device().pageLayout().orientation() == QPageLayout::Portrait;
    return mode;
}

void TMainForm::ApplyDevMode(const TDevMode& mode) {
    DevMode = mode;
    QPrinter& device = ThePrinter().Device();
    ThePrinter().SetQualityResolution(ResolutionOfQuality(mode.PrintQuality));
    device.setCopyCount(mode.Copies);
    device.setPageOrientation(mode.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void TMainForm::ToPrintExecute() {
    if (!Model) return;
    if (!PrinterInstalled()) {
        RefreshPrinters();
        if (!PrinterInstalled()) {
            ShowNoPrinterMessage();
            return;
        }
    }
    PrintModel();
}

void TMainForm::PrintModel() {
    if (!Model) return;
    if (!PrintSetUpOpen && Settings && Settings->Record->ShowSetupBeforePrint && !RunPrintSetupBeforePrint(*this))
        return;
    auto enableButtons = [this](bool enabled) {
        ToolButton8->setEnabled(enabled);
        ToolButton6->setEnabled(enabled);
        if (ReporForm) ReporForm->SetPrintButtonsEnabled(enabled);
    };
    enableButtons(false);
    try {
        // An open (modeless) print set-up window hides while printing.
        const PrintSetupHiddenWhilePrinting hideSetUp;
        // The chosen printer, checked; for the PDF file its name, asked just
        // before the job (a garment with nothing to print says so itself).
        // Cancelling prints nothing.
        if (!Model->calculated || PreparePrinterForJob(*this)) Model->Print();
    } catch (const PrintJobCancelled&) {
        // The user said no to a job of too many pages: nothing was sent.
    } catch (const PrintJobError& e) {
        ShowMessage(e.what(), kPrintCaption, MsgIcon::Error);
    } catch (const EFloatError&) {
        // The drawing cannot be laid over pages (a page of no size, or far
        // too many pages).
        ShowMessage(kPagesFailedText, kPrintCaption, MsgIcon::Error);
    } catch (...) {
        enableButtons(true);
        throw;
    }
    enableButtons(true);
}

void TMainForm::PrintSetUpExecute() {
    RefreshPrinters();
    if (!PrinterInstalled()) {
        ShowNoPrinterMessage();
        return;
    }
    ShowPrintSetupWindow(*this);
}

// ---------------------------------------------------------------------------
// Help

void TMainForm::OpenHelpFileExecute() {
    const QString path = QString::fromStdString(HelpFile);
    if (!QFileInfo(path).isFile() || !OpenDocument(HelpFile))
        ShowMessage("Не удалось открыть описание программы:\n" + HelpFile + "\n\nПроверьте, что файл на месте и что в системе есть программа для просмотра страниц HTML. ",
                    "Справка по программе Ладомирка", MsgIcon::Error);
}

void TMainForm::AnswersExecute() { OpenLink(kAnswersUrl); }
void TMainForm::ModellingExecute() { OpenLink(kModellingUrl); }
void TMainForm::QuestionMeExecute() { OpenLink(kQuestionUrl); }

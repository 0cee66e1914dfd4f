// Printing to the PDF-file printer: chosen in the print set-up window, the
// print command asks for the file just before the job and writes the skirt
// there; cancelling prints nothing; the proposed file name.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QRadioButton>
#include <QPrinter>
#include <QRegularExpression>
#include <QToolButton>
#include <memory>

#include "kernel/PrintTiling.h"
#include "kernel/SheetCaptions.h"
#include "platform/Printer.h"
#include "platform/PrinterList.h"
#include "platform/PrinterSetup.h"
#include "shell/PageSetupFile.h"
#include "shell/PrintSetUps.h"
#include "shell/PrintToPdf.h"
#include "tests/shell/SkirtPrintFixture.h"

namespace {

// The pages of a PDF file: its page objects (not the page tree).
int PageObjects(const QString& path) {
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return int(QString::fromLatin1(pdf.readAll()).count(page));
}

std::vector<std::string> ComboItems(const QComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.count(); ++i) items.push_back(box.itemText(i).toStdString());
    return items;
}

class PrintToPdfTest : public SkirtPrintTest {
protected:
    void BeforeWindows() override {
        SkirtPrintTest::BeforeWindows();
        printers = {"Office", kPdfPrinterName};
    }
    void AfterWindows() override {
        SkirtPrintTest::AfterWindows();
        SetPdfFileDialogHook([this](const std::string& proposed) {
            proposals.push_back(proposed);
            buttonsWhileAsked = main->ToolButton6->isEnabled() || main->ToolButton8->isEnabled() ||
                                report->ToPrint->isEnabled() || report->PrintSetUp->isEnabled();
            setUpShownWhileAsked = PrintSetUps && PrintSetUps->isVisible();
            return answer;
        });
    }
    void TearDown() override {
        window.reset();
        SetPdfFileDialogHook(nullptr);
        SetPrinterSetupDialogOverride(nullptr);
        SetPrinterDefaultsOverride(nullptr);
        ThePrinter().Abort();
        ThePrinter().Device().setPageSize(paper_);
        UserPageChoice() = PageChoice();
        SkirtPrintTest::TearDown();
    }

    bool ButtonsEnabled() const {
        return main->ToolButton6->isEnabled() && main->ToolButton8->isEnabled() && report->ToPrint->isEnabled() &&
               report->PrintSetUp->isEnabled();
    }

    std::vector<std::string> proposals;
    std::string answer;
    bool buttonsWhileAsked = true;
    bool setUpShownWhileAsked = true;

private:
    const QPageSize paper_ = ThePrinter().Device().pageLayout().pageSize();
};

TEST_F(PrintToPdfTest, TheSetUpWindowListsThePrintersAndShowsTheChoice) {
    TPrintSetUps& w = ChooseInSetUp("Office");
    EXPECT_EQ(w.PrinterLabel->text().toStdString(), "Принтер:");
    EXPECT_EQ(ComboItems(*w.PrinterBox), (std::vector<std::string>{"Office", kPdfPrinterName}));
    EXPECT_EQ(w.PrinterBox->currentText().toStdString(), "Office");

    w.PrinterBox->setCurrentIndex(1);
    w.PrinterBoxClick();
    EXPECT_TRUE(PdfFileChosen());
    // The choice holds for the run: the next window opens on it.
    window = std::make_unique<TPrintSetUps>(false, main.get());
    EXPECT_EQ(window->PrinterBox->currentText().toStdString(), kPdfPrinterName);

    // No printer at all: an empty list.
    printers.clear();
    RefreshPrinters();
    window = std::make_unique<TPrintSetUps>(false, main.get());
    EXPECT_EQ(window->PrinterBox->count(), 0);
    EXPECT_EQ(window->PrinterBox->currentIndex(), -1);
}

TEST_F(PrintToPdfTest, ChoosingAPrinterKeepsQualityAndCopiesAndTakesItsOwnPaper) {
    SetPrinterDefaultsOverride([](const std::string& name) {
        return name == "Office" ? PrinterDefaults{QPageSize(QPageSize::Letter), false}
                                : PrinterDefaults{QPageSize(QPageSize::A4), true};
    });
    const QPrinter& device = ThePrinter().Device();
    auto expectPage = [&](QPageSize::PageSizeId paper, bool portrait, const char* where) {
        EXPECT_EQ(device.pageLayout().pageSize().id(), paper) << where;
        EXPECT_EQ(device.pageLayout().orientation() == QPageLayout::Portrait, portrait) << where;
        EXPECT_EQ(main->LockDevMode().Portrait, portrait) << where;
        EXPECT_EQ(window->RadioButtonPortrait->isChecked(), portrait) << where;
    };

    // Nothing chosen by the user: each printer's own paper and orientation.
    main->ApplyDevMode(TDevMode{-2, 3, true});
    ChooseInSetUp("Office");
    expectPage(QPageSize::Letter, false, "Office");
    ChooseInSetUp(kPdfPrinterName);
    expectPage(QPageSize::A4, true, "PDF");
    EXPECT_EQ(ThePrinter().QualityResolution(), 150);
    EXPECT_EQ(device.copyCount(), 3);

    // The page set-up's choice holds for every printer.
    SetPrinterSetupDialogOverride([](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A5));
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    window->AdditionButtonClick();
    expectPage(QPageSize::A5, false, "after the page set-up");
    ChooseInSetUp("Office");
    expectPage(QPageSize::A5, false, "Office after the page set-up");
    ChooseInSetUp(kPdfPrinterName);
    expectPage(QPageSize::A5, false, "PDF after the page set-up");

    // So does an orientation chosen with the window's buttons.
    window->RadioButtonPortrait->click();
    ChooseInSetUp("Office");
    expectPage(QPageSize::A5, true, "Office turned upright");
    main->ApplyDevMode(TDevMode{});
}

TEST_F(PrintToPdfTest, ThePdfFileNamedInTheDialogGetsThePagesOfTheTiling) {
    Calculate();
    main->CustomerData->setText(QString::fromUtf8("Иванова А.П."));
    ChooseInSetUp(kPdfPrinterName);
    window.reset();
    for (int mode : {1, 2, 4}) {
        SCOPED_TRACE(mode);
        Settings->Record->TilingMode = mode;
        answer = TempPath("skirt " + std::to_string(mode) + ".pdf");
        proposals.clear();
        main->ToPrint->trigger();

        ASSERT_EQ(proposals.size(), 1u);
        EXPECT_EQ(proposals[0], PdfProposedName(main->ModelType->text().toStdString(), "Иванова А.П."));
        EXPECT_FALSE(buttonsWhileAsked);
        EXPECT_EQ(PrintLayout.PagesDone, PrintLayout.PageCount);
        // At 1:2 and 1:4 a page of tables follows the pattern.
        EXPECT_EQ(PageObjects(QString::fromStdString(answer)), PrintLayout.PageCount + (mode == 1 ? 0 : 1));
        EXPECT_TRUE(ButtonsEnabled());
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(ThePrinter().Printing());
}

TEST_F(PrintToPdfTest, CancellingTheDialogPrintsNothing) {
    Calculate();
    ChooseInSetUp(kPdfPrinterName).show();
    Settings->Record->TilingMode = 4;
    PrintLayout.PagesDone = 0;
    answer.clear();
    // From the main window and from the drawing window.
    main->ToPrint->trigger();
    report->ToPrint->trigger();
    EXPECT_EQ(proposals.size(), 2u);
    EXPECT_EQ(PrintLayout.PagesDone, 0);
    EXPECT_FALSE(ThePrinter().Printing());
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_TRUE(messages.empty());
    // The open set-up window steps aside for the dialog and comes back.
    EXPECT_FALSE(setUpShownWhileAsked);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PrintToPdfTest, NothingIsAskedWithoutAPdfToWrite) {
    // Not calculated: the garment's own message, no file asked for.
    ChooseInSetUp(kPdfPrinterName);
    main->ToPrint->trigger();
    EXPECT_TRUE(proposals.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNothingToPrintText);

    // A system printer: no file either.
    ChooseInSetUp("Office");
    EXPECT_FALSE(PdfFileChosen());
    EXPECT_TRUE(PreparePrinterForJob(*main));
    EXPECT_TRUE(proposals.empty());
}

TEST(PdfProposedName, CaptionAndCustomerWithTheUnsafeCharactersReplaced) {
    struct Case {
        const char* caption;
        const char* customer;
        const char* proposed;
    } cases[] = {
        {"Юбка 12", "Иванова А.П.", "Юбка 12 Иванова А.П..pdf"},
        {"Юбка 12", "", "Юбка 12.pdf"},
        {"", " Петрова ", "Петрова.pdf"},
        {"", "", "Чертёж.pdf"},
        {"a/b\\c", "d:e*f?g\"h<i>j|k\tl", "a_b_c d_e_f_g_h_i_j_k_l.pdf"},
    };
    for (const Case& c : cases) EXPECT_EQ(PdfProposedName(c.caption, c.customer), c.proposed) << c.proposed;
}

}  // namespace

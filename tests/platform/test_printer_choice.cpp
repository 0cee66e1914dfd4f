// The printer of the print commands: the PDF-file printer listed after the
// system's printers, the choice for the run and its default, and what the
// choice does to the program's printer.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <string>
#include <vector>

#include "platform/Printer.h"
#include "platform/PrinterList.h"

namespace {

using Names = std::vector<std::string>;

// Puts the program's printer back as the other tests expect it.
class PrinterChoiceTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetPrinterListOverride(nullptr);
        QPrinter& device = ThePrinter().Device();
        device.setOutputFileName(QString());
        device.setCopyCount(1);
        device.setPageOrientation(QPageLayout::Portrait);
        ThePrinter().SetQualityResolution(resolution_);
    }

    const int resolution_ = ThePrinter().QualityResolution();
};

TEST_F(PrinterChoiceTest, ThePdfFileFollowsTheSystemsPrinters) {
    // The system's own list, whatever this machine has installed.
    SetPrinterListOverride(nullptr);
    Names system;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) system.push_back(name.toStdString());
    Names expected = system;
    expected.push_back(kPdfPrinterName);
    EXPECT_EQ(PrinterNames(), expected);
    EXPECT_TRUE(PrinterInstalled()) << "the PDF file is there on every machine";
    const std::string systemDefault = QPrinterInfo::defaultPrinterName().toStdString();
    EXPECT_EQ(ChosenPrinter(), systemDefault.empty() ? std::string(kPdfPrinterName) : systemDefault);

    // With and without system printers, and a test's list without the PDF
    // file, which can be empty.
    struct Case {
        Names system;
        bool withPdfFile;
        Names listed;
        std::string chosen;  // by default
    } cases[] = {
        {{}, true, {kPdfPrinterName}, kPdfPrinterName},
        {{"Office", "Hall"}, true, {"Office", "Hall", kPdfPrinterName}, "Office"},
        {{"Office"}, false, {"Office"}, "Office"},
        {{}, false, {}, ""},
    };
    for (const Case& c : cases) {
        SetPrinterListOverride([&] { return c.system; }, c.withPdfFile);
        EXPECT_EQ(PrinterNames(), c.listed) << c.system.size();
        EXPECT_EQ(PrinterInstalled(), !c.listed.empty());
        EXPECT_EQ(ChosenPrinter(), c.chosen);
        EXPECT_EQ(PdfFileChosen(), c.chosen == kPdfPrinterName);
    }
}

TEST_F(PrinterChoiceTest, ChoosingSendsThePrinterThereAndKeepsItsSettings) {
    Names system = {"Office", "Hall"};
    SetPrinterListOverride([&] { return system; }, true);
    QPrinter& device = ThePrinter().Device();
    device.setCopyCount(3);
    ThePrinter().SetQualityResolution(150);
    device.setPageOrientation(QPageLayout::Landscape);

    EXPECT_FALSE(ChoosePrinter("Nowhere"));
    EXPECT_FALSE(ChoosePrinter(""));
    EXPECT_EQ(ChosenPrinter(), "Office");

    ASSERT_TRUE(ChoosePrinter(kPdfPrinterName));
    EXPECT_TRUE(PdfFileChosen());
    EXPECT_EQ(device.outputFormat(), QPrinter::PdfFormat);
    ThePrinter().SetPdfOutput(::testing::TempDir() + "earlier.pdf");

    // A system printer never prints into the file of an earlier PDF print.
    ASSERT_TRUE(ChoosePrinter("Hall"));
    EXPECT_EQ(ChosenPrinter(), "Hall");
    EXPECT_FALSE(PdfFileChosen());
    EXPECT_TRUE(device.outputFileName().isEmpty());
    EXPECT_EQ(device.copyCount(), 3);
    // The quality's resolution for the system printer (a PDF is drawn finer).
    EXPECT_EQ(ThePrinter().QualityResolution(), 150);
    EXPECT_EQ(device.resolution(), device.outputFormat() == QPrinter::PdfFormat ? Printer::kPdfResolution : 150);
    EXPECT_EQ(device.pageLayout().orientation(), QPageLayout::Landscape);

    // The chosen printer gone after a refresh: the default one takes its
    // place, and the next job goes there.
    system = {"Office"};
    RefreshPrinters();
    EXPECT_EQ(ChosenPrinter(), "Office");
    ThePrinter().SetPdfOutput(::testing::TempDir() + "earlier.pdf");
    ApplyChosenPrinter();
    EXPECT_TRUE(device.outputFileName().isEmpty());

    // A new list forgets the choice.
    SetPrinterListOverride([] { return Names{"Hall"}; }, true);
    EXPECT_EQ(ChosenPrinter(), "Hall");
}

TEST_F(PrinterChoiceTest, UntilTheFirstChoiceThePrinterIsLeftAsItIs) {
    SetPrinterListOverride([] { return Names{"Office"}; }, true);
    const std::string path = ::testing::TempDir() + "set-by-hand.pdf";
    ThePrinter().SetPdfOutput(path);
    ApplyChosenPrinter();
    EXPECT_EQ(ThePrinter().Device().outputFileName().toStdString(), path);
}

TEST_F(PrinterChoiceTest, ThePrinterOfTheSetUpDialogBecomesTheChoice) {
    SetPrinterListOverride([] { return Names{"Office"}; }, true);
    ThePrinter().SetPdfOutput(::testing::TempDir() + "from-dialog.pdf");  // as the dialog's "print to file"
    TakeChosenPrinterFromDevice();
    EXPECT_TRUE(PdfFileChosen());

    // Without the PDF file in the list the choice stays.
    SetPrinterListOverride([] { return Names{"Office"}; }, false);
    TakeChosenPrinterFromDevice();
    EXPECT_EQ(ChosenPrinter(), "Office");
}

TEST_F(PrinterChoiceTest, ThePrinterCannotChangeDuringAJob) {
    SetPrinterListOverride([] { return Names{"Office"}; }, true);
    Printer printer;
    printer.SetPdfOutput(::testing::TempDir() + "choice_during_job.pdf");
    printer.BeginDoc();
    EXPECT_THROW(printer.UsePdfFormat(), std::runtime_error);
    EXPECT_THROW(printer.UseSystemPrinter("Office"), std::runtime_error);
    printer.EndDoc();
}

}  // namespace

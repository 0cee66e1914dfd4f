// A print job from the print command as the user meets it: the printer
// checked before the job (the list read again; gone, refusing or with its
// print service down, it is reported and nothing printed), the job's
// outcome checked, a job of too many pages asked about, no partial PDF
// left behind, and the order's caption as the job's name.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QToolButton>
#include <memory>

#include "kernel/PrintTiling.h"
#include "platform/Printer.h"
#include "platform/PrinterList.h"
#include "shell/PrintSetUps.h"
#include "shell/PrintToPdf.h"
#include "tests/shell/SkirtPrintFixture.h"

namespace {

QByteArray Contents(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PrintJobTest : public SkirtPrintTest {
protected:
    void BeforeWindows() override {
        SkirtPrintTest::BeforeWindows();
        printers = {"Office", "Hall", kPdfPrinterName};
    }
    void AfterWindows() override {
        SkirtPrintTest::AfterWindows();
        SetPdfFileDialogHook([this](const std::string&) {
            ++asked;
            return target;
        });
        SetPrinterQueueOverride([this](const std::string& name) {
            checked.push_back(name);
            return queue;
        });
        SetMessageInterceptor([this](const MessageRecord& m) {
            messages.push_back(m);
            return m.buttons == MsgButtons::YesNo ? answer : MsgResult::Ok;
        });
        Settings->Record->TilingMode = 4;
        target = TempPath("чертёж.pdf");
    }
    void TearDown() override {
        SetPdfFileDialogHook(nullptr);
        SetPrinterQueueOverride(nullptr);
        Printer::SetJobVerdictOverride(nullptr);
        SetPrinterMetricsOverride(nullptr);
        SkirtPrintTest::TearDown();
    }

    void Choose(const std::string& name) {
        ChooseInSetUp(name);
        window.reset();
    }
    // A file at the target from an earlier print.
    void EarlierFile() {
        QFile file(QString::fromStdString(target));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier print");
    }
    // Files of the folder beside the settings file, but for it.
    QStringList FilesBesideTarget() const {
        QStringList files = QFileInfo(QString::fromStdString(target)).dir().entryList(QDir::Files);
        files.removeAll(QStringLiteral("Madrix.dat"));
        return files;
    }

    std::string target;
    int asked = 0;
    QueueState queue = QueueState::Ready;
    std::vector<std::string> checked;
    MsgResult answer = MsgResult::No;
};

TEST_F(PrintJobTest, APrinterThatCannotTakeTheJobIsReportedAndNothingPrints) {
    Calculate();
    Choose("Office");
    struct Case {
        QueueState state;
        const char* text;
    } cases[] = {
        {QueueState::Refusing, "Принтер «Office» не принимает задания. Чертёж не напечатан. "},
        {QueueState::ServerDown, "Служба печати не отвечает. Чертёж не напечатан. "},
        {QueueState::Missing, "Принтер «Office» больше не установлен. Выберите другой принтер в настройке печати. "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        queue = c.state;
        messages.clear();
        checked.clear();
        PrintLayout.PagesDone = 0;
        main->ToPrint->trigger();
        EXPECT_EQ(checked, std::vector<std::string>{"Office"});
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(messages[0].caption, "Печать");
        EXPECT_EQ(messages[0].icon, MsgIcon::Error);
        EXPECT_EQ(PrintLayout.PagesDone, 0);
        EXPECT_FALSE(ThePrinter().Printing());
        EXPECT_TRUE(main->ToolButton6->isEnabled());
    }
}

TEST_F(PrintJobTest, AQueueDeletedWhileTheProgramRunsIsNeitherUsedNorOffered) {
    Calculate();
    struct Case {
        QueueState state;  // what the print system says of the gone queue
        const char* text;
    } cases[] = {
        {QueueState::Missing, "Принтер «Hall» больше не установлен. Выберите другой принтер в настройке печати. "},
        // A print service that is down lists no queue at all.
        {QueueState::ServerDown, "Служба печати не отвечает. Чертёж не напечатан. "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        printers = {"Office", "Hall", kPdfPrinterName};
        Choose("Hall");
        printers = {"Office", kPdfPrinterName};  // "Hall" gone
        queue = c.state;
        messages.clear();
        PrintLayout.PagesDone = 0;
        main->ToPrint->trigger();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.text);
        EXPECT_EQ(PrintLayout.PagesDone, 0);
    }

    // The set-up window reads the list again when it opens, whoever opens it.
    printers = {"Office", "Attic", kPdfPrinterName};
    TPrintSetUps window(true, main.get());
    QStringList items;
    for (int i = 0; i < window.PrinterBox->count(); ++i) items << window.PrinterBox->itemText(i);
    EXPECT_EQ(items, (QStringList{"Office", "Attic", QString::fromUtf8(kPdfPrinterName)}));
    EXPECT_EQ(window.PrinterBox->currentText(), "Office") << "the default printer in the gone one's place";
    // What the window shows is what prints.
    EXPECT_EQ(ChosenPrinter(), "Office");
    queue = QueueState::Ready;
    EXPECT_EQ(CheckPrinterForJob().state, QueueState::Ready);
    EXPECT_EQ(CheckPrinterForJob().name, "Office");
}

TEST_F(PrintJobTest, AJobTheTargetDidNotTakeIsReportedAndLeavesNoFile) {
    Calculate();
    Choose(kPdfPrinterName);
    EarlierFile();
    Printer::SetJobVerdictOverride([](std::string& reason) {
        reason = "No space left on device";
        return false;
    });
    main->ToPrint->trigger();
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Не удалось записать файл «чертёж.pdf» (No space left on device). Чертёж не сохранён. ");
    EXPECT_EQ(messages[0].caption, "Печать");
    EXPECT_EQ(Contents(target), "earlier print");
    EXPECT_EQ(FilesBesideTarget(), QStringList{"чертёж.pdf"}) << "no part of the job is left";
    EXPECT_FALSE(ThePrinter().Printing());
    EXPECT_TRUE(main->ToolButton6->isEnabled());

    // The next good job replaces the earlier file, under the order's name.
    Printer::SetJobVerdictOverride(nullptr);
    messages.clear();
    main->ToPrint->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Contents(target).startsWith("%PDF"));
    EXPECT_EQ(FilesBesideTarget(), QStringList{"чертёж.pdf"});
    EXPECT_EQ(ThePrinter().Device().docName(), main->ModelType->text().trimmed());
    EXPECT_FALSE(ThePrinter().Device().docName().isEmpty());
}

TEST_F(PrintJobTest, AJobOfTooManyPagesIsPrintedOnlyWhenTheUserSaysYes) {
    Calculate();
    Choose(kPdfPrinterName);
    // Paper of 10 x 12 mm: the skirt at 1:4 needs a few hundred pages.
    const FixedPrinterMetrics small(118, 142, 10, 12);
    SetPrinterMetricsOverride(&small);
    EarlierFile();

    answer = MsgResult::No;
    main->ToPrint->trigger();
    ASSERT_EQ(messages.size(), 1u);
    const int pages = PrintLayout.PageCount;
    ASSERT_GT(pages, kAskAbovePages);
    EXPECT_EQ(messages[0].text, "Страниц в чертеже: " + std::to_string(pages) +
                                    ". Обычно основе хватает нескольких десятков: возможно, в измерениях опечатка.\n\n"
                                    "Всё равно печатать? ");
    EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(PrintLayout.PagesDone, 0) << "asked before the job";
    EXPECT_EQ(Contents(target), "earlier print");
    EXPECT_EQ(FilesBesideTarget(), QStringList{"чертёж.pdf"});
    EXPECT_TRUE(main->ToolButton6->isEnabled());

    answer = MsgResult::Yes;
    messages.clear();
    main->ToPrint->trigger();
    EXPECT_EQ(messages.size(), 1u) << "asked once";
    EXPECT_EQ(PrintLayout.PagesDone, pages);
    EXPECT_TRUE(Contents(target).startsWith("%PDF"));

    // A sane job is not asked about.
    SetPrinterMetricsOverride(nullptr);
    messages.clear();
    main->ToPrint->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_LE(PrintLayout.PageCount, kAskAbovePages);
}

}  // namespace

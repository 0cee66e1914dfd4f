// Printing through the system's print service, where one answers: the skirt
// to a queue that takes jobs, and to one that refuses them.  The queues are
// named by MODRIN_CUPS_QUEUE and MODRIN_CUPS_REFUSING; without them, or
// without a print service, the tests skip.
#include <QComboBox>
#include <QPrinterInfo>
#include <cstdlib>

#include "platform/PrinterList.h"
#include "platform/PrinterQueue.h"
#include "kernel/PrintTiling.h"
#include "shell/PrintSetUps.h"
#include "tests/shell/SkirtPrintFixture.h"

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

class CupsPrintTest : public SkirtPrintTest {
protected:
    void AfterWindows() override {
        SkirtPrintTest::AfterWindows();
        SetPrinterListOverride(nullptr);  // the system's own printers
        RefreshPrinters();
    }

    // Skips unless the queue is named and the print service answers.
    bool QueueReachable(const char* variable, std::string& queue) {
        queue = Env(variable);
        if (queue.empty()) return false;
        return SystemQueueState(queue) != QueueState::ServerDown &&
               !QPrinterInfo::printerInfo(QString::fromStdString(queue)).isNull();
    }

    void PrintTo(const std::string& queue) {
        Calculate();
        ChooseInSetUp(queue);
        window.reset();
        ASSERT_EQ(ChosenPrinter(), queue);
        Settings->Record->TilingMode = 4;
        PrintLayout.PagesDone = 0;
        main->ToPrint->trigger();
    }
};

TEST_F(CupsPrintTest, AQueueThatTakesJobsPrintsWithoutAWord) {
    std::string queue;
    if (!QueueReachable("MODRIN_CUPS_QUEUE", queue)) GTEST_SKIP() << "no CUPS queue to print to";
    PrintTo(queue);
    for (const MessageRecord& m : messages) ADD_FAILURE() << m.text;
    EXPECT_EQ(PrintLayout.PagesDone, PrintLayout.PageCount);
}

TEST_F(CupsPrintTest, AQueueThatRefusesJobsIsReported) {
    std::string queue;
    if (!QueueReachable("MODRIN_CUPS_REFUSING", queue)) GTEST_SKIP() << "no refusing CUPS queue";
    EXPECT_EQ(SystemQueueState(queue), QueueState::Refusing);
    PrintTo(queue);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Принтер «" + queue + "» не принимает задания. Чертёж не напечатан. ");
    EXPECT_EQ(PrintLayout.PagesDone, 0);
}

}  // namespace

// Opening documents and links through the desktop (intercepted), and the
// kept printer list with its refresh.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/PrinterList.h"

namespace {

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDesktopInterceptor([this](const DesktopRequest& r) {
            requests.push_back(r);
            return answer;
        });
    }
    void TearDown() override { SetDesktopInterceptor(nullptr); }

    std::vector<DesktopRequest> requests;
    bool answer = true;
};

}  // namespace

TEST_F(DesktopTest, ExistingDocumentGoesToTheDesktop) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("справка.html"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_TRUE(OpenDocument(path.toStdString()));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, DesktopRequest::Kind::Document);
    EXPECT_EQ(requests[0].target, path.toStdString());

    answer = false;  // the desktop refuses
    EXPECT_FALSE(OpenDocument(path.toStdString()));
}

TEST_F(DesktopTest, MissingDocumentIsRefusedWithoutAskingTheDesktop) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(OpenDocument(dir.filePath(QStringLiteral("нет.html")).toStdString()));
    EXPECT_FALSE(OpenDocument(dir.path().toStdString()));  // a folder is no document
    EXPECT_FALSE(OpenDocument(""));
    EXPECT_TRUE(requests.empty());
}

TEST_F(DesktopTest, AddressesAreCheckedThenOpened) {
    EXPECT_TRUE(OpenUrl("https://example.org/answers"));
    EXPECT_TRUE(OpenUrl("mailto:maker@example.org"));
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].kind, DesktopRequest::Kind::Url);
    EXPECT_EQ(requests[1].target, "mailto:maker@example.org");

    for (const char* bad : {"", "no scheme at all", "http://exa mple.org/"}) EXPECT_FALSE(OpenUrl(bad)) << bad;
    EXPECT_EQ(requests.size(), 2u);
}

TEST(PrinterList, KeptUntilRefreshed) {
    std::vector<std::string> system;
    int reads = 0;
    SetPrinterListOverride([&] {
        ++reads;
        return system;
    });
    EXPECT_FALSE(PrinterInstalled());
    system = {"Office", "PDF"};
    EXPECT_FALSE(PrinterInstalled());  // still the list read first
    EXPECT_EQ(reads, 1);
    RefreshPrinters();
    EXPECT_TRUE(PrinterInstalled());
    EXPECT_EQ(PrinterNames(), system);
    EXPECT_EQ(reads, 2);
    SetPrinterListOverride(nullptr);
}

// The file dialogs start in an existing folder: the documents (or home)
// folder, then the folder of the last file chosen while it exists.
TEST(FileDialogFolder, StartsAtDocumentsThenFollowsTheLastChoice) {
    EXPECT_TRUE(QDir(QString::fromStdString(FileDialogFolder())).exists());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    RememberFileDialogFolder(dir.filePath("order.mdr").toStdString());
    EXPECT_EQ(FileDialogFolder(), dir.path().toStdString());
    const std::string gone = dir.path().toStdString();
    dir.remove();
    EXPECT_NE(FileDialogFolder(), gone);
    EXPECT_TRUE(QDir(QString::fromStdString(FileDialogFolder())).exists());
}

TEST(FileNameSafe, ReplacesWhatAFileNameCannotHold) {
    struct Case {
        const char* text;
        const char* safe;
    } cases[] = {
        {" Юбка. Заказ № 12Иванова", " Юбка. Заказ № 12Иванова"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {"tab\there", "tab_here"},
    };
    for (const Case& c : cases) EXPECT_EQ(FileNameSafe(c.text), c.safe) << c.text;
}

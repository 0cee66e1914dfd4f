// The print set-up window: the choices it shows and writes (print scale and
// show-before-printing in the settings record; quality, copies and
// orientation in the printer settings), its page picture, its two roles and
// the keys, and the entries the print commands use.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QTemporaryDir>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "platform/Printer.h"
#include "platform/PrinterSetup.h"
#include "platform/Translations.h"
#include "shell/PageSetupFile.h"
#include "shell/PrintSetUps.h"
#include "tests/shell/MainFormFixture.h"

namespace {

// Pixels of the page picture that only an upright page covers, and only a
// turned one.
constexpr QPoint kOnlyPortrait(20, 4);
constexpr QPoint kOnlyLandscape(8, 16);

bool IsWhiteAt(const QImage& image, QPoint p) { return image.pixel(p) == qRgb(255, 255, 255); }

}  // namespace

class PrintSetUpsTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        if (HasFatalFailure()) return;
        printers = {"Test printer"};
        RefreshPrinters();
        main->ApplyDevMode(TDevMode{});
    }

    void TearDown() override {
        window.reset();
        SetPrinterSetupDialogOverride(nullptr);
        main->ApplyDevMode(TDevMode{});
        MainFormFixture::TearDown();
    }

    // The window in its own (modeless) role, owned by the test.
    TPrintSetUps& Open() {
        window.reset();
        window = std::make_unique<TPrintSetUps>(false, main.get());
        return *window;
    }

    // Runs the before-print road; `act` runs on the modal window once it is
    // up.  The answer of RunPrintSetupBeforePrint.
    bool RunBeforePrint(std::function<void(TPrintSetUps&)> act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* modal = qobject_cast<TPrintSetUps*>(QApplication::activeModalWidget());
            if (!modal) modal = PrintSetUps;
            ASSERT_NE(modal, nullptr);
            seen = true;
            EXPECT_TRUE(modal->ModalBeforePrint());
            EXPECT_EQ(modal->CloseButton->text().toStdString(), "Печать");
            EXPECT_TRUE(main->PrintSetUpOpen);
            act(*modal);
        });
        const bool answer = RunPrintSetupBeforePrint(*main);
        EXPECT_TRUE(seen);
        EXPECT_FALSE(main->PrintSetUpOpen);
        EXPECT_EQ(PrintSetUps, nullptr);
        return answer;
    }

    TSettingsRecord& Record() { return *Settings->Record; }
    QPageLayout::Orientation PrinterOrientation() { return ThePrinter().Device().pageLayout().orientation(); }

    std::unique_ptr<TPrintSetUps> window;
};

TEST_F(PrintSetUpsTest, TextsOfTheWindow) {
    TPrintSetUps& w = Open();
    EXPECT_EQ(w.windowTitle().toStdString(), "Настройка печати");
    EXPECT_EQ(w.DoShowBeforePrinting->text().toStdString(), "Показывать перед печатью");
    EXPECT_EQ(w.RadioButton1to4->text().toStdString(), "1:4");
    EXPECT_EQ(w.RadioButton1to2->text().toStdString(), "1:2");
    EXPECT_EQ(w.RadioButton1to1->text().toStdString(), "1:1");
    EXPECT_EQ(w.AdditionButton->text().toStdString(), "Дополнительно");
    EXPECT_EQ(w.Label2->text().toStdString(), "Качество печати:");
    ASSERT_EQ(w.ComboBox1->count(), 4);
    const char* const qualities[] = {"Наилучшее", "Обычное", "Ежедневное", "Черновое "};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.ComboBox1->itemText(i).toStdString(), qualities[i]);
    EXPECT_EQ(w.Label1->text().toStdString(), "Копий :");
    EXPECT_EQ(w.RadioButtonPortrait->text().toStdString(), "Книжная");
    EXPECT_EQ(w.RadioButtonLandscape->text().toStdString(), "Альбомная");
    EXPECT_EQ(w.CloseButton->text().toStdString(), "Закрыть");
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.pos(), main->pos() + QPoint(244, 86));
}

TEST_F(PrintSetUpsTest, ScaleAndShowBeforePrintingLiveInTheSettingsRecord) {
    // The stored scale selects its button, and the record then holds 1, 2 or
    // 4 (a damaged value becomes 1:4).
    struct Case {
        int stored, selected;
    };
    for (const Case c : {Case{1, 1}, Case{2, 2}, Case{4, 4}, Case{3, 4}, Case{0, 4}, Case{-5, 4}}) {
        SCOPED_TRACE(c.stored);
        Record().TilingMode = c.stored;
        TPrintSetUps& w = Open();
        EXPECT_EQ(w.TilingMode(), c.selected);
        EXPECT_EQ(Record().TilingMode, c.selected);
        EXPECT_EQ(w.RadioButton1to1->isChecked(), c.selected == 1);
        EXPECT_EQ(w.RadioButton1to2->isChecked(), c.selected == 2);
        EXPECT_EQ(w.RadioButton1to4->isChecked(), c.selected == 4);
    }

    TPrintSetUps& w = Open();
    w.RadioButton1to1->click();
    EXPECT_EQ(Record().TilingMode, 1);
    w.RadioButton1to2->click();
    EXPECT_EQ(Record().TilingMode, 2);
    w.RadioButton1to4->click();
    EXPECT_EQ(Record().TilingMode, 4);

    for (uint8_t stored : {uint8_t(0), uint8_t(1)}) {
        Record().ShowSetupBeforePrint = stored;
        TPrintSetUps& again = Open();
        EXPECT_EQ(again.DoShowBeforePrinting->isChecked(), stored != 0);
        again.DoShowBeforePrinting->click();
        EXPECT_EQ(Record().ShowSetupBeforePrint, stored ? 0 : 1);
    }
}

TEST_F(PrintSetUpsTest, QualityGoesToThePrinterSettings) {
    // Each stored code selects its item.
    for (int code : {-4, -3, -2, -1}) {
        SCOPED_TRACE(code);
        main->ApplyDevMode(TDevMode{code, 1, true});
        EXPECT_EQ(Open().ComboBox1->currentIndex(), code + 4);
    }
    // A resolution instead of a code selects nothing; choosing an item
    // writes its code.
    main->ApplyDevMode(TDevMode{300, 1, true});
    TPrintSetUps& w = Open();
    EXPECT_EQ(w.ComboBox1->currentIndex(), -1);
    for (int item : {0, 3, 1, 2}) {
        w.ComboBox1->setCurrentIndex(item);
        emit w.ComboBox1->activated(item);
        EXPECT_EQ(main->LockDevMode().PrintQuality, item - 4);
    }
}

TEST_F(PrintSetUpsTest, CopiesWrapWithinOneToTen) {
    main->ApplyDevMode(TDevMode{-4, 3, true});
    TPrintSetUps& w = Open();
    EXPECT_EQ(w.UpDownCopy->value(), 3);
    ASSERT_NE(w.Edit1, nullptr);
    EXPECT_TRUE(w.Edit1->isReadOnly());
    EXPECT_EQ(w.Edit1->text().toStdString(), "3");
    w.UpDownCopy->stepBy(1);
    EXPECT_EQ(main->LockDevMode().Copies, 4);
    w.UpDownCopy->setValue(10);
    w.UpDownCopy->stepBy(1);
    EXPECT_EQ(w.UpDownCopy->value(), 1);
    EXPECT_EQ(main->LockDevMode().Copies, 1);
    w.UpDownCopy->stepBy(-1);
    EXPECT_EQ(w.UpDownCopy->value(), 10);
    EXPECT_EQ(main->LockDevMode().Copies, 10);
    EXPECT_EQ(ThePrinter().Device().copyCount(), 10);
}

TEST_F(PrintSetUpsTest, OrientationSetsThePrinterAndRedrawsThePagePicture) {
    // Opening on a turned page selects "Альбомная" and draws the turned page.
    main->ApplyDevMode(TDevMode{-4, 1, false});
    TPrintSetUps& w = Open();
    EXPECT_TRUE(w.RadioButtonLandscape->isChecked());
    EXPECT_FALSE(w.RadioButtonPortrait->isChecked());
    EXPECT_TRUE(IsWhiteAt(w.OrientationIcon(), kOnlyLandscape));
    EXPECT_FALSE(IsWhiteAt(w.OrientationIcon(), kOnlyPortrait));
    EXPECT_EQ(w.OrientationIcon().size(), QSize(41, 33));

    w.RadioButtonPortrait->click();
    EXPECT_EQ(PrinterOrientation(), QPageLayout::Portrait);
    EXPECT_TRUE(main->LockDevMode().Portrait);
    EXPECT_TRUE(IsWhiteAt(w.OrientationIcon(), kOnlyPortrait));
    EXPECT_FALSE(IsWhiteAt(w.OrientationIcon(), kOnlyLandscape));

    w.RadioButtonLandscape->click();
    EXPECT_EQ(PrinterOrientation(), QPageLayout::Landscape);
    EXPECT_FALSE(main->LockDevMode().Portrait);
    EXPECT_TRUE(IsWhiteAt(w.OrientationIcon(), kOnlyLandscape));
}

TEST_F(PrintSetUpsTest, WithoutAPrinterTheControlsStayUnsetAndChangeNothing) {
    printers.clear();
    RefreshPrinters();
    main->DevMode = TDevMode{-2, 5, true};
    TPrintSetUps& w = Open();
    EXPECT_EQ(w.ComboBox1->currentIndex(), -1);
    EXPECT_EQ(w.UpDownCopy->value(), 1);
    EXPECT_FALSE(w.RadioButtonPortrait->isChecked());
    EXPECT_FALSE(w.RadioButtonLandscape->isChecked());
    w.ComboBox1->setCurrentIndex(0);
    w.ComboBox1Click();
    w.UpDownCopy->stepBy(1);
    EXPECT_EQ(main->DevMode.PrintQuality, -2);
    EXPECT_EQ(main->DevMode.Copies, 5);
    // The record's choices still work.
    w.RadioButton1to2->click();
    EXPECT_EQ(Record().TilingMode, 2);
}

TEST_F(PrintSetUpsTest, PrinterDialogResultIsShown) {
    main->ApplyDevMode(TDevMode{-3, 1, true});
    TPrintSetUps& w = Open();
    bool ok = false;
    SetPrinterSetupDialogOverride([&ok](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setCopyCount(3);
        return ok;
    });
    // Cancelled: the controls stay as they were.
    w.AdditionButton->click();
    EXPECT_TRUE(w.RadioButtonPortrait->isChecked());
    EXPECT_EQ(w.UpDownCopy->value(), 1);

    ok = true;
    w.AdditionButton->click();
    EXPECT_TRUE(w.RadioButtonLandscape->isChecked());
    EXPECT_EQ(w.UpDownCopy->value(), 3);
    EXPECT_EQ(main->LockDevMode().Copies, 3);
    EXPECT_FALSE(main->LockDevMode().Portrait);
    EXPECT_EQ(w.ComboBox1->currentIndex(), 1);
    EXPECT_TRUE(IsWhiteAt(w.OrientationIcon(), kOnlyLandscape));
}

TEST_F(PrintSetUpsTest, BeforePrintRoleGoesOnOnlyWithItsPrintButtonOrCtrlP) {
    EXPECT_TRUE(RunBeforePrint([](TPrintSetUps& w) { w.CloseButton->click(); }));
    EXPECT_TRUE(RunBeforePrint([](TPrintSetUps& w) { QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier); }));
    EXPECT_FALSE(RunBeforePrint([](TPrintSetUps& w) { QTest::keyClick(&w, Qt::Key_Escape); }));
    EXPECT_FALSE(RunBeforePrint([](TPrintSetUps& w) { w.close(); }));
    // Choices made before printing stay in force.
    EXPECT_FALSE(RunBeforePrint([](TPrintSetUps& w) {
        w.RadioButton1to1->click();
        w.reject();
    }));
    EXPECT_EQ(Record().TilingMode, 1);
    EXPECT_EQ(Script().prints, 0);
}

TEST_F(PrintSetUpsTest, ModelessRoleOpensOnceAndFreesItselfWhenClosed) {
    EXPECT_FALSE(main->PrintSetUpOpen);
    ShowPrintSetupWindow(*main);
    QPointer<TPrintSetUps> first = PrintSetUps;
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(main->PrintSetUpOpen);
    EXPECT_FALSE(first->ModalBeforePrint());
    EXPECT_EQ(first->CloseButton->text().toStdString(), "Закрыть");
    EXPECT_TRUE(first->isVisible());

    // Opening again only brings it forward.
    ShowPrintSetupWindow(*main);
    EXPECT_EQ(PrintSetUps, first.data());

    // Printing hides it for the time of the print.
    {
        PrintSetupHiddenWhilePrinting hidden;
        EXPECT_FALSE(first->isVisible());
        EXPECT_TRUE(main->PrintSetUpOpen);
    }
    EXPECT_TRUE(first->isVisible());

    first->CloseButton->click();
    EXPECT_FALSE(main->PrintSetUpOpen);
    EXPECT_EQ(PrintSetUps, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    // Esc closes it as well.
    ShowPrintSetupWindow(*main);
    ASSERT_NE(PrintSetUps, nullptr);
    QTest::keyClick(PrintSetUps, Qt::Key_Escape);
    EXPECT_FALSE(main->PrintSetUpOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(PrintSetUpsTest, CtrlPInTheModelessRolePrintsTheGarment) {
    TPrintSetUps& w = Open();
    // Without a garment nothing happens.
    EXPECT_TRUE(w.FormKeyDown(Qt::Key_P, Qt::ControlModifier));
    EXPECT_EQ(Script().prints, 0);
    EXPECT_TRUE(messages.empty());

    MakeGarment();
    Script().Reset();
    EXPECT_TRUE(w.FormKeyDown(Qt::Key_P, Qt::ControlModifier));
    EXPECT_EQ(Script().prints, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(main->PrintSetUpOpen);

    // No printer, even after a refresh: its own message, nothing printed.
    printers.clear();
    RefreshPrinters();
    EXPECT_TRUE(w.FormKeyDown(Qt::Key_P, Qt::ControlModifier));
    EXPECT_EQ(Script().prints, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Принтер не найден!  ");
    EXPECT_EQ(messages[0].caption, "");
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);

    // Other keys are not the window's.
    EXPECT_FALSE(w.FormKeyDown(Qt::Key_P, Qt::NoModifier));
    EXPECT_FALSE(w.FormKeyDown(Qt::Key_Q, Qt::ControlModifier));
}

// «Дополнительно» is the printer's page set-up: Qt's page dialog (in
// Russian when Qt's translations are installed) that prints nothing.
TEST_F(PrintSetUpsTest, AdditionOpensThePageSetUpAndPrintsNothing) {
    const bool russian = LoadQtTranslations();
    MakeGarment();
    Record().ShowSetupBeforePrint = 0;
    const QPageSize paper = ThePrinter().Device().pageLayout().pageSize();
    ThePrinter().Device().setPageSize(QPageSize(QPageSize::A5));
    TPrintSetUps& w = Open();
    QString title;
    QStringList buttons;
    bool pageDialog = false;
    QPageSize shown;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        auto* page = qobject_cast<QPageSetupDialog*>(modal);
        pageDialog = page != nullptr;
        if (page) shown = page->printer()->pageLayout().pageSize();
        title = modal->windowTitle();
        for (const QAbstractButton* b : modal->findChildren<QAbstractButton*>())
            if (b->isVisible()) buttons << b->text();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
    });
    w.AdditionButton->click();
    UnloadQtTranslations();
    EXPECT_TRUE(pageDialog);
    // It opens on the paper in force, and OK keeps it.
    EXPECT_EQ(shown.id(), QPageSize::A5);
    EXPECT_EQ(ThePrinter().Device().pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_FALSE(buttons.contains("Print") || buttons.contains(QString::fromUtf8("Печать")))
        << buttons.join('|').toStdString();
    if (russian) {
        EXPECT_EQ(title.toStdString(), "Параметры страницы");
        EXPECT_TRUE(buttons.contains(QString::fromUtf8("Отмена"))) << buttons.join('|').toStdString();
    }
    EXPECT_EQ(Script().prints, 0);
    EXPECT_TRUE(messages.empty());
    ThePrinter().Device().setPageSize(paper);
    UserPageChoice() = PageChoice();
}

// The paper and orientation chosen in the page set-up outlive the run, in
// a side file beside the settings file (which keeps its 128 bytes).
TEST_F(PrintSetUpsTest, ThePageChosenIsRememberedBetweenRuns) {
    const QPageSize paper = ThePrinter().Device().pageLayout().pageSize();
    SetPrinterSetupDialogOverride([](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A3));
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    Open().AdditionButton->click();
    window.reset();

    // Another run: the printer starts on the page chosen.
    ThePrinter().Device().setPageSize(QPageSize(QPageSize::Letter));
    ThePrinter().Device().setPageOrientation(QPageLayout::Portrait);
    UserPageChoice() = PageChoice();
    main.reset();
    EXPECT_EQ(QFileInfo(QString::fromStdString(SettingsFile())).size(), 128);
    main = std::make_unique<TMainForm>();
    const QPageLayout layout = ThePrinter().Device().pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A3);
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    EXPECT_FALSE(main->LockDevMode().Portrait);
    EXPECT_FALSE(Open().RadioButtonPortrait->isChecked());

    ThePrinter().Device().setPageSize(paper);
    UserPageChoice() = PageChoice();
}

TEST(PageSetupFile, WhatIsWrittenIsReadBackAndDamageChoosesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    EXPECT_FALSE(ReadPageChoice(folder).hasPaper) << "no file";

    struct Case {
        PageChoice written;
    } cases[] = {
        {{true, QPageSize(QPageSize::A4), true, true}},
        {{true, QPageSize(QPageSize::Letter), true, false}},
        {{true, QPageSize(QSizeF(123.5, 321), QPageSize::Millimeter, "Рулон"), false, true}},
        {{false, QPageSize(), true, false}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WritePageChoice(folder, c.written));
        const PageChoice read = ReadPageChoice(folder);
        EXPECT_EQ(read.hasPaper, c.written.hasPaper);
        if (c.written.hasPaper) {
            EXPECT_EQ(read.paper.id(), c.written.paper.id());
            EXPECT_NEAR(read.paper.size(QPageSize::Millimeter).width(),
                        c.written.paper.size(QPageSize::Millimeter).width(), 0.1);
            EXPECT_NEAR(read.paper.size(QPageSize::Millimeter).height(),
                        c.written.paper.size(QPageSize::Millimeter).height(), 0.1);
        }
        EXPECT_EQ(read.hasOrientation, c.written.hasOrientation);
        if (c.written.hasOrientation) {
            EXPECT_EQ(read.portrait, c.written.portrait);
        }
    }

    for (const char* damaged : {"[Paper]\nWidthMm=-5\nHeightMm=297\nOrientation=sideways\n",
                                "[Paper]\nWidthMm=nan\nHeightMm=1e300\n", "\x01\x02 not ini at all"}) {
        QFile file(dir.filePath(kPageSetupFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        const PageChoice read = ReadPageChoice(folder);
        EXPECT_FALSE(read.hasPaper) << damaged;
        EXPECT_FALSE(read.hasOrientation) << damaged;
    }
}

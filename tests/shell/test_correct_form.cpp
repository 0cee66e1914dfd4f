// The order-number dialog: stepping by click and by the held buttons'
// repetition, the edit's filter, Enter and Esc, and its opening from the
// main window's order caption.
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/CorrectForm.h"
#include "tests/shell/MainFormFixture.h"

class CorrectFormTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        dialog = std::make_unique<TCorrectForm>(main.get());
        startUpTimerStarted = main->Timer1->isActive();
        // The start-up sequence is not part of these tests.
        }
    void TearDown() override {
        dialog.reset();
        MainFormFixture::TearDown();
    }
    // Opens the dialog as the main window does and runs `inside` once it
    // shows; the answer is RunOrderNumberDialog's.
    bool RunWith(const std::function<void()>& inside) {
        QTimer::singleShot(0, dialog.get(), inside);
        return RunOrderNumberDialog(*main);
    }
    std::unique_ptr<TCorrectForm> dialog;
    bool startUpTimerStarted = false;
};

TEST_F(CorrectFormTest, MadeOnceItStartsTheStartUpSequence) {
    EXPECT_EQ(CorrectForm, dialog.get());
    EXPECT_TRUE(startUpTimerStarted);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Номер заказа:"));
    EXPECT_EQ(dialog->OrderNamb->maxLength(), 9);
    EXPECT_EQ(dialog->OkButt->text(), QStringLiteral("Ok!"));
    EXPECT_EQ(dialog->CountTime->interval(), 220);
    EXPECT_FALSE(dialog->CountTime->isActive());
}

TEST_F(CorrectFormTest, StepsByClickAndByTheHeldButtons) {
    dialog->Number = 1;
    dialog->FormShow();
    QTest::mouseClick(dialog->Plus, Qt::LeftButton);
    EXPECT_EQ(dialog->Number, 2);
    EXPECT_EQ(dialog->OrderNamb->text(), QStringLiteral("2"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(dialog->Minus, Qt::LeftButton);
    EXPECT_EQ(dialog->Number, 0);  // clamped at 0
    EXPECT_EQ(dialog->OrderNamb->text(), QStringLiteral("0"));

    // "+" held for about a second: four ticks, then the click of the
    // release: five in all.
    dialog->Number = 10;
    QTest::mousePress(dialog->Plus, Qt::LeftButton);
    EXPECT_TRUE(dialog->CountTime->isActive());
    for (int tick = 0; tick < 4; ++tick) dialog->CountTimerTimer();
    QTest::mouseRelease(dialog->Plus, Qt::LeftButton);
    EXPECT_FALSE(dialog->CountTime->isActive());
    EXPECT_EQ(dialog->Number, 15);

    // "-" held down to 0 stays at 0.
    dialog->Number = 2;
    QTest::mousePress(dialog->Minus, Qt::LeftButton);
    for (int tick = 0; tick < 5; ++tick) dialog->CountTimerTimer();
    QTest::mouseRelease(dialog->Minus, Qt::LeftButton);
    EXPECT_EQ(dialog->Number, 0);

    // The right button repeats too, but makes no step of its own.
    dialog->Number = 7;
    QTest::mousePress(dialog->Plus, Qt::RightButton);
    EXPECT_TRUE(dialog->CountTime->isActive());
    EXPECT_TRUE(dialog->CountUp);
    dialog->CountTimerTimer();
    QTest::mouseRelease(dialog->Plus, Qt::RightButton);
    EXPECT_FALSE(dialog->CountTime->isActive());
    EXPECT_EQ(dialog->Number, 8);
}

TEST_F(CorrectFormTest, TheTimerDrivesTheRepetition) {
    dialog->Number = 5;
    dialog->PlusMouseDown();
    dialog->MinusMouseDown();  // the last press sets the direction
    for (int tick = 0; tick < 3; ++tick) QMetaObject::invokeMethod(dialog->CountTime, "timeout");
    dialog->MinusMouseUp();
    EXPECT_EQ(dialog->Number, 2);
    EXPECT_FALSE(dialog->CountTime->isActive());
}

TEST_F(CorrectFormTest, TheEditTakesDigitsOnly) {
    for (char c : std::string("0123456789")) EXPECT_TRUE(TCorrectForm::OrderNambKeyPress(QChar::fromLatin1(c)));
    EXPECT_TRUE(TCorrectForm::OrderNambKeyPress(QChar(8)));
    for (char c : std::string("a.,- +")) EXPECT_FALSE(TCorrectForm::OrderNambKeyPress(QChar::fromLatin1(c)));

    dialog->Number = 0;
    dialog->FormShow();
    dialog->OrderNamb->clear();
    QTest::keyClicks(dialog->OrderNamb, QStringLiteral("4a.,2"));
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("б"));
    QCoreApplication::sendEvent(dialog->OrderNamb, &cyrillic);
    EXPECT_EQ(dialog->OrderNamb->text(), QStringLiteral("42"));
    EXPECT_EQ(dialog->Number, 42);
    // Emptied, the number keeps its last value.
    QTest::keyClick(dialog->OrderNamb, Qt::Key_Backspace);
    QTest::keyClick(dialog->OrderNamb, Qt::Key_Backspace);
    EXPECT_TRUE(dialog->OrderNamb->text().isEmpty());
    EXPECT_EQ(dialog->Number, 4);
    // Ten digits do not fit.
    QTest::keyClicks(dialog->OrderNamb, QStringLiteral("1234567890"));
    EXPECT_EQ(dialog->OrderNamb->text(), QStringLiteral("123456789"));
    EXPECT_EQ(dialog->Number, 123456789);
}

TEST_F(CorrectFormTest, OpenedFromTheOrderCaption) {
    MakeGarment();
    main->move(100, 80);
    main->OrderNumber = 12;
    main->UpdateModelCaption();
    const QString caption = main->ModelType->text();

    // Stepped and confirmed with "Ok!": the number and the caption follow.
    QPoint at;
    EXPECT_TRUE(RunWith([&] {
        at = dialog->pos();
        EXPECT_EQ(dialog->OrderNamb->text(), QStringLiteral("12"));
        dialog->PlusClick();
        dialog->PlusClick();
        QTest::mouseClick(dialog->OkButt, Qt::LeftButton);
    }));
    EXPECT_EQ(at, QPoint(100 + 355, 80 + 143));
    EXPECT_EQ(main->OrderNumber, 14);
    EXPECT_EQ(main->ModelType->text(), QString(caption).replace(QStringLiteral("12"), QStringLiteral("14")));

    // Esc after stepping changes nothing.
    EXPECT_FALSE(RunWith([&] {
        dialog->MinusClick();
        QTest::keyClick(dialog->OrderNamb, Qt::Key_Escape);
    }));
    EXPECT_EQ(main->OrderNumber, 14);
    EXPECT_TRUE(main->ModelType->text().endsWith(QStringLiteral("14")));

    // Enter confirms a typed number; an emptied edit keeps the last one.
    EXPECT_TRUE(RunWith([&] {
        dialog->OrderNamb->setText(QStringLiteral("305"));
        QTest::keyClick(dialog->OrderNamb, Qt::Key_Return);
    }));
    EXPECT_EQ(main->OrderNumber, 305);
    EXPECT_TRUE(RunWith([&] {
        dialog->OrderNamb->clear();
        QTest::keyClick(dialog->OrderNamb, Qt::Key_Enter);
    }));
    EXPECT_EQ(main->OrderNumber, 305);

    // The window's close box is a cancel; a held button stops with it.
    EXPECT_FALSE(RunWith([&] {
        dialog->PlusMouseDown();
        dialog->close();
    }));
    EXPECT_FALSE(dialog->CountTime->isActive());
    EXPECT_EQ(main->OrderNumber, 305);
}

TEST_F(CorrectFormTest, RightClickOnTheCaptionOpensIt) {
    MakeGarment();
    main->OrderNumber = 3;
    bool opened = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        opened = dialog->isVisible();
        dialog->reject();
    });
    main->ModelTypeMouseDown(Qt::RightButton);
    EXPECT_TRUE(opened);
    EXPECT_EQ(main->OrderNumber, 3);  // cancelled: the number stays

    // The press is followed by the window system's context-menu request:
    // the field's edit menu does not come after the dialog.
    bool popped = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popped = true;
            popup->close();
        }
    });
    const QPoint at(5, 5);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, main->ModelType->mapToGlobal(at));
    QApplication::sendEvent(main->ModelType, &request);
    QApplication::processEvents();
    EXPECT_FALSE(popped);
}

// The order number from the settings, a calculation and the dialog's "+"
// all stay within what the dialog can show and take: at most 9 digits,
// never negative.
TEST_F(CorrectFormTest, TheOrderNumberStaysWithinNineDigits) {
    struct Case {
        int stored;
        int restored;
        int afterCalculation;
    } cases[] = {
        {2147483647, 999999999, 999999999}, {1000000000, 999999999, 999999999}, {999999998, 999999998, 999999999},
        {-5, 0, 1},  {-2147483647 - 1, 0, 1}, {0, 0, 1}, {12, 12, 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Settings->Record->OrderNumber = c.stored;
        main->FormCreate();
        EXPECT_EQ(main->OrderNumber, c.restored);
        MakeGarment();
        EXPECT_TRUE(main->ModelType->text().endsWith(QString::fromUtf8("Заказ № ") + QString::number(c.restored)));
        main->Calc->trigger();
        EXPECT_EQ(main->OrderNumber, c.afterCalculation);
    }

    dialog->Number = 999999998;
    dialog->FormShow();
    for (int i = 0; i < 3; ++i) dialog->PlusClick();
    EXPECT_EQ(dialog->Number, 999999999);
    EXPECT_EQ(dialog->OrderNamb->text(), QStringLiteral("999999999"));
    dialog->CountUp = true;
    dialog->CountTimerTimer();
    EXPECT_EQ(dialog->Number, 999999999);
}

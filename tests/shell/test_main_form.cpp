// The main window: its parts, the menu, the measurement column laid out and
// restored by a garment, the key filter, the focus moves, Ctrl+C and paste
// in a measurement field, and the two status panels.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <QCoreApplication>
#include <QGuiApplication>

#include "kernel/Models.h"
#include "platform/Text.h"
#include "shell/AppInfo.h"
#include "tests/shell/MainFormFixture.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// The captions of a menu's items, separators as "-", submenus by title.
std::vector<std::string> Items(QMenu* menu) {
    std::vector<std::string> items;
    for (QAction* a : menu->actions()) items.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return items;
}

QMenu* TopMenu(QMainWindow& window, const char* title) {
    for (QAction* a : window.menuBar()->actions())
        if (a->text() == U(title)) return a->menu();
    return nullptr;
}

}  // namespace

using MainFormTest = MainFormFixture;

TEST_F(MainFormTest, WindowPartsStandWhereTheyBelong) {
    EXPECT_EQ(main->centralWidget()->width() , 683);
    EXPECT_EQ(main->centralWidget()->height() + main->statusBar()->height(), 488);
    EXPECT_EQ(main->minimumSize(), main->maximumSize()) << "fixed size";
    EXPECT_EQ(main->windowTitle(), U("Ладомирка 4.23"));

    EXPECT_EQ(main->LineImageView->geometry(), QRect(5, 40, 153, 425));
    EXPECT_EQ(main->LineImage.Width(), 153);
    EXPECT_EQ(main->LineImage.Height(), 425);
    EXPECT_EQ(main->ScrollBox1->size(), QSize(161, 425));
    EXPECT_EQ(main->ScrollBox1->y(), 40);

    for (int n = 1; n <= kMeasureRows; ++n) {
        SCOPED_TRACE(n);
        QLabel* line = main->Line(n);
        QLineEdit* meas = main->Meas(n);
        ASSERT_TRUE(line && meas);
        EXPECT_EQ(line->pos(), QPoint(8, 8 + 48 * (n - 1)));
        EXPECT_TRUE(line->font().bold());
        EXPECT_EQ(line->text(), U("Измерение %1:").arg(n));
        EXPECT_EQ(meas->geometry(), QRect(8, 24 + 48 * (n - 1), 113, 21));
        EXPECT_TRUE(line->isHidden());
        EXPECT_TRUE(meas->isHidden());
    }
    EXPECT_EQ(main->Line(0), nullptr);
    EXPECT_EQ(main->Meas(28), nullptr);

    EXPECT_EQ(main->GroupBox1->title(), U(" Комментарий к заказу и информация о клиенте: "));
    EXPECT_EQ(main->ModelType->maxLength(), 50);
    EXPECT_EQ(main->ModelType->toolTip(), U(" Щелкните правой кнопкой для коррекции номера заказа"));
    EXPECT_EQ(main->CustomerData->maxLength(), 50);
    EXPECT_EQ(main->CustomerData->toolTip(), U(" Информация о клиенте"));
    EXPECT_TRUE(main->CollarType->isReadOnly());
    EXPECT_TRUE(main->SleeveType->isReadOnly());
    EXPECT_TRUE(main->CollarType->isHidden());
    EXPECT_TRUE(main->SleeveType->isHidden());
    EXPECT_FALSE(main->Comment->acceptRichText());

    ASSERT_EQ(main->MasAtMain->count(), 4);
    const char* items[] = {" M 1:4", " M 1:3", " M 1:2", " M 1:1"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(main->MasAtMain->itemText(i), U(items[i]));
    EXPECT_EQ(main->MasAtMain->currentIndex(), 0);
    EXPECT_EQ(main->MasAtMain->focusPolicy(), Qt::NoFocus);

    EXPECT_EQ(main->StatusPanel0->width(), 161);
    EXPECT_EQ(main->Calculete->text(), U("Рассчитать"));
    EXPECT_EQ(main->Calculete->toolTip(), U("Расчёт и построение чертежа и таблиц основы (Ctrl+C)"));
}

TEST_F(MainFormTest, StartsWithoutPiecesAndWithTheUsersSeparator) {
    EXPECT_EQ(main->Model, nullptr);
    EXPECT_EQ(main->Collar, nullptr);
    EXPECT_EQ(main->Sleeve, nullptr);
    EXPECT_EQ(main->ModelIndex, -2);
    EXPECT_EQ(main->CollarKind, -2);
    EXPECT_EQ(main->SleeveKind, -2);
    EXPECT_FALSE(main->DraggingCollar || main->DraggingSleeve || main->AboutOpen || main->PrintSetUpOpen);
    EXPECT_EQ(main->DecimalSeparator, DecimalSeparator());
    EXPECT_EQ(main->DecimalSeparatorText, std::string(1, DecimalSeparator()));
    EXPECT_EQ(main->OrderNumber, 1) << "the default order number of a first start";
    EXPECT_EQ(MainForm, main.get());
    EXPECT_EQ(CurrentOrder().ModelIndex(), -2);
    EXPECT_EQ(main->Timer1->interval(), 666);
    EXPECT_TRUE(main->Timer1->isSingleShot());
}

TEST_F(MainFormTest, MenuReadsAsListed) {
    std::vector<std::string> top;
    for (QAction* a : main->menuBar()->actions()) top.push_back(a->text().toStdString());
    EXPECT_EQ(top, (std::vector<std::string>{"&Файл", "Ре&дактирование", "&Справка"}));

    EXPECT_EQ(Items(TopMenu(*main, "&Файл")),
              (std::vector<std::string>{"&Новая основа..", "-", "&Открыть..", "&Сохранить..", "-",
                                        "&Настройка печати..", "&Печать", "-", "&Выйти"}));
    QMenu* edit = TopMenu(*main, "Ре&дактирование");
    EXPECT_EQ(Items(edit), (std::vector<std::string>{"&Очистить", "П&ереключить", "Масштаб"}));
    QMenu* scale = edit->actions().at(2)->menu();
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(Items(scale), (std::vector<std::string>{"1:4", "1:3", "1:2", "1:1"}));
    for (QAction* a : scale->actions()) EXPECT_TRUE(a->isCheckable());
    EXPECT_TRUE(main->Mas14->isChecked());
    EXPECT_FALSE(main->Mas13->isChecked() || main->Mas12->isChecked() || main->Mas11->isChecked());
    EXPECT_EQ(Items(TopMenu(*main, "&Справка")),
              (std::vector<std::string>{"Опис&ание ", "О п&рограмме", "-", "&Ответы на часто задаваемые вопросы",
                                        "&Моделирование", "&Задать вопрос.."}));

    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {main->CloseProg, QKeySequence("Ctrl+Q")}, {main->NewProject, QKeySequence("Ctrl+N")},
        {main->Open, QKeySequence("Ctrl+O")},      {main->SaveModel, QKeySequence("Ctrl+S")},
        {main->ToPrint, QKeySequence("Ctrl+P")},   {main->ReOn, QKeySequence("Ctrl+F")},
        {main->Calc, QKeySequence("Ctrl+C")},      {main->OpenHelpFile, QKeySequence("F1")},
    };
    for (const auto& [action, keys] : shortcuts) EXPECT_EQ(action->shortcut(), keys) << action->text().toStdString();
}

TEST_F(MainFormTest, KeyFilterAnswersEveryKindOfCharacter) {
    struct Case {
        char separator;
        char key;
        char expected;
    };
    const Case cases[] = {
        {'.', '7', '7'}, {',', '0', '0'}, {'.', 8, 8},     {',', 8, 8},     {'.', '.', '.'}, {'.', ',', '.'},
        {',', '.', ','}, {',', ',', ','}, {'.', 'a', 0},   {'.', '-', 0},   {'.', ' ', 0},   {',', 'e', 0},
        {'.', '+', 0},   {'.', 9, 0},     {',', 27, 0},
    };
    for (const Case& c : cases) {
        main->DecimalSeparator = c.separator;
        char key = c.key;
        main->FilterNumericKey(key);
        EXPECT_EQ(key, c.expected) << "key " << int(c.key) << " separator " << c.separator;
    }
}

TEST_F(MainFormTest, TypingIntoAMeasurementFieldPassesTheFilter) {
    MakeGarment();
    ShowMain();
    QLineEdit* edit = main->Meas(1);
    struct Case {
        char separator;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {'.', "12.5", "12.5"}, {'.', "12,5", "12.5"}, {',', "12.5", "12,5"}, {',', "12,5", "12,5"},
        {'.', "a1b-2 x", "12"}, {',', "+3e4", "34"},
        // No measurement is larger than 500 cm: the key that would make one
        // is not taken.
        {'.', "5000", "500"}, {'.', "6000", "60"}, {'.', "500.5", "500."}, {',', "499,95", "499,95"},
    };
    for (const Case& c : cases) {
        main->DecimalSeparator = c.separator;
        edit->clear();
        QTest::keyClicks(edit, c.typed);
        EXPECT_EQ(edit->text().toStdString(), c.shown) << c.typed << " with " << c.separator;
    }
    // A letter of another alphabet is swallowed too; Backspace still works.
    edit->setText("45");
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, U("ж"));
    QApplication::sendEvent(edit, &cyrillic);
    EXPECT_EQ(edit->text(), U("45"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), U("4"));
}

TEST_F(MainFormTest, PastingCannotGetPastTheFilter) {
    MakeGarment();
    QLineEdit* edit = main->Meas(1);
    main->DecimalSeparator = ',';
    struct Case {
        const char* clipboard;
        const char* shown;
    };
    const Case cases[] = {{"abc", "1"},   {"2 5", "1"},  {"-3", "1"},
                          {"2.5", "12,5"}, {"25", "125"}, {"600", "1"}};
    for (const Case& c : cases) {
        edit->setText("1");
        edit->setCursorPosition(1);
        QApplication::clipboard()->setText(U(c.clipboard));
        edit->paste();
        EXPECT_EQ(edit->text().toStdString(), c.shown) << "pasting " << c.clipboard;
    }
}

TEST_F(MainFormTest, EnterAndAltArrowsMoveTheFocus) {
    MakeGarment();  // rows 1..3; row 4 (the sleeve row) stays hidden
    ShowMain();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ASSERT_EQ(QApplication::focusWidget(), main->Meas(1));

    QTest::keyClick(main->Meas(1), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), main->Meas(2));
    const QString before = main->Meas(2)->text();
    QTest::keyClick(main->Meas(2), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), main->Meas(3));
    EXPECT_EQ(main->Meas(2)->text(), before) << "Enter types nothing";
    // The last visible row hands the focus on, out of the column.
    QTest::keyClick(main->Meas(3), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), main->ModelType);
    QTest::keyClick(main->ModelType, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), main->CustomerData);
    EXPECT_EQ(main->ModelType->text().right(1), U("1")) << "Enter types nothing into the caption";

    QTest::keyClick(main->CustomerData, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), main->ModelType);
    QTest::keyClick(main->ModelType, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), main->Meas(3));
    QTest::keyClick(main->Meas(3), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), main->Meas(2));
    QTest::keyClick(main->Meas(2), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), main->Meas(3));
}

TEST_F(MainFormTest, CtrlCInAMeasurementFieldCalculates) {
    ShowMain();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    // Before any base: nothing happens and the order number stays.
    main->Calc->trigger();
    EXPECT_EQ(main->OrderNumber, 1);
    EXPECT_TRUE(messages.empty());

    MakeGarment();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->Meas(1)->setFocus();
    main->Meas(1)->setText("12");
    main->Meas(1)->selectAll();
    QTest::keyClick(main->Meas(1), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Script().getMeasures, 1);
    EXPECT_EQ(Script().calculateCalls, 1);
    EXPECT_EQ(main->OrderNumber, 2);
    EXPECT_TRUE(main->Model->calculated);
}

TEST_F(MainFormTest, AGarmentLaysOutTheColumnAndItsDestructorRestoresIt) {
    MakeGarment();
    for (int n = 1; n <= kTestRows; ++n) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(main->Line(n)->isHidden());
        EXPECT_FALSE(main->Meas(n)->isHidden());
        EXPECT_EQ(main->Line(n)->text(), U(kTestRowCaptions[n - 1]));
        EXPECT_EQ(main->Meas(n)->toolTip(), U(kTestRowHints[n - 1]));
        EXPECT_EQ(main->Line(n)->toolTip(), U(kTestRowHints[n - 1]));
        EXPECT_EQ(main->MeasHint(n), kTestRowHints[n - 1]);
    }
    EXPECT_TRUE(main->Meas(kTestSleeveRow)->isHidden()) << "no sleeve, no sleeve row";
    EXPECT_EQ(main->ModelType->text(), U(" Платье прямого силуэта. Заказ № 1"));
    EXPECT_EQ(main->ModelTypeText(), " Платье прямого силуэта. Заказ № 1");
    EXPECT_EQ(CurrentOrder().ModelIndex(), kTestGarmentType);

    // The last row shows its hint as every other row does.
    main->SetRow(27, "h:", "Прибавка на утепляющую прокладку");
    for (QWidget* w : std::initializer_list<QWidget*>{main->Line(27), main->Meas(27)}) {
        EXPECT_EQ(w->toolTip(), U("Прибавка на утепляющую прокладку"));
        EXPECT_EQ(w->statusTip(), U("Прибавка на утепляющую прокладку"));
    }
    main->HideRow(27);

    main->FormClose();  // deletes the garment
    for (int n = 1; n <= kTestRows; ++n) {
        EXPECT_TRUE(main->Line(n)->isHidden());
        EXPECT_TRUE(main->Meas(n)->isHidden());
        EXPECT_EQ(main->Line(n)->text(), U("Измерение %1:").arg(n));
        EXPECT_TRUE(main->Meas(n)->toolTip().isEmpty());
    }
}

TEST_F(MainFormTest, SampleValuesUseTheSeparator) {
    main->FillSamples = true;
    main->DecimalSeparator = ',';
    main->DecimalSeparatorText = ",";
    MakeGarment();
    EXPECT_EQ(main->Meas(1)->text(), U("31,5"));
}

TEST_F(MainFormTest, FocusShowsTheMeasureAndItsNameInTheStatusBar) {
    MakeGarment();
    ShowMain();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->Meas(2)->setFocus();
    EXPECT_EQ(Script().lastShown, 2);
    EXPECT_EQ(main->StatusPanel0->text(), U("  Полуобхват бёдер"));

    // The application's hint goes to the right panel.
    QStatusTipEvent tip(U(" Информация о клиенте"));
    QApplication::sendEvent(main->CustomerData, &tip);
    EXPECT_EQ(main->StatusPanel1->text(), U("   Информация о клиенте"));
}

TEST_F(MainFormTest, TheFigureIsDrawnOnTheFirstMeasure) {
    MakeGarment();
    EXPECT_EQ(Script().lastShown, 1);
    const QImage& figure = main->LineImage.Bitmap();
    ASSERT_FALSE(figure.isNull());
    EXPECT_EQ(figure.size(), QSize(153, 425));
    // The waist marker is red somewhere on the picture.
    bool red = false;
    for (int y = 0; y < figure.height() && !red; ++y)
        for (int x = 0; x < figure.width() && !red; ++x) red = figure.pixel(x, y) == qRgb(255, 0, 0);
    EXPECT_TRUE(red);
}

// The application is named without a display name, which the window system
// would add to every window's title.
TEST(ApplicationName, NoDisplayNameJoinsTheWindowTitles) {
    const QString name = QCoreApplication::applicationName();
    NameApplication();
    EXPECT_EQ(QCoreApplication::applicationName(), QString::fromUtf8(kAppConfigName));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_NE(QGuiApplication::applicationDisplayName(), QString::fromUtf8(kAppTitle));
    QCoreApplication::setApplicationName(name);
}

// The about box: its two ways of showing (modal with the self-closing timer
// at start-up, modeless and toggled by the about command), the sample
// option, the links and their hover colour, and its place.
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "shell/AboutForm.h"
#include "tests/shell/MainFormFixture.h"

class AboutFormTest : public MainFormFixture {
protected:
    void TearDown() override {
        if (AboutForm) AboutForm->close();
        // Closed boxes are freed by the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(AboutForm, nullptr);
        MainFormFixture::TearDown();
    }

    // The start-up box, with `inside` run once it shows.
    void StartUpWith(const std::function<void()>& inside) {
        QTimer::singleShot(0, main.get(), inside);
        ShowAboutAtStartUp(*main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(AboutFormTest, StartUpBoxClosesItselfAfterTwentySeconds) {
    bool open = false, modal = false;
    int interval = 0;
    StartUpWith([&] {
        ASSERT_NE(AboutForm, nullptr);
        open = main->AboutOpen;
        modal = AboutForm->isModal();
        interval = AboutForm->Timer2->isActive() ? AboutForm->Timer2->interval() : 0;
        AboutForm->Timer2Timer();  // the twenty seconds are over
    });
    EXPECT_TRUE(open);
    EXPECT_TRUE(modal);
    EXPECT_EQ(interval, 20000);
    EXPECT_FALSE(main->AboutOpen);
    EXPECT_EQ(AboutForm, nullptr);

    // Closed by its button before the time, it goes at once.
    StartUpWith([&] { QTest::mouseClick(AboutForm->Button1, Qt::LeftButton); });
    EXPECT_FALSE(main->AboutOpen);
    EXPECT_EQ(AboutForm, nullptr);
}

TEST_F(AboutFormTest, AboutCommandOpensAndClosesIt) {
    ToggleAboutBox(*main);
    ASSERT_NE(AboutForm, nullptr);
    EXPECT_TRUE(main->AboutOpen);
    EXPECT_TRUE(AboutForm->isVisible());
    EXPECT_FALSE(AboutForm->isModal());
    EXPECT_FALSE(AboutForm->Timer2->isActive());
    EXPECT_EQ(AboutForm->windowTitle(), QString::fromUtf8("О программе"));
    EXPECT_TRUE(AboutForm->windowFlags() & Qt::WindowStaysOnTopHint);

    ToggleAboutBox(*main);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main->AboutOpen);
    EXPECT_EQ(AboutForm, nullptr);

    ToggleAboutBox(*main);
    EXPECT_TRUE(main->AboutOpen);
    // Esc closes it for good as well.
    QTest::keyClick(AboutForm, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main->AboutOpen);
    EXPECT_EQ(AboutForm, nullptr);
}

TEST_F(AboutFormTest, TheSampleOptionIsTheMainWindowsFlag) {
    for (bool initially : {false, true}) {
        SCOPED_TRACE(initially);
        main->FillSamples = initially;
        ToggleAboutBox(*main);
        ASSERT_NE(AboutForm, nullptr);
        QCheckBox* box = AboutForm->CheckBox1;
        EXPECT_EQ(box->text(), QString::fromUtf8("Заполнять измерениями для примера."));
        EXPECT_EQ(box->isChecked(), initially);
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(main->FillSamples, !initially);
        EXPECT_EQ(Settings->Record->FillSamples, initially ? 0 : 1);
        ToggleAboutBox(*main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The choice outlives the box and decides the next garment's samples.
    EXPECT_TRUE(!main->FillSamples);
    MakeGarment();
    EXPECT_TRUE(main->Meas(1)->text().isEmpty());
}

TEST_F(AboutFormTest, LinksOpenTheirAddressesAndLightUpUnderTheMouse) {
    ToggleAboutBox(*main);
    ASSERT_NE(AboutForm, nullptr);
    TAboutForm& box = *AboutForm;
    const QColor rest = box.Label5->palette().color(QPalette::WindowText);
    EXPECT_EQ(box.RestColor, rest);
    struct Link {
        QLabel* label;
        int number;
        const char* scheme;
        const char* hint;
    };
    const Link links[] = {{box.Label5, 5, "mailto:", "Написать письмо автору"},
                          {box.Label6, 6, "https:", "Открыть страницу программы"},
                          {box.Label7, 7, "mailto:", "Написать письмо автору"}};
    for (const Link& l : links) {
        SCOPED_TRACE(l.number);
        EXPECT_EQ(l.label->toolTip(), QString::fromUtf8(l.hint));
        EXPECT_EQ(l.label->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(l.label->font().underline());

        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(l.label, &enter);
        EXPECT_EQ(l.label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(l.label, &leave);
        EXPECT_EQ(l.label->palette().color(QPalette::WindowText), rest);

        // Any mouse button opens the address.
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            desktop.clear();
            QTest::mousePress(l.label, button);
            ASSERT_EQ(desktop.size(), 1u);
            EXPECT_EQ(desktop[0].kind, DesktopRequest::Kind::Url);
            EXPECT_EQ(desktop[0].target, TAboutForm::LinkTarget(l.number));
            EXPECT_EQ(desktop[0].target.rfind(l.scheme, 0), 0u);
        }
    }
    // A link the desktop cannot open is reported.
    desktopAnswer = false;
    messages.clear();
    box.LinkMouseDown(6);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MsgIcon::Error);
}

TEST_F(AboutFormTest, StandsCentredOnTheMainWindow) {
    main->move(101, 57);
    auto* box = new TAboutForm(*main);
    EXPECT_EQ(box->size(), QSize(369, 425));
    // Left = main left + (main width - 369) * 0.5 + 6, top = main top +
    // (main height - 425) * 0.5 - 10, truncated toward zero.
    const int left = int(main->x() + (main->width() - 369) * 0.5 + 6);
    const int top = int(main->y() + (main->height() - 425) * 0.5 - 10);
    EXPECT_EQ(box->pos(), QPoint(left, top));
    EXPECT_EQ(box->Label1->text(), QString::fromUtf8("Ладомирка"));
    EXPECT_TRUE(box->Label1->font().bold());
    box->close();
}

// Every text of the box shows whole: each label is as tall as its font
// needs for its lines at its width (and as wide as a line that cannot wrap),
// no two overlap, all lie inside the box; a larger font makes the box larger
// rather than cutting lines.
TEST_F(AboutFormTest, EveryLineShowsInFull) {
    const QFont appFont = QApplication::font();
    for (double grow : {1.0, 1.6}) {
        SCOPED_TRACE(grow);
        QFont font = appFont;
        font.setPointSizeF(appFont.pointSizeF() * grow);
        QApplication::setFont(font);
        ToggleAboutBox(*main);
        ASSERT_NE(AboutForm, nullptr);
        TAboutForm& box = *AboutForm;
        QCoreApplication::processEvents();
        auto* text = box.findChild<QLabel*>(QStringLiteral("AboutText"));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(), QString::fromUtf8("Построение основ одежды по измерениям заказчика.\n"
                                                  "Вопросы, пожелания и замечания присылайте автору:"));
        EXPECT_GE(text->height(), text->heightForWidth(text->width()));
        EXPECT_GE(text->height(), 2 * text->fontMetrics().lineSpacing());
        QWidget* const inOrder[] = {box.Label1, box.Label3, text,          box.Label5,
                                    box.Label6, box.Label7, box.CheckBox1, box.Button1};
        int bottom = 0;
        for (QWidget* w : inOrder) {
            SCOPED_TRACE(w->metaObject()->className());
            EXPECT_GE(w->height(), w->sizeHint().height());
            EXPECT_GE(w->width(), w->minimumSizeHint().width());
            EXPECT_GE(w->y(), bottom) << "overlaps the one above";
            EXPECT_TRUE(box.rect().contains(w->geometry()));
            bottom = w->geometry().bottom() + 1;
        }
        EXPECT_GE(box.width(), 369);
        EXPECT_GE(box.height(), 425);
        if (grow == 1.0) EXPECT_EQ(box.size(), QSize(369, 425)) << "the texts fit the box as it was drawn";
        ToggleAboutBox(*main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QApplication::setFont(appFont);
}

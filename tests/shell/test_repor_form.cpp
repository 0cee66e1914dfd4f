// The drawing window driven headless: sheet allocation, the sheets shown by
// their widgets, panning, the collar and sleeve drags with a small fake
// garment, the scale list kept in step with the main window's, printing and
// the bounds restored from the settings.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "kernel/Checked.h"
#include "kernel/DrawContext.h"
#include "kernel/Models.h"
#include "platform/MessageBox.h"
#include "platform/PrinterList.h"
#include "platform/Screen.h"
#include "platform/SheetImage.h"
#include "shell/MainForm.h"
#include "shell/ReporForm.h"
#include "shell/Settings.h"

// Qt's own entry for a key that may be a shortcut (its test library types
// keys through it): offers the key to the shortcut map of the active window.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace {

// Pixels of one sheet at 96 ppi: 1:1 is 3968 x 5631, 1:2 is 1984 x 2815.
constexpr std::int64_t kPixelsAt2 = 1984LL * 2815;
constexpr std::int64_t kPixelsAt4 = 992LL * 1407;

// ---- A garment, collar and sleeve that log their calls. ----

using Log = std::vector<std::string>;

struct Point {
    float x;
    float y;
};

// What a fake part does when called: throw an int, throw the kernel's
// exception, or nothing.
enum class Fault { None, Int1, Int2, Float };

void Raise(Fault fault) {
    switch (fault) {
        case Fault::Int1: throw 1;
        case Fault::Int2: throw 2;
        case Fault::Float: throw EFloatError("test fault");
        case Fault::None: break;
    }
}

class FakeModel : public TModel {
public:
    explicit FakeModel(Log& log) : log_(log) { calculated = true; }
    Fault redrawFault = Fault::None;
    Fault printFault = Fault::None;
    std::vector<bool> printButtonsAtPrint;

    bool GetMeasures() override { return true; }
    void Calculate() override { calculated = true; }
    void Draw() override { log_.push_back("Draw"); }
    void RedrawCollar() override {
        log_.push_back("RedrawCollar");
        Raise(redrawFault);
    }
    void RedrawSleeve() override {
        log_.push_back("RedrawSleeve");
        Raise(redrawFault);
    }
    void ClearSheets() override { log_.push_back("ClearSheets"); }
    void ClearInputs(int sleeveKind) override { log_.push_back("ClearInputs " + std::to_string(sleeveKind)); }
    void ShowMeasure(int) override {}
    void CalcSegments() override {}
    void DrawTables(int scale) override { log_.push_back("DrawTables " + std::to_string(scale)); }
    void Print() override {
        printButtonsAtPrint.push_back(ReporForm->ToPrint->isEnabled());
        printButtonsAtPrint.push_back(ReporForm->PrintSetUp->isEnabled());
        log_.push_back("Print");
        Raise(printFault);
    }
    void SaveMeasures(RecordWriter&) override {}
    void LoadMeasures(RecordReader&) override {}

private:
    Log& log_;
};

// The handle part shared by the fake collar and sleeve.
struct FakeHandle {
    bool hit = true;
    int sheet = 1;  // the sheet its handle is drawn on: only a press there grabs it
    Fault calculateFault = Fault::None;
    Fault dragFault = Fault::None;
    std::vector<Point> hits;
    std::vector<int> hitSheets;
    std::vector<Point> drags;
};

// The handle part of a fake collar or sleeve: logs "<name>.Calculate" and
// "<name>.Drag", answers its hit tests and raises its faults.
template <class Part>
class FakeHandled : public Part {
public:
    FakeHandled(Log& log, FakeHandle& h, const char* name) : log_(log), h_(h), name_(name) {}
    void Calculate() override {
        log_.push_back(name_ + ".Calculate");
        Raise(h_.calculateFault);
    }
    bool HitTest(int sheet, float x, float y) override {
        h_.hits.push_back({x, y});
        h_.hitSheets.push_back(sheet);
        return h_.hit && sheet == h_.sheet;
    }
    void Drag(float x, float y) override {
        log_.push_back(name_ + ".Drag");
        h_.drags.push_back({x, y});
        Raise(h_.dragFault);
    }
    void Draw() override {}
    void DrawLabels() override {}
    void ClearCaption() override {}

private:
    Log& log_;
    FakeHandle& h_;
    std::string name_;
};

class FakeCollar : public FakeHandled<TCollar> {
public:
    FakeCollar(Log& log, FakeHandle& h) : FakeHandled(log, h, "Collar") {}
    void Hook4() override {}
    void Hook5() override {}
};

class FakeSleeve : public FakeHandled<TSleeve> {
public:
    FakeSleeve(Log& log, FakeHandle& h) : FakeHandled(log, h, "Sleeve") {}
    void DrawOnFront() override {}
    void DrawOnBack() override {}
    void LabelsOnFront() override {}
    void LabelsOnBack() override {}
    void Hook8() override {}
    void Hook9() override {}
};

// ---- Mouse events straight to a widget. ----

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPointF p) {
    QMouseEvent event(type, p, w->mapToGlobal(p), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void Press(QWidget* w, QPointF p, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, button, button, p);
}
void Move(QWidget* w, QPointF p, Qt::MouseButtons buttons = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, buttons, p);
}
void Release(QWidget* w, QPointF p, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonRelease, button, Qt::NoButton, p);
}

bool ClosedHandShown() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::ClosedHandCursor;
}

// ---- Fixture: the main window and the drawing window, as at start-up. ----

class ReporFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir_.isValid());
        TSettings::SetFolderOverride(settingsDir_.path().toStdString());
        SetScreenPixelsPerInchOverride(96);
        SetMessageInterceptor([this](const MessageRecord& m) {
            messages_.push_back(m);
            return MsgResult::Ok;
        });
        main_ = std::make_unique<TMainForm>();
        // Printing goes straight to the printer: no modal set-up window.
        Settings->Record->ShowSetupBeforePrint = 0;
        form_ = std::make_unique<TReporForm>();
        ASSERT_EQ(ReporForm, form_.get());
    }

    void TearDown() override {
        if (MainForm) {
            MainForm->Model = nullptr;  // the fakes are the test's
            MainForm->Collar = nullptr;
            MainForm->Sleeve = nullptr;
        }
        form_.reset();
        main_.reset();
        SheetImage::SetAllocationLimit(0);
        SetPrinterListOverride(nullptr);
        SetMessageInterceptor(nullptr);
        SetScreenPixelsPerInchOverride(0);
        TSettings::SetFolderOverride("");
    }

    // Allocates the sheets (no finer than 1:2 unless allowed), shows them
    // and the window at a small size.
    void ShowSheets(std::int64_t limit = kPixelsAt2) {
        SheetImage::SetAllocationLimit(limit);
        ASSERT_TRUE(form_->AllocateSheets());
        for (SheetImage* sheet : {form_->List1(), form_->List2(), form_->List3()}) sheet->SetVisible(true);
        form_->resize(500, 400);
        form_->show();
        QApplication::processEvents();
    }

    // The garment, and the collar and sleeve when asked for, with their
    // origins set apart so that each conversion shows which one it used.
    void MakeGarment(bool collar, int sleeveKind) {
        model_ = std::make_unique<FakeModel>(log_);
        MainForm->Model = model_.get();
        if (collar) {
            collar_ = std::make_unique<FakeCollar>(log_, collarHandle_);
            MainForm->Collar = collar_.get();
        }
        if (sleeveKind > 0) {
            // The raglan sleeves' handle lies on the bodice's sheet, the
            // others' on the sleeve's.
            sleeveHandle_.sheet = sleeveKind == 5 || sleeveKind == 6 ? 1 : 2;
            sleeve_ = std::make_unique<FakeSleeve>(log_, sleeveHandle_);
            MainForm->Sleeve = sleeve_.get();
        }
        MainForm->SleeveKind = sleeveKind;
        ScreenDC.SetOrigin(10, 20);
        ScreenDC.SaveCollarOrigin();
        ScreenDC.SetOrigin(30, 40);
        ScreenDC.SaveSleeveOrigin();
        ScreenDC.SetOrigin(0, 0);
    }

    // The pattern point of a sheet pixel with the origin (ox, oy).
    static Point Cm(QPoint p, float ox, float oy) {
        return {p.x() / ScreenDC.PxPerCmX - ox, oy - p.y() / ScreenDC.PxPerCmY};
    }

    QWidget* View(int n) const { return form_->SheetView(n); }
    QScrollBar* Horz() const { return form_->ScrollBox1->horizontalScrollBar(); }
    QScrollBar* Vert() const { return form_->ScrollBox1->verticalScrollBar(); }

    QTemporaryDir settingsDir_;
    std::vector<MessageRecord> messages_;
    std::unique_ptr<TMainForm> main_;
    std::unique_ptr<TReporForm> form_;
    Log log_;
    FakeHandle collarHandle_;
    FakeHandle sleeveHandle_;
    std::unique_ptr<FakeModel> model_;
    std::unique_ptr<FakeCollar> collar_;
    std::unique_ptr<FakeSleeve> sleeve_;
};

// ---- Allocation ----

TEST_F(ReporFormTest, AllocatesAtOneToOneAndShowsOneToFourAt96Ppi) {
    ASSERT_TRUE(form_->AllocateSheets());
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ScreenDC.MinScale, 1);
    EXPECT_EQ(ScreenDC.Scale, 4);
    EXPECT_EQ(ScreenDC.Window, form_.get());
    const int tops[3] = {0, 1417, 2834};
    SheetImage* sheets[3] = {form_->List1(), form_->List2(), form_->List3()};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(sheets[k]->Left(), 0);
        EXPECT_EQ(sheets[k]->Top(), tops[k]);
        EXPECT_EQ(sheets[k]->Width(), 992);
        EXPECT_EQ(sheets[k]->Height(), 1407);
        // The bitmap keeps its 1:1 size; the widget follows the sheet.
        EXPECT_EQ(sheets[k]->Bitmap().size(), QSize(3968, 5631));
        EXPECT_EQ(View(k + 1)->geometry(), QRect(0, tops[k], 992, 1407));
        EXPECT_FALSE(sheets[k]->Visible());  // until a garment shows it
    }
    EXPECT_EQ(form_->maximumSize(), QSize(1029, 1466));
}

TEST_F(ReporFormTest, FallsBackWhenOneToOneCannotBeAllocatedAndRefusesItLater) {
    MakeGarment(false, 0);
    ShowSheets(kPixelsAt2);
    EXPECT_EQ(ScreenDC.MinScale, 2);
    EXPECT_TRUE(messages_.empty());

    form_->MasAtReportChange(3);  // " M 1:1"
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, kScaleTooFineText);
    EXPECT_EQ(messages_[0].caption, kScaleTooFineCaption);
    EXPECT_EQ(messages_[0].icon, MsgIcon::Warning);
    // The scale in use is shown in both lists and passed to the tables.
    EXPECT_EQ(ScreenDC.Scale, 2);
    EXPECT_EQ(form_->MasAtReport->currentIndex(), 2);
    EXPECT_EQ(MainForm->MasAtMain->currentIndex(), 2);
    EXPECT_TRUE(MainForm->Mas12->isChecked());
    EXPECT_FALSE(MainForm->Mas11->isChecked());
    EXPECT_EQ(log_, (Log{"ClearSheets", "Draw", "DrawTables 2"}));
    EXPECT_EQ(form_->List1()->Width(), 1984);
}

TEST_F(ReporFormTest, EveryScaleFailingShowsTheMessageAndAnswersFalse) {
    SheetImage::SetAllocationLimit(100);
    EXPECT_FALSE(form_->AllocateSheets());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text,
              "Память сильно фрагментирована.\n"
              "Система не может выделить блок памяти \n"
              "необходимый для отображения чертежа. \n"
              "Перезагрузите систему.");
    EXPECT_EQ(messages_[0].caption, "Не возможно выделить память");
    EXPECT_EQ(messages_[0].icon, MsgIcon::Error);
}

// ---- Showing the sheets ----

TEST_F(ReporFormTest, SheetWidgetShowsTheTopLeftPartOfTheBitmap) {
    ShowSheets(kPixelsAt2);  // bitmaps at 1:2, sheets at 1:4
    SheetImage& sheet = *form_->List1();
    ScreenDC.ClearImage(sheet);
    ScreenDC.DrawGrid(sheet);
    sheet.Refresh();

    const QImage shown = View(1)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(992, 1407));
    const QImage bitmap = sheet.Bitmap().copy(0, 0, 992, 1407).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(shown == bitmap);
    // White, a fine line (4 = (int)(9.449 * 0.5)) and a 10-cm line (42 = 4.5 cm).
    EXPECT_EQ(shown.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(2, 4), qRgb(240, 240, 240));
    EXPECT_EQ(shown.pixel(2, 42), qRgb(220, 220, 220));
}

TEST_F(ReporFormTest, WidgetsAndScrollRangeFollowTheSheets) {
    ShowSheets();
    const int viewHeight = form_->ScrollClientHeight();
    EXPECT_EQ(Vert()->maximum(), 2834 + 1407 - viewHeight);
    // A hidden sheet leaves the range; a scale change updates it before the
    // positions are set.
    form_->List3()->SetVisible(false);
    EXPECT_FALSE(View(3)->isVisible());
    EXPECT_EQ(Vert()->maximum(), 1417 + 1407 - viewHeight);
    form_->MasAtReportChange(2);  // 1:2
    EXPECT_EQ(View(2)->geometry(), QRect(0, 2825, 1984, 2815));
    EXPECT_EQ(Vert()->maximum(), 2825 + 2815 - viewHeight);
    EXPECT_EQ(Horz()->maximum(), 1984 - form_->ScrollClientWidth());
}

TEST_F(ReporFormTest, ScrollRangeIsRightBeforeTheWindowIsShown) {
    // A scale change from the main window may come before this window was
    // ever shown; its positions must not be clamped to a stale range.
    SheetImage::SetAllocationLimit(kPixelsAt2);
    ASSERT_TRUE(form_->AllocateSheets());
    ASSERT_FALSE(form_->isVisible());
    form_->List1()->SetVisible(true);
    form_->List2()->SetVisible(true);
    EXPECT_EQ(Vert()->maximum(), 1417 + 1407 - form_->ScrollClientHeight());
    form_->SetVertScrollPos(1000);
    EXPECT_EQ(form_->VertScrollPos(), 1000);
    form_->MasAtReportChange(2);  // 1:2: the middle of the view stays put
    const int hh = form_->ScrollClientHeight() / 2;
    EXPECT_EQ(form_->VertScrollPos(), (1000 + hh) * 4 / 2 - hh);
}

// ---- Panning and the pointer ----

TEST_F(ReporFormTest, LeftDragOnASheetPansByThePointersTravel) {
    ShowSheets();
    Press(View(3), {200, 200});
    EXPECT_TRUE(ClosedHandShown());
    Move(View(3), {150, 120});
    EXPECT_EQ(Horz()->value(), 50);
    EXPECT_EQ(Vert()->value(), 80);
    // The sheet moved under the pointer: the same sheet point pans again.
    Move(View(3), {150, 120});
    EXPECT_EQ(Horz()->value(), 100);
    EXPECT_EQ(Vert()->value(), 160);
    // The scroll bars clamp.
    Move(View(3), {-5000, -9000});
    EXPECT_EQ(Horz()->value(), Horz()->maximum());
    EXPECT_EQ(Vert()->value(), Vert()->maximum());
    // No button held: nothing.
    Move(View(3), {5000, 5000}, Qt::NoButton);
    EXPECT_EQ(Horz()->value(), Horz()->maximum());
    Release(View(3), {0, 0});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ReporFormTest, LeftDragOnTheBackgroundPansFromThePositionsAtThePress) {
    ShowSheets();
    QWidget* viewport = form_->ScrollBox1->viewport();
    EXPECT_EQ(viewport->cursor().shape(), Qt::OpenHandCursor);
    Vert()->setValue(1300);
    Press(viewport, {100, 100});
    Move(viewport, {60, 30});
    EXPECT_EQ(Horz()->value(), 40);
    EXPECT_EQ(Vert()->value(), 1370);
    // The background does not move with the scroll: the same point, the same place.
    Move(viewport, {60, 30});
    EXPECT_EQ(Vert()->value(), 1370);
    Release(viewport, {60, 30});

    // The gap between sheets 1 and 2 (rows 1407..1416) is background too,
    // in the viewport's coordinates.
    Horz()->setValue(0);
    Vert()->setValue(1300);
    QWidget* contents = form_->ScrollBox1->widget();
    Press(contents, {100, 1410});
    EXPECT_TRUE(ClosedHandShown());
    Move(contents, {100, 1390});
    EXPECT_EQ(Vert()->value(), 1320);
    Release(contents, {100, 1390});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ReporFormTest, OtherButtonsLeaveCursorAndFlagsButTheirReleaseClearsThem) {
    ShowSheets();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        MainForm->DraggingCollar = true;
        MainForm->DraggingSleeve = true;
        Press(View(1), {100, 100}, button);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(MainForm->DraggingCollar);
        EXPECT_TRUE(MainForm->DraggingSleeve);
        Release(View(1), {100, 100}, button);
        EXPECT_FALSE(MainForm->DraggingCollar);
        EXPECT_FALSE(MainForm->DraggingSleeve);
    }
}

// ---- Collar and sleeve drags ----

// A press asks the collar and the sleeve on sheets 1 and 2, telling them the
// sheet, in that sheet's axes: only a handle drawn on the pressed sheet is
// grabbed (the fakes' collar and raglan handles lie on sheet 1, the other
// sleeves' on sheet 2).  Sheet 3 carries no handle.
TEST_F(ReporFormTest, APressGrabsOnlyAHandleDrawnOnThePressedSheet) {
    ShowSheets();
    const QPoint at(120, 240);
    struct Case {
        int sheet;
        int sleeveKind;
        bool collarGrabbed, sleeveGrabbed;
    } cases[] = {{1, 1, true, false}, {1, 5, true, true},   {1, 6, true, true}, {1, 12, true, false},
                 {2, 1, false, true}, {2, 5, false, false}, {2, 4, false, true}, {3, 4, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sheet " << c.sheet << " sleeve " << c.sleeveKind);
        collarHandle_ = FakeHandle();
        sleeveHandle_ = FakeHandle();
        MakeGarment(true, c.sleeveKind);
        Press(View(c.sheet), at);
        const std::vector<int> asked = c.sheet == 3 ? std::vector<int>{} : std::vector<int>{c.sheet};
        EXPECT_EQ(collarHandle_.hitSheets, asked);
        EXPECT_EQ(sleeveHandle_.hitSheets, asked);
        if (c.sheet != 3) {
            const Point cm = c.sheet == 1 ? Cm(at, 10, 20) : Cm(at, 30, 40);
            for (const FakeHandle* h : {&collarHandle_, &sleeveHandle_}) {
                EXPECT_FLOAT_EQ(h->hits[0].x, cm.x);
                EXPECT_FLOAT_EQ(h->hits[0].y, cm.y);
            }
        }
        EXPECT_EQ(MainForm->DraggingCollar, c.collarGrabbed);
        EXPECT_EQ(MainForm->DraggingSleeve, c.sleeveGrabbed);
        Release(View(c.sheet), at);
    }
}

TEST_F(ReporFormTest, WithoutHandlesAPressSetsNoFlagAndTheMovePans) {
    ShowSheets();
    // No garment at all, then a garment without collar and sleeve.
    for (bool garment : {false, true}) {
        SCOPED_TRACE(garment);
        if (garment) MakeGarment(false, 0);
        Horz()->setValue(0);
        Press(View(1), {200, 200});
        EXPECT_FALSE(MainForm->DraggingCollar);
        EXPECT_FALSE(MainForm->DraggingSleeve);
        Move(View(1), {170, 200});
        EXPECT_EQ(Horz()->value(), 30);
        Release(View(1), {170, 200});
    }
    EXPECT_TRUE(log_.empty());
}

TEST_F(ReporFormTest, CollarDragRecalculatesAndRedrawsWithoutPanning) {
    ShowSheets();
    MakeGarment(true, 5);
    collarHandle_.hit = true;
    sleeveHandle_.hit = false;
    Press(View(1), {100, 100});
    ScreenDC.SetOrigin(0, 0);  // as a redraw may leave it
    Move(View(1), {130, 90});
    EXPECT_EQ(log_, (Log{"Collar.Drag", "Collar.Calculate", "RedrawCollar"}));
    ASSERT_EQ(collarHandle_.drags.size(), 1u);
    EXPECT_FLOAT_EQ(collarHandle_.drags[0].x, Cm({130, 90}, 10, 20).x);
    EXPECT_FLOAT_EQ(collarHandle_.drags[0].y, Cm({130, 90}, 10, 20).y);
    EXPECT_EQ(Horz()->value(), 0);
    EXPECT_EQ(Vert()->value(), 0);
    Release(View(1), {130, 90});
    EXPECT_FALSE(MainForm->DraggingCollar);
}

TEST_F(ReporFormTest, OverlappingHandlesDragCollarThenRaglanSleeve) {
    ShowSheets();
    MakeGarment(true, 6);
    Press(View(1), {100, 100});
    ASSERT_TRUE(MainForm->DraggingCollar && MainForm->DraggingSleeve);
    Move(View(1), {110, 100});
    EXPECT_EQ(log_, (Log{"Collar.Drag", "Collar.Calculate", "RedrawCollar", "Sleeve.Drag", "Sleeve.Calculate",
                         "RedrawSleeve"}));
    // The raglan handle lies on sheet 1, in the collar's axes.
    ASSERT_EQ(sleeveHandle_.drags.size(), 1u);
    EXPECT_FLOAT_EQ(sleeveHandle_.drags[0].x, Cm({110, 100}, 10, 20).x);
}

TEST_F(ReporFormTest, SleeveDragOnSheetTwoUsesTheSleeveAxes) {
    ShowSheets();
    MakeGarment(false, 1);
    Press(View(2), {50, 60});
    ASSERT_EQ(sleeveHandle_.hits.size(), 1u);
    EXPECT_FLOAT_EQ(sleeveHandle_.hits[0].x, Cm({50, 60}, 30, 40).x);
    EXPECT_FLOAT_EQ(sleeveHandle_.hits[0].y, Cm({50, 60}, 30, 40).y);
    EXPECT_TRUE(MainForm->DraggingSleeve);
    Move(View(2), {70, 60});
    EXPECT_EQ(log_, (Log{"Sleeve.Drag", "Sleeve.Calculate", "RedrawSleeve"}));
    EXPECT_EQ(Horz()->value(), 0);
    Release(View(2), {70, 60});

    // A sleeve without handles only pans.
    sleeveHandle_.hit = false;
    Press(View(2), {50, 60});
    EXPECT_FALSE(MainForm->DraggingSleeve);
    Move(View(2), {20, 60});
    EXPECT_EQ(Horz()->value(), 30);
}

// Pointer positions at the far ends of the int range (the handlers), and
// window-system positions beyond it or no number at all (the widgets): no
// press, drag, release or panning overflows, the panning stops at the ends
// of the scroll range, and the drags get finite positions beyond the sheet.
TEST_F(ReporFormTest, NoPointerPositionBreaksAPressADragOrPanning) {
    ShowSheets();
    constexpr int kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
    MakeGarment(true, 5);  // the collar and the raglan handle grabbed on sheet 1
    QWidget* viewport = form_->ScrollBox1->viewport();
    for (int sheet : {0, 1, 2, 3}) {  // 0: the background
        SCOPED_TRACE(sheet);
        collarHandle_.drags.clear();
        sleeveHandle_.drags.clear();
        Horz()->setValue(0);
        Vert()->setValue(0);
        auto down = [&](int x, int y) {
            sheet ? form_->ListMouseDown(sheet, Qt::LeftButton, x, y)
                  : form_->ScrollBox1MouseDown(Qt::LeftButton, x, y);
        };
        auto move = [&](int x, int y) {
            sheet ? form_->ListMouseMove(sheet, Qt::LeftButton, x, y)
                  : form_->ScrollBox1MouseMove(Qt::LeftButton, x, y);
        };
        auto up = [&](int x, int y) {
            sheet ? form_->ListMouseUp(sheet, Qt::LeftButton, x, y) : form_->ScrollBox1MouseUp(Qt::LeftButton, x, y);
        };
        down(751, 751);
        const bool dragging = MainForm->DraggingCollar;
        EXPECT_EQ(dragging, sheet == 1);
        move(kLow, kLow);
        if (!dragging) {
            EXPECT_EQ(Horz()->value(), Horz()->maximum());
            EXPECT_EQ(Vert()->value(), Vert()->maximum());
        }
        move(kHigh, kHigh);
        if (!dragging) {
            EXPECT_EQ(Horz()->value(), 0);
            EXPECT_EQ(Vert()->value(), 0);
        }
        up(kLow, kHigh);
        down(kHigh, kLow);
        move(kLow, kHigh);
        up(kHigh, kHigh);
        if (dragging) {
            ASSERT_EQ(collarHandle_.drags.size(), 3u);
            ASSERT_EQ(sleeveHandle_.drags.size(), 3u);
            for (const FakeHandle* h : {&collarHandle_, &sleeveHandle_}) {
                EXPECT_LT(h->drags[0].x, -1e5f);
                EXPECT_GT(h->drags[0].y, 1e5f);
                EXPECT_GT(h->drags[1].x, 1e5f);
                EXPECT_LT(h->drags[1].y, -1e5f);
                EXPECT_TRUE(std::isfinite(h->drags[2].x) && std::isfinite(h->drags[2].y));
            }
        }
    }
    // Through the widgets, positions beyond any int and no number.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (QWidget* w : {View(1), View(2), View(3), viewport}) {
        Horz()->setValue(0);
        Press(w, {751, 751});
        Move(w, {-1e300, -1e12});
        Move(w, {1e12, nan});
        Release(w, {nan, 1e300});
        EXPECT_GE(Horz()->value(), 0);
        EXPECT_LE(Horz()->value(), Horz()->maximum());
        EXPECT_FALSE(MainForm->DraggingCollar || MainForm->DraggingSleeve);
    }
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ReporFormTest, FailedDragIsReportedOnceAndEndsTheDrag) {
    ShowSheets();
    const std::string collarText = "Не допустимое положение воротника. ";
    const std::string collarCaption = "Сбой при расчёте воротника";
    const std::string sleeveText = "Ширина рукава больше допустимой. ";
    const std::string sleeveCaption = "Сбой при расчёте оката";
    struct Case {
        const char* name;
        int sheet;
        bool collar;
        int sleeveKind;
        Fault collarFault;
        Fault sleeveFault;
        Fault redrawFault;
        const std::string& text;
        const std::string& caption;
    } cases[] = {
        {"collar thrown 2", 1, true, 0, Fault::Int2, Fault::None, Fault::None, collarText, collarCaption},
        {"collar redraw", 1, true, 0, Fault::None, Fault::None, Fault::Float, collarText, collarCaption},
        {"both handles, collar fails", 1, true, 5, Fault::Float, Fault::Int1, Fault::None, collarText, collarCaption},
        {"raglan thrown 1", 1, false, 5, Fault::None, Fault::Int1, Fault::None, sleeveText, sleeveCaption},
        {"sheet 2 float", 2, false, 3, Fault::None, Fault::Float, Fault::None, sleeveText, sleeveCaption},
        {"sheet 2 redraw", 2, false, 3, Fault::None, Fault::None, Fault::Int1, sleeveText, sleeveCaption},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages_.clear();
        log_.clear();
        collarHandle_ = FakeHandle();
        sleeveHandle_ = FakeHandle();
        collar_.reset();
        sleeve_.reset();
        MainForm->Collar = nullptr;
        MainForm->Sleeve = nullptr;
        MakeGarment(c.collar, c.sleeveKind);
        collarHandle_.calculateFault = c.collarFault;
        sleeveHandle_.calculateFault = c.sleeveFault;
        model_->redrawFault = c.redrawFault;

        Press(View(c.sheet), {100, 100});
        Move(View(c.sheet), {105, 100});
        Move(View(c.sheet), {110, 100});
        Move(View(c.sheet), {115, 100});

        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].text, c.text);
        EXPECT_EQ(messages_[0].caption, c.caption);
        EXPECT_EQ(messages_[0].icon, MsgIcon::Error);
        EXPECT_FALSE(model_->calculated);
        EXPECT_FALSE(MainForm->DraggingCollar);
        EXPECT_FALSE(MainForm->DraggingSleeve);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(std::count(log_.begin(), log_.end(), "ClearSheets"), 1);
        // The sleeve of a failed collar drag is not dragged in the same move.
        EXPECT_EQ(std::count(log_.begin(), log_.end(), "Collar.Drag") + std::count(log_.begin(), log_.end(), "Sleeve.Drag"), 1);
        Release(View(c.sheet), {115, 100});
        Horz()->setValue(0);
    }
}

TEST_F(ReporFormTest, NothingEscapesAMouseHandler) {
    ShowSheets();
    MakeGarment(true, 0);
    // A drag that breaks its promise not to throw is reported once too.
    collarHandle_.dragFault = Fault::Float;
    Press(View(1), {100, 100});
    Move(View(1), {110, 100});
    Move(View(1), {120, 100});
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, kDraftFailedText) << "the program's words, not the exception's";
    EXPECT_EQ(messages_[0].icon, MsgIcon::Error);
    EXPECT_FALSE(MainForm->DraggingCollar);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A conversion that fails on the press.
    messages_.clear();
    const float scale = ScreenDC.PxPerCmX;
    ScreenDC.PxPerCmX = 0;
    Press(View(1), {100, 100});
    ScreenDC.PxPerCmX = scale;
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// ---- Scale, commands and bounds ----

TEST_F(ReporFormTest, ScaleChangeKeepsTheMainWindowInStep) {
    MakeGarment(false, 0);
    ShowSheets();
    QAction* items[5] = {nullptr, MainForm->Mas11, MainForm->Mas12, MainForm->Mas13, MainForm->Mas14};
    for (int index : {1, 2, 0}) {
        SCOPED_TRACE(index);
        const int n = 4 - index;
        log_.clear();
        form_->MasAtReportChange(index);
        EXPECT_EQ(ScreenDC.Scale, n);
        EXPECT_EQ(MainForm->MasAtMain->currentIndex(), index);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(items[k]->isChecked(), k == n) << k;
        EXPECT_EQ(log_, (Log{"ClearSheets", "Draw", "DrawTables " + std::to_string(n)}));
    }
    // The main window's own change keeps this window's list in step as well.
    MainForm->MasAtMainChange(1);
    EXPECT_EQ(form_->MasAtReport->currentIndex(), 1);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(ReporFormTest, PrintCommandNeedsAGarmentAndAPrinterAndRestoresTheButtons) {
    SetPrinterListOverride([] { return std::vector<std::string>{}; });
    form_->ToPrint->trigger();  // no garment: nothing
    EXPECT_TRUE(messages_.empty());

    MakeGarment(false, 0);
    form_->ToPrint->trigger();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Принтер не установлен!  ");
    EXPECT_EQ(messages_[0].icon, MsgIcon::Error);

    messages_.clear();
    SetPrinterListOverride([] { return std::vector<std::string>{"Test printer"}; });
    for (Fault fault : {Fault::None, Fault::Float}) {
        model_->printButtonsAtPrint.clear();
        model_->printFault = fault;
        form_->ToPrint->trigger();
        EXPECT_EQ(model_->printButtonsAtPrint, (std::vector<bool>{false, false}));
        EXPECT_TRUE(form_->ToPrint->isEnabled());
        EXPECT_TRUE(form_->PrintSetUp->isEnabled());
    }
    // The failed print is reported, not let through.
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].icon, MsgIcon::Error);
}

TEST_F(ReporFormTest, ClearCommandClearsInputsAndSheets) {
    MakeGarment(false, 0);
    MainForm->SleeveKind = 7;
    form_->ClearMod->trigger();
    EXPECT_EQ(log_, (Log{"ClearInputs 7", "ClearSheets"}));
}

// A key typed into the active window: a shortcut when one matches, else a
// key press to the focused widget.
void TypeKey(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    if (!qt_sendShortcutOverrideEvent(target, 0, key, modifiers, QString(), false, 1)) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
    }
    QApplication::processEvents();
}

bool Activate(QWidget* w) {
    w->show();
    w->activateWindow();
    for (int i = 0; i < 50 && QApplication::activeWindow() != w; ++i) QApplication::processEvents();
    return QApplication::activeWindow() == w;
}

TEST_F(ReporFormTest, CtrlFSwitchesWindowsAndTheMainWindowsKeysActHere) {
    ASSERT_TRUE(Activate(MainForm));
    TypeKey(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeWindow(), form_.get());
    TypeKey(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeWindow(), MainForm);
    TypeKey(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::activeWindow(), form_.get());

    // The main window's other commands answer here too: Ctrl+C calculates.
    MakeGarment(false, 0);
    model_->calculated = false;
    TypeKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(model_->calculated);
    // F1 is this window's and the main window's help: one help command runs
    // (here it reports the missing help page), not neither.
    messages_.clear();
    TypeKey(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(ReporFormTest, BoundsAndStateComeFromTheSettings) {
    struct Case {
        int state;
        bool maximizedBefore;
        bool maximizedAfter;
    } cases[] = {{0, true, false}, {1, false, true}, {2, true, false}, {7, true, true}, {7, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        form_->setWindowState(c.maximizedBefore ? Qt::WindowMaximized : Qt::WindowNoState);
        TSettingsRecord& r = *Settings->Record;
        r.ReportLeft = 40;
        r.ReportTop = 50;
        r.ReportWidth = 600;
        r.ReportHeight = 450;
        r.ReportState = c.state;
        form_->FormCreate();
        EXPECT_EQ(form_->IsMaximized(), c.maximizedAfter);
        if (!c.maximizedAfter) {
            EXPECT_EQ(form_->pos(), QPoint(40, 50));
            EXPECT_EQ(form_->size(), QSize(600, 450));
        }
    }
}

TEST_F(ReporFormTest, SettersRespectTheSizeLimits) {
    SheetImage::SetAllocationLimit(kPixelsAt4);
    ASSERT_TRUE(form_->AllocateSheets());
    EXPECT_EQ(ScreenDC.MinScale, 4);
    form_->SetWindowWidth(5000);
    form_->SetWindowHeight(5000);
    EXPECT_EQ(form_->WindowWidth(), 1029);
    EXPECT_EQ(form_->WindowHeight(), 1466);
    form_->SetWindowWidth(10);
    form_->SetWindowHeight(10);
    EXPECT_EQ(form_->WindowWidth(), kReportMinWidth);
    EXPECT_EQ(form_->WindowHeight(), kReportMinHeight);
    form_->SetWindowLeft(33);
    form_->SetWindowTop(44);
    EXPECT_EQ(form_->WindowLeft(), 33);
    EXPECT_EQ(form_->WindowTop(), 44);
}

TEST_F(ReporFormTest, WindowLooksAsDesigned) {
    EXPECT_EQ(form_->windowTitle(), "Основа");
    EXPECT_EQ(form_->minimumSize(), QSize(360, 260));
    EXPECT_EQ(form_->ControlBar1->height(), 31);
    QStringList items;
    for (int i = 0; i < form_->MasAtReport->count(); ++i) items << form_->MasAtReport->itemText(i);
    EXPECT_EQ(items, (QStringList{" M 1:4", " M 1:3", " M 1:2", " M 1:1"}));
    EXPECT_EQ(form_->MasAtReport->currentIndex(), 0);
    EXPECT_FALSE(form_->MasAtReport->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(form_->ScrollBox1->viewport()->palette().color(QPalette::Window), QColor(225, 225, 225));
    for (QAction* action : {form_->ClearMod, form_->ReturnToMain, form_->ToPrint, form_->PrintSetUp})
        EXPECT_FALSE(action->icon().isNull()) << action->objectName().toStdString();
    // New, open and save are the main window's, on this window's tool bar.
    for (QAction* action : {MainForm->NewProject, MainForm->Open, MainForm->SaveModel})
        EXPECT_TRUE(form_->ToolBar1->actions().contains(action));
    form_->SetPrintButtonsEnabled(false);
    EXPECT_FALSE(form_->ToPrint->isEnabled());
    EXPECT_FALSE(form_->PrintSetUp->isEnabled());
    // Closing only hides.
    form_->show();
    form_->close();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_FALSE(form_->testAttribute(Qt::WA_DeleteOnClose));
}

}  // namespace

TEST_F(ReporFormTest, WindowStateAndBoundsSurviveARestartAfterScaleChanges) {
    // Each case: the state the window starts in, the scale items chosen
    // while it is shown (1:1 is refused: the sheets allow 1:2 at most).
    struct Case {
        const char* name;
        int state;
        std::vector<int> items;
    } cases[] = {
        {"maximized", 1, {}},
        {"maximized, 1:2", 1, {2}},
        {"maximized, 1:2, 1:4, refused 1:1", 1, {2, 0, 3}},
        {"normal, 1:2, 1:4", 0, {2, 0}},
    };
    const QRect bounds(40, 50, 600, 450);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSettingsRecord& r = *Settings->Record;
        r.ReportLeft = bounds.x();
        r.ReportTop = bounds.y();
        r.ReportWidth = bounds.width();
        r.ReportHeight = bounds.height();
        r.ReportState = c.state;
        form_->FormCreate();
        SheetImage::SetAllocationLimit(kPixelsAt2);
        ASSERT_TRUE(form_->AllocateSheets());
        form_->show();
        QApplication::processEvents();
        for (int item : c.items) {
            form_->MasAtReportChange(item);
            QApplication::processEvents();
            EXPECT_EQ(form_->isMaximized(), c.state == 1) << item;
        }
        const QRect normalBounds(form_->pos(), form_->size());

        // The program ends, writing the settings, and starts again.
        main_->close();
        form_.reset();
        main_.reset();
        {
            TSettings written(683, 530);
            EXPECT_EQ(written.Record->ReportState, c.state);
            const TSettingsRecord& w = *written.Record;
            const QRect kept = c.state == 1 ? bounds : normalBounds;
            EXPECT_EQ(std::vector<int>({w.ReportLeft, w.ReportTop, w.ReportWidth, w.ReportHeight}),
                      std::vector<int>({kept.x(), kept.y(), kept.width(), kept.height()}));
        }
        main_ = std::make_unique<TMainForm>();
        form_ = std::make_unique<TReporForm>();
        form_->FormCreate();
        ASSERT_TRUE(form_->AllocateSheets());
        form_->show();
        QApplication::processEvents();
        EXPECT_EQ(form_->isMaximized(), c.state == 1);
        form_->hide();
    }
}
